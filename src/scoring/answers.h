#pragma once
// What the student answered in the evaluation and what each answer scored,
// kept for the result record (std only: the grade export reads it too).

#include <optional>
#include <string>

namespace evaluation {

struct Answers {
    std::optional<int> type;             // the list index chosen in step 1
    std::optional<std::string> equation; // as typed, at the last Enter of step 3
    std::optional<std::string> alpha;    // as typed, at the Enter of step 5
    int typePoints = 0;
    int equationPoints = 0;
    int alphaPoints = 0;
    std::optional<double> equationDeviation; // whole percent, once scored
    std::optional<double> alphaDeviation;    // whole percent, once scored
};

} // namespace evaluation
