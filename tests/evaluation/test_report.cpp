// The printed page, rendered into a PDF and read back as text.

#include "evaluation/formantwort.h"
#include "evaluation/report.h"
#include "journal/journal.h"
#include "sample_report.h"
#include "model/state.h"
#include "recorder.h"
#include "ui/controls.h"

#include <QDate>
#include <QRegularExpression>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using evaluation::Report;

class TestReport : public QObject {
    Q_OBJECT

    static QString pdfText(const QString& file, int page = 0)
    {
        QProcess p;
        QStringList args = {QStringLiteral("-layout"), file, QStringLiteral("-")};
        if (page > 0)
            args = QStringList{QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page)} + args;
        p.start(QStringLiteral("pdftotext"), args);
        if (!p.waitForFinished(20000))
            return {};
        // Layout mode spaces words by their positions: compare words, not blanks.
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }

    // The top-left corner of each word on the page, in centimetres.
    static QList<std::pair<QString, QPointF>> wordPlaces(const QString& file)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
        if (!p.waitForFinished(20000))
            return {};
        static const QRegularExpression word(
            QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
        QList<std::pair<QString, QPointF>> out;
        auto it = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput()));
        while (it.hasNext()) {
            const auto m = it.next();
            out.append({m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) / 72 * 2.54});
        }
        return out;
    }

