// The reduction of one tokenised bracket-free text: function passes, then
// operator passes, every step writing its value back as a 15-digit text.

#include "formula/evaluation.h"
#include "formula/functions.h"
#include "formula/interpreter.h"
#include "formula/textops.h"

#include "numbers/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace formula::detail {

namespace {

// Slightly larger than pi/180; the results of SIN(30°) and its kind are
// expected with exactly this decimal.
constexpr double degreeFactor = 0.0174533;

// More uses of one name in one bracket-free piece than this fail.
constexpr std::size_t maxTokens = 21;

constexpr std::string_view degreeSign = "\xC2\xB0";

// An operand or argument with its "@" read as "-"; a literal beyond the
// range of a double fails, one below it reads as 0.
double readNumber(std::string_view text)
{
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), '@', '-');
    const numbers::Reading r = numbers::readLeadingNumber(plain);
    if (r.overflow)
        throw FormulaError(FormulaError::Kind::NumberTooLarge, "number beyond the range of a double");
    return r.value;
}

// The text a step writes into the expression, with "@" for a sign.
std::string valueText(double value)
{
    if (!std::isfinite(value))
        throw FormulaError(FormulaError::Kind::ValueTooLarge, "value beyond the range of a double");
    std::string text = numbers::formulaText(value);
    std::replace(text.begin(), text.end(), '-', '@');
    return text;
}

struct Operands {
    double a;
    double b;
};

// The step text cut at its operator character, which stands right after the
// left operand. Searching for the character would go wrong where a stray ")"
// has paired "1E" with "400": the "+" between them looks like the sign of an
// exponent, and the step would read as the single number 1E+400.
Operands splitStep(std::string_view step, std::size_t cut)
{
    cut = std::min(cut, step.size());
    const std::string_view left = step.substr(0, cut);
    const std::string_view right = cut < step.size() ? step.substr(cut + 1) : std::string_view();
    return {readNumber(left), readNumber(right)};
}

} // namespace

void Evaluation::f_rechnen()
{
    f_funktionen();
    // The order is the precedence: "|" binds tightest, division comes
    // before multiplication and subtraction before addition.
    operatorPass('|', &Evaluation::f_parallel);
    operatorPass('^', &Evaluation::f_hoch);
    operatorPass('/', &Evaluation::f_durch);
    operatorPass('*', &Evaluation::f_mal);
    operatorPass('-', &Evaluation::f_minus);
    operatorPass('+', &Evaluation::f_plus);
}

