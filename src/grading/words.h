#pragma once
// The grade export's texts leave this library as forms in the context
// "course", worded by the skin in the chosen language.

#include "model/form.h"

namespace grading {

using Form = model::Form;

} // namespace grading
