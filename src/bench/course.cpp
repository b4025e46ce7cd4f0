// The bench's part in a course: the result record at the run's moments and
// the start-up message about the teacher's file.

#include "bench/formexp.h"

#include "configreport/report.h"
#include "configreport/worded.h"
#include "course/session.h"
#include "journal/journal.h"
#include "journal/row.h"
#include "lab/journal.h"
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
    // The journal's rows as the course record keeps them (the page's too).
    std::vector<lab::JournalLine> lines;
    for (const journal::Row& row : journal_->rows())
        lines.push_back(journal::lineOf(row));
    QJsonArray rows;
    for (const lab::RecordCells& cells : lab::recordCells(lines)) {
        QJsonObject object;
        for (const auto& [name, text] : cells)
            object.insert(QString::fromStdString(name), QString::fromStdString(text));
        rows.append(object);
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
