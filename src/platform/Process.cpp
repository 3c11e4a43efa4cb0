#include "platform/Process.h"

#include "platform/AnsiText.h"

#ifdef Q_OS_WIN
#include <QDir>

#include <windows.h>
#else
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;
#endif

int RunCommandLine(const QString& cmdLine, int showState, const QString& folder, const QString& errorFile)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = WORD(showState);
    HANDLE errors = INVALID_HANDLE_VALUE;
    if (!errorFile.isEmpty()) {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        // The caller's temporary file holds the name open for writing: share everything with it.
        errors = CreateFileW(errorFile.toStdWString().c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (errors != INVALID_HANDLE_VALUE) {
            si.dwFlags |= STARTF_USESTDHANDLES;
            si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
            si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
            si.hStdError = errors;
        }
    }
    PROCESS_INFORMATION pi{};
    std::wstring line = cmdLine.toStdWString();
    const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                                        nullptr, nullptr, &si, &pi);
    if (errors != INVALID_HANDLE_VALUE)
        CloseHandle(errors);
    if (!started)
        return kCommandNotEnded;
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return known ? int(code) : kCommandNotEnded;
#else
    Q_UNUSED(showState);
    // The line's bytes as the files and settings hold them: a name in another code page reaches
    // the command as it stands, never as UTF-8's replacement character.
    const QByteArray line = toAnsi(cmdLine);
    const QByteArray dir = toAnsi(folder);
    const QByteArray errors = toAnsi(errorFile);
    // -f: no wildcard expansion, so "mame * -verifyroms" hands "*" to MAME as cmd.exe does.
    char shell[] = "/bin/sh", noGlob[] = "-f", command[] = "-c";
    char* argv[] = {shell, noGlob, command, const_cast<char*>(line.constData()), nullptr};

    // "mame" must find the MAME folder's program first, as cmd.exe finds the current folder's.
    // A folder holding ':' cannot stand in PATH; "." names the same folder for the child.
    const QByteArray first = dir.contains(':') ? QByteArray(".") : dir;
    std::vector<QByteArray> variables;
    bool pathSet = false;
    for (char** v = environ; *v; ++v) {
        QByteArray variable(*v);
        if (variable.startsWith("PATH=")) {
            const QByteArray rest = variable.mid(5);
            variable = "PATH=" + (rest.isEmpty() ? first : first + ':' + rest);
            pathSet = true;
        }
        variables.push_back(variable);
    }
    if (!pathSet)
        variables.push_back("PATH=" + first);
    std::vector<char*> envp;
    for (QByteArray& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (!errors.isEmpty())
        posix_spawn_file_actions_addopen(&actions, 2, errors.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    // The child starts as a program started from a shell would: no signal blocked or ignored.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGHUP, SIGTERM, SIGCHLD})
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, shell, &actions, &attributes, argv, envp.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return kCommandNotEnded;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return kCommandNotEnded;
    return WIFEXITED(status) ? WEXITSTATUS(status) : kCommandNotEnded;
#endif
}

#ifdef Q_OS_WIN
QString CurrentFolder() { return QDir::currentPath(); }

bool EnterFolder(const QString& folder) { return QDir::setCurrent(folder); }
#else
QString CurrentFolder()
{
    QByteArray buffer(4096, '\0');
    while (!getcwd(buffer.data(), size_t(buffer.size()))) {
        if (errno != ERANGE)
            return QString();
        buffer.resize(buffer.size() * 2);
    }
    return fromAnsi(QByteArrayView(buffer.constData()));
}

bool EnterFolder(const QString& folder) { return !folder.isEmpty() && chdir(toAnsi(folder).constData()) == 0; }
#endif
