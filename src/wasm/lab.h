#pragma once
// The experiment's state for a page: started from a teacher's file's text
// (and a student's Matrikelnummer and the course's key word for the personal
// draw), driven by the bench's settings and the thermostat's tick, read back
// as its key values.

#include "binding.h"
#include "model/circuit.h"
#include "model/config.h"
#include "model/random.h"
#include "model/thermal.h"
#include "model/voltmeter.h"
#include "numbers/numbers.h"

#include <emscripten/val.h>

#include <cmath>
#include <memory>
#include <string>

namespace binding {

using emscripten::val;

// What the teacher's file asks of the bench's controls, kept as values: a
// page shows or hides its own controls from them.
class Controls : public model::ConfigTarget {
public:
    explicit Controls(model::ExperimentState& s, model::Thermostat& th) : s_(s), th_(th) {}
    void showSelfHeatingSwitch() override { selfHeatingShown = true; }
    void pressSelfHeatingSwitch() override
    {
        if (!th_.eigen_ein)
            model::toggleSelfHeating(s_, th_);
    }
    void hideSensorChoice() override { sensorChoiceShown = false; }
    void selectSensor(int index) override
    {
        if (index < 0 || index >= model::sensorTypes)
            return;
        s_.sensortyp = static_cast<std::uint8_t>(index);
        model::f_anzeige(s_);
    }
    void hideJournal() override { journalShown = false; }

    bool selfHeatingShown = false;
    bool sensorChoiceShown = true;
    bool journalShown = true;

private:
    model::ExperimentState& s_;
    model::Thermostat& th_;
};

class Lab {
public:
    Lab(const std::string& teachersFile, const std::string& matrikel, const std::string& key,
        const std::string& decimalSeparator)
        : separator_(separator(decimalSeparator)), controls_(s_, th_)
    {
        model::setStartValues(s_, separator_);
        // A student of a course draws the same values on every start; without
        // a Matrikelnummer each start draws anew.
        std::unique_ptr<model::Class1> draw;
        if (matrikel.empty())
            draw = std::make_unique<model::Class1>();
        else
            draw = std::make_unique<model::PersonalDraw>(key, matrikel);
        problems_.keep = model::reportedLines;
        model::applyConfigText(teachersFile, false, s_, controls_, *draw, problems_);
        model::f_anzeige(s_);
        model::buildFormulaTexts(s_, separator_);
        model::f_alpha(s_);
    }

    void selectSensor(int index) { controls_.selectSensor(index); }
    void setSource(int volts)
    {
        s_.uquelle = static_cast<std::int16_t>(volts);
        model::f_anzeige(s_);
    }
    void setResistorPosition(int position)
    {
        s_.rvor = model::resistorForPosition(static_cast<std::uint8_t>(position));
        model::f_anzeige(s_);
    }
    // A resistance of its own, for the tables that set one directly.
    void setResistor(double ohm)
    {
        s_.rvor = ohm;
        model::f_anzeige(s_);
    }
    void setBypass(bool on)
    {
        s_.rvor_kurz = on;
        model::f_anzeige(s_);
    }
    void setRangePosition(int position) { s_.messbereich = model::rangeForPosition(position); }
    void setSetPoint(double celsius) { s_.tsoll = celsius; }
    // The thermostat holds the sensor at a temperature at once (no bench
    // control does this; the tables and a page's demonstration do).
    void placeSensorAt(double celsius)
    {
        s_.tsensor = celsius;
        model::f_anzeige(s_);
    }
    void toggleSelfHeating() { model::toggleSelfHeating(s_, th_); }

    // One thermostat tick with its reading, as the bench's timer runs it:
    // {reading, temperature, destroyed}.
    val tick()
    {
        val out = val::object();
        if (destroyed_) {
            out.set("destroyed", true);
            return out;
        }
        model::applyPendingStep(s_, th_);
        const model::Reading reading = model::f_anzeige(s_);
        if (reading == model::Reading::Shown)
            updateReading();
        model::computeNextStep(s_, th_);
        destroyed_ = reading == model::Reading::Fault || model::isDestroyed(s_);
        out.set("reading", reading_);
        if (std::isfinite(s_.tsensor))
            out.set("temperature", numbers::patternText(s_.tsensor, 1, 1, separator_) + " °C");
        out.set("destroyed", destroyed_);
        return out;
    }

    // The voltmeter's text for the present voltage and range.
    std::string reading()
    {
        updateReading();
        return reading_;
    }

    val state() const;
    val problems() const;
    const model::ExperimentState& experiment() const { return s_; }

private:
    void updateReading()
    {
        if (const auto text = model::voltmeterText(static_cast<float>(s_.umess), s_.messbereich, separator_))
            reading_ = *text;
    }

    char separator_;
    model::ExperimentState s_;
    model::Thermostat th_;
    Controls controls_;
    model::ProblemList problems_;
    std::string reading_;
    bool destroyed_ = false;
};

} // namespace binding
