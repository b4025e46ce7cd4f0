#include "journal/row.h"

#include "numbers/numbers.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace journal {

namespace {

bool isNumberColumn(int column)
{
    return column == colThermostat || column == colSensorTemp || column == colQuelle ||
           column == colVorwiderstand || column == colAnzeige;
}

QString withDecimal(const QString& text, QChar decimal)
{
    if (decimal == QLatin1Char('.'))
        return text;
    QString t = text;
    t.replace(QLatin1Char('.'), decimal);
    return t;
}

// A number as the display writes it; empty for none.
QString numberText(double value, QChar decimal)
{
    if (!std::isfinite(value))
        return {};
    return QString::fromStdString(numbers::displayText(value, decimal.toLatin1()));
}

} // namespace

namespace {
// The columns as the files name them: the table's, then the number columns;
// shown in the chosen language.
constexpr const char* columns[fileColumnTotal] = {QT_TRANSLATE_NOOP("journal::Row", "Nr."),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Zeit"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Sensor"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "ϑ Thermostat /°C"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "ϑ Sensor /°C"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "U Quelle /V"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Vorwiderstand"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Messbereich"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Anzeige"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Eigenerwärmung"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Bemerkung"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Zeit /s"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Anzeige /V"),
                                                  QT_TRANSLATE_NOOP("journal::Row", "Vorwiderstand /Ohm")};

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
    const int s = std::max(0, seconds);
    return QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
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
    switch (column) {
    case colNr:
        return QString::number(r.nr);
    case colZeit:
        return timeText(r.seconds);
    case colSensor:
        return r.sensor;
    case colThermostat:
        return withDecimal(r.thermostat, decimal);
    case colSensorTemp:
        return withDecimal(r.sensorTemp, decimal);
    case colQuelle:
        return withDecimal(r.quelle, decimal);
    case colVorwiderstand:
        return withDecimal(r.vorwiderstand, decimal);
    case colMessbereich:
        return r.messbereich;
    case colAnzeige:
        return withDecimal(r.anzeige, decimal);
    case colEigenerwaermung:
        return QString::fromUtf8(r.eigenerwaermung ? switchedOn : switchedOff);
    case colBemerkung:
        return r.bemerkung;
    case colSekunden:
        return QString::number(r.seconds);
    case colVolt:
        return numberText(readingVolts(r), decimal);
    case colOhm:
        return numberText(seriesOhms(r), decimal);
    default:
        return {};
    }
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
    // The number up to its unit: "20.0", "07.63 V", "-000.5 mV".
    const numbers::Reading read = numbers::readLeadingNumber(text.toStdString());
    return read.found ? read.value : std::numeric_limits<double>::quiet_NaN();
}

double readingVolts(const Row& r)
{
    const double v = numberOf(r.anzeige);
    return r.anzeige.endsWith(QLatin1String(" mV")) ? v / 1000 : v;
}

double seriesOhms(const Row& r)
{
    if (r.vorwiderstand == bypassed)
        return 0;
    const double value = numberOf(r.vorwiderstand);
    if (r.vorwiderstand.endsWith(QLatin1String(" MOhm")))
        return value * 1e6;
    if (r.vorwiderstand.endsWith(QLatin1String(" kOhm")))
        return value * 1e3;
    return value;
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
