#pragma once
// The teacher's configuration file cmmup.dlx: read once at start-up from
// the working directory, each line lowered and handed to the handler of
// every keyword it contains.

#include "model/random.h"
#include "model/state.h"

#include <istream>
#include <string>
#include <vector>

namespace model {

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
    int line = 0;        // 1-based line number in the file
    std::string text;    // the line as it stands (UTF-8)
    std::string reason;  // plain German
};

// Reads pfad + "/cmmup.dlx" if it exists and applies it. Returns the lines
// that could not be used.
std::vector<ConfigProblem> f_connect(ExperimentState& s, ConfigTarget& target, Class1& random);

// Applies the lines of an already opened configuration, as f_connect does
// with the file's content.
std::vector<ConfigProblem> applyConfig(std::istream& in, ExperimentState& s, ConfigTarget& target, Class1& random);

// The teacher's message listing the problems ("" when there are none).
std::string problemReport(const std::vector<ConfigProblem>& problems);

} // namespace model
