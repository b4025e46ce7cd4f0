#pragma once
// A stored run scored again from its answers and its sensor values, with
// the evaluation's own comparison and scoring, so that points typed into a
// record by hand show.

#include "course/record.h"

namespace course {

struct Rescored {
    int typePoints = 0;
    int equationPoints = 0;
    int alphaPoints = 0;
    int total() const { return typePoints + equationPoints + alphaPoints; }
};

Rescored rescore(const RunRecord& r);

// Whether the stored points are the ones the answers earn.
bool pointsMatch(const RunRecord& r, const Rescored& again);

} // namespace course
