#include "model/characteristic.h"
#include "model/circuit.h"
#include "model/thermal.h"
#include "model/voltmeter.h"
#include "tables.h"

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

using tables::Row;

class Circuit : public testing::TestWithParam<Row> {};

TEST_P(Circuit, SensorVoltage)
{
    const Row& r = GetParam();
    ExperimentState s = startState(r.integer("type"), r.number("celsius"));
    s.uquelle = static_cast<std::int16_t>(r.integer("uquelle"));
    s.rvor = r.number("rvor");
    ASSERT_EQ(f_anzeige(s), Reading::Shown);
    EXPECT_NEAR(s.umess, r.number("umess"), r.number("tolerance")) << r.text("name");
}

INSTANTIATE_TEST_SUITE_P(AllTypes, Circuit, testing::ValuesIn(tables::read("model_circuit.tsv")), tables::rowName);

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

class Voltmeter : public testing::TestWithParam<Row> {};

TEST_P(Voltmeter, RangesAndRounding)
{
    const Row& r = GetParam();
    const auto u = static_cast<float>(r.number("volts"));
    EXPECT_EQ(voltmeterText(u, rangeForPosition(r.integer("position")), ',').value(), r.text("shown"));
}

INSTANTIATE_TEST_SUITE_P(Ranges, Voltmeter, testing::ValuesIn(tables::read("model_voltmeter.tsv")), tables::rowName);

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
