#pragma once
// Where a run's record goes: the course folder (a share, often a drop box)
// and always a local copy under <AppDataLocation>/ergebnisse. Each write
// replaces the last version of the file whole (QSaveFile), so a reader
// never meets half a record.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace course {

// KORA-<Matrikelnummer>-<Rechner>-<yyyyMMdd-hhmmss>-<pid>.json; characters
// a file system refuses become "_".
QString recordFileName(const QString& id, const QString& host, const QDateTime& started, qint64 pid);

// The folder of the local copies; empty when the system has no data location.
QString localRecordFolder();

// Writes `data` as `folder`/`name`, replacing an earlier version atomically.
// Returns the reason in plain German when it cannot ("" on success).
QString writeRecordFile(const QString& folder, const QString& name, const QByteArray& data);

// The student's notice when the course folder cannot take the record.
QString courseFolderNotice(const QString& folder, const QString& reason);

} // namespace course
