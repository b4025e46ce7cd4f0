// The bench without a window: scripts of a student's actions from
// tests/data/lab_scripts.json, each step with what it changes in the view.
// Everything a step does not name must stay as it was, so a shown text that
// changes unexpectedly fails as surely as one that does not change. The page's
// build runs the same rows.

#include "lab/action.h"
#include "lab/bench.h"
#include "lab/benchlayout.h"
#include "lab/evaluation.h"
#include "lab/evaluationlayout.h"
#include "lab/signin.h"
#include "model/sensortypes.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <set>
#include <sstream>

using nlohmann::json;

namespace {

json scripts(const char* file = KORA_LAB_SCRIPTS)
{
    std::ifstream in(file);
    return json::parse(in).at("scripts");
}

lab::Form formOf(const json& j)
{
    lab::Form f;
    if (j.empty())
        return f;
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
    for (const lab::Form& line : c.lines)
        o << "\n  " << text(line);
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
        if (fields.contains("lines")) {
            c.lines.clear();
            for (const json& line : fields.at("lines"))
                c.lines.push_back(formOf(line));
        }
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

// A script's name as a test's name.
std::string nameOf(const testing::TestParamInfo<json>& info)
{
    std::string name = info.param.at("name").get<std::string>();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
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

INSTANTIATE_TEST_SUITE_P(Scripts, LabScript, testing::ValuesIn(scripts().get<std::vector<json>>()), nameOf);

std::string text(const std::vector<lab::Form>& forms)
{
    std::string t;
    for (const lab::Form& f : forms)
        t += text(f);
    return t;
}

std::string text(const json& forms)
{
    std::vector<lab::Form> f;
    for (const json& j : forms)
        f.push_back(formOf(j));
    return text(f);
}

// The evaluation without a window: a hidden sensor, the type chosen, the
// equation and alpha typed key by key, the close question; each step with
// what it changes in the view, the boxes it raises and the points so far.
class EvaluationScript : public testing::TestWithParam<json> {};

TEST_P(EvaluationScript, EveryStepChangesTheViewAsWritten)
{
    const json& script = GetParam();
    model::ExperimentState state;
    const char separator = script.at("separator").get<std::string>().at(0);
    model::setStartValues(state, separator);
    model::f_alpha(state);
    state.sensortyp = script.at("sensor").get<std::uint8_t>();
    state.course.pruefung = script.value("exam", false);
    lab::Evaluation ev(state, separator);
    lab::View before = ev.view();
    int n = 0;
    for (const json& step : script.at("steps")) {
        const std::string kind = step.at("do").get<std::string>();
        SCOPED_TRACE("step " + std::to_string(++n) + ": " + kind);
        std::string asked;
        if (kind == "load") {
            ev.Form_Load();
        } else if (kind == "choose") {
            ev.Listsensoren_Click(step.at("value").get<int>());
        } else if (kind == "ok") {
            ev.Command1_Click();
        } else if (kind == "type") {
            // Typed into the emptied box, key by key as the box takes them, then Enter.
            std::string box;
            for (char c : step.at("text").get<std::string>()) {
                const int k = ev.Textformel_KeyPress(static_cast<unsigned char>(c), box);
                if (k != 0)
                    box += static_cast<char>(k);
                ev.setText(box);
            }
            ev.Textformel_KeyPress(13, box);
        } else if (kind == "close") {
            if (const auto q = ev.closeQuestion())
                asked = text(q->text);
        }
        const json changes = step.value("expect", json::object());
        const lab::View want = expected(before, changes);
        for (const auto& [name, c] : want.controls)
            EXPECT_EQ(text(ev.view().at(name)), text(c)) << name;
        std::vector<std::string> raised, meant;
        for (const lab::Box& box : ev.takeBoxes())
            raised.push_back(text(box.text) + text(box.reason));
        for (const json& box : changes.value("boxes", json::array()))
            meant.push_back(text(box));
        EXPECT_EQ(raised, meant);
        EXPECT_EQ(asked, text(changes.value("question", json::array())));
        EXPECT_EQ(state.punkte, changes.value("punkte", static_cast<int>(state.punkte)));
        before = ev.view();
    }
    EXPECT_EQ(ev.answers().typePoints + ev.answers().equationPoints + ev.answers().alphaPoints,
              script.at("total").get<int>());
}

INSTANTIATE_TEST_SUITE_P(Scripts, EvaluationScript,
                         testing::ValuesIn(scripts(KORA_LAB_EVALUATION).get<std::vector<json>>()), nameOf);

// The sign-in's rules: each row a name and number as typed, the line that
// says what is missing, and the number as the course keeps it.
TEST(SignIn, MissingLineAndNumber)
{
    std::ifstream in(KORA_LAB_EVALUATION);
    const json rows = json::parse(in); // kept: a range-for would not keep the parsed temporary alive
    for (const json& row : rows.at("signin")) {
        lab::SignIn s(row.value("stellen", 0));
        s.setName(row.at("name").get<std::string>());
        s.setMatrikel(row.at("matrikel").get<std::string>());
        SCOPED_TRACE(row.dump());
        EXPECT_EQ(text(s.missing()), text(formOf(row.at("missing"))));
        EXPECT_EQ(s.okEnabled(), s.missing().empty());
        EXPECT_EQ(s.name(), row.value("kept", s.name()));
        if (row.contains("normalized")) {
            EXPECT_EQ(s.normalized(), row.at("normalized").get<std::string>());
        }
    }
}

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
