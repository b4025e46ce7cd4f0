#include "course/overview.h"

#include "configreport/typenames.h"
#include "course/archive.h"
#include "course/record.h"
#include "course/rescore.h"
#include "course/text.h"
#include "course/variant.h"
#include "model/coursesettings.h"
#include "scoring/scoring.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace course {

namespace {

// No record comes near this; a larger file is no record and is not read.
constexpr qint64 largestRecord = 16 * 1024 * 1024;

// One record as the overview judges it.
struct Run {
    RunRecord record;
    QString student; // the one form of the Matrikelnummer
    bool evaluated = false;
    bool destroyedBefore = false; // destroyed with no evaluation before it
    bool destroyedAfter = false;
    int points = -1; // re-scored; -1 when the run was not evaluated
    int maximum = 0;
    bool pointsMatch = true;
    bool wrongVariant = false;
    bool copy = false;
    QString sensorName;
    int sensorIndex = -1;
    bool counts() const { return evaluated && !wrongVariant && !copy; }
};

// The states in order. A record whose newest state is not its last moment
// (an older writer, or a hand) is read as if that state came last.
void readMoments(Run& run)
{
    QStringList states;
    for (const Moment& m : run.record.moments)
        states << m.state;
    if (states.isEmpty() || states.last() != run.record.state)
        states << run.record.state;
    for (const QString& state : states) {
        if (state == zerstoert)
            (run.evaluated ? run.destroyedAfter : run.destroyedBefore) = true;
        run.evaluated = run.evaluated || state == ausgewertet;
    }
}

// The hash of the teacher's file that most runs were started with.
QString usualConfig(const QMap<QString, QList<Run>>& byStudent)
{
    QHash<QString, int> count;
    for (const auto& runs : byStudent)
        for (const Run& r : runs)
            ++count[r.record.configSha256];
    QString best;
    int most = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most || (it.value() == most && it.key() < best)) {
            best = it.key();
            most = it.value();
        }
    return best;
}

// In an exam the first evaluated run is the one handed in, whatever it scored.
const Run* firstEvaluated(const QList<Run>& runs)
{
    for (const Run& r : runs)
        if (r.evaluated)
            return &r;
    return nullptr;
}

const Run* counted(const QList<Run>& runs, Counting counting, bool exam)
{
    if (exam) {
        const Run* first = firstEvaluated(runs);
        return first && first->counts() ? first : nullptr;
    }
    const Run* pick = nullptr;
    for (const Run& r : runs) {
        if (!r.counts())
            continue;
        if (!pick || counting == Counting::Last || (counting == Counting::Best && r.points > pick->points))
            pick = &r;
        if (counting == Counting::First)
            break;
    }
    return pick;
}

bool anyRun(const QList<Run>& runs, bool Run::*flag)
{
    return std::any_of(runs.begin(), runs.end(), [flag](const Run& r) { return r.*flag; });
}

StudentRow rowOf(QList<Run>& runs, Counting counting, const QString& usual)
{
    std::sort(runs.begin(), runs.end(),
              [](const Run& a, const Run& b) { return a.record.started < b.record.started; });
    const bool exam = std::any_of(runs.begin(), runs.end(), [](const Run& r) { return r.record.exam; });
    StudentRow row;
    const Run* pick = counted(runs, counting, exam);
    const Run& shown = pick ? *pick : runs.first();
    row.id = runs.first().record.id;
    row.name = shown.record.name;
    row.points = pick ? pick->points : -1;
    row.maximum = shown.maximum;
    row.runs = static_cast<int>(runs.size());
    row.sensor = shown.sensorName;
    row.sensorIndex = shown.sensorIndex;
    row.started = shown.record.started;
    bool otherConfig = false;
    for (const Run& r : runs) {
        row.evaluated += r.evaluated;
        otherConfig = otherConfig || r.record.configSha256 != usual;
        if (!row.names.contains(r.record.name))
            row.names << r.record.name;
    }
    bool later = false;
    if (const Run* handedIn = exam ? firstEvaluated(runs) : nullptr)
        for (const Run& r : runs)
            later = later || (&r != handedIn && !(r.record.started < handedIn->record.started));
    const std::pair<bool, Note> notes[] = {
        {!std::all_of(runs.begin(), runs.end(), [](const Run& r) { return r.pointsMatch; }), Note::PointsDiffer},
        {anyRun(runs, &Run::wrongVariant), Note::WrongVariant},
        {anyRun(runs, &Run::copy), Note::Copy},
        {otherConfig, Note::OtherConfig},
        {row.names.size() > 1, Note::Names},
        {later, Note::LaterRun},
        {anyRun(runs, &Run::destroyedBefore), Note::Destroyed},
        {anyRun(runs, &Run::destroyedAfter), Note::DestroyedAfter},
    };
    for (const auto& [noted, note] : notes)
        if (noted)
            row.notes << note;
    return row;
}

