#include "teacher/report.h"

#include "model/startupnotice.h"
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
    return fromPhrase(model::reasonsPhrase(reasons));
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
    return fromPhrase(
        model::problemPhrase(p, chars < 0 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(chars)));
}

// The model's phrases are the one home of the start-up message: the
// bench hands the same lines to the page.
Text startupReport(const std::vector<model::ConfigProblem>& problems, std::size_t total, bool choiceHidden)
{
    std::vector<Text> lines;
    for (const model::Phrase& line : model::startupNotice(problems, total, choiceHidden, false))
        lines.push_back(fromPhrase(line));
    return lines.empty() ? shown("") : joined(std::move(lines), "\r");
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
