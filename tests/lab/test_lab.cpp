// The bench without a window: scripts of a student's actions from
// tests/data/lab_scripts.json, each step with what it changes in the view.
// Everything a step does not name must stay as it was, so a shown text that
// changes unexpectedly fails as surely as one that does not change. The page's
// build runs the same rows.

#include "lab/action.h"
#include "lab/bench.h"
#include "lab/benchlayout.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <set>
#include <sstream>

using nlohmann::json;

namespace {

json scripts()
{
    std::ifstream in(KORA_LAB_SCRIPTS);
    return json::parse(in).at("scripts");
}

lab::Form formOf(const json& j)
{
    lab::Form f;
    f.key = j.at(0).get<std::string>();
    for (std::size_t i = 1; i < j.size(); ++i)
        f.values.push_back(j.at(i).get<std::string>());
    return f;
}

std::string text(const lab::Form& f)
{
    std::string t = "[" + f.key;
    for (const std::string& v : f.values)
        t += " | " + v;
    return t + "]";
}

std::string text(const lab::ControlView& c)
{
    std::ostringstream o;
    o << "text \"" << c.text << "\"" << (c.words ? " (words)" : "") << ", value " << c.value << ", "
      << (c.enabled ? "enabled" : "disabled") << ", " << (c.visible ? "visible" : "hidden") << ", colour "
      << c.colour << ", tip " << text(c.tip);
    return o.str();
}

// The view a step leaves: the one before with the changes the step names.
lab::View expected(lab::View view, const json& changes)
{
    if (changes.contains("window"))
        view.enabled = changes.at("window").get<bool>();
    if (!changes.contains("controls"))
        return view;
    for (const auto& [name, fields] : changes.at("controls").items()) {
        lab::ControlView& c = view.controls.at(name);
        if (fields.contains("text")) {
            c.text = fields.at("text").get<std::string>();
            c.words = fields.value("words", false);
        }
        c.value = fields.value("value", c.value);
        c.enabled = fields.value("enabled", c.enabled);
        c.visible = fields.value("visible", c.visible);
        c.colour = fields.value("colour", c.colour);
        if (fields.contains("tip"))
            c.tip = formOf(fields.at("tip"));
    }
    return view;
}

lab::JournalRow rowOf(const json& j)
{
    lab::JournalRow r;
    r.nr = j.at("nr").get<int>();
    r.sensor = j.at("sensor").get<std::string>();
    r.thermostat = j.at("thermostat").get<std::string>();
    r.sensorTemp = j.at("sensorTemp").get<std::string>();
    r.quelle = j.at("quelle").get<std::string>();
    r.vorwiderstand = j.at("vorwiderstand").get<std::string>();
    r.messbereich = j.at("messbereich").get<std::string>();
    r.anzeige = j.at("anzeige").get<std::string>();
    r.eigenerwaermung = j.at("eigenerwaermung").get<bool>();
    return r;
}

class LabScript : public testing::TestWithParam<json> {};

TEST_P(LabScript, EveryStepChangesTheViewAsWritten)
{
    const json& script = GetParam();
    lab::Bench bench(script.at("separator").get<std::string>().at(0));
    model::ConfigFile file;
    if (script.contains("config")) {
        file.kind = model::ConfigFile::Kind::Read;
        file.bytes = script.at("config").get<std::string>();
    }
    lab::View before = bench.view();
    std::size_t rows = 0;
    bool destroyed = false;
    int n = 0;
    for (const json& step : script.at("steps")) {
        const std::string kind = step.at("do").get<std::string>();
        SCOPED_TRACE("step " + std::to_string(++n) + ": " + kind + " " +
                     step.value("control", std::string()) + " " + std::to_string(step.value("value", 0)));
        if (kind == "load")
            bench.Form_Load("", file);
        else
            ASSERT_TRUE(lab::act(
                bench, {kind, step.value("control", ""), step.value("value", 0), step.value("text", "")}));
        const json changes = step.value("expect", json::object());
        const lab::View want = expected(before, changes);
        const lab::View& got = bench.view();
        EXPECT_EQ(got.enabled, want.enabled) << "the window";
        for (const auto& [name, c] : want.controls)
            EXPECT_EQ(text(got.at(name)), text(c)) << name;
        EXPECT_EQ(got.controls.size(), want.controls.size());

        std::vector<std::string> told;
        for (const lab::Form& f : bench.takeMessages())
            told.push_back(text(f));
        std::vector<std::string> meant;
        for (const json& m : changes.value("messages", json::array()))
            meant.push_back(text(formOf(m)));
        EXPECT_EQ(told, meant);

        if (changes.contains("row")) {
            ASSERT_EQ(bench.rows().size(), rows + 1);
            EXPECT_EQ(bench.rows().back(), rowOf(changes.at("row")));
        }
        EXPECT_EQ(bench.rows().size(), rows + (changes.contains("row") ? 1 : 0)) << "rows recorded";
        rows = bench.rows().size();
        destroyed = changes.value("destroyed", destroyed);
        EXPECT_EQ(bench.destroyed(), destroyed);
        before = got;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, LabScript, testing::ValuesIn(scripts().get<std::vector<json>>()),
                         [](const testing::TestParamInfo<json>& info) {
                             std::string name = info.param.at("name").get<std::string>();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// The design's table as the view starts from it: every name once, each
// up-down's start inside its range, each control of the table in the view.
TEST(BenchLayout, TableAndViewAgree)
{
    const lab::Bench bench(',');
    std::set<std::string> names;
    for (const lab::ControlSpec& row : lab::benchControls()) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(names.insert(row.name).second);
        const bool updown = row.kind == lab::Kind::UpDownV || row.kind == lab::Kind::UpDownH;
        EXPECT_EQ(updown, !row.range.empty());
        if (updown) {
            EXPECT_LE(row.range.minimum, row.range.value);
            EXPECT_LE(row.range.value, row.range.maximum);
            EXPECT_GT(row.range.step, 0);
        }
        EXPECT_EQ(bench.view().at(row.name).visible, row.visible);
        if (row.parent) {
            EXPECT_TRUE(names.count(row.parent)) << "the group comes before its members";
        }
    }
    // The lever and the confirmation line are the window's own additions.
    EXPECT_EQ(bench.view().controls.size(), names.size() + 2);
    // The keyboard's way names each control once, and only controls of the table.
    std::set<std::string> reached;
    for (const char* name : lab::benchTabOrder()) {
        EXPECT_TRUE(names.count(name)) << name;
        EXPECT_TRUE(reached.insert(name).second) << name;
    }
}

} // namespace
