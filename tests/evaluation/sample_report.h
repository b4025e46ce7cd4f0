#pragma once
// A report of an NTC evaluation with fixed texts, for the tests that print it.

#include "evaluation/report.h"

#include <QImage>

inline evaluation::ReportData sampleReport(bool withAlpha)
{
    evaluation::ReportData d;
    d.date = QStringLiteral("08.12.26");
    d.sensorname = QStringLiteral("NTC-Widerstand");
    d.formeltext = QStringLiteral("R/Ohm = 0,000357*exp(5000/T)   T in K");
    d.eingabeformel = QStringLiteral("0.000357*EXP(5000/T)");
    d.abweichung = QStringLiteral("0");
    d.withAlpha = withAlpha;
    d.alpha = QStringLiteral("-0,0582418206385485");
    d.alphaEingabe = QStringLiteral("0");
    d.abweichungAlpha = QStringLiteral("100");
    d.punkte = QStringLiteral("8");
    d.hoechstpunkte = QStringLiteral("10");
    QImage plot(200, 120, QImage::Format_RGB32);
    plot.fill(Qt::white);
    d.plot = plot;
    return d;
}
