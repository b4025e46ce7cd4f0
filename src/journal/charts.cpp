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

void CharacteristicChart::applyRanges()
{
    apply(x_, lab::characteristicT(extent_));
    apply(y_, lab::characteristicV(extent_));
}

void CharacteristicChart::addRow(const Row& row)
{
    lab::ChartPoint p{};
    if (!lab::characteristicPoint(lineOf(row).row, p))
        return; // over range: no point
    const bool wider = extent_.extend(p.x, p.y);
    seriesFor(row.sensor)->append(p.x, p.y);
    if (wider)
        applyRanges();
}

void CharacteristicChart::setRows(const QList<Row>& rows)
{
    for (QScatterSeries* s : std::as_const(series_)) {
        chart_->removeSeries(s);
        delete s;
    }
    series_.clear();
    std::vector<lab::JournalLine> lines;
    for (const Row& r : rows)
        lines.push_back(lineOf(r));
    const lab::Characteristic c = lab::characteristic(lines);
    extent_ = c.extent;
    for (const lab::SensorSeries& series : c.series) {
        QList<QPointF> points;
        for (const lab::ChartPoint& p : series.points)
            points.append({p.x, p.y});
        seriesFor(QString::fromStdString(series.sensor))->append(points);
    }
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
    const AxisRange window = lab::timeWindow(now);
    if (time_->max() == window.high && time_->min() == window.low)
        return false;
    time_->setRange(window.low, window.high);
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
    lab::TimeCourse c;
    lab::scaleTimeCourse(timeline, c);
    // The axes change only when a round end does: most ticks leave them be.
    if (!(c.celsius == celsiusRange_))
        apply(celsius_, celsiusRange_ = c.celsius);
    if (!(c.volts == voltsRange_))
        apply(volts_, voltsRange_ = c.volts);
}

void TimeChart::show(const lab::TimeCourse& course)
{
    auto points = [](const std::vector<lab::ChartPoint>& from) {
        QList<QPointF> out;
        out.reserve(static_cast<qsizetype>(from.size()));
        for (const lab::ChartPoint& p : from)
            out.append({p.x, p.y});
        return out;
    };
    sensor_->replace(points(course.sensor));
    setPoint_->replace(points(course.setPoint));
    reading_->replace(points(course.reading));
    if (!(course.celsius == celsiusRange_))
        apply(celsius_, celsiusRange_ = course.celsius);
    if (!(course.volts == voltsRange_))
        apply(volts_, voltsRange_ = course.volts);
}

void TimeChart::setTimeline(const std::deque<Sample>& timeline, double now)
{
    apply(time_, {0, 1, 1}); // whole minutes, after an earlier journal's steps
    slide(now);
    const lab::TimeCourse course = lab::timeCourse(timeline, now);
    show(course);
    auto secondOfLast = [](const std::vector<lab::ChartPoint>& points) {
        return points.empty() ? -1 : secondOf(points.back().x * minute);
    };
    lastSecond_ = secondOfLast(course.sensor);
    lastReadingSecond_ = secondOfLast(course.reading);
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
    std::vector<lab::JournalLine> lines;
    for (const Row& r : rows)
        lines.push_back(lineOf(r));
    const lab::TimeCourse course = lab::timeCourse(lines);
    show(course);
    lastSecond_ = lastReadingSecond_ = -1;
    apply(time_, course.time);
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
