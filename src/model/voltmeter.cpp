#include "model/voltmeter.h"

#include "numbers/numbers.h"

#include <cmath>

namespace model {

std::optional<std::string> voltmeterText(float u, double messbereich, char sep)
{
    const float x = static_cast<float>(static_cast<double>(u) * messbereich);
    // One-sided: a negative reading is never over range.
    if (x > 19.99f)
        return std::string(overRangeText);
    if (messbereich == 0.1) {
        const double y = x / 0.1;
        const float v = static_cast<float>(numbers::roundDecimals(y, 1));
        return numbers::patternText(v, 3, 1, sep) + " V";
    }
    if (messbereich == 1.0) {
        const float v = static_cast<float>(numbers::roundDecimals(x, 2));
        return numbers::patternText(v, 2, 2, sep) + " V";
    }
    if (messbereich == 10.0) {
        const double y = x / 10.0;
        const float v = static_cast<float>(numbers::roundDecimals(y, 3));
        return numbers::patternText(v, 1, 3, sep) + " V";
    }
    if (messbereich == 100.0) {
        const float y = x * 10.0f; // millivolts, in single precision
        const float v = static_cast<float>(numbers::roundDecimals(y, 1));
        return numbers::patternText(v, 3, 1, sep) + " mV";
    }
    return std::nullopt;
}

double rangeForPosition(int p) { return std::pow(10.0, p - 1); }

std::string rangeName(int p)
{
    static const char* const names[] = {"200 V", "20 V", "2 V", "200 mV"};
    return p >= 0 && p < 4 ? names[p] : "";
}

} // namespace model
