#include "course/record.h"

#include "course/text.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <cstdlib>

namespace course {

namespace {

QJsonValue orNull(const std::optional<std::string>& v)
{
    return v ? QJsonValue(QString::fromStdString(*v)) : QJsonValue();
}

QJsonValue orNull(const std::optional<double>& v)
{
    return v ? QJsonValue(*v) : QJsonValue();
}

// ISO 8601 with the offset written out, also for UTC: 2026-12-09T14:05:00+01:00.
QString timeText(const QDateTime& t)
{
    const int offset = t.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QJsonObject sensorJson(const SensorRecord& s)
{
    QJsonObject o{{QStringLiteral("index"), s.index},         {QStringLiteral("number"), s.index + 1},
                  {QStringLiteral("name"), s.name},           {QStringLiteral("teta"), s.teta},
                  {QStringLiteral("tolerance"), s.tolerance}, {QStringLiteral("formula"), s.formula},
                  {QStringLiteral("alpha"), s.alpha}};
    for (const auto& [name, value] : s.parameters)
        o.insert(name, value);
    return o;
}

QJsonArray momentsJson(const std::vector<Moment>& moments)
{
    QJsonArray a;
    for (const Moment& m : moments)
        a.append(QJsonObject{{QStringLiteral("state"), m.state}, {QStringLiteral("time"), timeText(m.time)}});
    return a;
}

QDateTime timeOf(const grading::Time& t)
{
    if (!t.valid)
        return {};
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second, t.millisecond),
                     QTimeZone(t.offsetMinutes * 60));
}

} // namespace

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

QByteArray toJson(const RunRecord& r)
{
    const evaluation::Answers& a = r.answers;
    QJsonObject o{
        {QStringLiteral("format"), recordFormat},
        {QStringLiteral("program"), r.program},
        {QStringLiteral("student"),
         QJsonObject{{QStringLiteral("name"), r.name}, {QStringLiteral("id"), r.id}}},
        {QStringLiteral("host"), r.host},
        {QStringLiteral("account"), r.account},
        {QStringLiteral("started"), timeText(r.started)},
        {QStringLiteral("updated"), timeText(r.updated)},
        {QStringLiteral("config_sha256"), r.configSha256},
        {QStringLiteral("state"), r.state},
        {QStringLiteral("moments"), momentsJson(r.moments)},
        {QStringLiteral("run_id"), r.runId},
        {QStringLiteral("exam"), r.exam},
        {QStringLiteral("draw"),
         QJsonObject{{QStringLiteral("seed"), r.seed.isEmpty() ? QJsonValue() : QJsonValue(r.seed)},
                     {QStringLiteral("choice"), r.choice ? QJsonValue(*r.choice) : QJsonValue()}}},
        {QStringLiteral("sensor"), r.sensor ? QJsonValue(sensorJson(*r.sensor)) : QJsonValue()},
        {QStringLiteral("answers"),
         QJsonObject{{QStringLiteral("type"), a.type ? QJsonValue(*a.type) : QJsonValue()},
                     {QStringLiteral("equation"), orNull(a.equation)},
                     {QStringLiteral("alpha"), orNull(a.alpha)}}},
        {QStringLiteral("points"), QJsonObject{{QStringLiteral("type"), a.typePoints},
                                               {QStringLiteral("equation"), a.equationPoints},
                                               {QStringLiteral("alpha"), a.alphaPoints},
                                               {QStringLiteral("total"), r.total},
                                               {QStringLiteral("max"), r.maximum}}},
        {QStringLiteral("deviation"), QJsonObject{{QStringLiteral("equation"), orNull(a.equationDeviation)},
                                                  {QStringLiteral("alpha"), orNull(a.alphaDeviation)}}},
        {QStringLiteral("journal"), r.journal},
    };
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
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
