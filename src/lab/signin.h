#pragma once
// The sign-in's rules without a toolkit: name and Matrikelnummer as typed go
// in; whether OK takes them, the line that says what is missing and the
// student as the course keeps them come out. Texts are keys of the context
// "signin::Formanmeldung".

#include "lab/layoutspec.h"
#include "lab/words.h"

#include <span>
#include <string>
#include <string_view>

namespace lab {

inline constexpr const char* signInContext = "signin::Formanmeldung";

class SignIn {
public:
    // `digits`: the number of digits the teacher's file asks for
    // (stellen=N); 0 for any Matrikelnummer of the usual form.
    explicit SignIn(int digits = 0) : digits_(digits) {}

    void setName(std::string_view typed);
    void setMatrikel(std::string_view typed);

    // The entries as kept: the name's spaces simplified, the number trimmed.
    const std::string& name() const { return name_; }
    const std::string& matrikel() const { return matrikel_; }
    // The number as the course files and the personal draw use it.
    std::string normalized() const;
    // What is still missing; empty once OK takes the entries.
    const Form& missing() const { return missing_; }
    bool okEnabled() const { return missing_.empty(); }
    // What the number box expects, as a screen reader says it.
    Form expected() const;

private:
    void check();

    int digits_;
    std::string name_, matrikel_;
    Form missing_{QT_TRANSLATE_NOOP("signin::Formanmeldung", "Bitte geben Sie Ihren Namen ein."), {}};
};

// The dialog's controls from top to bottom, each label before its box; the
// dialog lays them out in rows, so the places are the order, not twips.
inline constexpr int nameLength = 80; // characters a box takes
inline constexpr int matrikelLength = 20;
std::span<const ControlSpec> signInControls();

} // namespace lab
