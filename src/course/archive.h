#pragma once
// Records handed in as one zip file, as a learning platform gives them out
// ("Download all submissions": a folder per student, or all files flat).
// The zip is read into memory whole or refused whole, by grading's rules:
// an entry that points out of its folder, a zip that unpacks to more than
// the limits, or a damaged one leaves nothing behind but its reason.

#include <QByteArray>
#include <QString>

#include <vector>

namespace course {

struct ZipFile {
    QString name; // the entry's path inside the zip
    QByteArray data;
};

struct ZipContents {
    std::vector<ZipFile> records; // every "*.json" entry, in the zip's order
    QString error;                // why the zip is refused; empty when it was read
};

// Whether `path` names a zip file (by its first bytes, not by its name).
bool isZipFile(const QString& path);

ZipContents readRecordZip(const QString& path);

} // namespace course
