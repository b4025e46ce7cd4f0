#include "course/archive.h"

#include "course/text.h"
#include "grading/zip.h"

#include <QFile>

#include <zip.h>

#include <memory>

namespace course {

namespace {

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct EntryCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

std::string libzipText(int code)
{
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    std::string text = zip_error_strerror(&e);
    zip_error_fini(&e);
    return text;
}

ZipContents refused(const grading::Form& why)
{
    return {{}, worded(why)};
}

} // namespace

bool isZipFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && grading::looksLikeZip(f.read(4).toStdString());
}

// libzip reads the directory and checks every entry's checksum; which
// entries are records and which zip is refused are grading's rules, the
// same as the page's.
ZipContents readRecordZip(const QString& path)
{
    int code = 0;
    std::unique_ptr<zip_t, ZipCloser> zip(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!zip)
        return refused(grading::zipDamaged(libzipText(code)));
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    std::vector<grading::ZipEntry> entries;
    for (zip_int64_t i = 0; i < count && count <= static_cast<zip_int64_t>(grading::mostZipEntries); ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME) ||
            !(st.valid & ZIP_STAT_SIZE))
            return refused(grading::zipDamaged(zip_strerror(zip.get())));
        entries.push_back({st.name, st.size});
    }
    const grading::ZipCheck check = grading::checkZip(entries, static_cast<std::uint64_t>(count));
    if (!check.error.empty())
        return refused(check.error);
    ZipContents out;
    std::uint64_t unpacked = 0;
    for (const std::size_t i : check.records) {
        const std::string& name = entries[i].name;
        std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(zip.get(), i, 0));
        if (!entry)
            return refused(grading::zipDamaged(name + ": " + zip_strerror(zip.get())));
        QByteArray data;
        char buffer[65536];
        for (;;) {
            const zip_int64_t n = zip_fread(entry.get(), buffer, sizeof buffer);
            if (n < 0)
                return refused(grading::zipDamaged(name + ": " + zip_file_strerror(entry.get())));
            if (n == 0)
                break;
            unpacked += static_cast<std::uint64_t>(n);
            if (grading::pastUnpackedLimit(unpacked))
                return refused(grading::zipTooLarge());
            data.append(buffer, static_cast<qsizetype>(n));
        }
        out.records.push_back({QString::fromStdString(name), std::move(data)});
    }
    return out;
}

} // namespace course
