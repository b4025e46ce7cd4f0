#include "lab/plot.h"

#include "numbers/numbers.h"

namespace lab::plot {

std::vector<Label> scaleLabels(double top, int sensorType, const std::string& unit, char separator)
{
    const bool diode = sensorType == 4;
    std::vector<Label> out;
    for (int i = 1; i <= 5; ++i) {
        const double height = diode ? 1000 - (i - 1) * 200 : (1 - (i - 1) * 0.2) * top;
        out.push_back({21.0F, static_cast<float>(height),
                       numbers::displayText((1 - (i - 1) / 5.0) * top, separator) + unit});
    }
    return out;
}

std::string scaleTopText(double top, const std::string& unit, char separator)
{
    return numbers::displayText(top, separator) + unit;
}

} // namespace lab::plot
