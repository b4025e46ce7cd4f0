// The evaluation for a page (evaluation.h), and its window's design as data.

#include "evaluation.h"

#include "binding.h"
#include "design.h"
#include "lab/evaluationlayout.h"
#include "lab/evaluationtexts.h"
#include "lab/plot.h"
#include "lab/reportpage.h"
#include "model/typenames.h"
#include "scoring/comparison.h"

#include <emscripten/bind.h>

namespace {

using emscripten::val;

val optional(const std::optional<double>& v) { return v ? val(*v) : val::null(); }

val viewOf(const lab::View& view)
{
    val controls = val::object();
    for (const auto& [name, c] : view.controls)
        controls.set(name, binding::controlView(c, true));
    return controls;
}

val box(const lab::Box& b)
{
    val out = val::object();
    out.set("besidePlot", b.besidePlot);
    out.set("text", binding::forms(b.text));
    out.set("reason", binding::forms(b.reason));
    out.set("controls", viewOf(b.view));
    return out;
}

// The page's own additions to the window: its caption, its close box (the
// desktop's window frame has them), and beside "Ergebnisse drucken" the
// button that keeps the report as a PDF file through the browser's print.
constexpr const char* windowTitle =
    QT_TRANSLATE_NOOP("evaluation::Formantwort", "KORA - Temperatursensoren als Zweipol - Auswertung");
constexpr const char* closeBox = QT_TRANSLATE_NOOP("evaluation::Formantwort", "Schließen");
constexpr lab::ControlSpec saveButton{"Commandspeichern",
                                      lab::Kind::Button,
                                      2175,
                                      7650,
                                      1995,
                                      465,
                                      QT_TRANSLATE_NOOP("evaluation::Formantwort", "Als PDF speichern"),
                                      {lab::Face::Sans, 9, true},
                                      nullptr,
                                      false,
                                      QT_TRANSLATE_NOOP("evaluation::Formantwort", "Als PDF speichern")};

// Who prints the report, asked before the first print where nobody signed
// in: the desktop's dialog's texts, keys of "ui::Services".
constexpr const char* studentWords[][2] = {
    {"context", "ui::Services"},
    {"intro", QT_TRANSLATE_NOOP("ui::Services", "Angaben für das Ergebnisblatt (freiwillig):")},
    {"name", QT_TRANSLATE_NOOP("ui::Services", "Name")},
    {"matrikel", QT_TRANSLATE_NOOP("ui::Services", "Matrikelnummer")},
    {"print", QT_TRANSLATE_NOOP("ui::Services", "Drucken")},
    {"cancel", QT_TRANSLATE_NOOP("ui::Services", "Abbrechen")},
};

val evaluationDesign()
{
    val out = val::object();
    out.set("width", lab::evaluationWidth);
    out.set("height", lab::evaluationHeight);
    out.set("context", std::string(lab::evaluationContext));
    out.set("reasonsContext", std::string(lab::reasonsContext));
    out.set("controls", binding::controlRows(lab::evaluationControls()));
    out.set("saveButton", binding::controlRows(std::span(&saveButton, 1))[0]);
    out.set("title", std::string(windowTitle));
    out.set("close", std::string(closeBox));
    val plot = val::object();
    plot.set("left", lab::plot::left);
    plot.set("width", lab::plot::width);
    plot.set("truthColour", lab::plot::truthColour);
    plot.set("answerColour", lab::plot::answerColour);
    plot.set("colours", std::string(lab::plot::colours));
    plot.set("axes", std::string(lab::plot::axes));
    plot.set("deviation", std::string(lab::plot::deviation));
    out.set("plot", plot);
    out.set("reportContext", std::string(lab::reportContext));
    val student = val::object();
    for (const auto& [key, text] : studentWords)
        student.set(key, std::string(text));
    out.set("student", student);
    return out;
}

// The seven types as the bench's experiment names them, as forms of
// "configreport::TypeName" for the page to word: {shown, withArticle}, the
// words a page passes to new Evaluation(bench, names).
val sensorNames(PageBench& bench)
{
    val shown = val::array();
    val withArticle = val::array();
    const model::ExperimentState& s = bench.bench().state();
    for (int t = 0; t < model::sensorTypes; ++t) {
        shown.set(t, binding::form(model::shownSensorName(t, s.sensorname[static_cast<std::size_t>(t)])));
        withArticle.set(t, binding::form(model::sensorWithArticle(t, s.sensorname[static_cast<std::size_t>(t)])));
    }
    val out = val::object();
    out.set("context", std::string(model::typeNamesContext));
    out.set("shown", shown);
    out.set("withArticle", withArticle);
    return out;
}

} // namespace

