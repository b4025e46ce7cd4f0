#pragma once
// The seven sensor types' own names in the chosen language. A name that the
// teacher's file gives a type is shown as the teacher wrote it.

#include <QString>

#include <string>

namespace configreport {

// The type's own name (0..6), translated; empty for any other number.
QString typeName(int type);

// `name` as a window or report shows it: the type's own name translated,
// any other name as written.
QString shownSensorName(int type, const std::string& name);

// The sensor as the object of "Es handelt sich um …": the type's own name
// with its article ("einen NTC-Widerstand", "eine Si-Diode …", "ein
// Thermoelement"); a name the teacher gave stands without one.
QString sensorWithArticle(int type, const std::string& name);

} // namespace configreport
