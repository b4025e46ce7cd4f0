#pragma once
// A journal row as the page holds it: an object with the journal's field
// names, in both directions.

#include "lab/journalrow.h"

#include <emscripten/val.h>

namespace binding {

inline emscripten::val journalRow(const lab::JournalRow& r)
{
    emscripten::val row = emscripten::val::object();
    row.set("nr", r.nr);
    row.set("sensor", r.sensor);
    row.set("thermostat", r.thermostat);
    row.set("sensorTemp", r.sensorTemp);
    row.set("quelle", r.quelle);
    row.set("vorwiderstand", r.vorwiderstand);
    row.set("messbereich", r.messbereich);
    row.set("anzeige", r.anzeige);
    row.set("eigenerwaermung", r.eigenerwaermung);
    return row;
}

inline lab::JournalRow journalRowOf(const emscripten::val& row)
{
    auto text = [&row](const char* name) {
        const emscripten::val v = row[name];
        return v.isString() ? v.as<std::string>() : std::string();
    };
    lab::JournalRow r;
    r.nr = row["nr"].isNumber() ? row["nr"].as<int>() : 0;
    r.sensor = text("sensor");
    r.thermostat = text("thermostat");
    r.sensorTemp = text("sensorTemp");
    r.quelle = text("quelle");
    r.vorwiderstand = text("vorwiderstand");
    r.messbereich = text("messbereich");
    r.anzeige = text("anzeige");
    r.eigenerwaermung = row["eigenerwaermung"].isTrue();
    return r;
}

} // namespace binding
