#pragma once
// The evaluation window: asks for the sensor type, the equation of the
// characteristic and, for the resistive sensors, alpha; scores each answer,
// plots both curves and prints the report.

#include "scoring/answers.h"
#include "model/state.h"
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
    std::uint8_t schritt() const { return schritt_; }
    // The equation's deviation in whole percent after its scoring (during a
    // comparison, and after a failed one, the running sum).
    double abweichung() const { return abweichung_; }
    // The alpha answer's deviation in whole percent after its scoring.
    double abweichungAlpha() const { return abweichung_alpha_; }
    // An exam: each answer's points are shown, the right answers are not.
    bool exam() const { return state_.course.pruefung; }
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
    const Answers& answers() const { return answers_; }

signals:
    // Raised by Form_Unload after the closing message, before the window goes.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Unload();
    void f_antwortablauf();
    void f_antwortschritt1();
    void f_antwortschritt2();
    void f_antwortschritt3();
    void f_antwortschritt4(const scoring::Comparison& c);
    void f_antwortschritt5();
    void f_antwortschritt6();
    void f_sensoransicht();
    void Commanddruck_Click();
    void f_anzeige();
    void Listsensoren_Click();
    void Command1_Click();
    void Textformel_KeyPress(int& keyAscii);

    // Scores the equation against the hidden sensor and draws both curves.
    void compareCurves();
    void drawScale(double top, const QString& unit);
    void drawSamples(const std::vector<scoring::Sample>& samples);
    void showMessage(const QString& text);
    // A box read while the plot is in sight, placed clear of the curves.
    void showBesidePlot(const QString& text);
    // What a screen reader says of the answer box: its hint, a slip, the message.
    void describeAnswerBox();
    void showSlip(const QString& text);
    // Whether the student, asked where it matters, lets the window close.
    bool mayClose();
    void describePlot(const QString& deviation);
    QString display(double value) const;
    // A type's name as the list, the verdict and the report show it.
    QString sensorName(int type) const;
    // "Sie erhalten dafür ... Punkte und haben insgesamt ... Punkte"
    QString pointsLine(int points) const;

    model::ExperimentState& state_;
    std::uint8_t schritt_ = 0;
    std::uint8_t auswahl_ = 0;
    double abweichung_ = 0;
    double abweichung_alpha_ = 0;
    QString plotAxes_;          // the plot's axes, as a screen reader says them
    QString prompt_;            // the message that asks for the equation
    double alphaReference_ = 0; // the alpha the answer was scored against
    bool finalView_ = false;
    bool reportKept_ = false;  // printed, or saved as a PDF file
    bool reportAsked_ = false; // asked once about an unkept report

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
    Answers answers_;
};

} // namespace evaluation
