#include "journal/printout.h"

#include "journal/charts.h"
#include "ui/decimal.h"
#include "ui/layout.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <array>
#include <numeric>

namespace journal {

namespace {

// Column widths in centimetres; together 17 cm from the left margin of 2 cm.
constexpr std::array<double, columnTotal> widths = {0.8, 1.1, 1.1, 1.9, 1.6, 1.4, 1.9, 1.7, 1.6, 2.1, 1.8};
constexpr double left = 2;
constexpr double rowHeight = 0.45;
constexpr double padding = 0.08;

class Pages {
public:
    Pages(QPainter& p, QPagedPaintDevice& d, QString who)
        : p_(p), device_(d), unit_(d.logicalDpiX() / 2.54), who_(std::move(who))
    {
        bottom_ = device_.height() / unit_ - 1.5;
    }

    void run(const QList<Row>& rows)
    {
        newPage(QCoreApplication::translate("journal::Printout", "Messprotokoll"));
        journal::paintCharacteristic(p_, cm(left, y_, 17, 8.5), rows);
        y_ += 9;
        tableHeader();
        const QChar decimal = ui::decimalSeparator();
        for (const Row& r : rows) {
            const double h = heightOf(r);
            if (y_ + h > bottom_) {
                newPage(QCoreApplication::translate("journal::Printout", "Messprotokoll (Fortsetzung)"));
                tableHeader();
            }
            row(r, decimal, h);
        }
    }

private:
    QRectF cm(double x, double y, double w, double h) const
    {
        return QRectF(x * unit_, y * unit_, w * unit_, h * unit_);
    }
    void font(double points, bool bold) { p_.setFont(ui::designFont({ui::Face::Sans, points, bold})); }

    void newPage(const QString& title)
    {
        device_.newPage();
        ++page_;
        p_.setPen(Qt::black);
        font(14, true);
        p_.drawText(cm(left, 1, 10, 0.8), Qt::AlignLeft | Qt::AlignTop, title);
        font(10, false);
        if (!who_.isEmpty())
            p_.drawText(cm(left + 8, 1.15, 9, 0.6), Qt::AlignRight | Qt::AlignTop, who_);
        p_.drawText(cm(left, bottom_ + 0.5, 17, 0.6), Qt::AlignRight | Qt::AlignTop,
                    QCoreApplication::translate("journal::Printout", "Seite %1").arg(page_));
        y_ = 2.2;
    }

    void tableHeader()
    {
        font(7, true);
        double x = left;
        for (int c = 0; c < columnTotal; ++c) {
            p_.drawText(cm(x + padding, y_, widths[c] - 2 * padding, 0.8),
                        Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, shownColumnName(c));
            x += widths[c];
        }
        y_ += 0.85;
        rule(QColor(0, 0, 0));
    }

    double heightOf(const Row& r)
    {
        if (r.bemerkung.isEmpty())
            return rowHeight;
        font(8, false);
        const QRectF room = cm(0, 0, widths[colBemerkung] - 2 * padding, 100);
        const QRectF used =
            p_.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, r.bemerkung);
        return std::max(rowHeight, used.height() / unit_ + 0.1);
    }

    void row(const Row& r, QChar decimal, double h)
    {
        font(8, false);
        double x = left;
        for (int c = 0; c < columnTotal; ++c) {
            const int align = c == colBemerkung || c == colVorwiderstand ? Qt::AlignLeft : Qt::AlignRight;
            p_.drawText(cm(x + padding, y_ + 0.05, widths[c] - 2 * padding, h - 0.05),
                        align | Qt::AlignTop | Qt::TextWordWrap, shownCellText(r, c, decimal));
            x += widths[c];
        }
        y_ += h;
        rule(QColor(180, 180, 180));
    }

    void rule(const QColor& colour)
    {
        p_.save();
        p_.setPen(QPen(colour, 0.01 * unit_));
        const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
        p_.drawLine(QPointF(left * unit_, y_ * unit_), QPointF((left + total) * unit_, y_ * unit_));
        p_.restore();
    }

    QPainter& p_;
    QPagedPaintDevice& device_;
    double unit_;
    QString who_;
    double bottom_ = 27;
    double y_ = 0;
    int page_ = 1;
};

} // namespace

void paintJournalPages(QPainter& painter, QPagedPaintDevice& device, const QList<Row>& rows,
                       const QString& who)
{
    Pages(painter, device, who).run(rows);
}

} // namespace journal
