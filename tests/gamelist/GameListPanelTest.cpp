// The list frame on its own: what it tells the window through its signals, and what it keeps in
// the view state.
#include "gamelist/GameListPanel.h"

#include "gamelist/GameListModel.h"

#include <QSignalSpy>
#include <QTest>
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

TEST_F(ListPanel, ShownListIsTheViewStateAndTheCaption)
{
    const GameView shown[] = {GameView::Installed, GameView::Uninstalled, GameView::All};
    const char* captions[] = {"Installed Games", "Uninstalled Games", "All Games"};
    for (size_t i = 0; i < std::size(shown); ++i) {
        m_panel.showList(m_panel.views[size_t(shown[i])]);
        EXPECT_EQ(m_state.view.current, shown[i]);
        EXPECT_EQ(m_panel.title(), captions[i]);
        EXPECT_EQ(m_panel.currentListView()->id, shown[i]);
        EXPECT_EQ(m_panel.playableList(), shown[i] == GameView::Installed ? m_panel.lvInstalled
                                          : shown[i] == GameView::All     ? m_panel.lvAll
                                                                          : nullptr);
    }
    EXPECT_EQ(m_state.counts.intInstalledCount, 2);
}

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

TEST_F(ListPanel, DoubleClickAsksToPlayOrTellsTheGameIsNotInstalled)
{
    QSignalSpy play(&m_panel, &GameListPanel::playRequested);
    QSignalSpy notInstalled(&m_panel, &GameListPanel::uninstalledDoubleClicked);
    QSignalSpy mouseUp(&m_panel, &GameListPanel::mouseUp);
    for (GameListPanel::ListView& row : m_panel.views) {
        m_panel.showList(row);
        const QPoint onFirstRow = row.view->visualRect(row.model->index(0, 0)).center();
        QTest::mouseDClick(row.view->viewport(), Qt::LeftButton, {}, onFirstRow);
        // The right button plays nothing.
        QTest::mouseDClick(row.view->viewport(), Qt::RightButton, {}, onFirstRow);
        QTest::mouseClick(row.view->viewport(), Qt::RightButton, {}, onFirstRow);
    }
    EXPECT_EQ(play.count(), 2);
    EXPECT_EQ(notInstalled.count(), 1);
    // A release over the Uninstalled list opens no menu.
    ASSERT_EQ(mouseUp.count(), 2);
    EXPECT_EQ(mouseUp[0][0].value<GameView>(), GameView::All);
    EXPECT_EQ(mouseUp[1][0].value<GameView>(), GameView::Installed);
    EXPECT_EQ(mouseUp[1][1].value<Qt::MouseButton>(), Qt::RightButton);
}
