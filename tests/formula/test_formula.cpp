// The interpreter is held to its results character by character: the caller
// reads these texts back, and the report prints them.

#include <formula/interpreter.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using formula::f_formel;
using formula::FormulaError;
using testing::Values;

struct Case {
    std::string_view input;
    std::string_view expected;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << '"' << c.input << "\" -> \"" << c.expected << '"';
}

class FormulaText : public testing::TestWithParam<Case> {};

TEST_P(FormulaText, YieldsExactText)
{
    EXPECT_EQ(f_formel(GetParam().input), GetParam().expected);
}

class FormulaFailure : public testing::TestWithParam<std::string_view> {};

TEST_P(FormulaFailure, Throws)
{
    EXPECT_THROW(f_formel(GetParam()), FormulaError) << GetParam();
}

// n copies of a term joined by "+".
std::string sumOf(std::string_view term, int n)
{
    std::string s(term);
    for (int k = 1; k < n; ++k)
        (s += '+') += term;
    return s;
}

INSTANTIATE_TEST_SUITE_P(Brackets, FormulaText,
                         Values(Case{"(10+2-3)*2", "18"}, Case{"(1+2)*(1+2)", "9"}, Case{"(((1)))", "1"},
                                Case{"(2+3)(4)", "54"}, Case{"2(3)", "23"}, Case{"(2+3))", "5)"},
                                Case{"(2+3))*2", "5)*2"}, Case{"((1+2)*(3+4))-1", "20"},
                                Case{"(2)*3)*4", "6)*4"}, Case{"1)*1)*1", "1)*1)*1"}));

INSTANTIATE_TEST_SUITE_P(Signs, FormulaText,
                         Values(Case{"-(2+3)", "-5"}, Case{"2*(-3)", "-6"}, Case{"5--3", "8"},
                                Case{"5++3", "8"}, Case{"5-+3", "2"}, Case{"5+-3", "2"}, Case{"2+++3", "5"},
                                Case{"-2^2", "4"}, Case{"2*-3^2", "18"}, Case{"8/-2", "-4"},
                                Case{"-3", "-3"}, Case{"5-(-3)", "8"}, Case{"5+(-3)", "2"}, Case{"-(-5)", "5"},
                                Case{"2|-3", "6"}, Case{"1|||1", "0"}, Case{"2E-3*1", "0.002"},
                                Case{"EXP-1", "0.367879441171442"}, Case{"COS-60°", "0.499999611324802"},
                                Case{"TAN-45°", "-1.00000067320533"}, Case{"ATN-1", "-0.785398163397448"},
                                Case{"ARCSIN-0,5", "-0.523598775598299"}, Case{"ARCCOS-0,5", "-1.0471975511966"},
                                Case{"SQR-4", "SQR-4"}, Case{"LOG-2", "LOG-2"}, Case{"-0", "-0"},
                                Case{"-0*1", "0"}));

INSTANTIATE_TEST_SUITE_P(Precedence, FormulaText,
                         Values(Case{"2^3^2", "64"}, Case{"100|100*2", "100"},
                                Case{"100|100|100", "33.3333333333333"}, Case{"8/2*4", "16"},
                                Case{"10-2+3", "11"}, Case{"10+2-3", "9"}, Case{"2*3+2*3", "12"},
                                Case{"3*2+13*2", "32"}, Case{"(-2)^3", "-8"}, Case{"2*(-2)^3", "-16"},
                                Case{"2^(-1)", "0.5"}, Case{"1|1||2", "0.4"}, Case{"2-3-4", "-5"},
                                Case{"12/3/2", "2"}, Case{"2^-2^2", "0.0625"}, Case{"2^(3^2)", "512"},
                                Case{"100|100+1", "51"}, Case{"5-3*2", "-1"}, Case{"1-(1)-(1)", "-1"},
                                Case{"10|10", "5"}, Case{"0|5", "0"}, Case{"0^0", "1"}));

INSTANTIATE_TEST_SUITE_P(NumberTexts, FormulaText,
                         Values(Case{"0,4*293+25", "142.2"}, Case{"500 + 1,4*293", "910.2"},
                                Case{"1/3", "0.333333333333333"}, Case{"2/3*3", "2"},
                                Case{"10^(-5)", "1E-05"}, Case{"10^(-4)", "0.0001"},
                                Case{"10^14", "100000000000000"}, Case{"10^15", "1E+15"},
                                Case{"1/293-1/298", "5.726458528987E-05"}, Case{"X*2", "0"},
                                Case{"10000*EXP(3500*(1/293-1/298))", "12219.2324585958"},
                                Case{"0.1+0.2", "0.3"}, Case{"0*-1", "0"}, Case{"1.*2", "2"},
                                Case{".5*2", "1"}, Case{"1E*2", "2"}, Case{"1 000*2", "2000"},
                                Case{"30°*2", "60"}, Case{"3.50", "3.50"}, Case{"2+1E-400", "2"},
                                Case{"1E-400*1", "0"}, Case{"3.50*1", "3.5"}, Case{"2.50+0.50", "3"},
                                Case{"2/3", "0.666666666666667"}, Case{"3E-5*1", "3E-05"},
                                Case{"123456789012345678*1", "1.23456789012346E+17"},
                                Case{"0.00012345678901234567*1", "0.000123456789012346"},
                                Case{"99999999999999.99*1", "100000000000000"},
                                Case{"999999999999999.9*1", "1E+15"}, Case{"0.000099999999999999999*1", "0.0001"},
                                Case{"1E100*1", "1E+100"}, Case{"1E-100*1", "1E-100"},
                                // Halfway between two 15-digit values: the even one.
                                Case{"100000000000000.5*1", "100000000000000"},
                                Case{"100000000000001.5*1", "100000000000002"},
                                // A carriage return is no blank: it ends the number.
                                Case{"1\r2*1", "1"}, Case{"1\n2*1", "12"}, Case{"1\t2*1", "12"}));

