#include "shell/ExecCmd.h"

#include "platform/MsgBox.h"
#include "platform/Process.h"
#include "shell/ProgramEnd.h"

#include <QDir>

int ExecCmd(const QString& cmdLine, int showState, const QString& mamePath)
{
    const QString saved = QDir::currentPath();
    if (mamePath.isEmpty() || !QDir::setCurrent(mamePath)) {
        // The drive-not-ready error: nothing was started, and the caller finds no output.
        MsgBox(QStringLiteral("There is a problem communicating with the drive M.A.M.E. is on!  Try again."),
               MsgStyle::Critical, QStringLiteral("Zelvane"));
        return kCommandNotEnded;
    }
    // Absolute, so that a relative MAME folder still means the same folder on the child's PATH.
    const int exitCode = RunCommandLine(cmdLine, showState, QDir::currentPath());
    // The folder we came from may have gone meanwhile (here a current folder can be deleted);
    // with no folder at all before the call there is nothing to return to.
    if (!saved.isEmpty() && !QDir::setCurrent(saved))
        FatalError(QStringLiteral("Error In ExecCmd: Path not found"));
    return exitCode;
}
