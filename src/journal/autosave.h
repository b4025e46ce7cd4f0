#pragma once
// The journal's own file: every recorded row is appended and flushed at once,
// edits and deletions rewrite the file as a whole through QSaveFile, so a
// crash or the sensor's destruction never costs a row. When the folder
// cannot be written the journal goes on in memory and says why.

#include "journal/csv.h"

#include <QDateTime>
#include <QFileDevice>
#include <QString>

namespace journal {

class Autosave {
public:
    // `folder` holds the journals; the file is named after `started`.
    Autosave(QString folder, const QDateTime& started, CsvFormat format);

    QString folder() const { return folder_; }
    // Where the rows go, before the first one too.
    QString path() const { return path_; }
    bool exists() const { return created_; }
    // False once writing failed, and why.
    bool working() const { return reason_.isEmpty(); }
    const Reason& reason() const { return reason_; }

    // Makes the folder; false (and a reason) when it cannot be made.
    bool checkFolder();
    // The newest row at the end of the file; the whole file when it is new
    // or has gone meanwhile.
    bool append(const QList<Row>& rows);
    // The file as a whole, replaced atomically.
    bool rewrite(const QList<Row>& rows);

private:
    bool create(const QList<Row>& rows);
    bool give(Reason reason);
    bool fileTrouble(Reason::Kind kind, const QFileDevice& file);

    QString folder_;
    QString path_;
    CsvFormat format_;
    bool created_ = false;
    Reason reason_;
};

// The folder of the journals under the user's data location
// (<AppDataLocation>/protokolle), or empty when there is none.
QString journalFolder();

// The journals in `folder`, newest first.
QStringList journalFiles(const QString& folder);

} // namespace journal
