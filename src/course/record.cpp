#include "course/record.h"

#include "course/text.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdlib>

namespace course {

namespace {

struct Parameter {
    int type;
    const char* name;
    double model::ExperimentState::*field;
};

// Every parameter of each type's characteristic, by its given name.
constexpr Parameter parameters[] = {
    {0, "ntc_a", &model::ExperimentState::ntc_a},         {0, "ntc_b", &model::ExperimentState::ntc_b},
    {1, "ptc_a", &model::ExperimentState::ptc_a},         {1, "ptc_b", &model::ExperimentState::ptc_b},
    {2, "pt100_r0", &model::ExperimentState::pt100_r0},   {2, "pt100_a", &model::ExperimentState::pt100_a},
    {3, "pt1000_r0", &model::ExperimentState::pt1000_r0}, {3, "pt1000_a", &model::ExperimentState::pt1000_a},
    {4, "diode_is", &model::ExperimentState::diode_is},   {4, "diode_i", &model::ExperimentState::diode_i},
    {5, "strom_i0", &model::ExperimentState::strom_i0},   {5, "strom_k", &model::ExperimentState::strom_k},
    {6, "thermo_k", &model::ExperimentState::thermo_k},
};

QJsonValue orNull(const std::optional<std::string>& v)
{
    return v ? QJsonValue(QString::fromStdString(*v)) : QJsonValue();
}

QJsonValue orNull(const std::optional<double>& v) { return v ? QJsonValue(*v) : QJsonValue(); }

std::optional<std::string> textOrNull(const QJsonValue& v)
{
    return v.isString() ? std::optional(v.toString().toStdString()) : std::nullopt;
}

std::optional<double> numberOrNull(const QJsonValue& v)
{
    return v.isDouble() ? std::optional(v.toDouble()) : std::nullopt;
}

// ISO 8601 with the offset written out, also for UTC: 2026-12-09T14:05:00+01:00.
QString timeText(const QDateTime& t)
{
    const int offset = t.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QJsonObject sensorJson(const SensorRecord& s)
{
    QJsonObject o{{QStringLiteral("index"), s.index},     {QStringLiteral("number"), s.index + 1},
                  {QStringLiteral("name"), s.name},       {QStringLiteral("teta"), s.teta},
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

// A field that a record of this format always has; its absence makes the
// file unusable rather than quietly zero.
struct Missing {
    QString key;
};

QJsonValue need(const QJsonObject& o, const QString& key)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        throw Missing{key};
    return v;
}

SensorRecord sensorFrom(const QJsonObject& o)
{
    SensorRecord s;
    s.index = need(o, QStringLiteral("index")).toInt(-1);
    if (s.index < 0 || s.index >= model::sensorTypes)
        throw Missing{QStringLiteral("sensor.index")};
    s.name = need(o, QStringLiteral("name")).toString();
    s.teta = need(o, QStringLiteral("teta")).toDouble();
    s.tolerance = need(o, QStringLiteral("tolerance")).toDouble();
    s.formula = o.value(QStringLiteral("formula")).toString();
    s.alpha = need(o, QStringLiteral("alpha")).toDouble();
    for (const Parameter& p : parameters)
        if (p.type == s.index)
            s.parameters.emplace_back(QString::fromLatin1(p.name),
                                      need(o, QString::fromLatin1(p.name)).toDouble());
    return s;
}

// Why a text is no record: cut off while it was written or copied, or no JSON at all.
QString parseTrouble(const QByteArray& data, const QJsonParseError& e)
{
    if (data.trimmed().isEmpty())
        return tr("die Datei ist leer");
    if (e.offset >= data.trimmed().size() - 1)
        return tr("die Datei ist unvollständig (abgeschnitten)");
    return tr("die Datei ist kein JSON (Fehler bei Zeichen %1)").arg(e.offset);
}

} // namespace

SensorRecord sensorOf(const model::ExperimentState& s)
{
    SensorRecord r;
    r.index = s.sensortyp;
    r.name = QString::fromStdString(s.sensorname[s.sensortyp]);
    for (const Parameter& p : parameters)
        if (p.type == s.sensortyp)
            r.parameters.emplace_back(QString::fromLatin1(p.name), s.*p.field);
    r.teta = s.teta;
    r.tolerance = s.toleranz[s.sensortyp];
    r.formula = QString::fromStdString(s.formeltext[s.sensortyp]);
    r.alpha = s.alpha[s.sensortyp];
    return r;
}

model::ExperimentState stateOf(const SensorRecord& sensor)
{
    model::ExperimentState s;
    model::setStartValues(s, '.');
    const auto t = static_cast<std::size_t>(sensor.index);
    s.sensortyp = static_cast<std::uint8_t>(sensor.index);
    for (const auto& [name, value] : sensor.parameters)
        for (const Parameter& p : parameters)
            if (name == QLatin1String(p.name))
                s.*p.field = value;
    s.teta = sensor.teta;
    s.toleranz[t] = sensor.tolerance;
    s.alpha[t] = sensor.alpha;
    return s;
}

QByteArray toJson(const RunRecord& r)
{
    const evaluation::Answers& a = r.answers;
    QJsonObject o{
        {QStringLiteral("format"), recordFormat},
        {QStringLiteral("program"), r.program},
        {QStringLiteral("student"), QJsonObject{{QStringLiteral("name"), r.name}, {QStringLiteral("id"), r.id}}},
        {QStringLiteral("host"), r.host},
        {QStringLiteral("account"), r.account},
        {QStringLiteral("started"), timeText(r.started)},
        {QStringLiteral("updated"), timeText(r.updated)},
        {QStringLiteral("config_sha256"), r.configSha256},
        {QStringLiteral("state"), r.state},
        {QStringLiteral("moments"), momentsJson(r.moments)},
        {QStringLiteral("run_id"), r.runId},
        {QStringLiteral("exam"), r.exam},
        {QStringLiteral("draw"), QJsonObject{{QStringLiteral("seed"), r.seed.isEmpty() ? QJsonValue() : QJsonValue(r.seed)},
                                             {QStringLiteral("choice"), r.choice ? QJsonValue(*r.choice) : QJsonValue()}}},
        {QStringLiteral("sensor"), r.sensor ? QJsonValue(sensorJson(*r.sensor)) : QJsonValue()},
        {QStringLiteral("answers"),
         QJsonObject{{QStringLiteral("type"), a.type ? QJsonValue(*a.type) : QJsonValue()},
                     {QStringLiteral("equation"), orNull(a.equation)},
                     {QStringLiteral("alpha"), orNull(a.alpha)}}},
        {QStringLiteral("points"),
         QJsonObject{{QStringLiteral("type"), a.typePoints},
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
    ReadRecord out;
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &e);
    if (e.error != QJsonParseError::NoError) {
        out.error = parseTrouble(data, e);
        return out;
    }
    const QJsonObject o = doc.object();
    const QString format = o.value(QStringLiteral("format")).toString();
    if (format != recordFormat) {
        const bool newer = format.startsWith(QStringLiteral("kora-result/"));
        out.error = newer ? tr("der Datensatz stammt aus einer neueren Version (%1)").arg(format)
                          : tr("die Datei ist kein Ergebnis von KORA");
        return out;
    }
    try {
        RunRecord& r = out.record;
        r.program = o.value(QStringLiteral("program")).toString();
        const QJsonObject student = need(o, QStringLiteral("student")).toObject();
        r.name = student.value(QStringLiteral("name")).toString();
        r.id = need(student, QStringLiteral("id")).toString();
        r.host = o.value(QStringLiteral("host")).toString();
        r.account = o.value(QStringLiteral("account")).toString();
        r.started = QDateTime::fromString(need(o, QStringLiteral("started")).toString(), Qt::ISODate);
        r.updated = QDateTime::fromString(o.value(QStringLiteral("updated")).toString(), Qt::ISODate);
        r.configSha256 = o.value(QStringLiteral("config_sha256")).toString();
        r.state = need(o, QStringLiteral("state")).toString();
        const QJsonValue sensor = need(o, QStringLiteral("sensor"));
        if (!sensor.isNull())
            r.sensor = sensorFrom(sensor.toObject());
        r.runId = o.value(QStringLiteral("run_id")).toString();
        r.exam = o.value(QStringLiteral("exam")).toBool();
        const QJsonObject draw = o.value(QStringLiteral("draw")).toObject();
        r.seed = draw.value(QStringLiteral("seed")).toString();
        if (const QJsonValue choice = draw.value(QStringLiteral("choice")); choice.isDouble())
            r.choice = choice.toInt();
        for (const QJsonValue m : o.value(QStringLiteral("moments")).toArray()) {
            const QJsonObject mo = m.toObject();
            r.moments.push_back({mo.value(QStringLiteral("state")).toString(),
                                 QDateTime::fromString(mo.value(QStringLiteral("time")).toString(), Qt::ISODate)});
        }
        // A record from before the list of moments: its one state is its one moment.
        if (r.moments.empty())
            r.moments.push_back({r.state, r.updated.isValid() ? r.updated : r.started});
        const QJsonObject answers = need(o, QStringLiteral("answers")).toObject();
        const QJsonValue type = answers.value(QStringLiteral("type"));
        r.answers.type = type.isDouble() ? std::optional(type.toInt()) : std::nullopt;
        r.answers.equation = textOrNull(answers.value(QStringLiteral("equation")));
        r.answers.alpha = textOrNull(answers.value(QStringLiteral("alpha")));
        const QJsonObject points = need(o, QStringLiteral("points")).toObject();
        r.answers.typePoints = points.value(QStringLiteral("type")).toInt();
        r.answers.equationPoints = points.value(QStringLiteral("equation")).toInt();
        r.answers.alphaPoints = points.value(QStringLiteral("alpha")).toInt();
        r.total = need(points, QStringLiteral("total")).toInt();
        r.maximum = need(points, QStringLiteral("max")).toInt();
        const QJsonObject deviation = o.value(QStringLiteral("deviation")).toObject();
        r.answers.equationDeviation = numberOrNull(deviation.value(QStringLiteral("equation")));
        r.answers.alphaDeviation = numberOrNull(deviation.value(QStringLiteral("alpha")));
        r.journal = o.value(QStringLiteral("journal")).toArray();
    } catch (const Missing& m) {
        out.error = tr("im Datensatz fehlt das Feld %1").arg(m.key);
    }
    return out;
}

} // namespace course
