// The report printed through the real print system: a CUPS server of the
// test's own with a cups-pdf queue. The page must arrive as the same text as
// the PDF fallback, and whatever the queue does, the student is told the
// truth and offered the PDF when the page was not taken.

#include "evaluation/report.h"
#include "privatecups.h"
#include "recorder.h"
#include "sample_report.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using evaluation::Report;

namespace {

const QString queue = QStringLiteral("KORA-Test");

// The real printing, with the message boxes and the save dialog recorded.
class Student : public ui::Services {
public:
    QStringList messages, dialogTitles;
    QString answer; // the file picked in the save dialog

    void message(QWidget*, const QString& text) override { messages << text; }

protected:
    QString askPdfFileName(QWidget*, const QString& title, const QString&) override
    {
        dialogTitles << title;
        return answer;
    }
};

QString words(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000))
        return QStringLiteral("pdftotext kam nicht zurück");
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

class TestPrintCups : public QObject {
    Q_OBJECT

    testsupport::PrivateCups cups;
    QTemporaryDir scratch;

private slots:
    void initTestCase()
    {
        const QString why = cups.start(queue);
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void reportArrivesAsTheFallbacksText()
    {
        Student student;
        Report report(sampleReport(true));
        QVERIFY(student.printPage(nullptr, report));
        QCOMPARE(student.messages, QStringList{QStringLiteral("Die Ergebnisse wurden an den Drucker KORA-Test geschickt.")});
        QVERIFY(student.dialogTitles.isEmpty());
        const QString printed = cups.waitForPdf(60000);
        QVERIFY2(!printed.isEmpty(), qPrintable(cups.log()));
        const QString fallback = scratch.filePath(QStringLiteral("fallback.pdf"));
        QVERIFY(ui::printToPdf(fallback, report));
        QVERIFY(words(fallback).startsWith(QStringLiteral("08.12.26 Temperaturkennlinie: NTC-Widerstand")));
        QCOMPARE(words(printed), words(fallback));
    }

    // Each row changes the queue and prints once more; the rows build on
    // each other in this order.
    void studentIsToldTheTruth_data()
    {
        QTest::addColumn<QStringList>("commands"); // CUPS commands before printing, each "program arg..."
        QTest::addColumn<QString>("message");      // %1: the PDF file
        QTest::addColumn<QString>("dialogTitle");  // "" when no PDF is offered
        QTest::addColumn<int>("waiting");          // jobs in the queue afterwards
        const QString failed = QStringLiteral("Drucken fehlgeschlagen - Ergebnisse als PDF speichern");
        const QString saved = QStringLiteral("Die Ergebnisse wurden als PDF-Datei gespeichert:\r%1");
        QTest::newRow("queue refuses jobs")
            << QStringList{"cupsreject " + queue}
            << QStringLiteral("Der Drucker KORA-Test nimmt zurzeit keine Aufträge an.\r") + saved << failed << 0;
        QTest::newRow("queue stopped: the job waits")
            << QStringList{"cupsaccept " + queue, "cupsdisable " + queue}
            << QStringLiteral("Die Ergebnisse wurden an den Drucker KORA-Test geschickt.\rDer Drucker ist zurzeit "
                              "angehalten. Der Auftrag wartet in seiner Warteschlange und wird gedruckt, sobald der "
                              "Drucker wieder läuft.")
            << "" << 1;
        // The server takes one job per printer: the queue looks ready, and
        // only its answer to the job tells.
        QTest::newRow("job refused by the server")
            << QStringList{} << QStringLiteral("Der Drucker KORA-Test hat den Auftrag nicht angenommen.\r") + saved
            << failed << 1;
        QTest::newRow("printer removed")
            << QStringList{"lpadmin -x " + queue} << saved
            << QStringLiteral("Kein Drucker verfügbar - Ergebnisse als PDF speichern") << 0;
    }
    void studentIsToldTheTruth()
    {
        QFETCH(QStringList, commands);
        QFETCH(QString, message);
        QFETCH(QString, dialogTitle);
        QFETCH(int, waiting);
        for (const QString& c : commands) {
            QStringList args = c.split(QLatin1Char(' '));
            const QString program = args.takeFirst();
            QVERIFY2(cups.run(program, args), qPrintable(c));
        }
        Student student;
        student.answer = scratch.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()).replace(' ', '_'));
        Report report(sampleReport(true));
        QVERIFY(student.printPage(nullptr, report));
        QCOMPARE(student.messages, QStringList{message.contains(QLatin1String("%1")) ? message.arg(student.answer) : message});
        QCOMPARE(student.dialogTitles, dialogTitle.isEmpty() ? QStringList{} : QStringList{dialogTitle});
        QCOMPARE(QFile::exists(student.answer), !dialogTitle.isEmpty());
        QCOMPARE(cups.pendingJobs().size(), waiting);
    }
};

QTEST_MAIN(TestPrintCups)
#include "test_print_cups.moc"
