// The menu tree and the enabling tables that each menu applies when it opens; the panel
// protocol and the switching of the window's buttons.
#include "support/MainWindowFixture.h"

#include "platform/FileNames.h"
#include "platform/StatusPanels.h"
#include "reports/MaintenancePanel.h"
#include "reports/ReportPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <functional>

#include "support/Files.h"

namespace {

class Menus : public MainWindowTest {
protected:
    frmMain& loaded(const std::vector<FixtureGame>& games)
    {
        writeGames(games);
        writeOptions();
        return load();
    }

    struct FileState {
        bool play, verify, info, exportList;
        bool operator==(const FileState&) const = default;
    };
    static FileState file(frmMain& w)
    {
        emit w.mnuFile->aboutToShow();
        return {w.mnuFilePlay->isEnabled(), w.mnuFileVerify->isEnabled(), w.mnuFileInfo->isEnabled(),
                w.mnuFileExport->isEnabled()};
    }

    void selectAll(frmMain& w, int row)
    {
        w.fraList->lvAll->setCurrentIndex(w.fraList->lvAll->model()->index(row, 0));
    }
};

std::vector<FixtureGame> allInstalled()
{
    return {{"Pac-Man", "1980", "pacman"}, {"Zaxxon", "1982", "zaxxon"}};
}

std::vector<FixtureGame> noneInstalled()
{
    return {{"Bosconian", "1981", "bosco", "Original", "Horizontal", false}};
}

} // namespace

TEST_F(Menus, TreeHasItsCaptionsAndHiddenItems)
{
    frmMain& w = loaded(fiveGames());
    const QList<QAction*> top = w.menuBar()->actions();
    QStringList captions;
    for (QAction* a : top)
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"&File", "&View", "&Tools", "Rep&orts", "&Help"}));
    EXPECT_FALSE(w.mnuReportsSets->menuAction()->isVisible());
    EXPECT_EQ(w.mnuReportsMAMEDiff->menuAction()->text(), "&MAMEDiff");
    EXPECT_EQ(w.mnuMAMEDiffMSplit->text(), "Changed &Merged-Split ROMs");
    EXPECT_EQ(w.findChild<QAction*>("mnuReportsWhatsNewROMs")->text(), "&What's Changed");
    EXPECT_EQ(w.mnuRightClick->actions().size(), 5);
    for (QAction* a : w.findChildren<QAction*>())
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString();
}

TEST_F(Menus, FileMenuFollowsListAndSelection)
{
    frmMain& w = loaded(fiveGames());
    // All Games: Ms. Pac-Man (row 2 by name) is not installed, Pac-Man is.
    selectAll(w, 2);
    ASSERT_EQ(w.StatusBar[0]->panelText(2), "Ms. Pac-Man");
    EXPECT_EQ(file(w), (FileState{false, true, true, true}));
    selectAll(w, 3);
    ASSERT_EQ(w.StatusBar[0]->panelText(6), "Default Settings");
    EXPECT_EQ(file(w), (FileState{true, true, true, true}));

    w.mnuViewInstalled->trigger();
    EXPECT_EQ(file(w), (FileState{true, true, true, true}));
    w.mnuViewUninstalled->trigger();
    EXPECT_EQ(file(w), (FileState{false, true, true, true}));

    w.EnterPanel(w.fraVerify, "Report", frmMain::PanelStatus::General);
    EXPECT_EQ(file(w), (FileState{false, false, false, false}));
    EXPECT_TRUE(w.mnuFileExit->isEnabled());
}

TEST_F(Menus, FileMenuWithEmptyLists)
{
    frmMain& w = loaded(allInstalled());
    w.mnuViewUninstalled->trigger();
    EXPECT_EQ(file(w), (FileState{false, false, false, false}));

    m_window.reset();
    IniService::instance().dropAll();
    m_state = AppState();
    frmMain& v = loaded(noneInstalled());
    v.mnuViewInstalled->trigger();
    EXPECT_EQ(file(v), (FileState{false, false, false, false}));
}

TEST_F(Menus, EmptyAllGamesListOffersNoGameCommand)
{
    frmMain& w = loaded({});
    ASSERT_EQ(m_state.counts.intAllCount, 0);
    EXPECT_EQ(file(w), (FileState{false, false, false, false}));
    emit w.mnuTools->aboutToShow();
    EXPECT_FALSE(w.mnuToolsCustom->isEnabled());
    EXPECT_TRUE(w.mnuToolsRaster->isEnabled());
}