INSTANTIATE_TEST_SUITE_P(
    Functions, FormulaText,
    Values(Case{"ARCSIN(0,5)", "0.523598775598299"}, Case{"ARCCOS(0,5)", "1.0471975511966"},
           Case{"ARCCOS(-0,5)", "-1.0471975511966"}, Case{"LG(1000)", "3"}, Case{"LD(8)", "3"},
           Case{"EXP(1)", "2.71828182845905"}, Case{"SINH(1)", "1.1752011936438"},
           Case{"SINH(-1)", "-1.1752011936438"}, Case{"ATN(1)", "0.785398163397448"}, Case{"LN(EXP(2))", "2"},
           Case{"SQR(4)", "SQR4"}, Case{"LOG(100)", "LOG100"}, Case{"ABS(-2)", "ABS-2"},
           Case{"2*SQR(4)+1", "1"}, Case{"PI*2", "0"}, Case{"2+TAN(1E400)", "2"}, Case{"2+TAN(1E400)*3", "2"},
           Case{"ARCCOS(-1)", "0"}, Case{"LG(0,01)", "-2"}, Case{"EXP(-800)", "0"},
           Case{"ARCCOS(1E-308)", "1.5707963267949"}, Case{"SINH(709)", "4.10920373077749E+307"},
           Case{"LD(1024)", "10"}, Case{"LN(1)", "0"}, Case{"EXP(0)", "1"}, Case{"ARCSINH(1)", "ARC1.1752011936438"}));

// Upper case covers the Latin-1 letters too; "ß" has no single capital.
INSTANTIATE_TEST_SUITE_P(UpperCase, FormulaText,
                         Values(Case{"äsin(30°)", "Ä0.500000194337561"}, Case{"ÿ*1", "0"},
                                Case{"àþÿ÷ßµ", "ÀÞŸ÷ßµ"}));

INSTANTIATE_TEST_SUITE_P(
    DegreeFactor, FormulaText,
    Values(Case{"SIN(30°)", "0.500000194337561"}, Case{"sin(30°)", "0.500000194337561"},
           Case{"COS(60°)", "0.499999611324802"}, Case{"TAN(45°)", "1.00000067320533"},
           Case{"SIN(30)", "-0.988031624092862"}, Case{"SIN(2*15°)", "-0.988031624092862"},
           Case{"SIN(30)°", "0.500000194337561"}, Case{"SIN(-30°)", "-0.500000194337561"},
           Case{"SIN-30°", "-0.500000194337561"}, Case{"SIN(SIN(30°))", "0.479425709151449"},
           Case{"ATN(1°)", "0.785398163397448"}));

// 2^-1, SINH-1 and the plus after an operator were read as subtractions or
// additions of an empty operand; large values lost their exponent at the
// next tokenisation.
INSTANTIATE_TEST_SUITE_P(MendedFaults, FormulaText,
                         Values(Case{"2^-1", "0.5"}, Case{"SINH-1", "-1.1752011936438"}, Case{"2*+3", "6"},
                                Case{"6/+3", "2"}, Case{"2^+3", "8"}, Case{"100|+100", "50"},
                                Case{"0,000357*--EXP(5000/350)", "571.314307701669"},
                                Case{"EXP(40)", "2.3538526683702E+17"}, Case{"1E10*1E10", "1E+20"},
                                Case{"1E+3*2", "2000"}, Case{"EXP(40)/EXP(40)", "1"},
                                Case{"(1E10*1E10)+1", "1E+20"}, Case{"1E+3+1", "1001"}));

// Once "X*2" has become "0", the "+" before it stands between "1E" and a
// digit and is read as the exponent's sign from then on.
INSTANTIATE_TEST_SUITE_P(Tokenisation, FormulaText,
                         Values(Case{"1E+X*2", "1E+0"}, Case{"1E+X*2+1", "2"}, Case{"2*3-4*5", "-14"},
                                // The stray ")" pairs "1E" with "400"; the step is cut where "1E"
                                // ends, reads 1 and 400 and is not found in the text.
                                Case{"1E)400+5", "1E)400+5"}));

INSTANTIATE_TEST_SUITE_P(Failures, FormulaFailure,
                         Values("(2+3", "((2)", "()", "", "2)(3", ")(", "2)+(3", "2|-2", "1/0", "(-8)^(1/3)",
                                "0^(-1)", "ARCSIN(1)", "ARCSIN(-1)", "ARCSIN(2)", "ARCCOS(0)", "ARCCOS(1.5)",
                                "LN(0)", "LG(-1)", "LD-8", "EXP(710)", "SINH(710)", "SINH(-710)",
                                "TAN(1E400)", "1E400*1", "10^400", "1E300*1E300", "ARCCOS(1E-310)",
                                "ARCCOS(-1E-310)", "SINH(709.8)", "LN-1", "COS(1E400)", "0|0", "(-2)^0,5", "0/0",
                                "1.7976931348623159E308*1", "(", ")(1"));

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
