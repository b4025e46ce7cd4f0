// A journal file as a student opens it in a spreadsheet: LibreOffice Calc,
// run headless with a profile of its own in a temporary folder, imports
// the file with the options its import dialog offers a fresh profile and
// saves the sheet as flat XML, which is read back cell by cell. Skips when
// LibreOffice is not installed (libreoffice-calc-nogui, scripts/setup).

#include "journal/csv.h"

#include <QProcess>
#include <QUrl>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

using journal::Row;

namespace {

// How long one conversion may take; a fresh profile converts in seconds,
// and four of them stay well inside the test's time limit.
constexpr int conversionMs = 60'000;

// The import options of a fresh profile's text import dialog (Calc's
// Dialogs/CSVImport defaults in LibreOffice's registry, main.xcd), as
// tokens of the CSV filter's option string:
//  1 separators "Comma, Semicolon, Tab" ticked: 44/59/9, not merged;
//  2 string delimiter ": 34;
//  3 character set "system" (UTF-8 here; the byte-order mark says so too): 76;
//  4 from row 1;
//  5 every column "Standard": empty;
//  6 language "Default", which is the user's locale setting: named here
//    (1031 German, 1033 English) so that the test needs no generated locale;
//  7 "Format quoted field as text" off: false;
//  8 "Detect special numbers" off: false;
//  9, 10, 12 export only;
// 11 "Trim spaces" off: false;
// 13 "Evaluate formulas" off: false. A student who ticks it is covered by
//    a row of its own.
QString importOptions(int language, bool evaluateFormulas)
{
    return QStringLiteral("Text - txt - csv (StarCalc):44/59/9,34,76,1,,%1,false,false,true,false,false,false,%2")
        .arg(language)
        .arg(evaluateFormulas ? QStringLiteral("true") : QStringLiteral("false"));
}

struct Cell {
    QString type; // office:value-type: "float", "string", or empty
    double value = 0;
    QString text;
    bool formula = false;
};

// The cells of the first sheet, row by row, repeated cells spelled out.
QList<QList<Cell>> sheetOf(const QByteArray& fods)
{
    QList<QList<Cell>> rows;
    QXmlStreamReader xml(fods);
    Cell cell;
    int repeat = 1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"table-row") {
            rows.append(QList<Cell>());
        } else if (xml.isStartElement() && xml.name() == u"table-cell") {
            const QXmlStreamAttributes a = xml.attributes();
            cell = {a.value(QStringLiteral("office:value-type")).toString(),
                    a.value(QStringLiteral("office:value")).toDouble(), {},
                    a.hasAttribute(QStringLiteral("table:formula"))};
            repeat = std::max(1, a.value(QStringLiteral("table:number-columns-repeated")).toInt());
        } else if (xml.isStartElement() && xml.name() == u"p") {
            cell.text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement() && xml.name() == u"table-cell" && !rows.isEmpty()) {
            for (int i = 0; i < repeat && rows.last().size() < 64; ++i)
                rows.last().append(cell);
        } else if (xml.isEndElement() && xml.name() == u"table") {
            break;
        }
    }
    return rows;
}

Row reading(int nr, int seconds, const char* temp, const char* shown, const char* resistor, const char* note)
{
    Row r;
    r.nr = nr;
    r.seconds = seconds;
    r.sensor = QStringLiteral("2");
    r.thermostat = QStringLiteral("60");
    r.sensorTemp = QString::fromLatin1(temp);
    r.quelle = QStringLiteral("10");
    r.vorwiderstand = QString::fromUtf8(resistor);
    r.messbereich = QStringLiteral("2 V");
    r.anzeige = QString::fromLatin1(shown);
    r.bemerkung = QString::fromUtf8(note);
    return r;
}

// Three rows: a reading in volts with a note that is a formula, one in
// millivolts with umlauts, one over range with the resistor bridged.
const QList<Row> rows = {reading(1, 35, "35.5", "02.80 V", "1.5 kOhm", "=1+1"),
                         reading(2, 95, "59.9", "022.4 mV", "10 kOhm", "Übergang heiß; Öl"),
                         reading(3, 3725, "99.1", "---------", "überbrückt", "@SUMME(A1)")};

} // namespace

class TestSpreadsheet : public QObject {
    Q_OBJECT

    QString soffice;

