// The experiment window started in a folder holding a cmmup.dlx: what the
// student sees afterwards, and the one message the teacher gets.

#include "bench/formexp.h"
#include "recorder.h"
#include "ui/controls.h"
#include "ui/messagebox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
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

    // The texts of the true characteristics and alpha are built after the
    // file is read, from the parameters it set.
    void configuredParametersReachTheTextsAndAlpha()
    {
        start("typ0:a=0.0004:b=4000:ntc:0.05\nbasic:u=10:x:t=30\ntyp2:r=110:a=0.5:pt:0.01\n"
              "typ3:r=900:a=4:pt:0.01\ntyp5:i=250:k=2:i:0.01\ntyp6:k=6e-05:th:0.03\ntyp1:a=2e-7:b=0.06:p:0.05\n");
        QVERIFY(rec->messages.isEmpty());
        const auto& s = w->state();
        const char* texts[] = {"R/Ohm = 0,0004*exp(4000/T)   T in K",
                               "R/Ohm = 2E-07*exp(0,06*T)   T in K",
                               "R/Ohm = 110*(1 + 0,00454545454545455*(T-273))   T in K",
                               "R/Ohm = 900*(1 + 0,00444444444444444*(T-273))   T in K",
                               "Ud/mV = 497,6 - 2,693 * (T/K - 293)",
                               "I/µA = 2*(T/K-273) + 250",
                               "U/mV = 0,06*(T/K-273)"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(QString::fromStdString(s.formeltext[i]), QString::fromUtf8(texts[i]));
        QCOMPARE(s.teta, 30.0);
        QVERIFY(s.alpha[0] == -4000.0 / (303.0 * 303.0));
        QVERIFY(s.alpha[1] == 0.06);
        QVERIFY(s.alpha[2] == 0.5 / 110);
        QVERIFY(s.alpha[3] == 4.0 / 900);
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

    // The right formula and alpha that the student reads in the evaluation
    // and on the report follow the configured parameters; with start values
    // every text stays as it always was.
    void evaluationFollowsTheConfiguredSensor_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("equation"); // the student's, on the true curve
        QTest::addColumn<QString>("formeltext");
        QTest::addColumn<QString>("alphaTyped"); // empty: not asked for alpha
        QTest::addColumn<QString>("alphaVerdict");
        QTest::addColumn<QString>("alphaPrinted");
        const QString verdict = QStringLiteral("Richtig ist: alpha = %1\rDie Abweichung Ihres Faktors beträgt %2 %\r"
                                               "Sie erhalten dafür %3 Punkte und haben insgesamt %4 Punkte");
        // A platinum sensor's verdict names its other right value, at 0 °C or at teta.
        const auto pt = [&verdict](const QString& other) {
            return QString(verdict).replace(QStringLiteral("%1\r"), QStringLiteral("%1\r") + other + QLatin1Char('\r'));
        };
        const QString at20 = QStringLiteral("Bei 20 °C: alpha = 0,0037");
        QTest::newRow("start values, Pt 100")
            << QByteArray("sensor:nr=2:x\n") << 2 << "100+0.38505*(T-273)"
            << "R/Ohm = 100*(1 + 0,0038505*(T-273))   T in K" << "0.00385"
            << pt(QStringLiteral("Bei 20 °C: alpha = 0,00358")).arg("0,00385", "0", "2", "10")
            << "alpha = 0,0038505";
        QTest::newRow("start values, current sensor")
            << QByteArray("sensor:nr=5:x\n") << 5 << "T" << QStringLiteral("I/µA = 1*T/K") << "" << "" << "";
        QTest::newRow("NTC")
            << QByteArray("sensor:nr=0:x\ntyp0:a=0.0004:b=4000:ntc:0.05\n") << 0 << "0.0004*EXP(4000/T)"
            << "R/Ohm = 0,0004*exp(4000/T)   T in K" << "-0.0466" << verdict.arg("-0,0466", "0", "2", "10")
            << "alpha = -0,0465934373143543";
        QTest::newRow("Pt 100, R0 200, right alpha")
            << QByteArray("sensor:nr=2:x\ntyp2:r0=200:a=0.8:pt-x:0.01\n") << 2 << "200+0.8*(T-273)"
            << "R/Ohm = 200*(1 + 0,004*(T-273))   T in K" << "0.004" << pt(at20).arg("0,004", "0", "2", "10")
            << "alpha = 0,004";
        QTest::newRow("Pt 100, R0 200, A/100 is wrong")
            << QByteArray("sensor:nr=2:x\ntyp2:r0=200:a=0.8:pt-x:0.01\n") << 2 << "200+0.8*(T-273)"
            << "R/Ohm = 200*(1 + 0,004*(T-273))   T in K" << "0.008" << pt(at20).arg("0,004", "100", "0", "8")
            << "alpha = 0,004";
        QTest::newRow("Pt 1000, R0 500, right alpha")
            << QByteArray("sensor:nr=3:x\ntyp3:r0=500:a=2:pt-y:0.01\n") << 3 << "500+2*(T-273)"
            << "R/Ohm = 500*(1 + 0,004*(T-273))   T in K" << "4E-3" << pt(at20).arg("0,004", "0", "2", "10")
            << "alpha = 0,004";
        QTest::newRow("Pt 1000, R0 500, A/1000 is wrong")
            << QByteArray("sensor:nr=3:x\ntyp3:r0=500:a=2:pt-y:0.01\n") << 3 << "500+2*(T-273)"
            << "R/Ohm = 500*(1 + 0,004*(T-273))   T in K" << "0.002"
            // Nearer to the value at 20 °C, 2 / 540: scored and printed against it.
            << pt(QStringLiteral("Bei 0 °C: alpha = 0,004")).arg("0,0037", "46", "0", "8")
            << "alpha = 0,0037037037037037";
        QTest::newRow("current sensor, i0 = 273 k")
            << QByteArray("sensor:nr=5:x\ntyp5:i=546:k=2:i:0.01\n") << 5 << "2*T"
            << QStringLiteral("I/µA = 2*T/K") << "" << "" << "";
        QTest::newRow("current sensor, other i0")
            << QByteArray("sensor:nr=5:x\ntyp5:i=250:k=2:i:0.01\n") << 5 << "2*(T-273)+250"
            << QStringLiteral("I/µA = 2*(T/K-273) + 250") << "" << "" << "";
        QTest::newRow("current sensor, negative i0")
            << QByteArray("sensor:nr=5:x\ntyp5:i=-10:k=1.5:i:0.01\n") << 5 << "1.5*(T-273)-10"
            << QStringLiteral("I/µA = 1,5*(T/K-273) - 10") << "" << "" << "";
        QTest::newRow("thermocouple")
            << QByteArray("sensor:nr=6:x\ntyp6:k=4e-05:th:0.03\n") << 6 << "0.04*(T-273)"
            << "U/mV = 0,04*(T/K-273)" << "" << "" << "";
    }
    void evaluationFollowsTheConfiguredSensor()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, type);
        QFETCH(QString, equation);
        QFETCH(QString, formeltext);
        QFETCH(QString, alphaTyped);
        QFETCH(QString, alphaVerdict);
        QFETCH(QString, alphaPrinted);
        start(file);
        QVERIFY(rec->messages.isEmpty());
        QCOMPARE(int(w->state().sensortyp), type);
        w->show();
        find<QPushButton>("Command1")->click();
        QWidget* eval = w->evaluationWindow();
        QVERIFY(QTest::qWaitForWindowExposed(eval));
        auto* list = testsupport::control<QListWidget>(eval, "Listsensoren");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(type)).center());
        QTest::mouseClick(testsupport::control<QPushButton>(eval, "Command1"), Qt::LeftButton);
        auto* box = testsupport::control<ui::TextBox>(eval, "Textformel");
        QTest::keyClicks(box, equation);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(rec->messages.value(0),
                 QStringLiteral("Die richtige Formel lautet:\r") + formeltext +
                     QStringLiteral("\rDie Abweichung Ihrer Formel beträgt 0 %\r"
                                    "Sie erhalten dafür 6 Punkte und haben insgesamt 8 Punkte"));
        if (!alphaTyped.isEmpty()) {
            QTest::keyClicks(box, alphaTyped);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(rec->messages.value(1), alphaVerdict);
        }
        QTest::mouseClick(testsupport::control<QPushButton>(eval, "Commanddruck"), Qt::LeftButton);
        QCOMPARE(rec->pdfFiles.size(), 1);
        const QString page = testsupport::pdfText(rec->pdfFiles[0]);
        if (page.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        // The page spaces words by their places: compare words.
        QVERIFY2(page.contains(formeltext.simplified()), qPrintable(page));
        if (!alphaPrinted.isEmpty())
            QVERIFY2(page.contains(alphaPrinted + " "), qPrintable(page));
        QCOMPARE(page.contains(QStringLiteral("alpha = ")), !alphaPrinted.isEmpty());
        eval->disconnect();
        eval->close();
    }

    void latin1NameArrivesRight()
    {
        start("typ5:i=273:k=1:Stromf\xFChler:0.1\n");
        QCOMPARE(QString::fromStdString(w->state().sensorname[5]), QStringLiteral("Stromfühler"));
        QVERIFY(rec->messages.isEmpty());
    }

    // A name written like the program's own does not stand out in the type
    // list; it once arrived lowered, the one lower-case entry giving the
    // hidden sensor away.
    void configuredNameKeepsItsCaseInTheListAndOnTheReport()
    {
        start("sensor:nr=6:off\ntyp6:k=4e-05:Thermoelement Typ K:0.03\n");
        QVERIFY(rec->messages.isEmpty());
        w->show();
        find<QPushButton>("Command1")->click();
        QWidget* eval = w->evaluationWindow();
        QVERIFY(QTest::qWaitForWindowExposed(eval));
        auto* list = testsupport::control<QListWidget>(eval, "Listsensoren");
        QCOMPARE(list->item(6)->text(), QStringLiteral("Thermoelement Typ K"));
        QCOMPARE(list->item(0)->text(), QStringLiteral("NTC-Widerstand"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(6)).center());
        QTest::mouseClick(testsupport::control<QPushButton>(eval, "Command1"), Qt::LeftButton);
        auto* box = testsupport::control<ui::TextBox>(eval, "Textformel");
        QTest::keyClicks(box, QStringLiteral("0.04*(T-273)"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::mouseClick(testsupport::control<QPushButton>(eval, "Commanddruck"), Qt::LeftButton);
        QCOMPARE(rec->pdfFiles.size(), 1);
        const QString page = testsupport::pdfText(rec->pdfFiles[0]);
        if (page.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(page.simplified().contains(QStringLiteral("Temperaturkennlinie: Thermoelement Typ K")), qPrintable(page));
        eval->disconnect();
        eval->close();
    }

    // With a hidden choice the students see the start-up message too: it
    // names line numbers and short reasons, never a line's text or a value
    // (a bad typ5 line once told them which sensor was prepared).
    void hiddenChoiceReportShowsNoLineAndNoValue()
    {
        start("Prüfung Gruppe B\nsensor:nr=5:off\ntyp5:i0=rand(270,280):k=1:Stromfühler:0.01\nsensor:nr=7:off\n"
              "basic:u=12,5:x:t=30\n");
        QVERIFY(find<QFrame>("Framesensor")->isHidden());
        QCOMPARE(rec->messages.size(), 1);
        const auto box = ui::makeMessageBox(w.get(), rec->messages.front());
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QString shown;
        for (const auto* label : box->findChildren<QLabel*>())
            shown += label->text();
        QCOMPARE(shown, QStringLiteral("In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:\n"
                                       "Zeile 3: Zufallsform nicht möglich\n"
                                       "Zeile 4: Wert außerhalb des erlaubten Bereichs\n"
                                       "Zeile 5: Dezimalkomma statt Dezimalpunkt\n"
                                       "Die Sensorauswahl ist verborgen, daher nennt diese Meldung weder Zeilen noch "
                                       "Werte. Einzelheiten zeigt kora --check-config."));
        QCOMPARE(int(w->state().sensortyp), 5);
        QCOMPARE(w->state().uquelle, 10); // 12,5 is not taken for 12
        QCOMPARE(w->state().tsoll, 30.0);
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
