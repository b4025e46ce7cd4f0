#include "configreport/worded.h"

#include "configreport/reasontext.h"
#include "configreport/report.h"
#include "configreport/summary.h"
#include "configreport/typenames.h"
#include "teacher/reasons.h"
#include "teacher/report.h"
#include "teacher/summary.h"
#include "teacher/typenames.h"

#include <QCoreApplication>

namespace configreport {

QString worded(const teacher::Text& text)
{
    using Kind = teacher::Text::Kind;
    if (text.kind == Kind::Shown)
        return QString::fromStdString(text.key);
    if (text.kind == Kind::Joined) {
        QString out;
        const QString between = QString::fromStdString(text.key);
        for (std::size_t i = 0; i < text.parts.size(); ++i)
            out += (i ? between : QString()) + worded(text.parts[i]);
        return out;
    }
    const QString pattern = text.context.empty()
                                ? QString::fromStdString(text.key)
                                : QCoreApplication::translate(text.context.c_str(), text.key.c_str());
    // %1 to %9 replaced in one pass, so that a value holding "%2" stays as it is.
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1] >= QLatin1Char('1') &&
            pattern[i + 1] <= QLatin1Char('9')) {
            const auto n = static_cast<std::size_t>(pattern[i + 1].unicode() - '1');
            out += n < text.parts.size() ? worded(text.parts[n]) : QString();
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString reasonText(const model::ConfigReason& reason) { return worded(teacher::reasonText(reason)); }

QString shortReasonText(model::Reason key) { return worded(teacher::shortReasonText(key)); }

QString problemLine(const model::ConfigProblem& p, qsizetype chars)
{
    return worded(teacher::problemLine(p, static_cast<long>(chars)));
}

QString startupReport(const std::vector<model::ConfigProblem>& problems, std::size_t total, bool choiceHidden)
{
    return worded(teacher::startupReport(problems, total, choiceHidden));
}

QString checkReport(const model::ConfigCheck& check, const QString& name)
{
    return worded(teacher::checkReport(check, name.toStdString()));
}

QStringList settingRows(const model::ConfigCheck& check)
{
    QStringList rows;
    for (const auto& row : teacher::settingRows(check))
        rows << worded(row);
    return rows;
}

QString typeName(int type) { return worded(teacher::typeName(type)); }

QString shownSensorName(int type, const std::string& name) { return worded(teacher::shownSensorName(type, name)); }

QString sensorWithArticle(int type, const std::string& name)
{
    return worded(teacher::sensorWithArticle(type, name));
}

} // namespace configreport
