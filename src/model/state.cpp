#include "model/state.h"

#include "model/characteristic.h"
#include "numbers/numbers.h"

#include <cmath>

namespace model {

void setStartValues(ExperimentState& s, char sep)
{
    const ExperimentState start;
    s.uquelle = start.uquelle;
    s.tsoll = start.tsoll;
    s.tsensor = start.tsensor;
    s.rvor = start.rvor;
    s.rsensor = start.rsensor;
    s.diode_i = start.diode_i;
    s.messbereich = start.messbereich;
    s.sensortyp = start.sensortyp;
    // The diode's thermal voltage starts from the set point, not from tsensor.
    s.ut = start.ut;
    s.ntc_a = start.ntc_a;
    s.ntc_b = start.ntc_b;
    s.ptc_a = start.ptc_a;
    s.ptc_b = start.ptc_b;
    s.pt100_r0 = start.pt100_r0;
    s.pt100_a = start.pt100_a;
    s.pt1000_r0 = start.pt1000_r0;
    s.pt1000_a = start.pt1000_a;
    s.diode_is = start.diode_is;
    s.strom_i0 = start.strom_i0;
    s.strom_k = start.strom_k;
    s.thermo_k = start.thermo_k;
    s.sensorname = start.sensorname;
    for (int i = 0; i < sensorTypes; ++i)
        s.toleranz[i] = start.toleranz[i];

    buildFormulaTexts(s, sep);

    s.teta = start.teta;
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
