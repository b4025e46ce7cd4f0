#pragma once
// The bench for a page: lab::Bench created from the teacher's file's text,
// the person's actions in, the view of every control and the messages (keys
// with their values) out. Other parts of the binding take the page's bench
// by this class: the evaluation works on its experiment.

#include "lab/bench.h"
#include "model/random.h"

#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class PageBench {
public:
    // An empty text: no teacher's file, the bench as designed.
    PageBench(const std::string& teachersFile, const std::string& separator);
    // A signed-in student: with the file's key word, the Matrikelnummer
    // draws the student's own variant, as on the desktop (and as the
    // teacher's answer key, kora --check-config --matrikel, gives it).
    PageBench(const std::string& teachersFile, const std::string& separator, const std::string& matrikel);

    lab::Bench& bench() { return bench_; }
    // The seed of a signed-in run's draw as a decimal text; empty with a
    // personal variant (the key word and the Matrikelnummer are its seed).
    std::string seed() const { return seed_ ? std::to_string(*seed_) : std::string(); }
    const lab::Bench& bench() const { return bench_; }

    // One action as lab::act takes it: false for an unknown kind.
    bool act(const std::string& kind, const std::string& control, int value);
    // An action that carries a text (a caption set from outside).
    bool actText(const std::string& kind, const std::string& control, int value, const std::string& text);
    // An up-down's arrow: one step up (direction > 0) or down from where it
    // stands, within its range, as the control itself moves.
    bool nudge(const std::string& updown, int direction);

    emscripten::val view() const;
    emscripten::val messages();
    std::string positionText(const std::string& updown, int position) const;
    // The message about the lines of the teacher's file that could not be
    // used: its lines as phrases, worded by the page.
    emscripten::val problemNotice() const;
    int rowCount() const { return static_cast<int>(bench_.rows().size()); }
    // The recorded rows, with the journal's field names.
    emscripten::val rows() const;
    // The row the displays show now and the thermostat's step: what the
    // journal samples after each tick.
    emscripten::val shown() const;

private:
    std::unique_ptr<model::Class1> personal_; // before the bench, which draws with it
    std::optional<std::uint64_t> seed_;
    lab::Bench bench_;
};
