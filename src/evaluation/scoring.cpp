#include "evaluation/scoring.h"

#include "numbers/numbers.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

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

namespace {

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A run of capitals is readable when it splits wholly into function names
// and the variable T ("SINT" is the sine of T, "TT" two temperatures joined).
bool splitsIntoNames(std::string_view run)
{
    static constexpr std::array<std::string_view, 12> names = {
        "SINH", "LG", "LN", "LD", "ARCSIN", "SIN", "ARCCOS", "COS", "TAN", "ATN", "EXP", "T"};
    std::vector<bool> reachable(run.size() + 1, false);
    reachable[0] = true;
    for (std::size_t i = 0; i < run.size(); ++i) {
        if (!reachable[i])
            continue;
        for (std::string_view name : names)
            if (run.substr(i).starts_with(name))
                reachable[i + name.size()] = true;
    }
    return reachable[run.size()];
}

} // namespace

bool hasUnreadablePart(std::string_view equation)
{
    constexpr std::string_view degree = "°";
    constexpr std::string_view plain = "0123456789.,+-*/^|() ";
    for (std::size_t i = 0; i < equation.size();) {
        const char c = equation[i];
        if (equation.substr(i).starts_with(degree)) {
            i += degree.size();
        } else if (isLetter(c)) {
            std::size_t end = i;
            while (end < equation.size() && isLetter(equation[end]))
                ++end;
            const std::string_view run = equation.substr(i, end - i);
            // The E of an exponent stands alone between a mantissa and its
            // power: 1.5E-05, 2E3.
            const bool exponent = run == "E" && i > 0 && (isDigit(equation[i - 1]) || equation[i - 1] == '.');
            if (!exponent && !splitsIntoNames(run))
                return true;
            i = end;
        } else if (plain.find(c) != std::string_view::npos) {
            ++i;
        } else {
            return true;
        }
    }
    return false;
}

int maximumPoints(int sensortyp) { return sensortyp <= 3 ? 10 : 8; }

} // namespace evaluation
