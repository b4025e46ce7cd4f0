// The export's reader as the teacher's page will use it: a record's bytes in,
// its fields, its points scored again, or the reason it cannot be used out.

#include "grading/record.h"
#include "grading/rescore.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A Pt 1000 run with every answer right, as the program writes it, with
// `points` and `moments` put in as they are.
std::string
record(const std::string& format = "kora-result/1", const std::string& total = "10",
       const std::string& moments = R"([{"state": "begonnen", "time": "2026-12-09T14:05:07+01:00"},
                                                    {"state": "ausgewertet", "time": "2026-12-09T14:20:07+01:00"}])",
       const std::string& alphaValue = R"(, "pt1000_a": 3.85)")
{
    return R"({"format": ")" + format + R"(", "program": "1.0.0",
  "student": {"name": "Jürgen Müller", "id": "4711001"}, "host": "pc01",
  "started": "2026-12-09T14:05:07+01:00", "updated": "2026-12-09T14:20:07+01:00",
  "config_sha256": "ab12", "state": "ausgewertet", "moments": )" +
           moments + R"(,
  "run_id": "run-1", "exam": false, "draw": {"seed": "12345", "choice": null},
  "sensor": {"index": 3, "number": 4, "name": "Pt 1000", "teta": 20, "tolerance": 0.5,
             "formula": "R = 1000 + 3,85 * T", "alpha": 0.00385, "pt1000_r0": 1000)" +
           alphaValue + R"(},
  "answers": {"type": 3, "equation": "1000+3.85*t-1051.05", "alpha": "0.00385"},
  "points": {"type": 2, "equation": 6, "alpha": 2, "total": )" +
           total + R"(, "max": 10},
  "deviation": {"equation": 0, "alpha": 0}, "journal": [{"T": 20}]})";
}

struct Row {
    const char* name;
    std::string bytes;
    grading::Form error; // empty: the record is read
    int moments = 0;
    bool pointsMatch = true;
};

class ReadAndRescore : public ::testing::TestWithParam<Row> {};

TEST_P(ReadAndRescore, GivesTheFieldsOrTheReason)
{
    const Row& row = GetParam();
    const grading::ReadRecord read = grading::readRecord(row.bytes);
    EXPECT_EQ(read.error, row.error);
    if (!row.error.empty())
        return;
    const grading::Record& r = read.record;
    EXPECT_EQ(r.name, "Jürgen Müller");
    EXPECT_EQ(r.id, "4711001");
    EXPECT_EQ(r.seed, "12345");
    EXPECT_EQ(r.choice, std::nullopt);
    EXPECT_EQ(grading::toSecond(r.started), "2026-12-09 14:05:07");
    EXPECT_EQ(r.started.instant(), grading::parseTime("2026-12-09T13:05:07Z").instant());
    EXPECT_EQ(r.moments.size(), static_cast<std::size_t>(row.moments));
    EXPECT_EQ(r.moments.back().state, "ausgewertet");
    EXPECT_EQ(r.journal, R"([{"T":20}])");
    ASSERT_TRUE(r.sensor);
    // The equation typed in small letters scores as the window scored it.
    const grading::Rescored again = grading::rescore(r.answers, *r.sensor);
    EXPECT_EQ(again.total(), 10);
    EXPECT_EQ(grading::pointsMatch(r.answers, r.total, again), row.pointsMatch);
}

const std::string whole = record();

INSTANTIATE_TEST_SUITE_P(
    Grading, ReadAndRescore,
    ::testing::Values(
        Row{"AsWritten", whole, {}, 2},
        Row{"PointsRaisedByHand", record("kora-result/1", "12"), {}, 2, false},
        Row{"OldRecordWithoutMoments", record("kora-result/1", "10", "null"), {}, 1},
        Row{"Empty", " \n", {"die Datei ist leer", {}}},
        Row{"Cut", whole.substr(0, whole.size() / 2), {"die Datei ist unvollständig (abgeschnitten)", {}}},
        Row{"NoJson", "Punkte bitte bis Freitag", {"die Datei ist kein JSON (Fehler bei Zeichen %1)", {"1"}}},
        Row{"Newer",
            record("kora-result/2"),
            {"der Datensatz stammt aus einer neueren Version (%1)", {"kora-result/2"}}},
        Row{"Foreign", R"({"name": "kora", "version": "1"})", {"die Datei ist kein Ergebnis von KORA", {}}},
        Row{"ParameterMissing",
            record("kora-result/1", "10", "[]", ""),
            {"im Datensatz fehlt das Feld %1", {"pt1000_a"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The writer both skins share: a record read and written again is the same
// file, whole values stay whole numbers, and the file names the student's
// number in characters every file system takes.
TEST(Grading, WrittenAsReadAndNamedSafely)
{
    const grading::ReadRecord read = grading::readRecord(whole);
    ASSERT_TRUE(read.error.empty());
    const std::string text = grading::recordText(read.record);
    const grading::ReadRecord again = grading::readRecord(text);
    ASSERT_TRUE(again.error.empty());
    EXPECT_EQ(grading::recordText(again.record), text);
    EXPECT_NE(text.find(R"("teta": 20,)"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("started": "2026-12-09T14:05:07+01:00")"), std::string::npos) << text;
    EXPECT_EQ(grading::recordFileName("ab/47 11", read.record.started), "KORA-ab_47_11-20261209-140507.json");
    EXPECT_EQ(grading::fileNamePart("Müller"), "M_ller");
    EXPECT_EQ(grading::fileNamePart(""), "_");
    EXPECT_EQ(grading::fileNamePart(std::string(70, 'x')), std::string(64, 'x'));
}

struct TimeRow {
    const char* text;
    const char* second; // "" when the text is no time
    int offsetMinutes;
    const char* iso; // as the record writes it
};

TEST(Grading, TimesKeepTheirWallClockAndOffset)
{
    const TimeRow rows[] = {
        {"2026-12-09T14:05:07+01:00", "2026-12-09 14:05:07", 60, "2026-12-09T14:05:07+01:00"},
        {"2026-12-09T14:05:07.250-0330", "2026-12-09 14:05:07", -210, "2026-12-09T14:05:07-03:30"},
        {"2026-12-09T14:05:07Z", "2026-12-09 14:05:07", 0, "2026-12-09T14:05:07+00:00"},
        {"2024-02-29T00:00:00+00:00", "2024-02-29 00:00:00", 0, "2024-02-29T00:00:00+00:00"},
        {"2026-02-29T00:00:00+00:00", "", 0, ""},
        {"2026-12-09 14:05:07+01:00", "", 0, ""},
        {"2026-12-09T14:05:07+01:00x", "", 0, ""},
    };
    for (const TimeRow& row : rows) {
        const grading::Time t = grading::parseTime(row.text);
        EXPECT_EQ(grading::toSecond(t), row.second) << row.text;
        EXPECT_EQ(t.offsetMinutes, row.offsetMinutes) << row.text;
        EXPECT_EQ(grading::isoText(t), row.iso) << row.text;
    }
    // The same instant from two rooms: the earlier wall clock can be the later time.
    EXPECT_LT(grading::parseTime("2026-12-09T14:05:07+01:00"),
              grading::parseTime("2026-12-09T13:05:08+00:00"));
    EXPECT_EQ(grading::parseTime("2026-12-09T14:05:07.250-03:30").instant() % 1000, 250);
}

} // namespace
