#include "lab/bench.h"

#include "lab/benchlayout.h"
#include "model/circuit.h"
#include "model/sensortypes.h"
#include "model/voltmeter.h"
#include "numbers/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace lab {

namespace {

// The range control's tooltip names the range its position selects.
Form rangeTip(int position)
{
    return {QT_TRANSLATE_NOOP("bench::Formexp", "Messbereich: %1"), {model::rangeName(position)}};
}

Range rangeOf(std::string_view name)
{
    for (const ControlSpec& row : benchControls())
        if (name == row.name)
            return row.range;
    return {};
}

} // namespace

std::string Bench::optionName(int index)
{
    return "Option1_" + std::to_string(index);
}

std::string Bench::positionText(std::string_view updown, int p) const
{
    if (updown == "UpDownV")
        return std::to_string(p) + " V";
    if (updown == "UpDownT")
        return std::to_string(p) + " °C";
    // The resistor's caption is the one its label shows.
    if (updown == "UpDownR")
        return view_.at("LabelR").text;
    // Named "Messbereich" already: the position says the range alone.
    if (updown == "UpDownVoltmeter")
        return model::rangeName(p);
    return std::to_string(p);
}

const ControlView& View::at(std::string_view name) const
{
    const auto it = controls.find(name);
    if (it == controls.end())
        throw std::out_of_range("no control " + std::string(name));
    return it->second;
}

Bench::Bench(char separator) : separator_(separator)
{
    // The design's state of every control; readings are shown as they are,
    // every other caption is worded.
    for (const ControlSpec& row : benchControls()) {
        ControlView c;
        c.text = row.text;
        const bool image = row.kind == Kind::Image || row.kind == Kind::ImageStretched;
        c.words = row.kind != Kind::Label && !image && c.text.empty() == false;
        c.visible = row.visible;
        c.value = row.range.value;
        view_.controls.emplace(row.name, c);
    }
    // The controls the window adds to the table: the bypass lever and the
    // line that confirms each recorded row.
    ControlView lever;
    lever.value = 45;
    view_.controls.emplace("Line1", lever);
    view_.controls.emplace("Labelstatus", ControlView{});
    control("Picture2").enabled = false;
    control("Picture2").tip = bypassTip(false);
    control("UpDownVoltmeter").tip = rangeTip(value("UpDownVoltmeter"));
    control(optionName(0)).value = 1;
}

ControlView& Bench::control(std::string_view name)
{
    const auto it = view_.controls.find(name);
    if (it == view_.controls.end())
        throw std::out_of_range("no control " + std::string(name));
    return it->second;
}

std::vector<Form> Bench::takeMessages()
{
    std::vector<Form> taken;
    taken.swap(messages_);
    return taken;
}

// ---------------------------------------------------------------- the controls

void Bench::caption(std::string_view label, const std::string& text)
{
    ControlView& c = control(label);
    c.text = text;
    c.words = false;
    if (label == "LabelR")
        LabelR_Change();
    else if (label == "LabelT")
        LabelT_Change();
    else if (label == "LabelV")
        LabelV_Change();
}

void Bench::position(std::string_view updown, int to)
{
    const Range r = rangeOf(updown);
    ControlView& c = control(updown);
    to = std::clamp(to, r.minimum, r.maximum);
    if (to == c.value)
        return;
    c.value = to;
    if (updown == "UpDownR")
        UpDownR_Change();
    else if (updown == "UpDownT")
        UpDownT_Change();
    else if (updown == "UpDownV")
        UpDownV_Change();
    else if (updown == "UpDownVoltmeter")
        UpDownVoltmeter_Change();
}

// The options form one group: selecting one clears the others, and only a
// newly selected one reports.
void Bench::select(int index)
{
    if (value(optionName(index)) == 1)
        return;
    for (int i = 0; i < model::sensorTypes; ++i)
        control(optionName(i)).value = i == index ? 1 : 0;
    Option1_Click(index);
}

// ---------------------------------------------------------------- start-up

void Bench::Form_Load(const std::string& pfad, model::Class1* personal)
{
    Form_Load(pfad, model::readConfigFile(model::configPath(pfad)), personal);
}

void Bench::Form_Load(const std::string& pfad, const model::ConfigFile& file, model::Class1* personal)
{
    state_.pfad = pfad;
    model::setStartValues(state_, separator_);
    // Only the lines the message lists are kept; a file of bad lines costs
    // the start no more than that.
    problems_.keep = model::reportedLines;
    model::applyConfigFile(file, "cmmup.dlx", state_, *this, personal ? *personal : random_, problems_);
    f_instrujust();
    f_anzeige();
    // The right formulas, like alpha, follow the configured parameters.
    model::buildFormulaTexts(state_, separator_);
    model::f_alpha(state_);
    if (problems_.total > 0)
        messages_.push_back({message::configProblems, {}});
}

void Bench::f_instrujust()
{
    caption("LabelV", std::to_string(state_.uquelle));
    position("UpDownV", state_.uquelle);
    caption("LabelT", numbers::displayText(state_.tsoll, separator_));
    position("UpDownT", static_cast<int>(numbers::roundHalfEven(state_.tsoll)));
}

// ---------------------------------------------------------------- circuit and meter

