// The main window: composes the subsystems' panels and holds the handlers that span them; its
// member functions live in several files, by subsystem (frmmain_*.cpp).
#pragma once

#include "gamelist/GameListPanel.h"
#include "options/OptionPanel.h"
#include "reports/MaintenancePanel.h"
#include "reports/ReportPanel.h"
#include "platform/RuntimeError.h"
#include "state/AppState.h"
#include "wizard/ProgramVersion.h"

#include <QMainWindow>

#include <array>
#include <memory>

struct FavoritesMessage;
class HeaderPanel;
class Inet;
class Progress;
class frmSplash;
class frmWait;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;
class QTreeView;
class StatusPanels;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(AppState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- Load sequence and shutdown (frmmain_load.cpp, frmmain_shutdown.cpp)

    // Returns with the lists loaded and the saved view reopened, or ends the program (first run
    // cancelled, fatal errors). The program folder is the executable's; tests name their own.
    void Form_Load();
    void Form_Load(const QString& programFolder);
    // Writes the twelve View keys of options.ini and ends the program.
    [[noreturn]] void SaveView();
    // "E&xit", or the cancel request of a long job while the button reads "&Cancel".
    void cmdExit_Click();
    // Where long jobs and the loader show progress: the splash while loading, else the wait form.
    Progress& progress();

    // ---- Button, menu and timer state (frmmain_state.cpp)

    void DisableFormButtons();
    void EnableFormButtons();
    void EnableButtons();
    void DisableGameButtons();
    void DisableFormTimers();

    // How a panel treats the status bars and the header while it covers the lists.
    enum class PanelStatus {
        KeepList,     // reports about the selected game: StatusBar(0) and the header stay
        General,      // whole-program panels: StatusBar(1) over StatusBar(0), icon timer stopped
        GeneralTimerKept, // as General, the icon timer left running (the MAMEDiff report)
        SelectedGame, // maintenance and one game's options: StatusBar(1) with the game's name
    };
    // Covers the lists with `panel` (fraDefaults, fraMaintenance or fraVerify); without `toFront`
    // the caller brings it to the front once it has loaded.
    void EnterPanel(QGroupBox* panel, const QString& caption, PanelStatus status, bool toFront = true);
    // Leaves `panel` for the game lists; `busyPointer` shows the hourglass meanwhile.
    void ReturnToGameList(QGroupBox* panel, bool busyPointer);
    // ProgressBar(1) at 0 of `maximum`, shown in front of StatusBar(1), which lies under it.
    void showPanelProgress(int maximum);

    // The modes of two buttons, each shown by its own caption: cmdFind's in the report panel, and
    // cmdExit's, which long jobs turn into their cancel button.
    enum class FindMode { MameIni, ListBadSets, Print };
    enum class ExitMode { Exit, Cancel };
    void setFindMode(FindMode mode);
    FindMode findMode() const { return m_findMode; }
    void setExitMode(ExitMode mode);
    ExitMode exitMode() const { return m_exitMode; }

    // The default button, pressed by Enter anywhere in the window (nullptr: none).
    void setDefaultButton(QPushButton* button);
    QPushButton* defaultButton() const { return m_defaultButton; }

    // ---- Menus (frmmain_menus.cpp)

    void mnuFile_Click();
    void mnuTools_Click();
    void mnuReports_Click();
    void mnuHelp_Click();
    void mnuFileExit_Click();

    // ---- Views and list events (frmmain_lists.cpp; the lists themselves are fraList's)

    void mnuView_Click();
    void mnuViewAll_Click();
    void mnuViewInstalled_Click();
    void mnuViewUninstalled_Click();
    void mnuViewRefresh_Click();
    void mnuViewShots_Click();
    // Handed to the list frame, under the names the load sequence and the handlers call.
    void GetSelectedIndex() { fraList->GetSelectedIndex(); }
    void CheckFilters() { fraList->CheckFilters(); }
    void showGameLists(GameLists lists) { fraList->showGameLists(std::move(lists)); }
    void clearGameLists() { fraList->clearGameLists(); }
    void applyListAppearance() { fraList->applyListAppearance(); }

    // ---- Selected game display (frmmain_selection.cpp)

    void LoadAllStatus();
    void LoadInstalledStatus();
    void LoadUninstalledStatus();
    void LoadShot();

    // ---- Favorites (frmmain_favorites.cpp)

    void mnuViewFavorites_Click();
    void mnuAddFavorite_Click();
    void mnuRemoveFavorite_Click();

    // ---- Marquee and icon timers (frmmain_timers.cpp)

    // Index 0: the marquee step; 1: the icon, the artwork mark and the marquee text.
    void Tmr_Timer(int index);
    void RefreshScroll();
    void fraScroll_Click();

    // ---- Play, Record, Playback and AutoRun (frmmain_play.cpp)

    void cmdPlay_Click();
    void chkAutoRun_Click();
    void chkRecord_Click();
    void chkPlayback_Click();

    // ---- Panel scrolling (frmmain_state.cpp)

    void VScrollPanel(int index);

    // ---- Gradient background and the header's two information boxes (frmmain_header.cpp)

    // Repaints the background gradient from lngGradientColor.
    void SetGradient();
    void lblGradient_Click();
    void imgMachine_Click();
    void lblDownload_Click();

    // ---- Options wizard (frmmain_options.cpp)

    void mnuToolsOptions_Click();

    // ---- Option panel commands and Rebuild Settings (frmmain_optionpanel.cpp)

    void cmdRaster_Click();
    void cmdVector_Click();
    void mnuToolsRaster_Click() { cmdRaster_Click(); }
    void mnuToolsVector_Click() { cmdVector_Click(); }
    void mnuToolsCustom_Click();
    void cmdOK_Click();
    void cmdRestore_Click();
    void cmdCancel_Click();
    void mnuToolsRebuildSettings_Click();

    // ---- Report panel (frmmain_reports.cpp; the panel's own work is fraVerify's)

    // By its mode: the selected game's mame.ini, the bad sets of the report, or printing it.
    void cmdFind_Click();
    // The one way back from the report panel to the game lists.
    void cmdGameList_Click();

    // ---- Game audit (frmmain_audit.cpp)

    // MAME's verdict on the selected game's ROM and sample sets, in the report panel.
    void cmdVerify_Click();

    // ---- Verify-all runs and stored reports (frmmain_verify.cpp)

    void mnuReportsRebuildSettings_Click();
    void mnuReportsChanges_Click();

    // ---- MAMEDiff and game information (frmmain_diffinfo.cpp)

    // Runs MAMEDiff with `option` over the kept and the current listing; its report under `caption`.
    void MAMEDiff(const QString& option, const QString& caption);
    // The selected game's history, emulation notes and cheats.
    void cmdInfo_Click();

    // ---- Maintenance panel, Delete ROM and Samples, list export (frmmain_maintenance.cpp)

    void mnuToolsMaintenance_Click();
    // The ROM compare against the All Games list as it is shown.
    void cmdROMs_Click();
    void cmdGameList2_Click();
    void mnuDeleteROM_Click();
    void mnuDeleteSamples_Click();
    void mnuFileExport_Click();

    // ---- What's Changed comparisons (frmmain_whatschanged.cpp)

    // ROMs Info and All Info: the new and old lists compared, the report shown and saved.
    void CompareCRCInfo();
    void CompareListXML();

    // ---- Help documents, news, update check and the about box (frmmain_help.cpp, frmmain_news.cpp)

    void mnuHelpZelvane_Click();
    void mnuHelpNewvideo_Click();
    void mnuHelpWindows_Click();
    void mnuHelpNews_Click();
    void mnuHelpCheck_Click();
    void mnuHelpAbout_Click();
    void Inet1_StateChanged(qint16 State);
    // Requests the news and waits for its end: strNewsText then holds it, or "Error".
    void requestNews(int timeoutMs);
    // Shows strNewsText in the report panel and stores its stamp; at start-up with the chime and
    // the stamp's separator in bold too. Returns why the stamp could not be stored, if it could not.
    Status showNews(bool startup);

    Inet* Inet1 = nullptr;
    Version lngWebVersion; // the newest version read by the running check; none until one was read

    // ---- Controls, named as the program names them (objectName too)

    // Header and right-hand column
    std::array<QFrame*, 2> LineSeparator{};
    HeaderPanel* header = nullptr;
    QPushButton* cmdRaster = nullptr;
    QPushButton* cmdVector = nullptr;
    QPushButton* cmdFind = nullptr;
    QLabel* lblGradient = nullptr;
    QLabel* lblDownload = nullptr;
    QFrame* picAutoRun = nullptr;
    QCheckBox* chkAutoRun = nullptr;
    QFrame* picRecPlay = nullptr;
    QCheckBox* chkRecord = nullptr;
    QCheckBox* chkPlayback = nullptr;
    QPushButton* cmdExit = nullptr;

    // Game lists, with the game buttons at their foot
    GameListPanel* fraList = nullptr;

    // Option panel; the controls the layout moves are the panel's own.
    OptionPanel* fraDefaults = nullptr;
    QFrame* picDefaults = nullptr;
    QFrame* picBox1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Maintenance panel
    MaintenancePanel* fraMaintenance = nullptr;

    // Report panel
    ReportPanel* fraVerify = nullptr;

    std::array<QScrollBar*, 2> VScroll{};
    std::array<StatusPanels*, 2> StatusBar{};
    std::array<QProgressBar*, 2> ProgressBar{};
    std::array<QTimer*, 2> Tmr{};

    // Menus: top-level and sub-menus, then the items.
    QMenu *mnuFile = nullptr, *mnuView = nullptr, *mnuTools = nullptr, *mnuReports = nullptr,
          *mnuHelp = nullptr, *mnuRightClick = nullptr;
    QMenu *mnuReportsROMs = nullptr, *mnuReportsSamples = nullptr, *mnuReportsSets = nullptr,
          *mnuReportsWhatsChanged = nullptr, *mnuReportsChangedROMs = nullptr,
          *mnuReportsChangedAll = nullptr, *mnuReportsMAMEDiff = nullptr;
    QAction *mnuFilePlay = nullptr, *mnuFileVerify = nullptr, *mnuFileInfo = nullptr,
            *mnuFileExport = nullptr, *mnuFileExit = nullptr;
    QAction *mnuViewAll = nullptr, *mnuViewInstalled = nullptr, *mnuViewUninstalled = nullptr,
            *mnuViewFavorites = nullptr, *mnuViewRefresh = nullptr, *mnuViewShots = nullptr;
    QAction *mnuToolsRaster = nullptr, *mnuToolsVector = nullptr, *mnuToolsCustom = nullptr,
            *mnuToolsRebuildSettings = nullptr, *mnuToolsMaintenance = nullptr, *mnuToolsOptions = nullptr;
    QAction *mnuReportsVerifyRoms = nullptr, *mnuReportsLastRom = nullptr,
            *mnuReportsVerifySamples = nullptr, *mnuReportsLastSample = nullptr,
            *mnuReportsVerifySets = nullptr, *mnuReportsLastSets = nullptr,
            *mnuReportsWhatsNewROMs = nullptr, *mnuReportsWhatsChangedROMs = nullptr,
            *mnuReportsWhatsNewAll = nullptr, *mnuReportsWhatsChangedAll = nullptr,
            *mnuMAMEDiffSummary = nullptr, *mnuMAMEDiffMSplit = nullptr, *mnuMAMEDiffFSplit = nullptr,
            *mnuReportsRebuildSettings = nullptr, *mnuReportsChanges = nullptr, *mnuReportsFind = nullptr;
    QAction *mnuHelpZelvane = nullptr, *mnuHelpNewvideo = nullptr, *mnuHelpWindows = nullptr,
            *mnuHelpNews = nullptr, *mnuHelpCheck = nullptr, *mnuHelpAbout = nullptr;
    QAction *mnuAddFavorite = nullptr, *mnuRemoveFavorite = nullptr, *mnuDeleteROM = nullptr,
            *mnuDeleteSamples = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    using ListView = GameListPanel::ListView;

    // Construction (frmmain_controls.cpp, frmmain_menus.cpp)
    void connectHeader();
    void connectOptions();
    void createHeaderAndColumn(QWidget* client);
    void createPanels(QWidget* client);
    void createStatusBars(QWidget* client);
    void createMenus();

    // Load sequence steps (frmmain_load.cpp)
    void sizeAndCentre();
    Result<bool> versionGate();
    Status loadWithOptions();
    Status firstRun();
    // `newMameBuilt`: a new MAME's build ran in this load, whether it ended well or not.
    Status finishLoad(bool newMameBuilt = false);
    // True when the build ended well; a failed build has been shown.
    Result<bool> buildGameData(bool newMame);
    void loadLists();
    void showSplash();
    [[noreturn]] void errFolder(const RuntimeError& error);
    void errOptions(const RuntimeError& error);
    [[noreturn]] void stopAfterSecondFailure(const RuntimeError& error);

    // Shutdown (frmmain_shutdown.cpp)
    void Form_QueryUnload(int unloadMode);
    [[noreturn]] void Form_Unload();

    // Layout (frmmain_layout.cpp)
    void Form_Resize();
    double scaleWidth() const;
    double scaleHeight() const;

    // Views (frmmain_lists.cpp)
    void connectLists();
    void switchToList(ListView& row);
    void listMouseUp(GameView view, Qt::MouseButton button, const QPoint& pos);
    void lvUninstalled_DblClick();

    // Selection display (frmmain_selection.cpp)
    void showSelectedStatus(const ListView& row);
    // LoadAllStatus, LoadInstalledStatus or LoadUninstalledStatus, by the list.
    void loadStatus(GameView view);
    bool gameIsInstalled(const GameRecord& game) const;
    // "This game is not installed.", from Play and from a double click on the Uninstalled list.
    void showNotInstalled();

    // Favorites (frmmain_favorites.cpp)
    void connectFavorites();
    void TestFavorites();
    // The favorites list became empty: its view ends, stored at once, and the user is told.
    // False when options.ini could not store it (the user was told that too).
    bool endFavoritesView(const FavoritesMessage& message);

    // Marquee and icon timers (frmmain_timers.cpp)
    void connectTimers();
    void iconTick();
    // The return from an audit of an Uninstalled game: it ends in the list its zip now says.
    void settleAuditedGame();
    void SetMarquee();

    // Play (frmmain_play.cpp)
    void connectPlay();
    bool writeGameIni(bool playback, bool record);
    void restoreBaseIni();
    bool prepareInputFolder(bool playback, bool record);
    // The controller file that today's MAME would not find in the Ctrlr folder; empty when none.
    QString missingController();

    // Option panel (frmmain_optionpanel.cpp)
    void connectOptionPanel();
    void DefineCombos();
    // cmdRaster_Click or cmdVector_Click.
    void openTypeSettings(SettingsKind kind);
    QString settingsPath(const QString& name) const;
    // Makes "Filename" and "Setting" of a shown rebuilt.txt bold.
    void boldRebuiltHeadings();

    // Report panel (frmmain_reports.cpp)
    void connectReports();
    void showMameIni();

    // Game audit (frmmain_audit.cpp)
    void connectAudit();

    // Verify-all runs and stored reports (frmmain_verify.cpp); `samples` picks the sample
    // sets' report over the ROM sets'.
    void connectVerify();
    void verifyAll(bool samples);
    void showLastReport(bool samples);
    QString reportFile(const char* file) const;
    void enterGeneralReport(const QString& caption, PanelStatus status = PanelStatus::General);
    // The shown verify report: its bad sets made listable, its summary moved to the top.
    void showVerifyReport(bool samples);

    // MAMEDiff and game information (frmmain_diffinfo.cpp)
    void connectDiffInfo();
    // Maintenance panel, Delete ROM and Samples, list export (frmmain_maintenance.cpp)
    void connectMaintenance();
    // What's Changed comparisons (frmmain_whatschanged.cpp); `all` picks All Info over ROMs Info.
    void connectWhatsChanged();
    void runCompare(bool all);
    void showLastWhatsChanged(bool all);
    // Help documents, news and updates (frmmain_help.cpp, frmmain_news.cpp)
    void connectHelp();
    void showHelpDocument(int row);

    AppState& m_state;
    std::array<ListView, 3>& m_views; // fraList's table of its three lists
    QWidget* m_client = nullptr;
    QPushButton* m_defaultButton = nullptr;
    FindMode m_findMode = FindMode::MameIni;
    ExitMode m_exitMode = ExitMode::Exit;
    bool m_restartedAfterOptionsError = false;
    bool m_sessionEnding = false;
    bool m_auditTookGame = false; // the audited game has left the Uninstalled list
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<frmWait> m_wait;
};
