// The menu bar and the pop-up menu of a game row, the drop-down handlers that enable their items
// each time a menu opens, and the items that only forward to a button.
#include "mainwindow/frmMain.h"

#include "platform/FileNames.h"
#include "platform/Inet.h"
#include "platform/StatusPanels.h"
#include "shell/ShortPath.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

namespace {

// One row of the menu tree: its depth (0 = top-level menu), name and caption ("-": separator).
// A row whose next row is deeper opens a sub-menu; exactly one of the two members is set for
// the rows that the window addresses by name.
struct MenuRow {
    int depth;
    const char* name;
    const char* caption;
    QMenu* frmMain::* menu;
    QAction* frmMain::* item;
};

} // namespace

void frmMain::createMenus()
{
    using M = frmMain;
    static const MenuRow kTree[] = {
        {0, "mnuFile", "&File", &M::mnuFile, nullptr},
        {1, "mnuFilePlay", "&Play Game", nullptr, &M::mnuFilePlay},
        {1, "mnuFileVerify", "Game &Audit", nullptr, &M::mnuFileVerify},
        {1, "mnuFileInfo", "Game &Information", nullptr, &M::mnuFileInfo},
        {1, "mnuFileHyphen1", "-", nullptr, nullptr},
        {1, "mnuFileExport", "&Export List", nullptr, &M::mnuFileExport},
        {1, "mnuFileHyphen2", "-", nullptr, nullptr},
        {1, "mnuFileExit", "E&xit", nullptr, &M::mnuFileExit},
        {0, "mnuView", "&View", &M::mnuView, nullptr},
        {1, "mnuViewAll", "&All Games", nullptr, &M::mnuViewAll},
        {1, "mnuViewInstalled", "&Installed Games", nullptr, &M::mnuViewInstalled},
        {1, "mnuViewUninstalled", "&Uninstalled Games", nullptr, &M::mnuViewUninstalled},
        {1, "mnuViewHyphen1", "-", nullptr, nullptr},
        {1, "mnuViewFavorites", "&Favorite Games", nullptr, &M::mnuViewFavorites},
        {1, "mnuViewHyphen2", "-", nullptr, nullptr},
        {1, "mnuViewRefresh", "&Refresh", nullptr, &M::mnuViewRefresh},
        {1, "mnuViewHyphen3", "-", nullptr, nullptr},
        {1, "mnuViewShots", "&Screen Shots", nullptr, &M::mnuViewShots},
        {0, "mnuTools", "&Tools", &M::mnuTools, nullptr},
        {1, "mnuToolsRaster", "&Raster Settings...", nullptr, &M::mnuToolsRaster},
        {1, "mnuToolsVector", "&Vector Settings...", nullptr, &M::mnuToolsVector},
        {1, "mnuToolsCustom", "&Custom Settings...", nullptr, &M::mnuToolsCustom},
        {1, "mnuToolsHyphen1", "-", nullptr, nullptr},
        {1, "mnuToolsRebuildSettings", "Rebuild &Settings", nullptr, &M::mnuToolsRebuildSettings},
        {1, "mnuToolsHyphen2", "-", nullptr, nullptr},
        {1, "mnuToolsMaintenance", "&Maintenance...", nullptr, &M::mnuToolsMaintenance},
        {1, "mnuToolsHyphen3", "-", nullptr, nullptr},
        {1, "mnuToolsOptions", "&Options...", nullptr, &M::mnuToolsOptions},
        {0, "mnuReports", "Rep&orts", &M::mnuReports, nullptr},
        {1, "mnuReportsROMs", "&ROMs", &M::mnuReportsROMs, nullptr},
        {2, "mnuReportsVerifyRoms", "&Verify All ROMs", nullptr, &M::mnuReportsVerifyRoms},
        {2, "mnuReportsLastRom", "&Last ROMs Report", nullptr, &M::mnuReportsLastRom},
        {1, "mnuReportsSamples", "&Samples", &M::mnuReportsSamples, nullptr},
        {2, "mnuReportsVerifySamples", "&Verify All Samples", nullptr, &M::mnuReportsVerifySamples},
        {2, "mnuReportsLastSample", "&Last Samples Report", nullptr, &M::mnuReportsLastSample},
        {1, "mnuReportsSets", "S&ets", &M::mnuReportsSets, nullptr},
        {2, "mnuReportsVerifySets", "&Verify All Sets", nullptr, &M::mnuReportsVerifySets},
        {2, "mnuReportsLastSets", "&Last Sets Report", nullptr, &M::mnuReportsLastSets},
        {1, "mnuReportsHyphen1", "-", nullptr, nullptr},
        {1, "mnuReportsWhatsChanged", "&What's Changed", &M::mnuReportsWhatsChanged, nullptr},
        {2, "mnuReportsChangedROMs", "&ROMs Info", &M::mnuReportsChangedROMs, nullptr},
        {3, "mnuReportsWhatsNewROMs", "&What's Changed", nullptr, &M::mnuReportsWhatsNewROMs},
        {3, "mnuReportsWhatsChangedROMs", "&Last What's Changed Report", nullptr, &M::mnuReportsWhatsChangedROMs},
        {2, "mnuReportsChangedAll", "&All Info", &M::mnuReportsChangedAll, nullptr},
        {3, "mnuReportsWhatsNewAll", "&What's Changed", nullptr, &M::mnuReportsWhatsNewAll},
        {3, "mnuReportsWhatsChangedAll", "&Last What's Changed Report", nullptr, &M::mnuReportsWhatsChangedAll},
        {2, "mnuReportsMAMEDiff", "&MAMEDiff", &M::mnuReportsMAMEDiff, nullptr},
        {3, "mnuMAMEDiffSummary", "&General Summary", nullptr, &M::mnuMAMEDiffSummary},
        {3, "mnuMAMEDiffMSplit", "Changed &Merged-Split ROMs", nullptr, &M::mnuMAMEDiffMSplit},
        {3, "mnuMAMEDiffFSplit", "Changed &Full-Split ROMs", nullptr, &M::mnuMAMEDiffFSplit},
        {1, "mnuReportsHyphen2", "-", nullptr, nullptr},
        {1, "mnuReportsRebuildSettings", "Re&build Settings Report", nullptr, &M::mnuReportsRebuildSettings},
        {1, "mnuReportsChanges", "&Favorite List Changes", nullptr, &M::mnuReportsChanges},
        {1, "mnuReportsHyphen3", "-", nullptr, nullptr},
        {1, "mnuReportsFind", "&Mame.Ini", nullptr, &M::mnuReportsFind},
        {0, "mnuHelp", "&Help", &M::mnuHelp, nullptr},
        {1, "mnuHelpZelvane", "&Zelvane's Zelvane.txt", nullptr, &M::mnuHelpZelvane},
        {1, "mnuHelpNewvideo", "M.A.M.E.'s New&video.txt", nullptr, &M::mnuHelpNewvideo},
        {1, "mnuHelpWindows", "M.A.M.E.'s &Windows.txt", nullptr, &M::mnuHelpWindows},
        {1, "mnuHelpHyphen1", "-", nullptr, nullptr},
        {1, "mnuHelpNews", "Zelvane &News", nullptr, &M::mnuHelpNews},
        {1, "mnuHelpHyphen2", "-", nullptr, nullptr},
        {1, "mnuHelpCheck", "Check For &Updates", nullptr, &M::mnuHelpCheck},
        {1, "mnuHelpHyphen3", "-", nullptr, nullptr},
        {1, "mnuHelpAbout", "&About Zelvane", nullptr, &M::mnuHelpAbout},
        // Shown only as the pop-up menu of a game row.
        {0, "mnuRightClick", "Right Click", &M::mnuRightClick, nullptr},
        {1, "mnuAddFavorite", "&Add To Favorites", nullptr, &M::mnuAddFavorite},
        {1, "mnuRemoveFavorite", "&Remove From Favorites", nullptr, &M::mnuRemoveFavorite},
        {1, "mnuRightClickHyphen1", "-", nullptr, nullptr},
        {1, "mnuDeleteROM", "&Delete ROM", nullptr, &M::mnuDeleteROM},
        {1, "mnuDeleteSamples", "Delete &Samples", nullptr, &M::mnuDeleteSamples},
    };

    QMenu* open[4] = {};
    for (const MenuRow& row : kTree) {
        const QString name = QLatin1String(row.name);
        const QString caption = QString::fromLatin1(row.caption);
        QMenu* parent = row.depth > 0 ? open[row.depth - 1] : nullptr;
        if (row.menu) {
            QMenu* m = row.depth == 0 && row.menu == &M::mnuRightClick ? new QMenu(caption, this)
                       : row.depth == 0                                  ? menuBar()->addMenu(caption)
                                                                         : parent->addMenu(caption);
            m->setObjectName(name);
            m->menuAction()->setObjectName(name);
            this->*row.menu = m;
            open[row.depth] = m;
        } else if (caption == QLatin1String("-")) {
            parent->addSeparator()->setObjectName(name);
        } else {
            QAction* a = parent->addAction(caption);
            a->setObjectName(name);
            this->*row.item = a;
        }
    }
    mnuReportsSets->menuAction()->setVisible(false);
    for (QAction* a : {mnuViewAll, mnuViewInstalled, mnuViewUninstalled, mnuViewFavorites, mnuViewShots})
        a->setCheckable(true);

    connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::mnuFile_Click);
    connect(mnuView, &QMenu::aboutToShow, this, &frmMain::mnuView_Click);
    connect(mnuTools, &QMenu::aboutToShow, this, &frmMain::mnuTools_Click);
    connect(mnuReports, &QMenu::aboutToShow, this, &frmMain::mnuReports_Click);
    connect(mnuHelp, &QMenu::aboutToShow, this, &frmMain::mnuHelp_Click);

    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuViewAll, &QAction::triggered, this, &frmMain::mnuViewAll_Click);
    connect(mnuViewInstalled, &QAction::triggered, this, &frmMain::mnuViewInstalled_Click);
    connect(mnuViewUninstalled, &QAction::triggered, this, &frmMain::mnuViewUninstalled_Click);
    connect(mnuViewRefresh, &QAction::triggered, this, &frmMain::mnuViewRefresh_Click);
    connect(mnuViewShots, &QAction::triggered, this, &frmMain::mnuViewShots_Click);
}