PageEvaluation::PageEvaluation(PageBench& bench)
    : evaluation_(std::make_unique<lab::Evaluation>(bench.bench().state(), bench.bench().separator()))
{
}

PageEvaluation::PageEvaluation(PageBench& bench, val words)
    : evaluation_(
          std::make_unique<lab::Evaluation>(bench.bench().state(), bench.bench().separator(), names(words)))
{
}

PageEvaluation::PageEvaluation(const std::string& separator, int sensor, bool exam)
    : own_(std::make_unique<model::ExperimentState>())
{
    const char sep = binding::separator(separator);
    model::setStartValues(*own_, sep);
    model::f_alpha(*own_);
    own_->sensortyp = static_cast<std::uint8_t>(sensor);
    own_->course.pruefung = exam;
    evaluation_ = std::make_unique<lab::Evaluation>(*own_, sep);
}

lab::Evaluation::Names PageEvaluation::names(val words)
{
    for (int t = 0; t < model::sensorTypes; ++t) {
        shown_[static_cast<std::size_t>(t)] = words["shown"][t].as<std::string>();
        withArticle_[static_cast<std::size_t>(t)] = words["withArticle"][t].as<std::string>();
    }
    return {[this](int t) { return shown_[static_cast<std::size_t>(t)]; },
            [this](int t) { return withArticle_[static_cast<std::size_t>(t)]; }};
}

val PageEvaluation::closeQuestion()
{
    const std::optional<lab::Question> q = evaluation_->closeQuestion();
    if (!q)
        return val::null();
    val out = val::object();
    out.set("text", binding::forms(q->text));
    out.set("yes", std::string(q->yes));
    out.set("no", std::string(q->no));
    return out;
}

val PageEvaluation::Form_Unload() const
{
    return box(evaluation_->Form_Unload());
}

val PageEvaluation::view() const
{
    val out = val::object();
    out.set("controls", viewOf(evaluation_->view()));
    out.set("schritt", evaluation_->schritt());
    out.set("finished", evaluation_->finished());
    out.set("exam", evaluation_->exam());
    return out;
}

val PageEvaluation::boxes()
{
    val out = val::array();
    int i = 0;
    for (const lab::Box& b : evaluation_->takeBoxes())
        out.set(i++, box(b));
    return out;
}

val PageEvaluation::comparison() const
{
    const std::optional<scoring::Comparison>& c = evaluation_->comparison();
    if (!c)
        return val::null();
    val samples = val::array();
    int i = 0;
    for (const scoring::Sample& s : c->samples) {
        val sample = val::object();
        sample.set("celsius", s.celsius);
        sample.set("truth", s.truth);
        // Only what the plot's coordinates can hold is drawn; an answer at
        // all still sets the colour the next labels take.
        sample.set("answer", s.answer && scoring::drawable(*s.answer) ? val(*s.answer) : val::null());
        sample.set("hasAnswer", s.answer.has_value());
        samples.set(i++, sample);
    }
    val out = val::object();
    out.set("scaleTop", optional(c->scaleTop));
    val labels = val::array();
    if (c->scaleTop) {
        const model::ExperimentState& s = evaluation_->state();
        const char sep = evaluation_->separator();
        out.set("scaleTopText", lab::plot::scaleTopText(*c->scaleTop, unit(), sep));
        int n = 0;
        for (const lab::plot::Label& l : lab::plot::scaleLabels(*c->scaleTop, s.sensortyp, unit(), sep)) {
            val label = val::object();
            label.set("x", l.x);
            label.set("height", l.height);
            label.set("text", l.text);
            labels.set(n++, label);
        }
    }
    out.set("labels", labels);
    out.set("samples", samples);
    out.set("failure", c->failure ? val(std::string(scoring::reasonName(c->failure->reason))) : val::null());
    out.set("deviation", c->deviation);
    out.set("points", c->points);
    out.set("fitsInCelsius", c->fitsInCelsius);
    return out;
}

