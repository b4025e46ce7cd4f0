#pragma once
// The student's equation as text, before the interpreter sees it.

#include <string>
#include <string_view>

namespace scoring {

// The equation with every T that stands for the variable replaced by
// `kelvin`; the T of the function names TAN and ATN stays.
std::string withTemperature(std::string_view equation, std::string_view kelvin);

// Whether the equation holds a part that the interpreter can only read as 0:
// letters that are neither the variable T, a function name nor the E of an
// exponent ("R(T)=0,4*T+25" typed with its left-hand side, PI, SQR), or a
// character that belongs to no number, operator or bracket. Such a part
// would silently count as 0 and score a right idea as nothing.
bool hasUnreadablePart(std::string_view equation);

// The first word of the equation that is neither the variable, a function
// name nor an exponent ("EXB" in "EXB(5000/T)", "R" in "R0.4*T"); empty
// when the unreadable part is no word, or there is none.
std::string unknownWord(std::string_view equation);

// The function names the interpreter knows, as a student reads them: those
// of the equation prompt first, "EXP, LN, LG, LD, SIN, COS, TAN, ...".
std::string knownFunctions();

} // namespace scoring
