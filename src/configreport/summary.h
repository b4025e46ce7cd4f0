#pragma once
// The setting rows of teacher/summary.h, worded in the chosen language.

#include "model/configcheck.h"

#include <QStringList>

namespace configreport {

QStringList settingRows(const model::ConfigCheck& check);

} // namespace configreport
