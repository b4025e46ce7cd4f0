#include "model/coursesettings.h"
#include "model/configtext.h"

#include <array>
#include <filesystem>
#include <vector>

namespace model {

namespace {

constexpr std::array<std::string_view, 4> words = {"anmeldung", "variante", "ergebnisse", "pruefung"};

std::string_view trimmed(std::string_view t)
{
    const auto first = t.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return t.substr(first, t.find_last_not_of(" \t") - first + 1);
}

// Field 1 of a line: the text between the first and the second colon.
std::string_view field1(std::string_view line)
{
    const auto colon = line.find(':');
    if (colon == std::string_view::npos)
        return {};
    const auto rest = line.substr(colon + 1);
    return rest.substr(0, rest.find(':'));
}

// Field 2 of a line: the text between the second and the third colon.
std::string_view field2(std::string_view line)
{
    const auto colon = line.find(':');
    if (colon == std::string_view::npos)
        return {};
    const auto rest = line.substr(colon + 1);
    const auto second = rest.find(':');
    return second == std::string_view::npos ? std::string_view{} : field1(rest);
}

// A value after the first "=" of `text`; `found` tells whether there was one.
std::string_view valueAfterEquals(std::string_view text, bool& found)
{
    const auto eq = text.find('=');
    found = eq != std::string_view::npos;
    return found ? trimmed(text.substr(eq + 1)) : std::string_view{};
}

ConfigReason reason(Reason key, std::vector<std::string> values = {}) { return {key, std::move(values), {}}; }

// A value quoted in a reason: at most 24 bytes of it.
// A quoted value is cut by characters, never inside a UTF-8 sequence.
std::string shown(std::string_view t) { return configtext::shortened(configtext::printable(t), 24); }

} // namespace

std::string_view courseKeyword(std::string_view lowered)
{
    std::string_view head = lowered.substr(0, lowered.find(':'));
    if (head.substr(0, 3) == "\xEF\xBB\xBF")
        head.remove_prefix(3); // the mark some editors put before the first line
    head = trimmed(head);
    for (std::string_view w : words)
        if (head == w)
            return w;
    return {};
}

std::optional<ConfigReason> applyCourseLine(std::string_view keyword, std::string_view lowered,
                                            std::string_view written, CourseSettings& settings)
{
    if (lowered.find(':') == std::string_view::npos)
        return reason(Reason::FieldMissing, {"1"});
    if (keyword == "anmeldung") {
        if (trimmed(field1(lowered)) != "pflicht")
            return reason(Reason::SignInValue, {shown(trimmed(field1(lowered)))});
        settings.anmeldung = true;
        if (const auto digits = trimmed(field2(lowered)); !digits.empty()) {
            bool found = false;
            const auto n = valueAfterEquals(digits, found);
            const bool named = trimmed(digits.substr(0, digits.find('='))) == "stellen";
            if (!found || !named || !hasDigits(n, static_cast<int>(n.size())) || n.size() > 2 ||
                std::stoi(std::string(n)) < 1 || std::stoi(std::string(n)) > 20)
                return reason(Reason::DigitsValue, {shown(digits)});
            settings.stellen = std::stoi(std::string(n));
        }
    } else if (keyword == "pruefung") {
        const auto value = trimmed(field1(lowered));
        if (value == "on")
            settings.pruefung = true;
        else if (value != "off")
            return reason(Reason::ExamValue, {shown(value)});
    } else if (keyword == "variante") {
        bool found = false;
        const auto key = valueAfterEquals(field1(lowered), found);
        if (!found)
            return reason(Reason::EqualsMissing, {"1"});
        if (key.empty())
            return reason(Reason::VariantKeyMissing);
        settings.schluessel = std::string(key);
    } else if (keyword == "ergebnisse") {
        // The path runs to the end of the line: it may hold a colon itself.
        bool found = false;
        const auto path = valueAfterEquals(written.substr(written.find(':') + 1), found);
        if (!found)
            return reason(Reason::EqualsMissing, {"1"});
        if (path.empty())
            return reason(Reason::ResultFolderMissing);
        settings.ergebnisse = std::string(path);
    }
    return std::nullopt;
}

std::string resultFolder(const CourseSettings& settings, const std::string& configFolder)
{
    if (settings.ergebnisse.empty())
        return {};
    const std::filesystem::path written(settings.ergebnisse);
    if (written.is_absolute())
        return written.lexically_normal().string();
    return std::filesystem::absolute(std::filesystem::path(configFolder) / written).lexically_normal().string();
}

bool validMatrikel(std::string_view id)
{
    if (id.size() < 3 || id.size() > 20)
        return false;
    for (char c : id) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !(c >= '0' && c <= '9') && c != '-')
            return false;
    }
    return true;
}

bool hasDigits(std::string_view typed, int digits)
{
    const auto t = trimmed(typed);
    return !t.empty() && static_cast<int>(t.size()) == digits &&
           t.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string normalizedMatrikel(std::string_view typed)
{
    std::string out;
    for (char c : typed) {
        if (c == ' ' || c == '\t' || c == '-' || c == '/')
            continue;
        if (out.empty() && c == '0')
            continue;
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (out.empty() && typed.find('0') != std::string_view::npos)
        out.assign(1, '0');
    return out;
}

} // namespace model
