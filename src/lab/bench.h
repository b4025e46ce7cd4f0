#pragma once
// The bench's behaviour without a toolkit: the student's actions go in, the
// view of every control comes out, with the messages as keys and the
// journal's rows. The lab owns the run's experiment state, the thermostat
// and the random object; a skin draws the view and forwards what a person
// does, and decides nothing a second skin would have to decide again.
//
// The controls behave as the design's did, and the handlers keep their
// given names: a caption of the source, the set point or the resistor is
// read back whenever it is set; an up-down runs its handler only when its
// position changes; a selected option reports only when newly selected.

#include "lab/journalrow.h"
#include "lab/view.h"
#include "model/config.h"
#include "model/random.h"
#include "model/startupnotice.h"
#include "model/state.h"
#include "model/thermal.h"

#include <string>
#include <string_view>
#include <vector>

namespace lab {

// The messages of the bench: keys of the context "bench::Formexp".
namespace message {
inline constexpr const char* bypassRefused =
    QT_TRANSLATE_NOOP("bench::Formexp", "Sie versuchen, den Sensor zu zerstören!");
inline constexpr const char* destroyed =
    QT_TRANSLATE_NOOP("bench::Formexp", "Sie haben den Sensor und damit das Experiment \r"
                                        "durch thermische Überlastung zerstört!!");
// Values: the row's number, the sensor temperature and the voltmeter as
// shown; %4 is the skin's note that the journal could not be kept.
inline constexpr const char* rowRecorded =
    QT_TRANSLATE_NOOP("bench::Formexp", "Zeile %1 übernommen: %2, %3%4");
// The teacher's file had lines that could not be used; problems() has them.
inline constexpr const char* configProblems = "cmmup.dlx";
} // namespace message

// The self-heating switch's captions, keys of "bench::Formexp".
inline constexpr const char* selfHeatingOn =
    QT_TRANSLATE_NOOP("bench::Formexp", "Eigenerwärmung eingeschaltet");
inline constexpr const char* selfHeatingOff =
    QT_TRANSLATE_NOOP("bench::Formexp", "Eigenerwärmung ausgeschaltet");

// Above this the sensor temperature turns red: the sensor is destroyed
// above 150 °C, and with self-heating it gets there within a second.
inline constexpr double warningTemperature = 135;
inline constexpr int warningColour = 12; // bright red of the 16-colour palette

class Bench : private model::ConfigTarget {
public:
    // `separator`: the decimal separator of the user's locale.
    explicit Bench(char separator);

    // The start-up: the working folder, the teacher's file as found there (or
    // given as text), and in a course the student's personal draw (without
    // one, the lab's own random object serves the file's random forms).
    void Form_Load(const std::string& pfad, model::Class1* personal = nullptr);
    void Form_Load(const std::string& pfad, const model::ConfigFile& file, model::Class1* personal = nullptr);

    // The student's actions, as the controls report them.
    void Picture1_Click();                            // a click, Space or Enter on the task page
    void step(std::string_view updown, int position); // an up-down moved to a position
    void choose(int index);                           // an option of the sensor choice newly selected
    void Picture2_Click();                            // the bypass switch
    void press(bool down);                            // the self-heating switch pressed or released
    void setCaption(std::string_view label, const std::string& text); // a caption set from outside
    // A thermostat tick; false once the sensor is destroyed (then nothing ticks).
    bool Timer1_Timer();
    // "Messwert übernehmen": the row as the displays show it, numbered.
    JournalRow Commandmessen_Click();
    // Whether the button could be clicked: shown, enabled, not covered by
    // the task page; the key that records works exactly then.
    bool mayRecord() const;
    // "Auswertung": false when the button does not take the press.
    bool Command1_Click();
    void evaluationClosed();

    // What comes out.
    const View& view() const { return view_; }
    // The messages since the last call, in order.
    std::vector<Form> takeMessages();
    JournalRow shownRow() const;
    // The rows recorded in this run, in order.
    const std::vector<JournalRow>& rows() const { return rows_; }

    model::ExperimentState& state() { return state_; }
    const model::ExperimentState& state() const { return state_; }
    const model::Thermostat& thermostat() const { return thermostat_; }
    const model::ProblemList& problems() const { return problems_; }
    // The message about the teacher's file's unusable lines, as the
    // configProblems message asks for it.
    std::vector<model::Phrase> problemNotice() const;
    bool destroyed() const { return destroyed_; }
    bool evaluated() const { return evaluated_; }
    // While the evaluation runs the bench cannot be closed; after the
    // sensor's destruction it always can.
    bool mayClose() const { return view_.enabled || destroyed_; }
    char separator() const { return separator_; }

    // The name of the sensor choice's option of this index, "Option1_<index>".
    static std::string optionName(int index);
    // What an up-down's position means, in words and units ("10 kOhm", "20 V"),
    // as assistive tools tell it.
    std::string positionText(std::string_view updown, int position) const;

    // The circuit and the meter, by their given names.
    void f_anzeige();
    void f_voltmeter(float u);

private:
    void f_instrujust();
    void showSensorTemperature();
    void UpDownR_Change();
    void UpDownT_Change();
    void UpDownV_Change();
    void UpDownVoltmeter_Change();
    void LabelR_Change();
    void LabelT_Change();
    void LabelV_Change();
    void Option1_Click(int index);
    void ToggleButton1_Click();
    void enableJournalButtons(bool on);
    static Form bypassTip(bool open);

    // The controls as the design's: a caption set runs its label's handler;
    // a position, clamped to the range, runs the up-down's when it changes.
    ControlView& control(std::string_view name);
    int value(std::string_view name) const { return view_.at(name).value; }
    void caption(std::string_view label, const std::string& text);
    void position(std::string_view updown, int to);
    void select(int index);

    // ConfigTarget: the teacher's file acting on the bench, in file order.
    void showSelfHeatingSwitch() override;
    void pressSelfHeatingSwitch() override;
    void hideSensorChoice() override;
    void selectSensor(int index) override;
    void hideJournal() override;

    char separator_;
    model::ExperimentState state_;
    model::Thermostat thermostat_;
    model::Class1 random_;
    model::ProblemList problems_;
    View view_;
    std::vector<Form> messages_;
    bool destroyed_ = false;
    bool evaluated_ = false;
    std::vector<JournalRow> rows_;
};

} // namespace lab
