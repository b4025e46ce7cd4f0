#include "scoring/equation.h"

#include <gtest/gtest.h>

namespace {

struct TemperatureCase {
    const char* name;
    const char* equation;
    const char* kelvin;
    const char* result;
};

class TemperatureIsPutIn : public testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureIsPutIn, EveryVariableT)
{
    const auto& c = GetParam();
    EXPECT_EQ(scoring::withTemperature(c.equation, c.kelvin), c.result) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Equations, TemperatureIsPutIn,
    testing::Values(TemperatureCase{"plain", "2*T+T", "293", "2*293+293"},
                    TemperatureCase{"drifted", "T", "341.200000000001", "341.200000000001"},
                    TemperatureCase{"tan and atn", "TAN(T)+ATN(T)", "300", "TAN(300)+ATN(300)"},
                    TemperatureCase{"T after atn letters", "TATN(T)", "1", "1ATN(1)"},
                    TemperatureCase{"no T", "EXP(5)", "1", "EXP(5)"}));

struct ReadableCase {
    const char* equation;
    bool unreadable;
};

class UnreadablePart : public testing::TestWithParam<ReadableCase> {};

TEST_P(UnreadablePart, IsFound)
{
    EXPECT_EQ(scoring::hasUnreadablePart(GetParam().equation), GetParam().unreadable) << GetParam().equation;
}

// Every name the interpreter knows passes, joined to T or to another name.
INSTANTIATE_TEST_SUITE_P(
    Equations, UnreadablePart,
    testing::Values(ReadableCase{"SINH(T)+LG(T)+LN(T)+LD(T)+ARCSIN(T)+ARCCOS(T)+COS(T)+TAN(T)+ATN(T)+EXP(T)",
                                 false},
                    ReadableCase{"SINT+TT+EXPSIN(T)", false}, ReadableCase{"1.5E-05*T+2E3+.5E1", false},
                    ReadableCase{"SIN(30°)|T, ", false}, ReadableCase{"R(T)0.4*T+25", true},
                    ReadableCase{"2*PI*T", true}, ReadableCase{"SQR(T)", true}, ReadableCase{"E*T", true},
                    ReadableCase{"T%", true}));

} // namespace
