// The list loader: the game data read into the records of the All, Installed and Uninstalled
// lists, with the hide options, the installed test and the Category and Players look-ups.
#pragma once

#include "gamelist/GameLists.h"
#include "platform/RuntimeError.h"

#include <QString>

struct AppState;
class Progress;

// Reads reports/favorite.txt while the favorites view is on, else reports/gameinfo.txt, record by
// record into `state.game` (the program's current game), drops what the hide options exclude,
// marks a game installed when its set file stands in the ROMs or the additional ROMs folder (an
// empty folder setting is skipped), and looks up its Category and Players when catver.ini and
// nplayers.ini were found at start-up. The running count of kept games goes to `progress` (may
// be null). At the end the current game's fields from Game to ROM are cleared; Source, ROM Of
// and CHD keep the last record's values.
//
// A failure (a missing file, a malformed record, game data without a game) is fatal for the
// caller: show LoadListsErrorText with the current game's ROM, then end the program. Before it
// returns, the failure is made good for the next start: the game data file is removed, so that
// the next start builds it anew; a favorites list is left as it is and the favorites view is
// stored as off in options.ini (pending in the INI service, which the program's end writes).
Result<GameLists> LoadLists(AppState& state, Progress* progress);

// "Error In LoadLists: ", the description, CR, "ROM: ", the ROM, CR, CR and the version hint.
QString LoadListsErrorText(const RuntimeError& error, const QString& rom);
