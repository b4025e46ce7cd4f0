// Both windows as a screen reader sees them, through the toolkit's
// accessibility interfaces and the events that an installed update handler
// catches: every control's role, name and what it shows, the meaning of the
// up-downs, one event for each new caption of a reading and none for a
// steady one, the evaluation's steps, and controls that refuse assistive
// tools wherever the keyboard cannot reach them.

#include "bench/formexp.h"
#include "recorder.h"
#include "ui/controls.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The offscreen platform starts with accessibility switched off; only the
// platform's own interface switches it on, as a screen reader's bus would.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>
#include <span>

namespace {

const QString firstPrompt =
    QStringLiteral("So, Sie glauben also, fertig zu sein.\nDann wollen wir sehen.\n\n"
                   "Verraten Sie mir zunächst,\nwelchen Sensortyp Sie hier vermuten.\n"
                   "Suchen Sie einen aus der Liste aus\nund bestätigen Sie mit OK");

struct Caught {
    QAccessible::Event type;
    const QObject* object;
    QString removed, inserted; // text updates
    bool checked = false;      // a state change of the checked state
};
QList<Caught> caught;

void catchEvent(QAccessibleEvent* e)
{
    Caught c{e->type(), e->object(), {}, {}};
    if (e->type() == QAccessible::TextUpdated) {
        const auto* t = static_cast<QAccessibleTextUpdateEvent*>(e);
        c.removed = t->textRemoved();
        c.inserted = t->textInserted();
    }
    if (e->type() == QAccessible::StateChanged)
        c.checked = static_cast<QAccessibleStateChangeEvent*>(e)->changedStates().checked;
    caught << c;
}

// The events of one kind for one control, once the handlers that caused
// them are done (text events follow when the handler has returned).
QList<Caught> caughtFor(const QObject* o, QAccessible::Event type)
{
    QCoreApplication::sendPostedEvents();
    QList<Caught> found;
    for (const Caught& c : std::as_const(caught))
        if (c.object == o && c.type == type)
            found << c;
    return found;
}

QAccessibleInterface* a11y(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

QString shownText(QWidget* w)
{
    QAccessibleTextInterface* t = a11y(w)->textInterface();
    return t ? t->text(0, t->characterCount()) : QStringLiteral("(no text interface)");
}

void collectTree(QAccessibleInterface* i, QList<QAccessibleInterface*>& out)
{
    out << i;
    for (int c = 0; c < i->childCount(); ++c)
        collectTree(i->child(c), out);
}

struct Row {
    const char* control;    // objectName; nullptr: the window itself
    QAccessible::Role role; // NoRole: no part of the tree
    const char* name;       // nullptr: the control's caption, as for the journal's buttons
    const char* text;       // what its text interface shows; nullptr: none asked for
    const char* description = nullptr;
    bool optional = false; // built only with the journal
};

// Fresh, before the first tick.
const Row benchRows[] = {
    {nullptr, QAccessible::Window, "KORA - Temperatursensoren als Zweipol", nullptr},
    {"Picture1", QAccessible::Document, "Aufgabenstellung", nullptr,
     "Ein Klick, die Leertaste oder die Eingabetaste startet das Experiment."},
    {"Frame1", QAccessible::Grouping, "", nullptr},
    {"Framesensor", QAccessible::Grouping, "Sensorauswahl", nullptr},
    {"Option1_0", QAccessible::RadioButton, "Sensor 1", nullptr},
    {"Option1_1", QAccessible::RadioButton, "Sensor 2", nullptr},
    {"Option1_2", QAccessible::RadioButton, "Sensor 3", nullptr},
    {"Option1_3", QAccessible::RadioButton, "Sensor 4", nullptr},
    {"Option1_4", QAccessible::RadioButton, "Sensor 5", nullptr},
    {"Option1_5", QAccessible::RadioButton, "Sensor 6", nullptr},
    {"Option1_6", QAccessible::RadioButton, "Sensor 7", nullptr},
    {"UpDownVoltmeter", QAccessible::SpinBox, "Messbereich", "20 V", "Messbereich des Voltmeters wählen"},
    {"UpDownT", QAccessible::SpinBox, "Solltemperatur einstellen", "20 °C", "Temperatur einstellen"},
    {"UpDownV", QAccessible::SpinBox, "Quellspannung einstellen", "10 V", "Spannung einstellen"},
    {"UpDownR", QAccessible::SpinBox, "Vorwiderstand einstellen", "10 kOhm", "Vorwiderstand einstellen"},
    {"Command1", QAccessible::Button, "Auswertung", nullptr},
    {"Picture2", QAccessible::CheckBox, "Überbrückungsschalter", nullptr,
     "Vorwiderstand überbrücken (möglich nach der Auswertung)"},
    {"Line1", QAccessible::NoRole, nullptr, nullptr},
    {"Labelsenstemp", QAccessible::EditableText, "Sensortemperatur", "20 °C"},
    {"Labelanz", QAccessible::EditableText, "Voltmeter", "07,63 V"},
    {"LabelT", QAccessible::StaticText, "Solltemperatur", "20"},
    {"LabelV", QAccessible::StaticText, "Quellspannung", "10"},
    {"LabelR", QAccessible::StaticText, "Vorwiderstand", "10 kOhm"},
    {"Image1", QAccessible::Graphic, "Schaltung", nullptr},
    {"ToggleButton1", QAccessible::CheckBox, "Eigenerwärmung", nullptr},
    {"FocusFrame", QAccessible::NoRole, nullptr, nullptr},
    {"Commandmessen", QAccessible::Button, nullptr, nullptr, nullptr, true},
    {"Commandprotokoll", QAccessible::Button, nullptr, nullptr, nullptr, true},
    {"Labelstatus", QAccessible::StaticText, "Status", "", nullptr, true},
};

// At the type question.
const Row evaluationRows[] = {
    {nullptr, QAccessible::Window, "KORA - Temperatursensoren als Zweipol - Auswertung", nullptr},
    {"Labelmeldung", QAccessible::StaticText, "Meldung", "(first prompt)"},
    {"Listsensoren", QAccessible::List, "Sensortypen", nullptr, "(first prompt)"},
    {"Command1", QAccessible::Button, "OK", nullptr},
    {"Labelglseite", QAccessible::StaticText, "Linke Seite", "Linke Seite"},
    {"Textformel", QAccessible::EditableText, "Gleichung", ""},
    {"Labelhinweis", QAccessible::StaticText, "Hinweis", ""},
    {"Labelkorrektur", QAccessible::StaticText, "Korrektur", ""},
    {"Frametable", QAccessible::Grouping, "", nullptr},
    {"Picture1", QAccessible::Chart, "Kennlinien", nullptr},
    {"Commanddruck", QAccessible::Button, "Ergebnisse drucken", nullptr},
    {"Imagesensor_0", QAccessible::Graphic, "Sensorbild 1", nullptr, "NTC-Widerstand"},
    {"Imagesensor_1", QAccessible::Graphic, "Sensorbild 2", nullptr, "PTC-Widerstand"},
    {"Imagesensor_2", QAccessible::Graphic, "Sensorbild 3", nullptr, "Pt 100"},
    {"Imagesensor_3", QAccessible::Graphic, "Sensorbild 4", nullptr, "Pt 1000"},
    {"Imagesensor_4", QAccessible::Graphic, "Sensorbild 5", nullptr,
     "Flussspannung Si-Diode (konstanter Strom)"},
    {"Imagesensor_5", QAccessible::Graphic, "Sensorbild 6", nullptr, "Stromfühler"},
    {"Imagesensor_6", QAccessible::Graphic, "Sensorbild 7", nullptr, "Thermoelement"},
    {"FocusFrame", QAccessible::NoRole, nullptr, nullptr},
};

QString expected(const char* text)
{
    return qstrcmp(text, "(first prompt)") == 0 ? firstPrompt : QString::fromUtf8(text);
}

// What the assistive tool tries, where the keyboard could not.
enum class Attempt {
    CoveredSource,
    BridgedResistor,
    DisabledBench,
    HiddenSelfHeating,
    HiddenSensorChoice,
    CoveredButton
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Recorder> rec;
    std::unique_ptr<bench::Formexp> w;

    template <class T = QWidget> T* find(const char* name) const
    {
        return testsupport::control<T>(w.get(), name);
    }
    ui::UpDown* updown(const char* name) const { return find<ui::UpDown>(name); }
    QString caption(const char* name) const { return find<ui::Label>(name)->QLabel::text(); }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            w->Timer1_Timer();
    }
    void startBench() { QTest::mouseClick(find("Picture1"), Qt::LeftButton); }
    QWidget* openEvaluation()
    {
        startBench();
        find<QPushButton>("Command1")->click();
        QWidget* eval = w->evaluationWindow();
        if (eval && !QTest::qWaitForWindowExposed(eval))
            return nullptr;
        return eval;
    }
    void closeEvaluation()
    {
        w->evaluationWindow()->close();
        QTRY_VERIFY(!w->evaluationWindow());
    }
    void press(QWidget* control, const QString& action)
    {
        QAccessibleActionInterface* a = a11y(control)->actionInterface();
        QVERIFY(a);
        QVERIFY2(a->actionNames().contains(action), qPrintable(a->actionNames().join(", ")));
        a->doAction(action);
        QTest::qWait(250); // a button's animated click, a surface's queued one
    }
    void checkRow(QWidget* window, const Row& row)
    {
        QWidget* control =
            row.control ? window->findChild<QWidget*>(QString::fromLatin1(row.control)) : window;
        if (!control) {
            QVERIFY2(row.optional, row.control);
            QSKIP("built with the journal only");
        }
        QAccessibleInterface* i = a11y(control);
        QVERIFY(i && i->isValid());
        QList<QAccessibleInterface*> tree;
        collectTree(a11y(window), tree);
        if (row.role == QAccessible::NoRole) {
            QVERIFY2(!tree.contains(i), "no control, yet in the tree");
            return;
        }
        QVERIFY(tree.contains(i));
        QCOMPARE(i->role(), row.role);
        QCOMPARE(i->text(QAccessible::Name),
                 row.name ? QString::fromUtf8(row.name) : control->property("text").toString());
        if (row.text)
            QCOMPARE(shownText(control), expected(row.text));
        if (row.description)
            QCOMPARE(i->text(QAccessible::Description), expected(row.description));
        if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
            QVERIFY(i->valueInterface());
            QCOMPARE(i->valueInterface()->currentValue().toInt(), slider->value());
        }
        if (row.role == QAccessible::Graphic || row.role == QAccessible::Chart)
            QVERIFY(i->imageInterface());
        if (row.role == QAccessible::CheckBox)
            QVERIFY(i->state().checkable);
    }
    // Every named control of the window has a row, and no two share a name.
    void checkCoverage(QWidget* window, std::span<const Row> rows)
    {
        QStringList listed;
        for (const Row& r : rows)
            if (r.control)
                listed << QString::fromLatin1(r.control);
        for (const QWidget* c : window->findChildren<QWidget*>()) {
            const QString name = c->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
                QVERIFY2(listed.contains(name), qPrintable(name + " has no row"));
        }
        QList<QAccessibleInterface*> tree;
        collectTree(a11y(window), tree);
        QStringList names;
        for (QAccessibleInterface* i : tree) {
            const QString name = i->text(QAccessible::Name);
            QVERIFY2(name.isEmpty() || !names.contains(name), qPrintable(name + " twice"));
            names << name;
        }
    }

private slots:
    void initTestCase()
    {
        testsupport::useGermanNumbers();
        QApplication::setDoubleClickInterval(100);
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QAccessible::installUpdateHandler(catchEvent);
    }
    void init()
    {
        rec = std::make_unique<testsupport::Recorder>();
        w = std::make_unique<bench::Formexp>();
        w->findChild<QTimer*>("Timer1")->stop(); // ticks are driven by hand
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCoreApplication::sendPostedEvents();
        caught.clear();
    }
    void cleanup()
    {
        w.reset();
        rec.reset();
        caught.clear();
    }

