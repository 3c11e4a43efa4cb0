// What the list loader hands to the three game lists: every kept game once, in load order.
#pragma once

#include "state/GameRecord.h"

#include <vector>

struct ListedGame {
    GameRecord record;
    QString category; // empty without catver.ini, "Not Found" when the game is not in it
    QString players;  // the same for nplayers.ini
    bool installed = false;
};

struct GameLists {
    std::vector<ListedGame> games;   // the All Games list, in load order
    std::vector<qint32> installed;   // indexes into games, in load order
    std::vector<qint32> uninstalled;
    bool fromTodaysMame = false;     // a record read, kept or hidden, was listed by today's MAME

    qint32 intAllCount() const { return qint32(games.size()); }
    qint32 intInstalledCount() const { return qint32(installed.size()); }
    qint32 intUninstalledCount() const { return qint32(uninstalled.size()); }
};
