#pragma once
// One evaluation of a formula. The interpreter works by rewriting text, and
// its working state lives here rather than in globals, so that two
// evaluations can never see each other's leftovers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace formula::detail {

// Every working text is indexed with 16-bit positions in the design this
// program follows, so no text may grow beyond this many characters.
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

    std::string rechentext;
    std::string trenntext;
    // Views into trenntext; valid until the next f_zerlegen.
    std::vector<std::string_view> operanden;
    // One operator character per entry, '\0' for an empty entry.
    std::vector<char> operatoren;
    std::int16_t opanzahl = 0;

private:
    using Procedure = std::string (Evaluation::*)(std::string_view);

    void functionPass(std::string_view name, Procedure procedure);
    void operatorPass(char op, Procedure procedure);
    double functionArgument(std::string_view token, std::string_view name, bool degrees);

    std::string scratch; // reused buffer for replacements
    std::string step;    // the step text of the operator pass
};

} // namespace formula::detail
