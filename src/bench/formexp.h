#pragma once
// The experiment window: the bench drawn as a circuit with live displays,
// the thermostat's timer and the controls the student operates.

#include "evaluation/formantwort.h"
#include "model/config.h"
#include "model/random.h"
#include "model/state.h"
#include "model/thermal.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QAbstractButton;
class QFrame;
class QPushButton;
class QRadioButton;
class QTimer;

namespace course {
class Session;
} // namespace course

namespace journal {
class Formprotokoll;
class Journal;
struct Row;
} // namespace journal

namespace ui {
class DrawingSurface;
class Label;
class LineShape;
class PressGuard;
class UpDown;
} // namespace ui


namespace bench {

class Formexp : public QWidget, private model::ConfigTarget {
    Q_OBJECT
public:
    explicit Formexp(QWidget* parent = nullptr);
    // A course's run: the signed-in student, the personal draw and the
    // result records.
    explicit Formexp(std::unique_ptr<course::Session> session, QWidget* parent = nullptr);
    // The same with the teacher's file as the start read it once; the other
    // two read cmmup.dlx from the working folder.
    Formexp(std::unique_ptr<course::Session> session, model::ConfigFile teacherFile, QWidget* parent = nullptr);
    ~Formexp() override;

    const model::ExperimentState& state() const { return state_; }
    model::ExperimentState& state() { return state_; }
    const model::Thermostat& thermostat() const { return thermostat_; }
    const course::Session* session() const { return session_.get(); }
    bool destroyed() const { return destroyed_; }
    evaluation::Formantwort* evaluationWindow() const { return formantwort_; }
    journal::Journal& journal() const { return *journal_; }
    // The journal window once it has been opened.
    journal::Formprotokoll* journalWindow() const { return formprotokoll_.get(); }

    // Handlers, public so that tests can drive ticks without waiting.
    void Timer1_Timer();
    void f_anzeige();
    void f_voltmeter(float u);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Formexp(std::unique_ptr<course::Session> session, QWidget* parent, std::optional<model::ConfigFile> teacherFile);
    void buildWindow();
    void describeForScreenReaders(QWidget* circuit);
    void connectHandlers();
    void Form_Load();
    void f_instrujust();
    void destroySensor();
    void updateKeyboardReach();
    void showSensorTemperature();

    void UpDownR_Change();
    void UpDownT_Change();
    void UpDownV_Change();
    void UpDownVoltmeter_Change();
    void LabelR_Change();
    void LabelT_Change();
    void LabelV_Change();
    void Option1_Click(int index);
    void Picture1_Click();
    void Picture2_Click();
    void Command1_Click();
    void ToggleButton1_Click();
    void evaluationClosed();

    // The measurement journal (recording.cpp): the bench records what it
    // shows, never what it hides.
    void buildJournal();
    void Commandmessen_Click();
    void Commandprotokoll_Click();
    journal::Row shownRow() const;
    void sampleJournal();
    void enableJournalButtons(bool on);
    QString journalNote() const;

    // The course's result record (course.cpp), written at the run's moments.
    void writeRecord(const QString& state);
    QString problemNotice(const model::ProblemList& problems) const;

    // ConfigTarget: the configuration file acting on the window.
    void showSelfHeatingSwitch() override;
    void pressSelfHeatingSwitch() override;
    void hideSensorChoice() override;
    void selectSensor(int index) override;
    void hideJournal() override;

    char separator() const;

    model::ExperimentState state_;
    model::Thermostat thermostat_;
    model::Class1 random_;
    bool destroyed_ = false;
    std::unique_ptr<course::Session> session_;
    std::optional<model::ConfigFile> teacherFile_;

    QTimer* Timer1 = nullptr;
    ui::DrawingSurface* Picture1 = nullptr;
    ui::DrawingSurface* Picture2 = nullptr;
    ui::LineShape* Line1 = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Framesensor = nullptr;
    std::array<QRadioButton*, model::sensorTypes> Option1{};
    ui::UpDown* UpDownVoltmeter = nullptr;
    ui::UpDown* UpDownT = nullptr;
    ui::UpDown* UpDownV = nullptr;
    ui::UpDown* UpDownR = nullptr;
    QPushButton* Command1 = nullptr;
    ui::Label* Labelsenstemp = nullptr;
    ui::Label* Labelanz = nullptr;
    ui::Label* LabelT = nullptr;
    ui::Label* LabelV = nullptr;
    ui::Label* LabelR = nullptr;
    QPushButton* ToggleButton1 = nullptr;
    QPointer<evaluation::Formantwort> formantwort_;
    ui::PressGuard* pressGuard_ = nullptr; // the second click of the start page's double click
    QColor senstempColour_;                // the sensor temperature's colour below the warning

    QPushButton* Commandmessen = nullptr;
    QPushButton* Commandprotokoll = nullptr;
    ui::Label* Labelstatus = nullptr; // confirms each recorded row
    journal::Journal* journal_ = nullptr;
    std::unique_ptr<journal::Formprotokoll> formprotokoll_;
};

} // namespace bench
