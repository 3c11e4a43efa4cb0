#include "shell/ExecCmd.h"

#include "platform/CommandLine.h"
#include "platform/InputDropped.h"
#include "platform/MsgBox.h"
#include "platform/Process.h"
#include "shell/MameProgram.h"
#include "shell/ProgramEnd.h"

namespace {

// "mame" at the head of a line is the MAME folder's own program, named by its path: a folder
// without one must not run whatever other "mame" the PATH finds (a packaged one, say).
QString withMameFoldersProgram(const QString& cmdLine, const QString& folder)
{
    const QString head = CommandPrefix() + QStringLiteral("mame");
    if (!cmdLine.startsWith(head))
        return cmdLine;
    if (cmdLine.size() > head.size() && cmdLine[head.size()] != QLatin1Char(' '))
        return cmdLine;
    return CommandPrefix() + QuoteArg(MameProgramFile(folder)) + cmdLine.mid(head.size());
}

} // namespace

int ExecCmd(const QString& cmdLine, int showState, const QString& mamePath, const QString& errorFile)
{
    const QString saved = CurrentFolder();
    if (mamePath.isEmpty() || !EnterFolder(mamePath)) {
        // The drive-not-ready error: nothing was started, and the caller finds no output.
        MsgBox(QStringLiteral("There is a problem communicating with the drive M.A.M.E. is on!  Try again."),
               MsgStyle::Critical, QStringLiteral("Zelvane"));
        return kCommandNotEnded;
    }
    // Absolute, so that a relative MAME folder still means the same folder on the child's PATH.
    const QString folder = CurrentFolder();
    // The thread waits without taking input: what the user does meanwhile must not act once the
    // caller has enabled its buttons again.
    const int exitCode = RunWithInputDropped(
        [&] { return RunCommandLine(withMameFoldersProgram(cmdLine, folder), showState, folder, errorFile); });
    // The folder we came from may have gone meanwhile (here a current folder can be deleted);
    // with no folder at all before the call there is nothing to return to.
    if (!saved.isEmpty() && !EnterFolder(saved))
        FatalError(QStringLiteral("Error In ExecCmd: Path not found"));
    return exitCode;
}
