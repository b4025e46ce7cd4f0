#include "scoring/scoring.h"
#include "sensors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PointsCase {
    double tolerance;
    double deviation;
    int points;
};

class EquationPointsByTolerance : public testing::TestWithParam<PointsCase> {};

TEST_P(EquationPointsByTolerance, StrictLimits)
{
    const auto& c = GetParam();
    EXPECT_EQ(scoring::equationPoints(c.deviation, c.tolerance), c.points)
        << "tolerance " << c.tolerance << ", " << c.deviation << " %";
}

INSTANTIATE_TEST_SUITE_P(
    Tolerances, EquationPointsByTolerance,
    testing::Values(PointsCase{0.05, 0, 6}, PointsCase{0.05, 1, 6}, PointsCase{0.05, 2, 4},
                    PointsCase{0.05, 3, 2}, PointsCase{0.05, 4, 2}, PointsCase{0.05, 5, 0},
                    PointsCase{0.05, 8, 0}, PointsCase{0.01, 0, 6}, PointsCase{0.01, 1, 0},
                    PointsCase{0.1, 0, 6}, PointsCase{0.1, 2, 6}, PointsCase{0.1, 3, 4},
                    PointsCase{0.1, 4, 4}, PointsCase{0.1, 5, 2}, PointsCase{0.1, 9, 2},
                    PointsCase{0.1, 10, 0}, PointsCase{0.03, 0, 6}, PointsCase{0.03, 1, 4},
                    PointsCase{0.03, 2, 2}, PointsCase{0.03, 3, 0},
                    // 0.07 x 100 and 0.14 x 100 are a hair above 7 and 14 in binary.
                    PointsCase{0.07, 7, 0}, PointsCase{0.07, 6, 2}, PointsCase{0.07, 3, 4},
                    PointsCase{0.07, 1, 6}, PointsCase{0.14, 7, 2}, PointsCase{0.14, 14, 0},
                    PointsCase{0.28, 7, 4}, PointsCase{0.56, 14, 4}, PointsCase{0.57, 14, 6}));

struct DeviationCase {
    const char* name;
    double sum;
    double percent;
};

class DeviationInWholePercent : public testing::TestWithParam<DeviationCase> {};

TEST_P(DeviationInWholePercent, FromTheSumOfSquares)
{
    EXPECT_EQ(scoring::equationDeviation(GetParam().sum), GetParam().percent) << GetParam().name;
}

constexpr double factor = 1 / 1.1 - 1;

INSTANTIATE_TEST_SUITE_P(Sums, DeviationInWholePercent,
                         testing::Values(DeviationCase{"factor 1.1", 400 * factor* factor, 8.0},
                                         DeviationCase{"2.5 % goes down to 2", 0.3125, 2.0},
                                         DeviationCase{"3.5 % goes up to 4", 0.6125, 4.0},
                                         DeviationCase{"zero", 0.0, 0.0},
                                         DeviationCase{"divisor 500, not 400", 5.0, 10.0}));

// A whole run re-scored from the answers alone: the type, and alpha as typed.
struct AnswerCase {
    int type;
    int chosen;
    const char* alpha;
    int typePoints;
    double alphaDeviation;
    int alphaPoints;
};

class AnswersScore : public testing::TestWithParam<AnswerCase> {};

TEST_P(AnswersScore, WithoutAWindow)
{
    const auto& c = GetParam();
    const model::ExperimentState s = testsupport::startState(c.type);
    EXPECT_EQ(scoring::typePoints(s, c.chosen), c.typePoints);
    const scoring::AlphaScore alpha = scoring::scoreAlpha(s, c.alpha);
    EXPECT_EQ(alpha.deviation, c.alphaDeviation) << c.alpha;
    EXPECT_EQ(alpha.points, c.alphaPoints) << c.alpha;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, AnswersScore,
    testing::Values(AnswerCase{0, 0, "-0.0582", 2, 0, 2}, AnswerCase{0, 1, "-0.0606", 0, 4, 2},
                    AnswerCase{0, 0, "-0.0617", 2, 6, 0}, AnswerCase{2, 2, "3.8505E-3", 2, 0, 2},
                    AnswerCase{3, 3, "0.00393", 2, 2, 0}, AnswerCase{1, 1, "ABC", 2, 100, 0},
                    // A literal beyond the range of a double counts as 0.
                    AnswerCase{2, 2, "1E400", 2, 100, 0}));

// A platinum sensor's alpha at 0 °C (A/R0) and at teta = 20 °C
// (A/(R0 + 20*A)) are both right; the answer is scored against the nearer.
struct PlatinumCase {
    int type;
    const char* alpha;
    double referenceCelsius;
    double reference;
    double otherCelsius;
    double deviation;
    int points;
};

class PlatinumAlpha : public testing::TestWithParam<PlatinumCase> {};

TEST_P(PlatinumAlpha, ScoresAgainstTheNearer)
{
    const auto& c = GetParam();
    const scoring::AlphaScore alpha = scoring::scoreAlpha(testsupport::startState(c.type), c.alpha);
    EXPECT_EQ(alpha.reference.celsius, c.referenceCelsius) << c.alpha;
    EXPECT_NEAR(alpha.reference.alpha, c.reference, 1e-9) << c.alpha;
    ASSERT_TRUE(alpha.other) << c.alpha;
    EXPECT_EQ(alpha.other->celsius, c.otherCelsius) << c.alpha;
    EXPECT_EQ(alpha.deviation, c.deviation) << c.alpha;
    EXPECT_EQ(alpha.points, c.points) << c.alpha;
}

constexpr double at0 = 0.0038505, at20 = 0.38505 / (100 + 20 * 0.38505);

INSTANTIATE_TEST_SUITE_P(
    Answers, PlatinumAlpha,
    testing::Values(PlatinumCase{2, "0.0038505", 0, at0, 20, 0, 2}, PlatinumCase{2, "0.003575", 20, at20, 0, 0, 2},
                    PlatinumCase{3, "0.0038505", 0, at0, 20, 0, 2}, PlatinumCase{3, "0.003575", 20, at20, 0, 0, 2},
                    // Between the two: 0.0036 lies 0.7 % from the value at 20 °C,
                    // 0.00372 lies 3.4 % from the value at 0 °C.
                    PlatinumCase{2, "0.0036", 20, at20, 0, 1, 2}, PlatinumCase{3, "0.00372", 0, at0, 20, 3, 0},
                    // As far from both, relatively: the value at 0 °C.
                    PlatinumCase{3, "0", 0, at0, 20, 100, 0}, PlatinumCase{2, "-1", 0, at0, 20, 26071, 0}));

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
