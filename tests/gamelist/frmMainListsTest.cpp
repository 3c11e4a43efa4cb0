// The three lists of the main window: switching, empty lists, column clicks with their header
// arrow, the remembered selection, the list events and the Enter key.
#include "support/MainWindowFixture.h"

#include "platform/StatusPanels.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "support/Files.h"
#include "support/ProgressPaints.h"

namespace {

class Lists : public MainWindowTest {
protected:
    frmMain& loaded(const std::vector<FixtureGame>& games, const QByteArray& options = {})
    {
        writeGames(games);
        writeOptions(options);
        frmMain& w = load();
        w.show();
        QApplication::setActiveWindow(&w);
        QApplication::processEvents();
        return w;
    }

    static QStringList names(QTreeView* lv)
    {
        QStringList list;
        for (int r = 0; r < lv->model()->rowCount(); ++r)
            list << lv->model()->index(r, 0).data().toString();
        return list;
    }

    static void clickRow(QTreeView* lv, int row)
    {
        const QRect rect = lv->visualRect(lv->model()->index(row, 0));
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // A real click on the header section, which Qt's header also answers by itself.
    static void clickHeader(QTreeView* lv, int column)
    {
        QHeaderView* header = lv->header();
        lv->scrollTo(lv->model()->index(0, column));
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
};

} // namespace

TEST_F(Lists, SwitchingShowsTheListAndItsCount)
{
    frmMain& w = loaded(fiveGames());
    EXPECT_EQ(names(w.fraList->lvAll), QStringList({"Asteroids", "galaxian", "Ms. Pac-Man", "Pac-Man", "Zaxxon"}));
    w.mnuViewUninstalled->trigger();
    EXPECT_EQ(m_state.view.current, GameView::Uninstalled);
    EXPECT_EQ(w.fraList->title(), "Uninstalled Games");
    EXPECT_EQ(w.StatusBar[0]->panelText(1), "Total Games: 2");
    EXPECT_TRUE(w.mnuViewUninstalled->isChecked());
    EXPECT_FALSE(w.mnuViewAll->isChecked());
    EXPECT_FALSE(w.fraList->cmdPlay->isEnabled());
    EXPECT_FALSE(w.chkAutoRun->isEnabled());
    EXPECT_TRUE(w.fraList->cmdVerify->isEnabled());
    EXPECT_EQ(w.defaultButton(), nullptr);
    EXPECT_GE(w.fraList->lblFiltersApp->x(), twipsToPixels(1465));
    EXPECT_GT(w.fraList->lblFiltersApp->x(), w.fraList->fontMetrics().horizontalAdvance("Uninstalled Games"));

    w.mnuViewInstalled->trigger();
    EXPECT_EQ(w.StatusBar[0]->panelText(1), "Total Games: 3");
    EXPECT_TRUE(w.fraList->cmdPlay->isEnabled());
    EXPECT_EQ(w.defaultButton(), w.fraList->cmdPlay);
    EXPECT_GE(w.fraList->lblFiltersApp->x(), twipsToPixels(1270));
    EXPECT_GT(w.fraList->lblFiltersApp->x(), w.fraList->fontMetrics().horizontalAdvance("Installed Games"));
    EXPECT_EQ(QApplication::focusWidget(), w.fraList->lvInstalled);
}

TEST_F(Lists, EmptyUninstalledListSwitchesThePlayControlsOff)
{
    frmMain& w = loaded({{"Pac-Man", "1980", "pacman"}});
    w.chkAutoRun->setChecked(true);
    w.Tmr[1]->start();
    w.header->IconScreen->show();
    w.header->lblArtwork->show();
    w.header->lblList->setText("NAMCO");
    w.fraList->lblShots->show();
    w.mnuViewUninstalled->trigger();

    EXPECT_EQ(w.StatusBar[0]->panelText(1), "Total Games: 0");
    EXPECT_EQ(w.StatusBar[0]->panelText(2), "");
    EXPECT_FALSE(w.fraList->cmdPlay->isEnabled());
    EXPECT_FALSE(w.fraList->cmdVerify->isEnabled());
    EXPECT_FALSE(w.chkAutoRun->isEnabled());
    EXPECT_FALSE(w.chkAutoRun->isChecked());
    EXPECT_FALSE(w.chkRecord->isEnabled());
    EXPECT_FALSE(w.Tmr[1]->isActive());
    EXPECT_FALSE(w.header->IconScreen->isVisible());
    EXPECT_FALSE(w.header->lblArtwork->isVisible());
    EXPECT_FALSE(w.fraList->lblShots->isVisible());
    EXPECT_EQ(w.header->lblList->text(), "");
}

TEST_F(Lists, EmptyInstalledListDisablesTheGameButtons)
{
    frmMain& w = loaded({{"Pac-Man", "1980", "pacman", "Original", "Horizontal", false}});
    w.mnuViewInstalled->trigger();
    EXPECT_FALSE(w.fraList->cmdPlay->isEnabled());
    EXPECT_FALSE(w.fraList->cmdInfo->isEnabled());
    EXPECT_EQ(w.StatusBar[0]->panelText(6), "");
    // Returning to a list with games brings the buttons back.
    w.mnuViewAll->trigger();
    EXPECT_TRUE(w.fraList->cmdVerify->isEnabled());
    EXPECT_EQ(w.StatusBar[0]->panelText(6), "Not Installed");
}

TEST_F(Lists, ColumnClicksSortAndFlipWithOneArrow)
{
    frmMain& w = loaded(fiveGames());
    QHeaderView* header = w.fraList->lvAll->header();
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);

