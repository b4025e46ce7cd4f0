#include "model/configtext.h"

namespace model::configtext {

namespace {

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

bool validUtf8(std::string_view t)
{
    std::size_t i = 0;
    while (i < t.size()) {
        const auto c = static_cast<unsigned char>(t[i]);
        int more = 0;
        if (c < 0x80)
            more = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(more) >= t.size() && more > 0)
            return false;
        for (int k = 1; k <= more; ++k)
            if (!continuation(static_cast<unsigned char>(t[i + static_cast<std::size_t>(k)])))
                return false;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

constexpr std::string_view replacement = "\xEF\xBF\xBD"; // U+FFFD

} // namespace

std::string toUtf8(std::string_view t)
{
    if (validUtf8(t))
        return std::string(t);
    std::string out;
    out.reserve(t.size() * 2);
    for (char ch : t) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// In UTF-8 the capitals À to Þ are C3 80 to C3 9E; all other bytes stay, so
// no multi-byte character can be torn apart.
std::string lowered(std::string t)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c >= 'A' && c <= 'Z') {
            t[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < t.size()) {
            const auto d = static_cast<unsigned char>(t[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97)
                t[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return t;
}

std::string printable(std::string_view t)
{
    std::string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto c = static_cast<unsigned char>(t[i]);
        if ((c < 0x20 && c != '\t') || c == 0x7F) {
            out += replacement;
        } else if (c == 0xC2 && i + 1 < t.size() && static_cast<unsigned char>(t[i + 1]) <= 0x9F) {
            out += replacement; // U+0080 to U+009F, the C1 controls
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string shortened(std::string_view t, std::size_t chars)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (continuation(static_cast<unsigned char>(t[i])))
            continue;
        if (count == chars)
            return std::string(t.substr(0, i)) + "…";
        ++count;
    }
    return std::string(t);
}

std::string_view head(std::string_view raw, std::size_t bytes)
{
    if (raw.size() <= bytes)
        return raw;
    std::size_t cut = bytes;
    while (cut > 0 && continuation(static_cast<unsigned char>(raw[cut])))
        --cut;
    return raw.substr(0, cut);
}

} // namespace model::configtext
