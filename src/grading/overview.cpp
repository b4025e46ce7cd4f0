// The class overview from the judged records: copies marked across
// students, the runs grouped by student, the attempt that counts and the
// notes of each row.

#include "grading/overview.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <unordered_map>

namespace grading {

namespace {

// The hash of the teacher's file that most runs were started with.
std::string usualConfig(const std::map<std::string, std::vector<Run>>& byStudent)
{
    std::unordered_map<std::string, int> count;
    for (const auto& [student, runs] : byStudent)
        for (const Run& r : runs)
            ++count[r.record.configSha256];
    std::string best;
    int most = 0;
    for (const auto& [hash, n] : count)
        if (n > most || (n == most && hash < best)) {
            best = hash;
            most = n;
        }
    return best;
}

// In an exam the first evaluated run is the one handed in, whatever it scored.
const Run* firstEvaluated(const std::vector<Run>& runs)
{
    for (const Run& r : runs)
        if (r.evaluated)
            return &r;
    return nullptr;
}

const Run* counted(const std::vector<Run>& runs, Counting counting, bool exam)
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

bool anyRun(const std::vector<Run>& runs, bool Run::*flag)
{
    return std::any_of(runs.begin(), runs.end(), [flag](const Run& r) { return r.*flag; });
}

StudentRow rowOf(std::vector<Run>& runs, Counting counting, const std::string& usual)
{
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.record.started < b.record.started; });
    const bool exam = std::any_of(runs.begin(), runs.end(), [](const Run& r) { return r.record.exam; });
    StudentRow row;
    const Run* pick = counted(runs, counting, exam);
    const Run& shown = pick ? *pick : runs.front();
    row.id = runs.front().record.id;
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
        if (std::find(row.names.begin(), row.names.end(), r.record.name) == row.names.end())
            row.names.push_back(r.record.name);
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
            row.notes.push_back(note);
    return row;
}

std::string twoDigits(int v)
{
    return std::string(1, static_cast<char>('0' + v / 10 % 10)) + static_cast<char>('0' + v % 10);
}

// What a copied record keeps of its original besides the run identifier:
// the start time and the answers.
std::string answersKey(const Run& r)
{
    const evaluation::Answers& a = r.record.answers;
    if (!r.evaluated || (!a.type && !a.equation && !a.alpha))
        return {};
    const Time& t = r.record.started;
    return toSecond(t) + '.' + std::to_string(t.millisecond) + (t.offsetMinutes < 0 ? '-' : '+') +
           twoDigits(std::abs(t.offsetMinutes) / 60) + twoDigits(std::abs(t.offsetMinutes) % 60) + '\x1f' +
           (a.type ? std::to_string(*a.type) : std::string()) + '\x1f' + a.equation.value_or("\x1e") + '\x1f' +
           a.alpha.value_or("\x1e");
}

// Marks every run that repeats another student's run identifier, and every
// run without one that repeats the start time and answers of another
// student's run with one (a copy with its identifier taken out), and that
// run too. Two runs with identifiers of their own are two runs even then: a
// class starts at one word, often at one server, and without personal
// variants many give the same right answers within the same second.
void markCopies(std::vector<Judged>& judged)
{
    std::unordered_map<std::string, std::set<std::string>> byRunId;
    std::unordered_map<std::string, std::vector<const Run*>> byAnswers;
    for (const Judged& j : judged) {
        if (!j.error.empty())
            continue;
        if (!j.run.record.runId.empty())
            byRunId[j.run.record.runId].insert(j.run.student);
        if (const std::string key = answersKey(j.run); !key.empty())
            byAnswers[key].push_back(&j.run);
    }
    auto repeats = [&](const Run& r) {
        if (const auto it = byRunId.find(r.record.runId); it != byRunId.end() && it->second.size() > 1)
            return true;
        const auto same = byAnswers.find(answersKey(r));
        return same != byAnswers.end() && std::any_of(same->second.begin(), same->second.end(), [&r](const Run* other) {
                   return other->student != r.student && other->record.runId.empty() != r.record.runId.empty();
               });
    };
    std::vector<bool> copy(judged.size());
    for (std::size_t i = 0; i < judged.size(); ++i)
        copy[i] = judged[i].error.empty() && repeats(judged[i].run);
    for (std::size_t i = 0; i < judged.size(); ++i)
        judged[i].run.copy = copy[i];
}

} // namespace

bool StudentRow::suspect() const
{
    return std::any_of(notes.begin(), notes.end(), [](Note n) { return n != Note::DestroyedAfter; });
}

int Overview::status() const
{
    const bool noted =
        std::any_of(students.begin(), students.end(), [](const StudentRow& r) { return r.suspect(); });
    return noted || !unreadable.empty() ? 1 : 0;
}

Overview overviewOf(const std::vector<std::string>& names, std::vector<Judged> judged, Counting counting,
                    const TeacherFile* teacher)
{
    Overview o;
    o.variantsChecked = teacher != nullptr;
    std::map<std::string, std::vector<Run>> byStudent;
    markCopies(judged);
    for (std::size_t i = 0; i < judged.size(); ++i) {
        if (!judged[i].error.empty())
            o.unreadable.push_back({names[i], judged[i].error});
        else
            byStudent[judged[i].run.student].push_back(std::move(judged[i].run));
    }
    const std::string usual = teacher ? teacher->sha256() : usualConfig(byStudent);
    for (auto& [student, runs] : byStudent)
        o.students.push_back(rowOf(runs, counting, usual));
    return o;
}

Overview grade(const std::vector<RecordText>& records, Counting counting, const TeacherFile* teacher)
{
    std::vector<std::string> names;
    std::vector<Judged> judged;
    names.reserve(records.size());
    judged.reserve(records.size());
    for (const RecordText& r : records) {
        names.push_back(r.name);
        judged.push_back(judge(r.bytes, teacher));
    }
    return overviewOf(names, std::move(judged), counting, teacher);
}

} // namespace grading
