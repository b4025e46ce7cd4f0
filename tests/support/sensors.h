#pragma once
// The experiment at its start values, and for each sensor type an equation
// that reproduces its true characteristic with them (T in kelvin). Std only,
// for the window tests and the tests without a window alike.

#include "model/state.h"

#include <cstdint>

namespace testsupport {

inline constexpr const char* exactEquation[model::sensorTypes] = {
    "0.000357*EXP(5000/T)",
    "0.0000001*EXP(0.065*T)",
    "100+0.38505*(T-273)",
    "1000+3.8505*(T-273)",
    "T*0.0000875*LN(10000000000*(273/T)^3*EXP(1.2*((1/T)/0.0000875-1/0.0239)))*1000",
    "1*T",
    "0.05*(T-273)",
};

// Start values, the resistive sensors' alpha, and `type` hidden.
inline model::ExperimentState startState(int type)
{
    model::ExperimentState s;
    model::setStartValues(s, ',');
    model::f_alpha(s);
    s.sensortyp = static_cast<std::uint8_t>(type);
    return s;
}

} // namespace testsupport
