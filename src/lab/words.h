#pragma once
// The lab's texts leave it as forms, worded by the skin; keys carry the
// translation context the desktop words them in.

#include "model/form.h"

namespace lab {

using Form = model::Form;

} // namespace lab
