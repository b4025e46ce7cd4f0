#include "scoring/equation.h"

#include "formula/functions.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using tables::Row;

class TemperatureIsPutIn : public testing::TestWithParam<Row> {};

TEST_P(TemperatureIsPutIn, EveryVariableT)
{
    const Row& c = GetParam();
    EXPECT_EQ(scoring::withTemperature(c.text("equation"), c.text("kelvin")), c.text("result")) << c.text("name");
}

INSTANTIATE_TEST_SUITE_P(Equations, TemperatureIsPutIn, testing::ValuesIn(tables::read("equation_temperature.tsv")),
                         tables::rowName);

class UnreadablePart : public testing::TestWithParam<Row> {};

TEST_P(UnreadablePart, IsFound)
{
    EXPECT_EQ(scoring::hasUnreadablePart(GetParam().text("equation")), GetParam().flag("unreadable"));
}

INSTANTIATE_TEST_SUITE_P(Equations, UnreadablePart, testing::ValuesIn(tables::read("equation_unreadable.tsv")),
                         tables::rowName);

class UnknownWord : public testing::TestWithParam<Row> {};

TEST_P(UnknownWord, IsNamed) { EXPECT_EQ(scoring::unknownWord(GetParam().text("equation")), GetParam().text("word")); }

INSTANTIATE_TEST_SUITE_P(Equations, UnknownWord, testing::ValuesIn(tables::read("equation_unknown_word.tsv")),
                         tables::rowName);

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
