#pragma once
// The comparison of the student's equation with the hidden sensor's true
// characteristic over 20..99.8 °C, as data: the samples of both curves, the
// scale's top, the sum of squared relative errors, the deviation and the
// points, or the failure that stopped it. Nothing here draws or speaks: the
// evaluation window plots the samples and turns a failure into its sentence;
// a grade export re-scores a stored equation with the same call.

#include "model/state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scoring {

// Why a comparison stopped: first the interpreter's failures, then the
// comparison's own.
enum class Reason {
    Brackets,       // a "(" without ")", or a ")" before the next "("
    Empty,          // an empty formula or group
    TooLong,        // a working text beyond 32767 characters
    TooManyUses,    // a 22nd use of one function name in one piece
    MissingOperand, // an operator without its right operand
    NumberTooLarge, // a number of the formula beyond the range of a double
    ValueTooLarge,  // an intermediate value beyond the range of a double
    DivisionByZero,
    ZeroToNegative,
    NegativeRoot,
    Logarithm,
    Arcsin,
    Arccos,
    Parallel,
    ZeroValue,   // the equation is 0, and the relative error divides by it
    NotANumber,  // a part the interpreter reads as 0, or a result that is no number
    TooLarge,    // the equation's value is beyond what can be drawn or computed
    Deviation,   // the error sum leaves the range of a double
    SensorRange, // the true characteristic itself, with extreme configured values
    Unknown,     // anything else the interpreter's work threw
};
inline constexpr int reasonCount = static_cast<int>(Reason::Unknown) + 1;

// The reason's name as written above ("ZeroValue"), for test tables and the
// JavaScript binding, which compare reasons as text.
const char* reasonName(Reason reason);

// A reason with its values: the sample's temperature where one was under
// way (0 before the first), and the equation as the student typed it.
struct Failure {
    Reason reason = Reason::Unknown;
    double kelvin = 0;
    std::string equation;
};

// One sample: the true value and, where the interpreter gave one, the
// student's. Both in the unit of the type's left-hand side.
struct Sample {
    double celsius = 0;
    double truth = 0;
    std::optional<double> answer;
};

struct Comparison {
    // The plot's top, a power of ten above the true curve; absent when the
    // comparison failed before it could be set.
    std::optional<double> scaleTop;
    // In order of temperature, as far as the run came: a failure keeps the
    // samples before it, and the failing sample's true value unless that
    // was what failed. The failing sample's own answer is there whenever the
    // interpreter gave a result, even 0 or one too large to be drawn.
    std::vector<Sample> samples;
    // The running sum of squared relative errors (y/u - 1)^2; after a
    // failure, the sum up to it.
    double sumOfSquares = 0;
    double deviation = 0; // whole percent (equationDeviation); 0 after a failure
    int points = 0;       // equationPoints for the type's tolerance; 0 after a failure
    std::optional<Failure> failure;
    // A miss (0 points) that the same equation would not be with T taken in
    // °C instead of kelvin: the slip behind it is most likely the unit.
    bool fitsInCelsius = false;
};

// Compares `equation` (capitals, as the window takes it) with the true
// characteristic of state.sensortyp: 400 samples from 20 °C in steps of
// 0.2 K added up, the student's value relative to the true one. A miss is
// compared once more with T in °C, for fitsInCelsius; its points stand.
Comparison scoreEquation(const model::ExperimentState& s, std::string_view equation);

// Whether a value can be drawn: finite and within the plot's
// single-precision coordinates. The comparison stops at any other.
bool drawable(double value);

} // namespace scoring
