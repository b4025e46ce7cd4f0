#include "model/configcheck.h"

#include "model/config.h"
#include "numbers/numbers.h"

#include <algorithm>
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

void run(DryRun& r, const ConfigFile& file, const std::string& name, bool upper)
{
    setStartValues(r.s, '.');
    BoundDraw draw(upper);
    applyConfigFile(file, name, r.s, r.target, draw, r.problems, &r.notes);
}

// The problems of both runs, each once, in file order.
std::vector<ConfigProblem> merged(DryRun& lower, DryRun& upper)
{
    std::vector<ConfigProblem> all = std::move(lower.problems.kept);
    std::set<std::pair<int, std::string>> seen;
    for (const auto& p : all)
        seen.emplace(p.line, p.reason);
    for (auto& p : upper.problems.kept)
        if (seen.emplace(p.line, p.reason).second)
            all.push_back(std::move(p));
    std::stable_sort(all.begin(), all.end(), [](const ConfigProblem& a, const ConfigProblem& b) {
        // A failed read of the whole file comes last.
        auto key = [](int line) { return line > 0 ? line : std::numeric_limits<int>::max(); };
        return key(a.line) < key(b.line);
    });
    return all;
}

std::string fileText(double v) { return numbers::displayText(v, '.'); }

struct Parameter {
    const char* label;
    double ExperimentState::*field;
};

// The parameters of each type as the teacher's file names them.
const std::vector<Parameter> parameters[sensorTypes] = {
    {{"a", &ExperimentState::ntc_a}, {"b", &ExperimentState::ntc_b}},
    {{"a", &ExperimentState::ptc_a}, {"b", &ExperimentState::ptc_b}},
    {{"R0", &ExperimentState::pt100_r0}, {"A", &ExperimentState::pt100_a}},
    {{"R0", &ExperimentState::pt1000_r0}, {"A", &ExperimentState::pt1000_a}},
    {},
    {{"I0", &ExperimentState::strom_i0}, {"k", &ExperimentState::strom_k}},
    {{"k", &ExperimentState::thermo_k}},
};

class Summary {
public:
    explicit Summary(const DryRun& r) : r_(r) { setStartValues(start_, '.'); }

    std::vector<std::string> rows() const
    {
        const ExperimentState& s = r_.s;
        const DryRunTarget& t = r_.target;
        std::vector<std::string> rows;
        rows.push_back("Sensor: " + sensor());
        rows.push_back(std::string("Sensorauswahl: ") + (t.choiceHidden ? "verborgen" : "sichtbar"));
        rows.push_back(std::string("Eigenerwärmung: Schalter ") + (t.switchShown ? "angezeigt" : "verborgen") + ", " +
                       (s.eigenerwarmung ? "eingeschaltet" : "ausgeschaltet"));
        rows.push_back("Quellenspannung: " + value(&s.uquelle, start_.uquelle, " V"));
        rows.push_back("Thermostat-Sollwert: " + value(&s.tsoll, start_.tsoll, " °C"));
        rows.push_back(std::string("Messprotokoll: Knöpfe ") + (t.journalHidden ? "verborgen" : "angezeigt"));
        for (int type = 0; type < sensorTypes; ++type)
            rows.push_back("typ" + std::to_string(type) + " " + start_.sensorname[type] + ": " + typ(type));
        return rows;
    }

private:
    const std::string* noted(const void* field) const { return r_.notes.find(r_.s, field); }

    std::string value(const void* field, double startValue, const char* unit = "") const
    {
        if (const auto* t = noted(field))
            return *t + unit;
        return fileText(startValue) + unit + " (Startwert)";
    }

    std::string sensor() const
    {
        const auto* t = noted(&r_.s.sensortyp);
        if (!t)
            return "0 (" + start_.sensorname[0] + ", Startwert)";
        if (t->rfind("randint", 0) == 0)
            return *t;
        return *t + " (" + start_.sensorname[r_.s.sensortyp] + ")";
    }

    std::string typ(int type) const
    {
        const auto i = static_cast<std::size_t>(type);
        const ExperimentState& s = r_.s;
        std::vector<std::string> items;
        bool any = false;
        for (const auto& p : parameters[i]) {
            any = any || noted(&(s.*p.field));
            items.push_back(std::string(p.label) + " = " + value(&(s.*p.field), start_.*p.field));
        }
        const auto* name = noted(&s.sensorname[i]);
        any = any || name || noted(&s.toleranz[i]);
        if (!any)
            return "Startwerte";
        items.push_back("Name = \"" + (name ? *name : start_.sensorname[i]) + "\"" + (name ? "" : " (Startwert)"));
        items.push_back("Toleranz = " + value(&s.toleranz[i], start_.toleranz[i]));
        std::string text;
        for (const auto& item : items)
            text += (text.empty() ? "" : ", ") + item;
        return text;
    }

    const DryRun& r_;
    ExperimentState start_;
};

} // namespace

ConfigCheck checkConfig(const std::string& path, const std::string& name)
{
    const ConfigFile file = readConfigFile(path);
    if (file.kind == ConfigFile::Kind::Missing)
        return {2, "Die Datei " + name + " gibt es nicht.\n"};
    DryRun lower;
    DryRun upper;
    run(lower, file, name, false);
    if (file.kind != ConfigFile::Kind::Read)
        return {2, problemLine(lower.problems.kept.front()) + "\n"};
    run(upper, file, name, true);
    const auto problems = merged(lower, upper);

    ConfigCheck check;
    check.status = problems.empty() ? 0 : 1;
    if (problems.empty())
        check.text = "Die Datei " + name + " enthält keine Fehler.\n";
    else
        check.text = "In der Datei " + name + " wurden folgende Zeilen nicht oder nur zum Teil verwendet:\n";
    for (const auto& p : problems)
        check.text += problemLine(p) + "\n";
    check.text += "\nEinstellungen:\n";
    for (const auto& row : Summary(lower).rows())
        check.text += row + "\n";
    return check;
}

} // namespace model
