// Runs one command line in the MAME folder and waits for its end.
#pragma once

#include "platform/Process.h"

#include <QString>

// Window states that callers pass; a hint that this platform may ignore.
namespace ShowState {
inline constexpr int Normal = 1;
inline constexpr int Minimized = 2;
}

// Runs `cmdLine` with the MAME folder as the current directory and waits, without time-out and
// without pumping events, for its end, and returns its exit code (0 when it ended well), or
// kCommandNotEnded when it did not run to its end (the drive message was shown, no interpreter,
// or ended by a signal). Outside
// Windows the line goes to /bin/sh -f -c, so that wildcards reach MAME unexpanded; standard input
// is the null device. A MAME folder that cannot be entered shows the drive message and returns
// kCommandNotEnded; a current folder that cannot be re-entered afterwards ends the program.
int ExecCmd(const QString& cmdLine, int showState, const QString& mamePath);
