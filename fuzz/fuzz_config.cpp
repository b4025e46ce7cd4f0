// Any bytes at all as the teacher's cmmup.dlx, then the rest of the bench's
// start-up on the state the file left: the reading of the circuit, alpha,
// the report to the teacher and a few thermostat ticks. Nothing may crash or
// show undefined behaviour, and the values the reader promises to keep in
// range (sensor number, source voltage, thermostat temperature) stay there.
// The report stays small and free of control characters whatever the file.
//
// An input whose first byte is 0xFF reaches the reader's limits: the bytes
// after the second are repeated to between 3 and 5 KiB (set by the second
// byte), so that a text without line ends makes lines around the 4096-byte
// limit, and an odd second byte reads it as the first MiB of a larger file,
// so that the size limit cuts it at any place. (A whole MiB per input would
// slow the fuzzing down a thousandfold; the tests read real files of that
// size.)

#include "model/circuit.h"
#include "model/config.h"
#include "model/random.h"
#include "model/state.h"
#include "model/thermal.h"
#include "model/voltmeter.h"
#include "numbers/numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The bench's side of the configuration: a selected sensor is computed at
// once, as the option button's click handler does.
struct Bench : model::ConfigTarget {
    explicit Bench(model::ExperimentState& s) : state(s) {}
    void showSelfHeatingSwitch() override {}
    void pressSelfHeatingSwitch() override {}
    void hideSensorChoice() override {}
    void selectSensor(int index) override
    {
        if (index < 0 || index >= model::sensorTypes)
            std::abort();
        state.sensortyp = static_cast<std::uint8_t>(index);
        (void)model::f_anzeige(state);
    }
    model::ExperimentState& state;
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

model::ConfigFile fileContent(const std::uint8_t* data, std::size_t size)
{
    model::ConfigFile file;
    file.kind = model::ConfigFile::Kind::Read;
    const char* bytes = reinterpret_cast<const char*>(data);
    if (size < 3 || data[0] != 0xFF) {
        file.bytes.assign(bytes, size);
        return file;
    }
    const std::size_t length = model::maxLineBytes - 1024 + std::size_t{data[1]} * 8;
    const std::string_view unit(bytes + 2, size - 2);
    file.bytes.reserve(length);
    while (file.bytes.size() < length)
        file.bytes.append(unit.substr(0, length - file.bytes.size()));
    file.cut = data[1] % 2 == 1;
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    model::ExperimentState s;
    model::setStartValues(s, ',');
    Bench bench(s);
    model::Class1 random;
    // As the start reads a regular file: its first bytes, and whether it goes on.
    const model::ConfigFile file = fileContent(data, size);
    model::ProblemList problems;
    problems.keep = model::reportedLines;
    model::applyConfigFile(file, "cmmup.dlx", s, bench, random, problems);

    require(s.sensortyp < model::sensorTypes);
    require(s.uquelle >= 0 && s.uquelle <= 24);
    require(s.tsoll >= 20 && s.tsoll <= 100);
    int last = 0;
    for (const auto& p : problems.kept) {
        require(p.line > last && p.line <= static_cast<int>(file.bytes.size()) + 1);
        last = p.line;
    }
    // What the teacher's message quotes: the line and the reasons' values.
    std::size_t quoted = 0;
    auto printable = [&quoted](const std::string& text) {
        quoted += text.size();
        for (char c : text)
            require(static_cast<unsigned char>(c) >= 0x20 || c == '\t');
    };
    for (const auto& p : problems.kept) {
        printable(p.text);
        for (const auto& r : p.reasons)
            for (const auto& v : r.values)
                printable(v);
    }
    require(quoted < 64 * 1024 * 16);
    (void)numbers::displayText(s.tsoll, ',');

    model::Thermostat th;
    if (s.eigenerwarmung)
        model::toggleSelfHeating(s, th);
    (void)model::f_anzeige(s);
    model::f_alpha(s);
    for (int tick = 0; tick < 3 && !model::isDestroyed(s); ++tick) {
        model::applyPendingStep(s, th);
        if (model::f_anzeige(s) == model::Reading::Shown)
            (void)model::voltmeterText(static_cast<float>(s.umess), s.messbereich, ',');
        model::computeNextStep(s, th);
        if (std::isfinite(s.tsensor))
            (void)numbers::patternText(s.tsensor, 1, 1, ',');
    }
    return 0;
}
