#pragma once
// The sensor types' names of teacher/typenames.h, worded in the chosen language.

#include <QString>

#include <string>

namespace configreport {

QString typeName(int type);
QString shownSensorName(int type, const std::string& name);
QString sensorWithArticle(int type, const std::string& name);

} // namespace configreport
