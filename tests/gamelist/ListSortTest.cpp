// How the lists order games: by a column's text, case and hyphens and apostrophes ignored, equal
// texts in load order whichever the direction.
#include "gamelist/ListSort.h"

#include <gtest/gtest.h>

namespace {

GameLists listOf(std::initializer_list<const char*> names)
{
    GameLists lists;
    for (const char* name : names) {
        ListedGame g;
        g.record[GameColumn::Game] = QString::fromUtf8(name);
        g.record[GameColumn::ROM] = QString::fromUtf8(name).toLower();
        g.category = QStringLiteral("cat ") + QString::fromUtf8(name);
        lists.games.push_back(g);
    }
    return lists;
}

std::vector<qint32> sorted(const GameLists& lists, int column, bool descending, std::vector<qint32> rows = {})
{
    if (rows.empty())
        for (qint32 i = 0; i < qint32(lists.games.size()); ++i)
            rows.push_back(i);
    SortRows(rows, lists, column, descending);
    return rows;
}

} // namespace

TEST(ListSort, IgnoresCase)
{
    const GameLists l = listOf({"b", "A", "c", "B2"});
    EXPECT_EQ(sorted(l, 0, false), (std::vector<qint32>{1, 0, 3, 2}));
    EXPECT_EQ(sorted(l, 0, true), (std::vector<qint32>{2, 3, 0, 1}));
}

TEST(ListSort, IgnoresHyphensAndApostrophes)
{
    const GameLists l = listOf({"Pac-Man", "Pac Land", "PacMania", "Pa'c-Man Plus"});
    // "pacman", "pac land", "pacmania", "pacman plus": the blank still counts.
    EXPECT_EQ(sorted(l, 0, false), (std::vector<qint32>{1, 0, 3, 2}));
}

TEST(ListSort, EqualTextsKeepLoadOrderInBothDirections)
{
    const GameLists l = listOf({"x", "Same", "a", "same", "s-ame"});
    EXPECT_EQ(sorted(l, 0, false), (std::vector<qint32>{2, 1, 3, 4, 0}));
    EXPECT_EQ(sorted(l, 0, true), (std::vector<qint32>{0, 1, 3, 4, 2}));
    // Starting from another order changes nothing: ties go by load order, not by position.
    EXPECT_EQ(sorted(l, 0, true, {4, 3, 2, 1, 0}), (std::vector<qint32>{0, 1, 3, 4, 2}));
}

TEST(ListSort, SortsTheLookedUpColumnsAndASubsetOfGames)
{
    const GameLists l = listOf({"d", "c", "b", "a"});
    EXPECT_EQ(sorted(l, static_cast<int>(GameColumn::Category), false, {0, 2, 3}), (std::vector<qint32>{3, 2, 0}));
    EXPECT_EQ(ColumnText(l.games[1], static_cast<int>(GameColumn::ROM)), "c");
    EXPECT_EQ(ColumnText(l.games[1], static_cast<int>(GameColumn::Players)), "");
}

TEST(ListSort, KeyFoldsCaseAndDropsOnlyHyphensAndApostrophes)
{
    EXPECT_EQ(ListSortKey("Don't-Pull 2"), "dontpull 2");
    EXPECT_EQ(ListSortKey(""), "");
}

TEST(ListSort, LongTextsSharingTheirStartAreComparedWhole)
{
    const GameLists l = listOf({"Street Fighter II", "street fighter", "Street Fighter Alpha", "Street F", "STREET FIGHTER"});
    // "street f" < "street fighter" (twice, load order) < "...alpha" < "...ii"
    EXPECT_EQ(sorted(l, 0, false), (std::vector<qint32>{3, 1, 4, 2, 0}));
    EXPECT_EQ(sorted(l, 0, true), (std::vector<qint32>{0, 2, 1, 4, 3}));
}

TEST(ListSort, FoldsLettersBeyondAscii)
{
    EXPECT_EQ(ListSortKey(QStringLiteral("ÉCLAIR Ü")), QStringLiteral("éclair ü"));
    const GameLists l = listOf({"Öl", "öa", "Ob"});
    EXPECT_EQ(sorted(l, 0, false), (std::vector<qint32>{2, 1, 0}));
}
