#include "grading/record.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

namespace grading {

namespace {

using nlohmann::json;

struct Parameter {
    int type;
    const char* name;
    double model::ExperimentState::*field;
};

// Every parameter of each type's characteristic, by its given name.
constexpr Parameter parameters[] = {
    {0, "ntc_a", &model::ExperimentState::ntc_a},         {0, "ntc_b", &model::ExperimentState::ntc_b},
    {1, "ptc_a", &model::ExperimentState::ptc_a},         {1, "ptc_b", &model::ExperimentState::ptc_b},
    {2, "pt100_r0", &model::ExperimentState::pt100_r0},   {2, "pt100_a", &model::ExperimentState::pt100_a},
    {3, "pt1000_r0", &model::ExperimentState::pt1000_r0}, {3, "pt1000_a", &model::ExperimentState::pt1000_a},
    {4, "diode_is", &model::ExperimentState::diode_is},   {4, "diode_i", &model::ExperimentState::diode_i},
    {5, "strom_i0", &model::ExperimentState::strom_i0},   {5, "strom_k", &model::ExperimentState::strom_k},
    {6, "thermo_k", &model::ExperimentState::thermo_k},
};

const json& nothing()
{
    static const json none;
    return none;
}

// A key's value; null where the object lacks it or is no object.
const json& at(const json& o, const char* key)
{
    if (!o.is_object())
        return nothing();
    const auto it = o.find(key);
    return it == o.end() ? nothing() : *it;
}

bool has(const json& o, const char* key)
{
    return o.is_object() && o.contains(key);
}

std::string text(const json& v)
{
    return v.is_string() ? v.get<std::string>() : std::string();
}
double number(const json& v)
{
    return v.is_number() ? v.get<double>() : 0;
}

// A whole number that fits an int, else `otherwise`: a value typed by hand
// as 3.5 or "3" is no count.
int whole(const json& v, int otherwise = 0)
{
    if (!v.is_number())
        return otherwise;
    const double d = v.get<double>();
    if (d != std::floor(d) || d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max())
        return otherwise;
    return static_cast<int>(d);
}

std::optional<std::string> textOrNull(const json& v)
{
    return v.is_string() ? std::optional(v.get<std::string>()) : std::nullopt;
}

std::optional<double> numberOrNull(const json& v)
{
    return v.is_number() ? std::optional(v.get<double>()) : std::nullopt;
}

// A field that a record of this format always has; its absence makes the
// file unusable rather than quietly zero.
struct Missing {
    std::string key;
};

const json& need(const json& o, const char* key)
{
    if (!has(o, key))
        throw Missing{key};
    return at(o, key);
}

SensorRecord sensorFrom(const json& o)
{
    SensorRecord s;
    s.index = whole(need(o, "index"), -1);
    if (s.index < 0 || s.index >= model::sensorTypes)
        throw Missing{"sensor.index"};
    s.name = text(need(o, "name"));
    s.teta = number(need(o, "teta"));
    s.tolerance = number(need(o, "tolerance"));
    s.formula = text(at(o, "formula"));
    s.alpha = number(need(o, "alpha"));
    for (const Parameter& p : parameters)
        if (p.type == s.index)
            s.parameters.emplace_back(p.name, number(need(o, p.name)));
    return s;
}

bool space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t trimmedSize(std::string_view data)
{
    std::size_t b = 0, e = data.size();
    while (b < e && space(data[b]))
        ++b;
    while (e > b && space(data[e - 1]))
        --e;
    return e - b;
}

// Why a text is no record: cut off while it was written or copied, or no JSON at all.
Form parseTrouble(std::string_view data, std::size_t offset)
{
    const std::size_t size = trimmedSize(data);
    if (size == 0)
        return {QT_TRANSLATE_NOOP("course", "die Datei ist leer"), {}};
    if (offset + 1 >= size)
        return {QT_TRANSLATE_NOOP("course", "die Datei ist unvollständig (abgeschnitten)"), {}};
    return {QT_TRANSLATE_NOOP("course", "die Datei ist kein JSON (Fehler bei Zeichen %1)"),
            {std::to_string(offset)}};
}

void readFields(const json& o, Record& r)
{
    r.program = text(at(o, "program"));
    const json& student = need(o, "student");
    r.name = text(at(student, "name"));
    r.id = text(need(student, "id"));
    r.host = text(at(o, "host"));
    r.account = text(at(o, "account"));
    r.started = parseTime(text(need(o, "started")));
    r.updated = parseTime(text(at(o, "updated")));
    r.configSha256 = text(at(o, "config_sha256"));
    r.state = text(need(o, "state"));
    const json& sensor = need(o, "sensor");
    if (!sensor.is_null())
        r.sensor = sensorFrom(sensor);
    r.runId = text(at(o, "run_id"));
    r.exam = at(o, "exam").is_boolean() && at(o, "exam").get<bool>();
    const json& draw = at(o, "draw");
    r.seed = text(at(draw, "seed"));
    if (const json& choice = at(draw, "choice"); choice.is_number())
        r.choice = whole(choice);
    if (const json& moments = at(o, "moments"); moments.is_array())
        for (const json& m : moments)
            r.moments.push_back({text(at(m, "state")), parseTime(text(at(m, "time")))});
    // A record from before the list of moments: its one state is its one moment.
    if (r.moments.empty())
        r.moments.push_back({r.state, r.updated.valid ? r.updated : r.started});
    const json& answers = need(o, "answers");
    if (const json& type = at(answers, "type"); type.is_number())
        r.answers.type = whole(type);
    r.answers.equation = textOrNull(at(answers, "equation"));
    r.answers.alpha = textOrNull(at(answers, "alpha"));
    const json& points = need(o, "points");
    r.answers.typePoints = whole(at(points, "type"));
    r.answers.equationPoints = whole(at(points, "equation"));
    r.answers.alphaPoints = whole(at(points, "alpha"));
    r.total = whole(need(points, "total"));
    r.maximum = whole(need(points, "max"));
    const json& deviation = at(o, "deviation");
    r.answers.equationDeviation = numberOrNull(at(deviation, "equation"));
    r.answers.alphaDeviation = numberOrNull(at(deviation, "alpha"));
    const json& journal = at(o, "journal");
    r.journal = journal.is_array() ? journal.dump() : "[]";
}

} // namespace

SensorRecord sensorOf(const model::ExperimentState& s)
{
    SensorRecord r;
    r.index = s.sensortyp;
    r.name = s.sensorname[s.sensortyp];
    for (const Parameter& p : parameters)
        if (p.type == s.sensortyp)
            r.parameters.emplace_back(p.name, s.*p.field);
    r.teta = s.teta;
    r.tolerance = s.toleranz[s.sensortyp];
    r.formula = s.formeltext[s.sensortyp];
    r.alpha = s.alpha[s.sensortyp];
    return r;
}

model::ExperimentState stateOf(const SensorRecord& sensor)
{
    model::ExperimentState s;
    model::setStartValues(s, '.');
    const auto t = static_cast<std::size_t>(sensor.index);
    s.sensortyp = static_cast<std::uint8_t>(sensor.index);
    for (const auto& [name, value] : sensor.parameters)
        for (const Parameter& p : parameters)
            if (name == p.name)
                s.*p.field = value;
    s.teta = sensor.teta;
    s.toleranz[t] = sensor.tolerance;
    s.alpha[t] = sensor.alpha;
    return s;
}

ReadRecord readRecord(std::string_view bytes)
{
    ReadRecord out;
    json o;
    try {
        o = json::parse(bytes.begin(), bytes.end());
    } catch (const json::parse_error& e) {
        out.error = parseTrouble(bytes, e.byte);
        return out;
    }
    const std::string format = text(at(o, "format"));
    if (format != recordFormat) {
        out.error =
            format.starts_with("kora-result/")
                ? Form{QT_TRANSLATE_NOOP("course", "der Datensatz stammt aus einer neueren Version (%1)"),
                       {format}}
                : Form{QT_TRANSLATE_NOOP("course", "die Datei ist kein Ergebnis von KORA"), {}};
        return out;
    }
    try {
        readFields(o, out.record);
    } catch (const Missing& m) {
        out.error = {QT_TRANSLATE_NOOP("course", "im Datensatz fehlt das Feld %1"), {m.key}};
        out.record = {};
    }
    return out;
}

} // namespace grading
