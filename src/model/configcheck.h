#pragma once
// The teacher's check of a configuration file (kora --check-config): a dry
// run of the reader's own handlers, with no window and without drawing.

#include <string>

namespace model {

struct ConfigCheck {
    int status = 0;   // 0 nothing to report, 1 problems reported, 2 missing or unreadable
    std::string text; // what to print, lines ending in "\n"
};

// Checks the file at `path`; the text calls it `name`. Every problem that
// the start would report is listed, then what the file sets.
ConfigCheck checkConfig(const std::string& path, const std::string& name);

} // namespace model
