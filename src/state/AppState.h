// The program-wide records, owned by the application and handed to the forms by reference.
#pragma once

#include "state/GameRecord.h"

#include <QString>

struct ProgramPaths {
    QString strAppPath;        // the program folder, no trailing separator
    QString strShortAppPath;   // its short form, used inside command lines
    QString strOptionsIni;     // strAppPath + "/settings/options.ini"
};

// The sixteen folders, each held three times: the path, its short form for command lines and
// mame.ini, and a copy taken before the options wizard opens.
struct DirectorySettings {
    QString strMAMEPath, strROMsPath, strAdditionalROMsPath, strSamplesPath, strIniPath, strCfgPath,
        strNvramPath, strMemcardPath, strInputPath, strHiscorePath, strStatePath, strArtworkPath,
        strSnapshotsPath, strDiffPath, strCtrlrPath, strCommentsPath;
    QString strShortMAMEPath, strShortROMsPath, strShortAdditionalROMsPath, strShortSamplesPath,
        strShortIniPath, strShortCfgPath, strShortNvramPath, strShortMemcardPath, strShortInputPath,
        strShortHiscorePath, strShortStatePath, strShortArtworkPath, strShortSnapshotsPath,
        strShortDiffPath, strShortCtrlrPath, strShortCommentsPath;
    QString strTempMAMEPath, strTempROMsPath, strTempAdditionalROMsPath, strTempSamplesPath,
        strTempIniPath, strTempCfgPath, strTempNvramPath, strTempMemcardPath, strTempInputPath,
        strTempHiscorePath, strTempStatePath, strTempArtworkPath, strTempSnapshotsPath,
        strTempDiffPath, strTempCtrlrPath, strTempCommentsPath;
};

struct ListFilters {
    // The nineteen system flags, in the order of options.ini.
    bool blnHideArcadia = false, blnHideBabyPhoenix = false, blnHideCassette = false,
         blnHideCrystal = false, blnHideCVS = false, blnHideHyperNeo = false,
         blnHideMaxAFlex = false, blnHideSEGAC2 = false, blnHideMultiCassette = false,
         blnHideNeoGeo = false, blnHideNintendo = false, blnHidePGM = false,
         blnHidePlayChoice = false, blnHideZN = false, blnHideStandard = false,
         blnHideSTV = false, blnHideKaneko = false, blnHideSystemGX = false, blnHideMPU4 = false;
    bool blnHideClones = false, blnHidePreliminary = false, blnHideVs = false, blnHideYear = false,
         blnHideBootleg = false, blnHideTest = false, blnHideCHD = false, blnHideImperfect = false;
    QString strHideYear; // the year limit used with blnHideYear

    bool operator==(const ListFilters&) const = default;
};

struct ListAppearance {
    bool blnUseStarfield = false;
    qint32 lngBackColor = -2147483643;     // system colour: window background
    qint32 lngFontColor = 16777215;        // white
    QString strFontSize = QStringLiteral("8");
    qint32 lngGradientColor = -2147483632; // system colour: button shadow
};

struct GeneralPreferences {
    bool blnDisableHotKeys = false;
    bool blnCloneShots = false;
    bool blnAutoRun = false;
};

// The three game lists, in the order of the View menu.
enum class GameView { All, Installed, Uninstalled };

// The caption of a list's frame, which options.ini also stores as the view to reopen.
inline const char* GameViewCaption(GameView view)
{
    constexpr std::array<const char*, 3> kCaptions = {"All Games", "Installed Games", "Uninstalled Games"};
    return kCaptions[static_cast<size_t>(view)];
}

// Counts and indexes are 32-bit: lists hold more than 32,767 games.
struct ViewState {
    GameView current = GameView::All; // the list shown; its frame's caption is written from it
    bool blnFavorites = false;
    bool blnScroll = true;
    int intPanelShown = 0;
    QString strGameView = QStringLiteral("All Games"); // as options.ini stores it
    bool blnScreenShots = false;
    qint32 intWindowState = 0;
    qint32 intAllIndex = 1, intAllSortKey = 0, intAllSortOrder = 0;
    qint32 intInstalledIndex = 1, intInstalledSortKey = 0, intInstalledSortOrder = 0;
    qint32 intUninstalledIndex = 1, intUninstalledSortKey = 0, intUninstalledSortOrder = 0;
};

struct ListCounts {
    qint32 intAllCount = 0;
    qint32 intInstalledCount = 0;
    qint32 intUninstalledCount = 0;
};

// The game the lists have selected, as the status bar shows it (panels 2, 3 and 6); empty while
// no game is selected.
struct SelectedGame {
    enum class Install { None, NotInstalled, Installed };
    QString description;
    QString rom;
    Install installed = Install::None;
    bool todaysMame = false; // listed by today's MAME, which keeps files its own way
};

struct StartupState {
    float sngStartTime = 0;  // seconds since midnight
    float sngEndTime = 0;
    bool blnLoading = false;
    bool blnCatver = false;
    bool blnNPlayers = false;
    qint32 intZelvaneVersion = 0;
    bool blnOptionsCancelled = false;
};

struct WebRequest {
    QString strInetMode;
    QString strNewsText;
    QString strLastNews;
};

struct ReportState {
    bool blnCancel = false;
    bool blnGameAudited = false; // a game of the Uninstalled list was audited
};

struct SettingsEdit {
    QString strSettingsFile;
    QString strSettingsType;   // "Raster" or "Vector"
    QString strCompareBase;
    QString strCompareCustom;
    QString strOtherCommands;
    bool blnAtDefaults = false;
    bool blnSettingsFixed = false;
};

struct AppState {
    ProgramPaths paths;
    DirectorySettings dirs;
    ListFilters filters;
    ListAppearance appearance;
    GeneralPreferences prefs;
    ViewState view;
    ListCounts counts;
    StartupState startup;
    WebRequest web;
    ReportState report;
    SettingsEdit settings;
    SelectedGame selected;
    GameRecord game;          // the current game
    QString strRotate;        // the current game's rotation, not stored
    qint32 lngMAMESize = 0;   // size of the MAME program recorded in options.ini
    qint32 lngNewMAMESize = 0;
};
