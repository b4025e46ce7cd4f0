#pragma once
// One row of the measurement journal: what the bench showed at the moment
// the student took the reading, never a hidden value. Number texts are kept
// with "." as decimal point and written with the separator of the place
// they go to (the table, a file, the clipboard, the printed page).

#include "lab/journal.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace journal {

// The columns are the lab's, the same for the page.
using Column = lab::JournalColumn;
using enum lab::JournalColumn;

struct Row {
    int nr = 0;
    int seconds = 0;       // whole seconds since the start of the run
    QString sensor;        // number of the selected option button, or "–" while the choice is hidden
    QString thermostat;    // set point in °C
    QString sensorTemp;    // sensor temperature in °C, one decimal as shown
    QString quelle;        // source voltage in V
    QString vorwiderstand; // "10 kOhm", "1.5 kOhm" or "überbrückt"
    QString messbereich;   // "200 V", "20 V", "2 V" or "200 mV"
    QString anzeige;       // the voltmeter as shown: "07.63 V", "199.9 mV", "---------"
    bool eigenerwaermung = false;
    QString bemerkung; // the student's own note

    bool operator==(const Row&) const = default;
};

inline const QString hiddenSensor = QString::fromUtf8(lab::hiddenSensor);
// The words of the self-heating and series-resistor columns, as a file of
// the source language holds them.
using lab::switchedOff;
using lab::switchedOn;
inline constexpr const char* bypassedWord = lab::bypassed;
inline const QString bypassed = QString::fromUtf8(bypassedWord);

// The column names, the header row of every file.
const QStringList& columnNames();
// A column's name as the window, the clipboard and the printout show it: in
// the chosen language.
QString shownColumnName(int column);
// The header row of a file: the table's columns and the number columns.
const QStringList& fileColumnNames();

// "mm:ss"; the minutes grow beyond two digits after 100 minutes.
QString timeText(int seconds);

// A number text as shown with `decimal` as separator, in the journal's own form.
QString neutral(const QString& shown, QChar decimal);

// The text of a cell, with `decimal` as decimal separator; the number
// columns of a file too.
QString cellText(const Row& r, int column, QChar decimal);
// The same as the window and the printout show it: its words in the chosen language.
QString shownCellText(const Row& r, int column, QChar decimal);

// Sets a cell from its text as written with `decimal`; false when the text
// cannot stand in that column. The number columns of a file follow from the
// others and are not read.
bool setCell(Row& r, int column, const QString& text, QChar decimal);

// The reading in volts; NaN over range or when no reading is shown.
double readingVolts(const Row& r);

// The series resistor in ohms, 0 while bridged; NaN when no value is shown.
double seriesOhms(const Row& r);

// A number text of the row (set point, sensor temperature) as a number; NaN if it is none.
double numberOf(const QString& text);

// The row as the lab's rules take it, and back.
lab::JournalLine lineOf(const Row& r);
Row rowOf(const lab::JournalLine& line);

// The rows of these indices, in the order of the list, those out of range left out.
QList<Row> pick(const QList<Row>& rows, const QList<int>& indices);

} // namespace journal
