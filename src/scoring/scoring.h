#pragma once
// The points of the evaluation and the arithmetic behind them, without a
// window: the type answer, the equation's deviation, and alpha. The
// evaluation window scores a run with these calls as the student answers;
// a grade export re-scores a stored run with the same calls from the
// state's values and the answers as typed:
//
//     const int type = scoring::typePoints(state, chosenType);
//     const scoring::Comparison eq = scoring::scoreEquation(state, equation); // comparison.h
//     const scoring::AlphaScore al = scoring::scoreAlpha(state, alphaText);
//     total = type + eq.points + al.points;  // out of maximumPoints(state.sensortyp)
//
// The state must hold the values the student measured: start values, the
// configuration file, f_alpha and sensortyp.

#include "model/state.h"

#include <optional>
#include <string_view>

namespace scoring {

// 2 points when the type the student chose (an index into sensorname) is
// the hidden sensor's, else 0.
int typePoints(const model::ExperimentState& s, int chosenType);

// The deviation of the equation in whole percent from the sum of squared
// relative errors: 100 x sqrt(sum / 500), halves to the even neighbour. The
// divisor is 500 although there are 400 samples; the point tables rest on it.
double equationDeviation(double sumOfSquares);

// The tolerance as a whole number of percent. 0.07 x 100 is 7.000000000000001
// in binary, which would let a deviation of exactly 7 % score; twelve
// significant digits remove that noise and keep every tolerance a teacher
// can write in the configuration file.
double tolerancePercent(double tolerance);

// Points for an equation deviation in whole percent: 2 below the tolerance,
// 4 below half of it, 6 below a quarter of it, else 0. All strict.
int equationPoints(double deviationPercent, double tolerance);

// What a sensor type can reach: 2 for the type, 6 for the equation, and 2
// for alpha where alpha is asked (the four resistive sensors).
int maximumPoints(int sensortyp);

// Whether an alpha answer with this relative deviation (a fraction) scores.
bool alphaScores(double relativeDeviation, double tolerance);

// A temperature coefficient and the temperature it belongs to.
struct AlphaAt {
    double alpha = 0;   // 1/K
    double celsius = 0; // °C
};

// The coefficient at teta of the platinum sensors (Pt 100, Pt 1000): the
// slope A of R0 + A*t relative to the resistance at teta, A / (R0 + teta*A).
// Absent for the other types, and where teta is 0 °C and it equals alpha.
std::optional<AlphaAt> platinumAlphaAtTeta(const model::ExperimentState& s);

struct AlphaScore {
    double typed = 0;     // the number read from the answer; 0 for none
    double deviation = 0; // from `reference`, in whole percent
    int points = 0;       // 2 within the type's tolerance, else 0
    AlphaAt reference;    // what the answer was scored against
    std::optional<AlphaAt> other; // a platinum sensor's second right value
};

// The alpha answer as typed ("-0.058", "3.8505E-3"), read up to the first
// character that cannot continue a number, against the hidden sensor's alpha.
// A platinum sensor's answer is scored against the nearer of its alpha at
// 0 °C and its alpha at teta, nearer by relative deviation: both are right
// readings of the question. An answer as far from both stays with 0 °C.
AlphaScore scoreAlpha(const model::ExperimentState& s, std::string_view typed);

} // namespace scoring
