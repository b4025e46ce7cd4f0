#pragma once
// Where the journal window opens: beside the bench or below it, so that the
// meter, the thermostat and the bench's buttons stay in view while the
// student records. All rectangles are frame geometries in screen pixels.

#include <QRect>

namespace journal {

struct Placement {
    QRect bench;   // where the bench stands then (moved only when it had to)
    QRect journal; // where the journal goes, at most its wanted size
};

// The journal of `wanted` size, no smaller than `minimum`, beside `bench`
// on the screen area `available`: to its right, else to its left, else
// below it, whole if it fits, else as large as the roomiest side allows.
// When no side has room for even the minimum, the bench moves to the
// area's top left corner first; the journal overlaps the bench only when
// even that leaves no room.
Placement placeBeside(const QRect& bench, const QSize& wanted, const QSize& minimum, const QRect& available);

} // namespace journal
