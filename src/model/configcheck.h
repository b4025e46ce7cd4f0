#pragma once
// The teacher's check of a configuration file (kora --check-config): a dry
// run of the reader's own handlers, with no window and without drawing.

#include "model/config.h"

#include <string>
#include <vector>

namespace model {

struct ConfigCheck {
    enum class Found { Missing, Unreadable, Read };
    Found found = Found::Missing;
    int status = 0; // 0 nothing to report, 1 problems reported, 2 missing or unreadable
    // Every problem that the start would report, at both ends of every
    // range, each once, in file order; for an unreadable file the one why.
    std::vector<ConfigProblem> problems;
    // Remarks that look like a mistyped setting; they leave the status alone.
    std::vector<ConfigProblem> hints;
    // What the file sets, as a dry run at the lower end of every range left
    // it, with the text of each value the file gave ("rand(0.0003; 0.0004)").
    ExperimentState state;
    bool switchShown = false;
    bool choiceHidden = false;
    bool journalHidden = false;
    SettingNotes notes;
    // The folder of the file, for a relative "ergebnisse" folder.
    std::string folder;
    // The results folder as the teacher's account finds it; any trouble
    // makes the status 1, for the students would meet it at the start.
    enum class ResultFolder { Fine, Missing, NotAFolder, NotWritable };
    ResultFolder resultFolder = ResultFolder::Fine;
    // With a Matrikelnummer the settings are that student's draws (the
    // teacher's answer key), unless the number breaks the rule or the file
    // has no "variante" line; both of these make the status 2.
    enum class Variant { None, Drawn, BadMatrikel, NoKey };
    Variant variant = Variant::None;
    std::string matrikel;
};

// Whether a hint names a keyword whose near miss would leave a course line
// unused; the check counts such a hint as an error.
bool hintIsError(const ConfigProblem& hint);

// Checks the file at `path`; the problems call it `name`. With `matrikel`,
// the settings are the ones this student draws. The results folder is tried
// as the teacher's account finds it.
ConfigCheck checkConfig(const std::string& path, const std::string& name, const std::string* matrikel = nullptr);
// The same for a file already read, its results folder untried (a page
// has no folders); `folder` is where a relative results folder lies.
ConfigCheck checkConfigFile(const ConfigFile& file, const std::string& name, const std::string& folder,
                            const std::string* matrikel = nullptr);
// A file given as text (a page has it so), cut as a read would cut it.
ConfigFile configFileOfText(std::string text);

// The teacher's file as the start reads it, once: its bytes, and the
// choices the sign-in and the windows take before the bench applies it.
struct StartChoices {
    ConfigFile file;
    std::string folder;     // where the file is looked for
    std::string language;   // "de", "en", or "" when the file chooses none
    CourseSettings course;  // the course lines
};

// Reads cmmup.dlx in `folder` (missing: start values, no course).
StartChoices readStartChoices(const std::string& folder);
// The same for a file already read (the page has it as text).
StartChoices startChoicesOf(ConfigFile file);

// The language the file at `path` chooses for the run ("de", "en"), or ""
// when it chooses none or the file is missing.
std::string configuredLanguage(const std::string& path);

} // namespace model
