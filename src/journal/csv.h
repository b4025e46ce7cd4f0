#pragma once
// The journal's text forms: CSV files for spreadsheet programs (UTF-8 with
// a byte-order mark, a header row, ";" and a decimal comma under German
// settings, "," and "." otherwise) and tab-separated text for the clipboard.
// A file holds the table's columns and then the readings as plain numbers.
// A spreadsheet's default import splits at commas, semicolons and tabs
// alike, so every field holding one is quoted ("21,9" stays whole), and a
// note that a spreadsheet would take for a formula starts with an apostrophe.

#include "journal/reason.h"
#include "journal/row.h"

#include <QByteArray>
#include <QLocale>

namespace journal {

struct CsvFormat {
    QChar delimiter;
    QChar decimal;
    bool operator==(const CsvFormat&) const = default;
};

CsvFormat csvFormatFor(const QLocale& locale);

// Byte-order mark and header row.
QByteArray csvHead(const CsvFormat& f);
// One record, ended by CR LF.
QByteArray csvLine(const Row& r, const CsvFormat& f);
// A whole file.
QByteArray csvDocument(const QList<Row>& rows, const CsvFormat& f);

struct ReadJournal {
    QList<Row> rows;
    Reason reason; // none when the file was read
};

// Reads a file written in either format, with or without the number
// columns (journals written before they came); the header row tells which.
ReadJournal readCsv(const QByteArray& data);

// A note as a spreadsheet must get it: one that begins with =, +, -, @, a
// tab or a carriage return (after any apostrophes) gets one apostrophe
// more in front, so that no spreadsheet evaluates it; and back.
QString guardedNote(const QString& note);
QString unguardedNote(const QString& field);

// Tab-separated, a header row first, one line per row; tabs and line breaks
// inside a note become blanks.
QString tabText(const QList<Row>& rows, QChar decimal);

} // namespace journal