TEST_F(Menus, ToolsMenuTable)
{
    frmMain& w = loaded(fiveGames());
    const auto open = [&w] {
        emit w.mnuTools->aboutToShow();
        return std::pair(w.mnuToolsOptions->isEnabled() && w.mnuToolsRaster->isEnabled() &&
                             w.mnuToolsMaintenance->isEnabled() && w.mnuToolsRebuildSettings->isEnabled(),
                         w.mnuToolsCustom->isEnabled());
    };
    selectAll(w, 2); // not installed
    EXPECT_EQ(open(), std::pair(true, false));
    selectAll(w, 3); // installed
    EXPECT_EQ(open(), std::pair(true, true));
    w.mnuViewUninstalled->trigger();
    EXPECT_EQ(open(), std::pair(true, false));
    w.mnuViewInstalled->trigger();
    EXPECT_EQ(open(), std::pair(true, true));
    w.EnterPanel(w.fraMaintenance, QString(), frmMain::PanelStatus::SelectedGame);
    EXPECT_EQ(open(), std::pair(false, false));
}

TEST_F(Menus, ReportsMenuOffersMameDiffOnlyWhenItsProgramIsThere)
{
    frmMain& w = loaded(fiveGames());
    emit w.mnuReports->aboutToShow();
    EXPECT_TRUE(w.mnuReportsVerifyRoms->isEnabled());
    EXPECT_TRUE(w.mnuReportsFind->isEnabled());
    EXPECT_FALSE(w.mnuReportsMAMEDiff->menuAction()->isEnabled());

    // Named as the platform names programs: another platform's name is not the tool.
    if (MameDiffProgramName() != "mamediff.exe") {
        writeFile(mame() + "/mamediff.exe", "x");
        emit w.mnuReports->aboutToShow();
        EXPECT_FALSE(w.mnuReportsMAMEDiff->menuAction()->isEnabled());
    }
    writeFile(mame() + "/" + MameDiffProgramName(), "x");
    emit w.mnuReports->aboutToShow();
    EXPECT_TRUE(w.mnuReportsMAMEDiff->menuAction()->isEnabled());

    w.EnterPanel(w.fraVerify, "ROMs Report", frmMain::PanelStatus::General);
    emit w.mnuReports->aboutToShow();
    EXPECT_FALSE(w.mnuReportsROMs->menuAction()->isEnabled());
    EXPECT_FALSE(w.mnuReportsChanges->isEnabled());
    EXPECT_FALSE(w.mnuReportsMAMEDiff->menuAction()->isEnabled());
}

TEST_F(Menus, HelpMenuKeepsTheOtherDocumentsWhileOneIsShown)
{
    frmMain& w = loaded(fiveGames());
    const auto open = [&w] {
        emit w.mnuHelp->aboutToShow();
        return std::vector<bool>{w.mnuHelpZelvane->isEnabled(), w.mnuHelpNewvideo->isEnabled(),
                                 w.mnuHelpWindows->isEnabled(), w.mnuHelpNews->isEnabled(),
                                 w.mnuHelpCheck->isEnabled()};
    };
    EXPECT_EQ(open(), (std::vector<bool>{true, true, true, true, true}));
    w.EnterPanel(w.fraVerify, "M.A.M.E.'s Newvideo.txt", frmMain::PanelStatus::General);
    EXPECT_EQ(open(), (std::vector<bool>{true, false, true, false, false}));
    w.fraVerify->setTitle("Zelvane's Zelvane.txt");
    EXPECT_EQ(open(), (std::vector<bool>{false, true, true, false, false}));
    w.fraVerify->setTitle("Zelvane News");
    EXPECT_EQ(open(), (std::vector<bool>{false, false, false, false, false}));
    EXPECT_TRUE(w.mnuHelpAbout->isEnabled());
}

