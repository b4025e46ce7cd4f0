#include "model/circuit.h"

#include "numbers/numbers.h"

#include <cmath>

namespace model {

namespace {

bool store(double& target, double value)
{
    if (!std::isfinite(value))
        return false;
    target = value;
    return true;
}

} // namespace

bool f_sensor0(ExperimentState& s) { return store(s.rsensor, s.ntc_a * std::exp(s.ntc_b / (s.tsensor + 273))); }

bool f_sensor1(ExperimentState& s) { return store(s.rsensor, s.ptc_a * std::exp(s.ptc_b * (s.tsensor + 273))); }

bool f_sensor2(ExperimentState& s)
{
    return store(s.rsensor, (s.pt100_a * s.tsensor / s.pt100_r0 + 1) * s.pt100_r0);
}

bool f_sensor3(ExperimentState& s)
{
    return store(s.rsensor, (s.pt1000_a * s.tsensor / s.pt1000_r0 + 1) * s.pt1000_r0);
}

bool f_sensor4(ExperimentState& s) { return store(s.ut, (s.tsensor + 273) * 8.625e-05); }

bool f_sensor5(ExperimentState& s) { return store(s.isensor, s.strom_k * s.tsensor + s.strom_i0); }

bool f_widerstand(ExperimentState& s)
{
    return store(s.umess, s.uquelle * s.rsensor / (s.rvor + s.rsensor));
}

bool f_diode(ExperimentState& s)
{
    // The saturation current uses the whole-kelvin temperature, ut the exact one.
    const double tk = numbers::roundHalfEven(s.tsensor + 273);
    const double is =
        s.diode_is * std::pow(tk / 273, 3) * std::exp(1200 * (1.0 / 24 - 1 / (0.0875 * tk)));
    // The scan stops at the first grid point above the operating point, so the
    // reading is at most 0.05 mV high; the counter is single precision on purpose.
    double u = 0;
    for (float c = 0; c <= 9000; c += 0.5f) {
        u = static_cast<double>(c) / 10000;
        const float f = static_cast<float>((s.uquelle - u) - s.rvor * is * std::exp(u / s.ut));
        if (f < 0)
            break;
    }
    return store(s.umess, u);
}

bool f_stromfuhler(ExperimentState& s)
{
    double u = s.uquelle - s.isensor * s.rvor / 1000000; // the current is in microampere
    if (u < 1.5)
        u = 1.5; // the sensor keeps at least 1.5 V across itself
    if (s.uquelle < 2)
        u = s.uquelle; // below 2 V the whole source voltage stands across it
    return store(s.umess, u);
}

bool f_thermoelement(ExperimentState& s) { return store(s.umess, s.thermo_k * s.tsensor); }

Reading f_anzeige(ExperimentState& s)
{
    if (s.rvor_kurz)
        s.rvor = 0.01;
    bool ok = false;
    switch (s.sensortyp) {
    case 0: ok = f_sensor0(s) && f_widerstand(s); break;
    case 1: ok = f_sensor1(s) && f_widerstand(s); break;
    case 2: ok = f_sensor2(s) && f_widerstand(s); break;
    case 3: ok = f_sensor3(s) && f_widerstand(s); break;
    case 4: ok = f_sensor4(s) && f_diode(s); break;
    case 5: ok = f_sensor5(s) && f_stromfuhler(s); break;
    case 6: ok = f_thermoelement(s); break;
    default: return Reading::Unchanged;
    }
    return ok ? Reading::Shown : Reading::Fault;
}

double resistorForPosition(std::uint8_t n)
{
    const int e = n / 10;
    const double m = (n - 10 * e) / 2.0; // a half-step; whole for the even positions
    if (m == 0)
        return std::pow(10.0, e);
    double mantissa = numbers::roundDecimals(std::pow(1.4690999, m), 1);
    if (mantissa == 3.2)
        mantissa = 3.3;
    return mantissa * std::pow(10.0, e);
}

} // namespace model
