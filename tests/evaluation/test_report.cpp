// The printed page, rendered into a PDF and read back as text.

#include "evaluation/report.h"
#include "recorder.h"

#include <QProcess>
#include <QtTest>

using evaluation::Report;
using evaluation::ReportData;

class TestReport : public QObject {
    Q_OBJECT

    static ReportData sample(bool withAlpha)
    {
        ReportData d;
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
        QImage plot(200, 120, QImage::Format_RGB32);
        plot.fill(Qt::white);
        d.plot = plot;
        return d;
    }

    static QString pdfText(const QString& file)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
        if (!p.waitForFinished(20000))
            return {};
        // Layout mode spaces words by their positions: compare words, not blanks.
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }

private slots:
    void pageCarriesTheItemsInOrder_data()
    {
        QTest::addColumn<bool>("withAlpha");
        QTest::newRow("resistive") << true;
        QTest::newRow("diode") << false;
    }
    void pageCarriesTheItemsInOrder()
    {
        QFETCH(bool, withAlpha);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        testsupport::Recorder rec;
        Report report(sample(withAlpha));
        QVERIFY(rec.printPage(nullptr, report));
        QVERIFY(rec.printPage(nullptr, report));
        const QString first = pdfText(rec.pdfFiles[0]);
        QCOMPARE(pdfText(rec.pdfFiles[1]), first); // two clicks, two identical pages
        const QStringList order = {"08.12.26",
                                   "Temperaturkennlinie: NTC-Widerstand",
                                   "Sensor: rote Kurve",
                                   "Eingabe: blaue Kurve",
                                   "R/Ohm = 0,000357*exp(5000/T) T in K",
                                   "f(T) = 0.000357*EXP(5000/T)",
                                   "Abweichung: 0 %"};
        qsizetype at = 0;
        for (const QString& item : order) {
            const qsizetype found = first.indexOf(item, at);
            QVERIFY2(found >= 0, qPrintable(item + " in\n" + first));
            at = found;
        }
        QCOMPARE(first.contains("alpha = -0,0582418206385485"), withAlpha);
        QCOMPARE(first.contains("Eingabe: 0"), withAlpha);
        QCOMPARE(first.contains("Fehler: 100 %"), withAlpha);
        QVERIFY(first.indexOf("Punktzahl = 8") > at);
    }
};

QTEST_MAIN(TestReport)
#include "test_report.moc"
