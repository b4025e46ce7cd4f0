#pragma once
// The experiment window's design: its controls as a table, and the task page.

#include "lab/layoutspec.h"

#include <span>

namespace lab {

inline constexpr int benchWidth = 10980; // twips, client area
inline constexpr int benchHeight = 7815;

// The translation context of the bench's texts.
inline constexpr const char* benchContext = "bench::Formexp";

// The controls from back to front: a row listed later covers the ones before it.
std::span<const ControlSpec> benchControls();

// Where the task page stands once the window has started, in twips.
inline constexpr int taskPageLeft = 15;
inline constexpr int taskPageTop = 10;

// The keyboard's way through the bench once the task page is gone, along
// the circuit: source, resistor and its bypass, thermostat and the sensor's
// temperature, meter range and reading, then the sensor choice and the
// buttons. The readings are in it so that a screen reader reaches them.
std::span<const char* const> benchTabOrder();

// A line of the task page, in Times New Roman bold; its text is a key of
// the context "TaskPage".
struct PageLine {
    int top;  // twips from the page top
    int left; // twips from the page's left edge
    double points;
    bool red;
    const char* text;
};

// The assignment; items open with a hyphen at the margin, their
// continuation lines are indented by two blanks.
std::span<const PageLine> taskPage();

} // namespace lab
