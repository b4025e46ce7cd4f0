#pragma once
// Shared helpers of the JavaScript binding: JavaScript arrays, the lab's
// forms and layout rows as the page reads them, and the decimal separator as
// the page passes it (a one-character string).

#include "lab/layoutspec.h"

#include <emscripten/val.h>

#include <array>
#include <string>
#include <vector>

namespace binding {

template <class T> emscripten::val array(const std::vector<T>& items)
{
    emscripten::val out = emscripten::val::array();
    for (std::size_t i = 0; i < items.size(); ++i)
        out.set(i, items[i]);
    return out;
}

template <class T, std::size_t N> emscripten::val array(const std::array<T, N>& items)
{
    return array(std::vector<T>(items.begin(), items.end()));
}

inline emscripten::val form(const lab::Form& f)
{
    emscripten::val out = emscripten::val::object();
    out.set("key", f.key);
    out.set("values", binding::array(f.values));
    return out;
}

inline const char* kindName(lab::Kind kind)
{
    switch (kind) {
    case lab::Kind::Label: return "label";
    case lab::Kind::UpDownV: return "updownv";
    case lab::Kind::UpDownH: return "updownh";
    case lab::Kind::Button: return "button";
    case lab::Kind::Toggle: return "toggle";
    case lab::Kind::Option: return "option";
    case lab::Kind::Frame: return "frame";
    case lab::Kind::Panel: return "panel";
    case lab::Kind::Surface: return "surface";
    case lab::Kind::List: return "list";
    case lab::Kind::TextBox: return "textbox";
    case lab::Kind::Image: return "image";
    case lab::Kind::ImageStretched: return "imagestretched";
    }
    return "";
}

inline const char* faceName(lab::Face face)
{
    switch (face) {
    case lab::Face::Sans: return "sans";
    case lab::Face::Serif: return "serif";
    case lab::Face::Mono: return "mono";
    case lab::Face::Default: break;
    }
    return "default";
}

inline emscripten::val text(const char* s)
{
    return s ? emscripten::val(std::string(s)) : emscripten::val::null();
}

// "," or "."; anything else is taken as the German comma.
inline char separator(const std::string& text) { return text == "." ? '.' : ','; }

} // namespace binding
