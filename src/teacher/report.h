#pragma once
// What the teacher reads about the configuration file: the message at the
// start and the text of kora --check-config, as texts to be worded.

#include "model/config.h"
#include "model/configcheck.h"
#include "teacher/text.h"

#include <cstddef>
#include <vector>

namespace teacher {

// One problem as a line of a report: "Zeile 3: basic:u=1 – ...". The line's
// text is cut to `chars` characters (-1: whole).
Text problemLine(const model::ConfigProblem& p, long chars = -1);

// The teacher's message at start-up listing the first problems (an empty
// text when there are none); `total` counts those that were not kept. While
// the file hides the sensor choice the students may read the message, so it
// then gives line numbers and short reasons only, and points to the check.
// Its lines stand between CR line breaks.
Text startupReport(const std::vector<model::ConfigProblem>& problems, std::size_t total = 0,
                   bool choiceHidden = false);

// The text of kora --check-config for the file the check calls `name`;
// lines end in "\n". The points per type follow the evaluation's own rule.
Text checkReport(const model::ConfigCheck& check, const std::string& name);

} // namespace teacher
