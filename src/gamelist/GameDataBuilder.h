// The game data builder's file work: the backups of MAME's listings, the scan of a listing into
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

// The same for resource.txt and oldresource.txt; one that cannot be read is passed over, as a
// missing one is.
Status BackupResource(const QString& appPath);

// Scans the listing `listing` into `gameinfo` (one record line per game) and `resource` (the
// listing from its first resource line to its closing "</mame>" line; in the current layout the
// BIOS sets' blocks and that closing line). The scan works in `game`,
// the program's current game: on return its ROM is empty and the other fields hold the last
// game's values; `rotate` is the first display's rotation. Captions go to `progress` (may be null).
//
// A failure in the listing (cut short or without its closing line, a missing marker) leaves in
// `gameinfo` and `resource` what was written before it; the error's line is the listing's line
// number. A file that cannot be written keeps its old content, and the error names it.
Status CreateGameInfo(const QString& listing, const QString& gameinfo, const QString& resource, GameRecord& game,
                      QString& rotate, Progress* progress);

// "Error In CreateGameInfo: ", the description, CR, "Line Number: " and the line.
QString CreateGameInfoErrorText(const RuntimeError& error);

// `error` with the file it met: "Disk full: " and the file's path.
RuntimeError NamingFile(RuntimeError error, const QString& path);

// Deletes newroms.txt, then whatsnew.txt, each when it exists.
Status KillWhatsNewReports(const QString& appPath);
