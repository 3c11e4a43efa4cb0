#include "shell/ExecCmd.h"

#include "platform/MsgBox.h"
#include "shell/ProgramEnd.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Runs the line with the current directory already in the MAME folder (`mameFolder`, absolute);
// its exit code, or kCommandNotEnded.
int runAndWait(const QString& cmdLine, int showState, const QString& mameFolder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(mameFolder);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = WORD(showState);
    PROCESS_INFORMATION pi{};
    std::wstring line = cmdLine.toStdWString();
    // A line that cannot be started is not reported here: the caller sees its exit code.
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                        nullptr, &si, &pi))
        return kCommandNotEnded;
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return known ? int(code) : kCommandNotEnded;
#else
    Q_UNUSED(showState);
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    // -f: no wildcard expansion, so "mame * -verifyroms" hands "*" to MAME as cmd.exe does.
    process.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), cmdLine});
    process.setWorkingDirectory(mameFolder);
    // "mame" must find the MAME folder's program first, as cmd.exe finds the current folder's.
    // A folder holding ':' cannot stand in PATH; "." names the same folder for the child.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString first = mameFolder.contains(QLatin1Char(':')) ? QStringLiteral(".") : mameFolder;
    const QString path = env.value(QStringLiteral("PATH"));
    env.insert(QStringLiteral("PATH"), path.isEmpty() ? first : first + QLatin1Char(':') + path);
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return kCommandNotEnded;
    return process.exitCode();
#endif
}

} // namespace

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
    const int exitCode = runAndWait(cmdLine, showState, QDir::currentPath());
    // The folder we came from may have gone meanwhile (here a current folder can be deleted);
    // with no folder at all before the call there is nothing to return to.
    if (!saved.isEmpty() && !QDir::setCurrent(saved))
        FatalError(QStringLiteral("Error In ExecCmd: Path not found"));
    return exitCode;
}
