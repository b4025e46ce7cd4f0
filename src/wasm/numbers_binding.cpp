// Number texts as the program writes and reads them, for a page's controls
// and for the tables that hold both builds to the same texts.

#include "binding.h"
#include "numbers/numbers.h"

#include <emscripten/bind.h>

namespace {

std::string displayText(double value, const std::string& separator)
{
    return numbers::displayText(value, binding::separator(separator));
}

std::string patternText(double value, int integerDigits, int decimals, const std::string& separator)
{
    return numbers::patternText(value, integerDigits, decimals, binding::separator(separator));
}

// {value, overflow, found, length}; the length counts bytes of the UTF-8 text.
emscripten::val readNumber(const std::string& text)
{
    const numbers::Reading r = numbers::readLeadingNumber(text);
    emscripten::val out = emscripten::val::object();
    out.set("value", r.value);
    out.set("overflow", r.overflow);
    out.set("found", r.found);
    out.set("length", static_cast<double>(r.length));
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(kora_numbers)
{
    emscripten::function("displayText", &displayText);
    emscripten::function("patternText", &patternText);
    emscripten::function("fixedHalfAway", &numbers::fixedHalfAway);
    emscripten::function("readNumber", &readNumber);
    emscripten::function("roundHalfEven", &numbers::roundHalfEven);
    emscripten::function("roundDecimals", &numbers::roundDecimals);
    emscripten::function("roundSignificant", &numbers::roundSignificant);
}
