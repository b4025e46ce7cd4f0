#include "model/configcheck.h"

#include "numbers/numbers.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
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
    check.variant = ConfigCheck::Variant::Drawn;
    // Blanks around the number count as little as at the sign-in.
    const auto first = id.find_first_not_of(" \t");
    const std::string typed = first == std::string::npos ? std::string() : id.substr(first, id.find_last_not_of(" \t") - first + 1);
    check.matrikel = typed;
    if (!validMatrikel(typed))
        check.variant = ConfigCheck::Variant::BadMatrikel;
    else if (check.state.course.schluessel.empty())
        check.variant = ConfigCheck::Variant::NoKey;
    if (check.variant != ConfigCheck::Variant::Drawn) {
        check.status = 2;
        return;
    }
    DryRun personal;
    personal.notes.drawnValues = true;
    // The draw of the sign-in: the number in its one form.
    PersonalDraw draw(check.state.course.schluessel, normalizedMatrikel(id));
    run(personal, file, name, draw);
    // The right answers as the evaluation shows them.
    buildFormulaTexts(personal.s, '.');
    f_alpha(personal.s);
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

// The results folder tried as the teacher's account: a file made and
// removed again tells more than the permission bits (shares, ACLs).
ConfigCheck::ResultFolder folderState(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code e;
    if (!fs::exists(folder, e))
        return ConfigCheck::ResultFolder::Missing;
    if (!fs::is_directory(folder, e))
        return ConfigCheck::ResultFolder::NotAFolder;
    const fs::path probe = fs::path(folder) / ".kora-check-config.tmp";
    const bool written = static_cast<bool>(std::ofstream(probe) << "");
    fs::remove(probe, e);
    return written ? ConfigCheck::ResultFolder::Fine : ConfigCheck::ResultFolder::NotWritable;
}

} // namespace

bool hintIsError(const ConfigProblem& hint)
{
    constexpr std::array<std::string_view, 5> courseWords = {"anmeldung", "variante", "ergebnisse", "pruefung",
                                                            "sprache"};
    for (const auto& r : hint.reasons)
        if (r.key == Reason::RemarkLooksLikeSetting && r.values.size() > 1 &&
            std::find(courseWords.begin(), courseWords.end(), r.values[1]) != courseWords.end())
            return true;
    return false;
}

ConfigCheck checkConfig(const std::string& path, const std::string& name, const std::string* matrikel)
{
    const ConfigFile file = readConfigFile(path);
    if (file.kind == ConfigFile::Kind::Missing) {
        ConfigCheck check;
        check.status = 2;
        return check;
    }
    ConfigCheck check = checkConfigFile(
        file, name, std::filesystem::absolute(std::filesystem::path(path)).parent_path().string(), matrikel);
    // Only a file on disk has a results folder to try; a page has no folders
    // (and so carries no file streams).
    if (const std::string results = resultFolder(check.state.course, check.folder); !results.empty()) {
        check.resultFolder = folderState(results);
        if (check.resultFolder != ConfigCheck::ResultFolder::Fine)
            check.status = std::max(check.status, 1);
    }
    return check;
}

ConfigCheck checkConfigFile(const ConfigFile& file, const std::string& name, const std::string& folder,
                            const std::string* matrikel)
{
    ConfigCheck check;
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
    check.folder = folder;
    if (std::any_of(check.hints.begin(), check.hints.end(), hintIsError))
        check.status = 1;
    if (matrikel)
        personalVariant(check, file, name, *matrikel);
    return check;
}

ConfigFile configFileOfText(std::string text)
{
    ConfigFile file;
    file.kind = ConfigFile::Kind::Read;
    file.cut = text.size() > maxConfigBytes;
    if (file.cut)
        text.resize(maxConfigBytes);
    file.bytes = std::move(text);
    return file;
}

namespace {

// The choices of a file, read as a dry run: no window is touched and nothing
// is drawn.
void choicesOf(StartChoices& c, const std::string& name)
{
    DryRun r;
    r.problems.keep = 0;
    run(r, c.file, name, true);
    c.language = r.s.sprache;
    c.course = r.s.course;
}

} // namespace

StartChoices readStartChoices(const std::string& folder)
{
    // Read before the first window, so that its texts are already in the
    // chosen language, and before the sign-in.
    StartChoices c;
    c.folder = folder;
    c.file = readConfigFile((std::filesystem::path(folder) / configFileName).string());
    choicesOf(c, std::string(configFileName));
    return c;
}

StartChoices startChoicesOf(ConfigFile file)
{
    StartChoices c;
    c.file = std::move(file);
    choicesOf(c, std::string(configFileName));
    return c;
}

std::string configuredLanguage(const std::string& path)
{
    StartChoices c;
    c.file = readConfigFile(path);
    choicesOf(c, path);
    return c.language;
}

} // namespace model
