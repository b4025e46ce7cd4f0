// A course's personal variants and its rules: the draw seeded from the key
// word and the Matrikelnummer, the Matrikelnummer rule, the result folder.

#include "model/config.h"
#include "model/coursesettings.h"
#include "model/random.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<double> draws(model::Class1& random)
{
    return {random.RANDINT(0, 6), random.RAND(0.0003, 0.0004), random.RANDINT(5, 15), random.RANDINT(20, 40)};
}

TEST(PersonalDraw, SameStudentSameSequenceEveryStart)
{
    model::PersonalDraw first("physik", "ab-1234");
    model::PersonalDraw again("physik", "AB-1234");
    EXPECT_EQ(draws(first), draws(again));
    model::PersonalDraw otherKey("chemie", "ab-1234");
    model::PersonalDraw otherStudent("physik", "ab-1235");
    model::PersonalDraw fresh("physik", "ab-1234");
    const auto mine = draws(fresh);
    EXPECT_NE(draws(otherKey), mine);
    EXPECT_NE(draws(otherStudent), mine);
}

// Golden values of the draw, which the WebAssembly module's tests check too.
class PersonalDraws : public testing::TestWithParam<tables::Row> {};

TEST_P(PersonalDraws, AreTheGoldenValues)
{
    const tables::Row& r = GetParam();
    model::PersonalDraw draw(r.text("key"), r.text("matrikel"));
    std::istringstream expected(r.text("values"));
    for (double value; expected >> value;) {
        const double drawn = r.flag("whole") ? draw.RANDINT(r.number("from"), r.number("to"))
                                             : draw.RAND(r.number("from"), r.number("to"));
        EXPECT_EQ(drawn, value);
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, PersonalDraws, testing::ValuesIn(tables::read("model_draws.tsv")), tables::rowName);

// A teacher's file's random forms, drawn for one student.
class PersonalLab : public testing::TestWithParam<tables::Row> {};

struct NoWindow : model::ConfigTarget {
    void showSelfHeatingSwitch() override {}
    void pressSelfHeatingSwitch() override {}
    void hideSensorChoice() override {}
    void selectSensor(int) override {}
};

TEST_P(PersonalLab, DrawsTheGoldenValues)
{
    const tables::Row& r = GetParam();
    model::ExperimentState s;
    model::setStartValues(s, ',');
    NoWindow window;
    model::PersonalDraw draw(r.text("key"), r.text("matrikel"));
    model::ProblemList problems;
    model::applyConfigText(r.text("file"), false, s, window, draw, problems);
    EXPECT_EQ(problems.total, 0u);
    EXPECT_EQ(s.ntc_a, r.number("ntc_a"));
    EXPECT_EQ(s.ntc_b, r.number("ntc_b"));
    EXPECT_EQ(s.uquelle, r.integer("uquelle"));
    EXPECT_EQ(s.tsoll, r.number("tsoll"));
}

INSTANTIATE_TEST_SUITE_P(Golden, PersonalLab, testing::ValuesIn(tables::read("model_personal_lab.tsv")),
                         tables::rowName);

// The values are fixed by the standard's generator: a class that starts on
// two machines, or after an update, hands out the same variants.
TEST(PersonalDraw, SequenceIsTheSameOnEveryMachine)
{
    model::PersonalDraw pinned("physik", "100000");
    // 24-bit fractions, as the clock's draws.
    for (const double expected : {14286.0, 9446084.0, 8346354.0, 5797736.0})
        EXPECT_EQ(pinned.RAND(0, 1) * 16777216, expected);
}

// Over a course of 1 400 students the sensors spread as with the clock:
// each inner type at least 180 times, each end type (half as likely) at
// least 80.
TEST(PersonalDraw, SpreadOverFourteenHundredStudents)
{
    for (const char* key : {"physik", "kurs-b"}) {
        std::array<int, 7> count{};
        for (int n = 0; n < 1400; ++n) {
            model::PersonalDraw draw(key, std::to_string(4711000 + n));
            ++count[static_cast<std::size_t>(draw.RANDINT(0, 6))];
        }
        EXPECT_GE(count[0], 80) << key;
        EXPECT_GE(count[6], 80) << key;
        for (std::size_t k = 1; k <= 5; ++k)
            EXPECT_GE(count[k], 180) << key << " type " << k;
    }
}

struct MatrikelCase {
    const char* id;
    bool valid;
};

class Matrikel : public ::testing::TestWithParam<MatrikelCase> {};

TEST_P(Matrikel, ThreeToTwentyLettersDigitsOrDash)
{
    EXPECT_EQ(model::validMatrikel(GetParam().id), GetParam().valid) << GetParam().id;
}

INSTANTIATE_TEST_SUITE_P(Course, Matrikel,
                         ::testing::Values(MatrikelCase{"123", true}, MatrikelCase{"12", false},
                                           MatrikelCase{"ab-12345", true}, MatrikelCase{"12345678901234567890", true},
                                           MatrikelCase{"123456789012345678901", false},
                                           MatrikelCase{"12 34", false}, MatrikelCase{"12/34", false},
                                           MatrikelCase{"m\xC3\xBCller", false}, MatrikelCase{"", false},
                                           MatrikelCase{"../x", false}));

// Every spelling of one number is one student: one variant, one row.
TEST(Course, MatrikelReducedToOneForm)
{
    const std::pair<const char*, const char*> rows[] = {
        {"4711001", "4711001"}, {"04711001", "4711001"}, {"004711001", "4711001"}, {"4711-001", "4711001"},
        {" 4711001 ", "4711001"}, {"47/11 001", "4711001"}, {"ab-12345", "AB12345"}, {"0a7", "A7"},
        {"000", "0"}, {"", ""}, {" - ", ""},
    };
    for (const auto& [typed, reduced] : rows)
        EXPECT_EQ(model::normalizedMatrikel(typed), reduced) << typed;
}

// "stellen=7": exactly seven digits, blanks around them allowed.
TEST(Course, ExactlyThatManyDigits)
{
    const std::pair<const char*, bool> rows[] = {
        {"4711001", true}, {" 4711001 ", true}, {"04711001", false}, {"4711-001", false},
        {"471100", false}, {"47110a1", false},  {"", false},
    };
    for (const auto& [typed, fits] : rows)
        EXPECT_EQ(model::hasDigits(typed, 7), fits) << typed;
}

TEST(Course, ResultFolderRelativeToTheTeachersFile)
{
    model::CourseSettings c;
    EXPECT_EQ(model::resultFolder(c, "/home/labor"), "");
    c.ergebnisse = "Ergebnisse/Kurs-A";
    EXPECT_EQ(model::resultFolder(c, "/home/labor"), "/home/labor/Ergebnisse/Kurs-A");
    c.ergebnisse = "../Abgabe";
    EXPECT_EQ(model::resultFolder(c, "/home/labor"), "/home/Abgabe");
    c.ergebnisse = "/srv/KORA/";
    EXPECT_EQ(model::resultFolder(c, "/home/labor"), "/srv/KORA/");
}

} // namespace
