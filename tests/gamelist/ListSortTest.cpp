// How the lists order games: by a column's text, case and hyphens and apostrophes ignored, equal
// texts in load order whichever the direction.
#include "gamelist/ListSort.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

GameLists listOf(const std::vector<const char*>& names)
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

TEST(ListSort, OrdersByTheColumnsTextAsTheListControlCompares)
{
    const std::vector<const char*> ties = {"x", "Same", "a", "same", "s-ame"};
    const std::vector<const char*> fighters = {"Street Fighter II", "street fighter", "Street Fighter Alpha", "Street F",
                                               "STREET FIGHTER"};
    struct Case {
        std::vector<const char*> names;
        bool descending;
        std::vector<qint32> expected;
        const char* why;
    };
    const Case cases[] = {
        {{"b", "A", "c", "B2"}, false, {1, 0, 3, 2}, "case ignored"},
        {{"b", "A", "c", "B2"}, true, {2, 3, 0, 1}, "case ignored, descending"},
        // "pacman", "pac land", "pacmania", "pacman plus": the blank still counts.
        {{"Pac-Man", "Pac Land", "PacMania", "Pa'c-Man Plus"}, false, {1, 0, 3, 2}, "hyphens, apostrophes ignored"},
        {ties, false, {2, 1, 3, 4, 0}, "equal texts in load order"},
        {ties, true, {0, 1, 3, 4, 2}, "equal texts in load order, descending too"},
        // "street f" < "street fighter" (twice, load order) < "...alpha" < "...ii"
        {fighters, false, {3, 1, 4, 2, 0}, "long texts sharing their start compared whole"},
        {fighters, true, {0, 2, 1, 4, 3}, "long texts, descending"},
        {{"Öl", "öa", "Ob"}, false, {2, 1, 0}, "letters beyond ASCII folded"},
        {{"#1", "&quot;Z&quot;"}, false, {1, 0}, "the listing's entities read as their characters"},
    };
    for (const Case& c : cases) {
        const GameLists l = listOf(c.names);
        const std::vector<qint32> rows = sorted(l, 0, c.descending);
        EXPECT_EQ(rows, c.expected) << c.why;
    }
    // Starting from another order changes nothing: ties go by load order, not by position.
    EXPECT_EQ(sorted(listOf(ties), 0, true, {4, 3, 2, 1, 0}), (std::vector<qint32>{0, 1, 3, 4, 2}));
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
    EXPECT_EQ(ListSortKey("Cookie &amp; Bibi &apos;98 &copy; &amp"), "cookie & bibi 98 &copy; &amp");
    EXPECT_EQ(ListSortKey(QStringLiteral("ÉCLAIR Ü")), QStringLiteral("éclair ü"));
}
