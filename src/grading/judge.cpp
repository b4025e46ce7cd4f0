// One record judged: read from its bytes, its moments, its variant drawn
// again and checked, its answers scored again.

#include "grading/overview.h"
#include "grading/rescore.h"
#include "model/coursesettings.h"
#include "scoring/scoring.h"

namespace grading {

namespace {

// The states in order. A record whose newest state is not its last moment
// (an older writer, or a hand) is read as if that state came last.
void readMoments(Run& run)
{
    std::vector<std::string> states;
    for (const Moment& m : run.record.moments)
        states.push_back(m.state);
    if (states.empty() || states.back() != run.record.state)
        states.push_back(run.record.state);
    for (const std::string& state : states) {
        if (state == zerstoert)
            (run.evaluated ? run.destroyedAfter : run.destroyedBefore) = true;
        run.evaluated = run.evaluated || state == ausgewertet;
    }
}

Judged refused(const char* reason)
{
    return {{}, {reason, {}}};
}

} // namespace

Form tooLargeForARecord()
{
    return {QT_TRANSLATE_NOOP("course", "die Datei ist zu groß für einen Datensatz"), {}};
}

// The sensor the run is scored on: the one drawn again from the teacher's
// file where there is one, else the record's own.
Judged judge(std::string_view bytes, const TeacherFile* teacher)
{
    if (bytes.size() > largestRecord)
        return {{}, tooLargeForARecord()};
    ReadRecord read = readRecord(bytes);
    if (!read.error.empty())
        return {{}, read.error};
    Run run;
    run.record = std::move(read.record);
    readMoments(run);
    const Record& r = run.record;
    run.student = model::normalizedMatrikel(r.id);
    const std::optional<SensorRecord> drawn = teacher ? teacher->variantOf(r.id, r.seed, r.choice) : std::nullopt;
    if (teacher && r.sensor)
        run.wrongVariant = !drawn || !sameSensor(*r.sensor, *drawn);
    const SensorRecord* sensor = drawn ? &*drawn : r.sensor ? &*r.sensor : nullptr;
    if (run.evaluated && r.exam && !teacher)
        return refused(QT_TRANSLATE_NOOP("course", "eine Prüfung lässt sich nur mit --config nachrechnen"));
    if (run.evaluated && !sensor)
        return refused(
            teacher
                ? QT_TRANSLATE_NOOP("course", "die Variante lässt sich nicht neu ziehen (der Datensatz hat keinen Startwert)")
                : QT_TRANSLATE_NOOP("course", "der Datensatz hat keinen Sensor und lässt sich nur mit --config nachrechnen"));
    run.maximum = r.maximum;
    if (sensor) {
        run.sensorName = sensor->name;
        run.sensorIndex = sensor->index;
        run.maximum = scoring::maximumPoints(sensor->index);
    }
    // Scored on the record's own sensor when it has one: where it fits the
    // variant it is the drawn one, and where it does not the run does not
    // count, but a changed total still shows.
    const SensorRecord* own = r.sensor ? &*r.sensor : sensor;
    const Rescored again = run.evaluated ? rescore(r.answers, *own) : Rescored{};
    run.pointsMatch = pointsMatch(r.answers, r.total, again);
    if (run.evaluated)
        run.points = again.total();
    return {std::move(run), {}};
}

} // namespace grading
