// A learning platform's zip of submissions read as a folder of records, and
// the zips that must be refused whole.
#include "course/archive.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, QByteArray>>;

// Writes a real zip with libzip's own writer, deflated as platforms do.
QString makeZip(const QTemporaryDir& dir, const Entries& entries)
{
    const QString path = dir.filePath(QStringLiteral("abgaben.zip"));
    QFile::remove(path);
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    EXPECT_NE(z, nullptr);
    std::vector<QByteArray> keep; // libzip reads the buffers at zip_close
    keep.reserve(entries.size());
    for (const auto& [name, data] : entries) {
        keep.push_back(data);
        zip_source_t* src = zip_source_buffer(z, keep.back().constData(), static_cast<zip_uint64_t>(keep.back().size()), 0);
        EXPECT_GE(zip_file_add(z, name.c_str(), src, ZIP_FL_ENC_UTF_8), 0) << name;
    }
    EXPECT_EQ(zip_close(z), 0);
    return path;
}

const QByteArray record = R"({"format":"kora-result/1"})";

struct Case {
    const char* what;
    Entries entries;
    int records;        // records read, when the zip is taken
    const char* reason; // part of the reason, when it is refused
};

class Zip : public ::testing::TestWithParam<Case> {};

TEST_P(Zip, ReadWholeOrRefusedWhole)
{
    QTemporaryDir dir;
    const QString path = makeZip(dir, GetParam().entries);
    ASSERT_TRUE(course::isZipFile(path));
    const course::ZipContents z = course::readRecordZip(path);
    if (*GetParam().reason) {
        EXPECT_TRUE(z.error.contains(QString::fromUtf8(GetParam().reason))) << z.error.toStdString();
        EXPECT_TRUE(z.records.empty());
    } else {
        EXPECT_EQ(z.error, QString()) << z.error.toStdString();
        EXPECT_EQ(static_cast<int>(z.records.size()), GetParam().records);
        for (const auto& r : z.records)
            EXPECT_EQ(r.data, record);
    }
}

Entries many(int n)
{
    Entries e;
    for (int i = 0; i < n; ++i)
        e.emplace_back("s" + std::to_string(i) + ".txt", QByteArray("x"));
    return e;
}

INSTANTIATE_TEST_SUITE_P(
    Submissions, Zip,
    ::testing::Values(
        Case{"a folder per student, the platform's own page beside it",
             {{"Anna Muster_123_assignsubmission_file/KORA-4711001.json", record},
              {"Ben Beispiel_124_assignsubmission_file/KORA-4711002.json", record},
              {"Ben Beispiel_124_assignsubmission_onlinetext/onlinetext.html", "<p>Hallo</p>"}},
             2, ""},
        Case{"flat", {{"Anna Muster_123_assignsubmission_file_KORA-4711001.JSON", record}}, 1, ""},
        Case{"up and out", {{"a/../../etc/KORA.json", record}}, 0, "aus seinem Ordner"},
        Case{"absolute", {{"/tmp/KORA.json", record}}, 0, "aus seinem Ordner"},
        Case{"backslashes", {{"a\\..\\..\\KORA.json", record}}, 0, "aus seinem Ordner"},
        Case{"a drive", {{"C:/KORA.json", record}}, 0, "aus seinem Ordner"},
        Case{"unpacks past 100 MB", {{"KORA.json", QByteArray(101 * 1000 * 1000, '0')}}, 0, "zu groß"},
        Case{"more than 10 000 entries", many(10001), 0, "zu groß"}),
    [](const auto& info) { return "row" + std::to_string(info.index); });

TEST(Zip, DamagedIsRefused)
{
    QTemporaryDir dir;
    const QString path = makeZip(dir, {{"a/KORA-1.json", record}, {"b/KORA-2.json", record}});
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    // Cut before the central directory: a download that broke off.
    f.resize(bytes.size() / 2);
    f.close();
    EXPECT_TRUE(course::readRecordZip(path).error.contains(QStringLiteral("beschädigt")));
    // A flipped byte in the packed data: its checksum no longer fits.
    bytes[40] = static_cast<char>(bytes[40] ^ 0x55);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    const course::ZipContents z = course::readRecordZip(path);
    EXPECT_TRUE(z.error.contains(QStringLiteral("beschädigt"))) << z.error.toStdString();
    EXPECT_TRUE(z.records.empty());
}

} // namespace
