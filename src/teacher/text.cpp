#include "teacher/text.h"

namespace teacher {

std::string german(const Text& text)
{
    switch (text.kind) {
    case Text::Kind::Shown:
        return text.key;
    case Text::Kind::Joined: {
        std::string out;
        for (std::size_t i = 0; i < text.parts.size(); ++i)
            out += (i ? text.key : std::string()) + german(text.parts[i]);
        return out;
    }
    case Text::Kind::Form:
        break;
    }
    // %1 to %9 replaced in one pass, so that a value holding "%2" stays.
    std::string out;
    const std::string& p = text.key;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i] == '%' && i + 1 < p.size() && p[i + 1] >= '1' && p[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(p[i + 1] - '1');
            out += n < text.parts.size() ? german(text.parts[n]) : std::string();
            ++i;
        } else {
            out += p[i];
        }
    }
    return out;
}

Text fromPhrase(const model::Phrase& phrase)
{
    if (phrase.context.empty() && phrase.parts.empty())
        return shown(phrase.key);
    std::vector<Text> parts;
    for (const model::Phrase& part : phrase.parts)
        parts.push_back(fromPhrase(part));
    return {Text::Kind::Form, phrase.context, phrase.key, std::move(parts)};
}

} // namespace teacher
