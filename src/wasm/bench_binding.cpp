// The bench for a page: lab::Bench created from the teacher's file's text,
// the person's actions in, the view of every control and the messages (keys
// with their values) out, and the window's design as data, so that the page
// draws the same controls at the same places and computes nothing itself.

#include "binding.h"
#include "lab/action.h"
#include "lab/bench.h"
#include "lab/benchlayout.h"
#include "model/configcheck.h"
#include "model/coursesettings.h"
#include "model/random.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

using binding::form;
using binding::kindName;
using binding::faceName;
using binding::text;
using emscripten::val;

// The design's rows, back to front; sizes in twips, font sizes in points.
val layout()
{
    val rows = val::array();
    int i = 0;
    for (const lab::ControlSpec& c : lab::benchControls()) {
        val row = val::object();
        row.set("name", std::string(c.name));
        row.set("kind", std::string(kindName(c.kind)));
        row.set("left", c.left);
        row.set("top", c.top);
        row.set("width", c.width);
        row.set("height", c.height);
        row.set("text", std::string(c.text));
        row.set("face", std::string(faceName(c.font.face)));
        row.set("points", c.font.points > 0 ? c.font.points : lab::defaultPoints);
        row.set("bold", c.font.bold);
        row.set("parent", text(c.parent));
        row.set("accessibleName", text(c.accessibleName));
        row.set("toolTip", text(c.toolTip));
        if (!c.range.empty()) {
            row.set("minimum", c.range.minimum);
            row.set("maximum", c.range.maximum);
        }
        rows.set(i++, row);
    }
    return rows;
}

val tabOrder()
{
    val out = val::array();
    int i = 0;
    for (const char* name : lab::benchTabOrder())
        out.set(i++, std::string(name));
    return out;
}

// The task page's lines, in twips from the page's top left, with their
// keys of the context "TaskPage".
val taskPage()
{
    val out = val::array();
    int i = 0;
    for (const lab::PageLine& line : lab::taskPage()) {
        val row = val::object();
        row.set("top", line.top);
        row.set("left", line.left);
        row.set("points", line.points);
        row.set("red", line.red);
        row.set("text", std::string(line.text));
        out.set(i++, row);
    }
    return out;
}

val design()
{
    val out = val::object();
    out.set("width", lab::benchWidth);
    out.set("height", lab::benchHeight);
    out.set("context", std::string(lab::benchContext));
    out.set("taskPageLeft", lab::taskPageLeft);
    out.set("taskPageTop", lab::taskPageTop);
    out.set("controls", layout());
    out.set("tabOrder", tabOrder());
    out.set("taskPage", taskPage());
    out.set("warningColour", lab::warningColour);
    val messages = val::object();
    messages.set("bypassRefused", std::string(lab::message::bypassRefused));
    messages.set("destroyed", std::string(lab::message::destroyed));
    messages.set("rowRecorded", std::string(lab::message::rowRecorded));
    messages.set("configProblems", std::string(lab::message::configProblems));
    out.set("messages", messages);
    return out;
}

class PageBench {
public:
    // An empty text: no teacher's file, the bench as designed.
    PageBench(const std::string& teachersFile, const std::string& separator)
        : PageBench(teachersFile, separator, std::string())
    {
    }

    // A signed-in student: with the file's key word, the Matrikelnummer
    // draws the student's own variant, as on the desktop (and as the
    // teacher's answer key, kora --check-config --matrikel, gives it).
    PageBench(const std::string& teachersFile, const std::string& separator, const std::string& matrikel)
        : bench_(binding::separator(separator))
    {
        model::ConfigFile file;
        if (!teachersFile.empty()) {
            file.kind = model::ConfigFile::Kind::Read;
            file.bytes = teachersFile.substr(0, std::min(teachersFile.size(), model::maxConfigBytes));
            file.cut = teachersFile.size() > model::maxConfigBytes;
        }
        const std::string key = model::startChoicesOf(file).course.schluessel;
        if (!key.empty() && !matrikel.empty())
            personal_ = std::make_unique<model::PersonalDraw>(key, model::normalizedMatrikel(matrikel));
        bench_.Form_Load(".", file, personal_.get());
    }

