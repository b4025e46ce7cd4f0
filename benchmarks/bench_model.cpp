// The model work of one thermostat tick, per sensor type: the pending step,
// the circuit (the diode with its full scan), the power and the next step.

#include "model/circuit.h"
#include "model/thermal.h"

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

} // namespace
