#pragma once
// The evaluation's arithmetic that needs no window: the points for the
// equation and for alpha, and the equation text with the temperature put in.

#include <string>
#include <string_view>

namespace evaluation {

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

// What a sensor type can reach: the four resistive ones are also asked for
// alpha, 2 + 6 + 2 points; the others 2 + 6.
int maximumPoints(int sensortyp);

// Whether an alpha answer with this relative deviation (a fraction) scores.
bool alphaScores(double relativeDeviation, double tolerance);

// The equation with every T that stands for the variable replaced by
// `kelvin`; the T of the function names TAN and ATN stays.
std::string withTemperature(std::string_view equation, std::string_view kelvin);

// Whether the equation holds a part that the interpreter can only read as 0:
// letters that are neither the variable T, a function name nor the E of an
// exponent ("R(T)=0,4*T+25" typed with its left-hand side, PI, SQR), or a
// character that belongs to no number, operator or bracket. Such a part
// would silently count as 0 and score a right idea as nothing.
bool hasUnreadablePart(std::string_view equation);

} // namespace evaluation
