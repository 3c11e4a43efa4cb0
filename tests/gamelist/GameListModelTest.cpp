// A list's table model: nineteen columns, rows in sort order, selection kept across a sort.
#include "gamelist/GameListModel.h"

#include <QItemSelectionModel>
#include <gtest/gtest.h>

namespace {

GameLists games()
{
    GameLists lists;
    const char* rows[][2] = {{"Zaxxon", "1982"}, {"asteroids", "1979"}, {"Pac-Man", "1980"}};
    for (const auto& r : rows) {
        ListedGame g;
        g.record[GameColumn::Game] = QString::fromLatin1(r[0]);
        g.record[GameColumn::Year] = QString::fromLatin1(r[1]);
        g.players = QStringLiteral("1P");
        lists.games.push_back(g);
    }
    return lists;
}

QStringList column0(const GameListModel& m)
{
    QStringList names;
    for (int r = 0; r < m.rowCount(); ++r)
        names << m.index(r, 0).data().toString();
    return names;
}

} // namespace

TEST(GameListModel, ShowsNineteenColumnsWithCaptionsSortedByTheCurrentKey)
{
    const GameLists lists = games();
    GameListModel m;
    m.setRows(&lists, {0, 1, 2});
    EXPECT_EQ(m.columnCount(), 19);
    EXPECT_EQ(m.headerData(15, Qt::Horizontal).toString(), "ROM Of");
    EXPECT_EQ(m.headerData(18, Qt::Horizontal).toString(), "Players");
    EXPECT_EQ(column0(m), QStringList({"asteroids", "Pac-Man", "Zaxxon"}));
    EXPECT_EQ(m.index(0, 18).data().toString(), "1P");

    m.sort(1, Qt::DescendingOrder);
    m.setRows(&lists, {0, 1, 2});
    EXPECT_EQ(column0(m), QStringList({"Zaxxon", "Pac-Man", "asteroids"}));
}

TEST(GameListModel, SelectionFollowsItsGameThroughASort)
{
    const GameLists lists = games();
    GameListModel m;
    m.setRows(&lists, {0, 1, 2});
    QItemSelectionModel selection(&m);
    selection.setCurrentIndex(m.index(2, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m.sort(0, Qt::DescendingOrder);
    EXPECT_EQ(selection.currentIndex().row(), 0);
    EXPECT_EQ(selection.currentIndex().data().toString(), "Zaxxon");
    EXPECT_TRUE(selection.isRowSelected(0, QModelIndex()));
}
