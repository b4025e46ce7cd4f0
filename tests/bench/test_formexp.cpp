// The experiment window driven as a student drives it: real widgets,
// offscreen, German number settings, message boxes recorded.

#include "bench/formexp.h"
#include "recorder.h"
#include "ui/controls.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <bit>
#include <cmath>
#include <memory>

using bench::Formexp;

class TestFormexp : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Recorder> rec;
    std::unique_ptr<Formexp> w;

    template <class T> T* find(const char* name) const { return testsupport::control<T>(w.get(), name); }
    QString caption(const char* name) const { return find<QWidget>(name)->property("text").toString(); }
    QAbstractSlider* updown(const char* name) const { return find<QAbstractSlider>(name); }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            w->Timer1_Timer();
    }
    // The page goes with a click; the bench takes clicks again once the
    // double-click interval is over, which a test that clicks on waits for.
    void startBench(bool clicksFollow = false)
    {
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        QVERIFY(find<QWidget>("Picture1")->isHidden());
        if (clicksFollow)
            QTest::qWait(QApplication::doubleClickInterval() + 10);
    }
    QColor senstempColour() const { return find<QWidget>("Labelsenstemp")->palette().color(QPalette::WindowText); }

private slots:
    void initTestCase()
    {
        testsupport::useGermanNumbers();
        // A short interval keeps the waits after the start click short.
        QApplication::setDoubleClickInterval(100);
    }
    void init()
    {
        rec = std::make_unique<testsupport::Recorder>();
        w = std::make_unique<Formexp>();
        w->findChild<QTimer*>("Timer1")->stop(); // ticks are driven by hand
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup()
    {
        w.reset();
        rec.reset();
    }

    void firstReadingIsTheNtcAtZeroDegrees()
    {
        QCOMPARE(caption("Labelanz"), QStringLiteral("07,63 V"));
        QCOMPARE(caption("LabelV"), QStringLiteral("10"));
        QCOMPARE(caption("LabelT"), QStringLiteral("20"));
        QCOMPARE(caption("LabelR"), QStringLiteral("10 kOhm"));
        QCOMPARE(caption("Labelsenstemp"), QStringLiteral("20 °C"));
        QCOMPARE(w->windowTitle(), QStringLiteral("KORA - Temperatursensoren als Zweipol"));
        QCOMPARE(w->property("pfad").toString(), QDir::currentPath());
        QVERIFY(rec->messages.isEmpty());
        QCOMPARE(w->state().alpha[0], -5000.0 / (293.0 * 293.0));
        // A/R0 at the start R0 is bit for bit the A/100 and A/1000 of old.
        QCOMPARE(std::bit_cast<quint64>(w->state().alpha[2]), std::bit_cast<quint64>(0.38505 / 100));
        QCOMPARE(std::bit_cast<quint64>(w->state().alpha[3]), std::bit_cast<quint64>(3.8505 / 1000));
    }

    // "<<Start durch Doppelklick>>" lies over "Auswertung": the second click
    // of the double click it asks for must not open the evaluation.
    void doubleClickOnTheStartLineLeavesTheEvaluationClosed()
    {
        auto* page = find<QWidget>("Picture1");
        auto* button = find<QPushButton>("Command1");
        const QPoint at = button->geometry().center();
        QCOMPARE(w->childAt(at), page);
        QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, at);
        QVERIFY(page->isHidden());
        QCOMPARE(w->childAt(at), button);
        QVERIFY(button->isEnabled());
        QVERIFY(!w->evaluationWindow());
        QVERIFY(w->isEnabled());
        // After the interval a click on the button works.
        QTest::qWait(QApplication::doubleClickInterval() + 10);
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at);
        QVERIFY(w->evaluationWindow());
        w->evaluationWindow()->close();
    }

    // At start the keyboard is on the task page: Tab reaches nothing it
    // covers, arrow keys change nothing, Space or Enter removes it.
    void keyboardStartsOnTheTaskPage_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void keyboardStartsOnTheTaskPage()
    {
        QFETCH(int, key);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto* page = find<QWidget>("Picture1");
        QCOMPARE(QApplication::focusWidget(), page);
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), page);
        }
        for (Qt::Key arrow : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_End})
            QTest::keyClick(QApplication::focusWidget(), arrow);
        QCOMPARE(caption("LabelV"), QStringLiteral("10"));
        QCOMPARE(caption("LabelT"), QStringLiteral("20"));
        QCOMPARE(caption("LabelR"), QStringLiteral("10 kOhm"));
        QCOMPARE(updown("UpDownVoltmeter")->value(), 1);
        QVERIFY(find<QRadioButton>("Option1_0")->isChecked());
        QTest::keyClick(page, Qt::Key(key));
        QVERIFY(page->isHidden());
        QVERIFY(find<QWidget>("Frame1")->isHidden());
        // The bench's controls now take the keyboard, from the source on.
        QCOMPARE(QApplication::focusWidget(), find<QWidget>("UpDownV"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(caption("LabelV"), QStringLiteral("11 V"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != page);
    }

    // Tab follows the circuit, from the source to "Auswertung"; locked and
    // hidden controls are left out. The sensor choice is one stop, at the
    // selected sensor; the arrows move within it.
    void tabFollowsTheCircuit_data()
    {
        QTest::addColumn<bool>("afterEvaluation");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("first run") << false
                                   << QStringList{"UpDownV",         "UpDownR",  "UpDownT",  "Labelsenstemp",
                                                  "UpDownVoltmeter", "Labelanz", "Option1_0", "Command1"};
        QTest::newRow("after the evaluation")
            << true
            << QStringList{"UpDownV",         "UpDownR",  "Picture2",  "UpDownT",      "Labelsenstemp",
                           "UpDownVoltmeter", "Labelanz", "Option1_0", "ToggleButton1"};
    }
    void tabFollowsTheCircuit()
    {
        QFETCH(bool, afterEvaluation);
        QFETCH(QStringList, order);
        // The journal's buttons, where the bench has them, come last.
        for (const char* journal : {"Commandmessen", "Commandprotokoll"})
            if (w->findChild<QWidget*>(QString::fromLatin1(journal)))
                order << QString::fromLatin1(journal);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(find<QWidget>("Picture1"), Qt::Key_Space);
        if (afterEvaluation) {
            find<QPushButton>("Command1")->click();
            w->evaluationWindow()->close();
            QTRY_VERIFY(!w->evaluationWindow());
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            find<QWidget>("UpDownV")->setFocus();
        }
        QStringList visited;
        for (qsizetype i = 0; i <= order.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order + QStringList{order.first()});
    }

    // Enter presses the focused button as Space does.
    void enterOnAuswertungOpensTheEvaluation_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterOnAuswertungOpensTheEvaluation()
    {
        QFETCH(int, key);
        startBench();
        auto* button = find<QPushButton>("Command1");
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
        QVERIFY(w->evaluationWindow());
        QVERIFY(!button->isEnabled());
        w->evaluationWindow()->close();
    }

    // The evaluation opens centred over the bench, inside the screen.
    void evaluationOpensCentredOverTheBench()
    {
        startBench();
        const QRect screen = w->screen()->availableGeometry();
        // Room on every side for the larger evaluation window.
        w->move(screen.center() - w->rect().center());
        find<QPushButton>("Command1")->click();
        auto* eval = w->evaluationWindow();
        QVERIFY(QTest::qWaitForWindowExposed(eval));
        const QPoint offset = eval->geometry().center() - w->geometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
        QVERIFY(screen.contains(eval->geometry()));
        eval->close();
    }

    void taskPageCoversTheBenchUntilClicked()
    {
        auto* page = find<QWidget>("Picture1");
        QCOMPARE(page->pos(), QPoint(1, 1)); // moved to 15, 10 twips at start-up
        QVERIFY(!find<QWidget>("Frame1")->isHidden());
        // A click on a bench control lands on the page instead.
        QCOMPARE(w->childAt(find<QWidget>("UpDownR")->geometry().center()), page);
        startBench();
        QVERIFY(find<QWidget>("Frame1")->isHidden());
    }

    void voltmeterRanges_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::newRow("200 V") << 0 << "007,6 V";
        QTest::newRow("20 V") << 1 << "07,63 V";
        QTest::newRow("2 V") << 2 << "---------";
        QTest::newRow("200 mV") << 3 << "---------";
    }
    void voltmeterRanges()
    {
        QFETCH(int, position);
        QFETCH(QString, shown);
        startBench();
        updown("UpDownVoltmeter")->setValue(position);
        QCOMPARE(caption("Labelanz"), shown);
    }

    void firstTicksWarmTheSensor()
    {
        const QStringList expected = {"0,0 °C", "4,0 °C", "7,2 °C", "9,8 °C"};
        for (const QString& e : expected) {
            tick();
            QCOMPARE(caption("Labelsenstemp"), e);
        }
    }

    void resistorStepsUpAndDown_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("up") << int(Qt::Key_Up)
                            << QStringList{"15 kOhm", "22 kOhm", "33 kOhm", "47 kOhm", "100 kOhm"};
        QTest::newRow("down") << int(Qt::Key_Down)
                              << QStringList{"4,7 kOhm", "3,3 kOhm", "2,2 kOhm", "1,5 kOhm", "1 kOhm", "470 Ohm"};
    }
    void resistorStepsUpAndDown()
    {
        QFETCH(int, key);
        QFETCH(QStringList, captions);
        startBench();
        auto* r = updown("UpDownR");
        for (const QString& c : captions) {
            QTest::keyClick(r, Qt::Key(key));
            QCOMPARE(caption("LabelR"), c);
        }
        QCOMPARE(w->state().rvor, key == Qt::Key_Up ? 100000.0 : 470.0);
    }

    void resistorEnds()
    {
        auto* r = updown("UpDownR");
        r->setValue(20);
        QCOMPARE(caption("LabelR"), QStringLiteral("100 Ohm"));
        r->setValue(70);
        QCOMPARE(caption("LabelR"), QStringLiteral("10 MOhm"));
        r->setValue(60);
        QCOMPARE(caption("LabelR"), QStringLiteral("1 MOhm"));
        r->setValue(90); // beyond the design range: clamped by the control
        QCOMPARE(r->value(), 70);
    }

    // Every position the control can reach, with its caption and resistance.
    void resistorStepsTable_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("ohm");
        struct Row {
            int position;
            const char* shown;
            double ohm;
        };
        const Row rows[] = {
            {20, "100 Ohm", 100},        {22, "150 Ohm", 150},        {24, "220 Ohm", 220},
            {26, "330 Ohm", 330},        {28, "470 Ohm", 470},        {30, "1 kOhm", 1000},
            {32, "1,5 kOhm", 1500},      {34, "2,2 kOhm", 2200},      {36, "3,3 kOhm", 3300},
            {38, "4,7 kOhm", 4700},      {40, "10 kOhm", 10000},      {42, "15 kOhm", 15000},
            {44, "22 kOhm", 22000},      {46, "33 kOhm", 33000},      {48, "47 kOhm", 47000},
            {50, "100 kOhm", 100000},    {52, "150 kOhm", 150000},    {54, "220 kOhm", 220000},
            {56, "330 kOhm", 330000},    {58, "470 kOhm", 470000},    {60, "1 MOhm", 1000000},
            {62, "1,5 MOhm", 1500000},   {64, "2,2 MOhm", 2200000},   {66, "3,3 MOhm", 3300000},
            {68, "4,7 MOhm", 4700000},   {70, "10 MOhm", 10000000},
        };
        for (const Row& r : rows)
            QTest::addRow("%d", r.position) << r.position << QString::fromUtf8(r.shown) << r.ohm;
    }
    void resistorStepsTable()
    {
        QFETCH(int, position);
        QFETCH(QString, shown);
        QFETCH(double, ohm);
        startBench();
        auto* r = updown("UpDownR");
        r->setValue(position == 20 ? 70 : 20); // from the other end, so the value changes
        r->setValue(position);
        QCOMPARE(caption("LabelR"), shown);
        QCOMPARE(w->state().rvor, ohm);
    }

    // The source voltage is read back from the caption as a whole number,
    // halves to the even neighbour; only a point is a decimal separator.
    void voltageCaptionReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("uquelle");
        QTest::newRow("design caption") << "10 V" << 10;
        QTest::newRow("2.5 goes down to 2") << "2.5 V" << 2;
        QTest::newRow("3.5 goes up to 4") << "3.5 V" << 4;
        QTest::newRow("2.51 goes up") << "2.51 V" << 3;
        QTest::newRow("comma ends the number") << "7,6 V" << 7;
        QTest::newRow("exponent") << "1.2E1 V" << 12;
        QTest::newRow("blanks before") << "  24 V" << 24;
        QTest::newRow("no number") << "V" << 0;
    }
    void voltageCaptionReadsBack()
    {
        QFETCH(QString, text);
        QFETCH(int, uquelle);
        find<ui::Label>("LabelV")->setText(text);
        QCOMPARE(int(w->state().uquelle), uquelle);
    }

    // Raising the thermostat at steady state: the tick after the change still
    // shows the old temperature and computes 8 K, then the sensor follows.
    void setPointRaisedAtSteadyState()
    {
        startBench();
        w->state().tsensor = 20;
        auto* t = updown("UpDownT");
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(t, Qt::Key_Up);
        QCOMPARE(caption("LabelT"), QStringLiteral("60°C"));
        QCOMPARE(w->state().tsoll, 60.0);
        const QStringList shown = {"20,0 °C", "28,0 °C", "34,4 °C", "39,5 °C"};
        const double steps[] = {8, 6.4, 5.12, 4.096};
        for (int i = 0; i < shown.size(); ++i) {
            tick();
            QCOMPARE(caption("Labelsenstemp"), shown[i]);
            QVERIFY(std::fabs(w->thermostat().tschritt - steps[i]) < 1e-9);
        }
    }

    void destructionIsStrictlyAbove150_data()
    {
        QTest::addColumn<double>("tsensor");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("150.0 passes") << 150.0 << "150,0 °C" << false;
        QTest::newRow("150.05 is destroyed") << 150.05 << "150,1 °C" << true;
    }
    void destructionIsStrictlyAbove150()
    {
        QFETCH(double, tsensor);
        QFETCH(QString, shown);
        QFETCH(bool, destroyed);
        startBench();
        w->state().tsensor = tsensor;
        tick();
        QCOMPARE(caption("Labelsenstemp"), shown);
        QCOMPARE(w->destroyed(), destroyed);
        QCOMPARE(rec->alerts, destroyed ? 1 : 0);
        QCOMPARE(rec->messages.size(), destroyed ? 1 : 0);
        QCOMPARE(w->isVisible(), !destroyed);
    }

    // Above 135 °C the sensor temperature warns in red, and stops at or below.
    void sensorTemperatureTurnsRedAbove135_data()
    {
        QTest::addColumn<double>("tsensor");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("red");
        QTest::newRow("20") << 20.0 << "20,0 °C" << false;
        QTest::newRow("135.0") << 135.0 << "135,0 °C" << false;
        QTest::newRow("135.2") << 135.2 << "135,2 °C" << true;
        QTest::newRow("149.9") << 149.9 << "149,9 °C" << true;
    }
    void sensorTemperatureTurnsRedAbove135()
    {
        QFETCH(double, tsensor);
        QFETCH(QString, shown);
        QFETCH(bool, red);
        startBench();
        const QColor normal = senstempColour();
        QVERIFY(normal != ui::paletteColor(12));
        w->state().tsensor = tsensor;
        tick();
        QCOMPARE(caption("Labelsenstemp"), shown);
        QCOMPARE(senstempColour(), red ? ui::paletteColor(12) : normal);
        // The red is on screen: the caption's pixels include it or not.
        const QImage img = find<QWidget>("Labelsenstemp")->grab().toImage();
        bool redPixel = false;
        for (int y = 0; y < img.height() && !redPixel; ++y)
            for (int x = 0; x < img.width() && !redPixel; ++x)
                redPixel = img.pixelColor(x, y) == ui::paletteColor(12);
        QCOMPARE(redPixel, red);
        // Cooling towards the set point brings the normal colour back.
        tick(3);
        QVERIFY(w->state().tsensor <= 135);
        QCOMPARE(senstempColour(), normal);
    }

    void upDownsWriteTheirLabels()
    {
        startBench();
        updown("UpDownT")->setValue(25);
        QCOMPARE(caption("LabelT"), QStringLiteral("25°C"));
        QCOMPARE(w->state().tsoll, 25.0);
        updown("UpDownV")->setValue(0);
        QCOMPARE(caption("LabelV"), QStringLiteral("0 V"));
        QCOMPARE(w->state().uquelle, std::int16_t(0));
        QCOMPARE(caption("Labelanz"), QStringLiteral("00,00 V"));
        // A caption with a decimal comma reads only up to the comma.
        find<ui::Label>("LabelT")->setText(QStringLiteral("22,5"));
        QCOMPARE(w->state().tsoll, 22.0);
    }

    void sensorChoiceRecomputesAtOnce()
    {
        startBench(true);
        QTest::mouseClick(find<QRadioButton>("Option1_2"), Qt::LeftButton);
        QCOMPARE(w->state().sensortyp, std::uint8_t(2));
        // Pt 100 at 0 °C: 10 V * 100 / 10100
        QCOMPARE(caption("Labelanz"), QStringLiteral("00,10 V"));
        QTest::mouseClick(find<QRadioButton>("Option1_6"), Qt::LeftButton);
        QCOMPARE(caption("Labelanz"), QStringLiteral("00,00 V"));
    }

    // The tooltip the mouse finds: the range a position selects, and when
    // the locked bypass opens.
    void tooltipsTellWhatAControlDoes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("range"); // the range control's position; -1: left as it is
        QTest::addColumn<bool>("afterEvaluation");
        QTest::addColumn<QString>("tip");
        QTest::newRow("range at start") << "UpDownVoltmeter" << -1 << false << "Messbereich: 20 V";
        QTest::newRow("range 200 V") << "UpDownVoltmeter" << 0 << false << "Messbereich: 200 V";
        QTest::newRow("range 2 V") << "UpDownVoltmeter" << 2 << false << "Messbereich: 2 V";
        QTest::newRow("range 200 mV") << "UpDownVoltmeter" << 3 << false << "Messbereich: 200 mV";
        QTest::newRow("locked bypass") << "Picture2" << -1 << false
                                       << "Vorwiderstand überbrücken (möglich nach der Auswertung)";
        QTest::newRow("bypass after the evaluation") << "Picture2" << -1 << true << "Vorwiderstand überbrücken";
    }
    void tooltipsTellWhatAControlDoes()
    {
        QFETCH(QString, control);
        QFETCH(int, range);
        QFETCH(bool, afterEvaluation);
        startBench(true);
        if (afterEvaluation) {
            QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
            w->evaluationWindow()->close();
            QTRY_VERIFY(w->isEnabled());
        }
        auto* meterRange = updown("UpDownVoltmeter");
        meterRange->setFocus();
        for (int i = 0; range >= 0 && meterRange->value() != range && i < 4; ++i)
            QTest::keyClick(meterRange, meterRange->value() < range ? Qt::Key_Right : Qt::Key_Left);
        QWidget* c = find<QWidget>(qPrintable(control));
        QToolTip::hideText();
        QHelpEvent hover(QEvent::ToolTip, c->rect().center(), c->mapToGlobal(c->rect().center()));
        QApplication::sendEvent(c, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        QTEST(QToolTip::text(), "tip");
        QToolTip::hideText();
    }

    void bypassIsLockedUntilTheEvaluationHasBeenClosed()
    {
        startBench(true);
        auto* sw = find<QWidget>("Picture2");
        QVERIFY(!sw->isEnabled());
        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(!w->state().rvor_kurz);
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(!w->isEnabled());
        QVERIFY(!find<QPushButton>("Command1")->isEnabled());
        auto* eval = w->evaluationWindow();
        QVERIFY(eval);
        QCOMPARE(eval->windowTitle(), QStringLiteral("KORA - Temperatursensoren als Zweipol - Auswertung"));
        eval->close();
        QTRY_VERIFY(w->evaluationWindow() == nullptr);
        QVERIFY(w->isEnabled());
        QVERIFY(sw->isEnabled());
        QVERIFY(!find<QWidget>("ToggleButton1")->isHidden());
        QVERIFY(!find<QPushButton>("Command1")->isEnabled());

        // Closed bypass with the NTC at 10 kOhm, and open again.
        auto* lever = find<ui::LineShape>("Line1");
        QCOMPARE(lever->x2(), 45);
        QTest::mouseClick(sw, Qt::LeftButton);
        QCOMPARE(w->state().rvor, 0.01);
        QVERIFY(!updown("UpDownR")->isEnabled());
        QCOMPARE(lever->x2(), 180);
        QTest::mouseClick(sw, Qt::LeftButton);
        QCOMPARE(w->state().rvor, 10000.0);
        QVERIFY(updown("UpDownR")->isEnabled());
        QCOMPARE(lever->x2(), 45);

        // The diode and the thermocouple refuse it.
        for (const char* option : {"Option1_4", "Option1_6"}) {
            QTest::mouseClick(find<QRadioButton>(option), Qt::LeftButton);
            rec->messages.clear();
            QTest::mouseClick(sw, Qt::LeftButton);
            QCOMPARE(rec->messages, QStringList{"Sie versuchen, den Sensor zu zerstören!"});
            QVERIFY(!w->state().rvor_kurz);
            QCOMPARE(lever->x2(), 45);
        }

        // Closed with the NTC, it opens again with either of them selected.
        for (const char* option : {"Option1_4", "Option1_6"}) {
            QTest::mouseClick(find<QRadioButton>("Option1_0"), Qt::LeftButton);
            QTest::mouseClick(sw, Qt::LeftButton);
            QVERIFY(w->state().rvor_kurz);
            QTest::mouseClick(find<QRadioButton>(option), Qt::LeftButton);
            rec->messages.clear();
            QTest::mouseClick(sw, Qt::LeftButton);
            QVERIFY(rec->messages.isEmpty());
            QVERIFY(!w->state().rvor_kurz);
            QCOMPARE(lever->x2(), 45);
            QCOMPARE(w->state().rvor, 10000.0);
            QVERIFY(updown("UpDownR")->isEnabled());
        }
    }

    void benchCannotBeClosedDuringTheEvaluation()
    {
        startBench(true);
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        w->close();
        QVERIFY(w->isVisible());
        w->evaluationWindow()->close();
    }

    void togglingTwiceRestoresCaptionAndFactor()
    {
        auto* toggle = find<QPushButton>("ToggleButton1");
        QVERIFY(toggle->isHidden());
        toggle->show();
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QStringLiteral("Eigenerwärmung eingeschaltet"));
        QCOMPARE(w->state().eigenerwarmung, std::uint8_t(1));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QStringLiteral("Eigenerwärmung ausgeschaltet"));
        QCOMPARE(w->state().eigenerwarmung, std::uint8_t(0));
    }

    void bridgedPt100At24VoltsIsDestroyedOnce()
    {
        startBench(true);
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        w->evaluationWindow()->close();
        QTRY_VERIFY(w->evaluationWindow() == nullptr);
        QTest::mouseClick(find<QRadioButton>("Option1_2"), Qt::LeftButton);
        updown("UpDownV")->setValue(24);
        w->state().tsensor = 20;
        QTest::mouseClick(find<QPushButton>("ToggleButton1"), Qt::LeftButton);
        QTest::mouseClick(find<QWidget>("Picture2"), Qt::LeftButton);
        rec->messages.clear();
        // About 4.9 W in the sensor: the first step is about 49 K.
        tick();
        QVERIFY2(w->thermostat().tschritt > 48 && w->thermostat().tschritt < 50,
                 qPrintable(QString::number(w->thermostat().tschritt)));
        int ticks = 1;
        while (!w->destroyed() && ticks < 50) {
            tick();
            ++ticks;
        }
        QVERIFY(w->destroyed());
        QVERIFY2(ticks <= 10, qPrintable(QString::number(ticks)));
        tick(5);
        QCOMPARE(rec->messages, QStringList{"Sie haben den Sensor und damit das Experiment \r"
                                            "durch thermische Überlastung zerstört!!"});
        QCOMPARE(rec->alerts, 1);
        QVERIFY(!w->isVisible());
    }

    void runawayCharacteristicIsADestructionNotANumber()
    {
        QTest::mouseClick(find<QRadioButton>("Option1_1"), Qt::LeftButton); // the PTC
        const QString before = caption("Labelanz");
        w->state().tsensor = 20000;
        tick();
        QVERIFY(w->destroyed());
        QCOMPARE(caption("Labelanz"), before);
        QCOMPARE(rec->messages.size(), 1);
    }

    void destructionDuringTheEvaluationEndsWithIt()
    {
        startBench(true);
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        QPointer<QWidget> eval = w->evaluationWindow();
        w->state().tsensor = 151;
        tick();
        QVERIFY(w->destroyed());
        QVERIFY(eval && eval->isVisible());
        eval->close();
        QTRY_VERIFY(eval.isNull());
        QVERIFY(!w->isVisible()); // not shown again
    }

    void soakEveryDisplayStaysFinite()
    {
        startBench(true);
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        w->evaluationWindow()->close();
        QTRY_VERIFY(w->evaluationWindow() == nullptr);
        auto* toggle = find<QPushButton>("ToggleButton1");
        for (int i = 0; i < 300 && !w->destroyed(); ++i) {
            if (i % 40 == 0)
                QTest::mouseClick(find<QRadioButton>(qPrintable(QString("Option1_%1").arg((i / 40) % 7))),
                                  Qt::LeftButton);
            if (i % 25 == 0)
                QTest::mouseClick(toggle, Qt::LeftButton);
            updown("UpDownV")->setValue((i * 7) % 25);
            updown("UpDownR")->setValue(20 + 2 * ((i * 3) % 26));
            tick();
            QVERIFY(std::isfinite(w->state().tsensor));
            for (const char* label : {"Labelanz", "Labelsenstemp", "LabelR", "LabelV", "LabelT"}) {
                const QString t = caption(label).toLower();
                QVERIFY2(!t.contains("nan") && !t.contains("inf"), qPrintable(t));
            }
        }
    }

    void realTimerTicksFiveTimesASecond()
    {
        auto* timer = w->findChild<QTimer*>("Timer1");
        QCOMPARE(timer->interval(), 200);
        timer->start();
        QTRY_COMPARE_WITH_TIMEOUT(caption("Labelsenstemp"), QStringLiteral("9,8 °C"), 3000);
    }
};

QTEST_MAIN(TestFormexp)
#include "test_formexp.moc"
