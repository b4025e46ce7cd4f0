#include "bench/formexp.h"

#include "bench/layout.h"
#include "course/session.h"
#include "evaluation/formantwort.h"
#include "journal/formprotokoll.h"
#include "journal/journal.h"
#include "model/voltmeter.h"
#include "ui/controls.h"
#include "ui/decimal.h"
#include "ui/input.h"
#include "ui/services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace bench {

namespace {
QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}
} // namespace

Formexp::Formexp(QWidget* parent) : Formexp(nullptr, parent) {}

Formexp::Formexp(std::unique_ptr<course::Session> session, model::ConfigFile teacherFile, QWidget* parent)
    : Formexp(std::move(session), parent, std::move(teacherFile))
{
}

Formexp::Formexp(std::unique_ptr<course::Session> session, QWidget* parent)
    : Formexp(std::move(session), parent, std::nullopt)
{
}

Formexp::Formexp(std::unique_ptr<course::Session> session, QWidget* parent,
                 std::optional<model::ConfigFile> teacherFile)
    : QWidget(parent), lab_(ui::decimalSeparator().toLatin1()), state_(lab_.state()),
      session_(std::move(session)), teacherFile_(std::move(teacherFile))
{
    setObjectName(QStringLiteral("Formexp"));
    setWindowTitle(ui::appTitle());
    buildWindow();
    connectHandlers();
    buildJournal();
    // The thermostat ticks from window creation to the end of the program.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &Formexp::Timer1_Timer);
    Timer1->start();
    Form_Load();
}

Formexp::~Formexp()
{
    Timer1->stop();
    delete formantwort_.data();
}

