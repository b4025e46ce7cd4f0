#include "model/configline.h"

#include "model/configtext.h"
#include "numbers/numbers.h"

#include <algorithm>
#include <cmath>

namespace model::configline {

namespace {

// A value as the report quotes it: no control character, at most 24 characters.
std::string quoted(std::string_view written)
{
    return configtext::shortened(configtext::printable(trimmed(written)), 24);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string fileText(double v)
{
    return numbers::displayText(v, '.');
}

void fail(Reason key, std::vector<std::string> values)
{
    throw LineError{{key, std::move(values), {}}};
}

std::vector<std::string> split(std::string_view t, char sep)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto pos = t.find(sep, start);
        parts.emplace_back(
            t.substr(start, pos == std::string_view::npos ? std::string_view::npos : pos - start));
        if (pos == std::string_view::npos)
            return parts;
        start = pos + 1;
    }
}

std::string trimmed(std::string_view t)
{
    const auto first = t.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(t.substr(first, t.find_last_not_of(" \t") - first + 1));
}

bool contains(std::string_view text, std::string_view word)
{
    return text.find(word) != std::string_view::npos;
}

Line::Line(std::string written)
    : written_(std::move(written)), lowered_(configtext::lowered(written_)), fields_(split(lowered_, ':')),
      writtenFields_(split(written_, ':'))
{
}

const std::string& Line::field(std::size_t n) const
{
    if (n >= fields_.size())
        fail(Reason::FieldMissing, {std::to_string(n)});
    return fields_[n];
}

const std::string& Line::writtenField(std::size_t n) const
{
    (void)field(n);
    return writtenFields_[n];
}

std::string Line::value(std::size_t n) const
{
    const auto parts = split(field(n), '=');
    if (parts.size() < 2)
        fail(Reason::EqualsMissing, {std::to_string(n)});
    return parts[1];
}

std::string Line::writtenValue(std::size_t n) const
{
    (void)value(n);
    return split(writtenFields_[n], '=')[1];
}

double numberOf(std::string_view text)
{
    const auto r = numbers::readLeadingNumber(text);
    if (r.overflow || !std::isfinite(r.value))
        fail(Reason::NumberTooLarge, {configtext::shortened(configtext::printable(text), 24)});
    return r.value;
}

std::optional<double> Notes::number(std::string_view value, std::string_view written)
{
    const double v = numberOf(value);
    const auto r = numbers::readLeadingNumber(value);
    const std::string rest = trimmed(value.substr(std::min(r.length, value.size())));
    if (!r.found) {
        // An empty value gives 0, as it always did.
        if (trimmed(value).empty())
            return 0.0;
        add(Reason::NoNumber, {quoted(written)});
        return std::nullopt;
    }
    if (rest.empty())
        return v;
    if (rest.size() > 1 && rest[0] == ',' && isDigit(rest[1])) {
        std::string fixed = quoted(written);
        fixed[fixed.find(',')] = '.';
        add(Reason::DecimalComma, {quoted(written), fixed});
        return std::nullopt;
    }
    add(Reason::TextAfterNumber, {quoted(written), fileText(v)});
    return v;
}

std::optional<double> Notes::tolerance(std::string_view text, std::string_view written)
{
    // "5%" or "5" is meant as a percentage; stored, it would be 500 %.
    if (!contains(text, "%")) {
        const std::size_t before = reasons_.size();
        const auto v = number(text, written);
        if (!v)
            return std::nullopt;
        if (*v > 0 && *v < 1)
            return v;
        reasons_.resize(before);
    }
    add(Reason::ToleranceNotAFraction);
    return std::nullopt;
}

bool meansHiding(std::string_view field)
{
    static const std::string_view words[] = {
        "off",       "of",        "aus",        "ausblenden", "ausgeblendet", "verbergen",
        "verborgen", "versteckt", "verstecken", "unsichtbar", "nein",         "no",
        "nicht",     "hide",      "hidden",     "false",
    };
    auto hiding = [](std::string_view w) {
        return std::find(std::begin(words), std::end(words), trimmed(w)) != std::end(words);
    };
    const auto eq = field.find('=');
    return hiding(field) || (eq != std::string_view::npos && hiding(field.substr(eq + 1)));
}

std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool looksLikeSetting(const std::string& lowered)
{
    auto isWord = [](std::string_view t) {
        const std::string w = trimmed(t);
        return !w.empty() && std::all_of(w.begin(), w.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || isDigit(c) || c == '_' || c == '-';
        });
    };
    const auto fields = split(lowered, ':');
    // "u=12" is a setting's field; "die Werte a=1 gelten" is prose.
    return fields.size() > 1 && isWord(fields[0]) &&
           std::any_of(fields.begin() + 1, fields.end(), [&](const auto& f) {
               const auto eq = f.find('=');
               return eq != std::string::npos && isWord(std::string_view(f).substr(0, eq));
           });
}

} // namespace model::configline
