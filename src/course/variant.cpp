#include "course/variant.h"

namespace course {

TeacherFile::TeacherFile(const QByteArray& bytes)
    : file_(bytes.toStdString())
{
}

std::optional<SensorRecord> TeacherFile::variantOf(const RunRecord& r) const
{
    const std::optional<grading::SensorRecord> drawn =
        file_.variantOf(r.id.toStdString(), r.seed.toStdString(), r.choice);
    return drawn ? std::optional(fromGrading(*drawn)) : std::nullopt;
}

bool sameSensor(const SensorRecord& a, const SensorRecord& b)
{
    return grading::sameSensor(toGrading(a), toGrading(b));
}

} // namespace course
