// What the window shows of the selected game: the status bar panels, the play controls and the
// screenshot beside the list.
#include "mainwindow/frmMain.h"

#include "gamelist/GameListModel.h"
#include "gamelist/RomFolder.h"
#include "platform/ListingText.h"
#include "platform/StatusPanels.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {

enum class PlayControls { Switch, Leave, NotInstalled };

int column(GameColumn c) { return static_cast<int>(c); }

} // namespace

bool frmMain::gameIsInstalled(const GameRecord& game) const
{
    const QString& rom = game[GameColumn::ROM];
    const bool todaysMame = FromTodaysMame(game);
    return RomSetExists(m_state.dirs.strROMsPath, rom, todaysMame) ||
           RomSetExists(m_state.dirs.strAdditionalROMsPath, rom, todaysMame);
}

void frmMain::showSelectedStatus(const ListView& row)
{
    LoadShot();
    const QModelIndex current = row.view->currentIndex();
    if (!current.isValid())
        return;
    const GameListModel& m = *row.model;
    const int r = current.row();
    const QString& rom = m.text(r, column(GameColumn::ROM));

    SelectedGame& selected = m_state.selected;
    selected.description = m.text(r, column(GameColumn::Game));
    selected.rom = rom;
    selected.todaysMame = FromTodaysMame(m.game(r).record);
    StatusBar[0]->setPanelText(2, ShownListingText(selected.description));
    StatusBar[0]->setPanelText(3, selected.rom);
    StatusBar[0]->setPanelText(4, m.text(r, column(GameColumn::Origin)).startsWith(QLatin1Char('C'))
                                      ? QStringLiteral("Clone")
                                      : QStringLiteral("Original"));
    StatusBar[0]->setPanelText(5, m.text(r, column(GameColumn::Orientation)).left(1));

    const PlayControls play = row.view == fraList->lvAll         ? PlayControls::Switch
                              : row.view == fraList->lvInstalled ? PlayControls::Leave
                                                        : PlayControls::NotInstalled;
    const bool installed =
        play == PlayControls::Leave || (play == PlayControls::Switch && gameIsInstalled(m.game(r).record));
    selected.installed = installed ? SelectedGame::Install::Installed : SelectedGame::Install::NotInstalled;
    if (!installed) {
        StatusBar[0]->setPanelText(6, QStringLiteral("Not Installed"));
        if (play == PlayControls::Switch) {
            fraList->cmdPlay->setEnabled(false);
            chkAutoRun->setEnabled(false);
            chkAutoRun->setChecked(false);
            chkRecord->setEnabled(false);
            chkPlayback->setEnabled(false);
        }
    } else {
        const bool custom = QFileInfo::exists(JoinPath(m_state.paths.strAppPath, QStringLiteral("settings/") + rom + QStringLiteral(".cfg")));
        StatusBar[0]->setPanelText(6, custom ? QStringLiteral("Custom Settings") : QStringLiteral("Default Settings"));
        if (play == PlayControls::Switch) {
            fraList->cmdPlay->setEnabled(true);
            chkAutoRun->setEnabled(true);
            chkPlayback->setEnabled(true);
            chkRecord->setEnabled(true);
        }
    }

    // The icon, artwork mark and marquee follow 500 ms after the last selection.
    Tmr[1]->stop();
    Tmr[1]->start();
}

void frmMain::LoadAllStatus() { showSelectedStatus(m_views[0]); }
void frmMain::LoadInstalledStatus() { showSelectedStatus(m_views[1]); }
void frmMain::LoadUninstalledStatus() { showSelectedStatus(m_views[2]); }

void frmMain::loadStatus(GameView view) { showSelectedStatus(m_views[size_t(view)]); }

void frmMain::LoadShot() { fraList->LoadShot(mnuViewShots->isChecked()); }
