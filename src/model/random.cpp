#include "model/random.h"

#include "numbers/numbers.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace model {

namespace {

// 24 bits of resolution: a single-precision number in [0, 1), then scaled.
double drawBetween(std::mt19937& gen, double a, double b)
{
    const float r = static_cast<float>(gen() >> 8) / 16777216.0f;
    return a + (b - a) * static_cast<double>(r);
}

// FNV-1a over the key, a separator and the upper-cased Matrikelnummer.
std::uint64_t personalHash(std::string_view key, std::string_view matrikel)
{
    std::uint64_t h = 14695981039346656037ull;
    auto add = [&h](unsigned char c) {
        h ^= c;
        h *= 1099511628211ull;
    };
    for (char c : key)
        add(static_cast<unsigned char>(c));
    add(0);
    for (char c : matrikel)
        add(static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    return h;
}

} // namespace

double Class1::RAND(double a, double b)
{
    // Reseeded on every call, as the experiment's draws always were; the
    // nanosecond clock keeps draws made in the same instant apart.
    static unsigned counter = 0;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32), ++counter};
    std::mt19937 gen(seq);
    return drawBetween(gen, a, b);
}

PersonalDraw::PersonalDraw(std::string_view key, std::string_view matrikel)
{
    const std::uint64_t h = personalHash(key, matrikel);
    std::seed_seq seq{static_cast<std::uint32_t>(h), static_cast<std::uint32_t>(h >> 32)};
    gen_.seed(seq);
}

double PersonalDraw::RAND(double a, double b) { return drawBetween(gen_, a, b); }

SeededDraw::SeededDraw(std::uint64_t seed)
{
    std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    gen_.seed(seq);
}

double SeededDraw::RAND(double a, double b) { return drawBetween(gen_, a, b); }

double Class1::RANDINT(double a, double b) { return numbers::roundHalfEven(RAND(a, b)); }

} // namespace model
