// Every ROM set the game data knows, whatever the lists show: the games, the BIOS sets and the
// devices that MAME loads ROMs for, so that the ROM compare never offers a set MAME needs.
#pragma once

#include "platform/RuntimeError.h"

#include <QString>
#include <QStringList>

struct KnownSets {
    QStringList names;
    // The game data comes from today's MAME (one MAME lists them all), which opens sets its way.
    bool todaysMame = false;
};

// The ROM names of every game in the program folder's reports/gameinfo.txt and of every entry in
// its resource.txt and listxml.txt (each <machine> or <game> start tag of either of MAME's
// layouts: games, BIOS sets and devices alike). A file that cannot be read, or a malformed game data line, is
// an error naming the file: a partial answer would offer sets that games need.
Result<KnownSets> KnownSetNames(const QString& appPath);

// The ROM names of the games in reports/gameinfo.txt that today's MAME listed: the names of the
// folders in which it keeps a game's NVRAM and snapshots. An error names the file.
Result<QStringList> TodaysGameNames(const QString& appPath);
