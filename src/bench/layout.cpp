#include "bench/layout.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace bench {

void paintTaskPage(QPainter& p, const QSize& surface)
{
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const lab::PageLine& line : lab::taskPage()) {
        QFont f = ui::designFont({ui::Face::Serif, line.points, true});
        p.setFont(f);
        p.setPen(line.red ? QColor(200, 0, 0) : QColor(Qt::black));
        const QFontMetricsF fm(f);
        // The page is taller than its surface: the start line, which would
        // lose its descenders at the surface's bottom edge, moves up just
        // enough to stand whole.
        const double top = std::min(line.top / ui::twipsPerPixel, surface.height() - fm.height());
        p.drawText(QPointF(line.left / ui::twipsPerPixel, top + fm.ascent()),
                   QCoreApplication::translate("TaskPage", line.text));
    }
    p.restore();
}

QString taskPageText()
{
    QStringList lines;
    for (const lab::PageLine& line : lab::taskPage())
        lines << QCoreApplication::translate("TaskPage", line.text).trimmed();
    return lines.join(QLatin1Char('\n'));
}

} // namespace bench
