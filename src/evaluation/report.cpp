#include "evaluation/report.h"

#include "journal/printout.h"
#include "ui/layout.h"

#include <QCoreApplication>
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
    // Who handed the page in, in the free space beside the date.
    QStringList who;
    if (!data_.name.isEmpty())
        who << QCoreApplication::translate("evaluation::Report", "Name: %1").arg(data_.name);
    if (!data_.matrikel.isEmpty())
        who << QCoreApplication::translate("evaluation::Report", "Matrikelnummer: %1").arg(data_.matrikel);
    if (!who.isEmpty()) {
        const QFontMetricsF fm(p.font(), &device);
        print(3, 1, fm.elidedText(who.join(QStringLiteral("    ")), Qt::ElideRight, 13.5 * unit));
    }
    size(14, true);
    print(
        3, 2,
        QCoreApplication::translate("evaluation::Report", "Temperaturkennlinie:   %1").arg(data_.sensorname));
    size(12, true);
    print(3, 3.8, QCoreApplication::translate("evaluation::Report", "Sensor: rote Kurve"));
    print(13, 3.8, QCoreApplication::translate("evaluation::Report", "Eingabe: blaue Kurve"));
    size(10, false);
    if (!data_.exam)
        print(3, 4.5, data_.formeltext);
    print(13, 4.5, QStringLiteral("f(T) = ") + data_.eingabeformel);
    print(3, 5, QCoreApplication::translate("evaluation::Report", "Abweichung: %1 %").arg(data_.abweichung));
    if (data_.withAlpha) {
        if (!data_.exam)
            print(3, 6, QStringLiteral("alpha = ") + data_.alpha);
        print(13, 6,
              QCoreApplication::translate("evaluation::Report", "Eingabe: %1").arg(data_.alphaEingabe));
        print(3, 6.5,
              QCoreApplication::translate("evaluation::Report", "Fehler: %1 %").arg(data_.abweichungAlpha));
    }
    if (!data_.plot.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(3 * unit, 7.5 * unit, plotWidthCm * unit, plotHeightCm * unit), data_.plot);
    }
    size(14, true);
    print(13, 20,
          QCoreApplication::translate("evaluation::Report", "Punktzahl = %1 von %2")
              .arg(data_.punkte, data_.hoechstpunkte));
    if (!data_.journal.isEmpty())
        journal::paintJournalPages(p, device, data_.journal, who.join(QStringLiteral("    ")));
}

QString Report::documentTitle() const
{
    return data_.name.isEmpty()
               ? QCoreApplication::translate("evaluation::Report", "KORA - Auswertung")
               : QCoreApplication::translate("evaluation::Report", "KORA - Auswertung - %1").arg(data_.name);
}

QString Report::fileNameProposal() const
{
    const QString part = safeFileNamePart(data_.name);
    return part.isEmpty() ? QCoreApplication::translate("evaluation::Report", "KORA-Auswertung.pdf")
                          : QCoreApplication::translate("evaluation::Report", "KORA-Auswertung-%1.pdf").arg(part);
}

QString safeFileNamePart(const QString& name)
{
    QString out;
    for (const QChar c : name.simplified()) {
        const bool unsafe =
            c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c);
        out += unsafe ? QLatin1Char('_') : c;
    }
    // A name of dots alone would name a folder.
    if (!out.isEmpty() && out.count(QLatin1Char('.')) == out.size())
        out.fill(QLatin1Char('_'));
    return out.left(80);
}

} // namespace evaluation
