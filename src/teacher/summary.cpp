#include "teacher/summary.h"

#include "numbers/numbers.h"
#include "teacher/typenames.h"

#include <string>
#include <vector>

namespace teacher {

namespace {

using model::ExperimentState;

// The translation context the desktop has always worded these rows in.
constexpr const char* context = "configreport::Summary";

Text sentence(const char* key, std::vector<Text> values = {}) { return form(context, key, std::move(values)); }

// The teacher writes numbers with a point; the check shows them so.
Text fileText(double v, const char* unit) { return shown(numbers::displayText(v, '.') + unit); }

struct Parameter {
    const char* label;
    double ExperimentState::*field;
};

// The parameters of each type as the teacher's file names them.
const std::vector<Parameter> parameters[model::sensorTypes] = {
    {{"a", &ExperimentState::ntc_a}, {"b", &ExperimentState::ntc_b}},
    {{"a", &ExperimentState::ptc_a}, {"b", &ExperimentState::ptc_b}},
    {{"R0", &ExperimentState::pt100_r0}, {"A", &ExperimentState::pt100_a}},
    {{"R0", &ExperimentState::pt1000_r0}, {"A", &ExperimentState::pt1000_a}},
    {},
    {{"I0", &ExperimentState::strom_i0}, {"k", &ExperimentState::strom_k}},
    {{"k", &ExperimentState::thermo_k}},
};

class Summary {
public:
    explicit Summary(const model::ConfigCheck& c) : c_(c) {}

    std::vector<Text> rows() const
    {
        const ExperimentState& s = c_.state;
        std::vector<Text> rows;
        rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Sensor: %1"), {sensor()}));
        rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Sensorauswahl: %1"),
                          {c_.choiceHidden ? sentence(QT_TRANSLATE_NOOP("configreport::Summary", "verborgen"))
                                           : sentence(QT_TRANSLATE_NOOP("configreport::Summary", "sichtbar"))}));
        rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Eigenerwärmung: Schalter %1, %2"),
                          {c_.switchShown ? sentence(QT_TRANSLATE_NOOP("configreport::Summary", "angezeigt"))
                                          : sentence(QT_TRANSLATE_NOOP("configreport::Summary", "verborgen")),
                           s.eigenerwarmung ? sentence(QT_TRANSLATE_NOOP("configreport::Summary", "eingeschaltet"))
                                            : sentence(QT_TRANSLATE_NOOP("configreport::Summary", "ausgeschaltet"))}));
        rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Quellenspannung: %1"),
                          {value(&s.uquelle, start_.uquelle, " V")}));
        rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Thermostat-Sollwert: %1"),
                          {value(&s.tsoll, start_.tsoll, " °C")}));
        rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Messprotokoll: Knöpfe %1"),
                          {c_.journalHidden ? sentence(QT_TRANSLATE_NOOP("configreport::Summary", "verborgen"))
                                            : sentence(QT_TRANSLATE_NOOP("configreport::Summary", "angezeigt"))}));
        for (Text& row : courseRows())
            rows.push_back(std::move(row));
        for (int type = 0; type < model::sensorTypes; ++type)
            rows.push_back(form("", "typ%1 %2: %3", {shown(type), typeName(type), typ(type)}));
        return rows;
    }

private:
    // Only a file with course lines gets these rows.
    std::vector<Text> courseRows() const
    {
        const model::CourseSettings& c = c_.state.course;
        if (!c.any())
            return {};
        std::vector<Text> rows{
            c.stellen > 0
                ? sentence(QT_TRANSLATE_NOOP("configreport::Summary",
                                       "Anmeldung: Name und Matrikelnummer aus genau %1 Ziffern vor dem Versuch"),
                     {shown(c.stellen)})
                : sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Anmeldung: Name und Matrikelnummer vor dem Versuch"))};
        if (!c.schluessel.empty())
            rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary",
                                                "Variante: persönlich, aus dem Schlüssel \"%1\" und der Matrikelnummer"),
                              {shown(c.schluessel)}));
        if (!c.ergebnisse.empty())
            rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Ergebnisse: in den Ordner %1"),
                              {shown(model::resultFolder(c, c_.folder))}));
        if (c.pruefung)
            rows.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary",
                                                "Prüfung: Sensorauswahl und Eigenerwärmung bleiben nach der "
                                                "Auswertung, wie die Datei sie einstellt")));
        return rows;
    }

    const std::string* noted(const void* field) const { return c_.notes.find(c_.state, field); }

    Text value(const void* field, double startValue, const char* unit = "") const
    {
        if (const auto* t = noted(field))
            return shown(*t + unit);
        return sentence(QT_TRANSLATE_NOOP("configreport::Summary", "%1 (Startwert)"), {fileText(startValue, unit)});
    }

    Text sensor() const
    {
        const auto* t = noted(&c_.state.sensortyp);
        if (!t)
            return sentence(QT_TRANSLATE_NOOP("configreport::Summary", "0 (%1, Startwert)"), {typeName(0)});
        if (t->rfind("randint", 0) == 0)
            return shown(*t);
        return form("", "%1 (%2)", {shown(*t), typeName(c_.state.sensortyp)});
    }

    Text typ(int type) const
    {
        const auto i = static_cast<std::size_t>(type);
        const ExperimentState& s = c_.state;
        std::vector<Text> items;
        bool any = false;
        for (const auto& p : parameters[i]) {
            any = any || noted(&(s.*p.field));
            items.push_back(form("", "%1 = %2", {shown(p.label), value(&(s.*p.field), start_.*p.field)}));
        }
        const auto* name = noted(&s.sensorname[i]);
        any = any || name || noted(&s.toleranz[i]);
        if (!any)
            return sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Startwerte"));
        items.push_back(name ? sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Name = \"%1\""), {shown(*name)})
                             : sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Name = \"%1\" (Startwert)"),
                                  {typeName(type)}));
        items.push_back(sentence(QT_TRANSLATE_NOOP("configreport::Summary", "Toleranz = %1"),
                           {value(&s.toleranz[i], start_.toleranz[i])}));
        return joined(std::move(items), ", ");
    }

    const model::ConfigCheck& c_;
    // A fresh state holds the start values.
    const ExperimentState start_{};
};

} // namespace

std::vector<Text> settingRows(const model::ConfigCheck& check)
{
    return Summary(check).rows();
}

} // namespace teacher
