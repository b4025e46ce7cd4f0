#pragma once
// Why a line of the configuration file was not (fully) used, in the
// teacher's language; the table itself is the std library's.

#include "model/configreason.h"
#include "teacher/reasons.h"

#include <QString>

namespace configreport {

// The sentences of teacher/reasons.h, worded in the chosen language.
QString reasonText(const model::ConfigReason& reason);
QString shortReasonText(model::Reason key);

// The sentences of one key as they stand in the std library's table.
using teacher::ReasonRow;
using teacher::reasonRow;

} // namespace configreport
