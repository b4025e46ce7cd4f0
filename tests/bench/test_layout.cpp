// Both windows against their design numbers: every control at its place in
// twips (15 to a logical pixel), in its font, stacked as designed, the
// drawing under the controls, and every caption inside its box. The suite
// runs at 100 % and at 200 % display scaling.

#include "bench/formexp.h"
#include "evaluation/formantwort.h"
#include "recorder.h"
#include "ui/controls.h"
#include "ui/translations.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QLineEdit>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>
#include <span>

namespace {

// Twips to a logical pixel edge, rounded; sizes follow from the edges.
int edge(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
QRect twipRect(int l, int t, int w, int h) { return QRect(QPoint(edge(l), edge(t)), QPoint(edge(l + w) - 1, edge(t + h) - 1)); }

struct Place {
    const char* name;
    int left, top, width, height;
    const char* family; // nullptr: no text of its own to check
    double points;
    bool bold;
};

// The experiment window as designed (the task page already moved by start-up).
const Place benchPlaces[] = {
    {"Picture1", 15, 10, 10065, 7605, nullptr, 0, false},
    {"Frame1", 8550, 1575, 2220, 4425, nullptr, 0, false},
    {"Framesensor", 8685, 1620, 2085, 3255, nullptr, 0, false},
    {"Option1_0", 135, 405, 1455, 285, "Liberation Sans", 9.75, true},
    {"Option1_1", 135, 765, 1455, 285, "Liberation Sans", 9.75, true},
    {"Option1_2", 135, 1125, 1455, 285, "Liberation Sans", 9.75, true},
    {"Option1_3", 135, 1485, 1455, 285, "Liberation Sans", 9.75, true},
    {"Option1_4", 135, 1845, 1455, 285, "Liberation Sans", 9.75, true},
    {"Option1_5", 135, 2205, 1455, 285, "Liberation Sans", 9.75, true},
    {"Option1_6", 135, 2565, 1455, 285, "Liberation Sans", 9.75, true},
    {"UpDownVoltmeter", 6435, 4005, 1230, 150, nullptr, 0, false},
    {"UpDownT", 1710, 5040, 1005, 195, nullptr, 0, false},
    {"UpDownV", 1755, 2790, 195, 330, nullptr, 0, false},
    {"UpDownR", 4410, 2610, 195, 330, nullptr, 0, false},
    {"Command1", 495, 7110, 1365, 420, "Liberation Sans", 9.75, true},
    {"Commandmessen", 2040, 7110, 2370, 420, "Liberation Sans", 9.75, true},
    {"Commandprotokoll", 4590, 7110, 1770, 420, "Liberation Sans", 9.75, true},
    {"Picture2", 2070, 2205, 420, 555, nullptr, 0, false},
    {"Labelsenstemp", 3060, 5265, 780, 240, "Liberation Sans", 8.25, true},
    {"Labelanz", 6165, 3105, 1635, 375, "Liberation Sans", 14.25, true},
    {"LabelT", 2295, 4725, 510, 285, "Liberation Sans", 9.75, true},
    {"LabelV", 1125, 2835, 555, 285, "Liberation Sans", 9.75, true},
    {"LabelR", 3285, 2610, 1050, 285, "Liberation Sans", 9.75, true},
    {"Image1", 360, 1710, 7800, 6090, nullptr, 0, false},
    {"ToggleButton1", 8640, 5355, 2130, 600, nullptr, 8.25, false},
};

// The evaluation window; Picture1 lies inside Frametable, the pictures
// are moved to (3500, 200) at load.
const Place evaluationPlaces[] = {
    {"Labelmeldung", 180, 180, -1, -1, "Liberation Sans", 9.75, true},
    {"Listsensoren", 135, 2970, 3345, 1590, "Liberation Sans", 8.25, false},
    {"Command1", 135, 4770, 2580, 420, "Liberation Sans", 12, true},
    {"Labelglseite", 180, 4185, 1635, 375, "Liberation Sans", 9.75, true},
    {"Textformel", 1980, 4185, 4560, 375, "Liberation Sans", 9.75, true},
    {"Labelhinweis", 1980, 4575, 4560, 195, "Liberation Sans", 8.25, false},
    {"Frametable", 1350, 2700, 10410, 6045, nullptr, 0, false},
    {"Picture1", 1395, 315, 8835, 5415, nullptr, 0, false},
    {"Commanddruck", 90, 7650, 1995, 465, "Liberation Sans", 9, true},
    {"Imagesensor_0", 3500, 200, 5280, 4230, nullptr, 0, false},
    {"Imagesensor_1", 3500, 200, 5130, 5490, nullptr, 0, false},
    {"Imagesensor_2", 3500, 200, 2280, 3030, nullptr, 0, false},
    {"Imagesensor_3", 3500, 200, 4755, 5280, nullptr, 0, false},
    {"Imagesensor_4", 3500, 200, 9780, 6060, nullptr, 0, false},
    {"Imagesensor_5", 3500, 200, 6720, 5070, nullptr, 0, false},
    {"Imagesensor_6", 3500, 200, 4635, 2625, nullptr, 0, false},
};

void addPlaces(std::span<const Place> places)
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < places.size(); ++i)
        QTest::newRow(places[i].name) << static_cast<int>(i);
}

