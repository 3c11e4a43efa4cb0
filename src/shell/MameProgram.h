// The MAME program in the MAME folder: its file name on this platform.
#pragma once

#include "shell/ShortPath.h"

#include <QString>

inline QString MameProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("mame.exe");
#else
    return QStringLiteral("mame");
#endif
}

// The program file of a MAME folder, as the folder's text names it.
inline QString MameProgramFile(const QString& mameFolder) { return JoinPath(mameFolder, MameProgramName()); }
