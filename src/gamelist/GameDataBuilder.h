// The game data builder's file work: the backups of MAME's listings, the scan of listxml.txt into
// gameinfo.txt and resource.txt, and the removal of the comparison reports after a rebuild.
#pragma once

#include "platform/RuntimeError.h"
#include "state/GameRecord.h"

#include <QString>

class Progress;

// The reports folder of the program folder `appPath`, and a file in it.
QString ReportsPath(const QString& appPath, const QString& fileName);

// Copies listxml.txt over oldlistxml.txt when listxml.txt exists; nothing happens otherwise.
Status BackupListXML(const QString& appPath);

// The same for crcinfo.txt and oldcrcinfo.txt.
Status BackupCRCInfo(const QString& appPath);

// Scans listxml.txt into gameinfo.txt (one record line per game) and resource.txt (the listing
// from its first resource line to the end), keeping the previous resource.txt as
// oldresource.txt. The scan works in `game`, the program's current game: on return its ROM is
// empty and the other fields hold the last game's values; `rotate` is the first display's
// rotation. Captions go to `progress` (may be null).
//
// A failure (a listing cut short, a missing marker, a file that cannot be written) leaves
// gameinfo.txt with the records written before it and removes listxml.txt, so that the next
// start rebuilds the game data; the error's line is the listing's line number.
Status CreateGameInfo(const QString& appPath, GameRecord& game, QString& rotate, Progress* progress);

// "Error In CreateGameInfo: ", the description, CR, "Line Number: " and the line.
QString CreateGameInfoErrorText(const RuntimeError& error);

// Deletes newroms.txt, then whatsnew.txt, each when it exists.
Status KillWhatsNewReports(const QString& appPath);
