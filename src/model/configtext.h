#pragma once
// The texts of the configuration file: its bytes as UTF-8, lowered as the
// reader lowers them, and cut and cleaned for the teacher's report.

#include <cstddef>
#include <string>
#include <string_view>

namespace model::configtext {

// Teachers save the file with whatever editor is at hand: Notepad writes
// Windows-1252, newer editors UTF-8. A line that is valid UTF-8 is taken as
// it is; any other is read as Latin-1, so "Stromfühler" arrives right both ways.
std::string toUtf8(std::string_view raw);

// ASCII letters and the Latin-1 capitals À to Þ (the multiplication sign
// excepted) lowered, as a Western code page lowers them.
std::string lowered(std::string utf8);

// Control characters (a file may hold any bytes) replaced by U+FFFD, so that
// neither a message box nor a terminal receives them.
std::string printable(std::string_view utf8);

// At most `chars` characters of a UTF-8 text, "…" marking the cut.
std::string shortened(std::string_view utf8, std::size_t chars);

// The first bytes of a raw line, at most `bytes`, never ending inside a
// UTF-8 sequence.
std::string_view head(std::string_view raw, std::size_t bytes);

} // namespace model::configtext
