#include "numbers/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace numbers;

namespace {

struct TextCase {
    double value;
    const char* expected;
};

class DisplayText : public testing::TestWithParam<TextCase> {};

TEST_P(DisplayText, FifteenDigitsAndExponentForm)
{
    EXPECT_EQ(displayText(GetParam().value, ','), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DisplayText,
    testing::Values(TextCase{0, "0"}, TextCase{-0.0, "0"}, TextCase{10, "10"}, TextCase{4.7, "4,7"},
                    TextCase{0.000357, "0,000357"}, TextCase{0.0001, "0,0001"}, TextCase{0.00005, "5E-05"},
                    TextCase{1e-07, "1E-07"}, TextCase{2.5e17, "2,5E+17"}, TextCase{1e15, "1E+15"},
                    TextCase{123456789012345.0, "123456789012345"}, TextCase{1.0 / 3, "0,333333333333333"},
                    TextCase{-0.0582418, "-0,0582418"}, TextCase{68.20000000000061 + 273, "341,200000000001"},
                    TextCase{0.1 + 0.2, "0,3"}, TextCase{9.99999999999999999e14, "1E+15"},
                    TextCase{1e-300, "1E-300"}, TextCase{-5e-5, "-5E-05"},
                    TextCase{100000000000000.5, "100000000000000"}, TextCase{100000000000001.5, "100000000000002"},
                    TextCase{1e100, "1E+100"}, TextCase{0.000099999999999999999, "0,0001"}));

TEST(FormulaText, UsesAPoint) { EXPECT_EQ(formulaText(-1.5), "-1.5"); }

struct PatternCase {
    double value;
    int integerDigits, decimals;
    const char* expected;
};

class PatternText : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternText, PadsAndRounds)
{
    const auto& c = GetParam();
    EXPECT_EQ(patternText(c.value, c.integerDigits, c.decimals, ','), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PatternText,
    testing::Values(PatternCase{5, 2, 2, "05,00"}, PatternCase{19.99f, 2, 2, "19,99"},
                    PatternCase{5.3f, 3, 1, "005,3"}, PatternCase{0.6f, 1, 3, "0,600"},
                    PatternCase{-0.5f, 3, 1, "-000,5"}, PatternCase{1234.5, 3, 1, "1234,5"},
                    PatternCase{0.125, 2, 2, "00,12"}, PatternCase{-0.0001, 1, 3, "0,000"},
                    PatternCase{7.2, 1, 1, "7,2"}, PatternCase{0, 1, 1, "0,0"}));

struct ReadCase {
    const char* text;
    double expected;
};

class LeadingNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumber, ReadsTheStartOfTheText)
{
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    testing::Values(ReadCase{"25°C", 25}, ReadCase{"10 V", 10}, ReadCase{"22,5", 22}, ReadCase{"", 0},
                    ReadCase{"X", 0}, ReadCase{"  1 2.5", 12.5}, ReadCase{"-3e2x", -300}, ReadCase{"+.5", 0.5},
                    ReadCase{"1.2.3", 1.2}, ReadCase{"5E", 5}, ReadCase{"5e+", 5}, ReadCase{"1E-05", 1e-05},
                    ReadCase{"\t7\n", 7}, ReadCase{"0-0.05", 0}, ReadCase{"e5", 0}, ReadCase{"1E-400", 0},
                    ReadCase{"0.0000000000000000000000001e-300", 0}, ReadCase{"1\r2", 1}, ReadCase{"1\n2", 12},
                    ReadCase{"- 5", -5}, ReadCase{"1 E 2", 100}, ReadCase{".", 0}, ReadCase{"1.E1", 10}));

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
