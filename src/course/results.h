#pragma once
// kora --ergebnisse ORDNER [--csv DATEI] [--html DATEI] [--wertung erster|bester|letzter]
// [--config DATEI]:
// the teacher's class overview, answered without a window.

#include <QStringList>

namespace course {

// True when the arguments ask for the class overview.
bool wantsResults(const QStringList& arguments);

// Runs it inside the caller's QCoreApplication. Returns the exit status:
// 0 every record read and nothing to note, 1 notes or unreadable records,
// 2 the folder is missing (or an option, the teacher's file of --config or an
// export file is wrong).
int runResults(const QStringList& arguments);

} // namespace course
