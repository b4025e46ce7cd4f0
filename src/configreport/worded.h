#pragma once
// The teacher's texts in the chosen language: the std library's texts worded
// with tr() in the contexts their keys belong to.

#include "teacher/text.h"

#include <QString>

namespace configreport {

QString worded(const teacher::Text& text);

} // namespace configreport
