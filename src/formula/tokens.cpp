// Normalisation of signs and the cutting of rechentext into operands and
// operators.

#include "formula/evaluation.h"
#include "formula/interpreter.h"
#include "formula/textops.h"

#include <algorithm>
#include <cstdlib>

namespace formula::detail {

namespace {

// Upper case for the letters a student can type on a Western keyboard: the
// basic Latin ones and those of Latin-1 ("ä" becomes "Ä", "ÿ" becomes "Ÿ");
// "ß", "µ" and every other character stay as they are.
void toUpper(std::string& text)
{
    for (std::size_t k = 0; k < text.size(); ++k) {
        char& c = text[k];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c == '\xC3' && k + 1 < text.size()) {
            // U+00E0 to U+00FE without the division sign U+00F7, and U+00FF.
            const auto next = static_cast<unsigned char>(text[k + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) {
                text[k + 1] = static_cast<char>(next - 0x20);
            } else if (next == 0xBF) {
                text[k] = '\xC5';
                text[k + 1] = '\xB8';
            }
            ++k;
        }
    }
}

} // namespace

void Evaluation::f_normieren(std::string_view text)
{
    // Copy first: the text may be a view of rechentext itself.
    scratch.assign(text);
    rechentext.swap(scratch);
    toUpper(rechentext);

    // Each rule runs once over the whole text, on the result of the one
    // before, so "+++" leaves rule 3 as "++". The seven rules after "E-"
    // mark the signs the first eighteen missed: after "^", SINH and LD, and
    // a plus typed after "*", "/", "^" or "|".
    static constexpr std::string_view rules[][2] = {
        {"||", "|"},      {"|-", "|@"},     {"++", "+"},      {"-+", "-"},      {"+-", "-"},
        {"--", "+"},      {"*-", "*@"},     {"/-", "/@"},     {"SIN-", "SIN@"}, {"COS-", "COS@"},
        {"TAN-", "TAN@"}, {"ATN-", "ATN@"}, {"SQR-", "SQR@"}, {"LN-", "LN@"},   {"LOG-", "LOG@"},
        {"LG-", "LG@"},   {"EXP-", "EXP@"}, {"E-", "E@"},     {"^-", "^@"},     {"SINH-", "SINH@"},
        {"LD-", "LD@"},   {"*+", "*"},      {"/+", "/"},      {"^+", "^"},      {"|+", "|"},
    };
    for (const auto& rule : rules)
        replaceAll(rechentext, rule[0], rule[1], scratch);
}

void Evaluation::f_vorzeichen()
{
    if (!rechentext.empty() && rechentext[0] == '-')
        rechentext[0] = '@';
    replaceAll(rechentext, "-@", "+", scratch);
    replaceAll(rechentext, "+@", "-", scratch);
    replaceAll(rechentext, "@@", "", scratch);
}

void Evaluation::f_zerlegen()
{
    std::replace(rechentext.begin(), rechentext.end(), ',', '.');
    checkLength(rechentext);
    if (rechentext.empty())
        throw FormulaError(FormulaError::Kind::Empty, "empty expression");
    trenntext = rechentext;
    for (std::size_t k = 0; k < trenntext.size(); ++k)
        if (isSeparatorAt(rechentext, k))
            trenntext[k] = '!';
    operanden.clear();
    operandScan = 0;
    while (scanOperand()) {
    }
    // Every entry empty until f_oplesen fills them.
    operatoren.clear();
    operatorPositions.clear();
    operatorScan = complete;
}

void Evaluation::f_oplesen()
{
    operatoren.clear();
    operatorPositions.clear();
    operatorScan = 0;
    while (scanOperator()) {
    }
}

void Evaluation::f_neuzerlegen()
{
    f_zerlegen();
    f_oplesen();
}

bool Evaluation::scanOperand()
{
    if (operandScan == complete)
        return false;
    std::size_t k = operandScan;
    while (k < rechentext.size() && !isSeparatorAt(rechentext, k))
        ++k;
    operanden.push_back({operandScan, k - operandScan});
    operandScan = k < rechentext.size() ? k + 1 : complete;
    return true;
}

bool Evaluation::scanOperator()
{
    if (operatorScan == complete)
        return false;
    std::size_t k = operatorScan;
    while (k < rechentext.size() && !isOperatorAt(rechentext, k))
        ++k;
    if (k == rechentext.size()) {
        operatorScan = complete;
        return false;
    }
    operatoren.push_back(rechentext[k]);
    operatorPositions.push_back(k);
    operatorScan = k + 1;
    return true;
}

bool Evaluation::operandEntry(std::size_t i, std::string_view& text)
{
    while (i >= operanden.size() && scanOperand()) {
    }
    if (i >= operanden.size())
        return false;
    text = std::string_view(rechentext).substr(operanden[i].start, operanden[i].length);
    return true;
}

char Evaluation::operatorEntry(std::size_t i)
{
    while (i >= operatoren.size() && scanOperator()) {
    }
    return i < operatoren.size() ? operatoren[i] : '\0';
}

void Evaluation::retokeniseFrom(std::size_t pos)
{
    // Whether a character separates depends on at most two characters
    // before it and one after it, so everything before pos - 1 is cut as
    // it was. An entry survives when it ends before that place; the rest is
    // scanned again when the pass reaches it. A full re-tokenisation after
    // each of the thousands of steps of a long sum would make it cubic.
    checkLength(rechentext);
    const std::size_t changed = pos > 0 ? pos - 1 : 0;
    const auto keptOperands = std::partition_point(
        operanden.begin(), operanden.end(), [changed](Span s) { return s.start + s.length < changed; });
    operanden.erase(keptOperands, operanden.end());
    operandScan = operanden.empty() ? 0 : operanden.back().start + operanden.back().length + 1;

    const auto keptOperators = std::lower_bound(operatorPositions.begin(), operatorPositions.end(), changed);
    const auto kept = static_cast<std::size_t>(keptOperators - operatorPositions.begin());
    operatorPositions.resize(kept);
    operatoren.resize(kept);
    operatorScan = kept == 0 ? 0 : operatorPositions.back() + 1;

#ifdef KORA_FORMULA_VERIFY
    // Fuzzing builds hold the lazy lists against a full re-tokenisation.
    Evaluation full;
    full.rechentext = rechentext;
    full.f_neuzerlegen();
    Evaluation lazy = *this;
    while (lazy.scanOperand()) {
    }
    while (lazy.scanOperator()) {
    }
    const bool sameOperands =
        std::equal(lazy.operanden.begin(), lazy.operanden.end(), full.operanden.begin(), full.operanden.end(),
                   [](Span x, Span y) { return x.start == y.start && x.length == y.length; });
    if (!sameOperands || lazy.operatoren != full.operatoren ||
        lazy.operatorPositions != full.operatorPositions)
        std::abort();
#endif
}

} // namespace formula::detail
