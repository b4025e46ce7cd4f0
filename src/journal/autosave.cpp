#include "journal/autosave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace journal {

namespace {
const QString prefix = QStringLiteral("KORA-Protokoll-");
} // namespace

QString journalFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("protokolle"));
}

QStringList journalFiles(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    QStringList names = QDir(folder).entryList({prefix + QStringLiteral("*.csv")}, QDir::Files, QDir::Time);
    for (QString& n : names)
        n = QDir(folder).filePath(n);
    return names;
}

Autosave::Autosave(QString folder, const QDateTime& started, CsvFormat format)
    : folder_(std::move(folder)), format_(format)
{
    if (folder_.isEmpty()) {
        reason_ = {Reason::noDataFolder, {}};
        return;
    }
    path_ = QDir(folder_).filePath(prefix + started.toString(QStringLiteral("yyyy-MM-dd-hhmmss")) +
                                   QStringLiteral(".csv"));
}

bool Autosave::give(Reason reason)
{
    reason_ = std::move(reason);
    return false;
}

bool Autosave::fileTrouble(Reason::Kind kind, const QFileDevice& file)
{
    return give({kind, {QDir::toNativeSeparators(file.fileName()), file.errorString()}});
}

bool Autosave::checkFolder()
{
    if (!working())
        return false;
    if (!QDir().mkpath(folder_) || !QFileInfo(folder_).isDir())
        return give({Reason::folderNotMade, {QDir::toNativeSeparators(folder_)}});
    if (!QFileInfo(folder_).isWritable())
        return give({Reason::folderNotWritable, {QDir::toNativeSeparators(folder_)}});
    return true;
}

bool Autosave::create(const QList<Row>& rows)
{
    if (!checkFolder())
        return false;
    // Two programs started in the same second each get a file of their own.
    const QString base = path_.chopped(4);
    QFile file(path_);
    for (int n = 2; !file.open(QIODevice::WriteOnly | QIODevice::NewOnly); ++n) {
        if (!QFileInfo::exists(file.fileName()) || n > 99)
            return fileTrouble(Reason::fileNotCreated, file);
        file.setFileName(QStringLiteral("%1-%2.csv").arg(base).arg(n));
    }
    path_ = file.fileName();
    created_ = true;
    if (file.write(csvDocument(rows, format_)) < 0 || !file.flush())
        return fileTrouble(Reason::fileNotWritten, file);
    return true;
}

bool Autosave::append(const QList<Row>& rows)
{
    if (!working())
        return false;
    if (!created_)
        return create(rows);
    if (!QFileInfo::exists(path_))
        return rewrite(rows);
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return fileTrouble(Reason::fileNotOpened, file);
    if (rows.isEmpty())
        return true;
    if (file.write(csvLine(rows.last(), format_)) < 0 || !file.flush())
        return fileTrouble(Reason::fileNotWritten, file);
    return true;
}

bool Autosave::rewrite(const QList<Row>& rows)
{
    if (!working())
        return false;
    if (!created_)
        return create(rows);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return fileTrouble(Reason::fileNotRewritten, file);
    file.write(csvDocument(rows, format_));
    if (!file.commit())
        return fileTrouble(Reason::fileNotRewritten, file);
    return true;
}

} // namespace journal
