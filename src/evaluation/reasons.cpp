#include "evaluation/reasons.h"

#include "numbers/numbers.h"

namespace evaluation {

namespace {

// The sample's temperature as the student reads it: the samples lie 0.2 K
// apart, and one decimal hides the drift of their repeated addition.
std::string at(double kelvin, char separator)
{
    return "Bei T = " + numbers::displayText(numbers::roundDecimals(kelvin, 1), separator) + " K ";
}

} // namespace

std::string formulaReason(formula::FormulaError::Kind kind, double kelvin, char sep)
{
    using Kind = formula::FormulaError::Kind;
    switch (kind) {
    case Kind::Brackets:
        return "Die Klammern passen nicht zusammen.";
    case Kind::Empty:
        return "Die Formel oder eine Klammer ist leer.";
    case Kind::TooLong:
        return "Die Formel wird beim Rechnen länger als 32767 Zeichen.";
    case Kind::TooManyUses:
        return "Eine Funktion wird mehr als 21-mal auf derselben Klammerebene verwendet.";
    case Kind::MissingOperand:
        return "Einem Rechenzeichen fehlt die Zahl dahinter.";
    case Kind::NumberTooLarge:
        return "Eine Zahl der Formel ist zu groß zum Rechnen.";
    case Kind::ValueTooLarge:
        return at(kelvin, sep) + "wird ein Zwischenergebnis zu groß zum Rechnen.";
    case Kind::DivisionByZero:
        return at(kelvin, sep) + "wird durch 0 geteilt.";
    case Kind::ZeroToNegative:
        return at(kelvin, sep) + "wird 0 mit einem negativen Exponenten potenziert.";
    case Kind::NegativeRoot:
        return at(kelvin, sep) +
               "wird eine negative Zahl mit einem nicht ganzzahligen Exponenten potenziert.";
    case Kind::Logarithm:
        return at(kelvin, sep) + "steht im Logarithmus eine Zahl kleiner oder gleich 0.";
    case Kind::Arcsin:
        return at(kelvin, sep) + "liegt das Argument von ARCSIN nicht zwischen -1 und 1.";
    case Kind::Arccos:
        return at(kelvin, sep) + "ist das Argument von ARCCOS 0 oder nicht zwischen -1 und 1.";
    case Kind::Parallel:
        return at(kelvin, sep) + "ist die Summe der beiden Werte einer Parallelschaltung (|) gleich 0.";
    }
    return {};
}

std::string faultReason(Fault fault, double kelvin, std::string_view equation, char sep)
{
    switch (fault) {
    case Fault::ZeroValue:
        return at(kelvin, sep) + "hat Ihre Gleichung den Wert 0.";
    case Fault::NotANumber:
        return "Der Ausdruck »" + std::string(equation) + "« ist keine Zahl.";
    case Fault::TooLarge:
        return at(kelvin, sep) + "ist der Wert Ihrer Gleichung zu groß.";
    case Fault::Deviation:
        return at(kelvin, sep) +
               "weicht Ihre Gleichung so stark ab, dass sich die Abweichung nicht berechnen lässt.";
    case Fault::SensorRange:
        return "Die Kennlinie des Sensors ist mit den eingestellten Werten zu groß zum Rechnen.";
    }
    return {};
}

} // namespace evaluation