// One file read and its record scored again; `error` says why it cannot be used.
struct Scored {
    Run run;
    QString error;
};

// The sensor the run is scored on: the one drawn again from the teacher's
// file where there is one, else the record's own.
Scored judge(Run run, const TeacherFile* teacher)
{
    readMoments(run);
    const RunRecord& r = run.record;
    run.student = QString::fromStdString(model::normalizedMatrikel(r.id.toStdString()));
    const std::optional<SensorRecord> drawn = teacher ? teacher->variantOf(r) : std::nullopt;
    if (teacher && r.sensor)
        run.wrongVariant = !drawn || !sameSensor(*r.sensor, *drawn);
    const SensorRecord* sensor = drawn ? &*drawn : r.sensor ? &*r.sensor : nullptr;
    if (run.evaluated && r.exam && !teacher)
        return {{}, tr("eine Prüfung lässt sich nur mit --config nachrechnen")};
    if (run.evaluated && !sensor)
        return {{}, teacher ? tr("die Variante lässt sich nicht neu ziehen (der Datensatz hat keinen Startwert)")
                            : tr("der Datensatz hat keinen Sensor und lässt sich nur mit --config nachrechnen")};
    run.maximum = r.maximum;
    if (sensor) {
        run.sensorName = configreport::shownSensorName(sensor->index, sensor->name.toStdString());
        run.sensorIndex = sensor->index;
        run.maximum = scoring::maximumPoints(sensor->index);
    }
    // Scored on the record's own sensor when it has one: where it fits the
    // variant it is the drawn one, and where it does not the run does not
    // count, but a changed total still shows.
    const SensorRecord* own = r.sensor ? &*r.sensor : sensor;
    const Rescored again = run.evaluated ? rescore(r.answers, *own) : Rescored{};
    run.pointsMatch = pointsMatch(r, again);
    if (run.evaluated)
        run.points = again.total();
    return {std::move(run), {}};
}

Scored judgeBytes(const QByteArray& data, const TeacherFile* teacher)
{
    ReadRecord read = readRecord(data);
    if (!read.error.isEmpty())
        return {{}, read.error};
    Run run;
    run.record = std::move(read.record);
    return judge(std::move(run), teacher);
}

Scored readAndJudge(const QString& path, const TeacherFile* teacher)
{
    QFile f(path);
    if (f.size() > largestRecord)
        return {{}, tr("die Datei ist zu groß für einen Datensatz")};
    if (!f.open(QIODevice::ReadOnly))
        return {{}, tr("die Datei lässt sich nicht öffnen")};
    return judgeBytes(f.readAll(), teacher);
}

// Re-scoring runs the whole comparison for every evaluated record, and the
// teacher's file is read again for every variant; the records are
// independent, so every core takes its share.
std::vector<Scored> readAll(std::size_t count, const std::function<Scored(std::size_t)>& readOne)
{
    std::vector<Scored> scored(count);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < scored.size(); i = next++)
            scored[i] = readOne(i);
    };
    const unsigned helpers = std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()) - 1, 15);
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < helpers && t + 1 < scored.size(); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    return scored;
}

