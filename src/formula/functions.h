#pragma once
// The function names the interpreter knows. Its function passes run in this
// order, and whoever checks an equation for parts the interpreter cannot
// read takes the names from here, so that a function added to the
// interpreter is never refused as "no number".

#include <array>
#include <string_view>

namespace formula {

// A name that contains a shorter one comes before it: SINH and ARCSIN before
// SIN, ARCCOS before COS.
inline constexpr std::array<std::string_view, 11> functionNames = {
    "SINH", "LG", "LN", "LD", "ARCSIN", "SIN", "ARCCOS", "COS", "TAN", "ATN", "EXP"};

} // namespace formula
