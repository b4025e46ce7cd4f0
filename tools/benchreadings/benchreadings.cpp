// The bench's readings for a table of settings, as the native build shows
// them: each row's actions run on a fresh bench (no teacher's file, German
// decimal comma), then every caption the bench sets is written out. The
// page's tests run the same rows in the browser and compare the texts
// character for character.
//   kora_bench_readings tests/data/bench_readings.json > expected.json

#include "lab/action.h"
#include "lab/bench.h"
#include "lab/benchlayout.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "kora_bench_readings ZEILEN.json\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    const nlohmann::json table = nlohmann::json::parse(in);
    nlohmann::json rows = nlohmann::json::array();
    for (const nlohmann::json& row : table.at("rows")) {
        lab::Bench bench(',');
        bench.Form_Load(".", model::ConfigFile{});
        for (const nlohmann::json& a : row.at("actions")) {
            const lab::Action action{a.at("kind"), a.value("control", ""), a.value("value", 0), {}};
            if (!lab::act(bench, action)) {
                std::cerr << "unbekannte Aktion: " << a.dump() << '\n';
                return 1;
            }
        }
        nlohmann::json readings = nlohmann::json::object();
        for (const lab::ControlSpec& c : lab::benchControls())
            if (c.kind == lab::Kind::Label)
                readings[c.name] = bench.view().at(c.name).text;
        rows.push_back({{"name", row.at("name")}, {"readings", readings}});
    }
    std::cout << nlohmann::json{{"rows", rows}}.dump(1) << '\n';
    return 0;
}
