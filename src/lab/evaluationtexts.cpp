#include "lab/evaluationtexts.h"

#include "numbers/numbers.h"
#include "scoring/equation.h"

namespace lab {

namespace {

using scoring::Reason;

struct Sentence {
    Reason reason;
    bool atTemperature; // begins with "Bei T = ... K "
    const char* text;   // %1: the equation as typed
};

// One row per reason key; Reason::Unknown has none.
constexpr Sentence sentences[] = {
    {Reason::Brackets, false,
     QT_TRANSLATE_NOOP("evaluation::reasons", "Die Klammern passen nicht zusammen.")},
    {Reason::Empty, false,
     QT_TRANSLATE_NOOP("evaluation::reasons", "Die Formel oder eine Klammer ist leer.")},
    {Reason::TooLong, false,
     QT_TRANSLATE_NOOP("evaluation::reasons", "Die Formel wird beim Rechnen länger als 32767 Zeichen.")},
    {Reason::TooManyUses, false,
     QT_TRANSLATE_NOOP("evaluation::reasons",
                       "Eine Funktion wird mehr als 21-mal auf derselben Klammerebene verwendet.")},
    {Reason::MissingOperand, false,
     QT_TRANSLATE_NOOP("evaluation::reasons", "Einem Rechenzeichen fehlt die Zahl dahinter.")},
    {Reason::NumberTooLarge, false,
     QT_TRANSLATE_NOOP("evaluation::reasons", "Eine Zahl der Formel ist zu groß zum Rechnen.")},
    {Reason::ValueTooLarge, true,
     QT_TRANSLATE_NOOP("evaluation::reasons", "wird ein Zwischenergebnis zu groß zum Rechnen.")},
    {Reason::DivisionByZero, true, QT_TRANSLATE_NOOP("evaluation::reasons", "wird durch 0 geteilt.")},
    {Reason::ZeroToNegative, true,
     QT_TRANSLATE_NOOP("evaluation::reasons", "wird 0 mit einem negativen Exponenten potenziert.")},
    {Reason::NegativeRoot, true,
     QT_TRANSLATE_NOOP("evaluation::reasons",
                       "wird eine negative Zahl mit einem nicht ganzzahligen Exponenten potenziert.")},
    {Reason::Logarithm, true,
     QT_TRANSLATE_NOOP("evaluation::reasons", "steht im Logarithmus eine Zahl kleiner oder gleich 0.")},
    {Reason::Arcsin, true,
     QT_TRANSLATE_NOOP("evaluation::reasons", "liegt das Argument von ARCSIN nicht zwischen -1 und 1.")},
    {Reason::Arccos, true,
     QT_TRANSLATE_NOOP("evaluation::reasons", "ist das Argument von ARCCOS 0 oder nicht zwischen -1 und 1.")},
    {Reason::Parallel, true,
     QT_TRANSLATE_NOOP("evaluation::reasons",
                       "ist die Summe der beiden Werte einer Parallelschaltung (|) gleich 0.")},
    {Reason::ZeroValue, true, QT_TRANSLATE_NOOP("evaluation::reasons", "hat Ihre Gleichung den Wert 0.")},
    {Reason::NotANumber, false,
     QT_TRANSLATE_NOOP("evaluation::reasons", "Der Ausdruck »%1« ist keine Zahl.")},
    {Reason::TooLarge, true,
     QT_TRANSLATE_NOOP("evaluation::reasons", "ist der Wert Ihrer Gleichung zu groß.")},
    {Reason::Deviation, true,
     QT_TRANSLATE_NOOP("evaluation::reasons",
                       "weicht Ihre Gleichung so stark ab, dass sich die Abweichung nicht berechnen lässt.")},
    {Reason::SensorRange, false,
     QT_TRANSLATE_NOOP("evaluation::reasons",
                       "Die Kennlinie des Sensors ist mit den eingestellten Werten zu groß zum Rechnen.")},
};

// The sample's temperature as the student reads it: the samples lie 0.2 K
// apart, and one decimal hides the drift of their repeated addition.
Form at(double kelvin, char separator)
{
    return {QT_TRANSLATE_NOOP("evaluation::reasons", "Bei T = %1 K "),
            {numbers::displayText(numbers::roundDecimals(kelvin, 1), separator)}};
}

} // namespace

std::vector<Form> reasonSentence(const scoring::Failure& failure, char separator)
{
    // A word the interpreter does not know is named, with the names it does.
    const std::string word =
        failure.reason == Reason::NotANumber ? scoring::unknownWord(failure.equation) : "";
    if (!word.empty())
        return {
            Form{QT_TRANSLATE_NOOP("evaluation::reasons", "»%1« ist keine bekannte Funktion (bekannt: %2)"),
                 {word, scoring::knownFunctions()}}};
    for (const Sentence& s : sentences) {
        if (s.reason != failure.reason)
            continue;
        Form text{s.text, {}};
        if (std::string_view(s.text).find("%1") != std::string_view::npos)
            text.values.push_back(failure.equation);
        if (s.atTemperature)
            return {at(failure.kelvin, separator), text};
        return {text};
    }
    return {};
}

} // namespace lab
