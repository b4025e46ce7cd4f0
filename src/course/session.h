#pragma once
// A signed-in run of a course: who the student is, the run's draw, and the
// result record written at the run's moments (after the sign-in, when the
// evaluation closes, at the sensor's destruction, at the end), never on the
// timer tick. Before the evaluation the record names no hidden sensor: it
// keeps what the teacher's export needs to draw it again instead.

#include "course/record.h"
#include "model/coursesettings.h"
#include "model/random.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace course {

struct Student {
    QString name;
    QString id; // the Matrikelnummer as typed
};

class Session {
public:
    // `configFolder` holds the teacher's file, `configBytes` are its bytes.
    Session(model::CourseSettings settings, const QString& configFolder, const QByteArray& configBytes,
            Student student);

    const Student& student() const { return student_; }
    // The run's draw: the personal one with a "variante" line, else one
    // seeded from a random number the record keeps.
    model::Class1* draw() const { return draw_.get(); }
    const QString& fileName() const { return fileName_; }

    // Writes the record at the moment `state`. The evaluation's moment
    // (`ausgewertet`) takes `answers` and `maximum` for good; any other
    // moment keeps what an evaluation left. `choiceShown` tells whether the
    // student picks the sensor on the screen (then its number is no secret).
    // Returns the notice for the student when the course folder cannot take
    // the record ("" when it could, or when the course keeps no records);
    // only then is a local copy kept, and the next write that reaches the
    // folder removes it.
    QString write(const QString& state, const model::ExperimentState& s, const evaluation::Answers& answers,
                  const QJsonArray& journal, int maximum, bool choiceShown = false);
    // The record as last written, for tests and the benchmark.
    const RunRecord& last() const { return record_; }

private:
    model::CourseSettings settings_;
    Student student_;
    std::unique_ptr<model::Class1> draw_;
    QString courseFolder_;
    QString fileName_;
    RunRecord record_;
};

} // namespace course
