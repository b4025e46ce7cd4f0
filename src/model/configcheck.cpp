#include "model/configcheck.h"

#include "numbers/numbers.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace model {

namespace {

// What the file asks of the window, recorded instead of done.
struct DryRunTarget : ConfigTarget {
    bool switchShown = false;
    bool switchPressed = false;
    bool choiceHidden = false;
    bool journalHidden = false;
    void showSelfHeatingSwitch() override { switchShown = true; }
    void pressSelfHeatingSwitch() override { switchPressed = true; }
    void hideSensorChoice() override { choiceHidden = true; }
    void selectSensor(int) override {} // the handler has stored the index
    void hideJournal() override { journalHidden = true; }
};

// A draw replaced by one of its bounds. The check reads the file once at
// the lower and once at the upper end of every range, so that a range
// reaching beyond what the program accepts is reported, and nothing is drawn.
class BoundDraw : public Class1 {
public:
    explicit BoundDraw(bool upper) : upper_(upper) {}
    double RAND(double a, double b) override { return upper_ ? b : a; }
    double RANDINT(double a, double b) override { return numbers::roundHalfEven(RAND(a, b)); }

private:
    bool upper_;
};

struct DryRun {
    ExperimentState s;
    DryRunTarget target;
    SettingNotes notes;
    ProblemList problems;
};

void run(DryRun& r, const ConfigFile& file, const std::string& name, Class1& draw)
{
    setStartValues(r.s, '.');
    applyConfigFile(file, name, r.s, r.target, draw, r.problems, &r.notes);
}

void run(DryRun& r, const ConfigFile& file, const std::string& name, bool upper)
{
    r.problems.collectHints = !upper;
    BoundDraw draw(upper);
    run(r, file, name, draw);
}

void settingsOf(ConfigCheck& check, DryRun& r)
{
    check.state = r.s;
    check.switchShown = r.target.switchShown;
    check.choiceHidden = r.target.choiceHidden;
    check.journalHidden = r.target.journalHidden;
    check.notes = std::move(r.notes);
}

// The answer key of one student: the file read with that student's draws,
// in the order the start draws them.
void personalVariant(ConfigCheck& check, const ConfigFile& file, const std::string& name, const std::string& id)
{
    check.matrikel = id;
    check.variant = ConfigCheck::Variant::Drawn;
    if (!validMatrikel(id))
        check.variant = ConfigCheck::Variant::BadMatrikel;
    else if (check.state.course.schluessel.empty())
        check.variant = ConfigCheck::Variant::NoKey;
    if (check.variant != ConfigCheck::Variant::Drawn) {
        check.status = 2;
        return;
    }
    DryRun personal;
    personal.notes.drawnValues = true;
    PersonalDraw draw(check.state.course.schluessel, id);
    run(personal, file, name, draw);
    settingsOf(check, personal);
}

// The problems of both runs, each once, in file order.
std::vector<ConfigProblem> merged(DryRun& lower, DryRun& upper)
{
    std::vector<ConfigProblem> all = std::move(lower.problems.kept);
    // A line reported alike at both ends is listed once; at the upper end it
    // may have other reasons.
    auto key = [](const ConfigProblem& p) {
        std::vector<std::string> k{std::to_string(p.line)};
        for (const auto& r : p.reasons) {
            k.push_back(r.keyword + "/" + std::to_string(static_cast<int>(r.key)));
            k.insert(k.end(), r.values.begin(), r.values.end());
        }
        return k;
    };
    std::set<std::vector<std::string>> seen;
    for (const auto& p : all)
        seen.insert(key(p));
    for (auto& p : upper.problems.kept)
        if (seen.insert(key(p)).second)
            all.push_back(std::move(p));
    std::stable_sort(all.begin(), all.end(), [](const ConfigProblem& a, const ConfigProblem& b) {
        // A failed read of the whole file comes last.
        auto key = [](int line) { return line > 0 ? line : std::numeric_limits<int>::max(); };
        return key(a.line) < key(b.line);
    });
    return all;
}

} // namespace

ConfigCheck checkConfig(const std::string& path, const std::string& name, const std::string* matrikel)
{
    ConfigCheck check;
    const ConfigFile file = readConfigFile(path);
    if (file.kind == ConfigFile::Kind::Missing) {
        check.status = 2;
        return check;
    }
    DryRun lower;
    DryRun upper;
    run(lower, file, name, false);
    if (file.kind != ConfigFile::Kind::Read) {
        check.found = ConfigCheck::Found::Unreadable;
        check.status = 2;
        check.problems = std::move(lower.problems.kept);
        return check;
    }
    run(upper, file, name, true);
    check.found = ConfigCheck::Found::Read;
    check.problems = merged(lower, upper);
    check.status = check.problems.empty() ? 0 : 1;
    check.hints = std::move(lower.problems.hints);
    // What the file sets is shown from the lower end of every range.
    settingsOf(check, lower);
    check.folder = std::filesystem::absolute(std::filesystem::path(path)).parent_path().string();
    if (matrikel)
        personalVariant(check, file, name, *matrikel);
    return check;
}

std::string configuredLanguage(const std::string& path)
{
    // Read before the first window, so that its texts are already in the
    // chosen language; the start reads the file again for everything else.
    DryRun r;
    r.problems.keep = 0;
    run(r, readConfigFile(path), path, true);
    return r.s.sprache;
}

} // namespace model
