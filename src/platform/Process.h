// Starting a command line as a process and waiting for its end.
#pragma once

#include <QString>

// Runs `cmdLine` in `folder` (absolute: the caller's current folder) and waits, without time-out
// and without pumping events, for its end. `showState` is the window state the line asks for, a
// hint this platform may ignore. Outside Windows the line goes to /bin/sh -f -c, so that
// wildcards reach MAME unexpanded; the line and the folder go as the bytes their text holds
// (AnsiText); the folder comes first on the child's PATH and standard input is the null device.
// Standard error goes into `errorFile` when one is named (replacing it), else where ours goes.
// Returns the exit code, or kCommandNotEnded for a line that did not start or was killed.
inline constexpr int kCommandNotEnded = -1;
int RunCommandLine(const QString& cmdLine, int showState, const QString& folder, const QString& errorFile = {});

// The process's current folder, and entering another: by the bytes the text holds (AnsiText), so
// that a folder named in another code page is the folder the user gave. CurrentFolder is "" when
// the current folder is gone.
QString CurrentFolder();
bool EnterFolder(const QString& folder);
