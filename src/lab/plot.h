#pragma once
// The evaluation's plot as data: the surface's horizontal scale, the scale
// labels of a comparison, the curves' colours and the plot's text
// alternative, so that every skin draws and describes the same plot.

#include "lab/words.h"

#include <string>
#include <vector>

namespace lab::plot {

// Horizontally degrees Celsius: the left edge at 20, the width 110.0625.
inline constexpr double left = 20;
inline constexpr double width = 110.0625;
// The curves' colours, indices into the 16-colour palette.
inline constexpr int truthColour = 12;  // light red
inline constexpr int answerColour = 11; // light cyan

// The plot's text alternative: the colours, the axes, and once scored the
// deviation; keys of "evaluation::Formantwort".
inline constexpr const char* colours =
    QT_TRANSLATE_NOOP("evaluation::Formantwort", "Die richtige Kurve ist rot, Ihre Kurve cyan. ");
inline constexpr const char* axes = QT_TRANSLATE_NOOP(
    "evaluation::Formantwort", "Waagerecht die Temperatur von 20 °C bis 100 °C, senkrecht 0 bis %1.");
inline constexpr const char* deviation =
    QT_TRANSLATE_NOOP("evaluation::Formantwort", " Die Abweichung Ihrer Formel beträgt %1 %.");

// A scale label: its text printed with its top at (x, height) in the
// plot's coordinates, single precision as the surface takes them.
struct Label {
    float x;
    float height;
    std::string text;
};

// The five labels from the top down for a scale of `top`, each naming its
// height with the unit (" Ohm"); the diode's stand at its fixed 1000 mV.
std::vector<Label> scaleLabels(double top, int sensorType, const std::string& unit, char separator);

// The axes' sentence's value: the scale's top with its unit.
std::string scaleTopText(double top, const std::string& unit, char separator);

} // namespace lab::plot
