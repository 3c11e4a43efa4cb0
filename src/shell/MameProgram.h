// The MAME program in the MAME folder: its file name on this platform.
#pragma once

#include "platform/FileNames.h"
#include "shell/ShortPath.h"

#include <QString>

// The program file of a MAME folder, as the folder's text names it.
inline QString MameProgramFile(const QString& mameFolder) { return JoinPath(mameFolder, MameProgramName()); }
