#include "journal/placement.h"

#include <algorithm>
#include <array>
#include <optional>

namespace journal {

namespace {

constexpr int gap = 8;

// The free area right of, left of and below the bench, in that order.
std::array<QRect, 3> sides(const QRect& bench, const QRect& available)
{
    return {QRect(QPoint(bench.right() + 1 + gap, available.top()), available.bottomRight()),
            QRect(available.topLeft(), QPoint(bench.left() - 1 - gap, available.bottom())),
            QRect(QPoint(available.left(), bench.bottom() + 1 + gap), available.bottomRight())};
}

// The journal in `free`, level with the bench where it can be.
QRect within(const QRect& free, const QSize& size, const QRect& bench, bool below)
{
    const QSize s = size.boundedTo(free.size());
    int x = below ? std::clamp(bench.left(), free.left(), free.right() + 1 - s.width()) : free.left();
    if (!below && free.right() < bench.left())
        x = free.right() + 1 - s.width(); // left of the bench: close to it
    const int y = below ? free.top() : std::clamp(bench.top(), free.top(), free.bottom() + 1 - s.height());
    return {QPoint(x, y), s};
}

bool holds(const QRect& free, const QSize& size)
{
    return free.width() >= size.width() && free.height() >= size.height();
}

// The first side that holds the wanted size, else the roomiest that holds
// the minimum.
std::optional<QRect> sideFor(const QRect& bench, const QSize& wanted, const QSize& minimum, const QRect& available)
{
    const auto free = sides(bench, available);
    for (int i = 0; i < 3; ++i)
        if (holds(free[i], wanted))
            return within(free[i], wanted, bench, i == 2);
    std::optional<QRect> best;
    for (int i = 0; i < 3; ++i) {
        if (!holds(free[i], minimum))
            continue;
        const QRect r = within(free[i], wanted, bench, i == 2);
        if (!best || r.width() * r.height() > best->width() * best->height())
            best = r;
    }
    return best;
}

} // namespace

Placement placeBeside(const QRect& bench, const QSize& wanted, const QSize& minimum, const QRect& available)
{
    if (const auto r = sideFor(bench, wanted, minimum, available))
        return {bench, *r};
    const QRect corner(available.topLeft(), bench.size());
    if (const auto r = sideFor(corner, wanted, minimum, available))
        return {corner, *r};
    // No room anywhere: the journal as far right as it fits, over the bench.
    const QSize s = wanted.boundedTo(available.size());
    return {bench, QRect(QPoint(available.right() + 1 - s.width(),
                                std::clamp(bench.top(), available.top(), available.bottom() + 1 - s.height())),
                         s)};
}

} // namespace journal