void frmMain::mnuFile_Click()
{
    const bool panel = m_state.view.intPanelShown != 0;
    const GameView list = m_state.view.current;
    const qint32 installed = m_state.counts.intInstalledCount;
    const qint32 uninstalled = m_state.counts.intUninstalledCount;

    bool play = false, others = false;
    if (panel) {
        play = others = false;
    } else if (list == GameView::All) {
        others = m_state.counts.intAllCount > 0;
        play = others && m_state.selected.installed != SelectedGame::Install::NotInstalled;
    } else if (list == GameView::Installed) {
        play = others = installed > 0;
    } else {
        play = false;
        others = uninstalled != 0;
    }
    mnuFilePlay->setEnabled(play);
    mnuFileVerify->setEnabled(others);
    mnuFileInfo->setEnabled(others);
    mnuFileExport->setEnabled(others);
}

void frmMain::mnuTools_Click()
{
    const bool panel = m_state.view.intPanelShown != 0;
    const GameView list = m_state.view.current;

    bool custom = false;
    if (panel)
        custom = false;
    else if (list == GameView::All)
        custom = m_state.counts.intAllCount > 0 && m_state.selected.installed != SelectedGame::Install::NotInstalled;
    else if (list == GameView::Installed)
        custom = m_state.counts.intInstalledCount != 0;

    for (QAction* a : {mnuToolsRaster, mnuToolsVector, mnuToolsRebuildSettings, mnuToolsMaintenance, mnuToolsOptions})
        a->setEnabled(!panel);
    mnuToolsCustom->setEnabled(custom);
}

