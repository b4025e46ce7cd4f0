#pragma once
// The journal on paper, for the report: after its first page the report
// prints the characteristic of the recorded points and the table of rows,
// on as many pages as the rows need.

#include "journal/row.h"

class QPainter;
class QPagedPaintDevice;

namespace journal {

// Starts a new page on `device` and paints the journal there; `who` (name
// and matriculation number, may be empty) heads each page.
void paintJournalPages(QPainter& painter, QPagedPaintDevice& device, const QList<Row>& rows,
                       const QString& who);

} // namespace journal
