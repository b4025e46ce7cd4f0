#pragma once
// The experiment window: the bench drawn as a circuit with live displays,
// the thermostat's timer and the controls the student operates. The lab
// decides what the bench does; the window draws the lab's view and forwards
// what the student does, by the handlers' given names.

#include "evaluation/formantwort.h"
#include "lab/bench.h"
#include "model/config.h"

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
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

class Formexp : public QWidget {
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

    const model::ExperimentState& state() const { return lab_.state(); }
    model::ExperimentState& state() { return lab_.state(); }
    const model::Thermostat& thermostat() const { return lab_.thermostat(); }
    const course::Session* session() const { return session_.get(); }
    bool destroyed() const { return lab_.destroyed(); }
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
    // Sets the controls to the lab's view where it changed since the last
    // time, without their notifications reaching the lab again.
    void render();
    // The lab's messages in the chosen language.
    void tell();
    QString worded(const lab::Form& form) const;
    void destroySensor(const lab::Form& message);
    void updateKeyboardReach();
    void forward(const std::function<void()>& action);

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
    void sampleJournal();
    QString journalNote() const;

    // The course's result record (course.cpp), written at the run's moments.
    void writeRecord(const QString& state);
    QString problemNotice() const;

    lab::Bench lab_;
    // The run's state, the lab's, under the name the course's record reads.
    model::ExperimentState& state_;
    std::unique_ptr<course::Session> session_;
    std::optional<model::ConfigFile> teacherFile_;
    QHash<QString, QWidget*> controls_; // by their given names
    lab::View shown_;                   // the view as last drawn
    bool rendering_ = false;

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
    ui::PressGuard* pressGuard_ = nullptr;        // the second click of the start page's double click
    QHash<const QWidget*, QColor> designColours_; // the captions' colours where the lab sets none

    QPushButton* Commandmessen = nullptr;
    QPushButton* Commandprotokoll = nullptr;
    ui::Label* Labelstatus = nullptr; // confirms each recorded row
    journal::Journal* journal_ = nullptr;
    std::unique_ptr<journal::Formprotokoll> formprotokoll_;
};

} // namespace bench
