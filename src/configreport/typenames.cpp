#include "configreport/typenames.h"

#include "model/typenames.h"

#include <QCoreApplication>

namespace configreport {

namespace {

QString worded(const model::Form& f)
{
    if (f.empty())
        return {};
    QString text = QCoreApplication::translate(model::typeNamesContext, f.key.c_str());
    for (const std::string& value : f.values)
        text = text.arg(QString::fromStdString(value));
    return text;
}

} // namespace

QString typeName(int type)
{
    return worded(model::typeName(type));
}

QString shownSensorName(int type, const std::string& name)
{
    return worded(model::shownSensorName(type, name));
}

QString sensorWithArticle(int type, const std::string& name)
{
    return worded(model::sensorWithArticle(type, name));
}

} // namespace configreport
