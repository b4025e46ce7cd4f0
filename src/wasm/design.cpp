// The layout tables and views as a page reads them.

#include "design.h"

#include <string>

namespace binding {

using emscripten::val;

namespace {

const char* kindName(lab::Kind kind)
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

const char* faceName(lab::Face face)
{
    switch (face) {
    case lab::Face::Sans: return "sans";
    case lab::Face::Serif: return "serif";
    case lab::Face::Mono: return "mono";
    case lab::Face::Default: break;
    }
    return "default";
}

val text(const char* s) { return s ? val(std::string(s)) : val::null(); }

} // namespace

val form(const lab::Form& f)
{
    val out = val::object();
    out.set("key", f.key);
    val values = val::array();
    for (std::size_t i = 0; i < f.values.size(); ++i)
        values.set(i, f.values[i]);
    out.set("values", values);
    return out;
}

val forms(const std::vector<lab::Form>& fs)
{
    val out = val::array();
    for (std::size_t i = 0; i < fs.size(); ++i)
        out.set(i, form(fs[i]));
    return out;
}

val controlRows(std::span<const lab::ControlSpec> controls)
{
    val rows = val::array();
    int i = 0;
    for (const lab::ControlSpec& c : controls) {
        val row = val::object();
        row.set("name", std::string(c.name));
        row.set("kind", std::string(kindName(c.kind)));
        row.set("left", c.left);
        row.set("top", c.top);
        row.set("width", c.width);
        row.set("height", c.height);
        row.set("text", std::string(c.text));
        row.set("face", std::string(faceName(c.font.face)));
        row.set("points", c.font.points > 0 ? c.font.points : lab::defaultPoints);
        row.set("bold", c.font.bold);
        row.set("parent", text(c.parent));
        row.set("visible", c.visible);
        row.set("accessibleName", text(c.accessibleName));
        row.set("toolTip", text(c.toolTip));
        if (!c.range.empty()) {
            row.set("minimum", c.range.minimum);
            row.set("maximum", c.range.maximum);
        }
        rows.set(i++, row);
    }
    return rows;
}

val controlView(const lab::ControlView& c, bool withLines)
{
    val v = val::object();
    v.set("text", c.text);
    v.set("words", c.words);
    v.set("value", c.value);
    v.set("enabled", c.enabled);
    v.set("visible", c.visible);
    v.set("colour", c.colour);
    v.set("tip", c.tip.empty() ? val::null() : form(c.tip));
    if (withLines)
        v.set("lines", forms(c.lines));
    return v;
}

} // namespace binding
