#pragma once
// A window's design for a page: its layout table's rows as JavaScript
// objects, and the forms the lab's texts leave it as.

#include "lab/layoutspec.h"
#include "lab/view.h"

#include <emscripten/val.h>

#include <span>

namespace binding {

// {key, values}
emscripten::val form(const lab::Form& f);
emscripten::val forms(const std::vector<lab::Form>& fs);

// The design's rows, back to front; sizes in twips, font sizes in points.
emscripten::val controlRows(std::span<const lab::ControlSpec> controls);

// One control as a view shows it; `withLines` adds its forms, one a line.
emscripten::val controlView(const lab::ControlView& c, bool withLines);

} // namespace binding
