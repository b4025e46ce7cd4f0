#pragma once
// What the teacher's side says leaves the std code as texts to be worded: a
// form (a key of a translation context, with %1 ... %9 for its values, which
// are texts themselves), a value shown as written, or parts joined. The
// desktop words them with tr(), the page with the catalogue of the same .ts
// file, so both say the same sentences.

#include "model/form.h"
#include "model/startupnotice.h"

#include <string>
#include <vector>

namespace teacher {

struct Text {
    enum class Kind { Shown, Form, Joined };
    Kind kind = Kind::Shown;
    // The translation context of a form; "" for a pattern that stays as written.
    std::string context;
    // Shown: the text; Form: the German source text; Joined: what stands between the parts.
    std::string key;
    std::vector<Text> parts;
    bool operator==(const Text&) const = default;
};

inline Text shown(std::string text) { return {Text::Kind::Shown, {}, std::move(text), {}}; }
inline Text shown(long long number) { return shown(std::to_string(number)); }
inline Text form(const char* context, const char* key, std::vector<Text> values = {})
{
    return {Text::Kind::Form, context, key, std::move(values)};
}
inline Text joined(std::vector<Text> parts, std::string between = {})
{
    return {Text::Kind::Joined, {}, std::move(between), std::move(parts)};
}

// A phrase of the model as a text: a phrase without context and parts stands
// as written, any other is a form of its context ("" keeps the pattern).
Text fromPhrase(const model::Phrase& phrase);

// The text in German, the source language (for std tests and tools).
std::string german(const Text& text);

} // namespace teacher
