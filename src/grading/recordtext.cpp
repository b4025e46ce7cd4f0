// The record as its file holds it, and the run's moments that write it: one
// writer for the desktop and the page, so that both files carry the same
// keys and values and the teacher's export reads them alike.

#include "grading/record.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>

namespace grading {

namespace {

using nlohmann::json;

// A whole value as a whole number ("20", not "20.0"), as JSON writers of
// other tools do; every other value with the digits that read back to it.
json number(double v)
{
    constexpr double exact = 9007199254740992.0; // 2^53: every whole double below it is an integer
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < exact)
        return static_cast<std::int64_t>(v);
    return v;
}

json orNull(const std::optional<std::string>& v) { return v ? json(*v) : json(); }
json orNull(const std::optional<double>& v) { return v ? number(*v) : json(); }
json orNull(const std::optional<int>& v) { return v ? json(*v) : json(); }

json sensorJson(const SensorRecord& s)
{
    json o{{"index", s.index},
           {"number", s.index + 1},
           {"name", s.name},
           {"teta", number(s.teta)},
           {"tolerance", number(s.tolerance)},
           {"formula", s.formula},
           {"alpha", number(s.alpha)}};
    for (const auto& [name, value] : s.parameters)
        o[name] = number(value);
    return o;
}

json journalJson(const std::string& text)
{
    json rows = json::parse(text, nullptr, false);
    return rows.is_array() ? rows : json::array();
}

} // namespace

std::string recordText(const Record& r)
{
    const evaluation::Answers& a = r.answers;
    json moments = json::array();
    for (const Moment& m : r.moments)
        moments.push_back({{"state", m.state}, {"time", isoText(m.time)}});
    const json o{
        {"format", recordFormat},
        {"program", r.program},
        {"student", {{"name", r.name}, {"id", r.id}}},
        {"host", r.host},
        {"account", r.account},
        {"started", isoText(r.started)},
        {"updated", isoText(r.updated)},
        {"config_sha256", r.configSha256},
        {"state", r.state},
        {"moments", moments},
        {"run_id", r.runId},
        {"exam", r.exam},
        {"draw", {{"seed", r.seed.empty() ? json() : json(r.seed)}, {"choice", orNull(r.choice)}}},
        {"sensor", r.sensor ? sensorJson(*r.sensor) : json()},
        {"answers", {{"type", orNull(a.type)}, {"equation", orNull(a.equation)}, {"alpha", orNull(a.alpha)}}},
        {"points",
         {{"type", a.typePoints},
          {"equation", a.equationPoints},
          {"alpha", a.alphaPoints},
          {"total", r.total},
          {"max", r.maximum}}},
        {"deviation", {{"equation", orNull(a.equationDeviation)}, {"alpha", orNull(a.alphaDeviation)}}},
        {"journal", journalJson(r.journal)},
    };
    // A name typed with a broken character must not lose the record.
    return o.dump(4, ' ', false, json::error_handler_t::replace) + "\n";
}

std::string journalText(const std::vector<std::vector<std::pair<std::string, std::string>>>& rows)
{
    json out = json::array();
    for (const auto& cells : rows) {
        json row = json::object();
        for (const auto& [name, text] : cells)
            row[name] = text;
        out.push_back(std::move(row));
    }
    return out.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string fileNamePart(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        // One "_" for each character a file system may refuse, not for each byte of it.
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue;
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
        out += plain ? c : '_';
    }
    return out.empty() ? "_" : out.substr(0, 64);
}

std::string recordFileName(std::string_view id, const Time& started)
{
    char when[32];
    std::snprintf(when, sizeof when, "%04d%02d%02d-%02d%02d%02d", started.year, started.month, started.day,
                  started.hour, started.minute, started.second);
    return "KORA-" + fileNamePart(id) + "-" + when + ".json";
}

void addMoment(Record& r, const MomentFacts& m)
{
    r.updated = m.time;
    r.state = m.state;
    r.moments.push_back({r.state, m.time});
    if (m.choiceShown)
        r.choice = m.s.sensortyp;
    if (m.state == ausgewertet) {
        r.answers = m.answers;
        r.total = m.s.punkte;
        r.maximum = m.maximum;
        // What the evaluation has just shown; an exam shows no sensor.
        if (!r.exam)
            r.sensor = sensorOf(m.s);
    }
    r.journal = m.journal;
}

} // namespace grading
