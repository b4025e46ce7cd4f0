#include "model/thermal.h"

#include <cmath>

namespace model {

void applyPendingStep(ExperimentState& s, Thermostat& th)
{
    th.zeitschritt = 0.2;
    s.tsensor = s.tsensor + th.tschritt;
}

double computeNextStep(const ExperimentState& s, Thermostat& th)
{
    // The 0.001 ohm keeps the power finite with the resistor bridged.
    const double p = (s.uquelle - s.umess) / (s.rvor + 0.001) * s.umess;
    th.tschritt = (p * s.eigenerwarmung - (s.tsensor - s.tsoll) * heatConductance) * th.zeitschritt / heatCapacity;
    return p;
}

void toggleSelfHeating(ExperimentState& s, Thermostat& th)
{
    th.eigen_ein = !th.eigen_ein;
    s.eigenerwarmung = th.eigen_ein ? 1 : 0;
}

bool isDestroyed(const ExperimentState& s) { return !std::isfinite(s.tsensor) || s.tsensor > destructionLimit; }

} // namespace model
