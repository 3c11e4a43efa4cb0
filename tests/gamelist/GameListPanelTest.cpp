// The list frame on its own: a selection made by the program is no item click. The window's tests
// drive the rest of its signals (double clicks, the pop-up menu, the caption of the list shown).
#include "gamelist/GameListPanel.h"

#include "gamelist/GameListModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>
#include <QStyle>
#include <QTreeView>
#include <gtest/gtest.h>

#include <optional>

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

// The arrow is what a header drawn with it differs in from the same header drawn without it:
// up when the difference is wider at its foot than at its head.
std::optional<bool> arrowPointsUp(QHeaderView* header)
{
    const QImage with = header->grab().toImage();
    const int section = header->sortIndicatorSection();
    const Qt::SortOrder order = header->sortIndicatorOrder();
    header->setSortIndicator(-1, order);
    const QImage without = header->grab().toImage();
    header->setSortIndicator(section, order);
    std::vector<int> spans;
    for (int y = 0; y < with.height(); ++y) {
        int left = -1, right = -1;
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                if (left < 0)
                    left = x;
                right = x;
            }
        if (left >= 0)
            spans.push_back(right - left);
    }
    if (spans.size() < 2 || spans.front() == spans.back())
        return std::nullopt;
    return spans.back() > spans.front();
}

} // namespace

TEST_F(ListPanel, SortArrowPointsUpForAscendingInEveryStyle)
{
    GameListPanel::ListView& all = m_panel.views[0];
    m_panel.showList(all);
    QHeaderView* header = all.view->header();
    const QString program = QApplication::style()->name();
    for (const char* style : {"Fusion", "Windows"}) {
        SCOPED_TRACE(style);
        QApplication::setStyle(QString::fromLatin1(style));
        // Sorting by a column puts the up arrow there; the same column again turns it down.
        m_panel.SortListView(all, 3);
        EXPECT_EQ(arrowPointsUp(header), std::optional<bool>(true));
        m_panel.SortListView(all, 3);
        EXPECT_EQ(arrowPointsUp(header), std::optional<bool>(false));
    }
    QApplication::setStyle(program);
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
