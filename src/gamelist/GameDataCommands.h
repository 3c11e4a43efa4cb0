// The two MAME runs that capture its listings into the reports folder before the scan.
#pragma once

#include "state/AppState.h"

class Progress;

// "Creating listxml.txt..." to `progress` (may be null), then "mame -listxml" into
// reports/listxml.txt, run in the MAME folder and waited for. MAME's exit code is not examined:
// an empty or broken listing is noticed by CreateGameInfo.
void CreateListXML(const ProgramPaths& paths, const DirectorySettings& dirs, Progress* progress);

// The same with "Creating crcinfo.txt..." and "mame -listcrc" into reports/crcinfo.txt.
void CreateCRCInfo(const ProgramPaths& paths, const DirectorySettings& dirs, Progress* progress);
