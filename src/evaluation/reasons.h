#pragma once
// Why a comparison stopped, as the second line under "Fehler in Formel":
// the interpreter's failures and the comparison's own, in German, with the
// temperature of the sample where it matters.

#include "formula/interpreter.h"

#include <string>
#include <string_view>

namespace evaluation {

// The comparison's own failures, after the interpreter has given a text.
enum class Fault {
    ZeroValue,  // the equation is 0, and the relative error divides by it
    NotANumber, // the result text does not begin with a number
    TooLarge,   // the equation's value is beyond what can be drawn or computed
    Deviation,  // the error sum leaves the range of a double
    SensorRange // the true characteristic itself, with extreme configured values
};

// `kelvin` is the sample's Tk as the comparison computed it; it is shown
// to one decimal with the locale's separator ("293 K", "341,2 K").
std::string formulaReason(formula::FormulaError::Kind kind, double kelvin, char separator);
std::string faultReason(Fault fault, double kelvin, std::string_view equation, char separator);

} // namespace evaluation
