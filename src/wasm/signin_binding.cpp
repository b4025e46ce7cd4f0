// The sign-in for a page: lab::SignIn with the entries as typed going in,
// the line of what is missing, whether OK takes them and the number as the
// course keeps it coming out, and the dialog's controls as data.

#include "design.h"
#include "lab/signin.h"

#include <emscripten/bind.h>

#include <string>

namespace {

using emscripten::val;

// What is still missing, or null once OK takes the entries.
val missing(const lab::SignIn& s)
{
    return s.missing().empty() ? val::null() : binding::form(s.missing());
}

val expected(const lab::SignIn& s) { return binding::form(s.expected()); }

// The dialog's controls from top to bottom, the boxes' lengths and the
// texts' context.
val design()
{
    val lengths = val::object();
    lengths.set("TextName", lab::nameLength);
    lengths.set("TextMatrikel", lab::matrikelLength);
    val out = val::object();
    out.set("controls", binding::controlRows(lab::signInControls()));
    out.set("lengths", lengths);
    out.set("context", std::string(lab::signInContext));
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(kora_signin)
{
    emscripten::class_<lab::SignIn>("SignIn")
        .constructor<int>()
        .function("setName", emscripten::optional_override([](lab::SignIn& s, const std::string& t) { s.setName(t); }))
        .function("setMatrikel",
                  emscripten::optional_override([](lab::SignIn& s, const std::string& t) { s.setMatrikel(t); }))
        .function("name", &lab::SignIn::name)
        .function("matrikel", &lab::SignIn::matrikel)
        .function("normalized", &lab::SignIn::normalized)
        .function("missing", &missing)
        .function("okEnabled", &lab::SignIn::okEnabled)
        .function("expected", &expected);
    emscripten::function("signInDesign", &design);
}
