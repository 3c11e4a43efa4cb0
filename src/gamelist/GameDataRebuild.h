// A rebuild of the game data that changes the current files only once it has ended well. MAME
// writes its listings into names of the run's own and the scan writes beside the current files;
// all four then take the current names, the listing last. A new MAME's old copies are taken once
// for each change of MAME. So a rebuild stopped at any point (closed, killed, power lost) leaves
// the current files and the old copies as they were, the next start completes it, and a MAME left
// running by a stopped run never writes into a file that a later run reads.
#pragma once

#include "platform/RuntimeError.h"
#include "state/GameRecord.h"

#include <QString>

#include <functional>
#include <optional>

class Progress;

// Runs a MAME command line in the MAME folder, waits for its end and returns its exit code, or a
// negative number when it did not run to its end.
using MameRunner = std::function<int(const QString& commandLine)>;

// "Creating listxml.txt..." to `progress` (may be null), then "mame -listxml" into `fileName` in
// the reports folder of the program folder whose command form is `shortAppPath`. A MAME that does
// not end with exit code 0 fails the build.
Status CreateListXML(const QString& shortAppPath, const QString& fileName, const MameRunner& runMame,
                     Progress* progress);

// The same with "Creating crcinfo.txt..." and "mame -listcrc".
Status CreateCRCInfo(const QString& shortAppPath, const QString& fileName, const MameRunner& runMame,
                     Progress* progress);

// The size of the MAME program as options.ini recorded it and as it is now.
struct MameSizes {
    qint32 stored = 0;
    qint32 now = 0;
};

// Whether the MAME program is a new one: its size changed, and a size was recorded. When it is not,
// the note of the change that the old copies were taken for is dropped.
bool NewMameDetected(const QString& appPath, MameSizes sizes);

struct GameDataRebuild {
    QString appPath;                  // the program folder
    QString shortAppPath;             // its command form
    std::optional<MameSizes> newMame; // a new MAME: the old copies are taken first, once for this change
};

// MAME's two listings, the scan (CreateGameInfo), then listxml.txt, crcinfo.txt, gameinfo.txt and
// resource.txt in place. For a new MAME the old copies of listxml.txt, crcinfo.txt and
// resource.txt are taken first unless a stopped run took them for the same change; otherwise only
// resource.txt's, as every scan keeps it. Files that stopped runs left behind are removed first.
//
// A failure leaves the current files as they were. Only a missing gameinfo.txt receives the
// records read before the failure (none after a failed MAME), so that this run shows them, and
// then listxml.txt goes, so that the next start builds again rather than trust them.
Status RebuildGameData(const GameDataRebuild& request, const MameRunner& runMame, GameRecord& game, QString& rotate,
                       Progress* progress);
