#pragma once
// The anatomy of one line of the teacher's file: its fields, the value of a
// field, the number of a value and what about it the teacher is told.

#include "model/configreason.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace model::configline {

// A step of a line that cannot be carried out. The handler stops there; the
// stores of its earlier steps stay, as they would on the bench.
struct LineError {
    ConfigReason reason;
};

[[noreturn]] void fail(Reason key, std::vector<std::string> values = {});

std::vector<std::string> split(std::string_view t, char sep);
std::string trimmed(std::string_view t);
bool contains(std::string_view text, std::string_view word);

// A line split at every ":", once as the reader matches it (lowered) and
// once as the teacher wrote it; lowering keeps every byte in its place, so
// both have the same fields.
class Line {
public:
    explicit Line(std::string written);

    const std::string& written() const { return written_; }
    const std::string& lowered() const { return lowered_; }
    // Field n, lowered; a missing field stops the line.
    const std::string& field(std::size_t n) const;
    // Field n as written (names keep the teacher's case).
    const std::string& writtenField(std::size_t n) const;
    // The value of field n: the text after its first "=" up to a second one.
    std::string value(std::size_t n) const;
    std::string writtenValue(std::size_t n) const;

private:
    std::string written_;
    std::string lowered_;
    std::vector<std::string> fields_;
    std::vector<std::string> writtenFields_;
};

// Collects what the teacher is told about a line's values while the line
// goes on.
class Notes {
public:
    void add(Reason key, std::vector<std::string> values = {})
    {
        reasons_.push_back({key, std::move(values), {}});
    }
    std::vector<ConfigReason> take() { return std::exchange(reasons_, {}); }

    // The number of a value field. A decimal comma or a text without any
    // number is reported and gives nothing to store, since the number before
    // it is not the one meant; other text after the number is reported and
    // the number kept, so that files relying on it keep working. `written`
    // is the value as the teacher wrote it, for the report.
    std::optional<double> number(std::string_view value, std::string_view written);

    // A tolerance is a fraction: 0 < tol < 1, and no percent sign.
    std::optional<double> tolerance(std::string_view text, std::string_view written);

private:
    std::vector<ConfigReason> reasons_;
};

// The teacher writes numbers with a point; reports and the check show them so.
std::string fileText(double v);

// The number of a text for the random forms' bounds; only a number too
// large for a double stops the line.
double numberOf(std::string_view text);

// Field 2 of a "sensor" line that means hiding in some other word ("aus",
// "hide", "off " with a blank); only "off" itself hides the choice.
bool meansHiding(std::string_view field);

// The distance between two words in edits of one character.
std::size_t editDistance(std::string_view a, std::string_view b);

// A remark that looks like a setting: a word, ":" and a later field with "=".
bool looksLikeSetting(const std::string& lowered);

} // namespace model::configline
