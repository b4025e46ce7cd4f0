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

// Stands in for the clock's draw of a run that kept no seed: the lower end
// of each range, and a mark when a range was open, because then the run's
// values cannot be known again.
struct NoSeed : model::Class1 {
    bool drew = false;
    double RAND(double a, double b) override
    {
        drew = drew || a != b;
        return a;
    }
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
    model::applyConfigText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), false, s,
                           window, draw, problems);
    model::buildFormulaTexts(s, '.');
    model::f_alpha(s);
    if (choiceHidden)
        *choiceHidden = window.choiceHidden;
    return s;
}

bool near(double a, double b) { return a == b || std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b)); }

} // namespace

TeacherFile::TeacherFile(QByteArray bytes)
    : bytes_(std::move(bytes)),
      sha256_(QString::fromLatin1(QCryptographicHash::hash(bytes_, QCryptographicHash::Sha256).toHex()))
{
    NoSeed draw;
    settings_ = applied(bytes_, draw, &choiceHidden_).course;
}

std::optional<SensorRecord> TeacherFile::variantOf(const RunRecord& r) const
{
    model::ExperimentState s;
    if (!settings_.schluessel.empty()) {
        model::PersonalDraw draw(settings_.schluessel, model::normalizedMatrikel(r.id.toStdString()));
        s = applied(bytes_, draw);
    } else if (bool ok = false; !r.seed.isEmpty()) {
        const qulonglong seed = r.seed.toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        model::SeededDraw draw(seed);
        s = applied(bytes_, draw);
    } else {
        NoSeed draw;
        s = applied(bytes_, draw);
        if (draw.drew)
            return std::nullopt;
    }
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
        if (a.parameters[i].first != b.parameters[i].first || !near(a.parameters[i].second, b.parameters[i].second))
            return false;
    return true;
}

} // namespace course