    // One action as lab::act takes it: false for an unknown kind.
    bool act(const std::string& kind, const std::string& control, int value)
    {
        return lab::act(bench_, {kind, control, value, {}});
    }

    // An up-down's arrow: one step up (direction > 0) or down from where it
    // stands, within its range, as the control itself moves.
    bool nudge(const std::string& updown, int direction)
    {
        for (const lab::ControlSpec& c : lab::benchControls()) {
            if (updown != c.name || c.range.empty())
                continue;
            const int now = bench_.view().at(updown).value;
            const int to = std::clamp(now + (direction > 0 ? c.range.step : -c.range.step), c.range.minimum,
                                      c.range.maximum);
            return to != now && lab::act(bench_, {"step", updown, to, {}});
        }
        return false;
    }

    val view() const
    {
        val controls = val::object();
        for (const auto& [name, c] : bench_.view().controls) {
            val v = val::object();
            v.set("text", c.text);
            v.set("words", c.words);
            v.set("value", c.value);
            v.set("enabled", c.enabled);
            v.set("visible", c.visible);
            v.set("colour", c.colour);
            v.set("tip", c.tip.empty() ? val::null() : form(c.tip));
            controls.set(name, v);
        }
        val out = val::object();
        out.set("controls", controls);
        out.set("enabled", bench_.view().enabled);
        out.set("mayRecord", bench_.mayRecord());
        out.set("destroyed", bench_.destroyed());
        return out;
    }

    val messages()
    {
        val out = val::array();
        int i = 0;
        for (const lab::Form& f : bench_.takeMessages())
            out.set(i++, form(f));
        return out;
    }

    std::string positionText(const std::string& updown, int position) const
    {
        return bench_.positionText(updown, position);
    }

    // The lines of the teacher's file that could not be used.
    val problems() const
    {
        val out = val::array();
        const auto& kept = bench_.problems().kept;
        for (std::size_t i = 0; i < kept.size(); ++i) {
            val line = val::object();
            line.set("line", kept[i].line);
            line.set("text", kept[i].text);
            out.set(i, line);
        }
        return out;
    }

    int rowCount() const { return static_cast<int>(bench_.rows().size()); }

    // An action that carries a text (a caption set from outside).
    bool actText(const std::string& kind, const std::string& control, int value, const std::string& text)
    {
        return lab::act(bench_, {kind, control, value, text});
    }

    // The recorded rows, with the journal's field names.
    val rows() const
    {
        val out = val::array();
        int i = 0;
        for (const lab::JournalRow& r : bench_.rows()) {
            val row = val::object();
            row.set("nr", r.nr);
            row.set("sensor", r.sensor);
            row.set("thermostat", r.thermostat);
            row.set("sensorTemp", r.sensorTemp);
            row.set("quelle", r.quelle);
            row.set("vorwiderstand", r.vorwiderstand);
            row.set("messbereich", r.messbereich);
            row.set("anzeige", r.anzeige);
            row.set("eigenerwaermung", r.eigenerwaermung);
            out.set(i++, row);
        }
        return out;
    }

private:
    std::unique_ptr<model::PersonalDraw> personal_; // before the bench, which draws with it
    lab::Bench bench_;
};

} // namespace

EMSCRIPTEN_BINDINGS(kora_bench)
{
    emscripten::class_<PageBench>("Bench")
        .constructor<std::string, std::string>()
        .constructor<std::string, std::string, std::string>()
        .function("act", &PageBench::act)
        .function("actText", &PageBench::actText)
        .function("rows", &PageBench::rows)
        .function("nudge", &PageBench::nudge)
        .function("view", &PageBench::view)
        .function("messages", &PageBench::messages)
        .function("positionText", &PageBench::positionText)
        .function("problems", &PageBench::problems)
        .function("rowCount", &PageBench::rowCount);
    emscripten::function("benchDesign", &design);
}
