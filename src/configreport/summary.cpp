#include "configreport/summary.h"

#include "configreport/typenames.h"
#include "numbers/numbers.h"

#include <QCoreApplication>

#include <string>
#include <vector>

namespace configreport {

namespace {

using model::ExperimentState;

// The context is the one lupdate gives the calls below.
QString tr(const char* text)
{
    return QCoreApplication::translate("configreport::Summary", text);
}

QString fromUtf8(const std::string& s)
{
    return QString::fromStdString(s);
}

// The teacher writes numbers with a point; the check shows them so.
QString fileText(double v)
{
    return fromUtf8(numbers::displayText(v, '.'));
}

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

    QStringList rows() const
    {
        const ExperimentState& s = c_.state;
        QStringList rows;
        rows << tr("Sensor: %1").arg(sensor());
        rows << tr("Sensorauswahl: %1").arg(c_.choiceHidden ? tr("verborgen") : tr("sichtbar"));
        rows << tr("Eigenerwärmung: Schalter %1, %2")
                    .arg(c_.switchShown ? tr("angezeigt") : tr("verborgen"),
                         s.eigenerwarmung ? tr("eingeschaltet") : tr("ausgeschaltet"));
        rows << tr("Quellenspannung: %1").arg(value(&s.uquelle, start_.uquelle, " V"));
        rows << tr("Thermostat-Sollwert: %1").arg(value(&s.tsoll, start_.tsoll, " °C"));
        rows << tr("Messprotokoll: Knöpfe %1").arg(c_.journalHidden ? tr("verborgen") : tr("angezeigt"));
        rows << courseRows();
        for (int type = 0; type < model::sensorTypes; ++type)
            rows
                << QStringLiteral("typ%1 %2: %3").arg(type).arg(typeName(type), typ(type));
        return rows;
    }

private:
    // Only a file with course lines gets these rows.
    QStringList courseRows() const
    {
        const model::CourseSettings& c = c_.state.course;
        if (!c.any())
            return {};
        QStringList rows{c.stellen > 0 ? tr("Anmeldung: Name und Matrikelnummer aus genau %1 Ziffern vor dem Versuch")
                                                 .arg(c.stellen)
                                           : tr("Anmeldung: Name und Matrikelnummer vor dem Versuch")};
        if (!c.schluessel.empty())
            rows << tr("Variante: persönlich, aus dem Schlüssel \"%1\" und der Matrikelnummer")
                        .arg(fromUtf8(c.schluessel));
        if (!c.ergebnisse.empty())
            rows << tr("Ergebnisse: in den Ordner %1").arg(fromUtf8(model::resultFolder(c, c_.folder)));
        if (c.pruefung)
            rows << tr("Prüfung: Sensorauswahl und Eigenerwärmung bleiben nach der Auswertung, wie die Datei "
                       "sie einstellt");
        return rows;
    }

    const std::string* noted(const void* field) const { return c_.notes.find(c_.state, field); }

    QString value(const void* field, double startValue, const char* unit = "") const
    {
        if (const auto* t = noted(field))
            return fromUtf8(*t) + QString::fromUtf8(unit);
        return tr("%1 (Startwert)").arg(fileText(startValue) + QString::fromUtf8(unit));
    }

    QString sensor() const
    {
        const auto* t = noted(&c_.state.sensortyp);
        if (!t)
            return tr("0 (%1, Startwert)").arg(typeName(0));
        if (t->rfind("randint", 0) == 0)
            return fromUtf8(*t);
        return QStringLiteral("%1 (%2)").arg(fromUtf8(*t), typeName(c_.state.sensortyp));
    }

    QString typ(int type) const
    {
        const auto i = static_cast<std::size_t>(type);
        const ExperimentState& s = c_.state;
        QStringList items;
        bool any = false;
        for (const auto& p : parameters[i]) {
            any = any || noted(&(s.*p.field));
            items << QStringLiteral("%1 = %2").arg(QLatin1String(p.label),
                                                   value(&(s.*p.field), start_.*p.field));
        }
        const auto* name = noted(&s.sensorname[i]);
        any = any || name || noted(&s.toleranz[i]);
        if (!any)
            return tr("Startwerte");
        items << (name ? tr("Name = \"%1\"").arg(fromUtf8(*name))
                       : tr("Name = \"%1\" (Startwert)").arg(typeName(type)));
        items << tr("Toleranz = %1").arg(value(&s.toleranz[i], start_.toleranz[i]));
        return items.join(QStringLiteral(", "));
    }

    const model::ConfigCheck& c_;
    // A fresh state holds the start values.
    const ExperimentState start_{};
};

} // namespace

QStringList settingRows(const model::ConfigCheck& check)
{
    return Summary(check).rows();
}

} // namespace configreport
