#pragma once
// The evaluation without a toolkit: the type chosen, each key typed into the
// equation or alpha box, Enter and the close question go in; the view of
// every control, the messages as forms, the comparison to be plotted and the
// answers for the record come out. The steps keep their given names.
//
// Texts are keys of the context "evaluation::Formantwort". A message of
// several lines is a list of forms joined by the CR line break; an empty form
// is an empty line, a form with the key "%1" a text shown as it is.

#include "lab/view.h"
#include "model/state.h"
#include "scoring/answers.h"
#include "scoring/comparison.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lab {

using Lines = std::vector<Form>;

// A text shown as it is, in a list of forms.
Form plain(std::string text);

// A box the skin shows and waits on.
struct Box {
    bool besidePlot = false; // read while the curves stay in sight
    Lines text;
    // A last line made of parts joined as they stand, keys of "evaluation::reasons".
    std::vector<Form> reason;
    View view; // the controls as they stand while it is read
};

// The question before the window closes: its text and the two answers.
struct Question {
    Lines text;
    const char* yes; // closes
    const char* no;  // stays
};

// What the report prints; an exam's leaves out the right answers.
struct ReportFacts {
    bool exam = false;
    int sensorType = -1; // the type named on the page; -1 in an exam
    std::string formeltext, eingabeformel, alphaEingabe;
    std::string abweichung, alpha, abweichungAlpha; // shown with the separator
    bool withAlpha = false;
    int punkte = 0, hoechstpunkte = 0;
};

class Evaluation {
public:
    // The type's name as the list and the verdict show it; a skin words the
    // seven types' own names in its language. Without one, the file's names.
    struct Names {
        std::function<std::string(int type)> shown;
        std::function<std::string(int type)> withArticle; // "einen NTC-Widerstand"
    };

    // `state` is the experiment's; the evaluation writes only punkte and eingabeformel.
    Evaluation(model::ExperimentState& state, char separator, Names names = {});

    // The student's actions.
    void Form_Load();
    void Listsensoren_Click(int row); // a type selected in the list
    void Command1_Click();            // OK, or Enter in the list with a type selected
    // A key typed into the answer box with the box's text before it: the key
    // as the box takes it (0: dropped). Enter runs the step it confirms.
    int Textformel_KeyPress(int keyAscii, const std::string& boxText);
    void setText(const std::string& boxText); // the box's text as edited
    // Asked once where it matters before the window closes; nothing to ask otherwise.
    std::optional<Question> closeQuestion();
    void reportKept() { reportKept_ = true; }
    Box Form_Unload() const; // the closing box

    // What comes out.
    const View& view() const { return view_; }
    std::vector<Box> takeBoxes();
    // The control the keyboard goes to after the last action; empty: where it was.
    std::string takeFocus();
    // The last comparison, for the plot; set by each Enter on the equation.
    const std::optional<scoring::Comparison>& comparison() const { return comparison_; }
    std::string unit() const;
    ReportFacts report() const;
    const evaluation::Answers& answers() const { return answers_; }

    std::uint8_t schritt() const { return schritt_; }
    double abweichung() const { return abweichung_; }
    double abweichungAlpha() const { return abweichung_alpha_; }
    bool exam() const { return state_.course.pruefung; }
    bool finished() const { return finalView_; }
    std::string display(double value) const;
    std::string sensorName(int type) const;
    const model::ExperimentState& state() const { return state_; }
    char separator() const { return separator_; }

private:
    void f_antwortablauf();
    void f_antwortschritt1();
    void f_antwortschritt2();
    void f_antwortschritt3();
    void f_antwortschritt4(const scoring::Comparison& c);
    void f_antwortschritt5();
    void f_antwortschritt6();
    void f_sensoransicht();
    void f_anzeige();
    void compareCurves();
    void raise(bool besidePlot, Lines text, std::vector<Form> reason = {});

    ControlView& control(const char* name) { return view_.controls.at(name); }
    void show(const char* name, bool on) { control(name).visible = on; }
    void showMessage(Lines text);
    void showSlip(Form slip);
    Lines pointsLine(int points) const;

    model::ExperimentState& state_;
    char separator_;
    Names names_;
    View view_;
    std::vector<Box> boxes_;
    std::string focus_;
    std::optional<scoring::Comparison> comparison_;
    std::uint8_t schritt_ = 0;
    std::uint8_t auswahl_ = 0;
    double abweichung_ = 0;
    double abweichung_alpha_ = 0;
    Lines prompt_;              // the message that asks for the equation
    double alphaReference_ = 0; // the alpha the answer was scored against
    bool finalView_ = false;
    bool reportKept_ = false;  // printed, or saved as a PDF file
    bool reportAsked_ = false; // asked once about an unkept report
    evaluation::Answers answers_;
};

} // namespace lab
