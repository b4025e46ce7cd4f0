#pragma once
// The true characteristics as the evaluation compares them, over 20..100 °C:
// the value the student's equation should give at a temperature, in the unit
// of the type's left-hand side (ohm, mV, µA), and the value that sets the
// top of the plot's scale.

#include "model/state.h"

namespace model {

// The true characteristic of sensor type `type` at t in °C (Tk = t + 273).
double trueCharacteristic(const ExperimentState& s, int type, double t);

// The value at the end of the range where the characteristic is largest,
// before it is taken to a whole number for the scale top.
double scaleTopValue(const ExperimentState& s, int type);

// The forward voltage of the diode in mV at the current diode_i and Tk kelvin.
double diodeVoltage(const ExperimentState& s, double tk);

} // namespace model
