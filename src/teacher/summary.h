#pragma once
// What a teacher's file sets, as kora --check-config lists it.

#include "model/configcheck.h"
#include "teacher/text.h"

#include <vector>

namespace teacher {

// One row per setting ("Quellenspannung: 12 V") and per sensor type; a value
// the file does not set is marked as the start value.
std::vector<Text> settingRows(const model::ConfigCheck& check);

} // namespace teacher
