#include "model/state.h"

#include "model/characteristic.h"
#include "numbers/numbers.h"

#include <cmath>

namespace model {

void setStartValues(ExperimentState& s, char sep)
{
    s.uquelle = 10;
    s.tsoll = 20;
    s.tsensor = 0;
    s.rvor = 10000;
    s.rsensor = 100;
    s.diode_i = 0.001;
    s.messbereich = 1;
    s.sensortyp = 0;
    s.strom_k = 1;
    // The diode's thermal voltage starts from the set point, not from tsensor.
    s.ut = (s.tsoll + 273) * 8.625e-05;
    s.ntc_a = 0.000357;
    s.ntc_b = 5000;
    s.ptc_a = 1e-07;
    s.ptc_b = 0.065;
    s.pt100_r0 = 100;
    s.pt100_a = 0.38505;
    s.pt1000_r0 = 1000;
    s.pt1000_a = 3.8505;
    s.diode_is = 1e-13;
    s.strom_i0 = 273;
    s.thermo_k = 5e-05;

    s.sensorname = {"NTC-Widerstand", "PTC-Widerstand", "Pt 100", "Pt 1000",
                    "Flussspannung Si-Diode (konstanter Strom)", "Stromfühler", "Thermoelement"};
    const double tolerances[sensorTypes] = {0.05, 0.05, 0.01, 0.01, 0.1, 0.01, 0.03};
    for (int i = 0; i < sensorTypes; ++i)
        s.toleranz[i] = tolerances[i];

    buildFormulaTexts(s, sep);

    s.teta = 20;
}

void buildFormulaTexts(ExperimentState& s, char sep)
{
    auto num = [sep](double v) { return numbers::displayText(v, sep); };
    s.formeltext[0] = "R/Ohm = " + num(s.ntc_a) + "*exp(" + num(s.ntc_b) + "/T)   T in K";
    s.formeltext[1] = "R/Ohm = " + num(s.ptc_a) + "*exp(" + num(s.ptc_b) + "*T)   T in K";
    // R0 + A*t written as R0*(1 + A/R0*(T-273)), the form of the alpha question.
    s.formeltext[2] =
        "R/Ohm = " + num(s.pt100_r0) + "*(1 + " + num(s.pt100_a / s.pt100_r0) + "*(T-273))   T in K";
    s.formeltext[3] =
        "R/Ohm = " + num(s.pt1000_r0) + "*(1 + " + num(s.pt1000_a / s.pt1000_r0) + "*(T-273))   T in K";
    s.formeltext[4] = diodeFormulaText(s, sep);
    s.formeltext[5] = currentSensorFormulaText(s, sep);
    s.formeltext[6] = "U/mV = " + num(1000 * s.thermo_k) + "*(T/K-273)";
}

std::string currentSensorFormulaText(const ExperimentState& s, char sep)
{
    auto num = [sep](double v) { return numbers::displayText(v, sep); };
    // k*t + i0 is k*T/K when i0 = 273 k. Compared as the texts a student
    // reads, so that 273 x 0.1 and a configured 27.3 count as equal.
    if (num(s.strom_i0) == num(273 * s.strom_k))
        return "I/µA = " + num(s.strom_k) + "*T/K";
    return "I/µA = " + num(s.strom_k) + "*(T/K-273)" + (s.strom_i0 < 0 ? " - " : " + ") +
           num(std::fabs(s.strom_i0));
}

std::string diodeFormulaText(const ExperimentState& s, char sep)
{
    // The straight line through the curve that the evaluation scores against,
    // at 293 K and 373 K: the voltage at 293 K in mV and the fall per kelvin.
    const double at293 = diodeVoltage(s, 293);
    const double at373 = diodeVoltage(s, 373);
    const double a = numbers::roundDecimals(at293, 1);
    const double b = numbers::roundDecimals((at293 - at373) / 80, 3);
    return "Ud/mV = " + numbers::displayText(a, sep) + " - " + numbers::displayText(b, sep) +
           " * (T/K - 293)";
}

void f_alpha(ExperimentState& s)
{
    s.alpha[0] = -s.ntc_b / ((s.teta + 273) * (s.teta + 273));
    s.alpha[1] = s.ptc_b;
    // A/R0: the relative slope of R0 + A*t at 0 °C.
    s.alpha[2] = s.pt100_a / s.pt100_r0;
    s.alpha[3] = s.pt1000_a / s.pt1000_r0;
}

} // namespace model