void Bench::f_anzeige()
{
    if (model::f_anzeige(state_) == model::Reading::Shown)
        f_voltmeter(static_cast<float>(state_.umess));
    // A fault leaves the display as it was; the thermostat tick treats it as
    // the sensor's destruction.
}

void Bench::f_voltmeter(float u)
{
    if (const auto text = model::voltmeterText(u, state_.messbereich, separator_))
        caption("Labelanz", *text);
}

void Bench::UpDownVoltmeter_Change()
{
    const int p = value("UpDownVoltmeter");
    state_.messbereich = model::rangeForPosition(p);
    control("UpDownVoltmeter").tip = rangeTip(p);
    f_voltmeter(static_cast<float>(state_.umess));
}

// ---------------------------------------------------------------- thermostat

bool Bench::Timer1_Timer()
{
    if (destroyed_)
        return false;
    model::applyPendingStep(state_, thermostat_);
    const model::Reading reading = model::f_anzeige(state_);
    if (reading == model::Reading::Shown)
        f_voltmeter(static_cast<float>(state_.umess));
    const bool computed = reading != model::Reading::Fault;
    model::computeNextStep(state_, thermostat_);
    if (std::isfinite(state_.tsensor))
        showSensorTemperature();
    // A characteristic that leaves the number range is the same overload.
    // Told once: no later tick reaches the test again.
    if (!computed || model::isDestroyed(state_)) {
        destroyed_ = true;
        messages_.push_back({message::destroyed, {}});
    }
    return true;
}

void Bench::showSensorTemperature()
{
    caption("Labelsenstemp", numbers::patternText(state_.tsensor, 1, 1, separator_) + " °C");
    control("Labelsenstemp").colour = state_.tsensor > warningTemperature ? warningColour : -1;
}

void Bench::press(bool down)
{
    ControlView& c = control("ToggleButton1");
    if (c.value == (down ? 1 : 0))
        return;
    c.value = down ? 1 : 0;
    ToggleButton1_Click();
}

void Bench::ToggleButton1_Click()
{
    model::toggleSelfHeating(state_, thermostat_);
    ControlView& c = control("ToggleButton1");
    c.text = thermostat_.eigen_ein ? selfHeatingOn : selfHeatingOff;
    c.words = true;
}

// ---------------------------------------------------------------- bench controls

void Bench::step(std::string_view updown, int to)
{
    position(updown, to);
}

void Bench::choose(int index)
{
    if (index >= 0 && index < model::sensorTypes)
        select(index);
}

void Bench::setCaption(std::string_view label, const std::string& text)
{
    caption(label, text);
}

void Bench::UpDownR_Change()
{
    const int p = value("UpDownR");
    if (p < 0 || p > std::numeric_limits<std::uint8_t>::max())
        return; // no resistor step beyond a byte; the design range is 20..70
    const double r = model::resistorForPosition(static_cast<std::uint8_t>(p));
    state_.rvor = r;
    if (r < 1000)
        caption("LabelR", numbers::displayText(r, separator_) + " Ohm");
    else if (r < 1000000)
        caption("LabelR", numbers::displayText(r / 1000, separator_) + " kOhm");
    else
        caption("LabelR", numbers::displayText(r / 1000000, separator_) + " MOhm");
}

void Bench::UpDownT_Change()
{
    caption("LabelT", std::to_string(value("UpDownT")) + "°C");
}

void Bench::UpDownV_Change()
{
    caption("LabelV", std::to_string(value("UpDownV")) + " V");
}

void Bench::LabelR_Change()
{
    f_anzeige();
}

void Bench::LabelT_Change()
{
    const auto reading = numbers::readLeadingNumber(view_.at("LabelT").text);
    if (!reading.overflow)
        state_.tsoll = reading.value;
    f_anzeige();
}

void Bench::LabelV_Change()
{
    const double v = numbers::roundHalfEven(numbers::leadingNumber(view_.at("LabelV").text));
    // A voltage the 16-bit source cannot hold is refused, never wrapped.
    if (v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max())
        state_.uquelle = static_cast<std::int16_t>(v);
    f_anzeige();
}

void Bench::Option1_Click(int index)
{
    state_.sensortyp = static_cast<std::uint8_t>(index);
    f_anzeige();
}

void Bench::Picture1_Click()
{
    control("Picture1").visible = false;
    control("Frame1").visible = false;
}

void Bench::Picture2_Click()
{
    // Only closing the bypass can destroy the diode or the thermocouple;
    // opening it is always allowed.
    if (!state_.rvor_kurz && model::sensorType(state_.sensortyp).bypassDestroys) {
        messages_.push_back({message::bypassRefused, {}});
        return;
    }
    state_.rvor_kurz = !state_.rvor_kurz;
    control("UpDownR").enabled = !state_.rvor_kurz;
    control("Picture2").value = state_.rvor_kurz ? 1 : 0;
    state_.rvor =
        state_.rvor_kurz ? 0.01 : model::resistorForPosition(static_cast<std::uint8_t>(value("UpDownR")));
    // The lever, from its pivot at 180 twips, stands upright while closed.
    control("Line1").value = state_.rvor_kurz ? 180 : 45;
    f_anzeige();
}

} // namespace lab
