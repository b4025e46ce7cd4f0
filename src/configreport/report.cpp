#include "configreport/report.h"

#include "configreport/reasontext.h"
#include "configreport/summary.h"
#include "configreport/typenames.h"
#include "model/sensortypes.h"
#include "numbers/numbers.h"
#include "scoring/scoring.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace configreport {

namespace {

// The context is the one lupdate gives the calls below.
QString tr(const char* text)
{
    return QCoreApplication::translate("configreport", text);
}

QString fromUtf8(const std::string& s)
{
    return QString::fromStdString(s);
}

// The largest deviation in whole percent that still earns `wanted` points.
QString limitText(double tolerance, int wanted)
{
    // Below 1 % only a deviation rounded to 0 % scores: that is every
    // deviation up to half a percent, which "bis 0 %" would hide.
    if (scoring::tolerancePercent(tolerance) < 1 && scoring::equationPoints(0, tolerance) >= wanted)
        return tr("%1 Punkte bis %2 %").arg(wanted).arg(tr("0,5"));
    int best = -1;
    for (int d = 0; d <= 100; ++d)
        if (scoring::equationPoints(d, tolerance) >= wanted)
            best = d;
    return best < 0 ? tr("%1 Punkte nie").arg(wanted) : tr("%1 Punkte bis %2 %").arg(wanted).arg(best);
}

QString pointsSection(const model::ConfigCheck& check)
{
    QString text = tr("\nPunkte für die Gleichung je Typ (Abweichung in ganzen Prozent):\n");
    for (int t = 0; t < model::sensorTypes; ++t) {
        QStringList limits;
        for (int wanted : {6, 4, 2})
            limits << limitText(check.state.toleranz[t], wanted);
        text += QStringLiteral("typ%1 %2: %3\n")
                    .arg(t)
                    .arg(typeName(t), limits.join(QStringLiteral(", ")));
    }
    return text;
}

// What the students would meet at the start: the results folder as the
// teacher's account finds it.
QString folderLine(const model::ConfigCheck& check)
{
    using Folder = model::ConfigCheck::ResultFolder;
    const QString folder = fromUtf8(model::resultFolder(check.state.course, check.folder));
    switch (check.resultFolder) {
    case Folder::Missing:
        return tr("Den Ergebnisordner %1 gibt es nicht.\n").arg(folder);
    case Folder::NotAFolder:
        return tr("Der Ergebnisordner %1 ist kein Ordner.\n").arg(folder);
    case Folder::NotWritable:
        return tr("In den Ergebnisordner %1 kann dieses Konto nicht schreiben.\n").arg(folder);
    case Folder::Fine:
        break;
    }
    return {};
}

// The right answers of the drawn variant, as the evaluation shows them.
QString answerKey(const model::ConfigCheck& check)
{
    const model::ExperimentState& s = check.state;
    const int t = s.sensortyp;
    QString key = tr("Richtige Gleichung: %1\n").arg(fromUtf8(s.formeltext[static_cast<std::size_t>(t)]));
    if (model::sensorType(t).alphaAsked) {
        const scoring::AlphaScore alpha = scoring::scoreAlpha(s, "0");
        key += tr("Richtiges alpha: %1 1/K bei %2 °C\n")
                   .arg(fromUtf8(numbers::displayText(numbers::roundSignificant(alpha.reference.alpha, 3), '.')),
                        fromUtf8(numbers::displayText(alpha.reference.celsius, '.')));
        if (alpha.other)
            key += tr("Ebenfalls richtig: alpha = %1 1/K bei %2 °C\n")
                       .arg(fromUtf8(numbers::displayText(numbers::roundSignificant(alpha.other->alpha, 3), '.')),
                            fromUtf8(numbers::displayText(alpha.other->celsius, '.')));
    }
    return key;
}

} // namespace

QString worded(const model::Phrase& phrase)
{
    if (phrase.context.empty() && phrase.parts.empty())
        return fromUtf8(phrase.key);
    const std::string pattern =
        phrase.context.empty()
            ? phrase.key
            : QCoreApplication::translate(phrase.context.c_str(), phrase.key.c_str()).toStdString();
    std::vector<std::string> parts;
    for (const model::Phrase& part : phrase.parts)
        parts.push_back(worded(part).toStdString());
    return fromUtf8(model::filled(pattern, parts));
}

QString problemLine(const model::ConfigProblem& p, qsizetype chars)
{
    return worded(model::problemPhrase(p, chars < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(chars)));
}

QString startupReport(const std::vector<model::ConfigProblem>& problems, std::size_t total, bool choiceHidden)
{
    QStringList lines;
    for (const model::Phrase& line : model::startupNotice(problems, total, choiceHidden, false))
        lines << worded(line);
    return lines.join(QLatin1Char('\r'));
}

QString checkReport(const model::ConfigCheck& check, const QString& name)
{
    using Found = model::ConfigCheck::Found;
    if (check.found == Found::Missing)
        return tr("Die Datei %1 gibt es nicht.\n").arg(name);
    if (check.found == Found::Unreadable)
        return (check.problems.empty() ? QString() : problemLine(check.problems.front())) + QLatin1Char('\n');
    using Variant = model::ConfigCheck::Variant;
    if (check.variant == Variant::BadMatrikel)
        return tr("Die Matrikelnummer \"%1\" besteht nicht aus 3 bis 20 Buchstaben, Ziffern oder \"-\".\n")
            .arg(fromUtf8(check.matrikel));
    if (check.variant == Variant::NoKey)
        return tr("Die Datei %1 hat keine Zeile variante:schluessel=…; jeder Start zieht neu.\n").arg(name);
    QString text =
        check.status == 0 && check.problems.empty()
            ? tr("Die Datei %1 enthält keine Fehler.\n").arg(name)
            : tr("In der Datei %1 wurden folgende Zeilen nicht oder nur zum Teil verwendet:\n").arg(name);
    for (const auto& p : check.problems)
        text += problemLine(p) + QLatin1Char('\n');
    for (const auto& h : check.hints)
        text += worded(model::reasonsPhrase(h.reasons)) + QLatin1Char('\n');
    text += folderLine(check);
    text += check.variant == Variant::Drawn
                ? tr("\nEinstellungen für Matrikelnummer %1:\n").arg(fromUtf8(check.matrikel))
                : tr("\nEinstellungen:\n");
    for (const auto& row : settingRows(check))
        text += row + QLatin1Char('\n');
    if (check.variant == Variant::Drawn)
        text += answerKey(check);
    return text + pointsSection(check);
}

} // namespace configreport
