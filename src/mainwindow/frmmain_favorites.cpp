// The favorites list in the main window: the View menu's toggle, the pop-up menu's Add and
// Remove, and the check after a rebuild of the game data.
#include "mainwindow/frmMain.h"

#include "gamelist/Favorites.h"
#include "platform/MsgBox.h"
#include "shell/IniFile.h"
#include "shell/OptionsIni.h"
#include "shell/frmSplash.h"
#include "shell/frmWait.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QTreeView>

namespace {

void showMessage(const FavoritesMessage& message)
{
    MsgBox(message.prompt, MsgStyle::Information, message.title);
}

} // namespace

void frmMain::connectFavorites()
{
    connect(mnuViewFavorites, &QAction::triggered, this, &frmMain::mnuViewFavorites_Click);
    connect(mnuAddFavorite, &QAction::triggered, this, &frmMain::mnuAddFavorite_Click);
    connect(mnuRemoveFavorite, &QAction::triggered, this, &frmMain::mnuRemoveFavorite_Click);
}

void frmMain::mnuViewFavorites_Click()
{
    // The menu item has already changed its own check mark when it was triggered.
    m_state.view.blnFavorites = mnuViewFavorites->isChecked();
    if (QFileInfo::exists(FavoritesPath(m_state.paths.strAppPath))) {
        mnuViewRefresh_Click();
        return;
    }
    MsgBox(QStringLiteral("You do not have a favorites list.  "), MsgStyle::Information, QStringLiteral("Favorite Games"));
    m_state.view.blnFavorites = false;
    mnuViewFavorites->setChecked(false);
}

void frmMain::endFavoritesView(const FavoritesMessage& message)
{
    m_state.view.blnFavorites = false;
    mnuViewFavorites->setChecked(false);
    // Stored at once: a saved favorites view without its file would stop the next start.
    WriteOptionKey(m_state.paths.strOptionsIni, m_state, "Favorites");
    FlushINI(m_state.paths.strOptionsIni);
    showMessage(message);
}

void frmMain::mnuAddFavorite_Click()
{
    const GameRecord* game = fraList->selectedRecord(fraList->playableList());
    if (!game)
        return;
    const Result<FavoritesResult> added = AddFavorite(m_state.paths.strAppPath, *game);
    if (!added) {
        MsgBox(QStringLiteral("Error In mnuAddFavorite: ") + added.error().description, MsgStyle::Critical);
        return;
    }
    if (added->notice)
        showMessage(*added->notice);
}

void frmMain::mnuRemoveFavorite_Click()
{
    const GameRecord* game = fraList->selectedRecord(fraList->playableList());
    if (!game)
        return;
    const Result<FavoritesResult> removed = RemoveFavorite(m_state.paths.strAppPath, (*game)[GameColumn::Game]);
    if (!removed) {
        MsgBox(QStringLiteral("Error In mnuRemoveFavorite: ") + removed.error().description, MsgStyle::Critical);
        return;
    }
    mnuViewRefresh_Click();
    if (!removed->emptied)
        return;

    DeleteFavorites(m_state.paths.strAppPath);
    endFavoritesView(*removed->emptied);
    mnuViewRefresh_Click();
}

void frmMain::TestFavorites()
{
    if (!QFileInfo::exists(FavoritesPath(m_state.paths.strAppPath)))
        return;
    progress().message(QStringLiteral("Verifying favorites list..."));

    const Result<FavoritesResult> checked = VerifyFavorites(m_state.paths.strAppPath);
    if (!checked) {
        // The list stays as it was, to be checked again after the next rebuild.
        MsgBox(QStringLiteral("Error In TestFavorites: ") + checked.error().description, MsgStyle::Critical);
    } else {
        if (checked->notice)
            showMessage(*checked->notice);
        if (checked->emptied)
            endFavoritesView(*checked->emptied);
    }

    if (m_splash)
        m_splash->message(QString());
    if (m_wait)
        m_wait->message(QString());
}
