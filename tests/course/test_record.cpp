// The result record as a pair of writer and reader: what is written comes
// back field for field, the times carry their offset, and a record without
// one of its fields is named, not read as zero.

#include "course/record.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

course::RunRecord sample()
{
    model::ExperimentState s;
    model::setStartValues(s, '.');
    s.sensortyp = 0;
    s.ntc_a = 0.000312345678901234;
    s.ntc_b = 4876.5;
    model::f_alpha(s);
    model::buildFormulaTexts(s, ',');
    s.punkte = 4;
    course::RunRecord r;
    r.program = QStringLiteral("1.0.0");
    r.name = QStringLiteral("Jürgen Müller-Lüdenscheidt");
    r.id = QStringLiteral("ab-4711");
    r.host = QStringLiteral("pc07");
    r.account = QStringLiteral("s4711");
    r.started = QDateTime(QDate(2026, 12, 9), QTime(14, 5, 7), QTimeZone(3600));
    r.updated = r.started.addSecs(900);
    r.configSha256 = QStringLiteral("ab12");
    r.state = course::ausgewertet;
    r.sensor = course::sensorOf(s);
    r.answers.type = 1;
    r.answers.equation = "0.0003*exp(5000/T)";
    r.answers.equationPoints = 4;
    r.answers.equationDeviation = 2;
    r.total = 4;
    r.maximum = 10;
    return r;
}

TEST(Record, WrittenAndReadBackFieldForField)
{
    const course::RunRecord r = sample();
    const course::ReadRecord back = course::readRecord(course::toJson(r));
    ASSERT_EQ(back.error, QString());
    const course::RunRecord& b = back.record;
    EXPECT_EQ(b.name, r.name);
    EXPECT_EQ(b.id, r.id);
    EXPECT_EQ(b.started, r.started);
    EXPECT_EQ(b.updated, r.updated);
    EXPECT_EQ(b.state, r.state);
    EXPECT_EQ(b.sensor->index, 0);
    EXPECT_EQ(b.sensor->parameters, r.sensor->parameters); // every digit of the drawn values
    EXPECT_EQ(b.sensor->alpha, r.sensor->alpha);
    EXPECT_EQ(b.sensor->formula, r.sensor->formula);
    EXPECT_EQ(b.answers.type, std::optional<int>(1));
    EXPECT_EQ(b.answers.equation, r.answers.equation);
    EXPECT_EQ(b.answers.alpha, std::nullopt);
    EXPECT_EQ(b.answers.equationDeviation, std::optional<double>(2));
    EXPECT_EQ(b.answers.alphaDeviation, std::nullopt);
    EXPECT_EQ(b.total, 4);
    EXPECT_EQ(b.maximum, 10);
    const model::ExperimentState again = course::stateOf(*b.sensor);
    EXPECT_EQ(again.ntc_b, 4876.5);
    EXPECT_EQ(again.toleranz[0], r.sensor->tolerance);
}

TEST(Record, KeysForToolsAndTimesWithTheirOffset)
{
    const QJsonObject o = QJsonDocument::fromJson(course::toJson(sample())).object();
    EXPECT_EQ(o.value(QStringLiteral("format")).toString(), QStringLiteral("kora-result/1"));
    EXPECT_EQ(o.value(QStringLiteral("started")).toString(), QStringLiteral("2026-12-09T14:05:07+01:00"));
    const QJsonObject sensor = o.value(QStringLiteral("sensor")).toObject();
    EXPECT_EQ(sensor.value(QStringLiteral("number")).toInt(), 1);
    EXPECT_EQ(sensor.value(QStringLiteral("name")).toString(), QStringLiteral("NTC-Widerstand"));
    EXPECT_TRUE(sensor.contains(QStringLiteral("ntc_a")));
    EXPECT_FALSE(sensor.contains(QStringLiteral("ptc_a")));
    EXPECT_TRUE(o.value(QStringLiteral("answers")).toObject().value(QStringLiteral("alpha")).isNull());
    course::RunRecord utc = sample();
    utc.started = QDateTime(QDate(2026, 12, 9), QTime(13, 5, 7), QTimeZone::utc());
    EXPECT_EQ(QJsonDocument::fromJson(course::toJson(utc)).object().value(QStringLiteral("started")).toString(),
              QStringLiteral("2026-12-09T13:05:07+00:00"));
}

struct Damage {
    const char* name;
    const char* path;   // "sensor.ntc_a": a key below sensor
    const char* reason; // empty: still readable
};

class DamagedRecord : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedRecord, NamesTheMissingField)
{
    QJsonObject o = QJsonDocument::fromJson(course::toJson(sample())).object();
    const QStringList path = QString::fromLatin1(GetParam().path).split(QLatin1Char('.'));
    if (path.size() == 2) {
        QJsonObject inner = o.value(path[0]).toObject();
        inner.remove(path[1]);
        o.insert(path[0], inner);
    } else {
        o.remove(path[0]);
    }
    EXPECT_EQ(course::readRecord(QJsonDocument(o).toJson()).error, QString::fromUtf8(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Record, DamagedRecord,
    ::testing::Values(Damage{"Student", "student", "im Datensatz fehlt das Feld student"},
                      Damage{"Matrikelnummer", "student.id", "im Datensatz fehlt das Feld id"},
                      Damage{"Parameter", "sensor.ntc_b", "im Datensatz fehlt das Feld ntc_b"},
                      Damage{"Total", "points.total", "im Datensatz fehlt das Feld total"},
                      Damage{"Format", "format", "die Datei ist kein Ergebnis von KORA"},
                      Damage{"JournalMayBeMissing", "journal", ""},
                      Damage{"HostMayBeMissing", "host", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