void frmMain::mnuReports_Click()
{
    const bool on = m_state.view.intPanelShown == 0;
    for (QAction* a : {mnuReportsROMs->menuAction(), mnuReportsVerifyRoms, mnuReportsSamples->menuAction(),
                       mnuReportsVerifySamples, mnuReportsSets->menuAction(), mnuReportsVerifySets,
                       mnuReportsLastRom, mnuReportsLastSample, mnuReportsLastSets, mnuReportsChanges,
                       mnuReportsWhatsChanged->menuAction(), mnuReportsWhatsNewAll, mnuReportsWhatsNewROMs,
                       mnuReportsWhatsChangedAll, mnuReportsWhatsChangedROMs, mnuReportsRebuildSettings,
                       mnuReportsFind})
        a->setEnabled(on);
    // MAMEDiff is optional: offered only while its program stands in the MAME folder.
    const bool diff = on && QFileInfo::exists(JoinPath(m_state.dirs.strMAMEPath, MameDiffProgramName()));
    mnuReportsMAMEDiff->menuAction()->setEnabled(diff);
}

void frmMain::mnuHelp_Click()
{
    bool zelvane = true, newvideo = true, windows = true, news = true, check = true;
    if (m_state.view.intPanelShown != 0) {
        const QString shown = fraVerify->title();
        news = check = false;
        zelvane = shown == QLatin1String("M.A.M.E.'s Newvideo.txt") || shown == QLatin1String("M.A.M.E.'s Windows.txt");
        newvideo = shown == QLatin1String("Zelvane's Zelvane.txt") || shown == QLatin1String("M.A.M.E.'s Windows.txt");
        windows = shown == QLatin1String("Zelvane's Zelvane.txt") || shown == QLatin1String("M.A.M.E.'s Newvideo.txt");
    }
    // One request at a time: a running news or update request keeps both off.
    if (Inet1->StillExecuting())
        news = check = false;
    mnuHelpZelvane->setEnabled(zelvane);
    mnuHelpNewvideo->setEnabled(newvideo);
    mnuHelpWindows->setEnabled(windows);
    mnuHelpNews->setEnabled(news);
    mnuHelpCheck->setEnabled(check);
}

void frmMain::mnuFileExit_Click() { cmdExit_Click(); }
