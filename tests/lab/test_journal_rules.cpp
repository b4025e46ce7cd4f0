// The journal's rules without a toolkit, from tests/data/lab_journal.json:
// each row's cells and CSV lines in both formats, and whole runs on the
// bench whose journal must give the file written there; and the start-up
// message about the teacher's file (lab_notices.json). The desktop's
// journal and the page run the same rows.

#include "lab/action.h"
#include "lab/bench.h"
#include "lab/journal.h"
#include "lab/journalcharts.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>

using nlohmann::json;

namespace {

json table(const char* part)
{
    std::ifstream in(KORA_LAB_JOURNAL);
    return json::parse(in).at(part);
}

lab::JournalLine lineOf(const json& j)
{
    const json& r = j.at("row");
    lab::JournalLine line;
    line.row = {r.at("nr"),         r.at("sensor"),        r.at("thermostat"),  r.at("sensorTemp"), r.at("quelle"),
                r.at("vorwiderstand"), r.at("messbereich"), r.at("anzeige"), r.at("eigenerwaermung")};
    line.seconds = j.at("seconds");
    line.bemerkung = j.at("bemerkung");
    return line;
}

std::string nameOf(const testing::TestParamInfo<json>& info) { return "row" + std::to_string(info.index); }

} // namespace

class JournalRow : public testing::TestWithParam<json> {};

TEST_P(JournalRow, CellsAndCsvLinesAsWritten)
{
    const json& j = GetParam();
    SCOPED_TRACE(j.at("name").get<std::string>());
    const lab::JournalLine line = lineOf(j);
    const lab::JournalWords words = lab::sourceJournalWords();
    std::vector<std::string> cells;
    for (int c = 0; c < lab::columnTotal; ++c)
        cells.push_back(lab::shownCellText(line, c, ',', words));
    EXPECT_EQ(cells, j.at("cells").get<std::vector<std::string>>());
    EXPECT_EQ(lab::csvLine(line, lab::csvFormatFor(true), words), j.at("german").get<std::string>());
    EXPECT_EQ(lab::csvLine(line, lab::csvFormatFor(false), words), j.at("english").get<std::string>());
    // A guarded note reads back as written.
    EXPECT_EQ(lab::unguardedNote(lab::guardedNote(line.bemerkung)), line.bemerkung);
}

INSTANTIATE_TEST_SUITE_P(Table, JournalRow, testing::ValuesIn(table("rows")), nameOf);

// A whole run: the actions reach the bench, each tick is sampled as the
// journal samples it, each recorded row gets the run's time.
class JournalRun : public testing::TestWithParam<json> {};

TEST_P(JournalRun, TheJournalWritesTheFileAsWritten)
{
    const json& run = GetParam();
    lab::Bench bench(',');
    bench.Form_Load("", model::ConfigFile{});
    lab::Timeline timeline;
    std::vector<lab::JournalLine> lines;
    for (const json& step : run.at("steps")) {
        const std::string kind = step.at("do");
        const int value = step.value("value", 0);
        if (kind == "tick") {
            for (int i = 0; i < std::max(1, value); ++i) {
                lab::act(bench, {"tick", "", 1, ""});
                const lab::Sample s = lab::sampleOf(bench.shownRow());
                timeline.sample(bench.thermostat().zeitschritt, s.sensorTemp, s.setPoint, s.volts);
            }
            continue;
        }
        const std::size_t before = bench.rows().size();
        ASSERT_TRUE(lab::act(bench, {kind, step.value("control", ""), value, ""}));
        if (bench.rows().size() > before)
            lines.push_back({bench.rows().back(), timeline.recordSecond(), {}});
    }
    const std::string csv = lab::csvDocument(lines, lab::csvFormatFor(true), lab::sourceJournalWords());
    EXPECT_EQ(csv, run.at("csv").get<std::string>());
    // A row over range has no point on the characteristic; the live course
    // has one point per second, the newest at the run's time.
    std::size_t points = 0;
    for (const lab::SensorSeries& s : lab::characteristic(lines).series)
        points += s.points.size();
    EXPECT_EQ(points, run.at("points").get<std::size_t>());
    const lab::TimeCourse course = lab::timeCourse(timeline.samples(), timeline.seconds());
    ASSERT_FALSE(course.sensor.empty());
    EXPECT_DOUBLE_EQ(course.sensor.back().x * 60, timeline.seconds());
    EXPECT_LE(course.sensor.size(), static_cast<std::size_t>(timeline.seconds()) + 1);
}

INSTANTIATE_TEST_SUITE_P(Table, JournalRun, testing::ValuesIn(table("runs")), nameOf);

TEST(JournalChart, TheTimeAxisGrowsByMinutesThenSlidesByHalfMinutes)
{
    const struct {
        double now;
        lab::AxisRange want;
    } rows[] = {{0, {0, 1, 1}}, {59, {0, 1, 1}}, {61, {0, 2, 1}}, {600, {0, 10, 1}}, {601, {0, 10.5, 1}},
                {630, {0.5, 11, 1}}};
    for (const auto& r : rows)
        EXPECT_EQ(lab::timeWindow(r.now), r.want) << r.now;
}

// The start-up message about a teacher's file, as phrases both skins word.
TEST(ProblemNotice, ThePhrasesSayWhatTheTableSays)
{
    std::ifstream in(KORA_LAB_NOTICES);
    const json notices = json::parse(in).at("notices");
    ASSERT_FALSE(notices.empty());
    for (const json& row : notices) {
        lab::Bench bench(',');
        model::ConfigFile file;
        file.kind = model::ConfigFile::Kind::Read;
        file.bytes = row.at("config").get<std::string>();
        bench.Form_Load("", file);
        std::string text;
        for (const model::Phrase& line : bench.problemNotice())
            text += (text.empty() ? "" : "\n") + model::sourceText(line);
        EXPECT_EQ(text, row.at("notice").get<std::string>()) << row.at("name").get<std::string>();
    }
}
