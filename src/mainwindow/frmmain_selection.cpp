// What the window shows of the selected game: the status bar panels, the play controls and the
// screenshot beside the list.
#include "mainwindow/frmMain.h"

#include "gamelist/GameListModel.h"
#include "gamelist/RomFolder.h"
#include "platform/RuntimeText.h"
#include "platform/StatusPanels.h"
#include "platform/Twips.h"
#include "shell/IniFile.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {

enum class PlayControls { Switch, Leave, NotInstalled };

int column(GameColumn c) { return static_cast<int>(c); }

} // namespace

bool frmMain::gameIsInstalled(const QString& rom) const
{
    return RomZipExists(m_state.dirs.strROMsPath, rom) || RomZipExists(m_state.dirs.strAdditionalROMsPath, rom);
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
    StatusBar[0]->setPanelText(2, selected.description);
    StatusBar[0]->setPanelText(3, selected.rom);
    StatusBar[0]->setPanelText(4, m.text(r, column(GameColumn::Origin)).startsWith(QLatin1Char('C'))
                                      ? QStringLiteral("Clone")
                                      : QStringLiteral("Original"));
    StatusBar[0]->setPanelText(5, m.text(r, column(GameColumn::Orientation)).left(1));

    const PlayControls play = row.view == lvAll         ? PlayControls::Switch
                              : row.view == lvInstalled ? PlayControls::Leave
                                                        : PlayControls::NotInstalled;
    const bool installed = play == PlayControls::Leave || (play == PlayControls::Switch && gameIsInstalled(rom));
    selected.installed = installed ? SelectedGame::Install::Installed : SelectedGame::Install::NotInstalled;
    if (!installed) {
        StatusBar[0]->setPanelText(6, QStringLiteral("Not Installed"));
        if (play == PlayControls::Switch) {
            cmdPlay->setEnabled(false);
            chkAutoRun->setEnabled(false);
            chkAutoRun->setChecked(false);
            chkRecord->setEnabled(false);
            chkPlayback->setEnabled(false);
        }
    } else {
        const bool custom = QFileInfo::exists(JoinPath(m_state.paths.strAppPath, QStringLiteral("settings/") + rom + QStringLiteral(".cfg")));
        StatusBar[0]->setPanelText(6, custom ? QStringLiteral("Custom Settings") : QStringLiteral("Default Settings"));
        if (play == PlayControls::Switch) {
            cmdPlay->setEnabled(true);
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

void frmMain::LoadShot()
{
    if (!mnuViewShots->isChecked())
        return;

    if (ListView* row = currentListView()) {
        const QModelIndex current = row->view->currentIndex();
        // An empty list (or one with nothing selected) has no screenshot to look for.
        if (m_state.counts.*row->count <= 0 || !current.isValid()) {
            lblShots->hide();
        } else {
            const QString parent = row->model->text(current.row(), column(GameColumn::Origin)).mid(9);
            const QString name = m_state.prefs.blnCloneShots && !parent.isEmpty()
                                     ? parent
                                     : row->model->text(current.row(), column(GameColumn::ROM));
            const QString path = JoinPath(m_state.dirs.strSnapshotsPath, name + QStringLiteral(".png"));
            QPixmap picture;
            if (!m_state.dirs.strSnapshotsPath.isEmpty() && QFileInfo::exists(path) && picture.load(path)) {
                lblShots->hide();
                imgShots->setPixmap(picture);
            } else {
                imgShots->clear();
                lblShots->show();
            }
        }
    }

    placeShot();
}

void frmMain::placeShot()
{
    // nostretch.ini fixes the picture, except in a maximised window; otherwise it is a stretched
    // square as high as the lists.
    if (noStretchFileExists() && m_state.view.intWindowState != 2) {
        NoStretchShot();
        return;
    }
    imgShots->setScaledContents(true);
    const double side = pixelsToTwips(lvAll->height()) - 25;
    setHeightTwips(imgShots, side);
    setWidthTwips(imgShots, side);
    place(imgShots, pixelsToTwips(fraList->width()) - (pixelsToTwips(imgShots->width()) + 180), 270);
}

void frmMain::NoStretchShot()
{
    const QString ini = JoinPath(m_state.paths.strAppPath, QStringLiteral("settings/nostretch.ini"));
    // A value that is not a number keeps its default.
    const auto value = [&ini](const char* section, const char* key, int fallback) -> double {
        const auto n = ParseNumber(ReadINI(ini, QLatin1String(section), QLatin1String(key), fallback));
        return n ? *n : fallback;
    };
    imgShots->setScaledContents(false);
    const double left = value("Position", "Left", 3145);
    const double top = value("Position", "Top", 240);
    const double height = value("Size", "Height", 4760);
    const double width = value("Size", "Width", 4760);
    place(imgShots, left, top);
    setHeightTwips(imgShots, height);
    setWidthTwips(imgShots, width);
}
