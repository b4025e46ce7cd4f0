#include "course/rescore.h"

namespace course {

Rescored rescore(const evaluation::Answers& a, const SensorRecord& sensor)
{
    return grading::rescore(a, toGrading(sensor));
}

bool pointsMatch(const RunRecord& r, const Rescored& again)
{
    return grading::pointsMatch(r.answers, r.total, again);
}

} // namespace course
