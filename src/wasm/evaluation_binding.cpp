// The evaluation for a page (evaluation.h), and its window's design as data.

#include "evaluation.h"

#include "binding.h"
#include "design.h"
#include "lab/evaluationlayout.h"
#include "lab/evaluationtexts.h"
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

val evaluationDesign()
{
    val out = val::object();
    out.set("width", lab::evaluationWidth);
    out.set("height", lab::evaluationHeight);
    out.set("context", std::string(lab::evaluationContext));
    out.set("reasonsContext", std::string(lab::reasonsContext));
    out.set("controls", binding::controlRows(lab::evaluationControls()));
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
        // Only what the plot's coordinates can hold is drawn.
        sample.set("answer", s.answer && scoring::drawable(*s.answer) ? val(*s.answer) : val::null());
        samples.set(i++, sample);
    }
    val out = val::object();
    out.set("scaleTop", optional(c->scaleTop));
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
        .function("answers", &PageEvaluation::answers);
    emscripten::function("evaluationDesign", &evaluationDesign);
}
