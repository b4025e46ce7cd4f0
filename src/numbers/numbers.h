#pragma once
// Every number the program writes or reads as text goes through this module:
// the display text of a value, the fixed patterns of the instruments, the
// reading of a leading number and rounding half to even. The decimal
// separator of displayed numbers comes in as a parameter, so the module
// needs no locale of its own; the interpreter always passes '.'.

#include <string>
#include <string_view>

namespace numbers {

// A value with at most 15 significant digits (the nearest such value), no
// trailing zeros, no trailing separator, no thousands separators; exponent
// form ("5E-05", "2.5E+17") when the decimal exponent is below -4 or above
// 14. A negative zero is written "0". Non-finite values give "0": they
// must never reach a student's screen, and callers check before they get here.
std::string displayText(double value, char separator);

// The interpreter's own number text: displayText with '.'.
inline std::string formulaText(double value) { return displayText(value, '.'); }

// Fixed-point pattern such as "000.0" or "00.00": at least `integerDigits`
// integer digits (padded with leading zeros, more when the number needs
// them), exactly `decimals` decimals, a leading '-' before the padded digits
// for a negative value. The value is rounded to `decimals` places first,
// halves to the even neighbour. A value that rounds to zero has no sign.
std::string patternText(double value, int integerDigits, int decimals, char separator);

// A value with exactly `decimals` places and '.', a value exactly halfway
// going away from zero: the class overview has always written its figures
// so (0.25 gives "0.3"), while the instruments' patterns round halves to even.
std::string fixedHalfAway(double value, int decimals);

// Result of reading the number at the start of a text.
struct Reading {
    double value = 0.0;   // 0 when the text has no leading number
    bool overflow = false; // the literal lies beyond the range of a double
    bool found = false;    // at least one digit was read
    std::size_t length = 0; // characters read, blanks between and after included
};

// The leading number of a text: blanks, tabs and line feeds are skipped
// wherever they stand (a carriage return ends the number); then an optional
// sign, decimal digits with at most one '.', optionally 'E' or 'e' with an
// optional sign and digits. Reading stops at the first character that
// cannot continue the number. A value too small for a double reads as 0 (or
// the nearest tiny value); one too large is flagged as overflow and its
// value is +-infinity.
Reading readLeadingNumber(std::string_view text);

// Convenience: the value of readLeadingNumber (0 for no number).
inline double leadingNumber(std::string_view text) { return readLeadingNumber(text).value; }

// Rounding to a whole number, a value exactly halfway going to the even
// neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

// Rounding to `decimals` decimal places, decided on the exact binary value:
// a value exactly halfway goes to the even last digit, any other to the
// nearer candidate.
double roundDecimals(double value, int decimals);

// Rounding to `digits` significant digits (at least 1), decided on the exact
// binary value in the same way: -0.0582418 gives -0.0582, 0.0038505 gives
// 0.00385.
double roundSignificant(double value, int digits);

// The number of characters of a UTF-8 text (code points, so that the degree
// sign counts as one).
std::size_t utf8Length(std::string_view text);

} // namespace numbers
