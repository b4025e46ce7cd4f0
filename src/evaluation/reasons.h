#pragma once
// Why a comparison stopped, as the second line under "Fehler in Formel":
// the sentence of each reason key, with the temperature of the sample where
// it matters.

#include "scoring/comparison.h"

#include <QString>

namespace evaluation {

// The failure's sentence; the sample's kelvin is shown to one decimal with
// `separator` ("293 K", "341,2 K"). Empty for a failure nobody foresaw,
// which leaves "Fehler in Formel" alone.
QString reasonSentence(const scoring::Failure& failure, char separator);

} // namespace evaluation
