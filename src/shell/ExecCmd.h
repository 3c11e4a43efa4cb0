// Runs one command line in the MAME folder and waits for its end.
#pragma once

#include <QString>

// Window states that callers pass; a hint that this platform may ignore.
namespace ShowState {
inline constexpr int Normal = 1;
inline constexpr int Minimized = 2;
}

// What ExecCmd returns for a command that did not run to its end: not started (the drive message
// was shown, or no interpreter), or ended by a signal.
inline constexpr int kCommandNotEnded = -1;

// Runs `cmdLine` with the MAME folder as the current directory and waits, without time-out and
// without pumping events, for its end, and returns its exit code (0 when it ended well). Outside
// Windows the line goes to /bin/sh -f -c, so that wildcards reach MAME unexpanded; standard input
// is the null device. A MAME folder that cannot be entered shows the drive message and returns
// kCommandNotEnded; a current folder that cannot be re-entered afterwards ends the program.
int ExecCmd(const QString& cmdLine, int showState, const QString& mamePath);
