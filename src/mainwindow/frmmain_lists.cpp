// The main window around its three game lists: switching between them with the buttons, menus and
// status bar that follow, the refresh, the screenshot pane, and the pop-up menu of a game row.
#include "mainwindow/frmMain.h"

#include "gamelist/GameDataRebuild.h"
#include "gamelist/GameListModel.h"
#include "platform/MsgBox.h"
#include "platform/PaintNow.h"
#include "platform/StatusPanels.h"
#include "shell/HeaderPanel.h"
#include "shell/IniFile.h"
#include "shell/MameProgram.h"
#include "shell/OptionsIni.h"
#include "shell/ShortPath.h"
#include "shell/StartupForms.h"
#include "shell/frmWait.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

void frmMain::switchToList(ListView& row)
{
    const bool uninstalled = row.view == fraList->lvUninstalled;
    fraList->showList(row);

    mnuViewAll->setChecked(row.view == fraList->lvAll);
    mnuViewInstalled->setChecked(row.view == fraList->lvInstalled);
    mnuViewUninstalled->setChecked(uninstalled);

    if (!uninstalled) {
        setDefaultButton(fraList->cmdPlay);
        EnableButtons();
    } else {
        chkAutoRun->setEnabled(false);
        chkAutoRun->setChecked(false);
        chkRecord->setEnabled(false);
        chkPlayback->setEnabled(false);
        if (m_defaultButton == fraList->cmdPlay)
            setDefaultButton(nullptr);
        fraList->cmdPlay->setEnabled(false);
        mnuFilePlay->setEnabled(false);
    }

    const qint32 count = m_state.counts.*row.count;
    StatusBar[0]->setPanelText(1, QStringLiteral("Total Games: %1").arg(count));

    if (count < 1) {
        if (uninstalled && !m_state.startup.blnLoading)
            row.view->setFocus();
        DisableGameButtons();
        if (row.view != fraList->lvAll)
            fraList->lblShots->hide();
        if (uninstalled) {
            Tmr[1]->stop();
            header->clearGameArt();
        }
        return;
    }

    if (uninstalled) {
        fraList->cmdVerify->setEnabled(true);
        fraList->cmdInfo->setEnabled(true);
    }
    fraList->applySavedSort(row);
    fraList->selectRow(row, m_state.view.*row.index, true);
    if (!m_state.startup.blnLoading)
        row.view->setFocus();
    loadStatus(row.id);
}

void frmMain::mnuViewAll_Click() { switchToList(m_views[0]); }
void frmMain::mnuViewInstalled_Click() { switchToList(m_views[1]); }
void frmMain::mnuViewUninstalled_Click() { switchToList(m_views[2]); }

void frmMain::mnuView_Click()
{
    const bool on = m_state.view.intPanelShown == 0;
    for (QAction* a : {mnuViewAll, mnuViewInstalled, mnuViewUninstalled, mnuViewRefresh, mnuViewFavorites, mnuViewShots})
        a->setEnabled(on);
}

void frmMain::mnuViewRefresh_Click()
{
    header->lblList->clear();
    PaintNow(*this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    header->IconScreen->clear();
    for (QPushButton* b : {fraList->cmdPlay, fraList->cmdVerify, fraList->cmdInfo, cmdExit})
        b->setEnabled(false);
    DisableFormButtons();

    clearGameLists();
    m_state.view.intAllIndex = m_state.view.intInstalledIndex = m_state.view.intUninstalledIndex = 1;

    auto& wait = static_cast<frmWait&>(progress());
    wait.show();
    PaintNow(wait);
    m_state.selected = SelectedGame();
    for (int panel = 1; panel <= 6; ++panel)
        StatusBar[0]->setPanelText(panel, QString());

    // A MAME program that has gone missing is no new MAME: the lists reload from the data at hand.
    const QFileInfo program(MameProgramFile(m_state.dirs.strMAMEPath));
    if (program.isFile()) {
        m_state.lngNewMAMESize = qint32(program.size());
        if (NewMameDetected(m_state.paths.strAppPath, {m_state.lngMAMESize, m_state.lngNewMAMESize})) {
            ShowCaptionNow(*wait.lblText, QStringLiteral("A new version of M.A.M.E. was detected."));
            const Result<bool> built = buildGameData(true);
            if (!built.ok())
                MsgBox(QStringLiteral("Error In mnuViewRefresh: ") + built.error().description, MsgStyle::Critical);
            // A failed build is not recorded, so that the next start builds again.
            if (built.ok() && built.value()) {
                m_state.lngMAMESize = m_state.lngNewMAMESize;
                WriteOptionKey(m_state.paths.strOptionsIni, m_state, "MAMESize");
                FlushINI(m_state.paths.strOptionsIni);
            }
        }
    }

    ShowCaptionNow(*wait.lblText, QStringLiteral("Please wait while Zelvane refreshes the game list."));
    loadLists();

    switchToList(fraList->currentListView());

    m_wait.reset();
    EnableFormButtons();
    cmdExit->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void frmMain::mnuViewShots_Click()
{
    // The menu item has already changed its own check mark when it was triggered.
    fraList->showShots(mnuViewShots->isChecked());
}

void frmMain::showNotInstalled()
{
    MsgBox(QStringLiteral("This game is not installed."), MsgStyle::Information, QStringLiteral("Play Game"));
}

void frmMain::lvUninstalled_DblClick() { showNotInstalled(); }

void frmMain::connectLists()
{
    connect(fraList, &GameListPanel::itemClicked, this, &frmMain::loadStatus);
    connect(fraList, &GameListPanel::playRequested, this, &frmMain::cmdPlay_Click);
    connect(fraList, &GameListPanel::uninstalledDoubleClicked, this, &frmMain::lvUninstalled_DblClick);
    connect(fraList, &GameListPanel::mouseUp, this, &frmMain::listMouseUp);
}

void frmMain::listMouseUp(GameView view, Qt::MouseButton button, const QPoint& pos)
{
    ListView& row = m_views[size_t(view)];
    if (row.view == fraList->lvInstalled)
        mnuDeleteROM->setEnabled(true);
    if (button != Qt::RightButton)
        return;
    if (!fraList->selectAt(row, pos))
        return;

    mnuAddFavorite->setEnabled(!m_state.view.blnFavorites);
    mnuRemoveFavorite->setEnabled(m_state.view.blnFavorites);
    if (row.view == fraList->lvAll)
        mnuDeleteROM->setEnabled(m_state.selected.installed != SelectedGame::Install::NotInstalled);
    const QString& rom = m_state.selected.rom;
    mnuDeleteSamples->setEnabled(
        !rom.isEmpty() && QFileInfo::exists(JoinPath(m_state.dirs.strSamplesPath, rom + QStringLiteral(".zip"))));
    mnuRightClick->popup(row.view->viewport()->mapToGlobal(pos));
}

