#pragma once
// What a skin draws: every control of a window by its given name, with what
// it shows and whether it takes input; the skin sets its own controls to it.

#include "lab/words.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace lab {

struct ControlView {
    std::string text;   // the caption as shown
    bool words = false; // the text is a key of the window's context, worded by the skin
    // An up-down's position; 1 for a selected option, a pressed toggle or a
    // closed switch; the lever's moving end in twips.
    int value = 0;
    bool enabled = true;
    bool visible = true;
    int colour = -1; // an index into the 16-colour palette where the window changes it; -1: the design's
    Form tip;        // the tooltip where the window changes it; empty: the layout's
    bool operator==(const ControlView&) const = default;
};

struct View {
    // Ordered by name, so that every build lists them alike.
    std::map<std::string, ControlView, std::less<>> controls;
    bool enabled = true; // the window as a whole takes input
    const ControlView& at(std::string_view name) const;
};

} // namespace lab
