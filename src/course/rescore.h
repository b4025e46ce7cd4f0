#pragma once
// A stored run scored again from its answers and its sensor values, with
// the evaluation's own comparison and scoring: these points are the grade,
// and points typed into a record by hand only show as a difference.

#include "course/record.h"
#include "grading/rescore.h"

namespace course {

using grading::Rescored;

// `sensor` is the record's own or, for a record without it, the drawn one.
Rescored rescore(const evaluation::Answers& a, const SensorRecord& sensor);

// Whether the stored points are the ones the answers earn.
bool pointsMatch(const RunRecord& r, const Rescored& again);

} // namespace course
