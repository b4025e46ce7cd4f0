// How long the interpreter takes for what the evaluation window asks of it:
// one typical equation, the 400 calls of one comparison, and long sums,
// whose cost grows with the square of their length because every step
// rewrites the text.

#include <formula/interpreter.h>
#include <numbers/numbers.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void typicalEquation(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(formula::f_formel("0.000357*EXP(5000/341.200000000001)"));
}
BENCHMARK(typicalEquation);

// The comparison evaluates the student's equation at 400 temperatures from
// 20 to 100 degrees Celsius, with T replaced by the kelvin value.
void oneComparison(benchmark::State& state)
{
    std::vector<std::string> formulas;
    for (int k = 0; k < 400; ++k) {
        const std::string kelvin = numbers::formulaText(20.0 + 80.0 * k / 400 + 273);
        formulas.push_back("0,000357*EXP(5000/" + kelvin + ")+100|(2*" + kelvin + "^2)");
    }
    for (auto _ : state)
        for (const std::string& f : formulas)
            benchmark::DoNotOptimize(formula::f_formel(f));
}
BENCHMARK(oneComparison)->Unit(benchmark::kMillisecond);

// "1+2.5+1+2.5..." cut to the given number of characters.
void longSum(benchmark::State& state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    std::string sum = "1";
    for (int k = 0; sum.size() < length; ++k)
        sum += k % 2 ? "+1" : "+2.5";
    sum.resize(length);
    if (sum.back() == '+' || sum.back() == '.')
        sum.back() = '1';
    for (auto _ : state)
        benchmark::DoNotOptimize(formula::f_formel(sum));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(longSum)->Arg(1024)->Arg(4096)->Arg(16384)->Arg(32767)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
