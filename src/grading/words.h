#pragma once
// Texts a teacher reads leave this library as forms: the German source text
// (context "course") with %1, %2 ... for the values, worded by the skin in
// the chosen language. The macro marks them for lupdate as Qt's own does.

#include <string>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace grading {

struct Form {
    std::string key;
    std::vector<std::string> values;
    bool empty() const { return key.empty(); }
    bool operator==(const Form&) const = default;
};

} // namespace grading
