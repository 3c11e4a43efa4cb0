#include "gamelist/GameDataCommands.h"

#include "shell/ExecCmd.h"
#include "shell/MameCommands.h"
#include "shell/Progress.h"

void CreateListXML(const ProgramPaths& paths, const DirectorySettings& dirs, Progress* progress)
{
    if (progress)
        progress->message(QStringLiteral("Creating listxml.txt..."));
    ExecCmd(MameListXmlCommand(paths.strShortAppPath), ShowState::Minimized, dirs.strMAMEPath);
}

void CreateCRCInfo(const ProgramPaths& paths, const DirectorySettings& dirs, Progress* progress)
{
    if (progress)
        progress->message(QStringLiteral("Creating crcinfo.txt..."));
    ExecCmd(MameListCrcCommand(paths.strShortAppPath), ShowState::Minimized, dirs.strMAMEPath);
}
