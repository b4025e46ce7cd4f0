#include "teacher/typenames.h"

#include "model/typenames.h"

namespace teacher {

namespace {

// The model's form of a name as a text: its key in the type names' context,
// a teacher's own name ("%1") as written.
Text text(const model::Form& f)
{
    if (f.empty())
        return shown("");
    std::vector<Text> values;
    for (const std::string& value : f.values)
        values.push_back(shown(value));
    return form(f.key == "%1" ? "" : model::typeNamesContext, f.key.c_str(), std::move(values));
}

} // namespace

Text typeName(int type) { return text(model::typeName(type)); }

Text shownSensorName(int type, const std::string& name) { return text(model::shownSensorName(type, name)); }

Text sensorWithArticle(int type, const std::string& name) { return text(model::sensorWithArticle(type, name)); }

} // namespace teacher
