#include "numbers/numbers.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace numbers;

namespace {

using tables::Row;

class DisplayText : public testing::TestWithParam<Row> {};

TEST_P(DisplayText, FifteenDigitsAndExponentForm)
{
    EXPECT_EQ(displayText(GetParam().number("value"), ','), GetParam().text("text"));
}

INSTANTIATE_TEST_SUITE_P(Values, DisplayText, testing::ValuesIn(tables::read("numbers_display.tsv")), tables::rowName);

TEST(FormulaText, UsesAPoint) { EXPECT_EQ(formulaText(-1.5), "-1.5"); }

class PatternText : public testing::TestWithParam<Row> {};

TEST_P(PatternText, PadsAndRounds)
{
    const Row& r = GetParam();
    EXPECT_EQ(patternText(r.number("value"), r.integer("integerDigits"), r.integer("decimals"), ','), r.text("text"));
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternText, testing::ValuesIn(tables::read("numbers_pattern.tsv")),
                         tables::rowName);

class HalfAway : public testing::TestWithParam<Row> {};

TEST_P(HalfAway, RoundsAnExactHalfAwayFromZero)
{
    EXPECT_EQ(fixedHalfAway(GetParam().number("value"), GetParam().integer("decimals")), GetParam().text("text"));
}

INSTANTIATE_TEST_SUITE_P(Figures, HalfAway, testing::ValuesIn(tables::read("numbers_half_away.tsv")),
                         tables::rowName);

class LeadingNumber : public testing::TestWithParam<Row> {};

TEST_P(LeadingNumber, ReadsTheStartOfTheText)
{
    EXPECT_EQ(leadingNumber(GetParam().text("text")), GetParam().number("value"));
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber, testing::ValuesIn(tables::read("numbers_read.tsv")), tables::rowName);

// Halves, the 15th digit, the exponent form, the comma and the point: read
// one way and written the other.
class NumberEdges : public testing::TestWithParam<Row> {};

TEST_P(NumberEdges, ReadAndWritten)
{
    const Row& r = GetParam();
    const double value = r.number("value");
    EXPECT_EQ(leadingNumber(r.text("text")), value);
    EXPECT_EQ(displayText(value, r.text("separator").at(0)), r.text("display"));
}

INSTANTIATE_TEST_SUITE_P(Edges, NumberEdges, testing::ValuesIn(tables::read("numbers_edges.tsv")), tables::rowName);

TEST(LeadingNumber, FlagsOverflowOnly)
{
    EXPECT_TRUE(readLeadingNumber("1E400").overflow);
    EXPECT_TRUE(std::isinf(readLeadingNumber("-1E400").value));
    EXPECT_TRUE(readLeadingNumber(std::string(400, '9')).overflow);
    EXPECT_FALSE(readLeadingNumber("1E-400").overflow);
    EXPECT_FALSE(readLeadingNumber("0e99999999").overflow);
    EXPECT_FALSE(readLeadingNumber("abc").found);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.500001), 3);
    EXPECT_EQ(roundDecimals(0.125, 2), 0.12);
    EXPECT_EQ(roundDecimals(0.375, 2), 0.38);
    EXPECT_EQ(roundDecimals(-0.0582418, 3), -0.058);
    // 1.4690999^3 = 3.1707... gives 3.2, which the resistor steps replace by 3.3
    EXPECT_EQ(roundDecimals(std::pow(1.4690999, 3), 1), 3.2);
    // Significant digits, the same way: the right alpha in the message box.
    EXPECT_EQ(roundSignificant(-5000.0 / (293.0 * 293.0), 3), -0.0582);
    EXPECT_EQ(roundSignificant(0.38505 / 100, 3), 0.00385);
    EXPECT_EQ(roundSignificant(0.065, 3), 0.065);
    EXPECT_EQ(roundSignificant(0.125, 2), 0.12);
    EXPECT_EQ(roundSignificant(0.375, 2), 0.38);
    EXPECT_EQ(roundSignificant(2.5, 1), 2);
    EXPECT_EQ(roundSignificant(-2500, 1), -2000);
    EXPECT_EQ(roundSignificant(0, 3), 0);
}

TEST(Utf8Length, DegreeSignIsOneCharacter) { EXPECT_EQ(utf8Length("30°"), 3u); }

} // namespace
