#pragma once
// The teacher's and administrator's options, answered without a window:
//   kora --check-config [DATEI]   kora --help   kora --version

namespace app {

// True when the arguments ask for one of these options; the experiment
// window is then not started.
bool wantsCommandLine(int argc, char** argv);

// Answers them with a QCoreApplication only, so no display is needed.
// Returns the exit status.
int runCommandLine(int argc, char** argv);

} // namespace app