TEST_F(Menus, PanelSwitchesTheFormButtonsAndReturnKeepsUninstalledPlayControlsOff)
{
    frmMain& w = loaded(fiveGames());
    w.show();
    w.mnuViewUninstalled->trigger();
    w.EnterPanel(w.fraVerify, "Game Audit", frmMain::PanelStatus::General);
    EXPECT_EQ(m_state.view.intPanelShown, 1);
    EXPECT_FALSE(w.fraList->isEnabled());
    EXPECT_FALSE(w.cmdRaster->isEnabled());
    EXPECT_FALSE(w.cmdFind->isEnabled());
    EXPECT_TRUE(w.StatusBar[1]->isVisible());
    EXPECT_FALSE(w.Tmr[1]->isActive());
    EXPECT_TRUE(w.cmdExit->isEnabled());
    emit w.mnuView->aboutToShow();
    EXPECT_FALSE(w.mnuViewRefresh->isEnabled());
    EXPECT_FALSE(w.mnuViewShots->isEnabled());

    w.ReturnToGameList(w.fraVerify, true);
    EXPECT_EQ(m_state.view.intPanelShown, 0);
    EXPECT_TRUE(w.fraList->isEnabled());
    EXPECT_FALSE(w.fraVerify->isEnabled());
    EXPECT_TRUE(w.cmdRaster->isEnabled());
    EXPECT_FALSE(w.chkAutoRun->isEnabled());
    EXPECT_FALSE(w.chkRecord->isEnabled());
    EXPECT_FALSE(w.chkPlayback->isEnabled());
    EXPECT_FALSE(w.StatusBar[1]->isVisible());
    emit w.mnuView->aboutToShow();
    EXPECT_TRUE(w.mnuViewAll->isEnabled());
    EXPECT_TRUE(w.mnuViewFavorites->isEnabled());
}

TEST_F(Menus, PlayControlsFollowTheSelectedGameAfterAReturnOrARefresh)
{
    frmMain& w = loaded(fiveGames());
    w.show();
    const auto playControls = [&w] {
        return std::vector<bool>{w.fraList->cmdPlay->isEnabled(), w.chkAutoRun->isEnabled(),
                                 w.chkRecord->isEnabled(), w.chkPlayback->isEnabled()};
    };
    const std::vector<bool> off(4, false), on(4, true);
    const std::pair<const char*, std::function<void()>> returns[] = {
        {"report panel",
         [&w] {
             w.EnterPanel(w.fraVerify, "Report", frmMain::PanelStatus::General);
             w.fraVerify->cmdGameList->click();
         }},
        {"maintenance panel",
         [&w] {
             w.mnuToolsMaintenance->trigger();
             w.fraMaintenance->cmdGameList2->click();
         }},
        {"option panel",
         [&w] {
             w.cmdRaster->click();
             w.cmdCancel->click();
         }},
    };
    // All Games by name: Ms. Pac-Man (row 2) is not installed, Pac-Man (row 3) is.
    for (const auto& [name, goAndReturn] : returns) {
        SCOPED_TRACE(name);
        selectAll(w, 2);
        ASSERT_EQ(playControls(), off);
        goAndReturn();
        ASSERT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_EQ(playControls(), off);
        selectAll(w, 3);
        goAndReturn();
        EXPECT_EQ(playControls(), on);
    }

    // Refresh selects the first game again: Asteroids, not installed.
    selectAll(w, 3);
    w.mnuViewRefresh->trigger();
    ASSERT_EQ(w.StatusBar[0]->panelText(3), "asteroid");
    EXPECT_EQ(playControls(), off);
    // The Installed list needs no selection to allow them.
    w.mnuViewInstalled->trigger();
    EXPECT_EQ(playControls(), on);
}

TEST_F(Menus, SelectedGamePanelCopiesItsNameAndRom)
{
    frmMain& w = loaded(fiveGames());
    selectAll(w, 0);
    w.EnterPanel(w.fraMaintenance, QString(), frmMain::PanelStatus::SelectedGame);
    EXPECT_EQ(w.StatusBar[1]->panelText(2), w.StatusBar[0]->panelText(2));
    EXPECT_EQ(w.StatusBar[1]->panelText(3), "asteroid");
    w.ReturnToGameList(w.fraMaintenance, true);
    EXPECT_EQ(w.StatusBar[1]->panelText(3), "");
}

TEST_F(Menus, DisableGameButtonsUnticksAutoRun)
{
    frmMain& w = loaded(fiveGames());
    w.chkAutoRun->setChecked(true);
    w.DisableGameButtons();
    EXPECT_FALSE(w.chkAutoRun->isChecked());
    EXPECT_FALSE(w.fraList->cmdPlay->isEnabled());
    EXPECT_EQ(w.StatusBar[0]->panelText(3), "");
    EXPECT_NE(w.StatusBar[0]->panelText(1), "");
}
