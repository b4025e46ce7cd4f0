#include "evaluation/scoring.h"

#include "numbers/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace evaluation {

double equationDeviation(double sumOfSquares)
{
    return numbers::roundHalfEven(100 * std::sqrt(sumOfSquares / 500));
}

double tolerancePercent(double tolerance)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.12g", tolerance * 100);
    return std::strtod(text, nullptr);
}

int equationPoints(double deviationPercent, double tolerance)
{
    const double limit = tolerancePercent(tolerance);
    int points = 0;
    if (deviationPercent < limit)
        points = 2;
    if (2 * deviationPercent < limit)
        points = 4;
    if (4 * deviationPercent < limit)
        points = 6;
    return points;
}

bool alphaScores(double relativeDeviation, double tolerance) { return relativeDeviation < tolerance; }

std::string withTemperature(std::string_view equation, std::string_view kelvin)
{
    std::string out;
    out.reserve(equation.size() + 16 * 4);
    for (std::size_t i = 0; i < equation.size();) {
        const std::string_view rest = equation.substr(i);
        if (rest.starts_with("TAN") || rest.starts_with("ATN")) {
            out += rest.substr(0, 3);
            i += 3;
        } else if (equation[i] == 'T') {
            out += kelvin;
            ++i;
        } else {
            out += equation[i];
            ++i;
        }
    }
    return out;
}

int maximumPoints(int sensortyp) { return sensortyp <= 3 ? 10 : 8; }

} // namespace evaluation
