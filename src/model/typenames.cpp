#include "model/typenames.h"

#include "model/state.h"

namespace model {

namespace {

// The same German names as the experiment's start values.
constexpr const char* names[sensorTypes] = {
    QT_TRANSLATE_NOOP("configreport::TypeName", "NTC-Widerstand"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "PTC-Widerstand"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Pt 100"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Pt 1000"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Flussspannung Si-Diode (konstanter Strom)"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Stromfühler"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "Thermoelement"),
};

// Each type's name with the article its gender asks for, in the accusative.
constexpr const char* withArticle[sensorTypes] = {
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen NTC-Widerstand"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen PTC-Widerstand"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen Pt 100"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen Pt 1000"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "eine Si-Diode (Flussspannung bei konstantem Strom)"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "einen Stromfühler"),
    QT_TRANSLATE_NOOP("configreport::TypeName", "ein Thermoelement"),
};

bool ownName(int type, const std::string& name)
{
    return type >= 0 && type < sensorTypes && name == names[type];
}

} // namespace

Form typeName(int type)
{
    if (type < 0 || type >= sensorTypes)
        return {};
    return {names[type], {}};
}

Form shownSensorName(int type, const std::string& name)
{
    return ownName(type, name) ? typeName(type) : Form{"%1", {name}};
}

Form sensorWithArticle(int type, const std::string& name)
{
    if (ownName(type, name))
        return {withArticle[type], {}};
    // The teacher's own name: its gender is unknown, so it stands in quotes.
    return {"%1", {"\u201E" + name + "\u201C"}};
}

} // namespace model
