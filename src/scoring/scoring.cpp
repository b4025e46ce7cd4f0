#include "scoring/scoring.h"

#include "model/sensortypes.h"
#include "numbers/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace scoring {

int typePoints(const model::ExperimentState& s, int chosenType)
{
    return chosenType == s.sensortyp ? 2 : 0;
}

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

int maximumPoints(int sensortyp)
{
    return model::sensorType(sensortyp).alphaAsked ? 10 : 8;
}

bool alphaScores(double relativeDeviation, double tolerance)
{
    return relativeDeviation < tolerance;
}

AlphaScore scoreAlpha(const model::ExperimentState& s, std::string_view typed)
{
    const int t = s.sensortyp;
    const numbers::Reading reading = numbers::readLeadingNumber(typed);
    AlphaScore score;
    // A literal beyond the range of a double is no number the student meant;
    // it counts as 0 like any other non-number.
    score.typed = reading.overflow ? 0 : reading.value;
    const double a = s.alpha[t];
    const double relative = std::fabs((a - score.typed) / a);
    score.points = alphaScores(relative, s.toleranz[t]) ? 2 : 0;
    score.deviation = numbers::roundHalfEven(100 * relative);
    return score;
}

} // namespace scoring
