// The teacher's file checked as kora --check-config checks it, its answer key
// for a Matrikelnummer, and the course page with the file inside. The texts
// leave as the std library's texts, {kind, context, key, parts}, worded by
// the page from the catalogue.

#include "binding.h"
#include "model/configcheck.h"
#include "teacher/coursepage.h"
#include "teacher/pagetexts.h"
#include "teacher/report.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

using emscripten::val;

val textOf(const teacher::Text& text)
{
    static const char* const kinds[] = {"shown", "form", "joined"};
    val out = val::object();
    out.set("kind", kinds[static_cast<int>(text.kind)]);
    out.set("context", text.context);
    out.set("key", text.key);
    std::vector<val> parts;
    for (const teacher::Text& part : text.parts)
        parts.push_back(textOf(part));
    out.set("parts", binding::array(parts));
    return out;
}

// The check of a file given as text, called `name` in its lines; with a
// Matrikelnummer ("" for none) the settings are that student's variant.
// {status, report}: the status as kora --check-config returns it.
val checkTeachersFile(const std::string& text, const std::string& name, const std::string& matrikel)
{
    const model::ConfigCheck check = model::checkConfigFile(model::configFileOfText(text), name, std::string(),
                                                            matrikel.empty() ? nullptr : &matrikel);
    val out = val::object();
    out.set("status", check.status);
    out.set("drawn", check.variant == model::ConfigCheck::Variant::Drawn);
    out.set("sensortyp", check.state.sensortyp);
    out.set("report", textOf(teacher::checkReport(check, name)));
    return out;
}

std::string coursePage(const std::string& page, const std::string& file) { return teacher::coursePage(page, file); }

std::string fromElement(const std::string& content) { return teacher::fromElement(content); }

// The file inside a page; null when it has none.
val fileInPage(const std::string& page)
{
    const auto file = teacher::fileInPage(page);
    return file ? val(*file) : val::null();
}

// The teacher's page's texts: {id: key}, and the context they are worded in.
val pageTexts()
{
    val texts = val::object();
    for (const auto& t : teacher::pageTexts())
        texts.set(t.id, std::string(t.key)); // as UTF-8, which a bare char pointer is not taken for
    val out = val::object();
    out.set("context", std::string(teacher::pageContext));
    out.set("texts", texts);
    return out;
}

val matrikelList(const std::string& text) { return binding::array(teacher::matrikelList(text)); }

} // namespace

EMSCRIPTEN_BINDINGS(kora_configcheck)
{
    emscripten::function("checkTeachersFile", &checkTeachersFile);
    emscripten::function("coursePage", &coursePage);
    emscripten::function("fileFromElement", &fromElement);
    emscripten::function("fileInPage", &fileInPage);
    emscripten::function("teacherPageTexts", &pageTexts);
    emscripten::function("matrikelList", &matrikelList);
}
