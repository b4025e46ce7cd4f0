#include "journal/row.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace journal {

namespace {

bool isNumberColumn(int column)
{
    return column == colThermostat || column == colSensorTemp || column == colQuelle ||
           column == colVorwiderstand || column == colAnzeige;
}

const char* const* const columns = lab::journalColumns;

QStringList namesUpTo(int end)
{
    QStringList all;
    for (int c = 0; c < end; ++c)
        all << QString::fromUtf8(columns[c]);
    return all;
}

} // namespace

const QStringList& columnNames()
{
    static const QStringList names = namesUpTo(columnTotal);
    return names;
}

QString shownColumnName(int column)
{
    return column >= 0 && column < columnTotal ? QCoreApplication::translate("journal::Row", columns[column])
                                               : QString();
}

const QStringList& fileColumnNames()
{
    static const QStringList names = namesUpTo(fileColumnTotal);
    return names;
}

QString timeText(int seconds)
{
    return QString::fromStdString(lab::timeText(seconds));
}

QString neutral(const QString& shown, QChar decimal)
{
    if (decimal == QLatin1Char('.'))
        return shown;
    QString t = shown;
    t.replace(decimal, QLatin1Char('.'));
    return t;
}

QString shownCellText(const Row& r, int column, QChar decimal)
{
    // The words a file holds, in the chosen language.
    static const char* const words[] = {switchedOn, switchedOff, bypassedWord};
    const QString text = cellText(r, column, decimal);
    if (column == colEigenerwaermung || column == colVorwiderstand)
        for (const char* word : words)
            if (text == QString::fromUtf8(word))
                return QCoreApplication::translate("journal::Row", word);
    return text;
}

QString cellText(const Row& r, int column, QChar decimal)
{
    return QString::fromStdString(lab::cellText(lineOf(r), column, decimal.toLatin1()));
}

lab::JournalLine lineOf(const Row& r)
{
    return {{r.nr, r.sensor.toStdString(), r.thermostat.toStdString(), r.sensorTemp.toStdString(),
             r.quelle.toStdString(), r.vorwiderstand.toStdString(), r.messbereich.toStdString(),
             r.anzeige.toStdString(), r.eigenerwaermung},
            r.seconds,
            r.bemerkung.toStdString()};
}

Row rowOf(const lab::JournalLine& line)
{
    const lab::JournalRow& r = line.row;
    auto q = [](const std::string& t) { return QString::fromStdString(t); };
    return {r.nr,          line.seconds,           q(r.sensor),       q(r.thermostat),
            q(r.sensorTemp), q(r.quelle),           q(r.vorwiderstand), q(r.messbereich),
            q(r.anzeige),  r.eigenerwaermung,      q(line.bemerkung)};
}

bool setCell(Row& r, int column, const QString& text, QChar decimal)
{
    const QString t = isNumberColumn(column) ? neutral(text, decimal) : text;
    switch (column) {
    case colNr: {
        bool ok = false;
        r.nr = t.toInt(&ok);
        return ok;
    }
    case colZeit: {
        static const QRegularExpression time(QStringLiteral("^(\\d+):([0-5]\\d)$"));
        const auto m = time.match(t);
        if (!m.hasMatch())
            return false;
        r.seconds = m.captured(1).toInt() * 60 + m.captured(2).toInt();
        return true;
    }
    case colSensor:
        r.sensor = t;
        return true;
    case colThermostat:
        r.thermostat = t;
        return true;
    case colSensorTemp:
        r.sensorTemp = t;
        return true;
    case colQuelle:
        r.quelle = t;
        return true;
    case colVorwiderstand:
        r.vorwiderstand = t;
        return true;
    case colMessbereich:
        r.messbereich = t;
        return true;
    case colAnzeige:
        r.anzeige = t;
        return true;
    case colEigenerwaermung:
        if (t != QLatin1String(switchedOn) && t != QLatin1String(switchedOff))
            return false;
        r.eigenerwaermung = t == QLatin1String(switchedOn);
        return true;
    case colBemerkung:
        r.bemerkung = t;
        return true;
    default:
        return false;
    }
}

double numberOf(const QString& text)
{
    return lab::numberOf(text.toStdString());
}

double readingVolts(const Row& r)
{
    return lab::readingVolts(r.anzeige.toStdString());
}

double seriesOhms(const Row& r)
{
    return lab::seriesOhms(r.vorwiderstand.toStdString());
}

QList<Row> pick(const QList<Row>& rows, const QList<int>& indices)
{
    QList<Row> out;
    for (int i : indices)
        if (i >= 0 && i < rows.size())
            out.append(rows[i]);
    return out;
}

} // namespace journal
