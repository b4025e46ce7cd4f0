// The measurement journal as a student uses it: readings taken on the bench
// with the button and the key, the journal window's table, keys and charts,
// its file after every change and after the sensor's destruction, a folder
// that cannot be written, and earlier journals. Every test writes into a
// temporary XDG_DATA_HOME of its own.

#include "bench/formexp.h"
#include "journal/csv.h"
#include "journal/formprotokoll.h"
#include "journal/journal.h"
#include "recorder.h"
#include "ui/controls.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>

#include <memory>

using bench::Formexp;
using journal::Row;

class TestRecording : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<testsupport::Recorder> rec;
    std::unique_ptr<Formexp> w;
    QString home;

    template <class T> T* find(const char* name) const { return testsupport::control<T>(w.get(), name); }
    QString caption(const char* name) const { return find<QWidget>(name)->property("text").toString(); }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            w->Timer1_Timer();
    }
    void open(const QByteArray& config = {})
    {
        if (!config.isEmpty()) {
            QFile f(data->filePath(QStringLiteral("cmmup.dlx")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(config);
        }
        QDir::setCurrent(data->path());
        w = std::make_unique<Formexp>();
        w->findChild<QTimer*>("Timer1")->stop();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QDir::setCurrent(home);
    }
    // The bench swallows clicks for the double-click interval after the task
    // page goes; the tests click on, so they wait it out.
    void startBench()
    {
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        QTest::qWait(QApplication::doubleClickInterval() + 10);
    }
    void record() { QTest::mouseClick(find<QPushButton>("Commandmessen"), Qt::LeftButton); }
    journal::Formprotokoll* window()
    {
        QTest::mouseClick(find<QPushButton>("Commandprotokoll"), Qt::LeftButton);
        auto* j = w->journalWindow();
        if (j)
            (void)QTest::qWaitForWindowExposed(j);
        return j;
    }
    QByteArray fileBytes() const
    {
        QFile f(w->journal().file().path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<Row> fileRows() const { return journal::readCsv(fileBytes()).rows; }
    void closeEvaluation()
    {
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        w->evaluationWindow()->close();
        QTRY_VERIFY(w->evaluationWindow() == nullptr);
    }

private slots:
    void initTestCase()
    {
        testsupport::useGermanNumbers();
        home = QDir::currentPath();
        // A short interval keeps the waits after the start click short.
        QApplication::setDoubleClickInterval(100);
    }
    void init()
    {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", data->filePath(QStringLiteral("share")).toLocal8Bit());
        rec = std::make_unique<testsupport::Recorder>();
        qputenv("XDG_DATA_HOME", data->filePath(QStringLiteral("share")).toLocal8Bit());
    }
    void cleanup()
    {
        if (w && w->evaluationWindow())
            w->evaluationWindow()->disconnect();
        w.reset();
        rec.reset();
        data.reset();
    }

    // Each row: what the student sets, then the row must read what the
    // bench's labels showed at that moment.
    void rowsShowWhatTheBenchShowed_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("volts");
        QTest::addColumn<int>("resistor");
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("setPoint");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("afterEvaluation"); // bypass closed and self-heating on
        QTest::addColumn<QString>("rangeText");
        QTest::newRow("start values, right after the start")
            << 0 << 10 << 40 << 1 << 20 << 0 << false << "20 V";
        QTest::newRow("Pt 100, 24 V, 1 kOhm, 2 V range") << 2 << 24 << 30 << 2 << 60 << 30 << false << "2 V";
        QTest::newRow("thermocouple in the 200 mV range")
            << 6 << 5 << 70 << 3 << 95 << 52 << false << "200 mV";
        QTest::newRow("NTC over range in the 200 mV range")
            << 0 << 10 << 40 << 3 << 20 << 3 << false << "200 mV";
        QTest::newRow("PTC in the 200 V range") << 1 << 12 << 52 << 0 << 80 << 17 << false << "200 V";
        QTest::newRow("Pt 1000 bridged, self-heating on") << 3 << 3 << 40 << 1 << 30 << 6 << true << "20 V";
    }
    void rowsShowWhatTheBenchShowed()
    {
        QFETCH(int, option);
        QFETCH(int, volts);
        QFETCH(int, resistor);
        QFETCH(int, range);
        QFETCH(int, setPoint);
        QFETCH(int, ticks);
        QFETCH(bool, afterEvaluation);
        QFETCH(QString, rangeText);
        open();
        startBench();
        if (afterEvaluation) {
            closeEvaluation();
            QTest::mouseClick(find<QPushButton>("ToggleButton1"), Qt::LeftButton);
            QTest::mouseClick(find<QWidget>("Picture2"), Qt::LeftButton);
        }
        QTest::mouseClick(find<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(option))),
                          Qt::LeftButton);
        find<QAbstractSlider>("UpDownV")->setValue(volts);
        if (!afterEvaluation)
            find<QAbstractSlider>("UpDownR")->setValue(resistor);
        find<QAbstractSlider>("UpDownT")->setValue(setPoint);
        find<QAbstractSlider>("UpDownVoltmeter")->setValue(range);
        tick(ticks);
        record();
        // The key does the same as the button.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(w->journal().rows().size(), 2);

        const Row& r = w->journal().rows().last();
        auto cell = [&](int c) { return journal::cellText(r, c, QLatin1Char(',')); };
        auto bare = [&](const char* label, const char* unit) {
            QString t = caption(label);
            t.chop(QString::fromUtf8(unit).size());
            return t.trimmed();
        };
        QCOMPARE(cell(journal::colNr), QStringLiteral("2"));
        QCOMPARE(cell(journal::colZeit), journal::timeText(ticks / 5));
        QCOMPARE(cell(journal::colSensor), QString::number(option + 1));
        QCOMPARE(cell(journal::colThermostat), caption("LabelT").remove(QStringLiteral("°C")));
        QCOMPARE(cell(journal::colSensorTemp), bare("Labelsenstemp", "°C"));
        QCOMPARE(cell(journal::colQuelle), caption("LabelV").remove(QStringLiteral(" V")));
        QCOMPARE(cell(journal::colVorwiderstand),
                 afterEvaluation ? QStringLiteral("überbrückt") : caption("LabelR"));
        QCOMPARE(cell(journal::colMessbereich), rangeText);
        QCOMPARE(cell(journal::colAnzeige), caption("Labelanz"));
        QCOMPARE(cell(journal::colEigenerwaermung),
                 afterEvaluation ? QStringLiteral("ein") : QStringLiteral("aus"));
        QCOMPARE(cell(journal::colBemerkung), QString());
        // The window's table shows the same, and the file holds it.
        auto* table = testsupport::control<QTableView>(window(), "Tableprotokoll");
        for (int c = 0; c < journal::columnTotal; ++c)
            QCOMPARE(table->model()->index(1, c).data().toString(), cell(c));
        QCOMPARE(fileRows(), w->journal().rows());
    }

    void hiddenChoiceAndNoSensorTypeAnywhere()
    {
        open("sensor:nr=1:off\n");
        startBench();
        tick(12);
        record();
        QCOMPARE(w->journal().rows().last().sensor, QStringLiteral("–"));
        auto* j = window();
        const QString file = QString::fromUtf8(fileBytes());
        QStringList series;
        for (const auto* chart : {j->characteristic().chart(), j->timeChart().chart()})
            for (const auto* s : chart->series())
                series << s->name();
        QCOMPARE(series.first(), QStringLiteral("Sensor –"));
        for (const std::string& name : w->state().sensorname) {
            const QString n = QString::fromStdString(name);
            QVERIFY2(!file.contains(n, Qt::CaseInsensitive), qPrintable(n));
            QVERIFY2(!series.join(' ').contains(n, Qt::CaseInsensitive), qPrintable(n));
        }
    }

    void fileFollowsEveryRecordEditAndDelete()
    {
        open();
        startBench();
        for (int i = 0; i < 3; ++i) {
            find<QAbstractSlider>("UpDownV")->setValue(4 + 4 * i);
            tick(5);
            record();
            QCOMPARE(fileRows(), w->journal().rows());
        }
        auto* j = window();
        j->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(j));
        auto* table = testsupport::control<QTableView>(j, "Tableprotokoll");
        // A note typed into the second row, with the file's delimiter in it.
        table->scrollTo(table->model()->index(1, journal::colBemerkung));
        const QRect noteCell = table->visualRect(table->model()->index(1, journal::colBemerkung));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, noteCell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, noteCell.center());
        auto* editor = table->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("kalt; \"neu\""));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(w->journal().rows()[1].bemerkung, QStringLiteral("kalt; \"neu\""));
        QCOMPARE(fileRows(), w->journal().rows());

        // Delete removes the selected row, Ctrl+Z brings it back, both in the file.
        const QList<Row> all = w->journal().rows();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(0, journal::colNr)).center());
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(w->journal().rows().size(), 2);
        QCOMPARE(w->journal().rows().first().nr, 2);
        QCOMPARE(fileRows(), w->journal().rows());
        QVERIFY(testsupport::control<QPushButton>(j, "Commandrueckgaengig")->isEnabled());
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->journal().rows(), all);
        QCOMPARE(fileRows(), all);
        // Undo again takes the note back; a new reading gets the next number.
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->journal().rows()[1].bemerkung, QString());
        record();
        QCOMPARE(w->journal().rows().last().nr, 4);
        QCOMPARE(fileRows(), w->journal().rows());
        QVERIFY(fileBytes().startsWith("\xEF\xBB\xBFNr.;Zeit;"));
    }

    void fileStaysCompleteAfterTheDestruction()
    {
        open();
        startBench();
        for (int v : {6, 12, 18}) {
            find<QAbstractSlider>("UpDownV")->setValue(v);
            tick(3);
            record();
        }
        window();
        const QList<Row> recorded = w->journal().rows();
        w->state().tsensor = 151;
        tick();
        QVERIFY(w->destroyed());
        QVERIFY(!w->journalWindow()->isVisible());
        QCOMPARE(rec->messages.size(), 1);
        QCOMPARE(rec->messages.first(), QStringLiteral("Sie haben den Sensor und damit das Experiment \r"
                                                       "durch thermische Überlastung zerstört!!\r"
                                                       "Ihr Messprotokoll ist gespeichert: ") +
                                            QDir::toNativeSeparators(w->journal().file().path()));
        QCOMPARE(fileRows(), recorded);
        QCOMPARE(journal::readCsv(fileBytes()).reason, journal::Reason());
    }

    void unwritableFolderGivesTheNotice()
    {
        // A data folder below a plain file cannot be made, not even by root.
        QFile blocker(data->filePath(QStringLiteral("datei")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_DATA_HOME", data->filePath(QStringLiteral("datei/share")).toLocal8Bit());
        open();
        startBench();
        auto* j = window();
        const QString notice = testsupport::control<QLabel>(j, "Labeldatei")->text();
        QVERIFY2(notice.startsWith(QStringLiteral("Das Protokoll wird nicht gespeichert: ")),
                 qPrintable(notice));
        record();
        record();
        QCOMPARE(w->journal().rows().size(), 2);
        QCOMPARE(testsupport::control<QTableView>(j, "Tableprotokoll")->model()->rowCount(), 2);
        w->state().tsensor = 151;
        tick();
        QVERIFY(rec->messages.last().contains(
            QStringLiteral("\rIhr Messprotokoll konnte nicht gespeichert werden: ")));
    }

    void savedAsCsvUnderGermanAndEnglish_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("row");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                                << QByteArray("1;00:00;1;20;20;10;10 kOhm;20 V;\"07,63 V\";aus;\"a;b\";0;\"7,63\";10000\r\n");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << QByteArray("1,00:00,1,20,20,10,10 kOhm,20 V,07.63 V,aus,\"a;b\",0,7.63,10000\r\n");
    }
    void savedAsCsvUnderGermanAndEnglish()
    {
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, row);
        open();
        startBench();
        record();
        auto* j = window();
        auto* table = testsupport::control<QTableView>(j, "Tableprotokoll");
        QVERIFY(
            table->model()->setData(table->model()->index(0, journal::colBemerkung), QStringLiteral("a;b")));
        QLocale::setDefault(locale);
        rec->saveFileAnswer = data->filePath(QStringLiteral("export"));
        QTest::mouseClick(testsupport::control<QPushButton>(j, "Commandspeichern"), Qt::LeftButton);
        testsupport::useGermanNumbers();
        QFile f(rec->saveFileAnswer + QStringLiteral(".csv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray csv = f.readAll();
        QVERIFY(csv.startsWith("\xEF\xBB\xBFNr."));
        QCOMPARE(csv.mid(csv.indexOf("\r\n") + 2), row);
        QCOMPARE(rec->messages.last(), QStringLiteral("Das Messprotokoll wurde gespeichert:\r") +
                                           QDir::toNativeSeparators(f.fileName()));
    }

    void clipboardTakesTheSelectedRowsOrAll()
    {
        open();
        startBench();
        for (int v : {2, 4, 6}) {
            find<QAbstractSlider>("UpDownV")->setValue(v);
            record();
        }
        auto* j = window();
        j->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(j));
        QTest::mouseClick(testsupport::control<QPushButton>(j, "Commandkopieren"), Qt::LeftButton);
        const QStringList all = QApplication::clipboard()->text().split('\n');
        QCOMPARE(all.size(), 5); // header, three rows, the last line's end
        QCOMPARE(all[0], journal::columnNames().join('\t'));
        QCOMPARE(all[2], QStringLiteral("2\t00:00\t1\t20\t20\t4\t10 kOhm\t20 V\t03,05 V\taus\t"));
        auto* table = testsupport::control<QTableView>(j, "Tableprotokoll");
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(2, journal::colZeit)).center());
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), all[0] + '\n' + all[3] + '\n');
    }

    void earlierJournalsOpenReadOnly()
    {
        open();
        startBench();
        record();
        const QString first = w->journal().file().path();
        w.reset();
        open();
        startBench();
        record();
        record();
        auto* j = window();
        QCOMPARE(j->windowTitle(), QStringLiteral("KORA - Temperatursensoren als Zweipol - Messprotokoll"));
        QVERIFY(!j->isModal());
        QVERIFY(j->minimumSize() != j->maximumSize());
        auto* combo = testsupport::control<QComboBox>(j, "Comboprotokolle");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemData(1).toString(), first);
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        auto* table = testsupport::control<QTableView>(j, "Tableprotokoll");
        QCOMPARE(table->model()->rowCount(), 1);
        QVERIFY(
            !(table->model()->flags(table->model()->index(0, journal::colBemerkung)) & Qt::ItemIsEditable));
        QVERIFY(testsupport::control<QLabel>(j, "Labeldatei")
                    ->text()
                    .startsWith(QStringLiteral("Früheres Protokoll, nur zum Lesen: ")));
        QVERIFY(!testsupport::control<QPushButton>(j, "Commandloeschen")->isEnabled());
        table->selectAll();
        j->deleteRows();
        QCOMPARE(table->model()->rowCount(), 1);
        // A new reading brings the run's own journal back.
        record();
        QCOMPARE(table->model()->rowCount(), 3);
        QCOMPARE(combo->currentIndex(), 0);
    }

    // A journal written before the number columns, picked in the list: its
    // rows as they were, its own time course over all of its 95 minutes in
    // round steps, and the run's own course back with the run's journal.
    void earlierJournalShowsItsOwnCourse()
    {
        open();
        startBench();
        const QString folder = w->journal().file().folder();
        QVERIFY(QDir().mkpath(folder));
        QFile old(QDir(folder).filePath(QStringLiteral("KORA-Protokoll-2020-01-01-080000.csv")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("\xEF\xBB\xBFNr.;Zeit;Sensor;ϑ Thermostat /°C;ϑ Sensor /°C;U Quelle /V;Vorwiderstand;"
                  "Messbereich;Anzeige;Eigenerwärmung;Bemerkung\r\n"
                  "1;00:00;2;20;20,0;10;10 kOhm;20 V;07,63 V;aus;=1+1\r\n"
                  "2;30:00;2;60;59,5;10;10 kOhm;2 V;---------;aus;\r\n"
                  "3;95:10;2;100;99,1;10;10 kOhm;200 mV;022,4 mV;aus;heiß\r\n");
        old.close();
        auto* j = window();
        auto* combo = testsupport::control<QComboBox>(j, "Comboprotokolle");
        const int at = combo->findData(old.fileName());
        QVERIFY(at > 0);
        combo->setCurrentIndex(at);
        emit combo->activated(at);
        auto* table = testsupport::control<QTableView>(j, "Tableprotokoll");
        QCOMPARE(table->model()->rowCount(), 3);
        QCOMPARE(table->model()->index(0, journal::colBemerkung).data().toString(), QStringLiteral("=1+1"));
        QCOMPARE(table->model()->index(2, journal::colZeit).data().toString(), QStringLiteral("95:10"));
        QCOMPARE(table->model()->index(2, journal::colAnzeige).data().toString(), QStringLiteral("022,4 mV"));
        // The plain numbers stand beside the shown ones.
        QCOMPARE(table->model()->index(2, journal::colZeit).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("5710 s"));
        QCOMPARE(table->model()->index(2, journal::colAnzeige).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("0,0224 V"));
        QCOMPARE(table->model()->index(0, journal::colVorwiderstand).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("10000 Ohm"));
        // Three temperature points each, two readings (one over range).
        QCOMPARE(j->timeChart().pointCount(), 3 + 3 + 2);
        auto* time = qobject_cast<QValueAxis*>(j->timeChart().chart()->axes(Qt::Horizontal).first());
        QVERIFY(time);
        QCOMPARE(time->min(), 0.0);
        QCOMPARE(time->max(), 100.0);
        QCOMPARE(time->tickInterval(), 20.0);
        QCOMPARE(time->labelFormat(), QStringLiteral("%.0f"));
        // Ticks go on; the earlier course stays until the run's journal is back.
        tick(5);
        QCOMPARE(j->timeChart().pointCount(), 8);
        record();
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(time->min(), 0.0);
        QCOMPARE(time->max(), 1.0);
        QCOMPARE(time->tickInterval(), 1.0);
    }

    // On a 1280 x 1024 screen the journal opens beside the bench or below
    // it, never over the meter and the thermostat, wherever the bench stood.
    void journalOpensBesideTheBench_data()
    {
        QTest::addColumn<QPoint>("bench");
        QTest::newRow("top left") << QPoint(0, 0);
        QTest::newRow("centred") << QPoint(274, 251);
        QTest::newRow("bottom right") << QPoint(544, 499); // the frame is 736 x 525
        QTest::newRow("top right") << QPoint(544, 0);
    }
    void journalOpensBesideTheBench()
    {
        QFETCH(QPoint, bench);
        if (QGuiApplication::primaryScreen()->size() != QSize(1280, 1024))
            QSKIP("needs the screen of 1280 x 1024 pixels (test_recording_1280x1024)");
        open();
        w->move(bench);
        startBench();
        auto* j = window();
        QVERIFY(j);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(j->frameGeometry()));
        QVERIFY(screen.contains(w->frameGeometry()));
        QVERIFY(j->width() >= j->minimumSizeHint().width() && j->height() >= j->minimumSizeHint().height());
        for (const char* name : {"Labelanz", "UpDownVoltmeter", "LabelT", "UpDownT", "Labelsenstemp", "Frame1",
                                 "Commandmessen", "Commandprotokoll"}) {
            const QWidget* c = find<QWidget>(name);
            const QRect global(c->mapToGlobal(QPoint(0, 0)), c->size());
            QVERIFY2(!j->frameGeometry().intersects(global), name);
        }
        QVERIFY(!j->frameGeometry().intersects(w->frameGeometry()));
    }

    // A reading taken with the journal closed is confirmed on the bench.
    void recordedRowIsConfirmedOnTheBench()
    {
        open();
        startBench();
        auto* status = find<QLabel>("Labelstatus");
        QCOMPARE(caption("Labelstatus"), QString());
        record();
        QVERIFY(!w->journalWindow());
        QVERIFY(status->isVisible());
        QCOMPARE(caption("Labelstatus"), QStringLiteral("Zeile 1 übernommen: ") + caption("Labelsenstemp") +
                                     QStringLiteral(", ") + caption("Labelanz"));
        find<QAbstractSlider>("UpDownVoltmeter")->setValue(0);
        record();
        QCOMPARE(caption("Labelstatus"), QStringLiteral("Zeile 2 übernommen: ") + caption("Labelsenstemp") +
                                     QStringLiteral(", ") + caption("Labelanz"));
        // Not in front of the journal's buttons.
        QVERIFY(!status->geometry().intersects(find<QWidget>("Commandprotokoll")->geometry()));
        QVERIFY(w->rect().contains(status->geometry()));
    }

    void buttonsWaitForTheStartAndTheEvaluation()
    {
        open();
        auto* take = find<QPushButton>("Commandmessen");
        auto* show = find<QPushButton>("Commandprotokoll");
        QCOMPARE(take->toolTip().contains(QStringLiteral("Strg+M")), true);
        // Under the task page the key takes nothing.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(w->journal().rows().size(), 0);
        startBench();
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(!take->isEnabled());
        QVERIFY(!show->isEnabled());
        w->evaluationWindow()->close();
        QTRY_VERIFY(w->evaluationWindow() == nullptr);
        QVERIFY(take->isEnabled());
        QVERIFY(show->isEnabled());
    }

    void examFileHidesTheJournal()
    {
        open("sensor:nr=2:x\nprotokoll:off\n");
        QVERIFY(rec->messages.isEmpty());
        startBench();
        QVERIFY(find<QPushButton>("Commandmessen")->isHidden());
        QVERIFY(find<QPushButton>("Commandprotokoll")->isHidden());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(w->journal().rows().size(), 0);
        QVERIFY(!QFileInfo::exists(w->journal().file().path()));
    }

    void chartsFollowTheRowsAndTheLastTenMinutes()
    {
        open();
        startBench();
        record();
        find<QAbstractSlider>("UpDownVoltmeter")->setValue(3); // over range: no point
        record();
        auto* j = window();
        QCOMPARE(j->characteristic().pointCount(), 1);
        // Eleven minutes of ticks while the window is hidden, then shown: a
        // point a second for the last ten minutes in both temperature
        // series, none for the reading over range. Then a quarter of an hour
        // more live: the chart keeps no more than its window.
        j->hide();
        tick(11 * 60 * 5);
        j->show();
        QVERIFY(QTest::qWaitForWindowExposed(j));
        QCOMPARE(j->timeChart().pointCount(), 2 * 601);
        for (int i = 0; i < 3; ++i) {
            tick(5 * 60 * 5);
            QVERIFY2(j->timeChart().pointCount() <= 2 * (630 + 1),
                     qPrintable(QString::number(j->timeChart().pointCount())));
        }
        QVERIFY(j->timeChart().pointCount() >= 2 * 600);
    }
};

QTEST_MAIN(TestRecording)
#include "test_recording.moc"
