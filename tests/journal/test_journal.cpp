// The journal's text forms and helpers: CSV under both formats, read back,
// journals written before the number columns, the reasons' sentences, the
// clipboard text, the axis ranges and where the window goes.

#include "journal/charts.h"
#include "journal/csv.h"
#include "journal/placement.h"
#include "recorder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using journal::Row;

namespace {

Row sample(int nr, const QString& note = {})
{
    Row r;
    r.nr = nr;
    r.seconds = 125;
    r.sensor = QStringLiteral("3");
    r.thermostat = QStringLiteral("22.5");
    r.sensorTemp = QStringLiteral("21.9");
    r.quelle = QStringLiteral("12");
    r.vorwiderstand = QStringLiteral("1.5 kOhm");
    r.messbereich = QStringLiteral("2 V");
    r.anzeige = QStringLiteral("0.563 V");
    r.eigenerwaermung = true;
    r.bemerkung = note;
    return r;
}

const QByteArray bom("\xEF\xBB\xBF");

// The header of the table's columns, all a file held before the number columns.
QByteArray tableHead(char delimiter)
{
    return QByteArray("Nr.;Zeit;Sensor;ϑ Thermostat /°C;ϑ Sensor /°C;U Quelle /V;Vorwiderstand;Messbereich;"
                      "Anzeige;Eigenerwärmung;Bemerkung")
        .replace(';', delimiter);
}

} // namespace

