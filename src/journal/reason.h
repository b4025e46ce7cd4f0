#pragma once
// Why a journal file could not be read or written, as a form: what went
// wrong and the values its sentence names (a path, the system's own
// words). The sentences the student reads are made in one place.

#include <QString>
#include <QStringList>

namespace journal {

struct Reason {
    enum Kind {
        none,
        notAJournal,       // no values
        headerMismatch,    // no values
        rowIncomplete,     // the line number
        tooLarge,          // no values
        notOpenedToRead,   // the system's words
        notSaved,          // path, the system's words
        noDataFolder,      // no values
        folderNotMade,     // folder
        folderNotWritable, // folder
        fileNotCreated,    // path, the system's words
        fileNotOpened,     // path, the system's words
        fileNotWritten,    // path, the system's words
        fileNotRewritten,  // path, the system's words
        kindTotal
    };
    Kind kind = none;
    QStringList values;

    bool isEmpty() const { return kind == none; }
    bool operator==(const Reason&) const = default;
};

// The German sentence of a reason; empty for none.
QString reasonText(const Reason& reason);

} // namespace journal
