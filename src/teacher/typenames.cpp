#include "teacher/typenames.h"

#include "model/state.h"

namespace teacher {

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

// Each type's name with the article its gender asks for, in the accusative.
constexpr const char* withArticle[model::sensorTypes] = {
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen NTC-Widerstand"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen PTC-Widerstand"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen Pt 100"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen Pt 1000"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "eine Si-Diode (Flussspannung bei konstantem Strom)"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen Stromfühler"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "ein Thermoelement"),
};

constexpr const char* context = "configreport::TypeName";

} // namespace

Text typeName(int type)
{
    if (type < 0 || type >= model::sensorTypes)
        return shown("");
    return form(context, names[type]);
}

Text shownSensorName(int type, const std::string& name)
{
    if (type >= 0 && type < model::sensorTypes && name == names[type])
        return typeName(type);
    return shown(name);
}

Text sensorWithArticle(int type, const std::string& name)
{
    if (type >= 0 && type < model::sensorTypes && name == names[type])
        return form(context, withArticle[type]);
    // The teacher's own name: its gender is unknown, so it stands in quotes.
    return form("", "\u201E%1\u201C", {shown(name)});
}

} // namespace teacher
