#include "shell/ExecCmd.h"

#include "platform/MsgBox.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

void runAndWait(const QString& cmdLine, int showState, const QString& mamePath)
{
#ifdef Q_OS_WIN
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = WORD(showState);
    PROCESS_INFORMATION pi{};
    std::wstring line = cmdLine.toStdWString();
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                       nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    Q_UNUSED(mamePath);
#else
    Q_UNUSED(showState);
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), cmdLine});
    // "mame" must find the MAME folder's program, as the current folder's program is found first
    // on Windows.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), mamePath + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (process.waitForStarted(-1))
        process.waitForFinished(-1);
#endif
}

} // namespace

void ExecCmd(const QString& cmdLine, int showState, const QString& mamePath)
{
    const QString saved = QDir::currentPath();
    if (mamePath.isEmpty() || !QDir::setCurrent(mamePath)) {
        // The folder could not be entered: nothing was started, and the caller finds no output.
        MsgBox(QStringLiteral("There is a problem communicating with the drive M.A.M.E. is on!  Try again."),
               MsgStyle::Critical, QStringLiteral("Zelvane"));
        return;
    }
    runAndWait(cmdLine, showState, mamePath);
    QDir::setCurrent(saved);
}
