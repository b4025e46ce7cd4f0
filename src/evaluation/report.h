#pragma once
// The one-page result report: date, sensor, true and entered equation,
// deviation, for the resistive sensors the alpha result, the plot and the
// point total, placed in centimetres from the top-left of the printable area.

#include "journal/row.h"
#include "lab/reportpage.h"
#include "ui/services.h"

#include <QImage>
#include <QString>

namespace evaluation {

struct ReportData {
    QString date;          // in the user's short date format
    bool exam = false;     // the right type, equation and alpha stay off the page
    QString sensorname;
    QString formeltext;
    QString eingabeformel;
    QString abweichung;    // whole percent, as display text
    bool withAlpha = false; // the resistive sensors, the ones asked for alpha
    QString alpha;         // full precision, as display text
    QString alphaEingabe;  // the alpha answer exactly as typed
    QString abweichungAlpha;
    QString punkte;
    QString hoechstpunkte; // what the sensor type can reach: 10 or 8
    QImage plot;           // the plot surface with both curves
    QString name;          // the student's, both may be empty
    QString matrikel;
    QList<journal::Row> journal; // printed on the pages after the first
};

class Report : public ui::PageSource {
public:
    explicit Report(ReportData data) : data_(std::move(data)) {}
    void paintPage(QPainter& painter, QPagedPaintDevice& device) override;
    QString documentTitle() const override;
    QString fileNameProposal() const override;
    const ReportData& data() const { return data_; }

private:
    lab::ReportText text() const;
    ReportData data_;
};

// A name as part of a file name: characters that a file system refuses or
// a shell misreads become "_".
QString safeFileNamePart(const QString& name);

// The plot picture's own size on paper: 8835 x 5415 twips.
inline constexpr double plotWidthCm = lab::reportPlotWidth;
inline constexpr double plotHeightCm = lab::reportPlotHeight;

} // namespace evaluation
