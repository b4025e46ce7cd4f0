// The class overview as one self-contained HTML page: the charts are inline
// SVG, the style sits in the page, and nothing is fetched or run.

#include "course/overview.h"
#include "course/text.h"

#include <QDateTime>
#include <QDir>
#include <QMap>

#include <algorithm>
#include <array>

namespace course {

namespace {

QString esc(const QString& t) { return t.toHtmlEscaped(); }

struct Bar {
    QString label;
    double value = 0;
    QString shown; // the value as written above the bar
};

// A bar chart of `bars` with a scale from 0 to `top`, labels under the bars.
QString barChart(const QString& title, const QList<Bar>& bars, double top, const QString& axis)
{
    const int width = 640, height = 260, left = 50, bottom = 200, plot = 170;
    const double step = bars.isEmpty() ? 0 : double(width - left - 10) / bars.size();
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" role=\"img\" "
                                 "aria-label=\"%3\">")
                      .arg(width)
                      .arg(height)
                      .arg(esc(title));
    svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#444\"/>").arg(left).arg(bottom).arg(width - 5);
    svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\" stroke=\"#444\"/>").arg(left).arg(bottom).arg(bottom - plot);
    svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"12\" text-anchor=\"end\">%3</text>")
               .arg(left - 6).arg(bottom - plot + 4).arg(top);
    svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"12\" text-anchor=\"end\">0</text>").arg(left - 6).arg(bottom + 4);
    svg += QStringLiteral("<text x=\"10\" y=\"%1\" font-size=\"12\" transform=\"rotate(-90 10 %1)\" "
                          "text-anchor=\"middle\">%2</text>")
               .arg(bottom - plot / 2)
               .arg(esc(axis));
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const Bar& b = bars[i];
        const double h = top > 0 ? plot * b.value / top : 0;
        const double x = left + 4 + i * step;
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"#3a7bbf\"><title>%5: %6</title></rect>")
                   .arg(x, 0, 'f', 1).arg(bottom - h, 0, 'f', 1).arg(step - 8, 0, 'f', 1).arg(h, 0, 'f', 1)
                   .arg(esc(b.label), esc(b.shown));
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"12\" text-anchor=\"middle\">%3</text>")
                   .arg(x + (step - 8) / 2, 0, 'f', 1).arg(bottom - h - 4, 0, 'f', 1).arg(esc(b.shown));
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"11\" text-anchor=\"middle\">%3</text>")
                   .arg(x + (step - 8) / 2, 0, 'f', 1).arg(bottom + 16).arg(esc(b.label));
    }
    return QStringLiteral("<figure><figcaption>%1</figcaption>").arg(esc(title)) + svg +
           QStringLiteral("</svg></figure>\n");
}

// In tenths of the maximum, so that types scored out of 8 and out of 10
// stand on one scale; full marks join the top tenth.
QString histogram(const Overview& o)
{
    QList<int> count(10, 0);
    for (const StudentRow& r : o.students)
        if (r.points >= 0 && r.maximum > 0)
            ++count[std::min(9, 10 * r.points / r.maximum)];
    QList<Bar> bars;
    for (int tenth = 0; tenth < 10; ++tenth)
        bars.append({QStringLiteral("%1–%2").arg(10 * tenth).arg(10 * tenth + 10), double(count[tenth]),
                     QString::number(count[tenth])});
    const int most = *std::max_element(count.begin(), count.end());
    return barChart(tr("Verteilung in Prozent der Höchstpunktzahl (gewerteter Versuch)"), bars, std::max(most, 1),
                    tr("Studierende"));
}

