#pragma once
// Texts a person reads leave this library as keys: the German source text
// and its translation context, worded by the skin in the chosen language
// (tr() on the desktop, the catalogue built from the same .ts file in the
// page). The macro marks them for lupdate exactly as Qt's own does, and is
// the same definition, so that a file may include both.

#include <string>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace lab {

// A text to be worded: its key (source text with %1, %2 ... for the values)
// and the values, which are shown as they are (numbers already as texts).
struct Form {
    std::string key;
    std::vector<std::string> values;
    bool empty() const { return key.empty(); }
    bool operator==(const Form&) const = default;
};

} // namespace lab
