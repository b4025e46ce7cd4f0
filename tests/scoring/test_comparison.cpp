#include "scoring/comparison.h"
#include "sensors.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using scoring::Reason;
using testsupport::exactEquation;
using testsupport::startState;

namespace {

struct ScoredCase {
    int type;
    const char* factor; // in front of the exact equation
    double scaleTop;
    double deviation;
    int points;
};

class Scored : public testing::TestWithParam<ScoredCase> {};

TEST_P(Scored, FourHundredSamplesAndThePoints)
{
    const auto& c = GetParam();
    const std::string equation = std::string(c.factor) + "(" + exactEquation[c.type] + ")";
    const scoring::Comparison r = scoring::scoreEquation(startState(c.type), equation);
    ASSERT_FALSE(r.failure) << equation;
    EXPECT_EQ(r.scaleTop, c.scaleTop);
    ASSERT_EQ(r.samples.size(), 400u);
    EXPECT_DOUBLE_EQ(r.samples.front().celsius, 20);
    EXPECT_NEAR(r.samples.back().celsius, 99.8, 1e-9);
    for (const scoring::Sample& s : r.samples)
        ASSERT_TRUE(s.answer) << s.celsius;
    EXPECT_EQ(r.deviation, c.deviation);
    EXPECT_EQ(r.points, c.points);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, Scored,
                         testing::Values(ScoredCase{0, "", 10000, 0, 6}, ScoredCase{1, "", 10000, 0, 6},
                                         ScoredCase{2, "", 1000, 0, 6}, ScoredCase{3, "", 10000, 0, 6},
                                         ScoredCase{4, "", 1000, 0, 6}, ScoredCase{5, "", 1000, 0, 6},
                                         ScoredCase{6, "", 10, 0, 6},
                                         // A constant factor of 1.1 is 8 % off, whatever the tolerance.
                                         ScoredCase{0, "1.1*", 10000, 8, 0},
                                         ScoredCase{3, "1.1*", 10000, 8, 0},
                                         ScoredCase{4, "1.1*", 1000, 8, 2}, ScoredCase{6, "1.1*", 10, 8, 0}));

struct FailureCase {
    const char* equation;
    double ntcA;
    Reason reason;
    double kelvin;       // 0: before the first sample
    std::size_t samples; // drawn up to the failure
    bool answered;       // the failing sample has the student's value
};

class Fails : public testing::TestWithParam<FailureCase> {};

TEST_P(Fails, WithItsReasonWhereItHappened)
{
    const auto& c = GetParam();
    model::ExperimentState s = startState(0);
    s.ntc_a = c.ntcA;
    const scoring::Comparison r = scoring::scoreEquation(s, c.equation);
    ASSERT_TRUE(r.failure) << c.equation;
    EXPECT_EQ(r.failure->reason, c.reason) << c.equation;
    EXPECT_NEAR(r.failure->kelvin, c.kelvin, 1e-9) << c.equation;
    EXPECT_EQ(r.failure->equation, c.equation);
    EXPECT_EQ(r.samples.size(), c.samples) << c.equation;
    if (!r.samples.empty()) {
        EXPECT_EQ(r.samples.back().answer.has_value(), c.answered) << c.equation;
    }
    // The scale is set unless the equation or the sensor failed before it.
    EXPECT_EQ(r.scaleTop.has_value(), c.kelvin > 0) << c.equation;
    EXPECT_EQ(r.points, 0);
}

constexpr double a = 0.000357;

INSTANTIATE_TEST_SUITE_P(Equations, Fails,
                         testing::Values(FailureCase{"(T", a, Reason::Brackets, 293, 1, false},
                                         FailureCase{"1/(T-293)", a, Reason::DivisionByZero, 293, 1, false},
                                         FailureCase{"1+LN(341.2-T)", a, Reason::Logarithm, 341.2, 242,
                                                     false},
                                         FailureCase{"T-293", a, Reason::ZeroValue, 293, 1, true},
                                         FailureCase{"SQR(T)", a, Reason::NotANumber, 0, 0, false},
                                         FailureCase{"1E39*T", a, Reason::TooLarge, 293, 1, true},
                                         FailureCase{"1E-300*T", a, Reason::Deviation, 293, 1, true},
                                         FailureCase{"T", 1e36, Reason::SensorRange, 0, 0, false}));

// Twice the true value until 313 K, where it divides by zero: a hundred
// samples with an error of 0.25 each, then the true value of the failing one.
TEST(Fails, KeepsTheSumUpToTheFailure)
{
    const scoring::Comparison r =
        scoring::scoreEquation(startState(0), "2*0.000357*EXP(5000/T)*(T-313)/(T-313)");
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(r.failure->reason, Reason::DivisionByZero);
    EXPECT_NEAR(r.sumOfSquares, 25.0, 1e-9);
    ASSERT_EQ(r.samples.size(), 101u);
    EXPECT_FALSE(r.samples.back().answer);
    EXPECT_EQ(r.deviation, 0);
}

// A miss that T in °C would mend is marked, its points unchanged; a right
// and a plainly wrong equation are not.
struct CelsiusCase {
    int type;
    const char* equation;
    bool fits;
    int points;
};

class CelsiusSlip : public testing::TestWithParam<CelsiusCase> {};

TEST_P(CelsiusSlip, IsFound)
{
    const auto& c = GetParam();
    const scoring::Comparison r = scoring::scoreEquation(startState(c.type), c.equation);
    ASSERT_FALSE(r.failure) << c.equation;
    EXPECT_EQ(r.fitsInCelsius, c.fits) << c.equation;
    EXPECT_EQ(r.points, c.points) << c.equation;
}

INSTANTIATE_TEST_SUITE_P(Equations, CelsiusSlip,
                         testing::Values(CelsiusCase{0, "0.000357*EXP(5000/(T+273))", true, 0},
                                         CelsiusCase{2, "100+0.38505*T", true, 0},
                                         CelsiusCase{5, "T+273", true, 0},
                                         CelsiusCase{0, exactEquation[0], false, 6},
                                         CelsiusCase{0, "2*T", false, 0}, CelsiusCase{5, "3*T", false, 0}));

// The samples' values are not drawable beyond single precision.
TEST(Drawable, WithinSinglePrecision)
{
    EXPECT_TRUE(scoring::drawable(3.4e38));
    EXPECT_FALSE(scoring::drawable(1e39));
    EXPECT_FALSE(scoring::drawable(-1e39));
    EXPECT_FALSE(scoring::drawable(std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
