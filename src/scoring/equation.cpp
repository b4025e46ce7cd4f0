#include "scoring/equation.h"

#include "formula/functions.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace scoring {

namespace {

// The function name that begins `text`, or an empty view.
std::string_view leadingName(std::string_view text)
{
    for (std::string_view name : formula::functionNames)
        if (text.starts_with(name))
            return name;
    return {};
}

bool isLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A run of capitals is readable when it splits wholly into function names
// and the variable T ("SINT" is the sine of T, "TT" two temperatures joined).
bool splitsIntoNames(std::string_view run)
{
    std::vector<bool> reachable(run.size() + 1, false);
    reachable[0] = true;
    for (std::size_t i = 0; i < run.size(); ++i) {
        if (!reachable[i])
            continue;
        for (std::string_view name : formula::functionNames)
            if (run.substr(i).starts_with(name))
                reachable[i + name.size()] = true;
        if (run[i] == 'T')
            reachable[i + 1] = true;
    }
    return reachable[run.size()];
}

} // namespace

std::string withTemperature(std::string_view equation, std::string_view kelvin)
{
    std::string out;
    out.reserve(equation.size() + 16 * 4);
    for (std::size_t i = 0; i < equation.size();) {
        // A name is copied whole: the T of TAN and ATN is no temperature.
        const std::string_view name = leadingName(equation.substr(i));
        if (!name.empty()) {
            out += name;
            i += name.size();
        } else if (equation[i] == 'T') {
            out += kelvin;
            ++i;
        } else {
            out += equation[i];
            ++i;
        }
    }
    return out;
}

namespace {

// Where the first part lies that the interpreter can only read as 0: a run of
// capitals, or a single character. Absent when every part reads.
std::optional<std::string_view> firstUnreadablePart(std::string_view equation)
{
    constexpr std::string_view degree = "°";
    constexpr std::string_view plain = "0123456789.,+-*/^|() ";
    for (std::size_t i = 0; i < equation.size();) {
        const char c = equation[i];
        if (equation.substr(i).starts_with(degree)) {
            i += degree.size();
        } else if (isLetter(c)) {
            std::size_t end = i;
            while (end < equation.size() && isLetter(equation[end]))
                ++end;
            const std::string_view run = equation.substr(i, end - i);
            // The E of an exponent stands alone between a mantissa and its
            // power: 1.5E-05, 2E3.
            const bool exponent = run == "E" && i > 0 && (isDigit(equation[i - 1]) || equation[i - 1] == '.');
            if (!exponent && !splitsIntoNames(run))
                return run;
            i = end;
        } else if (plain.find(c) != std::string_view::npos) {
            ++i;
        } else {
            return equation.substr(i, 1);
        }
    }
    return std::nullopt;
}

} // namespace

bool hasUnreadablePart(std::string_view equation)
{
    return firstUnreadablePart(equation).has_value();
}

std::string unknownWord(std::string_view equation)
{
    const std::optional<std::string_view> part = firstUnreadablePart(equation);
    if (!part || !isLetter(part->front()))
        return {};
    return std::string(*part);
}

std::string knownFunctions()
{
    // The names the equation prompt lists come first, in its order; every
    // further name the interpreter knows follows in the interpreter's order.
    constexpr std::string_view prompted[] = {"EXP", "LN", "LG", "LD", "SIN", "COS", "TAN"};
    std::vector<std::string_view> names;
    for (std::string_view name : prompted)
        if (std::find(formula::functionNames.begin(), formula::functionNames.end(), name) !=
            formula::functionNames.end())
            names.push_back(name);
    for (std::string_view name : formula::functionNames)
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    std::string out;
    for (std::string_view name : names) {
        if (!out.empty())
            out += ", ";
        out += name;
    }
    return out;
}

} // namespace scoring
