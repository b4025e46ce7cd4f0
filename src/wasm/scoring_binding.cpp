// The evaluation's scores without a window: the comparison of an equation
// with a lab's hidden sensor, alpha, the type, and the equation checks the
// evaluation makes before it compares.

#include "binding.h"
#include "lab.h"
#include "scoring/comparison.h"
#include "scoring/equation.h"
#include "scoring/scoring.h"

#include <emscripten/bind.h>

namespace {

using binding::Lab;
using emscripten::val;

// The comparison with the lab's hidden sensor: {points, deviation,
// sumOfSquares, scaleTop, fitsInCelsius, samples: [{celsius, truth, answer}],
// failure: {reason, kelvin}}; scaleTop, answer and failure only where present.
val compareEquation(const Lab& lab, const std::string& equation)
{
    const scoring::Comparison c = scoring::scoreEquation(lab.experiment(), equation);
    val out = val::object();
    out.set("points", c.points);
    out.set("deviation", c.deviation);
    out.set("sumOfSquares", c.sumOfSquares);
    out.set("fitsInCelsius", c.fitsInCelsius);
    if (c.scaleTop)
        out.set("scaleTop", *c.scaleTop);
    val samples = val::array();
    for (std::size_t i = 0; i < c.samples.size(); ++i) {
        val sample = val::object();
        sample.set("celsius", c.samples[i].celsius);
        sample.set("truth", c.samples[i].truth);
        if (c.samples[i].answer)
            sample.set("answer", *c.samples[i].answer);
        samples.set(i, sample);
    }
    out.set("samples", samples);
    if (c.failure) {
        val failure = val::object();
        failure.set("reason", std::string(scoring::reasonName(c.failure->reason)));
        failure.set("kelvin", c.failure->kelvin);
        out.set("failure", failure);
    }
    return out;
}

// {typed, deviation, points, reference: {alpha, celsius}, other}.
val scoreAlpha(const Lab& lab, const std::string& typed)
{
    const scoring::AlphaScore a = scoring::scoreAlpha(lab.experiment(), typed);
    auto at = [](const scoring::AlphaAt& v) {
        val out = val::object();
        out.set("alpha", v.alpha);
        out.set("celsius", v.celsius);
        return out;
    };
    val out = val::object();
    out.set("typed", a.typed);
    out.set("deviation", a.deviation);
    out.set("points", a.points);
    out.set("reference", at(a.reference));
    if (a.other)
        out.set("other", at(*a.other));
    return out;
}

int typePoints(const Lab& lab, int chosen) { return scoring::typePoints(lab.experiment(), chosen); }

std::string withTemperature(const std::string& equation, const std::string& kelvin)
{
    return scoring::withTemperature(equation, kelvin);
}

bool hasUnreadablePart(const std::string& equation) { return scoring::hasUnreadablePart(equation); }
std::string unknownWord(const std::string& equation) { return scoring::unknownWord(equation); }

} // namespace

EMSCRIPTEN_BINDINGS(kora_scoring)
{
    emscripten::function("compareEquation", &compareEquation);
    emscripten::function("scoreAlpha", &scoreAlpha);
    emscripten::function("typePoints", &typePoints);
    emscripten::function("withTemperature", &withTemperature);
    emscripten::function("hasUnreadablePart", &hasUnreadablePart);
    emscripten::function("unknownWord", &unknownWord);
    emscripten::function("knownFunctions", &scoring::knownFunctions);
    emscripten::function("equationPoints", &scoring::equationPoints);
    emscripten::function("equationDeviation", &scoring::equationDeviation);
    emscripten::function("maximumPoints", &scoring::maximumPoints);
}
