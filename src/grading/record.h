#pragma once
// A result record (kora-result/1) as the teacher's export reads it from its
// bytes: every field it needs, or the reason why the file cannot be used.
// The desktop writes the records; this reader serves both skins.

#include "grading/isotime.h"
#include "grading/words.h"
#include "model/state.h"
#include "scoring/answers.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grading {

inline constexpr std::string_view recordFormat = "kora-result/1";

// The states of a record, one per moment it is written at.
inline constexpr std::string_view begonnen = "begonnen";
inline constexpr std::string_view ausgewertet = "ausgewertet";
inline constexpr std::string_view zerstoert = "zerstoert";
inline constexpr std::string_view beendet = "beendet";

struct SensorRecord {
    int index = 0; // 0..6; the bench shows index + 1
    std::string name;
    std::vector<std::pair<std::string, double>> parameters; // by their given names
    double teta = 20;
    double tolerance = 0;
    std::string formula; // as the student was shown it
    double alpha = 0;
};

struct Moment {
    std::string state;
    Time time;
};

struct Record {
    std::string program;
    std::string name;
    std::string id; // the Matrikelnummer
    std::string host;
    std::string account;
    Time started;
    Time updated;
    std::string configSha256;
    std::string state;           // the newest moment's state
    std::vector<Moment> moments; // every moment in order; an old record gives its one state
    std::string runId;
    bool exam = false;
    std::string seed; // the draw's seed as a decimal text; empty with a personal variant
    std::optional<int> choice;
    std::optional<SensorRecord> sensor;
    evaluation::Answers answers;
    int total = 0;
    int maximum = 8;
    std::string journal; // the journal's array as JSON text ("[]" when absent)
};

// The sensor part of the state: the hidden type with its parameters.
SensorRecord sensorOf(const model::ExperimentState& s);

// The state a record's sensor stands for: start values with the record's
// type, parameters, tolerance and alpha, so that it can be scored again.
model::ExperimentState stateOf(const SensorRecord& sensor);

struct ReadRecord {
    Record record;
    Form error; // why the bytes cannot be used; empty when they were read
};

// The record as its file holds it: indented JSON with its keys in order,
// whole values as whole numbers, times with their offset.
std::string recordText(const Record& r);
// The journal's array as a record holds it: one object a row, its cells by name.
std::string journalText(const std::vector<std::vector<std::pair<std::string, std::string>>>& rows);

// A moment of the run (after the sign-in, when the evaluation closes, at
// the sensor's destruction, at the end) as the record takes it.
struct MomentFacts {
    std::string_view state;
    Time time;
    const model::ExperimentState& s;
    const evaluation::Answers& answers; // what the evaluation has; empty before it
    std::string journal;                // the journal's rows as a JSON array
    int maximum = 0;                    // the points the evaluation could give
    bool choiceShown = false;           // the student picks the sensor on the screen
};

// Adds the moment: the evaluation's (`ausgewertet`) takes the answers and
// the points for good and, outside an exam, the sensor it has just shown;
// any other moment keeps what an evaluation left. A later moment is added
// to the list, it never replaces an earlier one.
void addMoment(Record& r, const MomentFacts& m);

// A part of a record's file name: characters a file system refuses become
// "_", at most 64 of them.
std::string fileNamePart(std::string_view text);

// The name a page offers the record under: KORA-<Matrikelnummer>-<yyyyMMdd-hhmmss>.json.
std::string recordFileName(std::string_view id, const Time& started);

// Reads a record; a cut, foreign or newer file gives a reason, never a throw.
ReadRecord readRecord(std::string_view bytes);

} // namespace grading
