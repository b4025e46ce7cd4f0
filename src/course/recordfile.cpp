#include "course/recordfile.h"

#include "course/text.h"
#include "grading/record.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

namespace course {

namespace {

QString safePart(const QString& text)
{
    return QString::fromStdString(grading::fileNamePart(text.toStdString()));
}

QString folderTrouble(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return tr("den Ordner gibt es nicht");
    if (!info.isDir())
        return tr("das ist kein Ordner");
    return {};
}

// Why writing failed, as far as the system tells it.
QString writeTrouble(const QString& folder, const QSaveFile& file, qint64 size)
{
    if (const QString gone = folderTrouble(folder); !gone.isEmpty())
        return gone;
    if (file.error() == QFileDevice::PermissionsError || !QFileInfo(folder).isWritable())
        return tr("keine Schreibberechtigung");
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < size + 4096)
        return tr("der Datenträger ist voll");
    if (storage.isValid() && storage.isReadOnly())
        return tr("der Datenträger ist schreibgeschützt");
    return file.errorString();
}

} // namespace

QString recordFileName(const QString& id, const QString& host, const QDateTime& started, qint64 pid)
{
    return QStringLiteral("KORA-%1-%2-%3-%4.json")
        .arg(safePart(id), safePart(host), started.toString(QStringLiteral("yyyyMMdd-hhmmss")))
        .arg(pid);
}

QString localRecordFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("ergebnisse"));
}

QString writeRecordFile(const QString& folder, const QString& name, const QByteArray& data)
{
    if (const QString trouble = folderTrouble(folder); !trouble.isEmpty())
        return trouble;
    QSaveFile file(QDir(folder).filePath(name));
    // In a drop box the folder's group (the teacher's, with the setgid bit)
    // may read the record; other students may not.
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    if (!file.open(QIODevice::WriteOnly))
        return writeTrouble(folder, file, data.size());
    file.setPermissions(mode);
    if (file.write(data) != data.size() || !file.commit())
        return writeTrouble(folder, file, data.size());
    return {};
}

QString courseFolderNotice(const QString& folder, const QString& reason)
{
    return tr("Das Ergebnis kann nicht im Ordner %1 gespeichert werden: %2. Bitte wenden Sie sich an "
              "die Aufsicht.")
        .arg(QDir::toNativeSeparators(folder), reason);
}

} // namespace course
