// The model work of one thermostat tick, per sensor type: the pending step,
// the circuit (the diode with its full scan), the power and the next step.
// And the core's two costs that the WebAssembly module is measured against
// (scripts/bench): a tick with the texts it shows, and one whole comparison.

#include "model/circuit.h"
#include "model/thermal.h"
#include "model/voltmeter.h"
#include "numbers/numbers.h"
#include "scoring/comparison.h"

#include <benchmark/benchmark.h>

namespace {

void tickModel(benchmark::State& st)
{
    model::ExperimentState s;
    model::setStartValues(s, ',');
    s.sensortyp = static_cast<std::uint8_t>(st.range(0));
    s.tsensor = 20;
    model::Thermostat th;
    for (auto _ : st) {
        model::applyPendingStep(s, th);
        benchmark::DoNotOptimize(model::f_anzeige(s));
        benchmark::DoNotOptimize(model::computeNextStep(s, th));
    }
}
BENCHMARK(tickModel)->DenseRange(0, 6)->ArgName("sensortyp");

// The diode at 10 V with the resistor bridged: its scan runs almost to the end.
void diodeLongestScan(benchmark::State& st)
{
    model::ExperimentState s;
    model::setStartValues(s, ',');
    s.sensortyp = 4;
    s.tsensor = 0;
    s.rvor_kurz = true;
    for (auto _ : st)
        benchmark::DoNotOptimize(model::f_anzeige(s));
}
BENCHMARK(diodeLongestScan);

// A tick as the bench shows it: the model's work, the voltmeter's text and
// the sensor's temperature text (the NTC, at 20 °C).
void coreTickWithReading(benchmark::State& st)
{
    model::ExperimentState s;
    model::setStartValues(s, ',');
    s.tsensor = 20;
    model::Thermostat th;
    for (auto _ : st) {
        model::applyPendingStep(s, th);
        if (model::f_anzeige(s) == model::Reading::Shown)
            benchmark::DoNotOptimize(model::voltmeterText(static_cast<float>(s.umess), s.messbereich, ','));
        model::computeNextStep(s, th);
        benchmark::DoNotOptimize(numbers::patternText(s.tsensor, 1, 1, ',') + " °C");
    }
}
BENCHMARK(coreTickWithReading);

// One whole comparison of the NTC's right equation, without a window.
void coreComparison(benchmark::State& st)
{
    model::ExperimentState s;
    model::setStartValues(s, ',');
    model::f_alpha(s);
    for (auto _ : st)
        benchmark::DoNotOptimize(scoring::scoreEquation(s, "0.000357*EXP(5000/T)").points);
}
BENCHMARK(coreComparison)->Unit(benchmark::kMicrosecond);

} // namespace
