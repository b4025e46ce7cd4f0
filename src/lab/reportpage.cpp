#include "lab/reportpage.h"

#include "lab/evaluation.h"

namespace lab {

namespace {

Form shown(std::string text)
{
    return {"%1", {std::move(text)}};
}

Form keyed(const char* key, std::vector<std::string> values = {})
{
    return {key, std::move(values)};
}

} // namespace

ReportText reportText(const ReportFacts& facts, const std::string& sensorName, const std::string& date,
                      const std::string& name, const std::string& matrikel)
{
    ReportText r;
    r.date = date;
    r.exam = facts.exam;
    r.sensorname = facts.sensorType < 0 ? std::string() : sensorName;
    r.formeltext = facts.formeltext;
    r.eingabeformel = facts.eingabeformel;
    r.abweichung = facts.abweichung;
    r.withAlpha = facts.withAlpha;
    r.alpha = facts.alpha;
    r.alphaEingabe = facts.alphaEingabe;
    r.abweichungAlpha = facts.abweichungAlpha;
    r.punkte = std::to_string(facts.punkte);
    r.hoechstpunkte = std::to_string(facts.hoechstpunkte);
    r.name = name;
    r.matrikel = matrikel;
    return r;
}

Form reportTitle(const ReportText& r)
{
    if (r.name.empty())
        return keyed(QT_TRANSLATE_NOOP("evaluation::Report", "KORA - Auswertung"));
    return keyed(QT_TRANSLATE_NOOP("evaluation::Report", "KORA - Auswertung - %1"), {r.name});
}

std::vector<Form> reportWho(const ReportText& r)
{
    std::vector<Form> who;
    if (!r.name.empty())
        who.push_back(keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Name: %1"), {r.name}));
    if (!r.matrikel.empty()) {
        if (!who.empty())
            who.push_back(shown("    "));
        who.push_back(keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Matrikelnummer: %1"), {r.matrikel}));
    }
    return who;
}

std::vector<ReportItem> reportItems(const ReportText& r)
{
    std::vector<ReportItem> items;
    items.push_back({17, 1, 10, false, {shown(r.date)}});
    // Who handed the page in, in the free space beside the date.
    if (std::vector<Form> who = reportWho(r); !who.empty())
        items.push_back({3, 1, 10, false, std::move(who), 13.5});
    items.push_back(
        {3, 2, 14, true, {keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Temperaturkennlinie:   %1"), {r.sensorname})}});
    items.push_back({3, 3.8, 12, true, {keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Sensor: rote Kurve"))}});
    items.push_back({13, 3.8, 12, true, {keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Eingabe: blaue Kurve"))}});
    if (!r.exam)
        items.push_back({3, 4.5, 10, false, {shown(r.formeltext)}});
    items.push_back({13, 4.5, 10, false, {shown("f(T) = " + r.eingabeformel)}});
    items.push_back({3, 5, 10, false, {keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Abweichung: %1 %"), {r.abweichung})}});
    if (r.withAlpha) {
        if (!r.exam)
            items.push_back({3, 6, 10, false, {shown("alpha = " + r.alpha)}});
        items.push_back({13, 6, 10, false, {keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Eingabe: %1"), {r.alphaEingabe})}});
        items.push_back(
            {3, 6.5, 10, false, {keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Fehler: %1 %"), {r.abweichungAlpha})}});
    }
    items.push_back({13, 20, 14, true,
                     {keyed(QT_TRANSLATE_NOOP("evaluation::Report", "Punktzahl = %1 von %2"), {r.punkte, r.hoechstpunkte})}});
    return items;
}

} // namespace lab
