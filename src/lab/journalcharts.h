#pragma once
// The journal's two charts as data, drawn by either skin. "Kennlinie": the
// recorded readings in volts over the sensor temperature, one series per
// sensor number. "Zeitverlauf": the sensor temperature, the set point and
// the reading over the last ten minutes of the run's clock (for an earlier
// journal: at its rows' times).

#include "lab/journal.h"

#include <deque>
#include <string>
#include <vector>

namespace lab {

inline constexpr const char* chartsContext = "journal::Charts";

// A range with round ends and a round step, no more than `maxSteps` steps.
struct AxisRange {
    double low = 0, high = 1, step = 1;
    bool operator==(const AxisRange&) const = default;
};
AxisRange niceRange(double low, double high, int maxSteps = 8);

struct ChartPoint {
    double x, y;
    bool operator==(const ChartPoint&) const = default;
};

// ---------------------------------------------------------------- Kennlinie

// The points' extent; the axes follow from it.
struct Extent {
    double tMin = 0, tMax = 0, vMin = 0, vMax = 0;
    bool any = false;
    // False when the point lay within.
    bool extend(double t, double v);
};
// The temperature axis and the voltage axis: the voltage starts at zero
// unless a reading lies below it, with a little room around the points.
AxisRange characteristicT(const Extent& e);
AxisRange characteristicV(const Extent& e);

// A row's point; false over range or when a number is missing.
bool characteristicPoint(const JournalRow& row, ChartPoint& point);

struct SensorSeries {
    std::string sensor; // named "Sensor <sensor>"
    std::vector<ChartPoint> points;
};
struct Characteristic {
    std::vector<SensorSeries> series; // in the order of the sensor numbers
    Extent extent;
};
Characteristic characteristic(const std::vector<JournalLine>& lines);

// ---------------------------------------------------------------- Zeitverlauf

// One sample per thermostat tick: the displays, read as numbers.
struct Sample {
    double seconds;
    double sensorTemp; // °C
    double setPoint;   // °C
    double volts;      // NaN over range
};

// The displays of the bench as numbers; its seconds are the timeline's.
Sample sampleOf(const JournalRow& shown);

// The run's clock and the samples of its last ten minutes.
class Timeline {
public:
    static constexpr double keptSeconds = 600;
    void sample(double step, double sensorTemp, double setPoint, double volts);
    // Goes on from a restored journal's last row.
    void startAt(double seconds) { seconds_ = seconds; }
    double seconds() const { return seconds_; }
    // A row's time: the whole seconds the run has gone.
    int recordSecond() const { return static_cast<int>(seconds_ + 1e-6); }
    const std::deque<Sample>& samples() const { return samples_; }

private:
    double seconds_ = 0;
    std::deque<Sample> samples_;
};

struct TimeCourse {
    AxisRange time; // minutes
    AxisRange celsius, volts;
    // One point per second, the newest sample of it; the reading has gaps over range.
    std::vector<ChartPoint> sensor, setPoint, reading;
};
// The time axis at `now` seconds: whole minutes up to ten, then half a
// minute at a time, always showing at least the last ten.
AxisRange timeWindow(double now);
// The temperature and voltage axes over these samples.
void scaleTimeCourse(const std::deque<Sample>& samples, TimeCourse& course);
// The live course at `now`.
TimeCourse timeCourse(const std::deque<Sample>& samples, double now);
// An earlier journal's course: its readings at the times they were taken.
TimeCourse timeCourse(const std::vector<JournalLine>& lines);

} // namespace lab
