#include "scoring/comparison.h"
#include "sensors.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using scoring::Reason;
using testsupport::startState;

namespace {

using tables::Row;

class Scored : public testing::TestWithParam<Row> {};

TEST_P(Scored, FourHundredSamplesAndThePoints)
{
    const Row& c = GetParam();
    const std::string& equation = c.text("equation");
    const scoring::Comparison r = scoring::scoreEquation(startState(c.integer("type")), equation);
    ASSERT_FALSE(r.failure) << equation;
    EXPECT_EQ(r.scaleTop, c.number("scaleTop"));
    ASSERT_EQ(r.samples.size(), 400u);
    EXPECT_DOUBLE_EQ(r.samples.front().celsius, 20);
    EXPECT_NEAR(r.samples.back().celsius, 99.8, 1e-9);
    for (const scoring::Sample& s : r.samples)
        ASSERT_TRUE(s.answer) << s.celsius;
    EXPECT_EQ(r.deviation, c.number("deviation"));
    EXPECT_EQ(r.points, c.integer("points"));
}

INSTANTIATE_TEST_SUITE_P(AllTypes, Scored, testing::ValuesIn(tables::read("scoring_compared.tsv")), tables::rowName);

class Fails : public testing::TestWithParam<Row> {};

TEST_P(Fails, WithItsReasonWhereItHappened)
{
    const Row& c = GetParam();
    const std::string& equation = c.text("equation");
    model::ExperimentState s = startState(0);
    s.ntc_a = c.number("ntc_a");
    const scoring::Comparison r = scoring::scoreEquation(s, equation);
    ASSERT_TRUE(r.failure) << equation;
    EXPECT_STREQ(scoring::reasonName(r.failure->reason), c.text("reason").c_str()) << equation;
    EXPECT_NEAR(r.failure->kelvin, c.number("kelvin"), 1e-9) << equation;
    EXPECT_EQ(r.failure->equation, equation);
    EXPECT_EQ(r.samples.size(), static_cast<std::size_t>(c.integer("samples"))) << equation;
    if (!r.samples.empty()) {
        EXPECT_EQ(r.samples.back().answer.has_value(), c.flag("answered")) << equation;
    }
    // The scale is set unless the equation or the sensor failed before it.
    EXPECT_EQ(r.scaleTop.has_value(), c.number("kelvin") > 0) << equation;
    EXPECT_EQ(r.points, 0);
}

INSTANTIATE_TEST_SUITE_P(Equations, Fails, testing::ValuesIn(tables::read("scoring_failures.tsv")), tables::rowName);

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

// A miss that T in °C would mend is marked, its points unchanged.
class CelsiusSlip : public testing::TestWithParam<Row> {};

TEST_P(CelsiusSlip, IsFound)
{
    const Row& c = GetParam();
    const std::string& equation = c.text("equation");
    const scoring::Comparison r = scoring::scoreEquation(startState(c.integer("type")), equation);
    ASSERT_FALSE(r.failure) << equation;
    EXPECT_EQ(r.fitsInCelsius, c.flag("fits")) << equation;
    EXPECT_EQ(r.points, c.integer("points")) << equation;
}

INSTANTIATE_TEST_SUITE_P(Equations, CelsiusSlip, testing::ValuesIn(tables::read("scoring_celsius.tsv")),
                         tables::rowName);

// The samples' values are not drawable beyond single precision.
TEST(Drawable, WithinSinglePrecision)
{
    EXPECT_TRUE(scoring::drawable(3.4e38));
    EXPECT_FALSE(scoring::drawable(1e39));
    EXPECT_FALSE(scoring::drawable(-1e39));
    EXPECT_FALSE(scoring::drawable(std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