void Evaluation::f_funktionen()
{
    // Most pieces are plain numbers and operators; without a letter no pass
    // can find its name, and every pass would leave the text as it is.
    if (std::none_of(trenntext.begin(), trenntext.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        return;
    // One procedure for each name, in the order of the names.
    static constexpr std::array<Procedure, functionNames.size()> procedures = {
        &Evaluation::f_sinh,   &Evaluation::f_lg,  &Evaluation::f_ln,     &Evaluation::f_ld,
        &Evaluation::f_arcsin, &Evaluation::f_sin, &Evaluation::f_arccos, &Evaluation::f_cos,
        &Evaluation::f_tan,    &Evaluation::f_atn, &Evaluation::f_exp};
    for (std::size_t i = 0; i < functionNames.size(); ++i)
        functionPass(functionNames[i], procedures[i]);
}

void Evaluation::functionPass(std::string_view name, Procedure procedure)
{
    // Tokens come from trenntext, where a token ends at the next operator or
    // bracket; the same text stands at that place in rechentext. trenntext
    // is not touched until the pass is over, so the views stay valid.
    std::array<std::string_view, maxTokens> tokens;
    std::size_t count = 0;
    const std::string_view t(trenntext);
    for (std::size_t p = t.find(name); p != std::string_view::npos; p = t.find(name, p + 1)) {
        if (count == maxTokens)
            throw FormulaError(FormulaError::Kind::TooManyUses, "more than 21 uses of one function");
        const std::size_t end = t.find('!', p);
        tokens[count++] = t.substr(p, end == std::string_view::npos ? std::string_view::npos : end - p);
    }
    bool rewritten = false;
    for (std::size_t k = 0; k < count; ++k)
        if (replaceFirst(rechentext, tokens[k], (this->*procedure)(tokens[k])) != std::string::npos)
            rewritten = true;
    // Re-tokenising an unchanged text would give the lists it has already.
    if (rewritten)
        f_neuzerlegen();
}

void Evaluation::operatorPass(char op, Procedure procedure)
{
    while (scanOperator()) {
    }
    auto n = std::count(operatoren.begin(), operatoren.end(), op);
    bool rewritten = false;
    std::size_t i = 0;
    std::string_view left, right;
    while (n > 0) {
        // Only an oddly rewritten text could let the index run past the list.
        if (!operandEntry(i + 1, right))
            throw FormulaError(FormulaError::Kind::MissingOperand, "operator without a right operand");
        if (operatorEntry(i) == op) {
            operandEntry(i, left);
            stepCut = left.size();
            step.assign(left);
            step.push_back(op);
            step.append(right);
            const std::size_t pos = replaceFirst(rechentext, step, (this->*procedure)(step));
            --n;
            if (pos != std::string::npos) {
                retokeniseFrom(pos);
                rewritten = true;
            } else {
                // Nothing changed, so every remaining round would meet the
                // same step at the same index, compute the same value
                // without failing and again find nothing to replace.
                n = 0;
            }
        } else {
            ++i;
        }
    }
    if (rewritten)
        f_neuzerlegen();
}

double Evaluation::functionArgument(std::string_view token, std::string_view name, bool degrees)
{
    argument.assign(token);
    replaceAll(argument, name, "", scratch);
    // The degree sign is checked before reading, which stops in front of it.
    const double factor = degrees && argument.ends_with(degreeSign) ? degreeFactor : 1.0;
    return readNumber(argument) * factor;
}

std::string Evaluation::f_sinh(std::string_view token)
{
    const double x = functionArgument(token, "SINH", false);
    const double up = std::exp(x);
    const double down = std::exp(-x);
    if (!std::isfinite(up) || !std::isfinite(down))
        throw FormulaError(FormulaError::Kind::ValueTooLarge, "SINH beyond the range of a double");
    return valueText((up - down) / 2);
}

double Evaluation::naturalLogarithm(std::string_view token, std::string_view name)
{
    const double x = functionArgument(token, name, false);
    if (x <= 0)
        throw FormulaError(FormulaError::Kind::Logarithm, "logarithm of zero or a negative number");
    return std::log(x);
}

// LG and LD divide by the natural logarithm of their base rather than use
// log10 and log2, so that their last digits are those of ln x / ln b.
std::string Evaluation::f_lg(std::string_view token)
{
    return valueText(naturalLogarithm(token, "LG") / std::log(10.0));
}

std::string Evaluation::f_ln(std::string_view token)
{
    return valueText(naturalLogarithm(token, "LN"));
}

std::string Evaluation::f_ld(std::string_view token)
{
    return valueText(naturalLogarithm(token, "LD") / std::log(2.0));
}

std::string Evaluation::f_arcsin(std::string_view token)
{
    // The arc tangent form, as the student's formulas have always been
    // evaluated: it fails at +-1 and beyond.
    const double x = functionArgument(token, "ARCSIN", false);
    const double rest = 1 - x * x;
    if (rest <= 0)
        throw FormulaError(FormulaError::Kind::Arcsin, "ARCSIN argument out of range");
    return valueText(std::atan(x / std::sqrt(rest)));
}

std::string Evaluation::f_sin(std::string_view token)
{
    return valueText(std::sin(functionArgument(token, "SIN", true)));
}

std::string Evaluation::f_arccos(std::string_view token)
{
    // Arc tangent form for every x: a negative x gives a value between
    // -pi/2 and 0, not an angle in the second quadrant.
    const double x = functionArgument(token, "ARCCOS", false);
    const double rest = 1 - x * x;
    if (x == 0 || rest < 0)
        throw FormulaError(FormulaError::Kind::Arccos, "ARCCOS argument out of range");
    // Below about 5.6E-309 the quotient itself leaves the range of a double.
    const double quotient = std::sqrt(rest) / x;
    if (!std::isfinite(quotient))
        throw FormulaError(FormulaError::Kind::Arccos, "ARCCOS quotient beyond the range of a double");
    return valueText(std::atan(quotient));
}

std::string Evaluation::f_cos(std::string_view token)
{
    return valueText(std::cos(functionArgument(token, "COS", true)));
}

std::string Evaluation::f_tan(std::string_view token)
{
    // TAN catches its own faults: the empty text removes the token, and
    // "2+TAN(1E400)" still adds up to 2.
    try {
        return valueText(std::tan(functionArgument(token, "TAN", true)));
    } catch (const FormulaError&) {
        return {};
    }
}

std::string Evaluation::f_atn(std::string_view token)
{
    return valueText(std::atan(functionArgument(token, "ATN", false)));
}

std::string Evaluation::f_exp(std::string_view token)
{
    return valueText(std::exp(functionArgument(token, "EXP", false)));
}

std::string Evaluation::f_parallel(std::string_view step)
{
    // Two resistances in parallel.
    const auto [a, b] = splitStep(step, stepCut);
    if (a + b == 0)
        throw FormulaError(FormulaError::Kind::Parallel, "parallel of a and -a");
    return valueText(a * b / (a + b));
}

std::string Evaluation::f_hoch(std::string_view step)
{
    const auto [a, b] = splitStep(step, stepCut);
    if (a < 0 && b != std::trunc(b))
        throw FormulaError(FormulaError::Kind::NegativeRoot, "power without a real value");
    if (a == 0 && b < 0)
        throw FormulaError(FormulaError::Kind::ZeroToNegative, "zero to a negative power");
    return valueText(std::pow(a, b));
}

std::string Evaluation::f_durch(std::string_view step)
{
    const auto [a, b] = splitStep(step, stepCut);
    if (b == 0)
        throw FormulaError(FormulaError::Kind::DivisionByZero, "division by zero");
    return valueText(a / b);
}

std::string Evaluation::f_mal(std::string_view step)
{
    const auto [a, b] = splitStep(step, stepCut);
    return valueText(a * b);
}

std::string Evaluation::f_minus(std::string_view step)
{
    const auto [a, b] = splitStep(step, stepCut);
    return valueText(a - b);
}

std::string Evaluation::f_plus(std::string_view step)
{
    const auto [a, b] = splitStep(step, stepCut);
    return valueText(a + b);
}

} // namespace formula::detail
