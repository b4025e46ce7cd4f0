#pragma once
// The journal's two charts. "Kennlinie": the recorded readings in volts over
// the sensor temperature, one series per sensor number. "Zeitverlauf": the
// sensor temperature, the set point and the reading over the last ten
// minutes (for an earlier journal: at its rows' times), drawn live: each tick moves the newest point of each series
// on, and what has left the window is trimmed, so a tick costs the same
// after an hour as after a minute.

#include "journal/journal.h"
#include "lab/journalcharts.h"

#include <QMap>
#include <QRectF>

class QChart;
class QLineSeries;
class QPainter;
class QScatterSeries;
class QValueAxis;

namespace journal {

using lab::AxisRange;
using lab::niceRange;

class CharacteristicChart {
public:
    explicit CharacteristicChart(QChart* chart);
    QChart* chart() const { return chart_; }
    void setRows(const QList<Row>& rows);
    void addRow(const Row& row);
    int pointCount() const;

private:
    QScatterSeries* seriesFor(const QString& sensor);
    void applyRanges();

    QChart* chart_;
    QValueAxis* x_;
    QValueAxis* y_;
    QMap<QString, QScatterSeries*> series_;
    lab::Extent extent_;
};

class TimeChart {
public:
    explicit TimeChart(QChart* chart);
    QChart* chart() const { return chart_; }
    // All of the timeline anew (when the chart comes into view).
    void setTimeline(const std::deque<Sample>& timeline, double now);
    // The newest sample, the oldest trimmed off.
    void append(const Sample& s, const std::deque<Sample>& timeline, double now);
    // The whole course of an earlier journal: its readings at the times
    // they were taken, the time axis in round steps over all of it.
    void setRows(const QList<Row>& rows);
    int pointCount() const;

private:
    bool slide(double now);
    void trim();
    void scale(const std::deque<Sample>& timeline);
    void show(const lab::TimeCourse& course);

    QChart* chart_;
    QValueAxis* time_;
    QValueAxis* celsius_;
    QValueAxis* volts_;
    QLineSeries* sensor_;
    QLineSeries* setPoint_;
    QLineSeries* reading_;
    AxisRange celsiusRange_, voltsRange_;
    int lastSecond_ = -1;        // the second of the newest temperature points
    int lastReadingSecond_ = -1; // and of the newest reading
};

// The characteristic of these rows drawn into `target` on any painter (the
// printed report).
void paintCharacteristic(QPainter& painter, const QRectF& target, const QList<Row>& rows);

} // namespace journal
