#include "platform/Process.h"

#include <QProcess>
#include <QProcessEnvironment>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int RunCommandLine(const QString& cmdLine, int showState, const QString& folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = WORD(showState);
    PROCESS_INFORMATION pi{};
    std::wstring line = cmdLine.toStdWString();
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
    process.setWorkingDirectory(folder);
    // "mame" must find the MAME folder's program first, as cmd.exe finds the current folder's.
    // A folder holding ':' cannot stand in PATH; "." names the same folder for the child.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString first = folder.contains(QLatin1Char(':')) ? QStringLiteral(".") : folder;
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
