#include "course/archive.h"

#include "course/text.h"

#include <QFile>

#include <zip.h>

#include <algorithm>
#include <memory>

namespace course {

namespace {

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct EntryCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

QString libzipText(int code)
{
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&e));
    zip_error_fini(&e);
    return text;
}

// An entry's name that would land outside the folder it is unpacked into:
// an absolute path, a drive, or a ".." step, with either kind of slash.
bool leavesFolder(const QString& name)
{
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')) ||
        (name.size() > 1 && name[1] == QLatin1Char(':')))
        return true;
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList steps = path.split(QLatin1Char('/'));
    return steps.contains(QStringLiteral(".."));
}

bool isRecordName(const QString& name)
{
    return !name.endsWith(QLatin1Char('/')) && name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}

QString bomb()
{
    return tr("die ZIP-Datei ist zu groß: mehr als %1 MB entpackt oder mehr als %2 Einträge")
        .arg(largestUnpackedZip / 1000 / 1000)
        .arg(mostZipEntries);
}

} // namespace

bool isZipFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(4) == QByteArrayLiteral("PK\x03\x04");
}

ZipContents readRecordZip(const QString& path)
{
    ZipContents out;
    int code = 0;
    std::unique_ptr<zip_t, ZipCloser> zip(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!zip) {
        out.error = tr("die ZIP-Datei ist beschädigt (%1)").arg(libzipText(code));
        return out;
    }
    const zip_int64_t entries = zip_get_num_entries(zip.get(), 0);
    if (entries > mostZipEntries) {
        out.error = bomb();
        return out;
    }
    // Every name is checked and every declared size added up before a byte is unpacked.
    qint64 declared = 0;
    std::vector<zip_uint64_t> wanted;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME) ||
            !(st.valid & ZIP_STAT_SIZE)) {
            out.error = tr("die ZIP-Datei ist beschädigt (%1)").arg(QString::fromUtf8(zip_strerror(zip.get())));
            return out;
        }
        const QString name = QString::fromUtf8(st.name);
        if (leavesFolder(name)) {
            out.error = tr("der Eintrag »%1« der ZIP-Datei zeigt aus seinem Ordner hinaus").arg(name);
            return out;
        }
        declared += static_cast<qint64>(std::min<zip_uint64_t>(st.size, largestUnpackedZip + 1));
        if (declared > largestUnpackedZip) {
            out.error = bomb();
            return out;
        }
        if (isRecordName(name))
            wanted.push_back(static_cast<zip_uint64_t>(i));
    }
    // The declared sizes may lie: the bytes unpacked are counted as well.
    qint64 unpacked = 0;
    for (const zip_uint64_t i : wanted) {
        std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(zip.get(), i, 0));
        const QString name = QString::fromUtf8(zip_get_name(zip.get(), i, 0));
        if (!entry) {
            out.error = tr("die ZIP-Datei ist beschädigt (%1: %2)").arg(name, QString::fromUtf8(zip_strerror(zip.get())));
            return out;
        }
        QByteArray data;
        char buffer[65536];
        for (;;) {
            const zip_int64_t n = zip_fread(entry.get(), buffer, sizeof buffer);
            if (n < 0) {
                out.error = tr("die ZIP-Datei ist beschädigt (%1: %2)")
                                .arg(name, QString::fromUtf8(zip_file_strerror(entry.get())));
                return out;
            }
            if (n == 0)
                break;
            unpacked += n;
            if (unpacked > largestUnpackedZip) {
                out.error = bomb();
                return out;
            }
            data.append(buffer, static_cast<qsizetype>(n));
        }
        out.records.push_back({name, std::move(data)});
    }
    return out;
}

} // namespace course
