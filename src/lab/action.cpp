#include "lab/action.h"

#include <string_view>

namespace lab {

namespace {

// Whether a person can reach the control now: the window takes input, the
// control is shown and enabled, it lies inside a shown group, and the task
// page is gone (it covers every control).
bool reachable(const Bench& bench, std::string_view name, std::string_view group = {})
{
    const View& v = bench.view();
    const ControlView& c = v.at(name);
    return v.enabled && c.visible && c.enabled && (group.empty() || v.at(group).visible) &&
           !v.at("Picture1").visible;
}

} // namespace

bool act(Bench& bench, const Action& a)
{
    const std::string_view kind = a.kind;
    if (kind == "start") {
        if (bench.view().at("Picture1").visible && bench.view().enabled)
            bench.Picture1_Click();
    } else if (kind == "step") {
        if (reachable(bench, a.control))
            bench.step(a.control, a.value);
    } else if (kind == "choose") {
        if (a.value >= 0 && a.value < model::sensorTypes &&
            reachable(bench, Bench::optionName(a.value), "Framesensor"))
            bench.choose(a.value);
    } else if (kind == "bypass") {
        if (reachable(bench, "Picture2"))
            bench.Picture2_Click();
    } else if (kind == "selfheating") {
        if (reachable(bench, "ToggleButton1"))
            bench.press(a.value != 0);
    } else if (kind == "tick") {
        for (int i = 0; i < (a.value > 1 ? a.value : 1); ++i)
            bench.Timer1_Timer();
    } else if (kind == "record") {
        if (bench.mayRecord())
            bench.Commandmessen_Click();
    } else if (kind == "evaluate") {
        if (reachable(bench, "Command1"))
            bench.Command1_Click();
    } else if (kind == "evaluationClosed") {
        if (!bench.view().enabled)
            bench.evaluationClosed();
    } else if (kind == "caption") {
        bench.setCaption(a.control, a.text);
    } else {
        return false;
    }
    return true;
}

} // namespace lab
