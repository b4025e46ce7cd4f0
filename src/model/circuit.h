#pragma once
// The measuring circuit: a DC source of uquelle volts, the series resistor
// rvor and the hidden sensor; the voltmeter measures umess across the sensor.

#include "model/state.h"

namespace model {

// What a recomputation left for the voltmeter.
enum class Reading {
    Shown,     // umess is new: the voltmeter shows it
    Unchanged, // no sensor of that index: umess and the display keep their values
    Fault,     // the characteristic left the number range; nothing was stored
};

// The one entry point: the sensor's characteristic at tsensor, then the
// operating point. A bridged resistor is forced to 0.01 ohm in the state itself.
Reading f_anzeige(ExperimentState& s);

// The characteristics (kept separately for the tests and benchmarks). Each
// returns false, storing nothing, when the value is not a finite number.
bool f_sensor0(ExperimentState& s);
bool f_sensor1(ExperimentState& s);
bool f_sensor2(ExperimentState& s);
bool f_sensor3(ExperimentState& s);
bool f_sensor4(ExperimentState& s);
bool f_sensor5(ExperimentState& s);

// The operating points; each stores umess when it is finite.
bool f_widerstand(ExperimentState& s);
bool f_diode(ExperimentState& s);
bool f_stromfuhler(ExperimentState& s);
bool f_thermoelement(ExperimentState& s);

// The series resistor that position n of its up-down selects: the steps
// 1 - 1.5 - 2.2 - 3.3 - 4.7 per decade.
double resistorForPosition(std::uint8_t n);

} // namespace model