private slots:
    void initTestCase() { testsupport::useGermanNumbers(); }

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
        Report report(sampleReport(withAlpha));
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

        // Each item stands at its place on the page, measured from the
        // heading at (3 cm, 2 cm) so that the printable area's margin drops out.
        struct Item {
            const char* word;
            double x, y;
        };
        QList<Item> items = {{"08.12.26", 17, 1},    {"Sensor:", 3, 3.8},  {"Eingabe:", 13, 3.8},
                             {"R/Ohm", 3, 4.5},      {"f(T)", 13, 4.5},    {"Abweichung:", 3, 5},
                             {"Punktzahl", 13, 20}};
        if (withAlpha)
            items += {{"alpha", 3, 6}, {"Eingabe:", 13, 6}, {"Fehler:", 3, 6.5}};
        const auto words = wordPlaces(rec.pdfFiles[0]);
        QPointF origin;
        for (const auto& [text, at] : words)
            if (text == QStringLiteral("Temperaturkennlinie:"))
                origin = at - QPointF(3, 2);
        QVERIFY(!origin.isNull());
        QMultiHash<QString, QPointF> found;
        for (const auto& [text, at] : words)
            found.insert(text, at - origin);
        for (const Item& item : items) {
            const QList<QPointF> places = found.values(QString::fromLatin1(item.word));
            const bool there = std::any_of(places.begin(), places.end(), [&](const QPointF& p) {
                return std::abs(p.x() - item.x) < 0.05 && std::abs(p.y() - item.y) < 0.05;
            });
            QVERIFY2(there, item.word);
        }
        QCOMPARE(found.count(QStringLiteral("alpha")), withAlpha ? 1 : 0);
    }

    // The whole evaluation as a student runs it, then the print button.
    void printedFromTheEvaluation_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("equation");
        QTest::addColumn<QString>("alphaTyped"); // empty: the sensor is not asked for alpha
        QTest::addColumn<QString>("alphaShown"); // the answer as the box shows it
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("NTC, alpha with a comma")
            << 0 << "0.000357*EXP(5000/T)" << "-0,058" << "-0.058"
            << QStringList{"Temperaturkennlinie: NTC-Widerstand", "R/Ohm = 0,000357*exp(5000/T) T in K",
                           "f(T) = 0.000357*EXP(5000/T)", "Abweichung: 0 %", "alpha = -0,0582417966429428",
                           "Eingabe: -0.058", "Fehler: 0 %", "Punktzahl = 10"};
        QTest::newRow("Pt 100, only Enter at alpha")
            << 2 << "100+0.4*(T-273)" << "" << "0"
            << QStringList{"Temperaturkennlinie: Pt 100", "f(T) = 100+0.4*(T-273)", "Abweichung: 1 %",
                           "Eingabe: 0", "Fehler: 100 %", "Punktzahl = 2"};
        QTest::newRow("current sensor") << 5 << "T" << QString() << QString()
                                        << QStringList{QStringLiteral("Temperaturkennlinie: Stromfühler"),
                                                       "f(T) = T", "Abweichung: 0 %", "Punktzahl = 8"};
        QTest::newRow("thermocouple, a rough line")
            << 6 << "0.06*(T-273)" << QString() << QString()
            << QStringList{"Temperaturkennlinie: Thermoelement", "f(T) = 0.06*(T-273)", "Abweichung: 15 %",
                           "Punktzahl = 2"};
    }
    void printedFromTheEvaluation()
    {
        QFETCH(int, type);
        QFETCH(QString, equation);
        QFETCH(QString, alphaTyped);
        QFETCH(QString, alphaShown);
        QFETCH(QStringList, expected);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        testsupport::Recorder rec;
        model::ExperimentState state;
        model::setStartValues(state, ',');
        model::f_alpha(state);
        state.sensortyp = static_cast<std::uint8_t>(type);
        evaluation::Formantwort w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = testsupport::control<QListWidget>(&w, "Listsensoren");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(type)).center());
        QTest::mouseClick(testsupport::control<QPushButton>(&w, "Command1"), Qt::LeftButton);
        auto* box = testsupport::control<ui::TextBox>(&w, "Textformel");
        QTest::keyClicks(box, equation);
        QTest::keyClick(box, Qt::Key_Return);
        const bool askedForAlpha = type <= 3;
        if (askedForAlpha) {
            QCOMPARE(box->text(), QStringLiteral("0"));
            if (!alphaTyped.isEmpty()) {
                box->selectAll();
                QTest::keyClick(box, Qt::Key_Backspace);
                QTest::keyClicks(box, alphaTyped);
            }
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->text(), alphaShown);
        }
        auto* print = testsupport::control<QPushButton>(&w, "Commanddruck");
        QVERIFY(print->isVisible());
        QTest::mouseClick(print, Qt::LeftButton);
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(rec.pdfFiles.size(), 2);
        const QString page = pdfText(rec.pdfFiles[0]);
        QCOMPARE(pdfText(rec.pdfFiles[1]), page);

        const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        QVERIFY2(page.startsWith(date), qPrintable(page));
        qsizetype at = 0;
        for (const QString& item : expected) {
            const qsizetype found = page.indexOf(item, at);
            QVERIFY2(found >= 0, qPrintable(item + " in\n" + page));
            at = found;
        }
        // The alpha lines stand exactly for the sensors that were asked.
        QCOMPARE(page.contains(QStringLiteral("alpha = ")), askedForAlpha);
        QCOMPARE(page.contains(QStringLiteral("Fehler: ")), askedForAlpha);
        QCOMPARE(page.count(QStringLiteral("Eingabe: ")), askedForAlpha ? 2 : 1);

        // The point total is the one of the closing message.
        w.close();
        QVERIFY(rec.messages.last().contains(QStringLiteral(" %1 von ").arg(state.punkte)));
        QVERIFY(page.endsWith(QStringLiteral("Punktzahl = %1 von %2").arg(state.punkte).arg(type <= 3 ? 10 : 8)));
        w.disconnect();
    }

    static QString pdfInfo(const QString& file)
    {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {file});
        return p.waitForFinished(20000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
    }

    // The report a teacher files: who printed it, on page 1 beside the date
    // and in the title and the file name, and the journal on page 2.
    void filedWithNameAndJournal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("matrikel");
        QTest::addColumn<int>("readings");
        QTest::addColumn<QString>("proposal");
        QTest::newRow("name with a slash, two readings")
            << "Erika Muster/Frau" << "4711" << 2 << "KORA-Auswertung-Erika Muster_Frau.pdf";
        QTest::newRow("nothing given, no readings") << "" << "" << 0 << "KORA-Auswertung.pdf";
    }
    void filedWithNameAndJournal()
    {
        QFETCH(QString, name);
        QFETCH(QString, matrikel);
        QFETCH(int, readings);
        QFETCH(QString, proposal);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        testsupport::Recorder rec;
        journal::Journal journal(folder.path(), nullptr);
        for (int i = 0; i < readings; ++i) {
            journal::Row r;
            r.sensor = QStringLiteral("6");
            r.thermostat = QString::number(20 + 10 * i);
            r.sensorTemp = QStringLiteral("%1.4").arg(19 + 10 * i);
            r.quelle = QStringLiteral("10");
            r.vorwiderstand = QStringLiteral("10 kOhm");
            r.messbereich = QStringLiteral("200 mV");
            r.anzeige = QStringLiteral("%1.5 mV").arg(293 + 10 * i);
            r.bemerkung = QStringLiteral("Notiz %1").arg(i + 1);
            journal.record(r);
        }
        model::ExperimentState state;
        model::setStartValues(state, ',');
        model::f_alpha(state);
        state.sensortyp = 5;
        evaluation::Formantwort w(state);
        w.setJournal(&journal);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = testsupport::control<QListWidget>(&w, "Listsensoren");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(5)).center());
        QTest::mouseClick(testsupport::control<QPushButton>(&w, "Command1"), Qt::LeftButton);
        auto* box = testsupport::control<ui::TextBox>(&w, "Textformel");
        QTest::keyClicks(box, QStringLiteral("T"));
        QTest::keyClick(box, Qt::Key_Return);
        auto* print = testsupport::control<QPushButton>(&w, "Commanddruck");
        // Cancelled, nothing is printed and the question comes again.
        rec.studentCancels = true;
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(rec.pdfFiles.size(), 0);
        rec.studentCancels = false;
        rec.student = {name, matrikel};
        QTest::mouseClick(print, Qt::LeftButton);
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(rec.studentAsks, 2); // asked before the first page only
        QCOMPARE(rec.pdfFiles.size(), 2);
        QCOMPARE(rec.pdfProposals.last(), proposal);
        QCOMPARE(rec.pdfTitles.last(), name.isEmpty() ? QStringLiteral("KORA - Auswertung") : QStringLiteral("KORA - Auswertung - ") + name);

        const QString info = pdfInfo(rec.pdfFiles.last());
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(readings ? 2 : 1))), qPrintable(info));
        if (!name.isEmpty())
            QVERIFY2(info.contains(QStringLiteral("Title:") ) && info.contains(name), qPrintable(info));
        const QString first = pdfText(rec.pdfFiles.last(), 1);
        QCOMPARE(first.contains(QStringLiteral("Name: ")), !name.isEmpty());
        if (!name.isEmpty())
            QVERIFY2(first.contains(QStringLiteral("Name: %1 Matrikelnummer: %2").arg(name, matrikel)), qPrintable(first));
        QVERIFY2(first.endsWith(QStringLiteral("Punktzahl = %1 von 8").arg(state.punkte)), qPrintable(first));
        if (readings) {
            const QString second = pdfText(rec.pdfFiles.last(), 2);
            for (const QString& item : {QStringLiteral("Messprotokoll"), QStringLiteral("Kennlinie"),
                                        QStringLiteral("Sensor 6"), QStringLiteral("Eigenerwärmung"),
                                        QStringLiteral("1 00:00 6 20 19,4 10 10 kOhm 200 mV 293,5 mV aus Notiz 1"),
                                        QStringLiteral("2 00:00 6 30 29,4 10 10 kOhm 200 mV 303,5 mV aus Notiz 2")})
                QVERIFY2(second.contains(item), qPrintable(item + " in\n" + second));
            // The sensor's type is the evaluation's answer on page 1, never the journal's.
            QVERIFY(!second.contains(QStringLiteral("Stromfühler")));
        }
        w.disconnect();
    }
};

QTEST_MAIN(TestReport)
#include "test_report.moc"
