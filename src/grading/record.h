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

// Reads a record; a cut, foreign or newer file gives a reason, never a throw.
ReadRecord readRecord(std::string_view bytes);

} // namespace grading