val PageEvaluation::report() const
{
    const lab::ReportFacts f = evaluation_->report();
    val out = val::object();
    out.set("exam", f.exam);
    out.set("sensorType", f.sensorType);
    out.set("sensorName", f.sensorType < 0 ? std::string() : evaluation_->sensorName(f.sensorType));
    out.set("formeltext", f.formeltext);
    out.set("eingabeformel", f.eingabeformel);
    out.set("alphaEingabe", f.alphaEingabe);
    out.set("abweichung", f.abweichung);
    out.set("alpha", f.alpha);
    out.set("abweichungAlpha", f.abweichungAlpha);
    out.set("withAlpha", f.withAlpha);
    out.set("punkte", f.punkte);
    out.set("hoechstpunkte", f.hoechstpunkte);
    return out;
}

val PageEvaluation::reportPage(const std::string& date, const std::string& name, const std::string& matrikel) const
{
    const lab::ReportFacts facts = evaluation_->report();
    const lab::ReportText r = lab::reportText(
        facts, facts.sensorType < 0 ? std::string() : evaluation_->sensorName(facts.sensorType), date, name, matrikel);
    val items = val::array();
    int i = 0;
    for (const lab::ReportItem& item : lab::reportItems(r)) {
        val v = val::object();
        v.set("x", item.x);
        v.set("y", item.y);
        v.set("points", item.points);
        v.set("bold", item.bold);
        v.set("text", binding::forms(item.text));
        v.set("maxWidth", item.maxWidth);
        items.set(i++, v);
    }
    val plot = val::object();
    plot.set("x", lab::reportPlotX);
    plot.set("y", lab::reportPlotY);
    plot.set("width", lab::reportPlotWidth);
    plot.set("height", lab::reportPlotHeight);
    val out = val::object();
    out.set("items", items);
    out.set("who", binding::forms(lab::reportWho(r)));
    out.set("title", binding::form(lab::reportTitle(r)));
    out.set("plot", plot);
    return out;
}

val PageEvaluation::answers() const
{
    const evaluation::Answers& a = evaluation_->answers();
    val out = val::object();
    out.set("type", a.type ? val(*a.type) : val::null());
    out.set("equation", a.equation ? val(*a.equation) : val::null());
    out.set("alpha", a.alpha ? val(*a.alpha) : val::null());
    out.set("typePoints", a.typePoints);
    out.set("equationPoints", a.equationPoints);
    out.set("alphaPoints", a.alphaPoints);
    out.set("equationDeviation", optional(a.equationDeviation));
    out.set("alphaDeviation", optional(a.alphaDeviation));
    return out;
}

EMSCRIPTEN_BINDINGS(kora_evaluation)
{
    emscripten::class_<PageEvaluation>("Evaluation")
        .constructor<PageBench&>()
        .constructor<PageBench&, val>()
        .constructor<std::string, int, bool>()
        .function("Form_Load", &PageEvaluation::Form_Load)
        .function("Listsensoren_Click", &PageEvaluation::Listsensoren_Click)
        .function("Command1_Click", &PageEvaluation::Command1_Click)
        .function("Textformel_KeyPress", &PageEvaluation::Textformel_KeyPress)
        .function("setText", &PageEvaluation::setText)
        .function("closeQuestion", &PageEvaluation::closeQuestion)
        .function("reportKept", &PageEvaluation::reportKept)
        .function("Form_Unload", &PageEvaluation::Form_Unload)
        .function("view", &PageEvaluation::view)
        .function("boxes", &PageEvaluation::boxes)
        .function("focus", &PageEvaluation::focus)
        .function("comparison", &PageEvaluation::comparison)
        .function("unit", &PageEvaluation::unit)
        .function("report", &PageEvaluation::report)
        .function("reportPage", &PageEvaluation::reportPage)
        .function("answers", &PageEvaluation::answers);
    emscripten::function("evaluationDesign", &evaluationDesign);
    emscripten::function("sensorNames", &sensorNames);
}
