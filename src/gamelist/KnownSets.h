// Every ROM set the game data knows, whatever the lists show: the games, the BIOS sets and the
// devices that MAME loads ROMs for, so that the ROM compare never offers a set MAME needs.
#pragma once

#include "platform/RuntimeError.h"

#include <QString>
#include <QStringList>

// The ROM names of every game in the program folder's reports/gameinfo.txt and of every entry in
// its resource.txt and listxml.txt (each <machine> or <game> start tag of either of MAME's
// layouts: games, BIOS sets and devices alike). A file that cannot be read, or a malformed game data line, is
// an error naming the file: a partial answer would offer sets that games need.
Result<QStringList> KnownSetNames(const QString& appPath);
