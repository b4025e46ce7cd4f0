#include "lab/signin.h"

#include "model/coursesettings.h"

#include <array>

namespace lab {

namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Runs of blanks as one space, none at either end.
std::string simplified(std::string_view typed)
{
    std::string out;
    bool gap = false;
    for (char c : typed) {
        if (blank(c)) {
            gap = !out.empty();
            continue;
        }
        if (gap)
            out += ' ';
        gap = false;
        out += c;
    }
    return out;
}

std::string trimmed(std::string_view typed)
{
    std::size_t a = 0, b = typed.size();
    while (a < b && blank(typed[a]))
        ++a;
    while (b > a && blank(typed[b - 1]))
        --b;
    return std::string(typed.substr(a, b - a));
}

// clang-format off
// name, kind, left, top, width, height, text, font, parent, visible, accessible name
const std::array<ControlSpec, 8> rows = {{
    {"Labelintro", Kind::Label, 0, 0, 0, 0,
     QT_TRANSLATE_NOOP("signin::Formanmeldung", "Bitte melden Sie sich für diesen Versuch an.")},
    // The labels name the boxes for a screen reader; Alt+N and Alt+M reach them.
    {"Labelname", Kind::Label, 0, 0, 0, 0, QT_TRANSLATE_NOOP("signin::Formanmeldung", "&Name")},
    {"TextName", Kind::TextBox, 0, 0, 0, 0, "", {}, nullptr, true,
     QT_TRANSLATE_NOOP("signin::Formanmeldung", "Name")},
    {"Labelmatrikel", Kind::Label, 0, 0, 0, 0, QT_TRANSLATE_NOOP("signin::Formanmeldung", "&Matrikelnummer")},
    {"TextMatrikel", Kind::TextBox, 0, 0, 0, 0, "", {}, nullptr, true,
     QT_TRANSLATE_NOOP("signin::Formanmeldung", "Matrikelnummer")},
    {"Labelhinweis", Kind::Label, 0, 0, 0, 0, ""},
    {"CommandOK", Kind::Button, 0, 0, 0, 0, QT_TRANSLATE_NOOP("signin::Formanmeldung", "OK")},
    {"CommandAbbrechen", Kind::Button, 0, 0, 0, 0, QT_TRANSLATE_NOOP("signin::Formanmeldung", "Abbrechen")},
}};
// clang-format on

} // namespace

void SignIn::setName(std::string_view typed)
{
    name_ = simplified(typed);
    check();
}

void SignIn::setMatrikel(std::string_view typed)
{
    matrikel_ = trimmed(typed);
    check();
}

std::string SignIn::normalized() const
{
    return model::normalizedMatrikel(matrikel_);
}

Form SignIn::expected() const
{
    if (digits_ > 0)
        return {QT_TRANSLATE_NOOP("signin::Formanmeldung", "genau %1 Ziffern"), {std::to_string(digits_)}};
    return {QT_TRANSLATE_NOOP("signin::Formanmeldung", "3 bis 20 Buchstaben, Ziffern oder Bindestriche"), {}};
}

// OK takes only complete entries; the line says what is still missing.
void SignIn::check()
{
    if (name_.empty())
        missing_ = {QT_TRANSLATE_NOOP("signin::Formanmeldung", "Bitte geben Sie Ihren Namen ein."), {}};
    else if (matrikel_.empty())
        missing_ = {QT_TRANSLATE_NOOP("signin::Formanmeldung", "Bitte geben Sie Ihre Matrikelnummer ein."),
                    {}};
    else if (digits_ > 0 && !model::hasDigits(matrikel_, digits_))
        missing_ = {
            QT_TRANSLATE_NOOP("signin::Formanmeldung", "Die Matrikelnummer besteht aus genau %1 Ziffern."),
            {std::to_string(digits_)}};
    else if (!model::validMatrikel(matrikel_))
        missing_ = {
            QT_TRANSLATE_NOOP("signin::Formanmeldung",
                              "Die Matrikelnummer besteht aus 3 bis 20 Buchstaben, Ziffern oder \"-\"."),
            {}};
    else
        missing_ = {};
}

std::span<const ControlSpec> signInControls()
{
    return rows;
}

} // namespace lab
