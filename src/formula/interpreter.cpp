#include "formula/interpreter.h"

#include "formula/evaluation.h"
#include "formula/textops.h"

#include <algorithm>
#include <array>

namespace formula {

namespace detail {

std::string Evaluation::f_formel(std::string_view formel)
{
    checkLength(formel);
    std::string s(formel);
    std::string group;
    while (s.find('(') != std::string::npos) {
        // The scan from the left, with positions counting from 1 and 0 for
        // "not seen": a "(" sets open, a ")" sets close to the place after
        // it, and the scan stops once both are set. It thus stops at the
        // first ")" after a "(", with open at the last "(" before it: an
        // innermost group. A ")" before every "(" leaves close at the last
        // ")" before the first "(". Without any ")" close stays 0.
        const std::size_t firstOpen = s.find('(');
        const std::size_t firstClose = s.find(')');
        std::size_t open = 0, close = 0;
        if (firstClose == std::string::npos) {
            open = s.rfind('(') + 1;
        } else if (firstOpen < firstClose) {
            open = s.rfind('(', firstClose) + 1;
            close = firstClose + 2;
        } else {
            open = firstOpen + 1;
            close = s.rfind(')', firstOpen) + 2;
        }
        // Covers a "(" without ")" and a ")" standing more than one character
        // before the next "(".
        if (close < open)
            throw FormulaError(FormulaError::Kind::Brackets, "unbalanced brackets");
        group.assign(s, open - 1, close - open);
        std::string inner = group;
        inner.erase(std::remove_if(inner.begin(), inner.end(), [](char c) { return c == '(' || c == ')'; }),
                    inner.end());
        // An empty group, "()" or the nothing between ")(", fails in here.
        f_ausdruck(inner);
        // Identical groups elsewhere get their value in the same step. None
        // can stand before this one, as it would end in an earlier ")".
        replaceAll(s, group, rechentext, scratch, open - 1);
        checkLength(s);
    }
    f_ausdruck(s);
    // The value goes through the whole sequence once more.
    s = rechentext;
    f_ausdruck(s);
    std::string result = rechentext;
    std::replace(result.begin(), result.end(), '@', '-');
    return result;
}

void Evaluation::f_ausdruck(std::string_view text)
{
    f_normieren(text);
    f_vorzeichen();
    f_zerlegen();
    f_oplesen();
    f_rechnen();
}

} // namespace detail

std::string f_formel(std::string_view text)
{
    detail::Evaluation evaluation;
    return evaluation.f_formel(text);
}

const char* kindName(FormulaError::Kind kind)
{
    static constexpr std::array names{"Brackets",       "Empty",          "TooLong",       "TooManyUses",
                                      "MissingOperand", "NumberTooLarge", "ValueTooLarge", "DivisionByZero",
                                      "ZeroToNegative", "NegativeRoot",   "Logarithm",     "Arcsin",
                                      "Arccos",         "Parallel"};
    return names.at(static_cast<std::size_t>(kind));
}

} // namespace formula
