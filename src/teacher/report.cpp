#include "teacher/report.h"

#include "model/configtext.h"
#include "model/sensortypes.h"
#include "numbers/numbers.h"
#include "scoring/scoring.h"
#include "teacher/reasons.h"
#include "teacher/summary.h"
#include "teacher/typenames.h"

#include <algorithm>
#include <limits>

namespace teacher {

namespace {

// The translation context the desktop has always worded these texts in.
constexpr const char* context = "configreport";

Text sentence(const char* key, std::vector<Text> values = {}) { return form(context, key, std::move(values)); }

Text reasonsText(const std::vector<model::ConfigReason>& reasons)
{
    std::vector<Text> parts;
    for (const auto& r : reasons)
        parts.push_back(r.keyword.empty() ? reasonText(r) : form("", "\"%1\": %2", {shown(r.keyword), reasonText(r)}));
    return joined(std::move(parts), "; ");
}

// A line of the message for a hidden choice: the number and what went
// wrong, each kind once.
Text briefLine(const model::ConfigProblem& p)
{
    std::vector<Text> parts;
    for (const auto& r : p.reasons)
        if (Text t = shortReasonText(r.key); std::find(parts.begin(), parts.end(), t) == parts.end())
            parts.push_back(std::move(t));
    Text why = joined(std::move(parts), "; ");
    return p.line <= 0 ? why : sentence(QT_TRANSLATE_NOOP("configreport", "Zeile %1: %2"), {shown(p.line), why});
}

// The largest deviation in whole percent that still earns `wanted` points.
Text limitText(double tolerance, int wanted)
{
    // Below 1 % only a deviation rounded to 0 % scores: that is every
    // deviation up to half a percent, which "bis 0 %" would hide.
    if (scoring::tolerancePercent(tolerance) < 1 && scoring::equationPoints(0, tolerance) >= wanted)
        return sentence(QT_TRANSLATE_NOOP("configreport", "%1 Punkte bis %2 %"),
                  {shown(wanted), sentence(QT_TRANSLATE_NOOP("configreport", "0,5"))});
    int best = -1;
    for (int d = 0; d <= 100; ++d)
        if (scoring::equationPoints(d, tolerance) >= wanted)
            best = d;
    return best < 0 ? sentence(QT_TRANSLATE_NOOP("configreport", "%1 Punkte nie"), {shown(wanted)})
                    : sentence(QT_TRANSLATE_NOOP("configreport", "%1 Punkte bis %2 %"), {shown(wanted), shown(best)});
}

Text pointsSection(const model::ConfigCheck& check)
{
    std::vector<Text> text{
        sentence(QT_TRANSLATE_NOOP("configreport", "\nPunkte für die Gleichung je Typ (Abweichung in ganzen Prozent):\n"))};
    for (int t = 0; t < model::sensorTypes; ++t) {
        std::vector<Text> limits;
        for (int wanted : {6, 4, 2})
            limits.push_back(limitText(check.state.toleranz[t], wanted));
        text.push_back(form("", "typ%1 %2: %3\n", {shown(t), typeName(t), joined(std::move(limits), ", ")}));
    }
    return joined(std::move(text));
}

// What the students would meet at the start: the results folder as the
// teacher's account finds it.
Text folderLine(const model::ConfigCheck& check)
{
    using Folder = model::ConfigCheck::ResultFolder;
    const Text folder = shown(model::resultFolder(check.state.course, check.folder));
    switch (check.resultFolder) {
    case Folder::Missing:
        return sentence(QT_TRANSLATE_NOOP("configreport", "Den Ergebnisordner %1 gibt es nicht.\n"), {folder});
    case Folder::NotAFolder:
        return sentence(QT_TRANSLATE_NOOP("configreport", "Der Ergebnisordner %1 ist kein Ordner.\n"), {folder});
    case Folder::NotWritable:
        return sentence(QT_TRANSLATE_NOOP("configreport", "In den Ergebnisordner %1 kann dieses Konto nicht schreiben.\n"),
                  {folder});
    case Folder::Fine:
        break;
    }
    return shown("");
}

Text pointText(double v) { return shown(numbers::displayText(v, '.')); }

// The right answers of the drawn variant, as the evaluation shows them.
Text answerKey(const model::ConfigCheck& check)
{
    const model::ExperimentState& s = check.state;
    const int t = s.sensortyp;
    std::vector<Text> key{sentence(QT_TRANSLATE_NOOP("configreport", "Richtige Gleichung: %1\n"),
                             {shown(s.formeltext[static_cast<std::size_t>(t)])})};
    if (model::sensorType(t).alphaAsked) {
        const scoring::AlphaScore alpha = scoring::scoreAlpha(s, "0");
        key.push_back(sentence(QT_TRANSLATE_NOOP("configreport", "Richtiges alpha: %1 1/K bei %2 °C\n"),
                         {pointText(numbers::roundSignificant(alpha.reference.alpha, 3)),
                          pointText(alpha.reference.celsius)}));
        if (alpha.other)
            key.push_back(sentence(QT_TRANSLATE_NOOP("configreport", "Ebenfalls richtig: alpha = %1 1/K bei %2 °C\n"),
                             {pointText(numbers::roundSignificant(alpha.other->alpha, 3)),
                              pointText(alpha.other->celsius)}));
    }
    return joined(std::move(key));
}

} // namespace

Text problemLine(const model::ConfigProblem& p, long chars)
{
    if (p.line <= 0)
        return reasonsText(p.reasons);
    std::vector<Text> text{sentence(QT_TRANSLATE_NOOP("configreport", "Zeile %1: "), {shown(p.line)})};
    if (!p.text.empty()) {
        const auto limit =
            chars < 0 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(chars);
        text.push_back(shown(model::configtext::shortened(p.text, limit) + " – "));
    }
    text.push_back(reasonsText(p.reasons));
    return joined(std::move(text));
}

Text startupReport(const std::vector<model::ConfigProblem>& problems, std::size_t total, bool choiceHidden)
{
    total = std::max(total, problems.size());
    if (total == 0)
        return shown("");
    // A file that could not be read at all has no lines to list.
    std::vector<Text> lines;
    if (std::all_of(problems.begin(), problems.end(),
                    [](const model::ConfigProblem& p) { return p.line <= 0; }) &&
        total == problems.size()) {
        for (const auto& p : problems)
            lines.push_back(problemLine(p));
        return joined(std::move(lines), "\r");
    }
    lines.push_back(
        sentence(QT_TRANSLATE_NOOP("configreport",
                             "In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:")));
    const std::size_t shownLines = std::min(problems.size(), model::reportedLines);
    // A shortened line keeps the box within the screen however long it was.
    for (std::size_t i = 0; i < shownLines; ++i)
        lines.push_back(choiceHidden ? briefLine(problems[i]) : problemLine(problems[i], 60));
    if (const std::size_t more = total - shownLines; more > 0)
        lines.push_back(sentence(QT_TRANSLATE_NOOP("configreport", "… und %1 weitere Zeilen (kora --check-config zeigt alle)"),
                           {shown(static_cast<long long>(more))}));
    if (choiceHidden)
        lines.push_back(sentence(QT_TRANSLATE_NOOP("configreport",
                                             "Die Sensorauswahl ist verborgen, daher nennt diese Meldung weder Zeilen "
                                             "noch Werte. Einzelheiten zeigt kora --check-config.")));
    return joined(std::move(lines), "\r");
}

Text checkReport(const model::ConfigCheck& check, const std::string& name)
{
    using Found = model::ConfigCheck::Found;
    if (check.found == Found::Missing)
        return sentence(QT_TRANSLATE_NOOP("configreport", "Die Datei %1 gibt es nicht.\n"), {shown(name)});
    if (check.found == Found::Unreadable)
        return joined({check.problems.empty() ? shown("") : problemLine(check.problems.front()), shown("\n")});
    using Variant = model::ConfigCheck::Variant;
    if (check.variant == Variant::BadMatrikel)
        return sentence(QT_TRANSLATE_NOOP("configreport",
                                    "Die Matrikelnummer \"%1\" besteht nicht aus 3 bis 20 Buchstaben, Ziffern oder \"-\".\n"),
                  {shown(check.matrikel)});
    if (check.variant == Variant::NoKey)
        return sentence(QT_TRANSLATE_NOOP("configreport",
                                    "Die Datei %1 hat keine Zeile variante:schluessel=…; jeder Start zieht neu.\n"),
                  {shown(name)});
    std::vector<Text> text{
        check.status == 0 && check.problems.empty()
            ? sentence(QT_TRANSLATE_NOOP("configreport", "Die Datei %1 enthält keine Fehler.\n"), {shown(name)})
            : sentence(QT_TRANSLATE_NOOP("configreport",
                                   "In der Datei %1 wurden folgende Zeilen nicht oder nur zum Teil verwendet:\n"),
                 {shown(name)})};
    const Text lineEnd = shown("\n");
    for (const auto& p : check.problems)
        text.push_back(joined({problemLine(p), lineEnd}));
    for (const auto& h : check.hints)
        text.push_back(joined({reasonsText(h.reasons), lineEnd}));
    text.push_back(folderLine(check));
    text.push_back(check.variant == Variant::Drawn
                       ? sentence(QT_TRANSLATE_NOOP("configreport", "\nEinstellungen für Matrikelnummer %1:\n"),
                            {shown(check.matrikel)})
                       : sentence(QT_TRANSLATE_NOOP("configreport", "\nEinstellungen:\n")));
    for (Text& row : settingRows(check))
        text.push_back(joined({std::move(row), lineEnd}));
    if (check.variant == Variant::Drawn)
        text.push_back(answerKey(check));
    text.push_back(pointsSection(check));
    return joined(std::move(text));
}

} // namespace teacher
