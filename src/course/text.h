#pragma once
// The course's texts in the chosen language. German is written in the
// sources; the translation installed on the application gives the rest.

#include "grading/words.h"

#include <QString>

namespace course {

// `text` in the chosen language. Calls of it carry the context "course".
QString tr(const char* text);

// A form of the grading library worded in the chosen language.
QString worded(const grading::Form& form);

// The grading library's words: the application's translation.
const grading::Words& words();

} // namespace course
