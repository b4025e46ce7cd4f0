#pragma once
// Why a line of the configuration file was not (fully) used, as texts to
// be worded; the sentences stand in the model's one table.

#include "model/configreason.h"
#include "model/configreasontext.h"
#include "teacher/text.h"

namespace teacher {

// The reason with its values, as `kora --check-config` and the start-up
// message show it ("die Sensornummer 9 liegt nicht zwischen 0 und 6").
Text reasonText(const model::ConfigReason& reason);

// The same without any value and without naming a sensor type, for the
// start-up message of a file that hides the sensor choice from the students.
Text shortReasonText(model::Reason key);

// The sentences of one key as they stand in the model's one table,
// untranslated (nullptr where the table has no row).
using model::ReasonRow;
using model::reasonRow;

} // namespace teacher