    clickHeader(w.fraList->lvAll, 1);
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(names(w.fraList->lvAll), QStringList({"galaxian", "Asteroids", "Pac-Man", "Ms. Pac-Man", "Zaxxon"}));
    EXPECT_EQ(m_state.view.intAllSortKey, 1);
    EXPECT_EQ(m_state.view.intAllSortOrder, 0);

    clickHeader(w.fraList->lvAll, 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(names(w.fraList->lvAll), QStringList({"Zaxxon", "Ms. Pac-Man", "Pac-Man", "galaxian", "Asteroids"}));
    EXPECT_EQ(m_state.view.intAllSortOrder, 1);

    clickHeader(w.fraList->lvAll, 13);
    EXPECT_EQ(header->sortIndicatorSection(), 13);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(names(w.fraList->lvAll).first(), "Asteroids"); // asteroid
}

TEST_F(Lists, ColumnClickOnAListOfOneChangesNothing)
{
    frmMain& w = loaded({{"Pac-Man", "1980", "pacman"}, {"Zaxxon", "1982", "zaxxon", "Original", "Horizontal", false}});
    w.mnuViewInstalled->trigger();
    clickHeader(w.fraList->lvInstalled, 3);
    EXPECT_EQ(w.fraList->lvInstalled->header()->sortIndicatorSection(), 0);
    EXPECT_EQ(m_state.view.intInstalledSortKey, 0);
}

TEST_F(Lists, RememberedIndexFollowsTheGameThroughASort)
{
    frmMain& w = loaded(fiveGames());
    clickRow(w.fraList->lvAll, 4); // Zaxxon
    EXPECT_EQ(m_state.view.intAllIndex, 5);
    clickHeader(w.fraList->lvAll, 1);
    clickHeader(w.fraList->lvAll, 1); // years descending: Zaxxon first
    EXPECT_EQ(m_state.view.intAllIndex, 1);
    w.mnuViewInstalled->trigger();
    w.mnuViewAll->trigger();
    EXPECT_EQ(w.StatusBar[0]->panelText(2), "Zaxxon");
    EXPECT_EQ(w.fraList->lvAll->currentIndex().row(), 0);
}

TEST_F(Lists, GetSelectedIndexReselectsUnlessAPanelCoversTheLists)
{
    frmMain& w = loaded(fiveGames(), "[View]\r\nAllIndex=3\r\n");
    w.fraList->lvAll->clearSelection();
    w.GetSelectedIndex();
    EXPECT_EQ(w.fraList->lvAll->currentIndex().row(), 2);
    EXPECT_TRUE(w.fraList->lvAll->selectionModel()->isRowSelected(2, QModelIndex()));

    w.EnterPanel(w.fraVerify, "Report", frmMain::PanelStatus::KeepList);
    w.fraList->lvAll->selectionModel()->clear();
    w.GetSelectedIndex();
    EXPECT_FALSE(w.fraList->lvAll->currentIndex().isValid());
}

TEST_F(Lists, LeftDoubleClickOnAnUninstalledGameOnlyTellsSo)
{
    frmMain& w = loaded(fiveGames());
    w.mnuViewUninstalled->trigger();
    const QRect rect = w.fraList->lvUninstalled->visualRect(w.fraList->lvUninstalled->model()->index(0, 0));
    QTest::mouseDClick(w.fraList->lvUninstalled->viewport(), Qt::RightButton, {}, rect.center());
    EXPECT_TRUE(m_boxes.shown().empty());
    QTest::mouseDClick(w.fraList->lvUninstalled->viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt, "This game is not installed.");
    EXPECT_EQ(m_boxes.shown()[0].style, 64);
}

TEST_F(Lists, RightClickPopsUpOnlyOverAGame)
{
    frmMain& w = loaded(fiveGames());
    writeFile(samples() + "/asteroid.zip", "PK");
    clickRow(w.fraList->lvAll, 0); // Asteroids: not installed, has samples
    QTest::mouseClick(w.fraList->lvAll->viewport(), Qt::RightButton, {}, QPoint(5, w.fraList->lvAll->viewport()->height() - 3));
    EXPECT_FALSE(w.mnuRightClick->isVisible());
    EXPECT_FALSE(w.fraList->lvAll->currentIndex().isValid());

    clickRow(w.fraList->lvAll, 0);
    const QRect rect = w.fraList->lvAll->visualRect(w.fraList->lvAll->model()->index(1, 0));
    QTest::mouseClick(w.fraList->lvAll->viewport(), Qt::RightButton, {}, rect.center());
    EXPECT_TRUE(w.mnuRightClick->isVisible());
    EXPECT_EQ(w.fraList->lvAll->currentIndex().row(), 1);
    EXPECT_TRUE(w.mnuAddFavorite->isEnabled());
    EXPECT_FALSE(w.mnuRemoveFavorite->isEnabled());
    // The game under the pointer is the shown one before the menu reads it: galaxian, installed,
    // without samples.
    EXPECT_EQ(w.StatusBar[0]->panelText(3), "galaxian");
    EXPECT_EQ(m_state.view.intAllIndex, 2);
    EXPECT_TRUE(w.mnuDeleteROM->isEnabled());
    EXPECT_FALSE(w.mnuDeleteSamples->isEnabled());
    w.mnuRightClick->hide();
}

TEST_F(Lists, EnterPressesTheFocusedButtonElseTheDefaultButton)
{
    frmMain& w = loaded(fiveGames());
    QSignalSpy play(w.fraList->cmdPlay, &QPushButton::clicked);
    // Keys go to the focused control; the window shows with the focus on Raster Settings.
    w.fraList->lvAll->setFocus();
    QTest::keyClick(w.fraList->lvAll, Qt::Key_Return); // Asteroids, not installed: Play is off
    EXPECT_EQ(play.count(), 0);
    clickRow(w.fraList->lvAll, 3);
    QTest::keyClick(w.fraList->lvAll, Qt::Key_Return);
    EXPECT_EQ(play.count(), 1);
    // A button with the focus takes Enter itself.
    QSignalSpy raster(w.cmdRaster, &QPushButton::clicked);
    w.cmdRaster->setFocus();
    QTest::keyClick(w.cmdRaster, Qt::Key_Return);
    EXPECT_EQ(raster.count(), 1);
    EXPECT_EQ(play.count(), 1);
    w.mnuViewUninstalled->trigger();
    QTest::keyClick(w.fraList->lvUninstalled, Qt::Key_Enter);
    EXPECT_EQ(play.count(), 1);
}

TEST_F(Lists, RefreshReloadsAndSelectsTheFirstGames)
{
    frmMain& w = loaded(fiveGames(), "[View]\r\nAllIndex=4\r\n");
    EXPECT_EQ(w.fraList->lvAll->currentIndex().row(), 3);
    writeGames({{"Pac-Man", "1980", "pacman"}, {"Bosconian", "1981", "bosco", "Original", "Horizontal", false}});
    w.mnuViewRefresh->trigger();
    EXPECT_EQ(m_state.counts.intAllCount, 2);
    EXPECT_EQ(m_state.counts.intUninstalledCount, 1);
    EXPECT_EQ(m_state.view.intAllIndex, 1);
    EXPECT_EQ(w.fraList->lvAll->currentIndex().row(), 0);
    EXPECT_EQ(w.StatusBar[0]->panelText(2), "Bosconian");
    EXPECT_TRUE(w.cmdExit->isEnabled());
    EXPECT_TRUE(w.cmdRaster->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(report("oldlistxml.txt")));
}

TEST_F(Lists, RefreshAfterANewMameRebuildsAndStoresItsSize)
{
    frmMain& w = loaded(fiveGames());
    writeMame(64);
    writeFile(report("favorite.txt"), "");
    qputenv("ZELVANE_FAKEMAME_GAMES", "9");
    const ProgressPaints paints;
    w.mnuViewRefresh->trigger();
    // The wait form is on the screen with each caption painted, under the hourglass.
    EXPECT_EQ(paints.shown("frmWait", "lblText"),
              QStringList({"", "A new version of M.A.M.E. was detected.",
                           "Please wait while Zelvane refreshes the game list."}));
    EXPECT_EQ(paints.shown("frmWait", "lblMessage"),
              QStringList({"", "Creating listxml.txt...", "Creating crcinfo.txt...", "Creating gameinfo.txt...",
                           "Creating resource.txt...", "", "Verifying favorites list...", ""}));
    for (const ProgressPaints::Paint& p : paints.paints)
        EXPECT_TRUE(p.busy) << p.text.toStdString();
    EXPECT_EQ(m_state.counts.intAllCount, 9);
    EXPECT_TRUE(QFileInfo::exists(report("oldlistxml.txt")));
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "MAMESize"), QString::number(mameSize()));
    EXPECT_EQ(w.StatusBar[0]->panelText(1), "Total Games: 9");
}

TEST_F(Lists, ListTextStaysReadableOnItsBackColour)
{
    struct Case {
        qint32 back, font;
        bool starField;
        QColor text;
    } cases[] = {
        {-2147483643, 16777215, false, Qt::black}, // the first-run colours: white on the window's white
        {0x000000, 0x000000, false, Qt::white},
        {0x000000, 16777215, false, Qt::white},    // a colour of its own is kept
        {0x800000, 0x00FFFF, false, QColor(0xFF, 0xFF, 0x00)},
        {-2147483643, 16777215, true, Qt::white},  // the star field is dark whatever the back colour
    };
    frmMain& w = loaded(fiveGames());
    for (const Case& c : cases) {
        m_state.appearance.lngBackColor = c.back;
        m_state.appearance.lngFontColor = c.font;
        m_state.appearance.blnUseStarfield = c.starField;
        w.applyListAppearance();
        for (QTreeView* lv : {w.fraList->lvAll, w.fraList->lvInstalled, w.fraList->lvUninstalled})
            EXPECT_EQ(lv->palette().color(QPalette::Text), c.text) << c.back << " " << c.font;
    }
}
