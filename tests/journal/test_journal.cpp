// The journal's text forms and helpers: CSV under both formats, read back,
// the clipboard text, the axis ranges and where the window goes.

#include "journal/charts.h"
#include "journal/csv.h"
#include "journal/formprotokoll.h"
#include "recorder.h"

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

} // namespace

class TestJournal : public QObject {
    Q_OBJECT
private slots:
    void csvFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray deHead =
            "Nr.;Zeit;Sensor;ϑ Thermostat /°C;ϑ Sensor /°C;U Quelle /V;Vorwiderstand;Messbereich;"
            "Anzeige;Eigenerwärmung;Bemerkung\r\n";
        const QByteArray enHead =
            "Nr.,Zeit,Sensor,ϑ Thermostat /°C,ϑ Sensor /°C,U Quelle /V,Vorwiderstand,Messbereich,"
            "Anzeige,Eigenerwärmung,Bemerkung\r\n";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "warm"
                                << bom + deHead + "7;02:05;3;22,5;21,9;12;1,5 kOhm;2 V;0,563 V;ein;warm\r\n";
        QTest::newRow("Austrian German")
            << QLocale(QLocale::German, QLocale::Austria) << ""
            << bom + deHead + "7;02:05;3;22,5;21,9;12;1,5 kOhm;2 V;0,563 V;ein;\r\n";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << ""
                                 << bom + enHead + "7,02:05,3,22.5,21.9,12,1.5 kOhm,2 V,0.563 V,ein,\r\n";
        // A note with the delimiter, quotes or a line break is quoted.
        QTest::newRow("German, note quoted")
            << QLocale(QLocale::German, QLocale::Germany) << "a; \"b\"\nc"
            << bom + deHead + "7;02:05;3;22,5;21,9;12;1,5 kOhm;2 V;0,563 V;ein;\"a; \"\"b\"\"\nc\"\r\n";
        QTest::newRow("English, comma in the note")
            << QLocale(QLocale::English, QLocale::UnitedStates) << "1,5"
            << bom + enHead + "7,02:05,3,22.5,21.9,12,1.5 kOhm,2 V,0.563 V,ein,\"1,5\"\r\n";
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
        QCOMPARE(back.error, QString());
        QCOMPARE(back.rows, rows);
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
        QVERIFY(!back.error.isEmpty());
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

    void windowGoesBesideTheBench_data()
    {
        QTest::addColumn<QRect>("bench");
        QTest::addColumn<QPoint>("at");
        const QRect screen(0, 0, 1920, 1080);
        QTest::newRow("room on the right") << QRect(100, 50, 740, 560) << QPoint(848, 50);
        QTest::newRow("room on the left only") << QRect(1000, 50, 740, 560) << QPoint(52, 50);
        QTest::newRow("no room: as far right as it fits") << QRect(500, 900, 740, 560) << QPoint(980, 420);
    }
    void windowGoesBesideTheBench()
    {
        QFETCH(QRect, bench);
        QFETCH(QPoint, at);
        QCOMPARE(journal::besidePosition(bench, QSize(940, 660), QRect(0, 0, 1920, 1080)), at);
    }
};

QTEST_MAIN(TestJournal)
#include "test_journal.moc"
