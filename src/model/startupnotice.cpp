#include "model/startupnotice.h"

#include "model/configreasontext.h"
#include "model/configtext.h"
#include "model/form.h"

#include <algorithm>

namespace model {

namespace {

constexpr const char* report = "configreport";

Phrase plain(std::string text) { return {{}, std::move(text), {}}; }

// Two phrases with `separator` between them.
Phrase joined(Phrase a, Phrase b, const char* separator)
{
    return {{}, std::string("%1") + separator + "%2", {std::move(a), std::move(b)}};
}

Phrase joinedAll(std::vector<Phrase> parts, const char* separator)
{
    if (parts.empty())
        return plain({});
    Phrase out = std::move(parts.front());
    for (std::size_t i = 1; i < parts.size(); ++i)
        out = joined(std::move(out), std::move(parts[i]), separator);
    return out;
}

} // namespace

Phrase reasonsPhrase(const std::vector<ConfigReason>& reasons)
{
    std::vector<Phrase> parts;
    for (const ConfigReason& r : reasons) {
        const ReasonRow* row = reasonRow(r.key);
        std::vector<Phrase> values;
        for (const std::string& v : r.values)
            values.push_back(plain(v));
        Phrase sentence{"ConfigReason", row ? row->full : "", std::move(values)};
        parts.push_back(r.keyword.empty() ? std::move(sentence)
                                          : joined(plain("\"" + r.keyword + "\": "), std::move(sentence), ""));
    }
    return joinedAll(std::move(parts), "; ");
}

namespace {

// A line of the message for a hidden choice: the number and what went
// wrong, each kind once.
Phrase briefPhrase(const ConfigProblem& p)
{
    std::vector<std::string> seen;
    std::vector<Phrase> parts;
    for (const ConfigReason& r : p.reasons) {
        const ReasonRow* row = reasonRow(r.key);
        const std::string brief = row ? row->brief : "";
        if (std::find(seen.begin(), seen.end(), brief) != seen.end())
            continue;
        seen.push_back(brief);
        parts.push_back({"ConfigReason", brief, {}});
    }
    Phrase why = joinedAll(std::move(parts), "; ");
    if (p.line <= 0)
        return why;
    return {report, QT_TRANSLATE_NOOP("configreport", "Zeile %1: %2"), {plain(std::to_string(p.line)), std::move(why)}};
}

} // namespace

Phrase problemPhrase(const ConfigProblem& p, std::size_t chars)
{
    if (p.line <= 0)
        return reasonsPhrase(p.reasons);
    Phrase text{report, QT_TRANSLATE_NOOP("configreport", "Zeile %1: "), {plain(std::to_string(p.line))}};
    if (!p.text.empty())
        text = joined(std::move(text), plain(configtext::shortened(p.text, chars) + " – "), "");
    return joined(std::move(text), reasonsPhrase(p.reasons), "");
}

std::vector<Phrase> startupNotice(const std::vector<ConfigProblem>& problems, std::size_t total, bool choiceHidden,
                                  bool exam)
{
    total = std::max(total, problems.size());
    if (total == 0)
        return {};
    // In an exam the student learns only that something is wrong, not which
    // value the teacher meant.
    if (exam)
        return {{"bench::Formexp",
                 QT_TRANSLATE_NOOP("bench::Formexp",
                                   "Die Lehrerdatei cmmup.dlx enthält Fehler. Bitte wenden Sie sich an die Aufsicht."),
                 {}}};
    std::vector<Phrase> lines;
    // A file that could not be read at all has no lines to list.
    if (std::all_of(problems.begin(), problems.end(), [](const ConfigProblem& p) { return p.line <= 0; }) &&
        total == problems.size()) {
        for (const ConfigProblem& p : problems)
            lines.push_back(problemPhrase(p));
        return lines;
    }
    lines.push_back(
        {report,
         QT_TRANSLATE_NOOP("configreport", "In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:"),
         {}});
    const std::size_t shown = std::min(problems.size(), reportedLines);
    // A shortened line keeps the box within the screen however long it was.
    for (std::size_t i = 0; i < shown; ++i)
        lines.push_back(choiceHidden ? briefPhrase(problems[i]) : problemPhrase(problems[i], 60));
    if (const std::size_t more = total - shown; more > 0)
        lines.push_back({report,
                         QT_TRANSLATE_NOOP("configreport", "… und %1 weitere Zeilen (kora --check-config zeigt alle)"),
                         {plain(std::to_string(more))}});
    if (choiceHidden)
        lines.push_back({report,
                         QT_TRANSLATE_NOOP("configreport", "Die Sensorauswahl ist verborgen, daher nennt diese Meldung "
                                                           "weder Zeilen noch Werte. Einzelheiten zeigt kora "
                                                           "--check-config."),
                         {}});
    return lines;
}

std::string sourceText(const Phrase& phrase)
{
    if (phrase.context.empty() && phrase.parts.empty())
        return phrase.key;
    std::vector<std::string> parts;
    for (const Phrase& part : phrase.parts)
        parts.push_back(sourceText(part));
    return filled(phrase.key, parts);
}

} // namespace model
