#pragma once
// The teacher's page's own texts, by the id of the element that shows them:
// keys of one translation context, so that the page words them from the same
// catalogue as every other text, and a Matrikelnummer list read as the page
// reads it.

#include <string>
#include <string_view>
#include <vector>

namespace teacher {

struct PageText {
    const char* id;
    const char* key;
};

inline constexpr const char* pageContext = "lehrer::Formlehrer";

const std::vector<PageText>& pageTexts();

// The Matrikelnummern in a pasted list or a CSV file: every word of letters,
// digits and "-" that holds a digit (so that a header or a name is no
// number), each once, in the order they stand.
std::vector<std::string> matrikelList(std::string_view text);

} // namespace teacher
