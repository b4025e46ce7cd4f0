// The result record for a page: the run's moments written by grading's
// writer, the same keys and values as the desktop's file, so that the
// teacher's export reads both alike. The page hands in what only it knows:
// the times on the student's clock (ISO 8601 with their offset), the run's
// random identifier and the teacher's file's SHA-256; everything else comes
// from the bench, the evaluation and the course's lines.

#include "bench.h"
#include "binding.h"
#include "evaluation.h"
#include "grading/record.h"
#include "model/configcheck.h"
#include "model/coursesettings.h"
#include "scoring/scoring.h"

#include <emscripten/bind.h>

#include <string>

namespace {

using emscripten::val;

// The course's lines of the teacher's file, as the page needs them before
// the bench stands: whether the student signs in, with how many digits,
// whether it is an exam, and the language the file chooses ("" for none).
val course(const std::string& teachersFile)
{
    const model::StartChoices choices = model::startChoicesOf(binding::configFile(teachersFile));
    val out = val::object();
    out.set("signIn", choices.file.kind == model::ConfigFile::Kind::Read && choices.course.signInRequired());
    out.set("digits", choices.course.stellen);
    out.set("exam", choices.course.pruefung);
    out.set("language", choices.language);
    return out;
}

// The page's own texts around the record, keys of the context "page::Record".
val recordTexts()
{
    val out = val::object();
    out.set("context", std::string("page::Record"));
    out.set("save", std::string(QT_TRANSLATE_NOOP("page::Record", "Ergebnis speichern")));
    out.set("handIn",
            std::string(QT_TRANSLATE_NOOP("page::Record",
                                          "Speichern Sie das Ergebnis als Datei und geben Sie diese Datei ab, "
                                          "zum Beispiel als Dateiabgabe im Moodle-Kurs. Bis dahin bewahrt "
                                          "dieser Browser das Ergebnis auf.")));
    out.set("saved", std::string(QT_TRANSLATE_NOOP("page::Record", "Das Ergebnis wurde als %1 heruntergeladen.")));
    out.set("earlier",
            std::string(QT_TRANSLATE_NOOP("page::Record", "Noch nicht gespeicherte Ergebnisse früherer Versuche:")));
    out.set("title", std::string(QT_TRANSLATE_NOOP("page::Record", "Ergebnis")));
    return out;
}

class PageRecord {
public:
    PageRecord(const std::string& program, const std::string& name, const std::string& matrikel,
               const std::string& runId, const std::string& started, const std::string& configSha256)
    {
        r_.program = program;
        r_.name = name;
        r_.id = matrikel;
        r_.started = grading::parseTime(started);
        r_.configSha256 = configSha256;
        r_.runId = runId;
        // The maximum tells a resistor from the others: it waits for the evaluation too.
        r_.maximum = 0;
    }

    // A moment of the run on the bench alone (after the sign-in, at the
    // sensor's destruction, at the end); `journal` is the journal's array as
    // the page's journal gives it (recordJournal()).
    void add(const std::string& state, const std::string& time, const PageBench& page, const std::string& journal)
    {
        addWith(state, time, page, evaluation::Answers{}, journal);
    }

    // The evaluation's moment, or a later one after it: its answers go in.
    void addEvaluated(const std::string& state, const std::string& time, const PageBench& page,
                      const PageEvaluation& e, const std::string& journal)
    {
        addWith(state, time, page, e.evaluation().answers(), journal);
    }

    std::string text() const { return grading::recordText(r_); }
    std::string fileName() const
    {
        return grading::recordFileName(model::normalizedMatrikel(r_.id), r_.started);
    }

private:
    void addWith(const std::string& state, const std::string& time, const PageBench& page,
                 const evaluation::Answers& answers, const std::string& journal)
    {
        const lab::Bench& b = page.bench();
        const model::ExperimentState& s = b.state();
        r_.exam = s.course.pruefung;
        r_.seed = page.seed();
        grading::addMoment(r_, {state, grading::parseTime(time), s, answers, journal.empty() ? std::string("[]") : journal,
                                scoring::maximumPoints(s.sensortyp), b.view().at("Framesensor").visible});
    }

    grading::Record r_;
};

} // namespace

EMSCRIPTEN_BINDINGS(kora_record)
{
    emscripten::class_<PageRecord>("RunRecord")
        .constructor<std::string, std::string, std::string, std::string, std::string, std::string>()
        .function("add", &PageRecord::add)
        .function("addEvaluated", &PageRecord::addEvaluated)
        .function("text", &PageRecord::text)
        .function("fileName", &PageRecord::fileName);
    emscripten::function("course", &course);
    emscripten::function("recordTexts", &recordTexts);
    emscripten::constant("version", std::string(KORA_VERSION));
}
