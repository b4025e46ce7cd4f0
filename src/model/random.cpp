#include "model/random.h"

#include "numbers/numbers.h"

#include <chrono>
#include <random>

namespace model {

double Class1::RAND(double a, double b)
{
    // Reseeded on every call, as the experiment's draws always were; the
    // nanosecond clock keeps draws made in the same instant apart.
    static unsigned counter = 0;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32), ++counter};
    std::mt19937 gen(seq);
    // 24 bits of resolution: a single-precision number in [0, 1).
    const float r = static_cast<float>(gen() >> 8) / 16777216.0f;
    return a + (b - a) * static_cast<double>(r);
}

double Class1::RANDINT(double a, double b) { return numbers::roundHalfEven(RAND(a, b)); }

} // namespace model
