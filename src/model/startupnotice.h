#pragma once
// The message about the teacher's file at the start, as phrases: a key of
// its translation context whose %1, %2 ... take the parts, each a phrase
// again. Either skin words the same phrases, so that the desktop's box and
// the page's say the same.

#include "model/config.h"

#include <cstddef>
#include <string>
#include <vector>

namespace model {

// A phrase without context and parts is text as it stands (a "%1" in it
// stays); any other has its %1 ... %9 filled from its parts in one pass.
struct Phrase {
    std::string context; // empty: the key is not translated
    std::string key;
    std::vector<Phrase> parts;
    bool operator==(const Phrase&) const = default;
};

// The reasons of a line, each with "\"keyword\": " before it where a
// keyword's handler met it, "; " between them.
Phrase reasonsPhrase(const std::vector<ConfigReason>& reasons);

// One problem as a line of a report: "Zeile 3: basic:u=1 – ..."; the
// line's text cut to `chars` characters (max: whole).
Phrase problemPhrase(const ConfigProblem& p, std::size_t chars = static_cast<std::size_t>(-1));

// The lines of the message at the start (none when there are no problems);
// `total` counts those that were not kept. While the file hides the sensor
// choice the students may read it, so it then gives line numbers and short
// reasons only; in an exam it says only that something is wrong.
std::vector<Phrase> startupNotice(const std::vector<ConfigProblem>& problems, std::size_t total, bool choiceHidden,
                                  bool exam);

// A phrase in the source language.
std::string sourceText(const Phrase& phrase);

} // namespace model
