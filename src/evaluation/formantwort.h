#pragma once
// The evaluation window: asks for the sensor type, the equation of the
// characteristic and, for the resistive sensors, alpha; scores each answer,
// plots both curves and prints the report.

#include "lab/evaluation.h"
#include "model/state.h"
#include "scoring/answers.h"
#include "scoring/comparison.h"
#include "ui/services.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QFrame;
class QPushButton;

namespace journal {
class Journal;
} // namespace journal

namespace ui {
class DrawingSurface;
class ImageBox;
class Label;
class ListBox;
class TextBox;
} // namespace ui

namespace evaluation {

class Formantwort : public QWidget {
    Q_OBJECT
public:
    // `state` is the experiment's; the window writes only punkte and eingabeformel.
    explicit Formantwort(model::ExperimentState& state, QWidget* parent = nullptr);

    // What the report needs once the questions are answered.
    std::uint8_t schritt() const { return lab_.schritt(); }
    // The equation's deviation in whole percent after its scoring (during a
    // comparison, and after a failed one, the running sum).
    double abweichung() const { return lab_.abweichung(); }
    // The alpha answer's deviation in whole percent after its scoring.
    double abweichungAlpha() const { return lab_.abweichungAlpha(); }
    // An exam: each answer's points are shown, the right answers are not.
    bool exam() const { return lab_.exam(); }
    const model::ExperimentState& state() const { return state_; }
    // The run's measurement journal, printed after the report's first page.
    void setJournal(const journal::Journal* j) { journal_ = j; }
    // The signed-in student: the report prints this identity and asks nothing.
    void setStudent(const ui::Student& s)
    {
        student_ = s;
        studentAsked_ = true;
    }
    // The answers so far and their points, for the result record.
    const Answers& answers() const { return lab_.answers(); }

signals:
    // Raised by Form_Unload after the closing message, before the window goes.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Unload();
    void Commanddruck_Click();
    void Listsensoren_Click();
    void Command1_Click();
    void Textformel_KeyPress(int& keyAscii);

    // Sets the controls to the lab's view; each box the lab raised is shown
    // over the view it was raised in.
    void render();
    void renderView(const lab::View& view);
    QString worded(const std::vector<lab::Form>& lines) const;
    // Both curves of the lab's last comparison.
    void drawComparison();
    void drawScale(double top, const QString& unit);
    void drawSamples(const std::vector<scoring::Sample>& samples);
    void showMessage(const QString& text);
    // A box read while the plot is in sight, placed clear of the curves.
    void showBesidePlot(const QString& text);
    // What a screen reader says of the answer box: its hint, a slip, the message.
    void describeAnswerBox();
    // Whether the student, asked where it matters, lets the window close.
    bool mayClose();
    void describePlot(const QString& deviation);
    QString display(double value) const;
    // A type's name as the list, the verdict and the report show it.
    QString sensorName(int type) const;

    model::ExperimentState& state_;
    lab::Evaluation lab_;
    lab::View shown_;        // the view the controls show
    QString plotAxes_;       // the plot's axes, as a screen reader says them
    bool curvesDue_ = false; // an equation was confirmed: its curves are to be drawn

    ui::Label* Labelmeldung = nullptr;
    ui::ListBox* Listsensoren = nullptr;
    QPushButton* Command1 = nullptr;
    ui::Label* Labelglseite = nullptr;
    ui::TextBox* Textformel = nullptr;
    ui::Label* Labelhinweis = nullptr;   // under the box: what T means, alpha's unit
    ui::Label* Labelkorrektur = nullptr; // under the hint: a slip in the equation, named
    QFrame* Frametable = nullptr;
    ui::DrawingSurface* Picture1 = nullptr;
    QPushButton* Commanddruck = nullptr;
    std::array<ui::ImageBox*, model::sensorTypes> Imagesensor{};

    // Who prints the report, asked before the first print and kept for the run.
    ui::Student student_;
    bool studentAsked_ = false;
    const journal::Journal* journal_ = nullptr;
};

} // namespace evaluation