    // Converts `csv` to flat XML in `dir`; the sheet's XML, empty on failure.
    QByteArray convert(const QTemporaryDir& dir, const QByteArray& csv, const QString& options)
    {
        QFile file(dir.filePath(QStringLiteral("protokoll.csv")));
        if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size())
            return {};
        file.close();
        QProcess office;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path()); // nothing of the user's is read or written
        office.setProcessEnvironment(env);
        office.setWorkingDirectory(dir.path());
        // A group of its own, so that the office's helper processes end with it.
        office.setChildProcessModifier([] { ::setpgid(0, 0); });
        office.setProcessChannelMode(QProcess::MergedChannels);
        office.start(soffice, {QStringLiteral("-env:UserInstallation=") +
                                   QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
                               QStringLiteral("--headless"), QStringLiteral("--norestore"),
                               QStringLiteral("--nologo"), QStringLiteral("--infilter=") + options,
                               QStringLiteral("--convert-to"), QStringLiteral("fods"), QStringLiteral("--outdir"),
                               dir.filePath(QStringLiteral("out")), file.fileName()});
        const bool ended = office.waitForFinished(conversionMs);
        if (!ended && office.processId() > 0) {
            ::kill(-static_cast<pid_t>(office.processId()), SIGKILL);
            office.waitForFinished(5000);
        }
        if (!ended || office.exitCode() != 0) {
            qWarning().noquote() << "soffice:" << (ended ? "failed" : "timed out") << office.readAll();
            return {};
        }
        QFile out(dir.filePath(QStringLiteral("out/protokoll.fods")));
        return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed; scripts/setup installs libreoffice-calc-nogui");
    }

    void journalReadsAsNumbers_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("evaluate");
        QTest::newRow("German, fresh profile") << QLocale(QLocale::German, QLocale::Germany) << 1031 << false;
        QTest::newRow("German, formulas evaluated") << QLocale(QLocale::German, QLocale::Germany) << 1031 << true;
        QTest::newRow("English, fresh profile") << QLocale(QLocale::English, QLocale::UnitedStates) << 1033 << false;
        QTest::newRow("English, formulas evaluated") << QLocale(QLocale::English, QLocale::UnitedStates) << 1033
                                                     << true;
    }
    void journalReadsAsNumbers()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, language);
        QFETCH(bool, evaluate);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray fods =
            convert(dir, journal::csvDocument(rows, journal::csvFormatFor(locale)), importOptions(language, evaluate));
        QVERIFY(!fods.isEmpty());
        const QList<QList<Cell>> sheet = sheetOf(fods);
        QVERIFY(sheet.size() >= 4);
        // The header whole, umlauts and symbols as written.
        for (int c = 0; c < journal::fileColumnTotal; ++c)
            QCOMPARE(sheet[0].value(c).text, journal::fileColumnNames().at(c));
        const double temps[] = {35.5, 59.9, 99.1};
        const double volts[] = {2.8, 0.0224, qQNaN()};
        const double seconds[] = {35, 95, 3725};
        const double ohms[] = {1500, 10000, 0};
        const char* notes[] = {"'=1+1", "Übergang heiß; Öl", "'@SUMME(A1)"};
        for (int i = 0; i < 3; ++i) {
            const QList<Cell>& row = sheet[i + 1];
            QCOMPARE(row.size() >= journal::fileColumnTotal, true);
            for (auto [column, expected] : {std::pair{journal::colSensorTemp, temps[i]},
                                            std::pair{journal::colSekunden, seconds[i]},
                                            std::pair{journal::colVolt, volts[i]},
                                            std::pair{journal::colOhm, ohms[i]}}) {
                const Cell& cell = row[column];
                const QString where = QStringLiteral("row %1, %2: %3 \"%4\"")
                                          .arg(i + 1)
                                          .arg(journal::fileColumnNames().at(column), cell.type, cell.text);
                if (qIsNaN(expected)) {
                    QVERIFY2(cell.type.isEmpty(), qPrintable(where)); // over range: an empty cell
                    continue;
                }
                QVERIFY2(cell.type == u"float", qPrintable(where));
                QVERIFY2(qFuzzyCompare(cell.value, expected), qPrintable(where));
            }
            // Notes are text, never formulas, umlauts whole.
            const Cell& note = row[journal::colBemerkung];
            QCOMPARE(note.type, QStringLiteral("string"));
            QVERIFY(!note.formula);
            QCOMPARE(note.text, QString::fromUtf8(notes[i]));
        }
        QCOMPARE(sheet[3][journal::colVorwiderstand].text, journal::bypassed);
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "test_spreadsheet.moc"
