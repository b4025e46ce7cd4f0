// The formula interpreter: a formula text, or an equation in T at a
// temperature, to the text of its value.

#include "formula/interpreter.h"
#include "numbers/numbers.h"
#include "scoring/equation.h"

#include <emscripten/bind.h>

namespace {

// {text} for a value, {error} with the kind's name for a failure: a page
// turns the kind into its own sentence, as the evaluation window does.
emscripten::val evaluate(const std::string& text)
{
    emscripten::val out = emscripten::val::object();
    try {
        out.set("text", formula::f_formel(text));
    } catch (const formula::FormulaError& e) {
        out.set("error", std::string(formula::kindName(e.kind())));
    }
    return out;
}

// An equation in T (kelvin) at a temperature in °C, as the comparison puts
// the temperature in: 273 added, in the interpreter's own number text.
emscripten::val evaluateAt(const std::string& equation, double celsius)
{
    return evaluate(scoring::withTemperature(equation, numbers::formulaText(celsius + 273)));
}

} // namespace

EMSCRIPTEN_BINDINGS(kora_formula)
{
    emscripten::function("formula", &evaluate);
    emscripten::function("formulaAt", &evaluateAt);
}
