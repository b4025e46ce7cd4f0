#pragma once
// The teacher's and administrator's options, answered without a window:
//   kora --check-config [DATEI]   kora --help   kora --version

namespace app {

// True when there are any arguments: the experiment window takes none, so
// they are answered here, or refused with the usage and exit status 2.
bool wantsCommandLine(int argc, char** argv);

// Answers them with a QCoreApplication only, so no display is needed.
// Returns the exit status.
int runCommandLine(int argc, char** argv);

} // namespace app
