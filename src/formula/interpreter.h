#pragma once
// The formula interpreter: the student's equation, with a number already in
// place of the variable T, rewritten step by step into the text of one number.

#include <stdexcept>
#include <string>
#include <string_view>

namespace formula {

// Any failure of an evaluation. The interpreter shows nothing itself: its
// caller turns the kind into a reason the student can read, and what() is
// a short English text for developers.
class FormulaError : public std::runtime_error {
public:
    enum class Kind {
        Brackets,       // a "(" without ")", or a ")" before the next "("
        Empty,          // nothing to evaluate: an empty formula or group
        TooLong,        // a working text beyond 32767 characters
        TooManyUses,    // a 22nd use of one function name in one piece
        MissingOperand, // an operator that has no right operand left
        NumberTooLarge, // a number read beyond the range of a double
        ValueTooLarge,  // a computed value beyond the range of a double
        DivisionByZero, // a / 0
        ZeroToNegative, // 0 ^ b with a negative b
        NegativeRoot,   // a negative a ^ b with a b that is not whole
        Logarithm,      // LN, LG or LD of 0 or of a negative number
        Arcsin,         // ARCSIN of 1, -1 or beyond
        Arccos,         // ARCCOS of 0 (or nearly) or beyond 1 and -1
        Parallel,       // a | b with a + b = 0
    };
    FormulaError(Kind kind, const char* what) : std::runtime_error(what), kind_(kind) {}
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// The kind's name as written in the enumeration ("DivisionByZero"), for
// test tables and the JavaScript binding, which compare kinds as text.
const char* kindName(FormulaError::Kind kind);

// The value of a formula as a number text with "-" for signs, or FormulaError.
std::string f_formel(std::string_view text);

} // namespace formula
