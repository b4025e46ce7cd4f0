// The bench for a page (bench.h), and the window's design as data, so that
// the page draws the same controls at the same places and computes nothing
// itself.

#include "bench.h"
#include "binding.h"
#include "design.h"
#include "journalrow.h"
#include "lab/action.h"
#include "lab/bench.h"
#include "lab/benchlayout.h"
#include "model/configcheck.h"
#include "model/coursesettings.h"
#include "model/random.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

using emscripten::val;

// A phrase of the model: its context, its key and its parts, each a phrase.
val phrase(const model::Phrase& p)
{
    val out = val::object();
    out.set("context", p.context);
    out.set("key", p.key);
    val parts = val::array();
    for (std::size_t i = 0; i < p.parts.size(); ++i)
        parts.set(i, phrase(p.parts[i]));
    out.set("parts", parts);
    return out;
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
    out.set("controls", binding::controlRows(lab::benchControls()));
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

} // namespace

PageBench::PageBench(const std::string& teachersFile, const std::string& separator)
    : PageBench(teachersFile, separator, std::string())
{
}

PageBench::PageBench(const std::string& teachersFile, const std::string& separator, const std::string& matrikel)
    : bench_(binding::separator(separator))
{
    const model::ConfigFile file = binding::configFile(teachersFile);
    const std::string key = model::startChoicesOf(file).course.schluessel;
    if (!key.empty() && !matrikel.empty()) {
        personal_ = std::make_unique<model::PersonalDraw>(key, model::normalizedMatrikel(matrikel));
    } else if (!matrikel.empty()) {
        // A course without a key word: a random seed, which the record keeps
        // so that the teacher's export draws the same sensor again.
        std::random_device device;
        seed_ = std::uint64_t{device()} << 32 | device();
        personal_ = std::make_unique<model::SeededDraw>(*seed_);
    }
    bench_.Form_Load(".", file, personal_.get());
}

bool PageBench::act(const std::string& kind, const std::string& control, int value)
{
    return lab::act(bench_, {kind, control, value, {}});
}

bool PageBench::actText(const std::string& kind, const std::string& control, int value, const std::string& text)
{
    return lab::act(bench_, {kind, control, value, text});
}

bool PageBench::nudge(const std::string& updown, int direction)
{
    for (const lab::ControlSpec& c : lab::benchControls()) {
        if (updown != c.name || c.range.empty())
            continue;
        const int now = bench_.view().at(updown).value;
        const int to =
            std::clamp(now + (direction > 0 ? c.range.step : -c.range.step), c.range.minimum, c.range.maximum);
        return to != now && lab::act(bench_, {"step", updown, to, {}});
    }
    return false;
}

val PageBench::view() const
{
    val controls = val::object();
    for (const auto& [name, c] : bench_.view().controls)
        controls.set(name, binding::controlView(c, false));
    val out = val::object();
    out.set("controls", controls);
    out.set("enabled", bench_.view().enabled);
    out.set("mayRecord", bench_.mayRecord());
    out.set("destroyed", bench_.destroyed());
    return out;
}

val PageBench::messages()
{
    return binding::forms(bench_.takeMessages());
}

std::string PageBench::positionText(const std::string& updown, int position) const
{
    return bench_.positionText(updown, position);
}

val PageBench::problemNotice() const
{
    val out = val::array();
    const auto lines = bench_.problemNotice();
    for (std::size_t i = 0; i < lines.size(); ++i)
        out.set(i, phrase(lines[i]));
    return out;
}

val PageBench::rows() const
{
    val out = val::array();
    int i = 0;
    for (const lab::JournalRow& r : bench_.rows())
        out.set(i++, binding::journalRow(r));
    return out;
}

val PageBench::shown() const
{
    val out = binding::journalRow(bench_.shownRow());
    out.set("step", bench_.thermostat().zeitschritt);
    return out;
}

EMSCRIPTEN_BINDINGS(kora_bench)
{
    emscripten::class_<PageBench>("Bench")
        .constructor<std::string, std::string>()
        .constructor<std::string, std::string, std::string>()
        .function("act", &PageBench::act)
        .function("actText", &PageBench::actText)
        .function("rows", &PageBench::rows)
        .function("shown", &PageBench::shown)
        .function("nudge", &PageBench::nudge)
        .function("view", &PageBench::view)
        .function("messages", &PageBench::messages)
        .function("positionText", &PageBench::positionText)
        .function("problemNotice", &PageBench::problemNotice)
        .function("rowCount", &PageBench::rowCount);
    emscripten::function("benchDesign", &design);
}
