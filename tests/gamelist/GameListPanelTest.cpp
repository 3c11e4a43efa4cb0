// The list frame on its own: a selection made by the program is no item click. The window's tests
// drive the rest of its signals (double clicks, the pop-up menu, the caption of the list shown).
#include "gamelist/GameListPanel.h"

#include "gamelist/GameListModel.h"

#include <QSignalSpy>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class ListPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameLists lists;
        for (const char* name : {"Zaxxon", "Asteroids", "Pac-Man"}) {
            ListedGame game;
            game.record[GameColumn::Game] = QString::fromLatin1(name);
            game.record[GameColumn::ROM] = QString::fromLatin1(name).toLower();
            lists.games.push_back(game);
        }
        lists.installed = {0, 2};
        lists.uninstalled = {1};
        m_panel.resize(540, 380);
        m_panel.showGameLists(std::move(lists));
        m_panel.show();
    }

    AppState m_state;
    GameListPanel m_panel{m_state};
};

} // namespace

TEST_F(ListPanel, OnlyTheUsersSelectionIsAnItemClick)
{
    QSignalSpy clicked(&m_panel, &GameListPanel::itemClicked);
    GameListPanel::ListView& installed = m_panel.views[1];
    m_panel.showList(installed);
    m_panel.selectRow(installed, 2, false);
    EXPECT_EQ(clicked.count(), 0);

    m_panel.lvInstalled->setCurrentIndex(m_panel.lvInstalled->model()->index(0, 0));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0][0].value<GameView>(), GameView::Installed);
    EXPECT_EQ(m_state.view.intInstalledIndex, 1);
    // The list is sorted by name: Pac-Man comes before Zaxxon.
    EXPECT_EQ((*m_panel.selectedRecord(m_panel.lvInstalled))[GameColumn::ROM], "pac-man");
}
