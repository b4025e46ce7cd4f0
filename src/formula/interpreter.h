#pragma once
// The formula interpreter: the student's equation, with a number already in
// place of the variable T, rewritten step by step into the text of one number.

#include <stdexcept>
#include <string>
#include <string_view>

namespace formula {

// Any failure of an evaluation: bad brackets, an empty text, an arithmetic
// fault, a function argument out of range, too many uses of one function.
// what() is a short reason for developers; the student only ever sees
// "Fehler in Formel".
class FormulaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The value of a formula as a number text with "-" for signs, or FormulaError.
std::string f_formel(std::string_view text);

} // namespace formula
