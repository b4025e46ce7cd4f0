#include "configreport/typenames.h"

#include "model/state.h"

#include <QCoreApplication>

namespace configreport {

namespace {

// The same German names as the experiment's start values.
constexpr const char* names[model::sensorTypes] = {
    QT_TRANSLATE_NOOP("configreport::TypeName", "NTC-Widerstand"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "PTC-Widerstand"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Pt 100"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Pt 1000"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Flussspannung Si-Diode (konstanter Strom)"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Stromfühler"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Thermoelement"),
};

} // namespace

QString typeName(int type)
{
    if (type < 0 || type >= model::sensorTypes)
        return {};
    return QCoreApplication::translate("configreport::TypeName", names[type]);
}

QString shownSensorName(int type, const std::string& name)
{
    if (type >= 0 && type < model::sensorTypes && name == names[type])
        return typeName(type);
    return QString::fromStdString(name);
}

} // namespace configreport
