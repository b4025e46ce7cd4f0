#pragma once
// The evaluation window's design: its controls as a table.

#include "lab/layoutspec.h"

#include <span>

namespace lab {

inline constexpr int evaluationWidth = 11790; // twips, client area
inline constexpr int evaluationHeight = 8820;

// The translation context of the evaluation's texts.
inline constexpr const char* evaluationContext = "evaluation::Formantwort";

// The rows of Formantwort in their tab order; the seven sensor pictures
// come last, so that the one shown lies in front of the frame.
std::span<const ControlSpec> evaluationControls();

} // namespace lab
