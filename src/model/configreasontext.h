#pragma once
// The one table of the sentences that tell the teacher why a line of the
// configuration file was not (fully) used: keys of the context
// "ConfigReason", worded by the skin.

#include "model/configreason.h"

#include <string>
#include <vector>

namespace model {

// The sentences of one key (nullptr where the table has no row).
struct ReasonRow {
    Reason key;
    const char* full;  // %1, %2: the reason's values
    const char* brief; // no value and no sensor type: students may read it
};
const ReasonRow* reasonRow(Reason key);

// %1 to %9 replaced by the values in one pass, so that a value holding "%2"
// stays as it is; a missing value gives nothing.
std::string filled(const std::string& pattern, const std::vector<std::string>& values);

} // namespace model
