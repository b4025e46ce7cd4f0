#include "evaluation/report.h"

#include "evaluation/texts.h"
#include "journal/printout.h"
#include "lab/reportpage.h"
#include "ui/layout.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace evaluation {

lab::ReportText Report::text() const
{
    lab::ReportText r;
    r.date = data_.date.toStdString();
    r.exam = data_.exam;
    r.sensorname = data_.sensorname.toStdString();
    r.formeltext = data_.formeltext.toStdString();
    r.eingabeformel = data_.eingabeformel.toStdString();
    r.abweichung = data_.abweichung.toStdString();
    r.withAlpha = data_.withAlpha;
    r.alpha = data_.alpha.toStdString();
    r.alphaEingabe = data_.alphaEingabe.toStdString();
    r.abweichungAlpha = data_.abweichungAlpha.toStdString();
    r.punkte = data_.punkte.toStdString();
    r.hoechstpunkte = data_.hoechstpunkte.toStdString();
    r.name = data_.name.toStdString();
    r.matrikel = data_.matrikel.toStdString();
    return r;
}

void Report::paintPage(QPainter& p, QPagedPaintDevice& device)
{
    const double unit = device.logicalDpiX() / 2.54; // device units per centimetre
    p.setPen(Qt::black);
    const lab::ReportText r = text();
    for (const lab::ReportItem& item : lab::reportItems(r)) {
        p.setFont(ui::designFont({ui::Face::Sans, item.points, item.bold}));
        const QFontMetricsF fm(p.font(), &device);
        QString line = worded(lab::reportContext, item.text, QString());
        if (item.maxWidth > 0)
            line = fm.elidedText(line, Qt::ElideRight, item.maxWidth * unit);
        // A text's top edge lies at y.
        p.drawText(QPointF(item.x * unit, item.y * unit + fm.ascent()), line);
    }
    if (!data_.plot.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(lab::reportPlotX * unit, lab::reportPlotY * unit, plotWidthCm * unit, plotHeightCm * unit),
                    data_.plot);
    }
    if (!data_.journal.isEmpty())
        journal::paintJournalPages(p, device, data_.journal, worded(lab::reportContext, lab::reportWho(r), QString()));
}

QString Report::documentTitle() const
{
    return worded(lab::reportContext, lab::reportTitle(text()));
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
