#pragma once
// Journal files that the student names or picks: an earlier journal read
// to be shown, the shown journal saved under a name of the student's. Each
// call says why it failed as a reason, never as a sentence.

#include "journal/csv.h"

namespace journal {

// An earlier journal; its rows and, when it could not be read whole, why.
ReadJournal readJournalFile(const QString& path);

// The rows as a whole file at `path`, replacing it atomically.
Reason writeJournalFile(const QString& path, const QList<Row>& rows, const CsvFormat& format);

} // namespace journal
