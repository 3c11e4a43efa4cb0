// How the game lists order their rows: by the text of one column, as the list control compares it.
#pragma once

#include "gamelist/GameLists.h"

#include <QString>

#include <vector>

// The text a list shows in one of its nineteen columns for a game.
const QString& ColumnText(const ListedGame& game, int column);

// The form of a text that sorting compares: the text as shown, case folded, hyphens and
// apostrophes left out.
QString ListSortKey(const QString& text);

// Orders `rows` (indexes into lists.games) by the text of `column`. Equal texts stay in load
// order (ascending game index) in both directions: descending reverses the comparison only.
void SortRows(std::vector<qint32>& rows, const GameLists& lists, int column, bool descending);