void checkPlace(const QWidget* root, const Place& p)
{
    const QWidget* w = testsupport::control<QWidget>(root, p.name);
    if (p.width < 0) {
        QCOMPARE(w->pos(), QPoint(edge(p.left), edge(p.top)));
    } else {
        QCOMPARE(w->geometry(), twipRect(p.left, p.top, p.width, p.height));
    }
    if (p.points > 0) {
        QCOMPARE(w->font().pointSizeF(), p.points);
        QCOMPARE(w->font().bold(), p.bold);
    }
    if (p.family) {
        // The design's face by its metric twin, really found on the machine.
        QCOMPARE(QFontInfo(w->font()).family(), QString::fromLatin1(p.family));
    }
}

// Room a caption needs in its control, in logical pixels.
int needed(const QWidget* w, const QString& text)
{
    const QFontMetricsF fm(w->font());
    if (auto* option = qobject_cast<const QRadioButton*>(w))
        return option->sizeHint().width();
    if (qobject_cast<const ui::ToggleButton*>(w)) {
        // The toggle's caption wraps onto as many lines as its height holds.
        const QRect room = w->rect().adjusted(4, 2, -4, -2);
        const QRect used = QFontMetrics(w->font()).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text);
        return used.height() <= room.height() ? used.width() + 8 : 10000;
    }
    if (qobject_cast<const QPushButton*>(w))
        return static_cast<int>(std::ceil(fm.horizontalAdvance(text))) + 8; // a little air at the bevel
    return static_cast<int>(std::ceil(fm.horizontalAdvance(text)));
}

// The captions of a window's text controls fit their boxes, in width and
// in height; a label may condense a caption that is a little too wide, as
// long as it stays legible.
void checkCaptionsFit(const QWidget* root, const QStringList& names)
{
    for (const QString& name : names) {
        const QWidget* w = testsupport::control<QWidget>(root, qPrintable(name));
        QString text = w->property("text").toString();
        if (text.isEmpty())
            continue;
        const QFontMetricsF fm(w->font());
        QVERIFY2(fm.height() <= w->height(), qPrintable(name + ": " + text));
        if (auto* label = qobject_cast<const ui::Label*>(w)) {
            QVERIFY2(label->condensing() >= 0.85, qPrintable(QStringLiteral("%1: \"%2\" needs %3 of %4 px")
                                                                 .arg(name, text)
                                                                 .arg(needed(w, text))
                                                                 .arg(w->width())));
            continue;
        }
        QVERIFY2(needed(w, text) <= w->width(),
                 qPrintable(QStringLiteral("%1: \"%2\" needs %3 of %4 px").arg(name, text).arg(needed(w, text)).arg(w->width())));
    }
}

