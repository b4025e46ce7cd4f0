#pragma once
// The evaluation window's controls as layout data.

#include "ui/layout.h"

#include <span>

namespace evaluation {

inline constexpr int windowWidth = 11790; // twips, client area
inline constexpr int windowHeight = 8820;

// The rows of Formantwort in their tab order; the seven sensor pictures
// come last, so that the one shown lies in front of the frame.
std::span<const ui::ControlSpec> formantwortRows();

} // namespace evaluation
