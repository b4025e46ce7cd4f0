#include "scoring/equation.h"

#include "formula/functions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

struct WordCase {
    const char* equation;
    const char* word;
};

class UnknownWord : public testing::TestWithParam<WordCase> {};

TEST_P(UnknownWord, IsNamed)
{
    EXPECT_EQ(scoring::unknownWord(GetParam().equation), GetParam().word) << GetParam().equation;
}

// The first word that reads as 0; a stray character is no word.
INSTANTIATE_TEST_SUITE_P(Equations, UnknownWord,
                         testing::Values(WordCase{"0.000357*EXB(5000/T)", "EXB"}, WordCase{"R0.4*T+25", "R"},
                                         WordCase{"SIN(T)*SQR(T)*PI", "SQR"}, WordCase{"EXP(T)", ""},
                                         WordCase{"T%", ""}, WordCase{"=T", ""}));

// Every name the interpreter knows is offered once, the prompt's first.
TEST(KnownFunctions, AreTheInterpretersAll)
{
    const std::string known = scoring::knownFunctions();
    EXPECT_TRUE(known.starts_with("EXP, LN, LG, LD, SIN, COS, TAN, ")) << known;
    std::vector<std::string> offered;
    for (std::size_t from = 0; from <= known.size();) {
        const std::size_t comma = std::min(known.find(", ", from), known.size());
        offered.push_back(known.substr(from, comma - from));
        from = comma + 2;
    }
    std::vector<std::string> names(formula::functionNames.begin(), formula::functionNames.end());
    std::sort(offered.begin(), offered.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(offered, names) << known;
}

} // namespace
