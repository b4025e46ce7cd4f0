// The class overview as one self-contained HTML page: the charts are inline
// SVG, the style sits in the page, and nothing is fetched or run.

#include "grading/overviewtext.h"

#include "numbers/numbers.h"

#include <algorithm>
#include <map>
#include <utility>

namespace grading {

namespace {

std::string esc(const std::string& t)
{
    std::string out;
    out.reserve(t.size());
    for (const char c : t) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A coordinate or a mean with one decimal, as the page has always written them.
std::string one(double v) { return numbers::fixedHalfAway(v, 1); }
std::string whole(long long v) { return std::to_string(v); }

struct Bar {
    std::string label;
    double value = 0;
    std::string shown; // the value as written above the bar
};

std::string figure(const std::string& title, const std::string& svg)
{
    return "<figure><figcaption>" + esc(title) + "</figcaption>" + svg + "</svg></figure>\n";
}

std::string svgHead(int width, int height, const std::string& title)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + whole(width) + "\" height=\"" + whole(height) +
           "\" role=\"img\" aria-label=\"" + esc(title) + "\">";
}

// A bar chart of `bars` with a scale from 0 to `top`, labels under the bars.
std::string barChart(const std::string& title, const std::vector<Bar>& bars, double top, const std::string& axis)
{
    const int width = 640, height = 260, left = 50, bottom = 200, plot = 170;
    const double step = bars.empty() ? 0 : double(width - left - 10) / static_cast<double>(bars.size());
    std::string svg = svgHead(width, height, title);
    svg += "<line x1=\"" + whole(left) + "\" y1=\"" + whole(bottom) + "\" x2=\"" + whole(width - 5) + "\" y2=\"" +
           whole(bottom) + "\" stroke=\"#444\"/>";
    svg += "<line x1=\"" + whole(left) + "\" y1=\"" + whole(bottom) + "\" x2=\"" + whole(left) + "\" y2=\"" +
           whole(bottom - plot) + "\" stroke=\"#444\"/>";
    svg += "<text x=\"" + whole(left - 6) + "\" y=\"" + whole(bottom - plot + 4) +
           "\" font-size=\"12\" text-anchor=\"end\">" + numbers::displayText(top, '.') + "</text>";
    svg += "<text x=\"" + whole(left - 6) + "\" y=\"" + whole(bottom + 4) +
           "\" font-size=\"12\" text-anchor=\"end\">0</text>";
    svg += "<text x=\"10\" y=\"" + whole(bottom - plot / 2) + "\" font-size=\"12\" transform=\"rotate(-90 10 " +
           whole(bottom - plot / 2) + ")\" text-anchor=\"middle\">" + esc(axis) + "</text>";
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Bar& b = bars[i];
        const double h = top > 0 ? plot * b.value / top : 0;
        const double x = left + 4 + static_cast<double>(i) * step;
        svg += "<rect x=\"" + one(x) + "\" y=\"" + one(bottom - h) + "\" width=\"" + one(step - 8) + "\" height=\"" +
               one(h) + "\" fill=\"#3a7bbf\"><title>" + esc(b.label) + ": " + esc(b.shown) + "</title></rect>";
        svg += "<text x=\"" + one(x + (step - 8) / 2) + "\" y=\"" + one(bottom - h - 4) +
               "\" font-size=\"12\" text-anchor=\"middle\">" + esc(b.shown) + "</text>";
        svg += "<text x=\"" + one(x + (step - 8) / 2) + "\" y=\"" + whole(bottom + 16) +
               "\" font-size=\"11\" text-anchor=\"middle\">" + esc(b.label) + "</text>";
    }
    return figure(title, svg);
}

// In tenths of the maximum, so that types scored out of 8 and out of 10
// stand on one scale; full marks join the top tenth.
std::string histogram(const Overview& o, const Words& w)
{
    std::vector<int> count(10, 0);
    for (const StudentRow& r : o.students)
        if (r.points >= 0 && r.maximum > 0)
            ++count[static_cast<std::size_t>(std::min(9, 10 * r.points / r.maximum))];
    std::vector<Bar> bars;
    for (int tenth = 0; tenth < 10; ++tenth)
        bars.push_back({whole(10 * tenth) + "–" + whole(10 * tenth + 10), double(count[static_cast<std::size_t>(tenth)]),
                        whole(count[static_cast<std::size_t>(tenth)])});
    const int most = *std::max_element(count.begin(), count.end());
    return barChart(tr(w, QT_TRANSLATE_NOOP("course", "Verteilung in Prozent der Höchstpunktzahl (gewerteter Versuch)")),
                    bars, std::max(most, 1), tr(w, QT_TRANSLATE_NOOP("course", "Studierende")));
}

// Horizontal bars: the sensor names are long, so they stand on the left.
std::string meanPerSensor(const Overview& o, const Words& w)
{
    std::map<int, std::pair<std::string, std::vector<int>>> bySensor;
    int top = 1;
    for (const StudentRow& r : o.students) {
        top = std::max(top, r.maximum);
        if (r.points >= 0) {
            bySensor[r.sensorIndex].first = shownSensorName(w, r.sensorIndex, r.sensor);
            bySensor[r.sensorIndex].second.push_back(r.points);
        }
    }
    const int left = 330, barArea = 280, rowHeight = 26;
    const auto height = static_cast<int>(bySensor.size()) * rowHeight + 30;
    const std::string title = tr(w, QT_TRANSLATE_NOOP("course", "Mittlere Punkte je Sensortyp (Anzahl)"));
    std::string svg = svgHead(left + barArea + 60, height, title);
    int row = 0;
    for (const auto& [index, named] : bySensor) {
        const std::vector<int>& points = named.second;
        double sum = 0;
        for (const int p : points)
            sum += p;
        const double mean = sum / static_cast<double>(points.size());
        const int y = 6 + row * rowHeight;
        const std::string label = named.first + " (" + whole(static_cast<long long>(points.size())) + ")";
        svg += "<text x=\"" + whole(left - 8) + "\" y=\"" + whole(y + 15) + "\" font-size=\"12\" text-anchor=\"end\">" +
               esc(label) + "</text>";
        svg += "<rect x=\"" + whole(left) + "\" y=\"" + whole(y) + "\" width=\"" + one(barArea * mean / top) +
               "\" height=\"20\" fill=\"#3a7bbf\"><title>" + esc(label) + ": " + one(mean) + "</title></rect>";
        svg += "<text x=\"" + one(left + barArea * mean / top + 6) + "\" y=\"" + whole(y + 15) +
               "\" font-size=\"12\">" + one(mean) + "</text>";
        ++row;
    }
    svg += "<text x=\"" + whole(left) + "\" y=\"" + whole(height - 4) + "\" font-size=\"11\">" +
           esc(filled(tr(w, QT_TRANSLATE_NOOP("course", "Skala 0 bis %1 Punkte")), {whole(top)})) + "</text>";
    return figure(title, svg);
}

std::string table(const Overview& o, const Words& w)
{
    std::string t = "<table><thead><tr>";
    for (const Column& c : columns())
        if (c.html)
            t += "<th>" + esc(tr(w, c.head)) + "</th>";
    t += "</tr></thead><tbody>\n";
    for (const StudentRow& r : o.students) {
        t += r.suspect() ? "<tr class=\"note\">" : "<tr>";
        for (const Column& c : columns())
            if (c.html)
                t += (c.number ? "<td class=\"n\">" : "<td>") + esc(c.html(r, w)) + "</td>";
        t += "</tr>\n";
    }
    t += "</tbody></table>\n";
    if (!o.unreadable.empty()) {
        t += "<h2>" + esc(tr(w, QT_TRANSLATE_NOOP("course", "Nicht lesbare Dateien"))) + "</h2><ul>\n";
        for (const Unreadable& u : o.unreadable)
            t += "<li><code>" + esc(u.file) + "</code>: " + esc(worded(w, u.reason)) + "</li>\n";
        t += "</ul>\n";
    }
    return t;
}

} // namespace

