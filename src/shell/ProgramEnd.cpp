#include "shell/ProgramEnd.h"

#include "platform/MsgBox.h"
#include "shell/IniFile.h"

#include <cstdio>
#include <cstdlib>

void EndProgram(int exitCode)
{
    // Windows wrote each profile value at once; ours wait in the cache until flushed.
    IniService::instance().flushAll();
    std::fflush(stdout);
    std::fflush(stderr);
    // Qt lets no exception cross its event loop, so the end is immediate, without unwinding.
    std::_Exit(exitCode);
}

void FatalError(const QString& prompt, int style, const QString& title)
{
    MsgBox(prompt, style, title);
    EndProgram(1);
}
