// Runs one command line in the MAME folder and waits for its end.
#pragma once

#include "platform/Process.h"

#include <QString>

// Window states that callers pass; a hint that this platform may ignore.
namespace ShowState {
inline constexpr int Normal = 1;
inline constexpr int Minimized = 2;
}

// Runs `cmdLine` with the MAME folder as the current directory (RunCommandLine) and returns its
// exit code (0 when it ended well), or kCommandNotEnded when it did not run to its end (no
// interpreter, or ended by a signal). A line that starts with the word "mame" runs the MAME
// folder's own program, never another found on the PATH. A MAME folder that cannot be entered
// shows the drive message and returns kCommandNotEnded; a current folder that cannot be re-entered
// afterwards ends the program. The windows are painted as they stand before the run, and the
// user's input during it is dropped. MAME's standard error goes into `errorFile` when one is named.
int ExecCmd(const QString& cmdLine, int showState, const QString& mamePath, const QString& errorFile = {});
