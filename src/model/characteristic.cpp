#include "model/characteristic.h"

#include "numbers/numbers.h"

#include <cmath>

namespace model {

double diodeVoltage(const ExperimentState& s, double tk)
{
    // k in V/K, gap voltage 1.2 V, reference 273 K; 0.0239 stands as written,
    // close to k * 273 but not computed from it.
    const double k = 8.75e-05;
    const double e = std::exp(1.2 * ((1 / tk) / k - 1 / 0.0239));
    const double q = (s.diode_i / s.diode_is) * std::pow(273 / tk, 3) * e;
    return tk * k * std::log(q) * 1000;
}

double trueCharacteristic(const ExperimentState& s, int type, double t)
{
    const double tk = t + 273;
    switch (type) {
    case 0: return s.ntc_a * std::exp(s.ntc_b / tk);
    case 1: return s.ptc_a * std::exp(s.ptc_b * tk);
    case 2: return (s.pt100_a * t / s.pt100_r0 + 1) * s.pt100_r0;
    case 3: return (s.pt1000_a * t / s.pt1000_r0 + 1) * s.pt1000_r0;
    case 4: return diodeVoltage(s, tk);
    case 5: return s.strom_k * t + s.strom_i0;
    case 6: return s.thermo_k * t * 1000;
    default: return 0;
    }
}

double scaleTopValue(const ExperimentState& s, int type)
{
    switch (type) {
    case 0: return s.ntc_a * std::exp(s.ntc_b / 293);
    case 1: return s.ptc_a * std::exp(s.ptc_b * 373);
    case 2: return (s.pt100_a * 100 / s.pt100_r0 + 1) * s.pt100_r0;
    case 3: return (s.pt1000_a * 100 / s.pt1000_r0 + 1) * s.pt1000_r0;
    case 4: return 100; // fixed: its text has three characters, so the top is 1000 mV
    case 5: return s.strom_k * 100 + s.strom_i0;
    // The thermocouple's volts at 100 °C go to a whole number before the
    // factor 1000, so coefficients below 5 mV/K give 0 and a top of 10 mV.
    case 6: return numbers::roundHalfEven(s.thermo_k * 100) * 1000;
    default: return 0;
    }
}

} // namespace model
