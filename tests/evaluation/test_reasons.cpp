// The sentences of the comparison's reason keys, without a window.

#include "evaluation/reasons.h"
#include "scoring/equation.h"

#include <gtest/gtest.h>

namespace {

using scoring::Reason;

// Every key the comparison can hand out has its sentence; only a failure
// nobody foresaw is left to "Fehler in Formel" alone.
TEST(ReasonSentence, EveryKeyHasOne)
{
    for (int i = 0; i < scoring::reasonCount; ++i) {
        const auto reason = static_cast<Reason>(i);
        const QString text = evaluation::reasonSentence({reason, 293, "T"}, ',');
        EXPECT_EQ(text.isEmpty(), reason == Reason::Unknown) << "key " << i;
    }
}

TEST(ReasonSentence, CarriesItsValues)
{
    EXPECT_EQ(evaluation::reasonSentence({Reason::DivisionByZero, 341.200000000001, "1/(T-341.2)"}, ',')
                  .toStdString(),
              "Bei T = 341,2 K wird durch 0 geteilt.");
    // An unknown word is named; an unreadable part that is no word is shown whole.
    EXPECT_EQ(evaluation::reasonSentence({Reason::NotANumber, 0, "2*PI*T"}, '.').toStdString(),
              "»PI« ist keine bekannte Funktion (bekannt: " + scoring::knownFunctions() + ")");
    EXPECT_EQ(evaluation::reasonSentence({Reason::NotANumber, 0, "T%"}, '.').toStdString(),
              "Der Ausdruck »T%« ist keine Zahl.");
}

} // namespace
