// Tools > Options: the options wizard while the program runs, and what the main window redoes
// after it.
#include "mainwindow/frmMain.h"

#include "shell/FolderTable.h"
#include "wizard/frmChoose.h"

#include <QAction>

void frmMain::connectOptions() { connect(mnuToolsOptions, &QAction::triggered, this, &frmMain::mnuToolsOptions_Click); }

void frmMain::mnuToolsOptions_Click()
{
    DirectorySettings& dirs = m_state.dirs;
    for (const FolderEntry& folder : kFolders)
        dirs.*folder.tempPath = dirs.*folder.path;
    const ListFilters keptFilters = m_state.filters;
    const bool keptCloneShots = m_state.prefs.blnCloneShots;
    const QString keptFontSize = m_state.appearance.strFontSize;

    ChooseOptions(m_state);
    if (m_state.startup.blnOptionsCancelled) {
        m_state.startup.blnOptionsCancelled = false;
        return;
    }

    applyListAppearance();
    // Only what decides which games the lists hold, or how tall their rows are, needs a reload.
    if (dirs.strROMsPath != dirs.strTempROMsPath || dirs.strMAMEPath != dirs.strTempMAMEPath ||
        dirs.strAdditionalROMsPath != dirs.strTempAdditionalROMsPath || m_state.filters != keptFilters ||
        m_state.appearance.strFontSize != keptFontSize)
        mnuViewRefresh_Click();
    if (m_state.prefs.blnCloneShots != keptCloneShots || dirs.strSnapshotsPath != dirs.strTempSnapshotsPath)
        LoadShot();
    CheckFilters();
}
