#include "grading/variant.h"

#include "grading/sha256.h"

#include "model/config.h"
#include "model/random.h"
#include "model/state.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace grading {

namespace {

// The file applied without a window: the handlers store the sensor's index
// themselves, and what the window would show or hide does not change a value.
struct NoWindow : model::ConfigTarget {
    bool choiceHidden = false;
    void showSelfHeatingSwitch() override {}
    void pressSelfHeatingSwitch() override {}
    void hideSensorChoice() override { choiceHidden = true; }
    void selectSensor(int) override {}
};

// Stands in for the clock's draw of a run that kept no seed: one end of
// each range. Where the sensor comes out the same at both ends, the run's
// values are known without the seed.
struct NoSeed : model::Class1 {
    explicit NoSeed(bool upper) : upper(upper) {}
    bool upper;
    double RAND(double a, double b) override { return upper ? b : a; }
};

// The reader's own pass over the file, then what the start computes from
// the configured parameters, in the bench's order.
model::ExperimentState applied(const std::string& bytes, model::Class1& draw, bool* choiceHidden = nullptr)
{
    model::ExperimentState s;
    model::setStartValues(s, '.');
    NoWindow window;
    model::ProblemList problems;
    problems.keep = 0;
    model::applyConfigText(bytes, false, s, window, draw, problems);
    model::buildFormulaTexts(s, '.');
    model::f_alpha(s);
    if (choiceHidden)
        *choiceHidden = window.choiceHidden;
    return s;
}

// The seed as the record keeps it: a decimal text, blanks around it and a
// plus sign allowed; anything else, or a number past 64 bits, is no seed.
std::optional<std::uint64_t> seedNumber(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::uint64_t n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || n > (UINT64_MAX - static_cast<std::uint64_t>(c - '0')) / 10)
            return std::nullopt;
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return n;
}

bool near(double a, double b)
{
    return a == b || std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

TeacherFile::TeacherFile(std::string bytes) : bytes_(std::move(bytes)), sha256_(sha256Hex(bytes_))
{
    NoSeed draw(false);
    settings_ = applied(bytes_, draw, &choiceHidden_).course;
}

std::optional<SensorRecord> TeacherFile::variantOf(const std::string& id, const std::string& seed,
                                                   std::optional<int> choice) const
{
    if (!settings_.schluessel.empty()) {
        model::PersonalDraw draw(settings_.schluessel, model::normalizedMatrikel(id));
        return chosen(applied(bytes_, draw), choice);
    }
    if (!seed.empty()) {
        const std::optional<std::uint64_t> number = seedNumber(seed);
        if (!number)
            return std::nullopt;
        model::SeededDraw draw(*number);
        return chosen(applied(bytes_, draw), choice);
    }
    NoSeed lower(false), upper(true);
    const std::optional<SensorRecord> atLower = chosen(applied(bytes_, lower), choice);
    const std::optional<SensorRecord> atUpper = chosen(applied(bytes_, upper), choice);
    if (!atLower || !atUpper || !sameSensor(*atLower, *atUpper))
        return std::nullopt;
    return atLower;
}

std::optional<SensorRecord> TeacherFile::chosen(model::ExperimentState s, std::optional<int> choice) const
{
    // A choice counts only where the bench showed it; a hidden choice was
    // the file's, whatever a record claims.
    if (choice && !choiceHidden_) {
        if (*choice < 0 || *choice >= model::sensorTypes)
            return std::nullopt;
        s.sensortyp = static_cast<std::uint8_t>(*choice);
    }
    return sensorOf(s);
}

bool sameSensor(const SensorRecord& a, const SensorRecord& b)
{
    if (a.index != b.index || a.parameters.size() != b.parameters.size() || !near(a.teta, b.teta) ||
        !near(a.tolerance, b.tolerance) || !near(a.alpha, b.alpha))
        return false;
    for (std::size_t i = 0; i < a.parameters.size(); ++i)
        if (a.parameters[i].first != b.parameters[i].first ||
            !near(a.parameters[i].second, b.parameters[i].second))
            return false;
    return true;
}

} // namespace grading
