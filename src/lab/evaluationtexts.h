#pragma once
// Why a comparison stopped, as the second line under "Fehler in Formel":
// the sentence of each reason key, with the temperature of the sample where
// it matters. Keys of the context "evaluation::reasons".

#include "lab/words.h"
#include "scoring/comparison.h"

#include <vector>

namespace lab {

inline constexpr const char* reasonsContext = "evaluation::reasons";

// The failure's sentence as parts joined as they stand ("Bei T = 293 K " and
// the reason); the sample's kelvin is shown to one decimal with `separator`.
// Empty for a failure nobody foresaw, which leaves "Fehler in Formel" alone.
std::vector<Form> reasonSentence(const scoring::Failure& failure, char separator);

} // namespace lab
