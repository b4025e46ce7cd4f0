#pragma once
// A signed-in run of a course: who the student is, the personal draw, and
// the result record written at the run's four moments (after the sign-in,
// when the evaluation closes, at the sensor's destruction, at the end
// without an evaluation), never on the timer tick.

#include "course/record.h"
#include "model/coursesettings.h"
#include "model/random.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace course {

struct Student {
    QString name;
    QString id; // the Matrikelnummer
};

class Session {
public:
    // `configFolder` holds the teacher's file, `configBytes` are its bytes.
    Session(model::CourseSettings settings, const QString& configFolder, const QByteArray& configBytes,
            Student student);

    const model::CourseSettings& settings() const { return settings_; }
    const Student& student() const { return student_; }
    // The personal draw with a "variante" line, else nullptr (the clock).
    model::Class1* draw() const { return draw_.get(); }
    // Where the course's records go; empty without an "ergebnisse" line.
    const QString& courseFolder() const { return courseFolder_; }
    const QString& fileName() const { return fileName_; }

    // Writes the record with `state`. Returns the notice for the student
    // when the course folder cannot take it ("" when it could, or when the
    // course keeps no records); the local copy is written either way.
    QString write(const QString& state, const model::ExperimentState& s, const evaluation::Answers& answers,
                  const QJsonArray& journal, int maximum);
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

// The course lines of the teacher's file as the reader finds them (a dry
// run of the whole file, drawing nothing).
model::CourseSettings courseSettingsOf(const QByteArray& configBytes);

} // namespace course