class TestJournal : public QObject {
    Q_OBJECT
private slots:
    // The rows the page's journal writes too (tests/data): the desktop's
    // cells and CSV lines are the same, and each line reads back as its row.
    void sharedRowsAsThePageWritesThem()
    {
        QFile file(QStringLiteral(KORA_LAB_JOURNAL));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray rows = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("rows")).toArray();
        QVERIFY(!rows.isEmpty());
        const journal::CsvFormat german{QLatin1Char(';'), QLatin1Char(',')};
        for (const QJsonValue& v : rows) {
            const QJsonObject j = v.toObject();
            const QJsonObject f = j.value(QStringLiteral("row")).toObject();
            auto text = [&f](const char* name) { return f.value(QLatin1String(name)).toString(); };
            const Row r{f.value(QStringLiteral("nr")).toInt(), j.value(QStringLiteral("seconds")).toInt(),
                        text("sensor"), text("thermostat"), text("sensorTemp"), text("quelle"), text("vorwiderstand"),
                        text("messbereich"), text("anzeige"), f.value(QStringLiteral("eigenerwaermung")).toBool(),
                        j.value(QStringLiteral("bemerkung")).toString()};
            const QString name = j.value(QStringLiteral("name")).toString();
            QStringList cells;
            for (int c = 0; c < journal::columnTotal; ++c)
                cells << journal::shownCellText(r, c, QLatin1Char(','));
            QCOMPARE(cells.join(QLatin1Char('|')),
                     j.value(QStringLiteral("cells")).toVariant().toStringList().join(QLatin1Char('|')));
            const QByteArray line = j.value(QStringLiteral("german")).toString().toUtf8();
            QVERIFY2(journal::csvLine(r, german) == line, qPrintable(name));
            const journal::ReadJournal back = journal::readCsv(journal::csvHead(german) + line);
            QVERIFY2(back.rows == QList<Row>{r}, qPrintable(name));
        }
    }

    void csvFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray deHead = tableHead(';') + ";Zeit /s;Anzeige /V;Vorwiderstand /Ohm\r\n";
        const QByteArray enHead = tableHead(',') + ",Zeit /s,Anzeige /V,Vorwiderstand /Ohm\r\n";
        const QByteArray de = "7;02:05;3;\"22,5\";\"21,9\";12;\"1,5 kOhm\";2 V;\"0,563 V\";ein;";
        const QByteArray deNumbers = ";125;\"0,563\";1500\r\n";
        const QByteArray en = "7,02:05,3,22.5,21.9,12,1.5 kOhm,2 V,0.563 V,ein,";
        const QByteArray enNumbers = ",125,0.563,1500\r\n";
        // Every field with a decimal comma is quoted.
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "warm"
                                << bom + deHead + de + "warm" + deNumbers;
        QTest::newRow("Austrian German") << QLocale(QLocale::German, QLocale::Austria) << ""
                                         << bom + deHead + de + deNumbers;
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << ""
                                 << bom + enHead + en + enNumbers;
        // A note with the delimiter, quotes or a line break is quoted.
        QTest::newRow("German, note quoted") << QLocale(QLocale::German, QLocale::Germany) << "a; \"b\"\nc"
                                             << bom + deHead + de + "\"a; \"\"b\"\"\nc\"" + deNumbers;
        QTest::newRow("English, comma in the note") << QLocale(QLocale::English, QLocale::UnitedStates) << "1,5"
                                                    << bom + enHead + en + "\"1,5\"" + enNumbers;
        QTest::newRow("English, semicolon in the note") << QLocale(QLocale::English, QLocale::UnitedStates) << "a;b"
                                                        << bom + enHead + en + "\"a;b\"" + enNumbers;
        QTest::newRow("German, comma in the note") << QLocale(QLocale::German, QLocale::Germany) << "1,5"
                                                   << bom + deHead + de + "\"1,5\"" + deNumbers;
        // A note a spreadsheet would evaluate starts with an apostrophe;
        // one that has its own keeps it and reads back unchanged.
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("formula") << german << "=1+1" << bom + deHead + de + "'=1+1" + deNumbers;
        QTest::newRow("plus") << german << "+5 K" << bom + deHead + de + "'+5 K" + deNumbers;
        QTest::newRow("minus") << german << "-3" << bom + deHead + de + "'-3" + deNumbers;
        QTest::newRow("at") << german << "@A1" << bom + deHead + de + "'@A1" + deNumbers;
        QTest::newRow("tab") << german << "\tx" << bom + deHead + de + "\"'\tx\"" + deNumbers;
        QTest::newRow("carriage return") << german << "\rx" << bom + deHead + de + "\"'\rx\"" + deNumbers;
        QTest::newRow("own apostrophe") << german << "'=x" << bom + deHead + de + "''=x" + deNumbers;
        QTest::newRow("apostrophe, no formula") << german << "'x" << bom + deHead + de + "'x" + deNumbers;
        QTest::newRow("equals inside") << german << "a=b" << bom + deHead + de + "a=b" + deNumbers;
    }
    void csvFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, note);
        QFETCH(QByteArray, expected);
        const QList<Row> rows = {sample(7, note)};
        const QByteArray csv = journal::csvDocument(rows, journal::csvFormatFor(locale));
        QCOMPARE(csv, expected);
        // Either format reads back to the same rows.
        const journal::ReadJournal back = journal::readCsv(csv);
        QCOMPARE(journal::reasonText(back.reason), QString());
        QCOMPARE(back.rows, rows);
    }

    // The number columns of other readings: over range, bridged, millivolts, megohms.
    void numberColumns_data()
    {
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<QString>("vorwiderstand");
        QTest::addColumn<QString>("volts");
        QTest::addColumn<QString>("ohms");
        QTest::newRow("over range, bridged") << "---------" << "überbrückt" << "" << "0";
        QTest::newRow("millivolts") << "022.4 mV" << "10 kOhm" << "0,0224" << "10000";
        QTest::newRow("negative millivolts") << "-000.5 mV" << "2.2 kOhm" << "-0,0005" << "2200";
        QTest::newRow("volts, ohms") << "02.80 V" << "470 Ohm" << "2,8" << "470";
        QTest::newRow("megohms") << "199.9 V" << "1.5 MOhm" << "199,9" << "1500000";
    }
    void numberColumns()
    {
        QFETCH(QString, anzeige);
        QFETCH(QString, vorwiderstand);
        QFETCH(QString, volts);
        QFETCH(QString, ohms);
        Row r = sample(1);
        r.anzeige = anzeige;
        r.vorwiderstand = vorwiderstand;
        QCOMPARE(journal::cellText(r, journal::colVolt, QLatin1Char(',')), volts);
        QCOMPARE(journal::cellText(r, journal::colOhm, QLatin1Char(',')), ohms);
        QCOMPARE(journal::cellText(r, journal::colSekunden, QLatin1Char(',')), QStringLiteral("125"));
    }

    // Journals written before the number columns open with their rows as
    // they were; a note there was never guarded and keeps its apostrophe.
    void earlierJournalsReadAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("note");
        const QByteArray deHead = tableHead(';') + "\r\n";
        const QByteArray enHead = tableHead(',') + "\r\n";
        QTest::newRow("German") << bom + deHead + "7;02:05;3;22,5;21,9;12;1,5 kOhm;2 V;0,563 V;ein;warm\r\n"
                                << "warm";
        QTest::newRow("English") << bom + enHead + "7,02:05,3,22.5,21.9,12,1.5 kOhm,2 V,0.563 V,ein,\"1,5\"\r\n"
                                 << "1,5";
        QTest::newRow("formula note") << bom + deHead + "7;02:05;3;22,5;21,9;12;1,5 kOhm;2 V;0,563 V;ein;=1+1\r\n"
                                      << "=1+1";
        QTest::newRow("apostrophe note")
            << bom + deHead + "7;02:05;3;22,5;21,9;12;1,5 kOhm;2 V;0,563 V;ein;'=1+1\r\n" << "'=1+1";
    }
    void earlierJournalsReadAsTheyWere()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, note);
        const journal::ReadJournal back = journal::readCsv(file);
        QCOMPARE(journal::reasonText(back.reason), QString());
        QCOMPARE(back.rows, QList<Row>{sample(7, note)});
    }

    // Every reason has its sentence, with a place for each of its values.
    void everyReasonHasItsSentence()
    {
        const QStringList values = {QStringLiteral("«1»"), QStringLiteral("«2»")};
        for (int k = journal::Reason::none + 1; k < journal::Reason::kindTotal; ++k) {
            const QString text = journal::reasonText({journal::Reason::Kind(k), values});
            QVERIFY2(!text.isEmpty() && !text.contains(QLatin1Char('%')), qPrintable(QString::number(k)));
            const int places = text.count(QStringLiteral("«"));
            QVERIFY2(places <= 2, qPrintable(text));
            // Fewer values than places leave none of the markers behind.
            QVERIFY(!journal::reasonText({journal::Reason::Kind(k), {}}).contains(QLatin1Char('%')));
        }
        QCOMPARE(journal::reasonText({journal::Reason::rowIncomplete, {QStringLiteral("3")}}),
                 QStringLiteral("Zeile 3 der Datei ist unvollständig."));
        QCOMPARE(journal::reasonText({journal::Reason::fileNotRewritten, {QStringLiteral("/a%1b"), QStringLiteral("voll")}}),
                 QStringLiteral("Die Datei /a%1b kann nicht neu geschrieben werden (voll)."));
        QCOMPARE(journal::reasonText({}), QString());
    }

    void foreignFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("rows");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("other table") << QByteArray("a;b;c\r\n1;2;3\r\n") << 0;
        const QByteArray good =
            journal::csvDocument({sample(1), sample(2)}, journal::csvFormatFor(QLocale::c()));
        QTest::newRow("a row cut short") << good.left(good.size() - 12) << 1;
    }
    void foreignFilesAreRefused()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, rows);
        const journal::ReadJournal back = journal::readCsv(file);
        QVERIFY(!journal::reasonText(back.reason).isEmpty());
        QCOMPARE(back.rows.size(), rows);
    }

    void clipboardTextIsTabSeparated()
    {
        const QString text =
            journal::tabText({sample(1, QStringLiteral("zwei\tZeilen\n")), sample(2)}, QLatin1Char(','));
        QCOMPARE(text, QStringLiteral(
                           "Nr.\tZeit\tSensor\tϑ Thermostat /°C\tϑ Sensor /°C\tU Quelle /V\tVorwiderstand\t"
                           "Messbereich\tAnzeige\tEigenerwärmung\tBemerkung\n"
                           "1\t02:05\t3\t22,5\t21,9\t12\t1,5 kOhm\t2 V\t0,563 V\tein\tzwei Zeilen \n"
                           "2\t02:05\t3\t22,5\t21,9\t12\t1,5 kOhm\t2 V\t0,563 V\tein\t\n"));
    }

    void readingsInVolts_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("volts");
        QTest::newRow("20 V range") << "07.63 V" << 7.63;
        QTest::newRow("200 mV range") << "199.9 mV" << 0.1999;
        QTest::newRow("negative millivolts") << "-000.5 mV" << -0.0005;
        QTest::newRow("over range") << "---------" << qQNaN();
    }
    void readingsInVolts()
    {
        QFETCH(QString, shown);
        QFETCH(double, volts);
        Row r;
        r.anzeige = shown;
        const double v = journal::readingVolts(r);
        if (qIsNaN(volts))
            QVERIFY(qIsNaN(v));
        else
            QCOMPARE(v, volts);
    }

    void axisRangesAreRound_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("step");
        QTest::newRow("temperatures") << 18.7 << 96.2 << 10.0 << 100.0 << 10.0;
        QTest::newRow("millivolts") << 0.0 << 0.0042 << 0.0 << 0.005 << 0.001;
        QTest::newRow("one value") << 5.0 << 5.0 << 4.4 << 5.6 << 0.2;
        QTest::newRow("negative") << -1.2 << 3.1 << -2.0 << 4.0 << 1.0;
    }
    void axisRangesAreRound()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, step);
        const journal::AxisRange r = journal::niceRange(low, high);
        QVERIFY2(qAbs(r.low - from) < 1e-9 && qAbs(r.high - to) < 1e-9 && qAbs(r.step - step) < 1e-12,
                 qPrintable(QStringLiteral("%1 .. %2 step %3").arg(r.low).arg(r.high).arg(r.step)));
    }

    // Where the journal (940 x 660, at least 520 x 420) goes beside a bench
    // frame of 740 x 560; `benchAt` is where the bench stands then.
    void windowGoesBesideTheBench_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("bench");
        QTest::addColumn<QPoint>("benchAt");
        QTest::addColumn<QRect>("journal");
        const QSize wide(1920, 1080), small(1280, 1024);
        QTest::newRow("room on the right") << wide << QPoint(100, 50) << QPoint(100, 50) << QRect(848, 50, 940, 660);
        QTest::newRow("room on the left only")
            << wide << QPoint(1000, 50) << QPoint(1000, 50) << QRect(52, 50, 940, 660);
        QTest::newRow("no side whole: the roomiest, narrower")
            << wide << QPoint(500, 900) << QPoint(500, 900) << QRect(1248, 420, 672, 660);
        QTest::newRow("1280x1024, bench top left: below, lower")
            << small << QPoint(0, 0) << QPoint(0, 0) << QRect(0, 568, 940, 456);
        QTest::newRow("1280x1024, bench centred: it moves to the corner")
            << small << QPoint(270, 232) << QPoint(0, 0) << QRect(0, 568, 940, 456);
        QTest::newRow("1280x1024, bench at the bottom: beside, narrower")
            << small << QPoint(0, 464) << QPoint(0, 464) << QRect(748, 364, 532, 660);
    }
    void windowGoesBesideTheBench()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, bench);
        QFETCH(QPoint, benchAt);
        QFETCH(QRect, journal);
        const QSize frame(740, 560);
        const journal::Placement p =
            journal::placeBeside(QRect(bench, frame), QSize(940, 660), QSize(520, 420), QRect(QPoint(), screen));
        QCOMPARE(p.bench, QRect(benchAt, frame));
        QCOMPARE(p.journal, journal);
        // Both whole on the screen, and the journal over no part of the bench
        // (its meter and thermostat least of all).
        QVERIFY(QRect(QPoint(), screen).contains(p.journal));
        QVERIFY(!p.journal.intersects(p.bench));
    }
};

QTEST_MAIN(TestJournal)
#include "test_journal.moc"
