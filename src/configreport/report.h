#pragma once
// What the teacher reads about the configuration file: the message at the
// start and the text of kora --check-config.

#include "model/config.h"
#include "model/configcheck.h"
#include "model/startupnotice.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace configreport {

// A phrase of the model in the teacher's language.
QString worded(const model::Phrase& phrase);

// One problem as a line of a report: "Zeile 3: basic:u=1 – ...". The line's
// text is cut to `chars` characters (-1: whole).
QString problemLine(const model::ConfigProblem& p, qsizetype chars = -1);

// The teacher's message at start-up listing the first problems ("" when
// there are none); `total` counts those that were not kept. While the file
// hides the sensor choice the students may read the message, so it then
// gives line numbers and short reasons only, and points to the check.
QString startupReport(const std::vector<model::ConfigProblem>& problems, std::size_t total = 0,
                      bool choiceHidden = false);

// The text of kora --check-config for the file the check calls `name`;
// lines end in "\n". The points per type follow the evaluation's own rule.
QString checkReport(const model::ConfigCheck& check, const QString& name);

} // namespace configreport
