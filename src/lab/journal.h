#pragma once
// The journal's rules that both skins follow: its columns, the text of each
// cell, and the CSV file a spreadsheet opens (UTF-8 with a byte-order mark,
// a header row, ";" with the decimal comma under German settings, ","
// with "." otherwise). Words a person reads (the header row, "ein", "aus",
// "überbrückt") are keys of the context "journal::Row"; the skin words them
// and hands them in.

#include "lab/journalrow.h"

#include <string>
#include <utility>
#include <vector>

namespace lab {

inline constexpr const char* journalContext = "journal::Row";

enum JournalColumn {
    colNr,
    colZeit,
    colSensor,
    colThermostat,
    colSensorTemp,
    colQuelle,
    colVorwiderstand,
    colMessbereich,
    colAnzeige,
    colEigenerwaermung,
    colBemerkung,
    columnTotal, // the columns the table and the printed page show
    // Written to files after them: the same readings as plain numbers, so
    // that a spreadsheet can compute with them.
    colSekunden = columnTotal, // "Zeit /s"
    colVolt,                   // "Anzeige /V", empty over range
    colOhm,                    // "Vorwiderstand /Ohm", 0 while bridged
    fileColumnTotal
};

// The column names as a file of the source language holds them.
extern const char* const journalColumns[fileColumnTotal];
// The words of the self-heating column.
inline constexpr const char* switchedOn = QT_TRANSLATE_NOOP("journal::Row", "ein");
inline constexpr const char* switchedOff = QT_TRANSLATE_NOOP("journal::Row", "aus");

// The page's journal window closes by its own button (the desktop's by its frame's).
inline constexpr const char* closeWindow = QT_TRANSLATE_NOOP("journal::Formprotokoll", "Schließen");

// A recorded row with what the journal adds: its time in the run and the
// student's note.
struct JournalLine {
    JournalRow row;
    int seconds = 0; // whole seconds since the start of the run
    std::string bemerkung;
    bool operator==(const JournalLine&) const = default;
};

// The words of a file or a table in one language.
struct JournalWords {
    std::vector<std::string> heads; // fileColumnTotal names
    std::string on, off, bypassed;
};
// The source language's.
JournalWords sourceJournalWords();

// "mm:ss"; the minutes grow beyond two digits after 100 minutes.
std::string timeText(int seconds);
// The number up to its unit ("20.0", "07.63 V", "-000.5 mV"); NaN if none.
double numberOf(const std::string& text);
// The reading in volts; NaN over range or when no reading is shown.
double readingVolts(const std::string& anzeige);
// The series resistor in ohms, 0 while bridged; NaN when no value is shown.
double seriesOhms(const std::string& vorwiderstand);

// A cell's text with `decimal` as separator, its words in the source language.
std::string cellText(const JournalLine& line, int column, char decimal);
// The rows as the course record keeps them: every file column by its name
// in the source language, its cell with "." as decimal point.
using RecordCells = std::vector<std::pair<std::string, std::string>>;
std::vector<RecordCells> recordCells(const std::vector<JournalLine>& lines);
// The same in `words`' language, as the table and a file show it.
std::string shownCellText(const JournalLine& line, int column, char decimal, const JournalWords& words);

struct CsvFormat {
    char delimiter;
    char decimal;
    bool operator==(const CsvFormat&) const = default;
};
// ";" and "," under German settings, "," and "." otherwise.
CsvFormat csvFormatFor(bool german);

// A field quoted when it holds a delimiter of either format, a tab (a
// spreadsheet's default import splits at all three), a quote or a line break.
std::string csvField(const std::string& field);
// One record ended by CR LF.
std::string csvRecord(const std::vector<std::string>& fields, char delimiter);
inline constexpr const char* byteOrderMark = "\xEF\xBB\xBF";
std::string csvHead(const CsvFormat& f, const JournalWords& words);
std::string csvLine(const JournalLine& line, const CsvFormat& f, const JournalWords& words);
std::string csvDocument(const std::vector<JournalLine>& lines, const CsvFormat& f, const JournalWords& words);

// A note that a spreadsheet would take for a formula (one that begins with
// =, +, -, @, a tab or a carriage return after any apostrophes) gets one
// apostrophe more in front; and back.
bool startsFormula(const std::string& text);
std::string guardedNote(const std::string& note);
std::string unguardedNote(const std::string& field);

} // namespace lab
