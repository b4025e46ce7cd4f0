#pragma once
// The reports of teacher/report.h (the start-up message, the text of
// kora --check-config), worded in the chosen language.

#include "model/config.h"
#include "model/configcheck.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace configreport {

QString problemLine(const model::ConfigProblem& p, qsizetype chars = -1);
QString startupReport(const std::vector<model::ConfigProblem>& problems, std::size_t total = 0,
                      bool choiceHidden = false);
QString checkReport(const model::ConfigCheck& check, const QString& name);

} // namespace configreport
