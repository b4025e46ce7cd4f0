#include "course/rescore.h"

#include "scoring/comparison.h"
#include "scoring/scoring.h"

#include <QString>

namespace course {

Rescored rescore(const RunRecord& r)
{
    // The same calls that scored the run in the evaluation window, on the
    // record's sensor values and its answers as typed.
    // A record without its sensor is scored by the caller, who draws it again.
    if (!r.sensor)
        return {};
    const model::ExperimentState s = stateOf(*r.sensor);
    const evaluation::Answers& a = r.answers;
    Rescored out;
    if (a.type)
        out.typePoints = scoring::typePoints(s, *a.type);
    // Scored only where the evaluation scored it: a deviation was stored.
    if (a.equation && a.equationDeviation) {
        // The window compares the box's text in capitals.
        const std::string upper = QString::fromStdString(*a.equation).toUpper().toStdString();
        out.equationPoints = scoring::scoreEquation(s, upper).points;
    }
    if (a.alpha && a.alphaDeviation && r.sensor->index <= 3)
        out.alphaPoints = scoring::scoreAlpha(s, *a.alpha).points;
    return out;
}

bool pointsMatch(const RunRecord& r, const Rescored& again)
{
    const evaluation::Answers& a = r.answers;
    return a.typePoints == again.typePoints && a.equationPoints == again.equationPoints &&
           a.alphaPoints == again.alphaPoints && r.total == again.total();
}

} // namespace course
