// The evaluation window's comparison: both curves of the lab's samples on
// the plot, the scale, the plot's text alternative, and the boxes that open
// while it is in sight.

#include "evaluation/formantwort.h"
#include "lab/evaluationlayout.h"
#include "lab/plot.h"
#include "scoring/comparison.h"
#include "ui/controls.h"
#include "ui/decimal.h"
#include "ui/services.h"

#include <QCoreApplication>

namespace evaluation {

void Formantwort::drawComparison()
{
    const std::optional<scoring::Comparison>& c = lab_.comparison();
    if (!c)
        return;
    if (c->scaleTop)
        drawScale(*c->scaleTop, QString::fromStdString(lab_.unit()));
    drawSamples(c->samples);
    if (!c->failure)
        describePlot(
            QCoreApplication::translate(lab::evaluationContext, lab::plot::deviation).arg(display(lab_.abweichung())));
}

void Formantwort::showBesidePlot(const QString& text)
{
    // The curves stay in sight while the box is read.
    const QRect plot(Picture1->mapToGlobal(QPoint(0, 0)), Picture1->size());
    ui::services().messageBeside(this, text, plot);
}

void Formantwort::drawScale(double top, const QString& unit)
{
    Picture1->setScale(lab::plot::left, top, lab::plot::width, -top);
    const char separator = ui::decimalSeparator().toLatin1();
    plotAxes_ = QCoreApplication::translate(lab::evaluationContext, lab::plot::axes)
                    .arg(QString::fromStdString(lab::plot::scaleTopText(top, unit.toStdString(), separator)));
    describePlot(QString());
    // Each label in whatever colour the surface draws with at the moment.
    for (const lab::plot::Label& label : lab::plot::scaleLabels(top, state_.sensortyp, unit.toStdString(), separator)) {
        Picture1->setCurrent(label.x, label.height);
        Picture1->printText(QString::fromStdString(label.text));
    }
}

void Formantwort::drawSamples(const std::vector<scoring::Sample>& samples)
{
    // Each true point in red, then the student's in cyan; the colour of the
    // last one stays for the next run's labels.
    for (const scoring::Sample& sample : samples) {
        Picture1->setForeColor(ui::paletteColor(lab::plot::truthColour));
        Picture1->pset(sample.celsius, sample.truth);
        if (!sample.answer)
            continue;
        Picture1->setForeColor(ui::paletteColor(lab::plot::answerColour));
        if (scoring::drawable(*sample.answer))
            Picture1->pset(sample.celsius, *sample.answer);
    }
}

// The plot's text alternative: the colours, the axes and, once scored, the deviation.
void Formantwort::describePlot(const QString& deviation)
{
    Picture1->setAccessibleDescription(QCoreApplication::translate(lab::evaluationContext, lab::plot::colours) +
                                       plotAxes_ + deviation);
}

} // namespace evaluation
