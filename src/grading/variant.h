#pragma once
// A student's variant drawn again from the teacher's file, as the run drew
// it at its start: the key word and the Matrikelnummer, or the seed the
// record keeps, and the sensor the student chose where the bench shows the
// choice. The grade export checks a record's sensor against it and scores
// a record without its sensor (an exam) on it.

#include "grading/record.h"
#include "model/coursesettings.h"

#include <optional>
#include <string>

namespace grading {

class TeacherFile {
public:
    explicit TeacherFile(std::string bytes);

    // The file's SHA-256 in hex, as a record names the file its run was started with.
    const std::string& sha256() const { return sha256_; }

    // The sensor this run drew (`id` as typed, the record's seed and
    // choice), or nothing when its draw cannot be repeated (no key word, no
    // seed, and the sensor's values are drawn).
    std::optional<SensorRecord> variantOf(const std::string& id, const std::string& seed,
                                          std::optional<int> choice) const;

private:
    // The sensor of `s`, or the one the student chose where the bench shows the choice.
    std::optional<SensorRecord> chosen(model::ExperimentState s, std::optional<int> choice) const;

    std::string bytes_;
    std::string sha256_;
    model::CourseSettings settings_;
    bool choiceHidden_ = false;
};

// Whether a record's sensor is the drawn one: the type and every value the
// scoring uses, alpha included (the name is the teacher's label and the
// formula is written from the values, so both are left aside).
bool sameSensor(const SensorRecord& a, const SensorRecord& b);

} // namespace grading