    void control_data()
    {
        QTest::addColumn<bool>("evaluation");
        QTest::addColumn<int>("index");
        for (const bool evaluation : {false, true}) {
            const std::span<const Row> rows = evaluation ? std::span<const Row>(evaluationRows) : benchRows;
            for (std::size_t i = 0; i < rows.size(); ++i)
                QTest::addRow("%s %s", evaluation ? "Formantwort" : "Formexp",
                              rows[i].control ? rows[i].control : "window")
                    << evaluation << int(i);
        }
    }
    void control()
    {
        QFETCH(bool, evaluation);
        QFETCH(int, index);
        QWidget* window = evaluation ? openEvaluation() : w.get();
        QVERIFY(window);
        checkRow(window, evaluation ? evaluationRows[index] : benchRows[index]);
    }
    void everyControlHasARowAndAName()
    {
        checkCoverage(w.get(), benchRows);
        QWidget* eval = openEvaluation();
        QVERIFY(eval);
        checkCoverage(eval, evaluationRows);
    }

    // Each new caption of a reading is told once, with the old and the new
    // text; the resistor's caption is told as "15 kOhm" only, although its
    // handler passes through "0,015 MOhm".
    void readingTellsEachNewCaptionOnce_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("control"); // stepped once; none: one tick
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("focused"); // the reading has the keyboard focus
        QTest::newRow("Labelanz") << "Labelanz"
                                  << "UpDownVoltmeter" << -1 << "007,6 V" << false;
        QTest::newRow("LabelV") << "LabelV"
                                << "UpDownV" << 1 << "11 V" << false;
        QTest::newRow("LabelT") << "LabelT"
                                << "UpDownT" << 1 << "21°C" << false;
        QTest::newRow("LabelR") << "LabelR"
                                << "UpDownR" << 1 << "15 kOhm" << false;
        QTest::newRow("Labelsenstemp") << "Labelsenstemp"
                                       << "" << 0 << "20,0 °C" << false;
        // Once, not a second time by the toolkit's own label editor.
        QTest::newRow("Labelanz focused") << "Labelanz"
                                          << "UpDownVoltmeter" << -1 << "007,6 V" << true;
        QTest::newRow("Labelsenstemp focused") << "Labelsenstemp"
                                               << "" << 0 << "20,0 °C" << true;
    }
    void readingTellsEachNewCaptionOnce()
    {
        QFETCH(QString, label);
        QFETCH(QString, control);
        QFETCH(int, step);
        QFETCH(QString, after);
        QFETCH(bool, focused);
        startBench();
        w->state().tsensor = 20;
        QWidget* reading = find(qPrintable(label));
        const QString before = caption(qPrintable(label));
        if (focused) {
            reading->setFocus();
            QVERIFY(a11y(reading)->state().focused);
            QVERIFY(a11y(reading)->state().readOnly);
            reading->repaint(); // where the toolkit's label editor would tell its text
        }
        caught.clear();
        if (control.isEmpty())
            tick();
        else
            updown(qPrintable(control))
                ->triggerAction(step > 0 ? QAbstractSlider::SliderSingleStepAdd
                                         : QAbstractSlider::SliderSingleStepSub);
        const QList<Caught> told = caughtFor(reading, QAccessible::TextUpdated);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0].removed, before);
        QCOMPARE(told[0].inserted, after);
        QCOMPARE(shownText(reading), after);
        if (!control.isEmpty()) {
            // The up-down tells its new value and what it means.
            QCOMPARE(caughtFor(find(qPrintable(control)), QAccessible::ValueChanged).size(), 1);
            QCOMPARE(caughtFor(find(qPrintable(control)), QAccessible::TextUpdated).size(), 1);
        }
    }

    // A screen reader's review of the window finds each character of a
    // reading where it is drawn, also in a caption drawn narrower to fit.
    void readingsHaveCharacterExtents_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("setPoint"); // the thermostat's position first
        QTest::newRow("Labelanz") << "Labelanz" << 20;
        QTest::newRow("Labelsenstemp") << "Labelsenstemp" << 20;
        QTest::newRow("LabelR, right-aligned") << "LabelR" << 20;
        QTest::newRow("LabelT at 100°C, condensed") << "LabelT" << 100;
    }
    void readingsHaveCharacterExtents()
    {
        QFETCH(QString, label);
        QFETCH(int, setPoint);
        startBench();
        updown("UpDownT")->setValue(setPoint);
        tick();
        auto* reading = find<ui::Label>(qPrintable(label));
        QAccessibleTextInterface* text = a11y(reading)->textInterface();
        QVERIFY(text);
        QVERIFY(text->characterCount() > 0);
        const QRect box(reading->mapToGlobal(QPoint(0, 0)), reading->size());
        int previousRight = box.left();
        for (int i = 0; i < text->characterCount(); ++i) {
            const QRect r = text->characterRect(i);
            QVERIFY2(!r.isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(box.adjusted(-1, -1, 1, 1).contains(r), qPrintable(QStringLiteral("%1 of %2").arg(i).arg(caption(qPrintable(label)))));
            QVERIFY(r.left() >= previousRight - 1); // left to right, no overlap
            previousRight = r.right();
            QCOMPARE(text->offsetAtPoint(r.center()), i);
        }
        QVERIFY(text->characterRect(text->characterCount()).isEmpty());
        if (setPoint == 100)
            QVERIFY(reading->condensing() < 1);
    }

    // Five ticks a second of a steady bench send nothing to a screen reader.
    void steadyReadingsTellNothing()
    {
        startBench();
        w->state().tsensor = 20;
        tick(2);
        QCoreApplication::sendPostedEvents();
        caught.clear();
        tick(10);
        for (const char* name : {"Labelanz", "Labelsenstemp", "LabelT", "LabelV", "LabelR"})
            QVERIFY2(caughtFor(find(name), QAccessible::TextUpdated).isEmpty(), name);
    }

    // A recorded row is confirmed on the bench, and told, with the journal closed.
    void recordedRowIsTold()
    {
        QTemporaryDir data;
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        w = std::make_unique<bench::Formexp>(); // its journal goes into the temporary folder
        qputenv("XDG_DATA_HOME", before);
        w->findChild<QTimer*>("Timer1")->stop();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        startBench();
        QTest::qWait(QApplication::doubleClickInterval() + 10);
        caught.clear();
        QTest::mouseClick(find("Commandmessen"), Qt::LeftButton);
        QVERIFY(!w->journalWindow());
        const QList<Caught> told = caughtFor(find("Labelstatus"), QAccessible::TextUpdated);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0].inserted, QStringLiteral("Zeile 1 übernommen: ") + caption("Labelsenstemp") +
                                       QStringLiteral(", ") + caption("Labelanz"));
        QCOMPARE(shownText(find("Labelstatus")), told[0].inserted);
    }

    // An up-down set by an assistive tool says what its position means; a
    // position between two steps goes to the nearer one.
    void upDownSaysWhatItsPositionMeans_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<double>("wanted");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("R lowest") << "UpDownR" << 20.0 << 20 << "100 Ohm";
        QTest::newRow("R between steps") << "UpDownR" << 45.0 << 46 << "33 kOhm";
        QTest::newRow("R highest") << "UpDownR" << 70.0 << 70 << "10 MOhm";
        QTest::newRow("R beyond") << "UpDownR" << 500.0 << 70 << "10 MOhm";
        QTest::newRow("range 200 V") << "UpDownVoltmeter" << 0.0 << 0 << "200 V";
        QTest::newRow("range 2 V") << "UpDownVoltmeter" << 2.0 << 2 << "2 V";
        QTest::newRow("range 200 mV") << "UpDownVoltmeter" << 3.0 << 3 << "200 mV";
        QTest::newRow("source 0 V") << "UpDownV" << 0.0 << 0 << "0 V";
        QTest::newRow("source 24 V") << "UpDownV" << 24.0 << 24 << "24 V";
        QTest::newRow("set point") << "UpDownT" << 100.0 << 100 << "100 °C";
    }
    void upDownSaysWhatItsPositionMeans()
    {
        QFETCH(QString, control);
        QFETCH(double, wanted);
        QFETCH(int, position);
        QFETCH(QString, meaning);
        startBench();
        ui::UpDown* u = updown(qPrintable(control));
        a11y(u)->valueInterface()->setCurrentValue(wanted);
        QCOMPARE(u->value(), position);
        QCOMPARE(shownText(u), meaning);
        QCOMPARE(a11y(u)->text(QAccessible::Value), meaning);
        if (control == QLatin1String("UpDownR"))
            QCOMPARE(caption("LabelR"), meaning);
        // The arrows through the tool's actions.
        press(u, QAccessibleActionInterface::decreaseAction());
        QCOMPARE(u->value(), position == u->minimum() ? position : position - u->singleStep());
    }

    // Where the keyboard cannot reach a control, an assistive tool cannot
    // change or press it either.
    void toolsReachOnlyWhatTheKeyboardReaches_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::newRow("source under the task page") << int(Attempt::CoveredSource);
        QTest::newRow("resistor while bridged") << int(Attempt::BridgedResistor);
        QTest::newRow("set point during the evaluation") << int(Attempt::DisabledBench);
        QTest::newRow("hidden self-heating switch") << int(Attempt::HiddenSelfHeating);
        QTest::newRow("hidden sensor choice") << int(Attempt::HiddenSensorChoice);
        QTest::newRow("Auswertung under the task page") << int(Attempt::CoveredButton);
    }
    void toolsReachOnlyWhatTheKeyboardReaches()
    {
        QFETCH(int, attempt);
        switch (Attempt(attempt)) {
        case Attempt::CoveredSource:
            a11y(updown("UpDownV"))->valueInterface()->setCurrentValue(0);
            QCOMPARE(updown("UpDownV")->value(), 10);
            QCOMPARE(caption("LabelV"), QStringLiteral("10"));
            break;
        case Attempt::BridgedResistor:
            openEvaluation();
            closeEvaluation();
            QTest::qWait(QApplication::doubleClickInterval() + 10); // the start click's guard
            QTest::mouseClick(find("Picture2"), Qt::LeftButton);
            QVERIFY(w->state().rvor_kurz);
            a11y(updown("UpDownR"))->valueInterface()->setCurrentValue(50);
            press(updown("UpDownR"), QAccessibleActionInterface::increaseAction());
            QCOMPARE(updown("UpDownR")->value(), 40);
            QCOMPARE(caption("LabelR"), QStringLiteral("10 kOhm"));
            QCOMPARE(w->state().rvor, 0.01);
            break;
        case Attempt::DisabledBench:
            openEvaluation();
            a11y(updown("UpDownT"))->valueInterface()->setCurrentValue(30);
            QCOMPARE(updown("UpDownT")->value(), 20);
            QCOMPARE(w->state().tsoll, 20.0);
            closeEvaluation();
            break;
        case Attempt::HiddenSelfHeating:
            startBench();
            press(find("ToggleButton1"), QAccessibleActionInterface::toggleAction());
            QVERIFY(!find<QPushButton>("ToggleButton1")->isChecked());
            QCOMPARE(w->thermostat().eigen_ein, false);
            break;
        case Attempt::HiddenSensorChoice:
            startBench();
            find("Framesensor")->hide(); // as the configuration's "off" does
            press(find("Option1_3"), QAccessibleActionInterface::toggleAction());
            QCOMPARE(w->state().sensortyp, std::uint8_t(0));
            break;
        case Attempt::CoveredButton:
            press(find("Command1"), QAccessibleActionInterface::pressAction());
            QVERIFY(!w->evaluationWindow());
            break;
        }
    }

    // The task page and the bypass switch are pressed as with the mouse.
    void pageAndSwitchArePressed()
    {
        QWidget* page = find("Picture1");
        const QStringList lines = shownText(page).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 24);
        QCOMPARE(lines.first(), QStringLiteral("Virtuelles Experiment „Aktive und passive Zweipole"));
        QCOMPARE(lines[10], QStringLiteral("Berechnen Sie allgemein den Faktor α für die Näherung "
                                           "R(To+Δυ) = R(To)*(1+αΔυ)."));
        QCOMPARE(lines.last(), QStringLiteral("<<Start durch Doppelklick>>"));
        press(page, QAccessibleActionInterface::pressAction());
        QVERIFY(page->isHidden());
        QCOMPARE(QApplication::focusWidget(), find("UpDownV"));

        QWidget* bypass = find("Picture2");
        press(bypass, QAccessibleActionInterface::pressAction()); // locked until the evaluation is over
        QVERIFY(!w->state().rvor_kurz);
        openEvaluation();
        closeEvaluation();
        caught.clear();
        press(bypass, QAccessibleActionInterface::pressAction());
        QVERIFY(w->state().rvor_kurz);
        QVERIFY(a11y(bypass)->state().checked);
        const QList<Caught> changed = caughtFor(bypass, QAccessible::StateChanged);
        QCOMPARE(changed.size(), 1);
        QVERIFY(changed[0].checked);
        press(bypass, QAccessibleActionInterface::pressAction());
        QVERIFY(!a11y(bypass)->state().checked);
    }

    // The evaluation's steps as a screen reader follows them: each new
    // message is told and described on the input it asks for, the equation
    // box is labelled by its left-hand side and named after its question,
    // the plot describes itself, the picture names the sensor.
    void evaluationTellsEachStep()
    {
        QWidget* eval = openEvaluation();
        QVERIFY(eval);
        auto get = [eval](const char* name) { return testsupport::control<QWidget>(eval, name); };
        QWidget* message = get("Labelmeldung");
        QWidget* box = get("Textformel");
        auto* list = testsupport::control<QListWidget>(eval, "Listsensoren");
        list->setCurrentRow(0);
        caught.clear();
        static_cast<QPushButton*>(get("Command1"))->click();
        const QList<Caught> told = caughtFor(message, QAccessible::TextUpdated);
        QCOMPARE(told.size(), 1); // the verdict and the prompt come as one
        QVERIFY(
            told[0].inserted.startsWith(QStringLiteral("Das war richtig.\nEs handelt sich um einen NTC")));
        QVERIFY(told[0].inserted.endsWith(QStringLiteral("Bestätigen Sie mit <Enter>.")));
        QCOMPARE(shownText(message), told[0].inserted);
        // Named as the student sees it, the hint under it first in its description.
        QCOMPARE(a11y(box)->text(QAccessible::Description),
                 QStringLiteral("T: absolute Temperatur in K\n") + told[0].inserted);
        QCOMPARE(a11y(box)->text(QAccessible::Name), QStringLiteral("R(T)/Ohm ="));
        const auto labels = a11y(box)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->object(), get("Labelglseite"));
        QCOMPARE(shownText(get("Labelglseite")), QStringLiteral("R(T)/Ohm ="));
        const auto labelFor = a11y(get("Labelglseite"))->relations(QAccessible::Labelled);
        QCOMPARE(labelFor.size(), 1);
        QCOMPARE(labelFor[0].first->object(), box);

        // The hidden list takes no second answer.
        list->setCurrentRow(3);
        QVERIFY(get("Command1")->isHidden());

        // A slip named under the box is said with it.
        QTest::keyClicks(box, QStringLiteral("1="));
        QVERIFY(a11y(box)->text(QAccessible::Description)
                    .startsWith(QStringLiteral("T: absolute Temperatur in K\nNur die rechte Seite eingeben: "
                                               "»R(T)/Ohm =« steht schon davor.\n")));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("0.000357*EXP(5000/T)"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(a11y(get("Picture1"))->text(QAccessible::Description),
                 QStringLiteral(
                     "Die richtige Kurve ist rot, Ihre Kurve cyan. Waagerecht die Temperatur von 20 °C "
                     "bis 100 °C, senkrecht 0 bis 10000 Ohm. Die Abweichung Ihrer Formel beträgt 0 %."));
        QCOMPARE(a11y(box)->text(QAccessible::Name), QStringLiteral("alpha in 1/K"));
        // The unit is the name already; the question is the description.
        QVERIFY(a11y(box)->text(QAccessible::Description).startsWith(QStringLiteral("Jetzt möchte ich von Ihnen")));
        QVERIFY(shownText(message).startsWith(QStringLiteral("Jetzt möchte ich von Ihnen")));

        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(shownText(message), QStringLiteral("Sensorvariante: "));
        QWidget* picture = get("Imagesensor_0");
        QVERIFY(picture->isVisible());
        QCOMPARE(a11y(picture)->imageInterface()->imageDescription(), QStringLiteral("NTC-Widerstand"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