// The control of that name lies over no other control shown with it.
void coversNothing(const QWidget* window, const char* name)
{
    const QWidget* c = testsupport::control<QWidget>(window, name);
    QVERIFY2(c->isVisible(), name);
    const QRect r(c->mapTo(window, QPoint(0, 0)), c->size());
    for (const QWidget* other : window->findChildren<QWidget*>()) {
        if (other == c || !other->isVisible() || other->isAncestorOf(c) || c->isAncestorOf(other) ||
            other->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        const QRect o(other->mapTo(window, QPoint(0, 0)), other->size());
        QVERIFY2(!r.intersects(o), qPrintable(QStringLiteral("%1 covers %2").arg(name, other->objectName())));
    }
}

// The focus frame lies on the inside edge of the control, all round, in
// the highlight colour: sampled at the middle of its outer pixel.
void checkFocusFrame(QWidget* window, QWidget* control)
{
    control->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), control);
    const QImage image = window->grab().toImage();
    const double ratio = image.devicePixelRatio();
    const QColor highlight = control->palette().color(QPalette::Active, QPalette::Highlight);
    const QRect r(control->mapTo(window, QPoint(0, 0)), control->size());
    int total = 0, framed = 0;
    auto sample = [&](double x, double y) {
        ++total;
        framed += image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) == highlight;
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        sample(x + 0.5, r.top() + 0.5);
        sample(x + 0.5, r.bottom() + 0.5);
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        sample(r.left() + 0.5, y + 0.5);
        sample(r.right() + 0.5, y + 0.5);
    }
    QVERIFY2(framed == total, qPrintable(QStringLiteral("%1: %2 of %3").arg(control->objectName()).arg(framed).arg(total)));
    // Inside the frame the control itself shows.
    if (r.width() > 8 && r.height() > 8)
        QVERIFY(image.pixelColor((QPointF(r.center()) * ratio).toPoint()) != highlight);
}

