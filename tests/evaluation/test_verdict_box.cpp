// The boxes read while the plot is in sight open beside it, never over the
// curves, and inside the screen: run on a 1280 x 1024 screen at 100 % and
// at 200 % display scaling (see CMakeLists.txt).

#include "evaluation/formantwort.h"
#include "recorder.h"
#include "sensors.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <memory>

class TestVerdictBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useGermanNumbers(); }

    void opensBesideThePlot_data()
    {
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QString>("equation");
        QTest::newRow("verdict, top left") << false << QString::fromLatin1(testsupport::exactEquation[0]);
        QTest::newRow("verdict, centred") << true << QString::fromLatin1(testsupport::exactEquation[0]);
        // The longest verdict: five lines, the °C hint the widest.
        QTest::newRow("verdict with hint, centred") << true << "0.000357*EXP(5000/(T+273))";
        QTest::newRow("failure, top left") << false << "1/(T-313)";
        QTest::newRow("failure, centred") << true << "1/(T-313)";
    }
    void opensBesideThePlot()
    {
        QFETCH(bool, centred);
        QFETCH(QString, equation);
        testsupport::Recorder rec;
        rec.showBoxes = true;
        model::ExperimentState state = testsupport::startState(0);
        evaluation::Formantwort w(state);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QPoint at = screen.topLeft();
        if (centred)
            at = screen.center() - QPoint(w.width() / 2, w.height() / 2);
        w.move(at.x() < screen.left() ? screen.left() : at.x(),
               at.y() < screen.top() ? screen.top() : at.y());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = testsupport::control<QListWidget>(&w, "Listsensoren");
        list->setCurrentRow(0);
        testsupport::control<QPushButton>(&w, "Command1")->click();
        auto* box = testsupport::control<QWidget>(&w, "Textformel");
        QTest::keyClicks(box, equation);
        QTest::keyClick(box, Qt::Key_Return);

        QCOMPARE(rec.boxFrames.size(), 1);
        auto* plot = testsupport::control<QWidget>(&w, "Picture1");
        const QRect curves(plot->mapToGlobal(QPoint(0, 0)), plot->size());
        QCOMPARE(rec.keptClear.value(0), curves);
        const QRect frame = rec.boxFrames.value(0);
        const QString where = QStringLiteral("box %1,%2 %3x%4, plot %5,%6 %7x%8, screen %9x%10")
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(curves.x())
                                  .arg(curves.y())
                                  .arg(curves.width())
                                  .arg(curves.height())
                                  .arg(screen.width())
                                  .arg(screen.height());
        QVERIFY2(!frame.intersects(curves), qPrintable(where));
        QVERIFY2(screen.contains(frame), qPrintable(where));
    }
};

QTEST_MAIN(TestVerdictBox)
#include "test_verdict_box.moc"
