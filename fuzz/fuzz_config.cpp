// Any bytes at all as the teacher's cmmup.dlx, then the rest of the bench's
// start-up on the state the file left: the reading of the circuit, alpha,
// the report to the teacher and a few thermostat ticks. Nothing may crash or
// show undefined behaviour, and the values the reader promises to keep in
// range (sensor number, source voltage, thermostat temperature) stay there.

#include "model/circuit.h"
#include "model/config.h"
#include "model/random.h"
#include "model/state.h"
#include "model/thermal.h"
#include "model/voltmeter.h"
#include "numbers/numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// The bench's side of the configuration: a selected sensor is computed at
// once, as the option button's click handler does.
struct Bench : model::ConfigTarget {
    explicit Bench(model::ExperimentState& s) : state(s) {}
    void showSelfHeatingSwitch() override {}
    void pressSelfHeatingSwitch() override {}
    void hideSensorChoice() override {}
    void selectSensor(int index) override
    {
        if (index < 0 || index >= model::sensorTypes)
            std::abort();
        state.sensortyp = static_cast<std::uint8_t>(index);
        (void)model::f_anzeige(state);
    }
    model::ExperimentState& state;
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    model::ExperimentState s;
    model::setStartValues(s, ',');
    Bench bench(s);
    model::Class1 random;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto problems = model::applyConfig(in, s, bench, random);

    require(s.sensortyp < model::sensorTypes);
    require(s.uquelle >= 0 && s.uquelle <= 24);
    require(s.tsoll >= 20 && s.tsoll <= 100);
    (void)model::problemReport(problems);
    (void)numbers::displayText(s.tsoll, ',');

    model::Thermostat th;
    if (s.eigenerwarmung)
        model::toggleSelfHeating(s, th);
    (void)model::f_anzeige(s);
    model::f_alpha(s);
    for (int tick = 0; tick < 3 && !model::isDestroyed(s); ++tick) {
        model::applyPendingStep(s, th);
        if (model::f_anzeige(s) == model::Reading::Shown)
            (void)model::voltmeterText(static_cast<float>(s.umess), s.messbereich, ',');
        model::computeNextStep(s, th);
        if (std::isfinite(s.tsensor))
            (void)numbers::patternText(s.tsensor, 1, 1, ',');
    }
    return 0;
}
