#include "scoring/scoring.h"

#include "model/sensortypes.h"
#include "numbers/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

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

std::optional<AlphaAt> platinumAlphaAtTeta(const model::ExperimentState& s)
{
    double slope = 0, r0 = 0;
    if (s.sensortyp == 2) {
        slope = s.pt100_a;
        r0 = s.pt100_r0;
    } else if (s.sensortyp == 3) {
        slope = s.pt1000_a;
        r0 = s.pt1000_r0;
    } else {
        return std::nullopt;
    }
    if (s.teta == 0)
        return std::nullopt;
    return AlphaAt{slope / (r0 + s.teta * slope), s.teta};
}

AlphaScore scoreAlpha(const model::ExperimentState& s, std::string_view typed)
{
    const int t = s.sensortyp;
    const numbers::Reading reading = numbers::readLeadingNumber(typed);
    AlphaScore score;
    // A literal beyond the range of a double is no number the student meant;
    // it counts as 0 like any other non-number.
    score.typed = reading.overflow ? 0 : reading.value;
    // The NTC's alpha is taken at teta, the PTC's holds at any temperature.
    score.reference = AlphaAt{s.alpha[t], t == 2 || t == 3 ? 0.0 : s.teta};
    if (const std::optional<AlphaAt> atTeta = platinumAlphaAtTeta(s)) {
        score.other = *atTeta;
        // Nearer as the deviation counts, relative to each value; a tie (the
        // preset 0, a negative answer) stays with the value at 0 °C.
        const auto relativeTo = [&](double a) { return std::fabs((a - score.typed) / a); };
        if (relativeTo(atTeta->alpha) < relativeTo(score.reference.alpha))
            std::swap(score.reference, *score.other);
    }
    const double a = score.reference.alpha;
    const double relative = std::fabs((a - score.typed) / a);
    score.points = alphaScores(relative, s.toleranz[t]) ? 2 : 0;
    score.deviation = numbers::roundHalfEven(100 * relative);
    return score;
}

} // namespace scoring
