#include "lab/journalcharts.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace lab {

namespace {

constexpr double minute = 60;
// The time axis jumps by half a minute, so that it changes every 150 ticks
// and not at each one; the newest point is always in its last half minute.
constexpr double jump = 0.5;

// A chart draws one point per second, the newest sample of that second:
// on a chart a few hundred pixels wide they draw the same curve as every
// tick would.
int secondOf(double seconds) { return static_cast<int>(std::floor(seconds + 1e-6)); }

} // namespace

AxisRange niceRange(double low, double high, int maxSteps)
{
    if (!std::isfinite(low) || !std::isfinite(high) || low > high)
        return {0, 1, 0.2};
    if (high - low < 1e-12) {
        const double pad = std::max(std::fabs(low) * 0.1, 1e-3);
        low -= pad;
        high += pad;
    }
    const double raw = (high - low) / maxSteps;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        step = m * power;
        if (step >= raw)
            break;
    }
    return {std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
}

bool Extent::extend(double t, double v)
{
    if (!any) {
        tMin = tMax = t;
        vMin = vMax = v;
        any = true;
        return true;
    }
    const Extent before = *this;
    tMin = std::min(tMin, t);
    tMax = std::max(tMax, t);
    vMin = std::min(vMin, v);
    vMax = std::max(vMax, v);
    return before.tMin != tMin || before.tMax != tMax || before.vMin != vMin || before.vMax != vMax;
}

AxisRange characteristicT(const Extent& e)
{
    const double pad = (e.tMax - e.tMin) * 0.03;
    return e.any ? niceRange(e.tMin - pad, e.tMax + pad) : AxisRange{0, 100, 20};
}

AxisRange characteristicV(const Extent& e)
{
    const double pad = (e.vMax - std::min(0.0, e.vMin)) * 0.05;
    return e.any ? niceRange(e.vMin < 0 ? e.vMin - pad : 0.0, e.vMax + pad) : AxisRange{0, 10, 2};
}

bool characteristicPoint(const JournalRow& row, ChartPoint& point)
{
    point = {numberOf(row.sensorTemp), readingVolts(row.anzeige)};
    return std::isfinite(point.x) && std::isfinite(point.y);
}

Characteristic characteristic(const std::vector<JournalLine>& lines)
{
    Characteristic c;
    std::map<std::string, std::vector<ChartPoint>> points;
    for (const JournalLine& line : lines) {
        ChartPoint p{};
        if (characteristicPoint(line.row, p)) {
            points[line.row.sensor].push_back(p);
            c.extent.extend(p.x, p.y);
        }
    }
    for (auto& [sensor, list] : points)
        c.series.push_back({sensor, std::move(list)});
    return c;
}

Sample sampleOf(const JournalRow& shown)
{
    return {0, numberOf(shown.sensorTemp), numberOf(shown.thermostat), readingVolts(shown.anzeige)};
}

void Timeline::sample(double step, double sensorTemp, double setPoint, double volts)
{
    seconds_ += step;
    samples_.push_back({seconds_, sensorTemp, setPoint, volts});
    while (!samples_.empty() && samples_.front().seconds < seconds_ - keptSeconds)
        samples_.pop_front();
}

AxisRange timeWindow(double now)
{
    const double at = now / minute;
    const double right = at <= 10 ? std::max(1.0, std::ceil(at - 1e-9)) : (std::floor(at / jump + 1e-9) + 1) * jump;
    const double left = at <= 10 ? 0.0 : right - 10 - jump;
    return {left, right, 1};
}

void scaleTimeCourse(const std::deque<Sample>& samples, TimeCourse& course)
{
    double cLow = INFINITY, cHigh = -INFINITY, vLow = 0, vHigh = -INFINITY;
    for (const Sample& s : samples) {
        cLow = std::min({cLow, s.sensorTemp, s.setPoint});
        cHigh = std::max({cHigh, s.sensorTemp, s.setPoint});
        if (std::isfinite(s.volts)) {
            vLow = std::min(vLow, s.volts);
            vHigh = std::max(vHigh, s.volts);
        }
    }
    course.celsius = std::isfinite(cLow) && std::isfinite(cHigh) ? niceRange(cLow, cHigh, 6) : AxisRange{0, 100, 20};
    course.volts = std::isfinite(vHigh) ? niceRange(vLow, vHigh, 6) : AxisRange{0, 10, 2};
}

TimeCourse timeCourse(const std::deque<Sample>& samples, double now)
{
    TimeCourse c;
    c.time = timeWindow(now);
    int last = -1, lastReading = -1;
    for (const Sample& x : samples) {
        const double m = x.seconds / minute;
        if (m < c.time.low)
            continue;
        const int second = secondOf(x.seconds);
        if (second != last || c.sensor.empty()) {
            c.sensor.push_back({m, x.sensorTemp});
            c.setPoint.push_back({m, x.setPoint});
        } else {
            c.sensor.back() = {m, x.sensorTemp};
            c.setPoint.back() = {m, x.setPoint};
        }
        last = second;
        if (std::isfinite(x.volts)) {
            if (second != lastReading || c.reading.empty())
                c.reading.push_back({m, x.volts});
            else
                c.reading.back() = {m, x.volts};
            lastReading = second;
        }
    }
    scaleTimeCourse(samples, c);
    return c;
}

TimeCourse timeCourse(const std::vector<JournalLine>& lines)
{
    TimeCourse c;
    std::deque<Sample> samples;
    double end = 0;
    for (const JournalLine& line : lines) {
        const Sample x{double(line.seconds), numberOf(line.row.sensorTemp), numberOf(line.row.thermostat),
                       readingVolts(line.row.anzeige)};
        if (!std::isfinite(x.sensorTemp) || !std::isfinite(x.setPoint))
            continue;
        samples.push_back(x);
        const double m = x.seconds / minute;
        c.sensor.push_back({m, x.sensorTemp});
        c.setPoint.push_back({m, x.setPoint});
        if (std::isfinite(x.volts))
            c.reading.push_back({m, x.volts});
        end = std::max(end, m);
    }
    c.time = niceRange(0, std::max(end, 1.0), 8);
    scaleTimeCourse(samples, c);
    return c;
}

} // namespace lab
