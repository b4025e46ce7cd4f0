#include "journal/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace journal {

namespace {
// An earlier journal larger than this is no journal of a lab session.
constexpr qint64 largestEarlierFile = 16 * 1024 * 1024;
} // namespace

ReadJournal readJournalFile(const QString& path)
{
    QFile f(path);
    if (QFileInfo(f).size() > largestEarlierFile)
        return {{}, {Reason::tooLarge, {}}};
    if (!f.open(QIODevice::ReadOnly))
        return {{}, {Reason::notOpenedToRead, {f.errorString()}}};
    return readCsv(f.readAll());
}

Reason writeJournalFile(const QString& path, const QList<Row>& rows, const CsvFormat& format)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(csvDocument(rows, format)) < 0 || !out.commit())
        return {Reason::notSaved, {QDir::toNativeSeparators(path), out.errorString()}};
    return {};
}

} // namespace journal
