#pragma once
// The teacher's and administrator's options, answered without a window:
//   kora --check-config [DATEI]   kora --ergebnisse ORDNER   kora --help   kora --version
// in German, or in English with `--sprache en` among them.

#include "model/configcheck.h"
#include "ui/translations.h"

namespace app {

// True when there are any arguments but a language for the window
// (`--sprache de|en`): they are answered here, or refused with the usage and
// exit status 2.
bool wantsCommandLine(int argc, char** argv);

// Answers them with a QCoreApplication only, so no display is needed.
// Returns the exit status.
int runCommandLine(int argc, char** argv);

// Whether the experiment window has a display to open on: an X or Wayland
// session, or a Qt platform named in QT_QPA_PLATFORM.
bool hasDisplay();

// The language of the experiment: the teacher's file chooses, else
// `--sprache`, else German (on an English desktop too).
ui::Language languageOfTheRun(const model::StartChoices& choices, int argc, char** argv);

// Says that the experiment needs a graphical session and what works in a
// terminal, in the language the run would speak. Returns the exit status 1.
int refuseWithoutDisplay(int argc, char** argv);

} // namespace app
