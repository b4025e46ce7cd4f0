#pragma once
// The words a journal file is written in: its header row and the words of
// the self-heating and series-resistor columns. A file takes the language of
// the run that writes it; a file in any language the program ships is read
// back in every run.

#include <QList>
#include <QString>
#include <QStringList>

namespace journal {

struct FileWords {
    QStringList heads; // the table's columns, then the number columns
    QString on, off, bypassed;
};

// In the run's language.
FileWords currentFileWords();

// German first, then each language the program ships.
const QList<FileWords>& knownFileWords();

} // namespace journal
