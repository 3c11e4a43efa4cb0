// What the window shows for the selected game: status bar panels, play controls, the screenshot
// with the clone rule and nostretch.ini, and the re-armed icon timer.
#include "support/MainWindowFixture.h"

#include "platform/MsgBox.h"
#include "platform/StatusPanels.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include "support/Files.h"

namespace {

class Selection : public MainWindowTest {
protected:
    frmMain& loaded(const QByteArray& options = {})
    {
        writeGames(fiveGames());
        writeOptions(options);
        frmMain& w = load();
        w.show();
        QApplication::processEvents();
        return w;
    }

    static void select(QTreeView* lv, int row) { lv->setCurrentIndex(lv->model()->index(row, 0)); }

    void writeShot(const char* rom, int width)
    {
        QImage image(width, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(snaps() + "/" + rom + ".png"));
    }

    static QStringList panels(frmMain& w)
    {
        QStringList texts;
        for (int p = 2; p <= 6; ++p)
            texts << w.StatusBar[0]->panelText(p);
        return texts;
    }
};

} // namespace

TEST_F(Selection, AllListShowsTheGameAndSwitchesPlayByItsZip)
{
    frmMain& w = loaded();
    select(w.fraList->lvAll, 2);
    EXPECT_EQ(panels(w), QStringList({"Ms. Pac-Man", "mspacman", "Clone", "V", "Not Installed"}));
    EXPECT_FALSE(w.fraList->cmdPlay->isEnabled());
    EXPECT_FALSE(w.chkPlayback->isEnabled());
    EXPECT_TRUE(w.Tmr[1]->isActive());
    EXPECT_EQ(m_state.view.intAllIndex, 3);

    writeFile(app() + "/settings/pacman.cfg", "[x]\r\n");
    select(w.fraList->lvAll, 3);
    EXPECT_EQ(panels(w), QStringList({"Pac-Man", "pacman", "Original", "H", "Custom Settings"}));
    EXPECT_TRUE(w.fraList->cmdPlay->isEnabled());
    EXPECT_TRUE(w.chkAutoRun->isEnabled());
    EXPECT_TRUE(w.chkRecord->isEnabled());
}

TEST_F(Selection, AdditionalRomFolderCountsAsInstalled)
{
    makeDirs(m_root + "/more");
    writeFile(m_root + "/more/asteroid.zip", "PK");
    writeGames(fiveGames());
    writeOptions();
    WriteINI(optionsIni(), "Directories", "AdditionalROMs", m_root + "/more");
    FlushINI(optionsIni());
    frmMain& w = load();
    select(w.fraList->lvAll, 0);
    EXPECT_EQ(w.StatusBar[0]->panelText(6), "Default Settings");
}

TEST_F(Selection, InstalledAndUninstalledListsLeaveThePlayControls)
{
    frmMain& w = loaded();
    w.mnuViewInstalled->trigger();
    w.fraList->cmdPlay->setEnabled(false);
    select(w.fraList->lvInstalled, 1);
    EXPECT_EQ(w.StatusBar[0]->panelText(6), "Default Settings");
    EXPECT_FALSE(w.fraList->cmdPlay->isEnabled());

    w.mnuViewUninstalled->trigger();
    select(w.fraList->lvUninstalled, 1);
    EXPECT_EQ(panels(w), QStringList({"Ms. Pac-Man", "mspacman", "Clone", "V", "Not Installed"}));
    EXPECT_EQ(m_state.view.intUninstalledIndex, 2);
}

TEST_F(Selection, SelectedGameFollowsTheStatusBarAndEmptiesWithIt)
{
    using Install = SelectedGame::Install;
    frmMain& w = loaded();
    struct Step {
        int row;
        const char* description;
        const char* rom;
        Install installed;
    };
    for (const Step& step : {Step{2, "Ms. Pac-Man", "mspacman", Install::NotInstalled},
                             Step{3, "Pac-Man", "pacman", Install::Installed}}) {
        select(w.fraList->lvAll, step.row);
        EXPECT_EQ(m_state.selected.description, step.description);
        EXPECT_EQ(m_state.selected.rom, step.rom);
        EXPECT_EQ(m_state.selected.installed, step.installed);
    }

    // The builder's and the loader's record buffer is not where a panel finds the game.
    m_state.game[GameColumn::ROM] = "zaxxon";
    w.EnterPanel(w.fraMaintenance, "Maintenance", frmMain::PanelStatus::SelectedGame);
    EXPECT_EQ(w.StatusBar[1]->panelText(2), "Pac-Man");
    EXPECT_EQ(w.StatusBar[1]->panelText(3), "pacman");
    w.ReturnToGameList(w.fraMaintenance, false);

    // Emptied with the panels; File > Play then reads it as no game that is not installed.
    w.DisableGameButtons();
    EXPECT_TRUE(m_state.selected.description.isEmpty());
    EXPECT_TRUE(m_state.selected.rom.isEmpty());
    EXPECT_EQ(m_state.selected.installed, Install::None);
    w.mnuFile_Click();
    EXPECT_TRUE(w.mnuFilePlay->isEnabled());
}

