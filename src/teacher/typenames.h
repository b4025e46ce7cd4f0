#pragma once
// The seven sensor types' own names in the chosen language. A name that the
// teacher's file gives a type is shown as the teacher wrote it.

#include "teacher/text.h"

#include <string>

namespace teacher {

// The type's own name (0..6), to be translated; an empty text for any other number.
Text typeName(int type);

// `name` as a window or report shows it: the type's own name translated,
// any other name as written.
Text shownSensorName(int type, const std::string& name);

// The sensor as the object of "Es handelt sich um …": the type's own name
// with its article ("einen NTC-Widerstand", "eine Si-Diode …", "ein
// Thermoelement"); a name the teacher gave stands without one.
Text sensorWithArticle(int type, const std::string& name);

} // namespace teacher
