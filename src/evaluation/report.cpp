#include "evaluation/report.h"

#include "ui/layout.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace evaluation {

void Report::paintPage(QPainter& p, QPagedPaintDevice& device)
{
    const double unit = device.logicalDpiX() / 2.54; // device units per centimetre
    p.setPen(Qt::black);
    // Size and weight stay in force for the items that follow, as on a printer.
    auto size = [&](double points, bool bold) { p.setFont(ui::designFont({ui::Face::Sans, points, bold})); };
    // A text's top edge lies at y.
    auto print = [&](double x, double y, const QString& text) {
        const QFontMetricsF fm(p.font(), &device);
        p.drawText(QPointF(x * unit, y * unit + fm.ascent()), text);
    };
    size(10, false);
    print(17, 1, data_.date);
    size(14, true);
    print(3, 2, QStringLiteral("Temperaturkennlinie:   ") + data_.sensorname);
    size(12, true);
    print(3, 3.8, QStringLiteral("Sensor: rote Kurve"));
    print(13, 3.8, QStringLiteral("Eingabe: blaue Kurve"));
    size(10, false);
    print(3, 4.5, data_.formeltext);
    print(13, 4.5, QStringLiteral("f(T) = ") + data_.eingabeformel);
    print(3, 5, QStringLiteral("Abweichung: ") + data_.abweichung + QStringLiteral(" %"));
    if (data_.withAlpha) {
        print(3, 6, QStringLiteral("alpha = ") + data_.alpha);
        print(13, 6, QStringLiteral("Eingabe: ") + data_.alphaEingabe);
        print(3, 6.5, QStringLiteral("Fehler: ") + data_.abweichungAlpha + QStringLiteral(" %"));
    }
    if (!data_.plot.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(3 * unit, 7.5 * unit, plotWidthCm * unit, plotHeightCm * unit), data_.plot);
    }
    size(14, true);
    print(13, 20, QStringLiteral("Punktzahl = ") + data_.punkte);
}

} // namespace evaluation
