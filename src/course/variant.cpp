#include "course/variant.h"

#include "model/config.h"
#include "model/random.h"
#include "model/state.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cmath>
#include <string>

namespace course {

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
model::ExperimentState applied(const QByteArray& bytes, model::Class1& draw, bool* choiceHidden = nullptr)
{
    model::ExperimentState s;
    model::setStartValues(s, '.');
    NoWindow window;
    model::ProblemList problems;
    problems.keep = 0;
    model::applyConfigText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), false,
                           s, window, draw, problems);
    model::buildFormulaTexts(s, '.');
    model::f_alpha(s);
    if (choiceHidden)
        *choiceHidden = window.choiceHidden;
    return s;
}

bool near(double a, double b)
{
    return a == b || std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

TeacherFile::TeacherFile(QByteArray bytes)
    : bytes_(std::move(bytes)),
      sha256_(QString::fromLatin1(QCryptographicHash::hash(bytes_, QCryptographicHash::Sha256).toHex()))
{
    NoSeed draw(false);
    settings_ = applied(bytes_, draw, &choiceHidden_).course;
}

std::optional<SensorRecord> TeacherFile::variantOf(const RunRecord& r) const
{
    if (!settings_.schluessel.empty()) {
        model::PersonalDraw draw(settings_.schluessel, model::normalizedMatrikel(r.id.toStdString()));
        return chosen(applied(bytes_, draw), r);
    }
    if (!r.seed.isEmpty()) {
        bool ok = false;
        const qulonglong seed = r.seed.toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        model::SeededDraw draw(seed);
        return chosen(applied(bytes_, draw), r);
    }
    NoSeed lower(false), upper(true);
    const std::optional<SensorRecord> atLower = chosen(applied(bytes_, lower), r);
    const std::optional<SensorRecord> atUpper = chosen(applied(bytes_, upper), r);
    if (!atLower || !atUpper || !sameSensor(*atLower, *atUpper))
        return std::nullopt;
    return atLower;
}

std::optional<SensorRecord> TeacherFile::chosen(model::ExperimentState s, const RunRecord& r) const
{
    // A choice counts only where the bench showed it; a hidden choice was
    // the file's, whatever a record claims.
    if (r.choice && !choiceHidden_) {
        if (*r.choice < 0 || *r.choice >= model::sensorTypes)
            return std::nullopt;
        s.sensortyp = static_cast<std::uint8_t>(*r.choice);
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

} // namespace course
