// The experiment window started in a folder holding a cmmup.dlx: what the
// student sees afterwards, and the one message the teacher gets.

#include "bench/formexp.h"
#include "recorder.h"
#include "ui/messagebox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include <cmath>
#include <memory>

using bench::Formexp;

class TestConfigWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Recorder> rec;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Formexp> w;
    QString home;

    template <class T> T* find(const char* name) const { return testsupport::control<T>(w.get(), name); }
    QString caption(const char* name) const { return find<QWidget>(name)->property("text").toString(); }

    void start(const QByteArray& file)
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        QFile f(dir->filePath(QStringLiteral("cmmup.dlx")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
        f.close();
        QVERIFY(QDir::setCurrent(dir->path()));
        w = std::make_unique<Formexp>();
        w->findChild<QTimer*>("Timer1")->stop();
    }

private slots:
    void initTestCase()
    {
        testsupport::useGermanNumbers();
        home = QDir::currentPath();
    }
    void init() { rec = std::make_unique<testsupport::Recorder>(); }
    void cleanup()
    {
        w.reset();
        QDir::setCurrent(home);
        dir.reset();
        rec.reset();
    }

    void hiddenFixedSensor()
    {
        start("sensor:nr=3:off\n");
        QVERIFY(find<QFrame>("Framesensor")->isHidden());
        QVERIFY(find<QRadioButton>("Option1_3")->isChecked());
        QCOMPARE(int(w->state().sensortyp), 3);
        QVERIFY(rec->messages.isEmpty());
    }

    void choiceStaysVisibleWithoutOff()
    {
        start("sensor:nr=2.5:an\n");
        QVERIFY(!find<QFrame>("Framesensor")->isHidden());
        QVERIFY(find<QRadioButton>("Option1_2")->isChecked());
    }

    void selfHeatingOfferedAndOn()
    {
        start("WARMUP:A=YES:B=YES\n");
        auto* b = find<QPushButton>("ToggleButton1");
        QVERIFY(!b->isHidden());
        QVERIFY(b->isChecked());
        QCOMPARE(b->text(), QStringLiteral("Eigenerwärmung eingeschaltet"));
        QCOMPARE(int(w->state().eigenerwarmung), 1);
    }

    void trailingBlankOffersNothing()
    {
        start("warmup:a=yes :b=no\n");
        QVERIFY(find<QPushButton>("ToggleButton1")->isHidden());
        QCOMPARE(int(w->state().eigenerwarmung), 0);
    }

    void basicLineSetsTheInstruments()
    {
        start("basic:u=12.5:x:t=22.5\n");
        QCOMPARE(caption("LabelV"), QStringLiteral("12 V"));
        QCOMPARE(caption("LabelT"), QStringLiteral("22°C")); // the thermostat control shows whole degrees
        QCOMPARE(w->state().teta, 22.5);
        QVERIFY(rec->messages.isEmpty());
    }

    void badLinesInOneMessage()
    {
        start("sensor:nr=9\r\nbasic:u=12:t=22\r\nbasic:u=8:x:t=30\r\n");
        QCOMPARE(rec->messages.size(), 1);
        const QString m = rec->messages.front();
        QVERIFY(m.startsWith(QStringLiteral("In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:")));
        QVERIFY(m.contains(QStringLiteral("\rZeile 1: sensor:nr=9 – ")));
        QVERIFY(m.contains(QStringLiteral("\rZeile 2: basic:u=12:t=22 – ")));
        QVERIFY(!m.contains(QStringLiteral("Zeile 3")));
        QCOMPARE(caption("LabelV"), QStringLiteral("8 V"));
        QCOMPARE(caption("LabelT"), QStringLiteral("30°C"));
        QCOMPARE(int(w->state().sensortyp), 0);
    }

    void sensorLineNeedsItsSecondField()
    {
        start("sensor:nr=4\n");
        QCOMPARE(rec->messages.size(), 1);
        QVERIFY(rec->messages.front().contains(QStringLiteral("\rZeile 1: sensor:nr=4 – ")));
        QVERIFY(find<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(int(w->state().sensortyp), 0);
        QCOMPARE(caption("Labelanz"), QStringLiteral("07,63 V"));
    }

    void diodeSelectedByTheFileReadsAtZeroDegrees()
    {
        start("sensor:nr=4:x\n");
        QVERIFY(find<QRadioButton>("Option1_4")->isChecked());
        QCOMPARE(caption("Labelanz"), QStringLiteral("00,55 V")); // 0.5464 V
        QCOMPARE(w->state().ut, 273 * 8.625e-05);
    }

    // The texts of the true characteristics are built from the start values
    // before the file is read; alpha is computed after it.
    void configuredParametersReachAlphaButNotTheTexts()
    {
        start("typ0:a=0.0004:b=4000:ntc:0.05\nbasic:u=10:x:t=30\ntyp2:r=110:a=0.5:pt:0.01\n"
              "typ3:r=900:a=4:pt:0.01\ntyp5:i=250:k=2:i:0.01\ntyp6:k=6e-05:th:0.03\ntyp1:a=2e-7:b=0.06:p:0.05\n");
        QVERIFY(rec->messages.isEmpty());
        const auto& s = w->state();
        const char* texts[] = {"R/Ohm = 0,000357*exp(5000/T)   T in K",
                               "R/Ohm = 1E-07*exp(0,065*T)   T in K",
                               "R/Ohm = 100*(1 + 0,0038505*(T-273))   T in K",
                               "R/Ohm = 1000*(1 + 0,0038505*(T-273))   T in K",
                               "Ud/mV = 497,6 - 2,693 * (T/K - 293)",
                               "I/µA = 1*T/K",
                               "U/mV = 0,05*(T/K-273)"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(QString::fromStdString(s.formeltext[i]), QString::fromUtf8(texts[i]));
        QCOMPARE(s.teta, 30.0);
        QCOMPARE(s.alpha[0], -4000.0 / (303.0 * 303.0));
        QCOMPARE(s.alpha[1], 0.06);
        QCOMPARE(s.alpha[2], 0.5 / 100);
        QCOMPARE(s.alpha[3], 4.0 / 1000);
        QCOMPARE(s.alpha[4], 0.0);
        QCOMPARE(s.alpha[6], 0.0);
        QCOMPARE(s.toleranz[7], 0.0);
        // The diode's thermal voltage keeps the start set point's value.
        QCOMPARE(s.ut, 0.02527125);
        // The first reading uses the configured NTC at 0 °C.
        const double r = 0.0004 * std::exp(4000.0 / 273);
        QCOMPARE(s.rsensor, r);
        QCOMPARE(s.umess, 10 * r / (10000 + r));
    }

    void latin1NameArrivesRight()
    {
        start("typ5:i=273:k=1:Stromf\xFChler:0.1\n");
        QCOMPARE(QString::fromStdString(w->state().sensorname[5]), QStringLiteral("stromfühler"));
        QVERIFY(rec->messages.isEmpty());
    }

    void pipeInPlaceOfTheFileIsReportedAtOnce()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(::mkfifo(QFile::encodeName(dir->filePath(QStringLiteral("cmmup.dlx"))).constData(), 0644) == 0);
        QVERIFY(QDir::setCurrent(dir->path()));
        w = std::make_unique<Formexp>();
        QCOMPARE(rec->messages, QStringList{QStringLiteral("Die Datei cmmup.dlx ist keine gewöhnliche Datei.")});
    }

    void reportListsTwentyLinesAndCountsTheRest()
    {
        start(QByteArray("sensor:nr=9:x\n").repeated(60));
        QCOMPARE(rec->messages.size(), 1);
        const QStringList lines = rec->messages.front().split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines[20], QStringLiteral("Zeile 20: sensor:nr=9:x – \"sensor\": die Sensornummer 9 liegt nicht "
                                           "zwischen 0 und 6"));
        QCOMPARE(lines[21], QStringLiteral("… und 40 weitere Zeilen (kora --check-config zeigt alle)"));
    }

    // The real box for the start-up message, shown offscreen: it and its OK
    // button lie within the screen (also the small one of the
    // test_config_window_small_screen run).
    void reportBoxFitsTheScreen_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("60 bad lines") << QByteArray("sensor:nr=9:x\n").repeated(60);
        QTest::newRow("200 000 bad lines") << QByteArray("basic\n").repeated(200000);
        QTest::newRow("one long line") << "basic:u=" + QByteArray(4000, '7') + ":x\n";
        QTest::newRow("three lines") << QByteArray("sensor:nr=9:x\n").repeated(3);
    }
    void reportBoxFitsTheScreen()
    {
        QFETCH(QByteArray, file);
        start(file);
        QCOMPARE(rec->messages.size(), 1);
        const auto box = ui::makeMessageBox(w.get(), rec->messages.front());
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QRect area = box->screen()->availableGeometry();
        QVERIFY2(area.contains(box->frameGeometry()),
                 qPrintable(QStringLiteral("box %1x%2 at %3,%4 on %5x%6")
                                .arg(box->frameGeometry().width())
                                .arg(box->frameGeometry().height())
                                .arg(box->frameGeometry().x())
                                .arg(box->frameGeometry().y())
                                .arg(area.width())
                                .arg(area.height())));
        QAbstractButton* ok = nullptr;
        for (auto* b : box->findChildren<QAbstractButton*>())
            if (b->text().remove(QLatin1Char('&')) == QStringLiteral("OK"))
                ok = b;
        QVERIFY(ok && ok->isVisible());
        QVERIFY(area.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
    }

    void teacherExamplesStartWithoutMessage_data()
    {
        QTest::addColumn<QString>("name");
        const QDir examples(QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../docs/examples")));
        const auto files = examples.entryInfoList({QStringLiteral("*.dlx")}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 4);
        for (const auto& f : files)
            QTest::newRow(qPrintable(f.fileName())) << f.absoluteFilePath();
    }
    void teacherExamplesStartWithoutMessage()
    {
        QFETCH(QString, name);
        QFile f(name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        // Each draw is checked anew, so start every example a few times.
        for (int i = 0; i < 5; ++i) {
            start(f.readAll());
            f.seek(0);
            QVERIFY2(rec->messages.isEmpty(), qPrintable(rec->messages.join(QLatin1Char('\n'))));
            w.reset();
        }
    }
};

QTEST_MAIN(TestConfigWindow)
#include "test_config_window.moc"
