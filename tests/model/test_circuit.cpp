#include "model/characteristic.h"
#include "model/circuit.h"
#include "model/thermal.h"
#include "model/voltmeter.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;

namespace {

ExperimentState startState(int type, double t)
{
    ExperimentState s;
    setStartValues(s, ',');
    f_alpha(s);
    s.sensortyp = static_cast<std::uint8_t>(type);
    s.tsensor = t;
    return s;
}

struct CircuitCase {
    const char* name;
    int type;
    double t;
    int uquelle;
    double rvor;
    double umess;
    double tolerance; // absolute, V
};

class Circuit : public testing::TestWithParam<CircuitCase> {};

TEST_P(Circuit, SensorVoltage)
{
    const auto& c = GetParam();
    ExperimentState s = startState(c.type, c.t);
    s.uquelle = static_cast<std::int16_t>(c.uquelle);
    s.rvor = c.rvor;
    ASSERT_EQ(f_anzeige(s), Reading::Shown);
    EXPECT_NEAR(s.umess, c.umess, c.tolerance) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, Circuit,
    testing::Values(CircuitCase{"ntc_0", 0, 0, 10, 10000, 7.626, 0.0005},
                    CircuitCase{"ntc_100", 0, 100, 10, 10000, 0.2313, 0.00005},
                    CircuitCase{"ptc_100", 1, 100, 10, 10000, 2.529, 0.0005},
                    CircuitCase{"pt100_20", 2, 20, 10, 10000, 10 * 107.701 / 10107.701, 1e-9},
                    CircuitCase{"pt1000_20", 3, 20, 10, 10000, 10 * 1077.01 / 11077.01, 1e-9},
                    // The diode's scan lands on its grid exactly.
                    CircuitCase{"diode_20", 4, 20, 10, 10000, 0.49455, 1e-12},
                    CircuitCase{"diode_0", 4, 0, 10, 10000, 0.5464, 1e-12},
                    CircuitCase{"diode_100", 4, 100, 10, 10000, 0.28405, 1e-12},
                    CircuitCase{"diode_0V", 4, 20, 0, 10000, 0, 1e-12},
                    CircuitCase{"diode_1V", 4, 20, 1, 10000, 0.42375, 1e-12},
                    CircuitCase{"diode_bridged", 4, 20, 10, 0.01, 0.84275, 1e-12},
                    CircuitCase{"diode_50", 4, 50, 10, 10000, 0.4162, 1e-12},
                    CircuitCase{"diode_150", 4, 150, 10, 10000, 0.1503, 1e-12},
                    CircuitCase{"diode_minus40", 4, -40, 10, 10000, 0.649, 1e-12},
                    CircuitCase{"diode_24V_100Ohm", 4, 20, 24, 100, 0.6337, 1e-12},
                    CircuitCase{"diode_5V_1MOhm", 4, 20, 5, 1000000, 0.36005, 1e-12},
                    // Is takes the kelvin rounded half to even (372.5 -> 372,
                    // 373.5 -> 374), ut the exact temperature.
                    CircuitCase{"diode_99_5", 4, 99.5, 10, 10000, 0.2871, 1e-12},
                    CircuitCase{"diode_100_5", 4, 100.5, 10, 10000, 0.281, 1e-12},
                    CircuitCase{"diode_hot_bridged", 4, 150, 24, 0.01, 0.68575, 1e-12},
                    // No step turns negative: the scan ends on its last point.
                    CircuitCase{"diode_scan_end", 4, -200, 24, 0.01, 0.9, 1e-12},
                    CircuitCase{"current_20", 5, 20, 10, 10000, 7.07, 1e-12},
                    CircuitCase{"current_minus300", 5, -300, 10, 10000, 10.27, 1e-12},
                    CircuitCase{"current_0V", 5, 20, 0, 10000, 0, 0},
                    CircuitCase{"current_2V_floor", 5, 20, 2, 10000, 1.5, 0},
                    CircuitCase{"current_3V_floor", 5, 20, 3, 22000, 1.5, 0},
                    CircuitCase{"pt1000_55_5", 3, 55.5, 12, 4700, 2.462828047960307, 1e-12},
                    CircuitCase{"pt100_minus20_bridged", 2, -20, 5, 0.01, 4.999458341006835, 1e-12},
                    CircuitCase{"current_floor", 5, 20, 10, 100000, 1.5, 0},
                    CircuitCase{"current_1V", 5, 20, 1, 10000, 1, 0},
                    CircuitCase{"thermo_100", 6, 100, 10, 10000, 0.005, 1e-15},
                    CircuitCase{"thermo_minus10", 6, -10, 0, 5, -0.0005, 1e-15}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Circuit, CharacteristicsAtTwentyDegrees)
{
    ExperimentState s = startState(0, 20);
    f_sensor0(s);
    EXPECT_NEAR(s.rsensor, 9201, 0.5);
    f_sensor1(s);
    EXPECT_NEAR(s.rsensor, 18.67, 0.005);
    f_sensor2(s);
    EXPECT_NEAR(s.rsensor, 107.701, 1e-9);
    f_sensor4(s);
    EXPECT_DOUBLE_EQ(s.ut, 0.02527125);
    f_sensor5(s);
    EXPECT_DOUBLE_EQ(s.isensor, 293);
}

TEST(Circuit, BridgeForcesTheResistorInTheState)
{
    ExperimentState s = startState(0, 20);
    s.rvor_kurz = true;
    f_anzeige(s);
    EXPECT_EQ(s.rvor, 0.01);
    EXPECT_NEAR(s.umess, 10 * s.rsensor / (0.01 + s.rsensor), 1e-12);
}

TEST(Circuit, UnknownIndexLeavesTheReading)
{
    ExperimentState s = startState(7, 20);
    s.umess = 1.25;
    EXPECT_EQ(f_anzeige(s), Reading::Unchanged);
    EXPECT_EQ(s.umess, 1.25);
}

TEST(Circuit, OverflowIsAFaultAndStoresNothing)
{
    ExperimentState s = startState(1, 20);
    f_anzeige(s);
    const double before = s.umess;
    s.tsensor = 20000; // the PTC's exponential leaves the double range
    EXPECT_EQ(f_anzeige(s), Reading::Fault);
    EXPECT_EQ(s.umess, before);
    EXPECT_TRUE(std::isfinite(s.rsensor));
}

TEST(Circuit, ResistorSteps)
{
    const std::pair<int, double> steps[] = {{20, 100},    {22, 150},    {24, 220},   {26, 330},
                                            {28, 470},    {30, 1000},   {36, 3300},  {38, 4700},
                                            {40, 10000},  {42, 15000},  {48, 47000}, {50, 100000},
                                            {60, 1000000}, {66, 3300000}, {70, 10000000}};
    for (auto [n, r] : steps)
        EXPECT_DOUBLE_EQ(resistorForPosition(static_cast<std::uint8_t>(n)), r) << n;
}

struct MeterCase {
    float u;
    int position;
    const char* shown;
};

class Voltmeter : public testing::TestWithParam<MeterCase> {};

TEST_P(Voltmeter, RangesAndRounding)
{
    const auto& c = GetParam();
    EXPECT_EQ(voltmeterText(c.u, rangeForPosition(c.position), ',').value(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, Voltmeter,
    testing::Values(MeterCase{19.99f, 1, "19,99 V"}, MeterCase{19.995f, 1, "---------"},
                    MeterCase{5, 1, "05,00 V"}, MeterCase{0.1999f, 3, "199,9 mV"}, MeterCase{0.2f, 3, "---------"},
                    MeterCase{5.3f, 0, "005,3 V"}, MeterCase{199.95f, 0, "---------"},
                    MeterCase{0.6f, 2, "0,600 V"}, MeterCase{-0.0005f, 3, "-000,5 mV"},
                    MeterCase{-25, 1, "-25,00 V"}, MeterCase{0.125f, 1, "00,12 V"},
                    MeterCase{0.375f, 1, "00,38 V"}, MeterCase{7.626f, 1, "07,63 V"},
                    // Halfway in the other ranges, and the sign of small negatives.
                    MeterCase{0.0625f, 2, "0,062 V"}, MeterCase{0.00125f, 3, "001,2 mV"},
                    MeterCase{0.00375f, 3, "003,8 mV"}, MeterCase{-0.00125f, 3, "-001,2 mV"},
                    MeterCase{2.5f, 0, "002,5 V"}, MeterCase{0.25f, 0, "000,3 V"},
                    MeterCase{-0.125f, 1, "-00,12 V"}, MeterCase{-0.005f, 1, "00,00 V"},
                    MeterCase{-0.006f, 1, "-00,01 V"}, MeterCase{-199.96f, 0, "-200,0 V"},
                    // The single-precision full scale: 19.985 lies just above its
                    // half and rounds up; a hair over the full scale is over range.
                    MeterCase{19.985f, 1, "19,99 V"}, MeterCase{1.9994f, 2, "---------"},
                    MeterCase{0.19995f, 3, "---------"}, MeterCase{199.94f, 0, "---------"},
                    MeterCase{10, 0, "010,0 V"}, MeterCase{123.4f, 1, "---------"},
                    MeterCase{0.9f, 2, "0,900 V"}, MeterCase{1e-9f, 3, "000,0 mV"}));

TEST(Voltmeter, UnknownRangeKeepsTheText) { EXPECT_FALSE(voltmeterText(1, 2.0, ',').has_value()); }

TEST(Thermal, FirstTicksAndSetPointStep)
{
    ExperimentState s = startState(0, 0);
    Thermostat th;
    const double expected[] = {0, 4, 7.2, 9.76};
    for (double e : expected) {
        applyPendingStep(s, th);
        f_anzeige(s);
        computeNextStep(s, th);
        EXPECT_NEAR(s.tsensor, e, 1e-9);
    }
    s.tsensor = 20;
    th.tschritt = 0;
    s.tsoll = 60;
    applyPendingStep(s, th);
    computeNextStep(s, th);
    EXPECT_NEAR(th.tschritt, 8, 1e-9);
    applyPendingStep(s, th);
    computeNextStep(s, th);
    EXPECT_NEAR(s.tsensor, 28, 1e-9);
    EXPECT_NEAR(th.tschritt, 6.4, 1e-9);
}

TEST(Thermal, SelfHeatingOfOneWattGivesFiftyKelvin)
{
    ExperimentState s = startState(6, 0);
    Thermostat th{0, 0.2, false};
    toggleSelfHeating(s, th);
    EXPECT_EQ(s.eigenerwarmung, 1);
    s.tsoll = 20;
    s.tsensor = 70;
    s.uquelle = 2;
    s.umess = 1;
    s.rvor = 1 - 0.001; // P = 1 W
    computeNextStep(s, th);
    EXPECT_NEAR(th.tschritt, 0, 1e-9);
    toggleSelfHeating(s, th);
    EXPECT_EQ(s.eigenerwarmung, 0);
    EXPECT_FALSE(th.eigen_ein);
}

TEST(Thermal, DestructionIsStrictlyAbove150)
{
    ExperimentState s;
    s.tsensor = 150.0;
    EXPECT_FALSE(isDestroyed(s));
    s.tsensor = 150.05;
    EXPECT_TRUE(isDestroyed(s));
    s.tsensor = NAN;
    EXPECT_TRUE(isDestroyed(s));
}

TEST(StartValues, TextsAndCoefficients)
{
    ExperimentState s;
    setStartValues(s, '.');
    f_alpha(s);
    EXPECT_EQ(s.formeltext[0], "R/Ohm = 0.000357*exp(5000/T)   T in K");
    EXPECT_EQ(s.formeltext[2], "R/Ohm = 100*(1 + 0.0038505*(T-273))   T in K");
    EXPECT_EQ(s.formeltext[5], "I/µA = 1*T/K");
    EXPECT_EQ(s.formeltext[6], "U/mV = 0.05*(T/K-273)");
    EXPECT_NEAR(s.alpha[0], -0.0582418, 5e-8);
    EXPECT_EQ(s.alpha[1], 0.065);
    EXPECT_DOUBLE_EQ(s.alpha[2], 0.0038505);
    EXPECT_DOUBLE_EQ(s.alpha[3], 0.0038505);
    EXPECT_EQ(s.alpha[4], 0);
    EXPECT_EQ(s.toleranz[7], 0);
    EXPECT_DOUBLE_EQ(s.ut, 0.02527125);
    EXPECT_EQ(s.sensorname[5], "Stromfühler");
}

TEST(StartValues, DiodeFormulaIsTheLineThroughTheScoredCurve)
{
    ExperimentState s;
    setStartValues(s, '.');
    // Straight line through the curve at 293 K and 373 K, in mV.
    const double a = diodeVoltage(s, 293), b = (a - diodeVoltage(s, 373)) / 80;
    for (double t = 20; t <= 100; t += 10) {
        const double line = a - b * (t + 273 - 293);
        EXPECT_LT(std::fabs(line / trueCharacteristic(s, 4, t) - 1), 0.01) << t;
    }
    EXPECT_EQ(s.formeltext[4].rfind("Ud/mV = ", 0), 0u);
}

TEST(ScaleTop, DefaultsOfTheEvaluation)
{
    ExperimentState s;
    setStartValues(s, '.');
    EXPECT_NEAR(scaleTopValue(s, 0), 9201, 0.5);
    EXPECT_NEAR(scaleTopValue(s, 1), 3384, 0.5);
    EXPECT_EQ(scaleTopValue(s, 6), 0);
}

} // namespace
