#include "gamelist/ListSort.h"

#include <algorithm>

const QString& ColumnText(const ListedGame& game, int column)
{
    switch (static_cast<GameColumn>(column)) {
    case GameColumn::Category: return game.category;
    case GameColumn::Players: return game.players;
    default: return game.record.fields[static_cast<size_t>(column)];
    }
}

QString ListSortKey(const QString& text)
{
    QString key = text.toCaseFolded();
    key.removeIf([](QChar c) { return c == QLatin1Char('-') || c == QLatin1Char('\''); });
    return key;
}

void SortRows(std::vector<qint32>& rows, const GameLists& lists, int column, bool descending)
{
    // One key per game of the list, computed once: the comparisons then only compare.
    struct Keyed {
        QString key;
        qint32 game;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (qint32 g : rows)
        keyed.push_back({ListSortKey(ColumnText(lists.games[size_t(g)], column)), g});

    std::sort(keyed.begin(), keyed.end(), [descending](const Keyed& a, const Keyed& b) {
        const int c = QStringView(a.key).compare(QStringView(b.key));
        if (c != 0)
            return descending ? c > 0 : c < 0;
        return a.game < b.game;
    });
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = keyed[i].game;
}
