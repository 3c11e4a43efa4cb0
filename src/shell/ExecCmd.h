// Runs one command line in the MAME folder and waits for its end.
#pragma once

#include <QString>

// Window states that callers pass; a hint that this platform may ignore.
namespace ShowState {
inline constexpr int Normal = 1;
inline constexpr int Minimized = 2;
}

// Runs `cmdLine` with the MAME folder as the current directory and waits, without time-out and
// without pumping events, for its end. Outside Windows the line goes to /bin/sh -f -c, so that
// wildcards reach MAME unexpanded; standard input is the null device. A MAME folder that cannot
// be entered shows the drive message and returns as though the command had run; a current
// folder that cannot be re-entered afterwards ends the program.
void ExecCmd(const QString& cmdLine, int showState, const QString& mamePath);
