#pragma once
// The journal's text forms: CSV files for spreadsheet programs (UTF-8 with
// a byte-order mark, a header row, ";" and a decimal comma under German
// settings, "," and "." otherwise) and tab-separated text for the clipboard.

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
    QString error; // empty when the file was read
};

// Reads a file written in either format; the header row tells which.
ReadJournal readCsv(const QByteArray& data);

// Tab-separated, a header row first, one line per row; tabs and line breaks
// inside a note become blanks.
QString tabText(const QList<Row>& rows, QChar decimal);

} // namespace journal
