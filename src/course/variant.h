#pragma once
// The teacher's file of the desktop's export: grading's variant drawn again,
// for the desktop's records, with the file's hash to tell another teacher's
// file apart.

#include "course/record.h"
#include "grading/variant.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace course {

class TeacherFile {
public:
    explicit TeacherFile(const QByteArray& bytes);

    QString sha256() const { return QString::fromStdString(file_.sha256()); }

    // The file as the grading library reads it.
    const grading::TeacherFile& file() const { return file_; }

    // The sensor this record's run drew, or nothing when its draw cannot be
    // repeated (no key word, no seed, and the sensor's values are drawn).
    std::optional<SensorRecord> variantOf(const RunRecord& r) const;

private:
    grading::TeacherFile file_;
};

// Whether a record's sensor is the drawn one (grading::sameSensor).
bool sameSensor(const SensorRecord& a, const SensorRecord& b);

} // namespace course
