// A long run of the thermostat: the model work of every tick exactly as the
// bench's timer does it, with the student changing sensor, source, resistor,
// bridge, set temperature, range and self-heating at random (seeded). No
// display may ever show a number that is not finite, and the heap must not
// grow between the first and the last ten thousand ticks.

#include "model/circuit.h"
#include "model/state.h"
#include "model/thermal.h"
#include "model/voltmeter.h"
#include "numbers/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <new>
#include <optional>
#include <random>
#include <string>
#include <vector>

// ---------------------------------------------------------------- live heap bytes

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer owns operator new; its allocator reports the live bytes
// (declared here: gcc installs no sanitizer headers).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
namespace {
long long liveHeapBytes() { return static_cast<long long>(__sanitizer_get_current_allocated_bytes()); }
} // namespace
#else
#include <malloc.h>
namespace {
std::atomic<long long> liveBytes{0};
long long liveHeapBytes() { return liveBytes.load(); }

void* counted(std::size_t n)
{
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p)
        liveBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}
// malloc and free under operator new and delete are exactly what is meant.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void release(void* p) noexcept
{
    if (!p)
        return;
    liveBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
} // namespace

// Every allocation of the program goes through these, so the count is exact.
void* operator new(std::size_t n)
{
    if (void* p = counted(n))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return counted(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return counted(n); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
#endif

namespace {

constexpr char sep = ',';

bool finiteText(std::string t)
{
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t.find("nan") == std::string::npos && t.find("inf") == std::string::npos;
}

// The experiment window reduced to its model work and its display texts.
class Bench {
public:
    Bench() { start(); }

    // A new run after a destroyed sensor, as a fresh start of the program.
    void start()
    {
        s_ = model::ExperimentState{};
        th_ = model::Thermostat{};
        destroyed_ = false;
        model::setStartValues(s_, sep);
        labelV_ = std::to_string(s_.uquelle);
        labelT_ = numbers::displayText(s_.tsoll, sep);
        setResistor(40);
        model::f_alpha(s_);
        recompute();
    }

    // Timer1_Timer.
    void tick()
    {
        if (destroyed_)
            return;
        model::applyPendingStep(s_, th_);
        const model::Reading reading = model::f_anzeige(s_);
        if (reading == model::Reading::Shown)
            voltmeter();
        const bool computed = reading != model::Reading::Fault;
        model::computeNextStep(s_, th_);
        if (std::isfinite(s_.tsensor))
            labelSensor_ = numbers::patternText(s_.tsensor, 1, 1, sep) + " °C";
        if (!computed || model::isDestroyed(s_)) {
            destroyed_ = true;
            ++destructions_;
        }
    }

    // The controls, each with what its change handler does.
    void selectSensor(int index)
    {
        s_.sensortyp = static_cast<std::uint8_t>(index);
        recompute();
    }
    void setSource(int volts)
    {
        labelV_ = std::to_string(volts);
        s_.uquelle = static_cast<std::int16_t>(volts);
        recompute();
    }
    void setResistor(int position)
    {
        position_ = position;
        if (s_.rvor_kurz)
            return; // the up-down is disabled while the resistor is bridged
        const double r = model::resistorForPosition(static_cast<std::uint8_t>(position));
        s_.rvor = r;
        labelR_ = r < 1000 ? numbers::displayText(r, sep) + " Ohm"
                 : r < 1000000 ? numbers::displayText(r / 1000, sep) + " kOhm"
                               : numbers::displayText(r / 1000000, sep) + " MOhm";
        recompute();
    }
    void setTemperature(int celsius)
    {
        labelT_ = std::to_string(celsius) + "°C";
        s_.tsoll = celsius;
        recompute();
    }
    void toggleBridge()
    {
        if (s_.sensortyp == 4 || s_.sensortyp == 6)
            return; // the bench refuses with a message
        s_.rvor_kurz = !s_.rvor_kurz;
        s_.rvor = s_.rvor_kurz ? 0.01 : model::resistorForPosition(static_cast<std::uint8_t>(position_));
        recompute();
    }
    void setRange(int position)
    {
        s_.messbereich = model::rangeForPosition(position);
        voltmeter();
    }
    void toggleSelfHeating() { model::toggleSelfHeating(s_, th_); }

    bool destroyed() const { return destroyed_; }
    int destructions() const { return destructions_; }
    const model::ExperimentState& state() const { return s_; }
    bool displaysFinite() const
    {
        return finiteText(labelAnz_) && finiteText(labelSensor_) && finiteText(labelR_) && finiteText(labelV_) &&
               finiteText(labelT_);
    }
    std::string displays() const
    {
        return labelAnz_ + " | " + labelSensor_ + " | " + labelR_ + " | " + labelV_ + " | " + labelT_;
    }

private:
    void recompute()
    {
        if (model::f_anzeige(s_) == model::Reading::Shown)
            voltmeter();
    }
    void voltmeter()
    {
        if (const auto text = model::voltmeterText(static_cast<float>(s_.umess), s_.messbereich, sep))
            labelAnz_ = *text;
    }

    model::ExperimentState s_;
    model::Thermostat th_;
    bool destroyed_ = false;
    int destructions_ = 0;
    int position_ = 40;
    std::string labelAnz_, labelSensor_, labelR_, labelV_, labelT_;
};

TEST(Soak, HundredThousandTicksStayFiniteAndKeepTheirMemory)
{
    constexpr int ticks = 100000;
    constexpr int window = std::min(10000, ticks / 2);
    std::mt19937 rng(20240607);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    // The measure itself: a block of 1 MiB must show in the count.
    {
        const long long before = liveHeapBytes();
        std::vector<char> block(1 << 20);
        ASSERT_GE(liveHeapBytes() - before, 1 << 20);
    }
    Bench bench;
    long long firstPeak = 0, lastPeak = 0;
    int changes = 0;
    for (int i = 0; i < ticks; ++i) {
        if (bench.destroyed())
            bench.start();
        // About one change in ten ticks, two seconds of the student's time.
        switch (pick(0, 79)) {
        case 0: bench.selectSensor(pick(0, 6)); break;
        case 1: bench.setSource(pick(0, 24)); break;
        case 2: bench.setResistor(2 * pick(10, 35)); break;
        case 3: bench.setTemperature(pick(20, 100)); break;
        case 4: bench.toggleBridge(); break;
        case 5: bench.setRange(pick(0, 3)); break;
        case 6: case 7: bench.toggleSelfHeating(); break;
        default: --changes; break;
        }
        ++changes;
        bench.tick();
        ASSERT_TRUE(bench.displaysFinite()) << "tick " << i << ": " << bench.displays();
        if (!bench.destroyed()) {
            ASSERT_TRUE(std::isfinite(bench.state().tsensor)) << "tick " << i;
        }
        const long long live = liveHeapBytes();
        if (i < window)
            firstPeak = std::max(firstPeak, live);
        if (i >= ticks - window)
            lastPeak = std::max(lastPeak, live);
    }
    std::cout << "soak: " << ticks << " ticks, " << changes << " changes, " << bench.destructions()
              << " destroyed sensors; live heap peak " << firstPeak << " bytes in the first " << window
              << " ticks, " << lastPeak << " bytes in the last " << window << "\n";
    EXPECT_GT(bench.destructions(), 0) << "the run should also overheat a sensor now and then";
    EXPECT_LT(lastPeak - firstPeak, 1 << 20);
}

} // namespace
