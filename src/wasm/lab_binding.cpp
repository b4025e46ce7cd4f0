// The experiment's state, the voltmeter and the seeded draw for a page; the
// draw's golden values hold both builds to the same sequence.

#include "lab.h"
#include "binding.h"

#include <emscripten/bind.h>

namespace binding {

val Lab::state() const
{
    val out = val::object();
    out.set("sensortyp", s_.sensortyp);
    out.set("uquelle", s_.uquelle);
    out.set("tsoll", s_.tsoll);
    out.set("tsensor", s_.tsensor);
    out.set("rvor", s_.rvor);
    out.set("rvor_kurz", s_.rvor_kurz);
    out.set("messbereich", s_.messbereich);
    out.set("eigenerwarmung", s_.eigenerwarmung);
    out.set("rsensor", s_.rsensor);
    out.set("isensor", s_.isensor);
    out.set("ut", s_.ut);
    out.set("umess", s_.umess);
    out.set("teta", s_.teta);
    out.set("diode_i", s_.diode_i);
    out.set("sprache", s_.sprache);
    const std::initializer_list<std::pair<const char*, double>> parameters{
        {"ntc_a", s_.ntc_a}, {"ntc_b", s_.ntc_b}, {"ptc_a", s_.ptc_a}, {"ptc_b", s_.ptc_b},
          {"pt100_r0", s_.pt100_r0}, {"pt100_a", s_.pt100_a}, {"pt1000_r0", s_.pt1000_r0},
          {"pt1000_a", s_.pt1000_a}, {"diode_is", s_.diode_is}, {"strom_i0", s_.strom_i0},
          {"strom_k", s_.strom_k}, {"thermo_k", s_.thermo_k}};
    for (const auto& [name, value] : parameters)
        out.set(name, value);
    out.set("sensorname", array(s_.sensorname));
    out.set("formeltext", array(s_.formeltext));
    out.set("toleranz", array(s_.toleranz));
    out.set("alpha", array(s_.alpha));
    out.set("selfHeatingShown", controls_.selfHeatingShown);
    out.set("sensorChoiceShown", controls_.sensorChoiceShown);
    out.set("journalShown", controls_.journalShown);
    return out;
}

// The lines of the teacher's file that were not used: {line, text}, the
// first few in full, and `total` of them all.
val Lab::problems() const
{
    val lines = val::array();
    for (std::size_t i = 0; i < problems_.kept.size(); ++i) {
        val line = val::object();
        line.set("line", problems_.kept[i].line);
        line.set("text", problems_.kept[i].text);
        lines.set(i, line);
    }
    val out = val::object();
    out.set("lines", lines);
    out.set("total", static_cast<double>(problems_.total));
    return out;
}

} // namespace binding

namespace {

using binding::Lab;
using emscripten::val;

// The first n draws of a student's personal generator in [a, b), or whole
// numbers between a and b as RANDINT draws them.
val personalDraws(const std::string& key, const std::string& matrikel, double a, double b, int n, bool whole)
{
    model::PersonalDraw draw(key, matrikel);
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(whole ? draw.RANDINT(a, b) : draw.RAND(a, b));
    return binding::array(values);
}

// The voltmeter's text of u volts in the range of position p; null outside them.
val voltmeterText(float u, int position, const std::string& separator)
{
    const auto text = model::voltmeterText(u, model::rangeForPosition(position), binding::separator(separator));
    return text ? val(*text) : val::null();
}

double resistorForPosition(int position) { return model::resistorForPosition(static_cast<std::uint8_t>(position)); }

} // namespace

EMSCRIPTEN_BINDINGS(kora_lab)
{
    emscripten::class_<Lab>("Lab")
        .constructor<std::string, std::string, std::string, std::string>()
        .function("selectSensor", &Lab::selectSensor)
        .function("setSource", &Lab::setSource)
        .function("setResistorPosition", &Lab::setResistorPosition)
        .function("setResistor", &Lab::setResistor)
        .function("setBypass", &Lab::setBypass)
        .function("setRangePosition", &Lab::setRangePosition)
        .function("setSetPoint", &Lab::setSetPoint)
        .function("placeSensorAt", &Lab::placeSensorAt)
        .function("toggleSelfHeating", &Lab::toggleSelfHeating)
        .function("tick", &Lab::tick)
        .function("reading", &Lab::reading)
        .function("state", &Lab::state)
        .function("problems", &Lab::problems);
    emscripten::function("personalDraws", &personalDraws);
    emscripten::function("voltmeterText", &voltmeterText);
    emscripten::function("resistorForPosition", &resistorForPosition);
}
