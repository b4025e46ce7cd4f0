#pragma once
// The result record of one run: a JSON document with a version, written by
// the student's program and read by the teacher's grade export. The keys are
// English, so that other tools can read it too.

#include "grading/record.h"
#include "model/state.h"
#include "scoring/answers.h"

#include <QDateTime>
#include <QJsonArray>
#include <QString>

#include <optional>

#include <utility>
#include <vector>

namespace course {

inline const QString recordFormat = QStringLiteral("kora-result/1");

// The states of a record, one per moment it is written at.
inline const QString begonnen = QStringLiteral("begonnen");
inline const QString ausgewertet = QStringLiteral("ausgewertet");
inline const QString zerstoert = QStringLiteral("zerstoert");
inline const QString beendet = QStringLiteral("beendet");

struct SensorRecord {
    int index = 0; // 0..6; the bench shows index + 1
    QString name;
    std::vector<std::pair<QString, double>> parameters; // by their given names
    double teta = 20;
    double tolerance = 0;
    QString formula; // as the student was shown it
    double alpha = 0;
};

// One moment of the run (sign-in, evaluation, destruction, end) with its time.
// A later moment is added to the list; it never replaces an earlier one.
struct Moment {
    QString state;
    QDateTime time;
};

struct RunRecord {
    QString program;
    QString name;
    QString id; // the Matrikelnummer
    QString host;
    QString account;
    QDateTime started;
    QDateTime updated;
    QString configSha256;
    QString state;               // the newest moment's state
    std::vector<Moment> moments; // every moment in order; an old record gives one
    QString runId;               // random at sign-in: a copied record repeats it
    bool exam = false;
    // What the teacher's export needs to draw the sensor again: the seed of
    // the run's draw as a decimal text; empty with a personal variant (the
    // key word and the Matrikelnummer are the seed).
    QString seed;
    // The sensor the student chose where the choice is on the screen (the
    // bench shows choice + 1); a hidden choice is drawn from the teacher's file.
    std::optional<int> choice;
    // The hidden sensor; absent until the evaluation has shown it, and in an
    // exam for good.
    std::optional<SensorRecord> sensor;
    evaluation::Answers answers;
    int total = 0;
    int maximum = 8;
    QJsonArray journal; // one object per recorded row, keyed by the journal's columns
};

// The sensor part of the state: the hidden type with its parameters.
SensorRecord sensorOf(const model::ExperimentState& s);

// The state a record's sensor stands for: start values with the record's
// type, parameters, tolerance and alpha, so that it can be scored again.
model::ExperimentState stateOf(const SensorRecord& sensor);

// A time as the record keeps it: the wall clock with its offset, to the second.
grading::Time timeOf(const QDateTime& t);
QDateTime timeOf(const grading::Time& t);

// Between the desktop's record and the export's, which the teacher's page shares.
grading::SensorRecord toGrading(const SensorRecord& s);
SensorRecord fromGrading(const grading::SensorRecord& g);
RunRecord fromGrading(const grading::Record& g);
grading::Record toGrading(const RunRecord& r);

QByteArray toJson(const RunRecord& r);

struct ReadRecord {
    RunRecord record;
    QString error; // why the file cannot be used; empty when it was read
};

// Reads a record with grading's reader; a cut, foreign or newer file gives
// a reason in the chosen language, never a throw.
ReadRecord readRecord(const QByteArray& data);

} // namespace course