void Formexp::buildWindow()
{
    ui::setUpWindow(this, windowWidth, windowHeight, Qt::white);

    controls_ = ui::buildControls(this, formexpRows(), lab::benchContext);
    auto get = [this](const char* name) { return controls_.value(QString::fromLatin1(name)); };
    Picture1 = qobject_cast<ui::DrawingSurface*>(get("Picture1"));
    Picture2 = qobject_cast<ui::DrawingSurface*>(get("Picture2"));
    Frame1 = qobject_cast<QFrame*>(get("Frame1"));
    Framesensor = qobject_cast<QFrame*>(get("Framesensor"));
    for (int i = 0; i < model::sensorTypes; ++i)
        Option1[i] = qobject_cast<QRadioButton*>(get(lab::Bench::optionName(i).c_str()));
    UpDownVoltmeter = qobject_cast<ui::UpDown*>(get("UpDownVoltmeter"));
    UpDownT = qobject_cast<ui::UpDown*>(get("UpDownT"));
    UpDownV = qobject_cast<ui::UpDown*>(get("UpDownV"));
    UpDownR = qobject_cast<ui::UpDown*>(get("UpDownR"));
    Command1 = qobject_cast<QPushButton*>(get("Command1"));
    Labelsenstemp = qobject_cast<ui::Label*>(get("Labelsenstemp"));
    Labelanz = qobject_cast<ui::Label*>(get("Labelanz"));
    LabelT = qobject_cast<ui::Label*>(get("LabelT"));
    LabelV = qobject_cast<ui::Label*>(get("LabelV"));
    LabelR = qobject_cast<ui::Label*>(get("LabelR"));
    ToggleButton1 = qobject_cast<QPushButton*>(get("ToggleButton1"));

    Picture1->setBackgroundPainter(paintTaskPage);
    Picture1->setCursor(Qt::PointingHandCursor);
    describeForScreenReaders(get("Image1"));
    // The lever, from its pivot (180, 540) to the moving end (X2, 0); open at 45.
    Line1 = new ui::LineShape(180, 540, 45, 0, Picture2);
    Line1->setObjectName(QStringLiteral("Line1"));
    controls_.insert(Line1->objectName(), Line1);
    pressGuard_ = new ui::PressGuard(this);

    QPalette white = Frame1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Frame1->setPalette(white);
    Framesensor->setAutoFillBackground(true);
    Framesensor->setPalette(white);

    Labelanz->setAlignment(Qt::AlignCenter);
    Labelsenstemp->setAlignment(Qt::AlignCenter);
    LabelR->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelV->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// What a screen reader says beyond the controls' names: the task page's
// text, the switch's state, the meaning of each up-down's position and
// what the circuit drawing shows.
void Formexp::describeForScreenReaders(QWidget* circuit)
{
    Picture1->setPresentation(ui::DrawingSurface::Presentation::Page);
    Picture1->setReadableText(taskPageText());
    // The page's own start line speaks of the mouse only.
    Picture1->setAccessibleDescription(
        tr("Ein Klick, die Leertaste oder die Eingabetaste startet das Experiment."));
    Picture2->setPresentation(ui::DrawingSurface::Presentation::Switch);
    Labelanz->setFocusableReading(true);
    Labelsenstemp->setFocusableReading(true);
    // Up-downs tell the meaning of their position, as the lab words it.
    for (ui::UpDown* updown : {UpDownV, UpDownT, UpDownR, UpDownVoltmeter})
        updown->setValueText([this, name = updown->objectName().toStdString()](int p) {
            return qs(lab_.positionText(name, p));
        });
    UpDownVoltmeter->setAccessibleDescription(tr("Messbereich des Voltmeters wählen"));
    circuit->setAccessibleDescription(
        tr("Spannungsquelle, Vorwiderstand und Sensor in Reihe; ein Schalter überbrückt den "
           "Vorwiderstand, der Sensor sitzt im Thermostaten, das Voltmeter misst die Spannung "
           "am Sensor."));
}

void Formexp::connectHandlers()
{
    connect(UpDownR, &QAbstractSlider::valueChanged, this, &Formexp::UpDownR_Change);
    connect(UpDownT, &QAbstractSlider::valueChanged, this, &Formexp::UpDownT_Change);
    connect(UpDownV, &QAbstractSlider::valueChanged, this, &Formexp::UpDownV_Change);
    connect(UpDownVoltmeter, &QAbstractSlider::valueChanged, this, &Formexp::UpDownVoltmeter_Change);
    connect(LabelR, &ui::Label::change, this, &Formexp::LabelR_Change);
    connect(LabelT, &ui::Label::change, this, &Formexp::LabelT_Change);
    connect(LabelV, &ui::Label::change, this, &Formexp::LabelV_Change);
    for (int i = 0; i < model::sensorTypes; ++i)
        connect(Option1[i], &QAbstractButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
    connect(Picture1, &ui::DrawingSurface::clicked, this, &Formexp::Picture1_Click);
    connect(Picture2, &ui::DrawingSurface::clicked, this, &Formexp::Picture2_Click);
    connect(Command1, &QPushButton::clicked, this, &Formexp::Command1_Click);
    connect(ToggleButton1, &QPushButton::toggled, this, &Formexp::ToggleButton1_Click);
}

// ---------------------------------------------------------------- start-up

void Formexp::Form_Load()
{
    Picture1->move(ui::px(lab::taskPageLeft), ui::px(lab::taskPageTop));
    // The working directory travels with the window as a property of its own;
    // the student never sees it.
    setProperty("pfad", QDir::currentPath());
    const std::string pfad = QDir::currentPath().toStdString();
    model::Class1* personal = session_ ? session_->draw() : nullptr;
    if (teacherFile_)
        lab_.Form_Load(pfad, *teacherFile_, personal);
    else
        lab_.Form_Load(pfad, personal);
    render();
    // The keyboard starts on the task page.
    updateKeyboardReach();
    Picture1->setFocus();
    tell();
    writeRecord(course::begonnen);
}

// ---------------------------------------------------------------- the lab's view

void Formexp::render()
{
    rendering_ = true;
    const lab::View& view = lab_.view();
    for (const auto& [name, c] : view.controls) {
        QWidget* w = controls_.value(qs(name));
        if (!w)
            continue;
        const auto before = shown_.controls.find(name);
        const lab::ControlView* was = before == shown_.controls.end() ? nullptr : &before->second;
        if (!was)
            designColours_.insert(w, w->palette().color(QPalette::WindowText));
        if (!was || was->text != c.text || was->words != c.words) {
            const QString text =
                c.words ? QCoreApplication::translate(lab::benchContext, c.text.c_str()) : qs(c.text);
            if (auto* label = qobject_cast<ui::Label*>(w))
                label->setText(text);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                button->setText(text);
        }
        if (!was || was->value != c.value) {
            if (auto* updown = qobject_cast<QAbstractSlider*>(w))
                updown->setValue(c.value);
            else if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
                button->setChecked(c.value == 1);
            else if (auto* surface = qobject_cast<ui::DrawingSurface*>(w))
                surface->setChecked(c.value == 1);
            else if (auto* line = qobject_cast<ui::LineShape*>(w))
                line->setX2(c.value);
        }
        if (!was || was->enabled != c.enabled)
            w->setEnabled(c.enabled);
        if (!was || was->visible != c.visible)
            w->setHidden(!c.visible);
        if (!was || was->colour != c.colour) {
            QPalette p = w->palette();
            p.setColor(QPalette::WindowText,
                       c.colour >= 0 ? ui::paletteColor(c.colour) : designColours_.value(w));
            if (c.colour >= 0 || was)
                w->setPalette(p);
        }
        if ((!was || was->tip != c.tip) && !c.tip.empty())
            w->setToolTip(worded(c.tip));
    }
    if (view.enabled != isEnabled())
        setEnabled(view.enabled);
    shown_ = view;
    rendering_ = false;
}

QString Formexp::worded(const lab::Form& form) const
{
    QString text = QCoreApplication::translate(lab::benchContext, form.key.c_str());
    for (const std::string& value : form.values)
        text = text.arg(qs(value));
    return text;
}

void Formexp::tell()
{
    for (const lab::Form& form : lab_.takeMessages()) {
        if (form.key == lab::message::destroyed)
            destroySensor(form);
        else if (form.key == lab::message::rowRecorded)
            Labelstatus->setText(
                worded(form).arg(journal_->file().working() ? QString() : tr(" (nicht gespeichert)")));
        else if (form.key == lab::message::configProblems)
            ui::services().message(this, problemNotice());
        else
            ui::services().message(this, worded(form));
    }
}

// ---------------------------------------------------------------- circuit and meter

void Formexp::f_anzeige()
{
    lab_.f_anzeige();
    render();
}

void Formexp::f_voltmeter(float u)
{
    lab_.f_voltmeter(u);
    render();
}

// ---------------------------------------------------------------- thermostat

void Formexp::Timer1_Timer()
{
    if (!lab_.Timer1_Timer())
        return;
    render();
    sampleJournal();
    tell();
}

void Formexp::destroySensor(const lab::Form& message)
{
    Timer1->stop();
    writeRecord(course::zerstoert);
    ui::services().alert();
    ui::services().message(this, worded(message) + journalNote());
    // The experiment window goes; with the evaluation window still open the
    // program ends when that one is closed.
    close();
}

// ---------------------------------------------------------------- the student's actions

// A control's notification goes to the lab unless the window itself set
// the control while drawing the view.
void Formexp::forward(const std::function<void()>& action)
{
    if (rendering_)
        return;
    action();
    render();
    tell();
}

void Formexp::UpDownR_Change()
{
    forward([&] { lab_.step("UpDownR", UpDownR->value()); });
}

void Formexp::UpDownT_Change()
{
    forward([&] { lab_.step("UpDownT", UpDownT->value()); });
}

void Formexp::UpDownV_Change()
{
    forward([&] { lab_.step("UpDownV", UpDownV->value()); });
}

void Formexp::UpDownVoltmeter_Change()
{
    forward([&] { lab_.step("UpDownVoltmeter", UpDownVoltmeter->value()); });
}

void Formexp::LabelR_Change()
{
    forward([&] { lab_.setCaption("LabelR", LabelR->text().toStdString()); });
}

void Formexp::LabelT_Change()
{
    forward([&] { lab_.setCaption("LabelT", LabelT->text().toStdString()); });
}

void Formexp::LabelV_Change()
{
    forward([&] { lab_.setCaption("LabelV", LabelV->text().toStdString()); });
}

void Formexp::Option1_Click(int index)
{
    forward([&] { lab_.choose(index); });
}

void Formexp::ToggleButton1_Click()
{
    forward([&] { lab_.press(ToggleButton1->isChecked()); });
}

void Formexp::Picture1_Click()
{
    lab_.Picture1_Click();
    render();
    // The page asks for a double click, and its start line lies over
    // "Auswertung": the second click must not land on the bench.
    pressGuard_->start(QApplication::doubleClickInterval());
    updateKeyboardReach();
}

// Which controls the keyboard reaches, and in which order: while the task
// page is up it alone, so that no key changes a value nobody can see;
// afterwards the bench's controls, with the focus on the first of them.
void Formexp::updateKeyboardReach()
{
    const bool pageUp = !Picture1->isHidden();
    Picture1->setFocusPolicy(pageUp ? Qt::StrongFocus : Qt::NoFocus);
    QList<QWidget*> chain;
    for (const char* name : lab::benchTabOrder())
        chain << controls_.value(QString::fromLatin1(name));
    for (QWidget* control : chain)
        control->setFocusPolicy(pageUp ? Qt::NoFocus : Qt::StrongFocus);
    if (pageUp)
        return;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    chain.first()->setFocus();
}

void Formexp::Picture2_Click()
{
    forward([this] { lab_.Picture2_Click(); });
}

void Formexp::Command1_Click()
{
    if (!lab_.Command1_Click())
        return;
    render();
    if (!formantwort_) {
        formantwort_ = new evaluation::Formantwort(state_);
        formantwort_->setJournal(journal_);
        if (session_)
            formantwort_->setStudent({session_->student().name, session_->student().id});
        formantwort_->setAttribute(Qt::WA_DeleteOnClose);
        connect(formantwort_, &evaluation::Formantwort::unloaded, this, &Formexp::evaluationClosed);
        ui::centreOver(formantwort_, this);
    }
    formantwort_->show();
    formantwort_->raise();
    formantwort_->activateWindow();
}

void Formexp::evaluationClosed()
{
    lab_.evaluationClosed();
    // The answers count even when the sensor went while they were given.
    writeRecord(course::ausgewertet);
    if (lab_.destroyed())
        return; // the experiment is over; the program ends with this window
    render();
    activateWindow();
}

void Formexp::closeEvent(QCloseEvent* e)
{
    if (!lab_.mayClose()) {
        e->ignore();
        return;
    }
    // The journal window belongs to the bench; its rows are in the file.
    if (formprotokoll_)
        formprotokoll_->close();
    // The end is a moment of its own, after an evaluation too; the
    // destruction was the last one.
    if (!lab_.destroyed())
        writeRecord(course::beendet);
    e->accept();
}

} // namespace bench
