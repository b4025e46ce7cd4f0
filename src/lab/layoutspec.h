#pragma once
// Layout as data: a window's controls as rows of a table, with positions and
// sizes in twips, so that every skin places the same controls, by the same
// names, at the same places. A skin turns the rows into its own controls.

#include "lab/words.h"

namespace lab {

enum class Kind {
    Label,          // a caption the program sets
    UpDownV,        // up-down arrows, up and down
    UpDownH,        // up-down arrows, left and right
    Button,         // pressed by Space and Enter
    Toggle,         // two states, caption wraps
    Option,         // an option button of a group
    Frame,          // a group without caption
    Panel,          // a blank cover
    Surface,        // a drawing surface
    List,           // a list that reports Enter
    TextBox,        // a single-line text box
    Image,          // a picture at its own size; the text is the resource
    ImageStretched, // a picture stretched to the box
};

// Font faces of the design, served by metric twins. Default is the design's
// system font, a sans-serif face at 8.25 points.
enum class Face { Default, Sans, Serif, Mono };

struct FontSpec {
    Face face = Face::Default;
    double points = 0; // 0: the design's default size, 8.25 points
    bool bold = false;
};

inline constexpr double defaultPoints = 8.25;

// The positions of an up-down and the one it starts at; an empty range
// (minimum = maximum = 0) for any other control.
struct Range {
    int minimum = 0, maximum = 0, step = 0, value = 0;
    bool empty() const { return minimum == 0 && maximum == 0; }
};

struct ControlSpec {
    const char* name;
    Kind kind;
    int left, top, width, height; // twips, relative to the parent
    const char* text = "";
    FontSpec font{};
    const char* parent = nullptr; // name of the containing control, or the window
    bool visible = true;
    const char* accessibleName = nullptr;
    const char* toolTip = nullptr;
    Range range{};
};

} // namespace lab