bool dark(const QImage& image, QPointF logical)
{
    const QPoint p = (logical * image.devicePixelRatio()).toPoint();
    return qGray(image.pixel(p)) < 128;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Recorder> rec;
    std::unique_ptr<bench::Formexp> w;

    template <class T> T* find(const char* name) const { return testsupport::control<T>(w.get(), name); }

private slots:
    void initTestCase()
    {
        testsupport::useGermanNumbers();
        // The captions checked again in another language the program ships.
        if (const auto language = ui::languageNamed(qgetenv("KORA_TEST_LANGUAGE").toStdString()))
            QVERIFY(ui::installLanguage(*language));
    }
    void init()
    {
        rec = std::make_unique<testsupport::Recorder>();
        w = std::make_unique<bench::Formexp>();
        w->findChild<QTimer*>("Timer1")->stop();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup()
    {
        if (auto* eval = w->evaluationWindow())
            eval->disconnect();
        w.reset();
        rec.reset();
    }

    void benchWindow()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("KORA - Temperatursensoren als Zweipol"));
        QCOMPARE(w->size(), QSize(edge(10980), edge(7815)));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void benchControlSitsAtItsPlace_data() { addPlaces(benchPlaces); }
    void benchControlSitsAtItsPlace()
    {
        QFETCH(int, index);
        checkPlace(w.get(), benchPlaces[index]);
    }

    void taskPageAndCoverHideEveryBenchControl()
    {
        const auto* page = find<QWidget>("Picture1");
        const auto* cover = find<QWidget>("Frame1");
        for (const Place& p : benchPlaces) {
            const QString name = QString::fromLatin1(p.name);
            // The page leaves the bottom strip of the drawing free: nothing to reach there.
            if (name == "Picture1" || name == "Frame1" || name == "Image1")
                continue;
            const QWidget* c = find<QWidget>(p.name);
            if (!c->isVisible())
                continue;
            const QRect r(c->mapTo(w.get(), QPoint(0, 0)), c->size());
            // Corners and centre of the control all belong to the page or its cover.
            for (const QPoint& at : {r.center(), r.topLeft() + QPoint(1, 1), r.bottomRight() - QPoint(1, 1)}) {
                const QWidget* hit = w->childAt(at);
                QVERIFY2(hit == page || hit == cover, qPrintable(name));
            }
        }
    }

    void afterTheStartEveryControlIsReachable()
    {
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        for (const char* name : {"Option1_0", "Option1_6", "UpDownVoltmeter", "UpDownT", "UpDownV", "UpDownR",
                                 "Command1", "Picture2", "Labelsenstemp", "Labelanz", "LabelT", "LabelV", "LabelR",
                                 "Commandmessen", "Commandprotokoll"}) {
            const QWidget* c = find<QWidget>(name);
            const QPoint centre = c->mapTo(w.get(), c->rect().center());
            const QWidget* hit = w->childAt(centre);
            QVERIFY2(hit == c || c->isAncestorOf(hit), name);
        }
    }

    void leverBridgesTheGapOfTheBypassOnlyWhenClosed()
    {
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        auto* box = find<QWidget>("Picture2");
        auto* lever = find<ui::LineShape>("Line1");
        const QImage window = w->grab().toImage();
        // The bypass wire ends just above and just below the switch box, in
        // line with the lever's pivot at 180 twips.
        const QRect r = box->geometry();
        const double x = r.left() + 180 / 15.0;
        QVERIFY(dark(window, QPointF(x, r.top() - 2)));
        QVERIFY(dark(window, QPointF(x, r.bottom() + 3)));

        const QPointF middle(180 / 15.0, r.height() / 2.0);
        QCOMPARE(lever->x2(), 45);
        QVERIFY(!dark(box->grab().toImage(), middle));
        lever->setX2(180);
        QVERIFY(dark(box->grab().toImage(), middle));
    }

    // The drawing's elements lie where the controls expect them (window
    // twips): a line of the drawing passes within two pixels of each point.
    void drawingUnderTheControls_data()
    {
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("source, left of the circle") << QPoint(360, 3060);
        QTest::newRow("source, right of the circle") << QPoint(1060, 3060);
        QTest::newRow("series resistor, left side") << QPoint(3000, 2620);
        QTest::newRow("series resistor, right side") << QPoint(3260, 2620);
        QTest::newRow("meter, left side") << QPoint(5890, 3485);
        QTest::newRow("meter, right side") << QPoint(8130, 3485);
        QTest::newRow("sensor, top") << QPoint(3125, 4860);
        QTest::newRow("sensor, bottom") << QPoint(3125, 5940);
        QTest::newRow("thermostat, left side") << QPoint(1490, 4560);
        QTest::newRow("thermostat, bottom") << QPoint(3000, 6230);
    }
    void drawingUnderTheControls()
    {
        QFETCH(QPoint, twips);
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        const QImage window = w->grab().toImage();
        const QPointF at(twips.x() / 15.0, twips.y() / 15.0);
        bool near = false;
        for (int dx = -2; dx <= 2 && !near; ++dx)
            for (int dy = -2; dy <= 2 && !near; ++dy)
                near = dark(window, at + QPointF(dx, dy));
        QVERIFY(near);
    }

    // The journal's buttons lie on blank paper: no line of the drawing and no
    // other control under them.
    void journalButtonsCoverNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Commandmessen") << "Commandmessen";
        QTest::newRow("Commandprotokoll") << "Commandprotokoll";
    }
    void journalButtonsCoverNothing()
    {
        QFETCH(QString, name);
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        const QWidget* button = find<QWidget>(qPrintable(name));
        auto* drawing = find<QWidget>("Image1");
        const QImage paper = drawing->grab().toImage();
        const QRect under = button->geometry().translated(-drawing->pos()).adjusted(-2, -2, 2, 2);
        for (int y = under.top(); y <= under.bottom(); ++y)
            for (int x = under.left(); x <= under.right(); ++x)
                QVERIFY2(qGray(paper.pixel((QPointF(x, y) * paper.devicePixelRatio()).toPoint())) > 240,
                         qPrintable(QStringLiteral("%1 covers a drawn line at %2, %3").arg(name).arg(x).arg(y)));
        for (const Place& p : benchPlaces) {
            const QWidget* other = find<QWidget>(p.name);
            if (other == button || other->parentWidget() != w.get() || !other->isVisible() ||
                QString::fromLatin1(p.name) == QStringLiteral("Image1"))
                continue;
            QVERIFY2(!other->geometry().intersects(button->geometry()), p.name);
        }
    }

    void benchCaptionsFitAtEveryPosition()
    {
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        const QStringList names = {"LabelR", "LabelV", "LabelT", "Labelanz", "Labelsenstemp", "Command1",
                                   "Commandmessen", "Commandprotokoll", "Option1_0", "Option1_6"};
        checkCaptionsFit(w.get(), names);
        auto* r = find<QAbstractSlider>("UpDownR");
        auto* v = find<QAbstractSlider>("UpDownV");
        auto* t = find<QAbstractSlider>("UpDownT");
        auto* range = find<QAbstractSlider>("UpDownVoltmeter");
        for (int p = r->minimum(); p <= r->maximum(); p += r->singleStep()) {
            r->setValue(p);
            checkCaptionsFit(w.get(), {"LabelR"});
        }
        for (int p = v->minimum(); p <= v->maximum(); ++p) {
            v->setValue(p);
            checkCaptionsFit(w.get(), {"LabelV", "Labelanz"});
        }
        for (int p = t->minimum(); p <= t->maximum(); ++p) {
            t->setValue(p);
            checkCaptionsFit(w.get(), {"LabelT"});
        }
        for (int p = range->minimum(); p <= range->maximum(); ++p) {
            range->setValue(p);
            checkCaptionsFit(w.get(), {"Labelanz"});
        }
        // The hottest the sensor gets before it is destroyed.
        w->state().tsensor = 149.94;
        auto* temp = find<ui::Label>("Labelsenstemp");
        temp->setText(QStringLiteral("149,9 °C"));
        checkCaptionsFit(w.get(), {"Labelsenstemp"});
        // The longest confirmation of a recorded row.
        find<ui::Label>("Labelstatus")
            ->setText(QStringLiteral("Zeile 999 übernommen: 149,9 °C, -000,5 mV (nicht gespeichert)"));
        checkCaptionsFit(w.get(), {"Labelstatus"});

        auto* toggle = find<QPushButton>("ToggleButton1");
        toggle->show();
        checkCaptionsFit(w.get(), {"ToggleButton1"});
        toggle->click();
        checkCaptionsFit(w.get(), {"ToggleButton1"});
    }

    // Every control the keyboard reaches shows a frame when it has the
    // focus, the small up-downs and the task page included.
    void benchFocusFrames()
    {
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        checkFocusFrame(w.get(), find<QWidget>("Picture1"));
        QTest::keyClick(find<QWidget>("Picture1"), Qt::Key_Space);
        find<QPushButton>("Command1")->click();
        w->evaluationWindow()->close();
        QTRY_VERIFY(w->evaluationWindow() == nullptr);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        for (const char* name : {"Picture2", "UpDownV", "UpDownR", "UpDownT", "UpDownVoltmeter", "Option1_0",
                                 "Option1_6", "ToggleButton1"})
            checkFocusFrame(w.get(), find<QWidget>(name));
    }

    void evaluationFocusFrames()
    {
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        find<QPushButton>("Command1")->click();
        auto* eval = w->evaluationWindow();
        QVERIFY(QTest::qWaitForWindowActive(eval));
        auto* list = testsupport::control<QListWidget>(eval, "Listsensoren");
        checkFocusFrame(eval, list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        checkFocusFrame(eval, testsupport::control<QWidget>(eval, "Command1"));
        QTest::keyClick(testsupport::control<QWidget>(eval, "Command1"), Qt::Key_Return);
        checkFocusFrame(eval, testsupport::control<QWidget>(eval, "Textformel"));
    }

    void evaluationControlSitsAtItsPlace_data() { addPlaces(evaluationPlaces); }
    void evaluationControlSitsAtItsPlace()
    {
        QFETCH(int, index);
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        find<QPushButton>("Command1")->click();
        auto* eval = w->evaluationWindow();
        QVERIFY(eval);
        QCOMPARE(eval->windowTitle(), QStringLiteral("KORA - Temperatursensoren als Zweipol - Auswertung"));
        QCOMPARE(eval->size(), QSize(edge(11790), edge(8820)));
        checkPlace(eval, evaluationPlaces[index]);
    }

    void sensorPicturesAtTheirOwnSizeOrStretched()
    {
        find<QPushButton>("Command1")->click();
        auto* eval = w->evaluationWindow();
        for (int i = 0; i < model::sensorTypes; ++i) {
            auto* image = testsupport::control<ui::ImageBox>(eval, qPrintable(QStringLiteral("Imagesensor_%1").arg(i)));
            QSvgRenderer svg(image->resource());
            QVERIFY2(svg.isValid(), qPrintable(image->resource()));
            // The PTC and the current sensor are stretched to their boxes;
            // the others are drawn at their own size, which is the box's.
            QCOMPARE(image->stretched(), i == 1 || i == 5);
            if (!image->stretched())
                QCOMPARE(svg.defaultSize(), image->size());
        }
    }

    void plotSurfaceCountsDegreesFromTwenty()
    {
        find<QPushButton>("Command1")->click();
        auto* plot = testsupport::control<ui::DrawingSurface>(w->evaluationWindow(), "Picture1");
        QCOMPARE(plot->scaleLeft(), 20.0);
        QCOMPARE(plot->scaleWidth(), 110.0625);
        // The grid's line for 90 °C lies where the user scale puts 90.
        const QImage grid = plot->image();
        const double x90 = plot->toPixel(90, 0).x();
        QVERIFY(qGray(grid.pixel(static_cast<int>(x90 * 2), grid.height() / 2)) < 224);
        QVERIFY(qGray(grid.pixel(static_cast<int>((x90 + 4) * 2), grid.height() / 2)) > 240);
    }

    void evaluationCaptionsFitAtEveryStep()
    {
        QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
        find<QPushButton>("Command1")->click();
        auto* eval = w->evaluationWindow();
        auto* list = testsupport::control<QListWidget>(eval, "Listsensoren");
        // Every sensor name is readable in the list without scrolling sideways.
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(list->visualItemRect(list->item(i)).width() <= list->viewport()->width() ||
                         QFontMetrics(list->font()).horizontalAdvance(list->item(i)->text()) + 6 <=
                             list->viewport()->width(),
                     qPrintable(list->item(i)->text()));
        checkCaptionsFit(eval, {"Command1", "Commanddruck"});
        for (int t = 0; t < model::sensorTypes; ++t) {
            w->state().sensortyp = static_cast<std::uint8_t>(t);
            evaluation::Formantwort fresh(w->state());
            fresh.show();
            auto* l = testsupport::control<QListWidget>(&fresh, "Listsensoren");
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(t)).center());
            testsupport::control<QPushButton>(&fresh, "Command1")->click();
            checkCaptionsFit(&fresh, {"Labelglseite", "Labelhinweis"});
            coversNothing(&fresh, "Labelhinweis");
            // The message label grows with its text and stays inside the window.
            auto* message = testsupport::control<QWidget>(&fresh, "Labelmeldung");
            QVERIFY(fresh.rect().contains(message->geometry()));
            QVERIFY(message->geometry().bottom() < testsupport::control<QWidget>(&fresh, "Labelglseite")->y());
            if (t <= 3) {
                // The alpha question keeps the line for alpha's unit.
                auto* box = testsupport::control<QLineEdit>(&fresh, "Textformel");
                QTest::keyClicks(box, QStringLiteral("1"));
                QTest::keyClick(box, Qt::Key_Return);
                checkCaptionsFit(&fresh, {"Labelhinweis"});
                coversNothing(&fresh, "Labelhinweis");
            }
            fresh.disconnect();
        }
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
