#pragma once
// The grade export's texts leave this library as forms or as keys (the
// German source text) with their context, worded by the skin in the chosen
// language: tr() on the desktop, the catalogue built from the same .ts
// file on the page. Most texts are of the context "course".

#include "model/form.h"

#include <string>
#include <string_view>
#include <vector>

namespace grading {

using Form = model::Form;

// The skin's words.
class Words {
public:
    virtual ~Words() = default;
    // `key` of `context` in the chosen language; the key itself where the
    // language has no other text for it.
    virtual std::string text(const char* context, const std::string& key) const = 0;
};

// German as written in the sources: every key is its own text.
class SourceWords : public Words {
public:
    std::string text(const char*, const std::string& key) const override { return key; }
};

// `text` with %1 ... %9 replaced by `values` at once; a value is never read
// for markers again.
std::string filled(std::string_view text, const std::vector<std::string>& values);

// A key of the context "course" in the chosen language.
std::string tr(const Words& words, const char* key);

// A form of the context "course" worded.
std::string worded(const Words& words, const Form& form);

// A sensor's name as the overview shows it: the type's own name in the
// chosen language, a name the teacher gave as written.
std::string shownSensorName(const Words& words, int type, const std::string& name);

} // namespace grading
