// The favorites list, reports/favorite.txt: games added and removed by their description, and the
// check of the list against a rebuilt gameinfo.txt, which names the dropped games in changes.txt.
#pragma once

#include "platform/RuntimeError.h"
#include "state/GameRecord.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// A message for the form to show with the information icon.
struct FavoritesMessage {
    QString prompt;
    QString title;
};

struct FavoritesResult {
    // Shown first: "Game already on list.", or the check's note that it dropped favorites.
    std::optional<FavoritesMessage> notice;
    // Set when no favorite is left: the favorites view ends, then this is shown.
    std::optional<FavoritesMessage> emptied;
};

// reports/favorite.txt of the program folder `appPath`.
QString FavoritesPath(const QString& appPath);

// The description of a favorites line: the text from its second character up to the first
// double quote, comma, double quote; a line without them gives the rest of the line.
QByteArrayView FavoriteDescription(QByteArrayView line);

// Appends the game's record unless a line with the same description (compared exactly) is on
// the list already, which gives the notice instead. The file is replaced in one piece.
Result<FavoritesResult> AddFavorite(const QString& appPath, const GameRecord& game);

// Rewrites the list without every line of that description, through newfav.txt (started empty),
// which then takes favorite.txt's place in one step: the old list stays until the new one is
// complete. A list left empty stays on disk, for the caller to reload from before it calls
// DeleteFavorites, and `emptied` is set.
Result<FavoritesResult> RemoveFavorite(const QString& appPath, const QString& description);

// Removes favorite.txt; true when it is gone.
bool DeleteFavorites(const QString& appPath);

// After a rebuild of the game data: keeps the favorites that equal a line of gameinfo.txt,
// ignoring case, and appends the description of each other one to changes.txt. A list left
// empty is deleted and `emptied` set. Nothing happens without favorite.txt. A list that the
// loader could not read (a record not on one line of seventeen fields, a blank line) is an error.
// On failure favorite.txt is as it was and changes.txt unchanged.
Result<FavoritesResult> VerifyFavorites(const QString& appPath);