TEST_F(Selection, ScreenShotShownOnceSwitchedOnOrNoticeWhenMissing)
{
    writeShot("pacman", 40);
    frmMain& w = loaded("[View]\r\nAllIndex=4\r\n");
    EXPECT_TRUE(w.fraList->imgShots->pixmap().isNull());
    w.mnuViewShots->trigger();
    EXPECT_FALSE(w.fraList->imgShots->pixmap().isNull());
    EXPECT_FALSE(w.fraList->lblShots->isVisibleTo(w.fraList));

    select(w.fraList->lvAll, 4); // zaxxon: no file
    EXPECT_TRUE(w.fraList->imgShots->pixmap().isNull());
    EXPECT_TRUE(w.fraList->lblShots->isVisibleTo(w.fraList));
    EXPECT_NEAR(w.fraList->lblShots->geometry().center().x(), w.fraList->imgShots->geometry().center().x(), 1);
}

TEST_F(Selection, CloneRuleShowsOnlyTheParentsShot)
{
    writeShot("mspacman", 30);
    frmMain& w = loaded("[Preferences]\r\nCloneShots=True\r\n[View]\r\nScreenShots=True\r\n");
    select(w.fraList->lvAll, 2); // Ms. Pac-Man, clone of pacman, which has no shot
    EXPECT_TRUE(w.fraList->lblShots->isVisibleTo(w.fraList));
    writeShot("pacman", 40);
    select(w.fraList->lvAll, 1);
    select(w.fraList->lvAll, 2);
    EXPECT_EQ(w.fraList->imgShots->pixmap().width(), 40);
    writeShot("galaxian", 50);
    select(w.fraList->lvAll, 1); // an original uses its own name under the rule
    EXPECT_EQ(w.fraList->imgShots->pixmap().width(), 50);
}

TEST_F(Selection, EmptyListHidesTheNoticeAndKeepsThePicture)
{
    writeShot("asteroid", 40);
    std::vector<FixtureGame> games = {{"Asteroids", "1979", "asteroid"}};
    writeGames(games);
    writeOptions("[View]\r\nScreenShots=True\r\n");
    frmMain& w = load();
    w.show();
    ASSERT_FALSE(w.fraList->imgShots->pixmap().isNull());
    w.fraList->lblShots->show();
    w.mnuViewUninstalled->trigger();
    w.LoadShot();
    EXPECT_FALSE(w.fraList->lblShots->isVisibleTo(w.fraList));
    EXPECT_FALSE(w.fraList->imgShots->pixmap().isNull());
}

TEST_F(Selection, NoStretchFilePlacesTheShotWithDefaultsForMissingOrBadKeys)
{
    writeFile(app() + "/settings/nostretch.ini", "[Position]\r\nTop=oops\r\n[Size]\r\nHeight=1200\r\n");
    writeShot("pacman", 40);
    frmMain& w = loaded("[View]\r\nScreenShots=True\r\nAllIndex=4\r\n");
    EXPECT_FALSE(w.fraList->imgShots->hasScaledContents());
    EXPECT_EQ(w.fraList->imgShots->geometry(), QRect(twipsToPixels(3145), twipsToPixels(240), twipsToPixels(4760), twipsToPixels(1200)));
}

// MAME writes "&amp;" and its like in the listing; the game data keeps them, the screen does not.
TEST_F(Selection, ListingEntitiesShowAsTheirCharactersWhileFilesKeepThem)
{
    std::vector<FixtureGame> games = fiveGames();
    games[0].game = QStringLiteral("Cookie &amp; Bibi &lt;3&gt;");
    games[0].manufacturer = QStringLiteral("Konami &amp; Sega");
    writeGames(games);
    writeOptions();
    frmMain& w = loadShown();
    QTreeView* lv = w.fraList->lvAll;
    const QModelIndexList found =
        lv->model()->match(lv->model()->index(0, int(GameColumn::ROM)), Qt::DisplayRole, "pacman", 1, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const int row = found[0].row();
    selectRow(lv, row);
    EXPECT_EQ(lv->model()->index(row, 0).data().toString(), "Cookie & Bibi <3>");
    EXPECT_EQ(w.StatusBar[0]->panelText(2), "Cookie & Bibi <3>");
    w.Tmr_Timer(1);
    EXPECT_EQ(w.header->lblList->text(), "KONAMI & SEGA");

    m_boxes.answer(MsgAnswer::Yes);
    w.mnuFileExport->trigger();
    EXPECT_TRUE(readFile(report("allgames.txt")).contains("pacman        Cookie &amp; Bibi &lt;3&gt;\r\n"))
        << readFile(report("allgames.txt")).toStdString();
}
