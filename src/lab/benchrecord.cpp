// The bench's part in the evaluation, the journal's rows as the displays
// show them, and the teacher's file acting on the controls.

#include "lab/bench.h"

#include "model/sensortypes.h"
#include "model/voltmeter.h"

#include <algorithm>

namespace lab {

namespace {

bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string trimmed(std::string_view t)
{
    while (!t.empty() && isSpace(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isSpace(t.back()))
        t.remove_suffix(1);
    return std::string(t);
}

// A caption in the journal's number form: "." as decimal point.
std::string neutral(std::string t, char separator)
{
    if (separator != '.')
        std::replace(t.begin(), t.end(), separator, '.');
    return t;
}

// A caption without its unit, in the journal's number form.
std::string withoutUnit(const std::string& caption, std::string_view unit, char separator)
{
    std::string t = trimmed(caption);
    if (t.size() >= unit.size() && t.compare(t.size() - unit.size(), unit.size(), unit) == 0)
        t.resize(t.size() - unit.size());
    return neutral(trimmed(t), separator);
}

} // namespace

// The bypass is locked until the evaluation is over; its tooltip says so.
Form Bench::bypassTip(bool open)
{
    if (open)
        return {QT_TRANSLATE_NOOP("bench::Formexp", "Vorwiderstand überbrücken"), {}};
    return {QT_TRANSLATE_NOOP("bench::Formexp", "Vorwiderstand überbrücken (möglich nach der Auswertung)"),
            {}};
}

// ---------------------------------------------------------------- evaluation and journal

bool Bench::Command1_Click()
{
    ControlView& c = control("Command1");
    if (!c.enabled)
        return false;
    c.enabled = false;
    view_.enabled = false;
    enableJournalButtons(false);
    return true;
}

void Bench::evaluationClosed()
{
    evaluated_ = true;
    if (destroyed_)
        return; // the experiment is over
    view_.enabled = true;
    enableJournalButtons(true);
    // In an exam the hidden sensor stays hidden: nobody measures the other
    // types and passes the readings on.
    if (!state_.course.pruefung) {
        control("Framesensor").visible = true;
        control("ToggleButton1").visible = true;
    }
    control("Picture2").enabled = true;
    control("Picture2").tip = bypassTip(true);
}

void Bench::enableJournalButtons(bool on)
{
    control("Commandmessen").enabled = on;
    control("Commandprotokoll").enabled = on;
}

bool Bench::mayRecord() const
{
    const ControlView& button = view_.at("Commandmessen");
    return !view_.at("Picture1").visible && button.visible && button.enabled && view_.enabled;
}

JournalRow Bench::shownRow() const
{
    JournalRow r;
    r.sensor = hiddenSensor;
    if (view_.at("Framesensor").visible)
        for (int i = 0; i < model::sensorTypes; ++i)
            if (value(optionName(i)) == 1)
                r.sensor = std::to_string(i + 1);
    r.thermostat = withoutUnit(view_.at("LabelT").text, "°C", separator_);
    r.sensorTemp = withoutUnit(view_.at("Labelsenstemp").text, "°C", separator_);
    r.quelle = withoutUnit(view_.at("LabelV").text, "V", separator_);
    r.vorwiderstand = value("Line1") == 180 ? bypassed : neutral(view_.at("LabelR").text, separator_);
    r.messbereich = model::rangeName(value("UpDownVoltmeter"));
    r.anzeige = neutral(view_.at("Labelanz").text, separator_);
    r.eigenerwaermung = thermostat_.eigen_ein;
    return r;
}

JournalRow Bench::Commandmessen_Click()
{
    JournalRow row = shownRow();
    row.nr = static_cast<int>(rows_.size()) + 1;
    rows_.push_back(row);
    messages_.push_back(
        {message::rowRecorded,
         {std::to_string(row.nr), view_.at("Labelsenstemp").text, view_.at("Labelanz").text}});
    return row;
}

// ---------------------------------------------------------------- the teacher's file

std::vector<model::Phrase> Bench::problemNotice() const
{
    return model::startupNotice(problems_.kept, problems_.total, !view_.at("Framesensor").visible,
                                state_.course.pruefung);
}

void Bench::showSelfHeatingSwitch()
{
    control("ToggleButton1").visible = true;
}

void Bench::pressSelfHeatingSwitch()
{
    press(true);
}

void Bench::hideSensorChoice()
{
    control("Framesensor").visible = false;
}

void Bench::selectSensor(int index)
{
    if (index < 0 || index >= model::sensorTypes)
        return;
    // Selecting by program runs the click handler, also for the button that
    // is already selected.
    if (value(optionName(index)) == 1)
        Option1_Click(index);
    else
        select(index);
}

void Bench::hideJournal()
{
    for (const char* name : {"Commandmessen", "Commandprotokoll", "Labelstatus"})
        control(name).visible = false;
}

} // namespace lab
