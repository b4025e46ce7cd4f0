#include "course/record.h"

#include "course/text.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

namespace course {

// The wall clock with its offset, as the record keeps it, to the second.
grading::Time timeOf(const QDateTime& t)
{
    if (!t.isValid())
        return {};
    const QDate d = t.date();
    const QTime c = t.time();
    return {d.year(), d.month(), d.day(), c.hour(), c.minute(), c.second(), 0, t.offsetFromUtc() / 60, true};
}

QDateTime timeOf(const grading::Time& t)
{
    if (!t.valid)
        return {};
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second, t.millisecond),
                     QTimeZone(t.offsetMinutes * 60));
}

grading::SensorRecord toGrading(const SensorRecord& s)
{
    grading::SensorRecord g{s.index,     s.name.toStdString(),    {},     s.teta,
                            s.tolerance, s.formula.toStdString(), s.alpha};
    for (const auto& [name, value] : s.parameters)
        g.parameters.emplace_back(name.toStdString(), value);
    return g;
}

SensorRecord fromGrading(const grading::SensorRecord& g)
{
    SensorRecord s{g.index,     QString::fromStdString(g.name),    {},     g.teta,
                   g.tolerance, QString::fromStdString(g.formula), g.alpha};
    for (const auto& [name, value] : g.parameters)
        s.parameters.emplace_back(QString::fromStdString(name), value);
    return s;
}

RunRecord fromGrading(const grading::Record& g)
{
    RunRecord r;
    r.program = QString::fromStdString(g.program);
    r.name = QString::fromStdString(g.name);
    r.id = QString::fromStdString(g.id);
    r.host = QString::fromStdString(g.host);
    r.account = QString::fromStdString(g.account);
    r.started = timeOf(g.started);
    r.updated = timeOf(g.updated);
    r.configSha256 = QString::fromStdString(g.configSha256);
    r.state = QString::fromStdString(g.state);
    for (const grading::Moment& m : g.moments)
        r.moments.push_back({QString::fromStdString(m.state), timeOf(m.time)});
    r.runId = QString::fromStdString(g.runId);
    r.exam = g.exam;
    r.seed = QString::fromStdString(g.seed);
    r.choice = g.choice;
    if (g.sensor)
        r.sensor = fromGrading(*g.sensor);
    r.answers = g.answers;
    r.total = g.total;
    r.maximum = g.maximum;
    r.journal = QJsonDocument::fromJson(QByteArray::fromStdString(g.journal)).array();
    return r;
}

SensorRecord sensorOf(const model::ExperimentState& s)
{
    return fromGrading(grading::sensorOf(s));
}

model::ExperimentState stateOf(const SensorRecord& sensor)
{
    return grading::stateOf(toGrading(sensor));
}

grading::Record toGrading(const RunRecord& r)
{
    grading::Record g;
    g.program = r.program.toStdString();
    g.name = r.name.toStdString();
    g.id = r.id.toStdString();
    g.host = r.host.toStdString();
    g.account = r.account.toStdString();
    g.started = timeOf(r.started);
    g.updated = timeOf(r.updated);
    g.configSha256 = r.configSha256.toStdString();
    g.state = r.state.toStdString();
    for (const Moment& m : r.moments)
        g.moments.push_back({m.state.toStdString(), timeOf(m.time)});
    g.runId = r.runId.toStdString();
    g.exam = r.exam;
    g.seed = r.seed.toStdString();
    g.choice = r.choice;
    if (r.sensor)
        g.sensor = toGrading(*r.sensor);
    g.answers = r.answers;
    g.total = r.total;
    g.maximum = r.maximum;
    g.journal = QJsonDocument(r.journal).toJson(QJsonDocument::Compact).toStdString();
    return g;
}

QByteArray toJson(const RunRecord& r)
{
    // The writer the page shares, so that both files are one format.
    return QByteArray::fromStdString(grading::recordText(toGrading(r)));
}

ReadRecord readRecord(const QByteArray& data)
{
    // The export's own reader, the same in the teacher's page.
    const grading::ReadRecord read =
        grading::readRecord(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    if (!read.error.empty())
        return {{}, worded(read.error)};
    return {fromGrading(read.record), {}};
}

} // namespace course
