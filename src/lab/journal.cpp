#include "lab/journal.h"

#include "numbers/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lab {

const char* const journalColumns[fileColumnTotal] = {
    QT_TRANSLATE_NOOP("journal::Row", "Nr."),
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

namespace {

std::string withDecimal(std::string text, char decimal)
{
    if (decimal != '.')
        std::replace(text.begin(), text.end(), '.', decimal);
    return text;
}

// A number as the display writes it; empty for none.
std::string numberText(double value, char decimal)
{
    return std::isfinite(value) ? numbers::displayText(value, decimal) : std::string();
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

JournalWords sourceJournalWords()
{
    return {std::vector<std::string>(std::begin(journalColumns), std::end(journalColumns)), switchedOn, switchedOff,
            bypassed};
}

std::string timeText(int seconds)
{
    const int s = std::max(0, seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", s / 60, s % 60);
    return text;
}

double numberOf(const std::string& text)
{
    const numbers::Reading read = numbers::readLeadingNumber(text);
    return read.found ? read.value : std::numeric_limits<double>::quiet_NaN();
}

double readingVolts(const std::string& anzeige)
{
    const double v = numberOf(anzeige);
    return endsWith(anzeige, " mV") ? v / 1000 : v;
}

double seriesOhms(const std::string& vorwiderstand)
{
    if (vorwiderstand == bypassed)
        return 0;
    const double value = numberOf(vorwiderstand);
    if (endsWith(vorwiderstand, " MOhm"))
        return value * 1e6;
    if (endsWith(vorwiderstand, " kOhm"))
        return value * 1e3;
    return value;
}

std::vector<RecordCells> recordCells(const std::vector<JournalLine>& lines)
{
    std::vector<RecordCells> rows;
    for (const JournalLine& line : lines) {
        RecordCells cells;
        for (int c = 0; c < fileColumnTotal; ++c)
            cells.emplace_back(journalColumns[c], cellText(line, c, '.'));
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::string cellText(const JournalLine& line, int column, char decimal)
{
    const JournalRow& r = line.row;
    switch (column) {
    case colNr: return std::to_string(r.nr);
    case colZeit: return timeText(line.seconds);
    case colSensor: return r.sensor;
    case colThermostat: return withDecimal(r.thermostat, decimal);
    case colSensorTemp: return withDecimal(r.sensorTemp, decimal);
    case colQuelle: return withDecimal(r.quelle, decimal);
    case colVorwiderstand: return withDecimal(r.vorwiderstand, decimal);
    case colMessbereich: return r.messbereich;
    case colAnzeige: return withDecimal(r.anzeige, decimal);
    case colEigenerwaermung: return r.eigenerwaermung ? switchedOn : switchedOff;
    case colBemerkung: return line.bemerkung;
    case colSekunden: return std::to_string(line.seconds);
    case colVolt: return numberText(readingVolts(r.anzeige), decimal);
    case colOhm: return numberText(seriesOhms(r.vorwiderstand), decimal);
    default: return {};
    }
}

std::string shownCellText(const JournalLine& line, int column, char decimal, const JournalWords& words)
{
    const std::string text = cellText(line, column, decimal);
    if (column == colEigenerwaermung)
        return text == switchedOn ? words.on : words.off;
    if (column == colVorwiderstand && text == bypassed)
        return words.bypassed;
    return text;
}

CsvFormat csvFormatFor(bool german) { return german ? CsvFormat{';', ','} : CsvFormat{',', '.'}; }

std::string csvField(const std::string& field)
{
    if (field.find_first_of(",;\t\"\r\n") == std::string::npos)
        return field;
    std::string q = "\"";
    for (char c : field) {
        q += c;
        if (c == '"')
            q += '"';
    }
    return q + '"';
}

std::string csvRecord(const std::vector<std::string>& fields, char delimiter)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += delimiter;
        line += csvField(fields[i]);
    }
    return line + "\r\n";
}

std::string csvHead(const CsvFormat& f, const JournalWords& words)
{
    return byteOrderMark + csvRecord(words.heads, f.delimiter);
}

std::string csvLine(const JournalLine& line, const CsvFormat& f, const JournalWords& words)
{
    std::vector<std::string> fields;
    for (int c = 0; c < fileColumnTotal; ++c)
        fields.push_back(c == colBemerkung ? guardedNote(line.bemerkung) : shownCellText(line, c, f.decimal, words));
    return csvRecord(fields, f.delimiter);
}

std::string csvDocument(const std::vector<JournalLine>& lines, const CsvFormat& f, const JournalWords& words)
{
    std::string out = csvHead(f, words);
    for (const JournalLine& line : lines)
        out += csvLine(line, f, words);
    return out;
}

bool startsFormula(const std::string& text)
{
    const std::size_t i = text.find_first_not_of('\'');
    return i != std::string::npos && std::string_view("=+-@\t\r").find(text[i]) != std::string_view::npos;
}

std::string guardedNote(const std::string& note) { return startsFormula(note) ? "'" + note : note; }

std::string unguardedNote(const std::string& field)
{
    return !field.empty() && field.front() == '\'' && startsFormula(field) ? field.substr(1) : field;
}

} // namespace lab
