#pragma once
// A course's lines in the teacher's file: the sign-in, personal variants,
// the folder of the result records and the exam. Each counts only when its
// field 0 is exactly the keyword; a remark may mention the words.

#include "model/configreason.h"

#include <optional>
#include <string>
#include <string_view>

namespace model {

struct CourseSettings {
    bool anmeldung = false;  // "anmeldung:pflicht": name and Matrikelnummer before the bench
    int stellen = 0;         // "anmeldung:pflicht:stellen=7": exactly that many digits; 0 any form
    std::string schluessel;  // "variante:schluessel=<Wort>": the key of the personal draws, lowered
    std::string ergebnisse;  // "ergebnisse:ordner=<Pfad>": the folder as written, case kept
    bool pruefung = false;   // "pruefung:on": an exam

    // Each of the other three lines asks for the student's identity too.
    bool signInRequired() const { return anmeldung || !schluessel.empty() || !ergebnisse.empty() || pruefung; }
    bool any() const { return signInRequired(); }
};

// The course keyword that field 0 of `lowered` is exactly, or "" when the
// line is none of them (blanks around field 0 and a byte-order mark allowed).
std::string_view courseKeyword(std::string_view lowered);

// Applies a course line to `settings`. `lowered` is the line as the reader
// lowered it, `written` the same line as it stands in the file (the folder
// keeps its case). Returns the reason when the value cannot be used.
std::optional<ConfigReason> applyCourseLine(std::string_view keyword, std::string_view lowered,
                                            std::string_view written, CourseSettings& settings);

// The folder of the result records: as written when absolute, else relative
// to `configFolder`, the folder of the teacher's file; "" without the line.
std::string resultFolder(const CourseSettings& settings, const std::string& configFolder);

// The Matrikelnummer rule: 3 to 20 ASCII letters, digits or '-'.
bool validMatrikel(std::string_view id);

// Whether `typed` (blanks around it allowed) is exactly `digits` digits.
bool hasDigits(std::string_view typed, int digits);

// The one form of a Matrikelnummer under which it draws its variant and is
// filed: blanks, hyphens and slashes removed, letters in capitals, leading
// zeros dropped ("04711-001" and "4711001" are one student). All zeros stay "0".
std::string normalizedMatrikel(std::string_view typed);

} // namespace model
