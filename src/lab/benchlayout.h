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
