#include "course/overview.h"

#include "configreport/typenames.h"
#include "course/record.h"
#include "course/rescore.h"
#include "course/text.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace course {

namespace {

// No record comes near this; a larger file is no record and is not read.
constexpr qint64 largestRecord = 16 * 1024 * 1024;

struct Run {
    RunRecord record;
    bool pointsMatch = true;
};

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

const Run* counted(const QList<Run>& runs, Counting counting)
{
    const Run* pick = nullptr;
    for (const Run& r : runs) {
        if (r.record.state != ausgewertet)
            continue;
        if (!pick || counting == Counting::Last ||
            (counting == Counting::Best && r.record.total > pick->record.total))
            pick = &r;
        if (counting == Counting::First)
            break;
    }
    return pick;
}

StudentRow rowOf(QList<Run>& runs, Counting counting, const QString& usual)
{
    std::sort(runs.begin(), runs.end(),
              [](const Run& a, const Run& b) { return a.record.started < b.record.started; });
    StudentRow row;
    const Run* pick = counted(runs, counting);
    const RunRecord& shown = pick ? pick->record : runs.first().record;
    row.id = shown.id;
    row.name = shown.name;
    row.points = pick ? pick->record.total : -1;
    row.maximum = shown.maximum;
    row.runs = static_cast<int>(runs.size());
    if (shown.sensor) {
        row.sensor = configreport::shownSensorName(shown.sensor->index, shown.sensor->name.toStdString());
        row.sensorIndex = shown.sensor->index;
    }
    row.started = shown.started;
    QStringList names;
    bool forged = false, otherConfig = false, destroyed = false;
    for (const Run& r : runs) {
        row.evaluated += r.record.state == ausgewertet;
        forged = forged || !r.pointsMatch;
        otherConfig = otherConfig || r.record.configSha256 != usual;
        destroyed = destroyed || r.record.state == zerstoert;
        if (!names.contains(r.record.name))
            names << r.record.name;
    }
    if (forged)
        row.notes << tr("Punkte passen nicht zur Nachrechnung");
    if (otherConfig)
        row.notes << tr("andere cmmup.dlx");
    if (names.size() > 1)
        row.notes << tr("verschiedene Namen: %1").arg(names.join(QStringLiteral(", ")));
    if (destroyed)
        row.notes << tr("Sensor zerstört");
    return row;
}


// One file read and its record scored again; `error` says why it cannot be used.
struct Scored {
    Run run;
    QString error;
};

Scored readAndRescore(const QString& path)
{
    QFile f(path);
    if (f.size() > largestRecord)
        return {{}, tr("die Datei ist zu groß für einen Datensatz")};
    if (!f.open(QIODevice::ReadOnly))
        return {{}, tr("die Datei lässt sich nicht öffnen")};
    ReadRecord read = readRecord(f.readAll());
    if (!read.error.isEmpty())
        return {{}, read.error};
    Scored s{{std::move(read.record)}, {}};
    s.run.pointsMatch = pointsMatch(s.run.record, rescore(s.run.record));
    return s;
}

// Re-scoring runs the whole comparison for every evaluated record; the
// records are independent, so every core takes its share.
std::vector<Scored> readAll(const QDir& dir, const QStringList& names)
{
    std::vector<Scored> scored(static_cast<std::size_t>(names.size()));
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < scored.size(); i = next++)
            scored[i] = readAndRescore(dir.filePath(names[static_cast<qsizetype>(i)]));
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

} // namespace

int Overview::status() const
{
    const bool noted = std::any_of(students.begin(), students.end(), [](const StudentRow& r) { return !r.notes.isEmpty(); });
    return noted || !unreadable.isEmpty() ? 1 : 0;
}

Overview readFolder(const QString& folder, Counting counting)
{
    Overview o;
    QMap<QString, QList<Run>> byStudent;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    std::vector<Scored> scored = readAll(dir, names);
    for (std::size_t i = 0; i < scored.size(); ++i) {
        if (!scored[i].error.isEmpty())
            o.unreadable.append({names[static_cast<qsizetype>(i)], scored[i].error});
        else
            byStudent[scored[i].run.record.id].append(std::move(scored[i].run));
    }
    const QString usual = usualConfig(byStudent);
    for (auto& runs : byStudent)
        o.students.append(rowOf(runs, counting, usual));
    return o;
}

} // namespace course