// What a copied record keeps of its original besides the run identifier:
// the start time and the answers.
QString answersKey(const Run& r)
{
    const evaluation::Answers& a = r.record.answers;
    if (!r.evaluated || (!a.type && !a.equation && !a.alpha))
        return {};
    return r.record.started.toString(Qt::ISODateWithMs) + QLatin1Char('\x1f') +
           (a.type ? QString::number(*a.type) : QString()) + QLatin1Char('\x1f') +
           QString::fromStdString(a.equation.value_or("\x1e")) + QLatin1Char('\x1f') +
           QString::fromStdString(a.alpha.value_or("\x1e"));
}

// Marks every run that repeats another student's run identifier, and every
// run without one that repeats the start time and answers of another
// student's run with one (a copy with its identifier taken out), and that
// run too. Two runs with identifiers of their own are two runs even then: a
// class starts at one word, often at one server, and without personal
// variants many give the same right answers within the same second.
void markCopies(std::vector<Scored>& scored)
{
    QHash<QString, QSet<QString>> byRunId;
    QHash<QString, QList<const Run*>> byAnswers;
    for (const Scored& s : scored) {
        if (!s.error.isEmpty())
            continue;
        if (!s.run.record.runId.isEmpty())
            byRunId[s.run.record.runId].insert(s.run.student);
        if (const QString key = answersKey(s.run); !key.isEmpty())
            byAnswers[key].append(&s.run);
    }
    auto repeats = [&](const Run& r) {
        if (!r.record.runId.isEmpty() && byRunId.value(r.record.runId).size() > 1)
            return true;
        const QList<const Run*> same = byAnswers.value(answersKey(r));
        return std::any_of(same.begin(), same.end(), [&r](const Run* other) {
            return other->student != r.student && other->record.runId.isEmpty() != r.record.runId.isEmpty();
        });
    };
    std::vector<bool> copy(scored.size());
    for (std::size_t i = 0; i < scored.size(); ++i)
        copy[i] = scored[i].error.isEmpty() && repeats(scored[i].run);
    for (std::size_t i = 0; i < scored.size(); ++i)
        scored[i].run.copy = copy[i];
}

} // namespace

bool StudentRow::suspect() const
{
    return std::any_of(notes.begin(), notes.end(), [](Note n) { return n != Note::DestroyedAfter; });
}

int Overview::status() const
{
    const bool noted = std::any_of(students.begin(), students.end(), [](const StudentRow& r) { return r.suspect(); });
    return noted || !unreadable.isEmpty() ? 1 : 0;
}

namespace {

// The overview of the records named `names`, the i-th read by readOne(i).
Overview overviewOf(const QStringList& names, const std::function<Scored(std::size_t)>& readOne, Counting counting,
                    const TeacherFile* teacher)
{
    Overview o;
    o.variantsChecked = teacher != nullptr;
    QMap<QString, QList<Run>> byStudent;
    std::vector<Scored> scored = readAll(static_cast<std::size_t>(names.size()), readOne);
    markCopies(scored);
    for (std::size_t i = 0; i < scored.size(); ++i) {
        if (!scored[i].error.isEmpty())
            o.unreadable.append({names[static_cast<qsizetype>(i)], scored[i].error});
        else
            byStudent[scored[i].run.student].append(std::move(scored[i].run));
    }
    const QString usual = teacher ? teacher->sha256() : usualConfig(byStudent);
    for (auto& runs : byStudent)
        o.students.append(rowOf(runs, counting, usual));
    return o;
}

} // namespace

Overview readFolder(const QString& folder, Counting counting, const TeacherFile* teacher)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    return overviewOf(
        names, [&](std::size_t i) { return readAndJudge(dir.filePath(names[static_cast<qsizetype>(i)]), teacher); },
        counting, teacher);
}

Overview readZip(const ZipContents& zip, Counting counting, const TeacherFile* teacher)
{
    QStringList names;
    for (const ZipFile& f : zip.records)
        names << f.name;
    return overviewOf(
        names,
        [&](std::size_t i) {
            const QByteArray& data = zip.records[i].data;
            return data.size() > largestRecord ? Scored{{}, tr("die Datei ist zu groß für einen Datensatz")}
                                               : judgeBytes(data, teacher);
        },
        counting, teacher);
}

} // namespace course
