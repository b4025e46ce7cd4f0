#pragma once
// A person's input as data, for anything that drives the bench by script:
// the table of action scripts and the page's binding send the same actions.

#include "lab/bench.h"

#include <string>

namespace lab {

struct Action {
    // "start", "step" (control, value), "choose" (value: the option's index),
    // "bypass", "selfheating" (value: 1 pressed, 0 released), "tick" (value:
    // how many, at least one), "record", "evaluate", "evaluationClosed",
    // "caption" (control, text).
    std::string kind;
    std::string control;
    int value = 0;
    std::string text;
};

// Applies the action as the input reaches the controls: one on a control
// that is hidden, locked, or covered by the task page is dropped, as every
// toolkit drops it. False for an unknown kind.
bool act(Bench& bench, const Action& action);

} // namespace lab
