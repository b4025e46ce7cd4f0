#include "journal/charts.h"

#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <cmath>

namespace journal {

namespace {

constexpr double minute = 60;

void setUpChart(QChart* chart, const QString& title)
{
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale());
    chart->setMargins(QMargins(4, 4, 4, 4));
    QFont f = chart->titleFont();
    f.setBold(true);
    chart->setTitleFont(f);
}

QValueAxis* axis(QChart* chart, const QString& title, Qt::Alignment side)
{
    auto* a = new QValueAxis(chart);
    a->setTitleText(title);
    chart->addAxis(a, side);
    return a;
}

int decimalsFor(double step)
{
    return step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

void apply(QValueAxis* a, const AxisRange& r)
{
    a->setRange(r.low, r.high);
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(r.low);
    a->setTickInterval(r.step);
    a->setLabelFormat(QStringLiteral("%.%1f").arg(decimalsFor(r.step)));
}

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

// ---------------------------------------------------------------- Kennlinie

CharacteristicChart::CharacteristicChart(QChart* chart) : chart_(chart)
{
    setUpChart(chart_, QCoreApplication::translate("journal::Charts", "Kennlinie"));
    x_ = axis(chart_, QCoreApplication::translate("journal::Charts", "ϑ Sensor /°C"), Qt::AlignBottom);
    y_ = axis(chart_, QStringLiteral("U /V"), Qt::AlignLeft);
    applyRanges();
}

QScatterSeries* CharacteristicChart::seriesFor(const QString& sensor)
{
    if (auto* s = series_.value(sensor))
        return s;
    auto* s = new QScatterSeries(chart_);
    s->setName(QStringLiteral("Sensor ") + sensor);
    s->setMarkerSize(7);
    // Squares: a round marker costs three times as much to paint, and the
    // chart repaints every marker with each new reading.
    s->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    chart_->addSeries(s);
    s->attachAxis(x_);
    s->attachAxis(y_);
    series_.insert(sensor, s);
    return s;
}

void CharacteristicChart::extend(double t, double v)
{
    if (!any_) {
        tMin_ = tMax_ = t;
        vMin_ = vMax_ = v;
        any_ = true;
        return;
    }
    tMin_ = std::min(tMin_, t);
    tMax_ = std::max(tMax_, t);
    vMin_ = std::min(vMin_, v);
    vMax_ = std::max(vMax_, v);
}

void CharacteristicChart::applyRanges()
{
    // The voltage axis starts at zero unless a reading lies below it; a
    // little room around the points keeps them off the frame.
    const double tPad = (tMax_ - tMin_) * 0.03, vPad = (vMax_ - std::min(0.0, vMin_)) * 0.05;
    apply(x_, any_ ? niceRange(tMin_ - tPad, tMax_ + tPad) : AxisRange{0, 100, 20});
    apply(y_, any_ ? niceRange(vMin_ < 0 ? vMin_ - vPad : 0.0, vMax_ + vPad) : AxisRange{0, 10, 2});
}

void CharacteristicChart::addRow(const Row& row)
{
    const double t = numberOf(row.sensorTemp);
    const double v = readingVolts(row);
    if (!std::isfinite(t) || !std::isfinite(v))
        return; // over range: no point
    const bool wasAny = any_;
    const double before[] = {tMin_, tMax_, vMin_, vMax_};
    extend(t, v);
    seriesFor(row.sensor)->append(t, v);
    if (!wasAny || before[0] != tMin_ || before[1] != tMax_ || before[2] != vMin_ || before[3] != vMax_)
        applyRanges();
}

void CharacteristicChart::setRows(const QList<Row>& rows)
{
    for (QScatterSeries* s : std::as_const(series_)) {
        chart_->removeSeries(s);
        delete s;
    }
    series_.clear();
    any_ = false;
    // One series per sensor number, in the order of the numbers.
    QMap<QString, QList<QPointF>> points;
    for (const Row& r : rows) {
        const double t = numberOf(r.sensorTemp);
        const double v = readingVolts(r);
        if (std::isfinite(t) && std::isfinite(v)) {
            points[r.sensor].append({t, v});
            extend(t, v);
        }
    }
    for (auto it = points.cbegin(); it != points.cend(); ++it)
        seriesFor(it.key())->append(it.value());
    applyRanges();
}

int CharacteristicChart::pointCount() const
{
    int n = 0;
    for (const QScatterSeries* s : series_)
        n += static_cast<int>(s->count());
    return n;
}

// ---------------------------------------------------------------- Zeitverlauf

namespace {

// The chart draws one point per second of the ten minutes, the newest
// sample of that second; the point of the running second follows every
// tick. A line series recomputes its whole path on any change, so 600
// points a series keep a tick cheap where 3000 would not, and on a chart a
// few hundred pixels wide they draw the same curve.
int secondOf(double seconds)
{
    return static_cast<int>(std::floor(seconds + 1e-6));
}

// Put the sample into its second's point: the last one if it is of the
// same second, else a new one.
void follow(QLineSeries* series, int& lastSecond, int second, double minutes, double value)
{
    if (!std::isfinite(value))
        return; // over range: a gap of no points
    if (series->count() > 0 && lastSecond == second)
        series->replace(static_cast<int>(series->count()) - 1, QPointF(minutes, value));
    else
        series->append(minutes, value);
    lastSecond = second;
}

// The time axis jumps by half a minute, so that it changes every 150 ticks
// and not at each one; the newest point is always in its last half minute.
constexpr double jump = 0.5;

} // namespace

TimeChart::TimeChart(QChart* chart) : chart_(chart)
{
    setUpChart(chart_, QCoreApplication::translate("journal::Charts", "Zeitverlauf"));
    time_ = axis(chart_, QStringLiteral("t /min"), Qt::AlignBottom);
    celsius_ = axis(chart_, QStringLiteral("ϑ /°C"), Qt::AlignLeft);
    volts_ = axis(chart_, QStringLiteral("U /V"), Qt::AlignRight);
    auto line = [this](const QString& name, const QColor& colour, Qt::PenStyle style, QValueAxis* y) {
        auto* s = new QLineSeries(chart_);
        s->setName(name);
        QPen pen(colour, 1.5, style);
        s->setPen(pen);
        chart_->addSeries(s);
        s->attachAxis(time_);
        s->attachAxis(y);
        return s;
    };
    sensor_ = line(QCoreApplication::translate("journal::Charts", "ϑ Sensor"), QColor(200, 30, 30),
                   Qt::SolidLine, celsius_);
    setPoint_ = line(QCoreApplication::translate("journal::Charts", "ϑ Thermostat"), QColor(90, 90, 90),
                     Qt::DashLine, celsius_);
    reading_ = line(QCoreApplication::translate("journal::Charts", "Anzeige"), QColor(20, 80, 200),
                    Qt::SolidLine, volts_);
    apply(time_, {0, 1, 1});
    time_->setTickInterval(1);
    celsiusRange_ = {0, 100, 20};
    voltsRange_ = {0, 10, 2};
    apply(celsius_, celsiusRange_);
    apply(volts_, voltsRange_);
}

bool TimeChart::slide(double now)
{
    // Up to ten minutes the axis grows by whole minutes; then it moves on by
    // half a minute at a time and always shows at least the last ten.
    const double at = now / minute;
    const double right =
        at <= 10 ? std::max(1.0, std::ceil(at - 1e-9)) : (std::floor(at / jump + 1e-9) + 1) * jump;
    const double left = at <= 10 ? 0.0 : right - 10 - jump;
    if (time_->max() == right && time_->min() == left)
        return false;
    time_->setRange(left, right);
    return true;
}

void TimeChart::trim()
{
    const double left = time_->min();
    for (QLineSeries* series : {sensor_, setPoint_, reading_}) {
        int old = 0;
        const int n = static_cast<int>(series->count());
        while (old < n && series->at(old).x() < left)
            ++old;
        if (old > 0)
            series->removePoints(0, old);
    }
}

void TimeChart::scale(const std::deque<Sample>& timeline)
{
    double cLow = INFINITY, cHigh = -INFINITY, vLow = 0, vHigh = -INFINITY;
    for (const Sample& s : timeline) {
        cLow = std::min({cLow, s.sensorTemp, s.setPoint});
        cHigh = std::max({cHigh, s.sensorTemp, s.setPoint});
        if (std::isfinite(s.volts)) {
            vLow = std::min(vLow, s.volts);
            vHigh = std::max(vHigh, s.volts);
        }
    }
    // The axes change only when a round end does: most ticks leave them be.
    const AxisRange c =
        std::isfinite(cLow) && std::isfinite(cHigh) ? niceRange(cLow, cHigh, 6) : AxisRange{0, 100, 20};
    const AxisRange v = std::isfinite(vHigh) ? niceRange(vLow, vHigh, 6) : AxisRange{0, 10, 2};
    if (!(c == celsiusRange_))
        apply(celsius_, celsiusRange_ = c);
    if (!(v == voltsRange_))
        apply(volts_, voltsRange_ = v);
}

void TimeChart::setTimeline(const std::deque<Sample>& timeline, double now)
{
    sensor_->clear();
    setPoint_->clear();
    reading_->clear();
    apply(time_, {0, 1, 1}); // whole minutes, after an earlier journal's steps
    slide(now);
    QList<QPointF> s, t, v;
    int last = -1, lastReading = -1;
    for (const Sample& x : timeline) {
        if (x.seconds / minute < time_->min())
            continue;
        const QPointF m(x.seconds / minute, 0);
        const int second = secondOf(x.seconds);
        if (second != last || s.isEmpty()) {
            s.append({m.x(), x.sensorTemp});
            t.append({m.x(), x.setPoint});
        } else {
            s.last() = {m.x(), x.sensorTemp};
            t.last() = {m.x(), x.setPoint};
        }
        last = second;
        if (std::isfinite(x.volts)) {
            if (second != lastReading || v.isEmpty())
                v.append({m.x(), x.volts});
            else
                v.last() = {m.x(), x.volts};
            lastReading = second;
        }
    }
    sensor_->replace(s);
    setPoint_->replace(t);
    reading_->replace(v);
    lastSecond_ = last;
    lastReadingSecond_ = lastReading;
    scale(timeline);
}

void TimeChart::append(const Sample& x, const std::deque<Sample>& timeline, double now)
{
    if (slide(now))
        trim();
    const double m = x.seconds / minute;
    const int second = secondOf(x.seconds);
    int sensorSecond = lastSecond_;
    follow(sensor_, sensorSecond, second, m, x.sensorTemp);
    follow(setPoint_, lastSecond_, second, m, x.setPoint);
    follow(reading_, lastReadingSecond_, second, m, x.volts);
    scale(timeline);
}

void TimeChart::setRows(const QList<Row>& rows)
{
    std::deque<Sample> samples;
    QList<QPointF> s, t, v;
    double end = 0;
    for (const Row& r : rows) {
        const Sample x{double(r.seconds), numberOf(r.sensorTemp), numberOf(r.thermostat), readingVolts(r)};
        if (!std::isfinite(x.sensorTemp) || !std::isfinite(x.setPoint))
            continue;
        samples.push_back(x);
        const double m = x.seconds / minute;
        s.append({m, x.sensorTemp});
        t.append({m, x.setPoint});
        if (std::isfinite(x.volts))
            v.append({m, x.volts});
        end = std::max(end, m);
    }
    sensor_->replace(s);
    setPoint_->replace(t);
    reading_->replace(v);
    lastSecond_ = lastReadingSecond_ = -1;
    apply(time_, niceRange(0, std::max(end, 1.0), 8));
    scale(samples);
}

int TimeChart::pointCount() const
{
    return static_cast<int>(sensor_->count() + setPoint_->count() + reading_->count());
}

// ---------------------------------------------------------------- printing

void paintCharacteristic(QPainter& painter, const QRectF& target, const QList<Row>& rows)
{
    // Laid out at a screen size of the same shape, then scaled onto the page.
    const QRectF logical(0, 0, 640, 640 * target.height() / target.width());
    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);
    CharacteristicChart c(chart);
    c.setRows(rows);
    chart->setGeometry(logical);
    chart->setBackgroundVisible(false);
    scene.setSceneRect(logical);
    scene.render(&painter, target, logical);
}

} // namespace journal
