#include "evaluation/layout.h"

#include <array>

namespace evaluation {

using ui::ControlSpec;
using ui::Face;
using ui::Kind;

namespace {

constexpr ui::FontSpec sansBold975{Face::Sans, 9.75, true};

// name, kind, left, top, width, height, text, font, parent, visible, accessible name, tooltip
const std::array<ControlSpec, 17> rows = {{
    {"Labelmeldung", Kind::Label, 180, 180, 720, 240, "Labelmeldung", sansBold975, nullptr, true, "Meldung"},
    {"Listsensoren", Kind::List, 135, 2970, 3345, 1590, "", {}, nullptr, true, "Sensortypen"},
    {"Command1", Kind::Button, 135, 4770, 2580, 420, "OK", {Face::Sans, 12, true}, nullptr, false, "OK"},
    {"Labelglseite", Kind::Label, 180, 4185, 1635, 375, "Linke Seite", sansBold975, nullptr, false,
     "Linke Seite"},
    {"Textformel", Kind::TextBox, 1980, 4185, 4560, 375, "", sansBold975, nullptr, false, "Gleichung"},
    // One line under the box, just above where "OK" stood.
    {"Labelhinweis", Kind::Label, 1980, 4575, 4560, 195, "", {Face::Sans, 8.25, false}, nullptr, false,
     "Hinweis"},
    // A slip named as it is typed, under the hint, where the plot lies later.
    {"Labelkorrektur", Kind::Label, 1980, 4785, 9000, 195, "", {Face::Sans, 8.25, false}, nullptr, false,
     "Korrektur"},
    {"Frametable", Kind::Frame, 1350, 2700, 10410, 6045, "", {}, nullptr, false},
    {"Picture1", Kind::Surface, 1395, 315, 8835, 5415, "", {}, "Frametable", true, "Kennlinien"},
    {"Commanddruck", Kind::Button, 90, 7650, 1995, 465, "Ergebnisse drucken", {Face::Sans, 9, true}, nullptr,
     false, "Ergebnisse drucken"},
    {"Imagesensor_0", Kind::Image, 3500, 200, 5280, 4230, ":/sensor0_ntc.svg", {}, nullptr, false,
     "Sensorbild 1"},
    {"Imagesensor_1", Kind::ImageStretched, 3500, 200, 5130, 5490, ":/sensor1_ptc.svg", {}, nullptr, false,
     "Sensorbild 2"},
    {"Imagesensor_2", Kind::Image, 3500, 200, 2280, 3030, ":/sensor2_pt100.svg", {}, nullptr, false,
     "Sensorbild 3"},
    {"Imagesensor_3", Kind::Image, 3500, 200, 4755, 5280, ":/sensor3_pt1000.svg", {}, nullptr, false,
     "Sensorbild 4"},
    {"Imagesensor_4", Kind::Image, 3500, 200, 9780, 6060, ":/sensor4_diode.svg", {}, nullptr, false,
     "Sensorbild 5"},
    {"Imagesensor_5", Kind::ImageStretched, 3500, 200, 6720, 5070, ":/sensor5_current.svg", {}, nullptr, false,
     "Sensorbild 6"},
    {"Imagesensor_6", Kind::Image, 3500, 200, 4635, 2625, ":/sensor6_thermocouple.svg", {}, nullptr, false,
     "Sensorbild 7"},
}};

} // namespace

std::span<const ControlSpec> formantwortRows() { return rows; }

} // namespace evaluation
