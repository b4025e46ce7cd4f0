#pragma once
// A student's steps through the real windows, shared by the widget tests
// and the student program that other tests start.

#include "bench/formexp.h"
#include "recorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace studentrun {

// Types into the sign-in dialog once it is up, then presses a button.
inline void answerSignIn(const QString& name, const QString& id, const char* press = "CommandOK")
{
    QTimer::singleShot(0, [=] {
        QWidget* d = QApplication::activeModalWidget();
        if (!d || d->objectName() != QLatin1String("Formanmeldung"))
            qFatal("no sign-in dialog");
        QTest::keyClicks(testsupport::control<QLineEdit>(d, "TextName"), name);
        QTest::keyClicks(testsupport::control<QLineEdit>(d, "TextMatrikel"), id);
        QTest::mouseClick(testsupport::control<QPushButton>(d, press), Qt::LeftButton);
    });
}

// From the task page through the evaluation with the answers given: the
// list row of the type, the equation and, where it is asked, alpha; up to
// the final view (the evaluation window stays open).
inline QWidget* evaluate(bench::Formexp& w, int typeRow, const QString& equation, const QString& alpha)
{
    using testsupport::control;
    QTest::mouseClick(control<QWidget>(&w, "Picture1"), Qt::LeftButton);
    QTest::qWait(QApplication::doubleClickInterval() + 10);
    QTest::mouseClick(control<QPushButton>(&w, "Command1"), Qt::LeftButton);
    QWidget* e = w.evaluationWindow();
    if (!e || !QTest::qWaitForWindowExposed(e))
        qFatal("no evaluation window");
    auto* list = control<QListWidget>(e, "Listsensoren");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(typeRow)).center());
    QTest::mouseClick(control<QPushButton>(e, "Command1"), Qt::LeftButton);
    auto* box = control<QLineEdit>(e, "Textformel");
    QTest::keyClicks(box, equation);
    QTest::keyClick(box, Qt::Key_Return);
    if (box->isVisible()) {
        QTest::keyClicks(box, alpha);
        QTest::keyClick(box, Qt::Key_Return);
    }
    return e;
}

// The Pt 1000 with every answer right.
inline QWidget* evaluatePt1000Perfectly(bench::Formexp& w)
{
    return evaluate(w, 3, QStringLiteral("1000+3.8505*(t-273)"), QStringLiteral("0.0038505"));
}

} // namespace studentrun
