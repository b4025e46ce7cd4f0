#pragma once
// A stored run scored again from its answers and its sensor values, with
// the evaluation's own comparison and scoring: these points are the grade,
// and points typed into a record by hand only show as a difference.

#include "grading/record.h"

namespace grading {

struct Rescored {
    int typePoints = 0;
    int equationPoints = 0;
    int alphaPoints = 0;
    int total() const { return typePoints + equationPoints + alphaPoints; }
};

// `sensor` is the record's own or, for a record without it, the drawn one.
Rescored rescore(const evaluation::Answers& a, const SensorRecord& sensor);

// Whether the stored points (`total` besides the answers' own) are the ones the answers earn.
bool pointsMatch(const evaluation::Answers& a, int total, const Rescored& again);

} // namespace grading
