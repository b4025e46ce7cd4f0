#pragma once
// One evaluation of a formula. The interpreter works by rewriting text, and
// its working state lives here rather than in globals, so that two
// evaluations can never see each other's leftovers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace formula::detail {

// Positions, lengths and counters of the interpreter are 16-bit signed
// integers, so no working text may grow beyond this many characters.
inline constexpr std::size_t maxTextLength = 32767;

class Evaluation {
public:
    // The body of f_formel: brackets innermost first, then the whole text twice.
    std::string f_formel(std::string_view formel);

    void f_ausdruck(std::string_view text);
    void f_normieren(std::string_view text);
    void f_vorzeichen();
    void f_zerlegen();
    void f_oplesen();
    void f_neuzerlegen();
    void f_rechnen();
    void f_funktionen();

    // Function procedures: a token (the name with its argument text) in,
    // the result text with "@" for signs out.
    std::string f_sinh(std::string_view token);
    std::string f_lg(std::string_view token);
    std::string f_ln(std::string_view token);
    std::string f_ld(std::string_view token);
    std::string f_arcsin(std::string_view token);
    std::string f_sin(std::string_view token);
    std::string f_arccos(std::string_view token);
    std::string f_cos(std::string_view token);
    std::string f_tan(std::string_view token);
    std::string f_atn(std::string_view token);
    std::string f_exp(std::string_view token);

    // Operator procedures: a step text "left K right" in, the result text out.
    std::string f_parallel(std::string_view step);
    std::string f_hoch(std::string_view step);
    std::string f_durch(std::string_view step);
    std::string f_mal(std::string_view step);
    std::string f_minus(std::string_view step);
    std::string f_plus(std::string_view step);

    // A place in rechentext. An operand reads the same in rechentext as in
    // trenntext, since the two differ only at separators.
    struct Span {
        std::size_t start = 0;
        std::size_t length = 0;
    };

    std::string rechentext;
    std::string trenntext;
    // trenntext cut at every "!"; after an operator step only the entries
    // before the changed place are kept and the rest is scanned on demand.
    std::vector<Span> operanden;
    // The operator characters in their order; every entry beyond them is
    // empty, which operatorEntry() reports as '\0'.
    std::vector<char> operatoren;

    // Entry i of operanden, or nothing past the last one.
    bool operandEntry(std::size_t i, std::string_view& text);
    char operatorEntry(std::size_t i);

private:
    using Procedure = std::string (Evaluation::*)(std::string_view);

    void functionPass(std::string_view name, Procedure procedure);
    void operatorPass(char op, Procedure procedure);
    double functionArgument(std::string_view token, std::string_view name, bool degrees);
    double naturalLogarithm(std::string_view token, std::string_view name);

    // The re-tokenisation after a step that rewrote rechentext from `pos`
    // on: what f_neuzerlegen would give, with the lists completed lazily.
    void retokeniseFrom(std::size_t pos);
    bool scanOperand();
    bool scanOperator();

    static constexpr std::size_t complete = std::string::npos;
    std::size_t operandScan = complete;  // where the next unscanned operand starts
    std::size_t operatorScan = complete; // where the search for the next operator goes on
    std::vector<std::size_t> operatorPositions;

    std::string scratch;     // reused buffer for replacements
    std::string step;        // the step text of the operator pass
    std::size_t stepCut = 0; // where its operator character stands
    std::string argument;    // the argument text of a function token
};

} // namespace formula::detail