std::string htmlPage(const Overview& o, const Words& w, const std::string& source, const std::string& created)
{
    const std::string title = esc(tr(w, QT_TRANSLATE_NOOP("course", "KORA – Klassenübersicht")));
    // The page's language for screen readers and hyphenation: the code of the texts' language.
    std::string page = "<!DOCTYPE html>\n<html lang=\"" + tr(w, QT_TRANSLATE_NOOP("course", "de")) +
                       "\"><head><meta charset=\"utf-8\"><title>" + title + "</title>";
    page += "<style>"
            "body{font-family:sans-serif;margin:2em;color:#222}table{border-collapse:collapse}"
            "th,td{border:1px solid #bbb;padding:.3em .6em;text-align:left}td.n{text-align:right}"
            "tr.note td{background:#fff3cd}figure{display:inline-block;margin:0 2em 1em 0}"
            "figcaption{font-weight:bold;margin-bottom:.3em}</style></head><body>\n";
    // The folder goes into the sentence already escaped, inside its <code>.
    page += "<h1>" + title + "</h1>\n<p>" +
            filled(esc(tr(w, QT_TRANSLATE_NOOP("course", "Ordner %1, %2 Studierende, erstellt %3."))),
                   {"<code>" + esc(source) + "</code>", whole(static_cast<long long>(o.students.size())), created}) +
            "</p>\n";
    if (!o.variantsChecked)
        page += "<p>" +
                esc(tr(w, QT_TRANSLATE_NOOP("course", "Die Varianten sind nicht geprüft; das tut --config mit der cmmup.dlx des Kurses."))) +
                "</p>\n";
    page += histogram(o, w) + meanPerSensor(o, w) + table(o, w);
    page += "</body></html>\n";
    return page;
}

} // namespace grading
