#pragma once
// Small text operations shared by the interpreter's steps.

#include "formula/evaluation.h"
#include "formula/interpreter.h"

#include <numbers/numbers.h>

#include <string>
#include <string_view>

namespace formula::detail {

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A "+" written by the number text of a large value (2.5E+17) or typed as
// 1E+3 is the exponent's sign, not an addition: it stands between the "E" of
// an exponent, which follows a digit or a point, and a digit. Without this
// a value of 1E15 or more would fall apart at the next tokenisation.
inline bool isExponentPlus(std::string_view text, std::size_t pos)
{
    return text[pos] == '+' && pos >= 2 && pos + 1 < text.size() && text[pos - 1] == 'E' &&
           (isDigit(text[pos - 2]) || text[pos - 2] == '.') && isDigit(text[pos + 1]);
}

inline bool isOperatorChar(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '|';
}

// An operator character that acts as an operator at this place.
inline bool isOperatorAt(std::string_view text, std::size_t pos)
{
    return isOperatorChar(text[pos]) && !isExponentPlus(text, pos);
}

// A place where trenntext has a "!": an operator, a bracket, or a "!" that
// was typed.
inline bool isSeparatorAt(std::string_view text, std::size_t pos)
{
    const char c = text[pos];
    return c == '(' || c == ')' || c == '!' || isOperatorAt(text, pos);
}

// Every non-overlapping occurrence from the left (from `start` on, for a
// caller that knows there is none before), in one sweep; `buffer` is only a
// reusable work area. `from` and `to` must not point into `text`.
inline void replaceAll(std::string& text, std::string_view from, std::string_view to, std::string& buffer,
                       std::size_t start = 0)
{
    if (from.empty())
        return;
    std::size_t pos = text.find(from, start);
    if (pos == std::string::npos)
        return;
    buffer.clear();
    std::size_t last = 0;
    while (pos != std::string::npos) {
        buffer.append(text, last, pos - last);
        buffer.append(to);
        last = pos + from.size();
        pos = text.find(from, last);
    }
    buffer.append(text, last, std::string::npos);
    text.swap(buffer);
}

// The first occurrence only; nothing happens when there is none. Returns
// where the replacement went, or npos.
inline std::size_t replaceFirst(std::string& text, std::string_view from, std::string_view to)
{
    const std::size_t pos = text.find(from);
    if (pos != std::string::npos)
        text.replace(pos, from.size(), to);
    return pos;
}

// Bytes bound the characters from above, so the count is only needed for
// long texts; the degree sign takes two bytes but is one character.
inline void checkLength(std::string_view text)
{
    if (text.size() > maxTextLength && numbers::utf8Length(text) > maxTextLength)
        throw FormulaError(FormulaError::Kind::TooLong, "text longer than 32767 characters");
}

} // namespace formula::detail
