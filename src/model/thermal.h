#pragma once
// The thermostat's first-order thermal model: the sensor follows the set
// temperature with a time constant of 1 s and is heated by the power
// converted in it while self-heating is on.

#include "model/state.h"

namespace model {

inline constexpr double heatConductance = 0.02;  // W/K, sensor to thermostat
inline constexpr double heatCapacity = 0.02;     // J/K of the sensor
inline constexpr double destructionLimit = 150.0; // °C; above it the sensor is destroyed

// The window's own fields of the simulation.
struct Thermostat {
    double tschritt = 0;    // K that the next tick adds to tsensor
    double zeitschritt = 0; // s simulated per tick
    bool eigen_ein = false; // toggle state of self-heating
};

// Steps 1 and 2 of a tick: the time step, and the step computed on the tick before.
void applyPendingStep(ExperimentState& s, Thermostat& th);

// Steps 4 and 5: the power in the sensor and the next step (explicit Euler,
// applied one tick late). Returns the power in watts.
double computeNextStep(const ExperimentState& s, Thermostat& th);

// The self-heating switch flips its own field, not the button's state.
void toggleSelfHeating(ExperimentState& s, Thermostat& th);

// Strictly above the limit: exactly 150.0 passes. A temperature that is not
// a finite number counts as destroyed too.
bool isDestroyed(const ExperimentState& s);

} // namespace model
