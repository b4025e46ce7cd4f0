#include "scoring/scoring.h"
#include "sensors.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tables::Row;

class EquationPointsByTolerance : public testing::TestWithParam<Row> {};

TEST_P(EquationPointsByTolerance, StrictLimits)
{
    const Row& c = GetParam();
    EXPECT_EQ(scoring::equationPoints(c.number("deviation"), c.number("tolerance")), c.integer("points"));
}

INSTANTIATE_TEST_SUITE_P(Tolerances, EquationPointsByTolerance, testing::ValuesIn(tables::read("scoring_points.tsv")),
                         tables::rowName);

class DeviationInWholePercent : public testing::TestWithParam<Row> {};

TEST_P(DeviationInWholePercent, FromTheSumOfSquares)
{
    EXPECT_EQ(scoring::equationDeviation(GetParam().number("sum")), GetParam().number("percent"))
        << GetParam().text("name");
}

INSTANTIATE_TEST_SUITE_P(Sums, DeviationInWholePercent, testing::ValuesIn(tables::read("scoring_deviation.tsv")),
                         tables::rowName);

// A whole run re-scored from the answers alone: the type, and alpha as typed.
class AnswersScore : public testing::TestWithParam<Row> {};

TEST_P(AnswersScore, WithoutAWindow)
{
    const Row& c = GetParam();
    const model::ExperimentState s = testsupport::startState(c.integer("type"));
    EXPECT_EQ(scoring::typePoints(s, c.integer("chosen")), c.integer("typePoints"));
    const scoring::AlphaScore alpha = scoring::scoreAlpha(s, c.text("alpha"));
    EXPECT_EQ(alpha.deviation, c.number("alphaDeviation"));
    EXPECT_EQ(alpha.points, c.integer("alphaPoints"));
}

INSTANTIATE_TEST_SUITE_P(Runs, AnswersScore, testing::ValuesIn(tables::read("scoring_answers.tsv")), tables::rowName);

// A platinum sensor's alpha at 0 °C and at teta are both right; the answer
// is scored against the nearer.
class PlatinumAlpha : public testing::TestWithParam<Row> {};

TEST_P(PlatinumAlpha, ScoresAgainstTheNearer)
{
    const Row& c = GetParam();
    const scoring::AlphaScore alpha = scoring::scoreAlpha(testsupport::startState(c.integer("type")), c.text("alpha"));
    EXPECT_EQ(alpha.reference.celsius, c.number("referenceCelsius"));
    EXPECT_NEAR(alpha.reference.alpha, c.number("reference"), 1e-9);
    ASSERT_TRUE(alpha.other);
    EXPECT_EQ(alpha.other->celsius, c.number("otherCelsius"));
    EXPECT_EQ(alpha.deviation, c.number("deviation"));
    EXPECT_EQ(alpha.points, c.integer("points"));
}

INSTANTIATE_TEST_SUITE_P(Answers, PlatinumAlpha, testing::ValuesIn(tables::read("scoring_platinum.tsv")),
                         tables::rowName);

// The other resistive sensors have one alpha, and teta at 0 °C gives the
// platinum sensors one too.
TEST(PlatinumAlpha, OnlyForPlatinumAwayFromZero)
{
    for (int t : {0, 1, 4, 5, 6})
        EXPECT_FALSE(scoring::platinumAlphaAtTeta(testsupport::startState(t))) << "type " << t;
    model::ExperimentState s = testsupport::startState(2);
    s.teta = 0;
    EXPECT_FALSE(scoring::scoreAlpha(s, "0.0038505").other);
}

// Alpha is asked of the four resistive sensors only.
TEST(MaximumPoints, TenWithAlphaEightWithout)
{
    const int expected[model::sensorTypes] = {10, 10, 10, 10, 8, 8, 8};
    for (int t = 0; t < model::sensorTypes; ++t)
        EXPECT_EQ(scoring::maximumPoints(t), expected[t]) << "type " << t;
}

} // namespace