// Horizontal bars: the sensor names are long, so they stand on the left.
QString meanPerSensor(const Overview& o)
{
    QMap<int, QPair<QString, QList<int>>> bySensor;
    int top = 1;
    for (const StudentRow& r : o.students) {
        top = std::max(top, r.maximum);
        if (r.points >= 0) {
            bySensor[r.sensorIndex].first = r.sensor;
            bySensor[r.sensorIndex].second.append(r.points);
        }
    }
    const int left = 330, barArea = 280, rowHeight = 26;
    const auto height = static_cast<int>(bySensor.size()) * rowHeight + 30;
    const QString title = tr("Mittlere Punkte je Sensortyp (Anzahl)");
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" role=\"img\" "
                                 "aria-label=\"%3\">")
                      .arg(left + barArea + 60)
                      .arg(height)
                      .arg(esc(title));
    int row = 0;
    for (auto it = bySensor.cbegin(); it != bySensor.cend(); ++it, ++row) {
        const QList<int>& points = it.value().second;
        double sum = 0;
        for (int p : points)
            sum += p;
        const double mean = sum / points.size();
        const int y = 6 + row * rowHeight;
        const QString label = QStringLiteral("%1 (%2)").arg(it.value().first).arg(points.size());
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"12\" text-anchor=\"end\">%3</text>")
                   .arg(left - 8).arg(y + 15).arg(esc(label));
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"20\" fill=\"#3a7bbf\"><title>%4: %5</title></rect>")
                   .arg(left).arg(y).arg(barArea * mean / top, 0, 'f', 1).arg(esc(label), QString::number(mean, 'f', 1));
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"12\">%3</text>")
                   .arg(left + barArea * mean / top + 6, 0, 'f', 1).arg(y + 15).arg(QString::number(mean, 'f', 1));
    }
    svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"11\">%3</text>")
               .arg(left)
               .arg(height - 4)
               .arg(esc(tr("Skala 0 bis %1 Punkte").arg(top)));
    return QStringLiteral("<figure><figcaption>%1</figcaption>").arg(esc(title)) + svg +
           QStringLiteral("</svg></figure>\n");
}

QString table(const Overview& o)
{
    QString t = QStringLiteral("<table><thead><tr>");
    for (const Column& c : columns())
        if (c.html)
            t += QStringLiteral("<th>%1</th>").arg(esc(tr(c.head)));
    t += QStringLiteral("</tr></thead><tbody>\n");
    for (const StudentRow& r : o.students) {
        t += r.suspect() ? QStringLiteral("<tr class=\"note\">") : QStringLiteral("<tr>");
        for (const Column& c : columns())
            if (c.html)
                t += (c.number ? QStringLiteral("<td class=\"n\">%1</td>") : QStringLiteral("<td>%1</td>"))
                         .arg(esc(c.html(r)));
        t += QStringLiteral("</tr>\n");
    }
    t += QStringLiteral("</tbody></table>\n");
    if (!o.unreadable.isEmpty()) {
        t += QStringLiteral("<h2>%1</h2><ul>\n").arg(esc(tr("Nicht lesbare Dateien")));
        for (const Unreadable& u : o.unreadable)
            t += QStringLiteral("<li><code>%1</code>: %2</li>\n").arg(esc(u.file), esc(u.reason));
        t += QStringLiteral("</ul>\n");
    }
    return t;
}

} // namespace

QByteArray htmlPage(const Overview& o, const QString& folder)
{
    const QString title = esc(tr("KORA – Klassenübersicht"));
    // The page's language for screen readers and hyphenation: the code of the texts' language.
    QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\"><title>%2</title>")
                       .arg(tr("de"), title);
    page += QStringLiteral(
        "<style>"
        "body{font-family:sans-serif;margin:2em;color:#222}table{border-collapse:collapse}"
        "th,td{border:1px solid #bbb;padding:.3em .6em;text-align:left}td.n{text-align:right}"
        "tr.note td{background:#fff3cd}figure{display:inline-block;margin:0 2em 1em 0}"
        "figcaption{font-weight:bold;margin-bottom:.3em}</style></head><body>\n");
    page += QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n")
                .arg(title, esc(tr("Ordner %1, %2 Studierende, erstellt %3."))
                                .arg(QStringLiteral("<code>%1</code>").arg(esc(QDir::toNativeSeparators(folder))),
                                     QString::number(o.students.size()),
                                     QDateTime::currentDateTime().toString(tr("dd.MM.yyyy HH:mm"))));
    if (!o.variantsChecked)
        page += QStringLiteral("<p>%1</p>\n")
                    .arg(esc(tr("Die Varianten sind nicht geprüft; das tut --config mit der cmmup.dlx des Kurses.")));
    page += histogram(o) + meanPerSensor(o) + table(o);
    page += QStringLiteral("</body></html>\n");
    return page.toUtf8();
}

} // namespace course
