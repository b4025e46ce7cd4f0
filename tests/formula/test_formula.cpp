// The interpreter is held to its results character by character: the caller
// reads these texts back, and the report prints them.

#include "formula/interpreter.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using formula::f_formel;
using formula::FormulaError;

using tables::Row;

class FormulaText : public testing::TestWithParam<Row> {};

TEST_P(FormulaText, YieldsExactText)
{
    EXPECT_EQ(f_formel(GetParam().text("formula")), GetParam().text("text"));
}

class FormulaFailure : public testing::TestWithParam<Row> {};

TEST_P(FormulaFailure, ThrowsItsKind)
{
    try {
        f_formel(GetParam().text("formula"));
        ADD_FAILURE() << "no failure";
    } catch (const FormulaError& e) {
        EXPECT_STREQ(formula::kindName(e.kind()), GetParam().text("kind").c_str());
    }
}

// n copies of a term joined by "+".
std::string sumOf(std::string_view term, int n)
{
    std::string s(term);
    for (int k = 1; k < n; ++k)
        (s += '+') += term;
    return s;
}

INSTANTIATE_TEST_SUITE_P(Texts, FormulaText, testing::ValuesIn(tables::read("formula_texts.tsv")), tables::rowName);
INSTANTIATE_TEST_SUITE_P(Failures, FormulaFailure, testing::ValuesIn(tables::read("formula_failures.tsv")),
                         tables::rowName);

TEST(FormulaFunctions, TwentyOneUsesOfOneNameAreTheLimit)
{
    EXPECT_EQ(f_formel(sumOf("SIN(1)", 21)), "17.6708906809659");
    EXPECT_THROW(f_formel(sumOf("SIN(1)", 22)), FormulaError);
}

TEST(FormulaLimits, TextOverTheLimitFailsAtOnce)
{
    EXPECT_THROW(f_formel(std::string(32768, '1')), FormulaError);
    EXPECT_EQ(f_formel(std::string(32767, '1')), std::string(32767, '1'));
}

TEST(FormulaLimits, LongestSumIsEvaluated)
{
    const std::string sum = sumOf("1", 16384);
    ASSERT_EQ(sum.size(), 32767u);
    EXPECT_EQ(f_formel(sum), "16384");
}

TEST(FormulaLimits, DegreeSignCountsAsOneCharacter)
{
    std::string degrees;
    for (int k = 0; k < 32767; ++k)
        degrees += "°";
    EXPECT_EQ(f_formel(degrees), degrees);
    EXPECT_THROW(f_formel(degrees + "°"), FormulaError);
}

TEST(FormulaLimits, TextGrowingPastTheLimitFails)
{
    // Each "1/7" becomes a 17-character value during the division pass.
    EXPECT_THROW(f_formel(sumOf("1/7", 8000)), FormulaError);
}

TEST(FormulaState, FailureLeavesNothingForTheNextEvaluation)
{
    EXPECT_THROW(f_formel("(2+3"), FormulaError);
    EXPECT_EQ(f_formel("2+3"), "5");
}

} // namespace
