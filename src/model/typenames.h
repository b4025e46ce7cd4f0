#pragma once
// The seven sensor types' own names as forms of the context
// "configreport::TypeName", worded by the skin in the chosen language. A
// name that the teacher's file gives a type is shown as the teacher wrote it.

#include "model/form.h"

#include <string>

namespace model {

inline constexpr const char* typeNamesContext = "configreport::TypeName";

// The type's own name (0..6); an empty form for any other number.
Form typeName(int type);

// `name` as a window or report shows it: the type's own name, worded,
// any other name as written ("%1").
Form shownSensorName(int type, const std::string& name);

// The sensor as the object of "Es handelt sich um …": the type's own name
// with its article ("einen NTC-Widerstand", "eine Si-Diode …", "ein
// Thermoelement"); a name the teacher gave stands in quotes, without one.
Form sensorWithArticle(int type, const std::string& name);

} // namespace model
