#pragma once
// What a teacher's file sets, as kora --check-config lists it.

#include "model/configcheck.h"

#include <QStringList>

namespace configreport {

// One row per setting ("Quellenspannung: 12 V") and per sensor type; a value
// the file does not set is marked as the start value.
QStringList settingRows(const model::ConfigCheck& check);

} // namespace configreport
