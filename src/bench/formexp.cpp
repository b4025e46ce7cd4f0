#include "bench/formexp.h"

#include "bench/layout.h"
#include "configreport/report.h"
#include "course/session.h"
#include "evaluation/formantwort.h"
#include "journal/formprotokoll.h"
#include "journal/journal.h"
#include "model/circuit.h"
#include "model/sensortypes.h"
#include "model/voltmeter.h"
#include "numbers/numbers.h"
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

#include <cmath>
#include <limits>

namespace bench {

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }

// Above this the sensor temperature turns red: the sensor is destroyed
// above 150 °C, and with self-heating it gets there within a second.
constexpr double warningTemperature = 135;

// The range control's tooltip names the range its position selects.
QString rangeTip(int position)
{
    return QCoreApplication::translate("bench::Formexp", "Messbereich: %1").arg(qs(model::rangeName(position)));
}

// The bypass is locked until the evaluation is over; its tooltip says so.
QString bypassTip() { return QCoreApplication::translate("bench::Formexp", "Vorwiderstand überbrücken"); }
QString lockedBypassTip()
{
    return QCoreApplication::translate("bench::Formexp", "Vorwiderstand überbrücken (möglich nach der Auswertung)");
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
    : QWidget(parent), session_(std::move(session)), teacherFile_(std::move(teacherFile))
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

char Formexp::separator() const
{
    return ui::decimalSeparator().toLatin1();
}

void Formexp::buildWindow()
{
    ui::setUpWindow(this, windowWidth, windowHeight, Qt::white);

    const auto made = ui::buildControls(this, formexpRows(), "bench::Formexp");
    auto get = [&made](const char* name) { return made.value(QString::fromLatin1(name)); };
    Picture1 = qobject_cast<ui::DrawingSurface*>(get("Picture1"));
    Picture2 = qobject_cast<ui::DrawingSurface*>(get("Picture2"));
    Frame1 = qobject_cast<QFrame*>(get("Frame1"));
    Framesensor = qobject_cast<QFrame*>(get("Framesensor"));
    for (int i = 0; i < model::sensorTypes; ++i)
        Option1[i] = qobject_cast<QRadioButton*>(get(("Option1_" + std::to_string(i)).c_str()));
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
    Picture2->setEnabled(false);
    Picture2->setToolTip(lockedBypassTip());
    describeForScreenReaders(get("Image1"));
    // The lever, from its pivot (180, 540) to the moving end (X2, 0); open at 45.
    Line1 = new ui::LineShape(180, 540, 45, 0, Picture2);
    Line1->setObjectName(QStringLiteral("Line1"));
    pressGuard_ = new ui::PressGuard(this);
    senstempColour_ = Labelsenstemp->palette().color(QPalette::WindowText);

    QPalette white = Frame1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Frame1->setPalette(white);
    Framesensor->setAutoFillBackground(true);
    Framesensor->setPalette(white);

    Labelanz->setAlignment(Qt::AlignCenter);
    Labelsenstemp->setAlignment(Qt::AlignCenter);
    LabelR->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelV->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Design positions, set before any handler listens.
    struct Range {
        ui::UpDown* control;
        int minimum, maximum, step, value;
    };
    // The range control starts at position 1, the 20 V range that the meter
    // starts in, so that control and range agree from the start.
    for (const Range& r : {Range{UpDownVoltmeter, 0, 3, 1, 1}, Range{UpDownT, 20, 100, 1, 20},
                           Range{UpDownV, 0, 24, 1, 10}, Range{UpDownR, 20, 70, 2, 40}}) {
        r.control->setRange(r.minimum, r.maximum);
        r.control->setSingleStep(r.step);
        r.control->setPageStep(r.step);
        r.control->setValue(r.value);
    }
    UpDownVoltmeter->setToolTip(rangeTip(UpDownVoltmeter->value()));
    Option1[0]->setChecked(true);
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
    UpDownV->setValueText([](int v) { return QString::number(v) + QStringLiteral(" V"); });
    UpDownT->setValueText([](int t) { return QString::number(t) + QStringLiteral(" °C"); });
    // The resistor's caption is the one its label shows.
    UpDownR->setValueText([this](int) { return LabelR->text(); });
    // Named "Messbereich" already: the position says the range alone.
    UpDownVoltmeter->setValueText([](int p) { return qs(model::rangeName(p)); });
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
    Picture1->move(ui::px(15), ui::px(10));
    // The working directory travels with the window as a property of its own;
    // the student never sees it.
    state_.pfad = QDir::currentPath().toStdString();
    setProperty("pfad", QDir::currentPath());
    model::setStartValues(state_, separator());
    // Only the lines the message lists are kept; a file of bad lines costs
    // the start no more than that.
    model::ProblemList problems;
    problems.keep = model::reportedLines;
    model::Class1* personal = session_ ? session_->draw() : nullptr;
    model::Class1& draw = personal ? *personal : random_;
    if (teacherFile_)
        model::applyConfigFile(*teacherFile_, model::configFileName, state_, *this, draw, problems);
    else
        model::f_connect(state_, *this, draw, problems);
    f_instrujust();
    f_anzeige();
    // The right formulas, like alpha, follow the configured parameters.
    model::buildFormulaTexts(state_, separator());
    model::f_alpha(state_);
    // The keyboard starts on the task page.
    updateKeyboardReach();
    Picture1->setFocus();
    if (problems.total > 0)
        ui::services().message(this, problemNotice(problems));
    writeRecord(course::begonnen);
}

void Formexp::f_instrujust()
{
    LabelV->setText(QString::number(state_.uquelle));
    UpDownV->setValue(state_.uquelle);
    LabelT->setText(qs(numbers::displayText(state_.tsoll, separator())));
    UpDownT->setValue(static_cast<int>(numbers::roundHalfEven(state_.tsoll)));
}

// ---------------------------------------------------------------- circuit and meter

void Formexp::f_anzeige()
{
    if (model::f_anzeige(state_) == model::Reading::Shown)
        f_voltmeter(static_cast<float>(state_.umess));
    // A fault leaves the display as it was; the thermostat tick treats it as
    // the sensor's destruction.
}

void Formexp::f_voltmeter(float u)
{
    if (const auto text = model::voltmeterText(u, state_.messbereich, separator()))
        Labelanz->setText(qs(*text));
}

void Formexp::UpDownVoltmeter_Change()
{
    state_.messbereich = model::rangeForPosition(UpDownVoltmeter->value());
    UpDownVoltmeter->setToolTip(rangeTip(UpDownVoltmeter->value()));
    f_voltmeter(static_cast<float>(state_.umess));
}

// ---------------------------------------------------------------- thermostat

void Formexp::Timer1_Timer()
{
    if (destroyed_)
        return;
    model::applyPendingStep(state_, thermostat_);
    const model::Reading reading = model::f_anzeige(state_);
    if (reading == model::Reading::Shown)
        f_voltmeter(static_cast<float>(state_.umess));
    const bool computed = reading != model::Reading::Fault;
    model::computeNextStep(state_, thermostat_);
    if (std::isfinite(state_.tsensor))
        showSensorTemperature();
    sampleJournal();
    // A characteristic that leaves the number range is the same overload.
    if (!computed || model::isDestroyed(state_))
        destroySensor();
}

void Formexp::showSensorTemperature()
{
    Labelsenstemp->setText(qs(numbers::patternText(state_.tsensor, 1, 1, separator()) + " °C"));
    QPalette p = Labelsenstemp->palette();
    const bool hot = state_.tsensor > warningTemperature;
    p.setColor(QPalette::WindowText, hot ? ui::paletteColor(12) : senstempColour_);
    Labelsenstemp->setPalette(p);
}

void Formexp::destroySensor()
{
    // Shown once: no later tick reaches the test again.
    destroyed_ = true;
    Timer1->stop();
    writeRecord(course::zerstoert);
    ui::services().alert();
    ui::services().message(this, tr("Sie haben den Sensor und damit das Experiment \r"
                                    "durch thermische Überlastung zerstört!!") +
                                     journalNote());
    // The experiment window goes; with the evaluation window still open the
    // program ends when that one is closed.
    close();
}

void Formexp::ToggleButton1_Click()
{
    model::toggleSelfHeating(state_, thermostat_);
    ToggleButton1->setText(thermostat_.eigen_ein ? tr("Eigenerwärmung eingeschaltet")
                                                 : tr("Eigenerwärmung ausgeschaltet"));
}

// ---------------------------------------------------------------- bench controls

void Formexp::UpDownR_Change()
{
    const int position = UpDownR->value();
    if (position < 0 || position > std::numeric_limits<std::uint8_t>::max())
        return; // no resistor step beyond a byte; the design range is 20..70
    const double r = model::resistorForPosition(static_cast<std::uint8_t>(position));
    state_.rvor = r;
    const char sep = separator();
    LabelR->setText(qs(numbers::displayText(r / 1000000, sep) + " MOhm"));
    if (r < 1000000)
        LabelR->setText(qs(numbers::displayText(r / 1000, sep) + " kOhm"));
    if (r < 1000)
        LabelR->setText(qs(numbers::displayText(r, sep) + " Ohm"));
}

void Formexp::UpDownT_Change() { LabelT->setText(QString::number(UpDownT->value()) + QStringLiteral("°C")); }

void Formexp::UpDownV_Change() { LabelV->setText(QString::number(UpDownV->value()) + QStringLiteral(" V")); }

void Formexp::LabelR_Change() { f_anzeige(); }

void Formexp::LabelT_Change()
{
    const auto reading = numbers::readLeadingNumber(LabelT->text().toStdString());
    if (!reading.overflow)
        state_.tsoll = reading.value;
    f_anzeige();
}

void Formexp::LabelV_Change()
{
    const double v = numbers::roundHalfEven(numbers::leadingNumber(LabelV->text().toStdString()));
    // A voltage the 16-bit source cannot hold is refused, never wrapped.
    if (v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max())
        state_.uquelle = static_cast<std::int16_t>(v);
    f_anzeige();
}

void Formexp::Option1_Click(int index)
{
    state_.sensortyp = static_cast<std::uint8_t>(index);
    f_anzeige();
}

void Formexp::Picture1_Click()
{
    Picture1->hide();
    Frame1->hide();
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
    // Along the circuit: source, resistor and its bypass, thermostat and the
    // sensor's temperature, meter range and reading, then the sensor choice
    // and the buttons, the journal's where it is built. The readings take
    // the focus so that a screen reader reaches them and speaks each change.
    QList<QWidget*> chain = {UpDownV, UpDownR, Picture2, UpDownT, Labelsenstemp, UpDownVoltmeter, Labelanz};
    for (QRadioButton* option : Option1)
        chain << option;
    chain << ToggleButton1 << Command1 << Commandmessen << Commandprotokoll;
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
    // Only closing the bypass can destroy the diode or the thermocouple;
    // opening it is always allowed.
    if (!state_.rvor_kurz && model::sensorType(state_.sensortyp).bypassDestroys) {
        ui::services().message(this, tr("Sie versuchen, den Sensor zu zerstören!"));
        return;
    }
    state_.rvor_kurz = !state_.rvor_kurz;
    UpDownR->setEnabled(!state_.rvor_kurz);
    Picture2->setChecked(state_.rvor_kurz);
    state_.rvor = state_.rvor_kurz ? 0.01 : model::resistorForPosition(static_cast<std::uint8_t>(UpDownR->value()));
    Line1->setX2(state_.rvor_kurz ? 180 : 45);
    f_anzeige();
}

void Formexp::Command1_Click()
{
    Command1->setEnabled(false);
    setEnabled(false);
    enableJournalButtons(false);
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
    // The answers count even when the sensor went while they were given.
    writeRecord(course::ausgewertet);
    if (destroyed_)
        return; // the experiment is over; the program ends with this window
    setEnabled(true);
    enableJournalButtons(true);
    // In an exam the hidden sensor stays hidden: nobody measures the other
    // types and passes the readings on.
    if (!state_.course.pruefung) {
        Framesensor->show();
        ToggleButton1->show();
    }
    Picture2->setEnabled(true);
    Picture2->setToolTip(bypassTip());
    activateWindow();
}

void Formexp::closeEvent(QCloseEvent* e)
{
    // While the evaluation runs the bench cannot be closed; after the
    // sensor's destruction it always can.
    if (!isEnabled() && !destroyed_) {
        e->ignore();
        return;
    }
    // The journal window belongs to the bench; its rows are in the file.
    if (formprotokoll_)
        formprotokoll_->close();
    // The end is a moment of its own, after an evaluation too; the
    // destruction was the last one.
    if (!destroyed_)
        writeRecord(course::beendet);
    e->accept();
}

// ---------------------------------------------------------------- configuration

void Formexp::showSelfHeatingSwitch() { ToggleButton1->show(); }

void Formexp::pressSelfHeatingSwitch() { ToggleButton1->setChecked(true); }

void Formexp::hideSensorChoice() { Framesensor->hide(); }

void Formexp::selectSensor(int index)
{
    if (index < 0 || index >= model::sensorTypes)
        return;
    // Selecting by program runs the click handler, also for the button that
    // is already selected.
    if (Option1[index]->isChecked())
        Option1_Click(index);
    else
        Option1[index]->setChecked(true);
}

} // namespace bench
