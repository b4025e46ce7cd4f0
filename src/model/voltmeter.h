#pragma once
// The digital voltmeter: four ranges, full scale 19.99 V divided by the
// range factor, hyphens over range.

#include <optional>
#include <string>

namespace model {

inline constexpr const char* overRangeText = "---------";

// The display text of voltage u (volts, single precision as the meter takes
// it) in the range messbereich (0.1, 1, 10 or 100). No text for any other
// factor: the display then keeps what it shows.
std::optional<std::string> voltmeterText(float u, double messbereich, char separator);

// The range factor that position p of the range control selects: 10^(p-1).
double rangeForPosition(int p);

// The range of position p by its full scale rounded up ("20 V"), as a
// screen reader says it and the journal records it; empty outside the four
// positions.
std::string rangeName(int p);

} // namespace model
