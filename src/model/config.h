#pragma once
// The teacher's configuration file cmmup.dlx: read once at start-up from
// the working directory. Each line is handed to the handler of every keyword
// it contains; keywords and words such as "off" are matched on the lowered
// line, while names are stored as the teacher wrote them.

#include "model/configreason.h"
#include "model/random.h"
#include "model/state.h"

#include <cstddef>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// A teacher's file is a few dozen lines. Whatever lies beyond these limits
// is not read, so that neither a device nor a huge file can stall the start
// or fill the memory.
inline constexpr std::size_t maxConfigBytes = 1024 * 1024;
inline constexpr std::size_t maxLineBytes = 4096;
// A file with more unusable lines than this is no teacher's file; reading
// on would only make the start wait.
inline constexpr std::size_t maxProblemLines = 1000;
// The start-up message lists this many lines; `kora --check-config` all.
inline constexpr std::size_t reportedLines = 20;

// What a configuration line does to the experiment window, in file order,
// so that a selected sensor is computed at that moment as on the bench.
class ConfigTarget {
public:
    virtual ~ConfigTarget() = default;
    virtual void showSelfHeatingSwitch() = 0;
    virtual void pressSelfHeatingSwitch() = 0;
    virtual void hideSensorChoice() = 0;
    virtual void selectSensor(int index) = 0;
    // "protokoll:off": no measurement journal for this run (an exam). A
    // window without a journal has nothing to hide.
    virtual void hideJournal() {}
};

// A line that was not (fully) used, for the teacher's report.
struct ConfigProblem {
    int line = 0;      // 1-based line number in the file; 0 for the file as a whole
    std::string text;  // the line as it stands (UTF-8, control characters replaced)
    std::vector<ConfigReason> reasons; // in the order the handlers met them
};

// The problems of one reading in file order: the first `keep` in full and
// all of them counted, so that a file of bad lines cannot fill the memory.
struct ProblemList {
    std::size_t keep = std::numeric_limits<std::size_t>::max();
    std::vector<ConfigProblem> kept;
    std::size_t total = 0;
    // Remarks that look like a mistyped setting, for the teacher's check
    // only: at the start they stay remarks.
    bool collectHints = false;
    std::vector<ConfigProblem> hints;
    void add(ConfigProblem p)
    {
        ++total;
        if (kept.size() < keep)
            kept.push_back(std::move(p));
    }
};

// For the teacher's check: each value that a dry run stored, as the file
// gave it ("12", "randint(5; 15)"), keyed by the field's place in the state.
class SettingNotes {
public:
    void note(const ExperimentState& s, const void* field, std::string shown);
    // The noted text of that field of `s`, or nullptr when no line set it.
    const std::string* find(const ExperimentState& s, const void* field) const;
    // A draw is noted with the value it gave, not its range (a student's variant).
    bool drawnValues = false;

private:
    std::map<std::ptrdiff_t, std::string> shown_;
};

// How the file at a path was found.
struct ConfigFile {
    enum class Kind { Missing, NotRegular, Unreadable, Read };
    Kind kind = Kind::Missing;
    std::string bytes; // at most maxConfigBytes
    bool cut = false;  // the file goes on beyond `bytes`
    bool readError = false;
};

// Opens the path without ever blocking on a pipe or a device: only a regular
// file (or a link to one) is read, and at most maxConfigBytes of it.
ConfigFile readConfigFile(const std::string& path);

// The teacher's file in the working folder pfad: pfad + "/cmmup.dlx".
std::string configPath(const std::string& pfad);

// Reads configPath(pfad) if it exists and applies it. Returns the lines
// that could not be used.
std::vector<ConfigProblem> f_connect(ExperimentState& s, ConfigTarget& target, Class1& random);
// The same, collecting the problems into `problems`.
void f_connect(ExperimentState& s, ConfigTarget& target, Class1& random, ProblemList& problems);

// The reader itself: applies `bytes`, the file's first bytes (`cut` when it
// goes on beyond them). With `notes`, each stored value is noted as well.
void applyConfigText(std::string_view bytes, bool cut, ExperimentState& s, ConfigTarget& target, Class1& random,
                     ProblemList& problems, SettingNotes* notes = nullptr);

// Applies a file as readConfigFile found it; the problems call it `name`.
void applyConfigFile(const ConfigFile& file, std::string_view name, ExperimentState& s, ConfigTarget& target,
                     Class1& random, ProblemList& problems, SettingNotes* notes = nullptr);

} // namespace model
