// The evaluation window's comparison: both curves of the lab's samples on
// the plot, the scale, the plot's text alternative, and the boxes that open
// while it is in sight.

#include "evaluation/formantwort.h"
#include "scoring/comparison.h"
#include "ui/controls.h"
#include "ui/services.h"

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
        describePlot(tr(" Die Abweichung Ihrer Formel beträgt %1 %.").arg(display(lab_.abweichung())));
}

void Formantwort::showBesidePlot(const QString& text)
{
    // The curves stay in sight while the box is read.
    const QRect plot(Picture1->mapToGlobal(QPoint(0, 0)), Picture1->size());
    ui::services().messageBeside(this, text, plot);
}

void Formantwort::drawScale(double top, const QString& unit)
{
    Picture1->setScale(20, top, 110.0625, -top);
    plotAxes_ =
        tr("Waagerecht die Temperatur von 20 °C bis 100 °C, senkrecht 0 bis %1.").arg(display(top) + unit);
    describePlot(QString());
    // Five labels from the top down, each with its top at the height it
    // names, in whatever colour the surface draws with at the moment; the
    // diode's stand at its fixed scale of 1000 mV.
    const bool diode = state_.sensortyp == 4;
    for (int i = 1; i <= 5; ++i) {
        const double height = diode ? 1000 - (i - 1) * 200 : (1 - (i - 1) * 0.2) * top;
        // Single precision, as the surface's coordinates are.
        Picture1->setCurrent(21, static_cast<float>(height));
        Picture1->printText(display((1 - (i - 1) / 5.0) * top) + unit);
    }
}

void Formantwort::drawSamples(const std::vector<scoring::Sample>& samples)
{
    // Each true point in red, then the student's in cyan; the colour of the
    // last one stays for the next run's labels.
    for (const scoring::Sample& sample : samples) {
        Picture1->setForeColor(ui::paletteColor(12));
        Picture1->pset(sample.celsius, sample.truth);
        if (!sample.answer)
            continue;
        Picture1->setForeColor(ui::paletteColor(11));
        if (scoring::drawable(*sample.answer))
            Picture1->pset(sample.celsius, *sample.answer);
    }
}

// The plot's text alternative: the colours, the axes and, once scored, the deviation.
void Formantwort::describePlot(const QString& deviation)
{
    Picture1->setAccessibleDescription(tr("Die richtige Kurve ist rot, Ihre Kurve cyan. ") + plotAxes_ +
                                       deviation);
}

} // namespace evaluation
