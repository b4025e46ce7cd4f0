#include "grading/rescore.h"

#include "model/sensortypes.h"
#include "scoring/comparison.h"
#include "scoring/scoring.h"

#include <string>

namespace grading {

Rescored rescore(const evaluation::Answers& a, const SensorRecord& sensor)
{
    // The same calls that scored the run in the evaluation window, on the
    // sensor's values and the answers as typed.
    const model::ExperimentState s = stateOf(sensor);
    Rescored out;
    if (a.type)
        out.typePoints = scoring::typePoints(s, *a.type);
    // Scored only where the evaluation scored it: a deviation was stored.
    if (a.equation && a.equationDeviation) {
        // The window compares the box's text in capitals; its keys let in
        // no letter beyond the basic Latin ones.
        std::string upper = *a.equation;
        for (char& c : upper)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        out.equationPoints = scoring::scoreEquation(s, upper).points;
    }
    if (a.alpha && a.alphaDeviation && model::sensorType(sensor.index).alphaAsked)
        out.alphaPoints = scoring::scoreAlpha(s, *a.alpha).points;
    return out;
}

bool pointsMatch(const evaluation::Answers& a, int total, const Rescored& again)
{
    return a.typePoints == again.typePoints && a.equationPoints == again.equationPoints &&
           a.alphaPoints == again.alphaPoints && total == again.total();
}

} // namespace grading
