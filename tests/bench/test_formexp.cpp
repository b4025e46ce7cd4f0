// The experiment window driven as a student drives it: real widgets,
// offscreen, German number settings, message boxes recorded.

#include "bench/formexp.h"
#include "recorder.h"
#include "ui/controls.h"

#include <QAbstractSlider>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

using bench::Formexp;

class TestFormexp : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Recorder> rec;
    std::unique_ptr<Formexp> w;

    template <class T> T* find(const char* name) const
    {
        auto* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    QString caption(const char* name) const { return find<QWidget>(name)->property("text").toString(); }
    QAbstractSlider* updown(const char* name) const { return find<QAbstractSlider>(name); }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            w->Timer1_Timer();
    }
    void startBench()
    {
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        QVERIFY(find<QWidget>("Picture1")->isHidden());
    }

private slots:
    void initTestCase() { testsupport::useGermanNumbers(); }
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
