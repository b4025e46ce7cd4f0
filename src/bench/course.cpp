// The bench's part in a course: the result record at the run's moments and
// the start-up message about the teacher's file.

#include "bench/formexp.h"

#include "configreport/report.h"
#include "configreport/worded.h"
#include "course/session.h"
#include "journal/journal.h"
#include "journal/row.h"
#include "scoring/scoring.h"
#include "ui/services.h"

#include <QFrame>
#include <QJsonArray>
#include <QJsonObject>

namespace bench {

void Formexp::writeRecord(const QString& state)
{
    if (!session_)
        return;
    // The journal's rows as its file has them, with "." as decimal point.
    QJsonArray rows;
    const QStringList& columns = journal::fileColumnNames();
    for (const journal::Row& row : journal_->rows()) {
        QJsonObject cells;
        for (int c = 0; c < columns.size(); ++c)
            cells.insert(columns[c], journal::cellText(row, c, QLatin1Char('.')));
        rows.append(cells);
    }
    const evaluation::Answers answers = formantwort_ ? formantwort_->answers() : evaluation::Answers{};
    const QString notice = session_->write(state, state_, answers, rows, scoring::maximumPoints(state_.sensortyp),
                                           !Framesensor->isHidden());
    if (!notice.isEmpty())
        ui::services().message(this, notice);
}

QString Formexp::problemNotice() const
{
    QStringList lines;
    for (const model::Phrase& line : lab_.problemNotice())
        lines << configreport::worded(teacher::fromPhrase(line));
    return lines.join(QLatin1Char('\r'));
}

} // namespace bench
