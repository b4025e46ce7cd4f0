#include "scoring/comparison.h"

#include "formula/interpreter.h"
#include "model/characteristic.h"
#include "numbers/numbers.h"
#include "scoring/equation.h"
#include "scoring/scoring.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <exception>
#include <limits>

namespace scoring {

namespace {

// Arithmetic the comparison cannot go on with; it ends the run exactly as
// a failure inside the interpreter does.
struct Stopped : std::exception {
    explicit Stopped(Reason r) : reason(r) {}
    Reason reason;
};

Reason reasonOf(formula::FormulaError::Kind kind)
{
    using Kind = formula::FormulaError::Kind;
    switch (kind) {
    case Kind::Brackets:
        return Reason::Brackets;
    case Kind::Empty:
        return Reason::Empty;
    case Kind::TooLong:
        return Reason::TooLong;
    case Kind::TooManyUses:
        return Reason::TooManyUses;
    case Kind::MissingOperand:
        return Reason::MissingOperand;
    case Kind::NumberTooLarge:
        return Reason::NumberTooLarge;
    case Kind::ValueTooLarge:
        return Reason::ValueTooLarge;
    case Kind::DivisionByZero:
        return Reason::DivisionByZero;
    case Kind::ZeroToNegative:
        return Reason::ZeroToNegative;
    case Kind::NegativeRoot:
        return Reason::NegativeRoot;
    case Kind::Logarithm:
        return Reason::Logarithm;
    case Kind::Arcsin:
        return Reason::Arcsin;
    case Kind::Arccos:
        return Reason::Arccos;
    case Kind::Parallel:
        return Reason::Parallel;
    }
    return Reason::Unknown;
}

// The top is the next power of ten above the value's whole number: 10 to
// the number of characters of its display text.
double scaleTop(const model::ExperimentState& s)
{
    const double v = model::scaleTopValue(s, s.sensortyp);
    if (!drawable(v))
        throw Stopped(Reason::SensorRange);
    // A whole number's text holds no decimal separator, so any will do.
    const std::size_t digits = numbers::utf8Length(numbers::displayText(numbers::roundHalfEven(v), '.'));
    const double top = std::pow(10.0, static_cast<double>(digits));
    if (!drawable(top))
        throw Stopped(Reason::SensorRange);
    return top;
}

// The student's value at `celsius` + `offset` (273 for kelvin), added to
// the comparison's samples and its error sum against `truth`.
void compareSample(Comparison& c, std::string_view equation, double celsius, double offset, double truth)
{
    Sample& sample = c.samples.emplace_back(Sample{celsius, truth, std::nullopt});
    const std::string result =
        formula::f_formel(withTemperature(equation, numbers::formulaText(celsius + offset)));
    const numbers::Reading reading = numbers::readLeadingNumber(result);
    const double u = reading.overflow ? std::numeric_limits<double>::infinity() : reading.value;
    sample.answer = u;
    if (!drawable(u))
        throw Stopped(Reason::TooLarge);
    // Relative to the student's value, as the point tables expect.
    if (u == 0)
        throw Stopped(reading.found ? Reason::ZeroValue : Reason::NotANumber);
    const double ratio = truth / u;
    const double error = (ratio - 1) * (ratio - 1);
    if (!std::isfinite(ratio) || !std::isfinite(error) || !std::isfinite(c.sumOfSquares + error))
        throw Stopped(Reason::Deviation);
    c.sumOfSquares += error;
}

// The comparison with T put in as `celsius` + `offset`.
Comparison compare(const model::ExperimentState& s, std::string_view equation, double offset)
{
    Comparison c;
    double kelvin = 0; // the sample under way, for the failure
    std::optional<Reason> stop;
    try {
        // A left-hand side typed along, or a name the interpreter does not
        // know, would count as 0 at every sample.
        if (hasUnreadablePart(equation))
            throw Stopped(Reason::NotANumber);
        c.scaleTop = scaleTop(s);
        // Repeated addition on purpose: its drift gives 400 samples, 20 to
        // 99.8 °C, and the kelvin texts the students' equations see.
        for (double t = 20.0; t <= 100; t += 0.2) {
            kelvin = t + 273;
            const double y = model::trueCharacteristic(s, s.sensortyp, t);
            if (!drawable(y))
                throw Stopped(Reason::SensorRange);
            compareSample(c, equation, t, offset, y);
        }
    } catch (const formula::FormulaError& e) {
        stop = reasonOf(e.kind());
    } catch (const Stopped& e) {
        stop = e.reason;
    } catch (const std::exception&) {
        stop = Reason::Unknown;
    }
    if (stop) {
        c.failure = Failure{*stop, kelvin, std::string(equation)};
        return c;
    }
    c.deviation = equationDeviation(c.sumOfSquares);
    c.points = equationPoints(c.deviation, s.toleranz[s.sensortyp]);
    return c;
}

} // namespace

bool drawable(double value)
{
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

Comparison scoreEquation(const model::ExperimentState& s, std::string_view equation)
{
    Comparison c = compare(s, equation, 273);
    if (!c.failure && c.points == 0)
        c.fitsInCelsius = compare(s, equation, 0).points > 0;
    return c;
}

const char* reasonName(Reason reason)
{
    static constexpr std::array<const char*, reasonCount> names{
        "Brackets",       "Empty",         "TooLong",        "TooManyUses",    "MissingOperand",
        "NumberTooLarge", "ValueTooLarge", "DivisionByZero", "ZeroToNegative", "NegativeRoot",
        "Logarithm",      "Arcsin",        "Arccos",         "Parallel",       "ZeroValue",
        "NotANumber",     "TooLarge",      "Deviation",      "SensorRange",    "Unknown"};
    return names.at(static_cast<std::size_t>(reason));
}

} // namespace scoring
