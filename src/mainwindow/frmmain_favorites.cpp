// The favorites list in the main window: the View menu's toggle, the pop-up menu's Add and
// Remove, and the check after a rebuild of the game data.
#include "mainwindow/frmMain.h"

#include "gamelist/Favorites.h"
#include "platform/MsgBox.h"
#include "platform/RuntimeErrorText.h"
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

// favorite.txt is left as it was.
void showListError(const QString& appPath, const RuntimeError& error)
{
    MsgBox(SaveFailedText(FavoritesPath(appPath), error), MsgStyle::Critical);
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

bool frmMain::endFavoritesView(const FavoritesMessage& message)
{
    m_state.view.blnFavorites = false;
    mnuViewFavorites->setChecked(false);
    // Stored at once: a saved favorites view without its file would stop the next start.
    const QString& ini = m_state.paths.strOptionsIni;
    WriteOptionKey(ini, m_state, "Favorites");
    const Status failed = SaveINI(ini);
    if (failed)
        MsgBox(SaveFailedText(ini, *failed), MsgStyle::Critical);
    showMessage(message);
    return !failed;
}

void frmMain::mnuAddFavorite_Click()
{
    const GameRecord* game = fraList->selectedRecord(fraList->playableList());
    if (!game)
        return;
    const Result<FavoritesResult> added = AddFavorite(m_state.paths.strAppPath, *game);
    if (!added) {
        showListError(m_state.paths.strAppPath, added.error());
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
        showListError(m_state.paths.strAppPath, removed.error());
        return;
    }
    mnuViewRefresh_Click();
    if (!removed->emptied)
        return;

    // While options.ini still names the favorites view, the next start reads the (empty) list.
    if (endFavoritesView(*removed->emptied))
        DeleteFavorites(m_state.paths.strAppPath);
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
        showListError(m_state.paths.strAppPath, checked.error());
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
