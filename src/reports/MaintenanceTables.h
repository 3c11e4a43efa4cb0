// The folders and the stored reports that the maintenance panel deletes in, one row each.
#pragma once

#include "state/AppState.h"

#include <array>

// One of MAME's per-game folders and the extension of the files it keeps there; where
// `gameFolders`, today's MAME keeps a game's files there in a folder named after the game
// (nvram/<rom>/<device>, snap/<rom>/0000.png).
struct MaintenanceFolder {
    const char* caption;
    QString DirectorySettings::* path;
    const char* extension;
    bool gameFolders;
};

inline constexpr std::array<MaintenanceFolder, 5> kMaintenanceFolders = {{
    {"Cfg", &DirectorySettings::strCfgPath, ".cfg", false},
    {"Nvram", &DirectorySettings::strNvramPath, ".nv", true},
    {"Inp", &DirectorySettings::strInputPath, ".inp", false},
    {"Hi", &DirectorySettings::strHiscorePath, ".hi", false},
    {"Snap", &DirectorySettings::strSnapshotsPath, ".png", true},
}};

// A file of the reports folder, in the order the reports are deleted; `place` is its box's
// position on the panel, which differs for the two What's Changed reports.
struct MaintenanceReport {
    const char* box;
    const char* caption;
    const char* file;
    const char* name; // as the messages name it
    int place;
};

inline constexpr std::array<MaintenanceReport, 9> kMaintenanceReports = {{
    {"chkDeleteROMs", "ROMs Report", "roms.txt", "ROMs report", 0},
    {"chkDeleteSamples", "Samples Report", "samples.txt", "Samples report", 1},
    {"chkDeleteRebuilt", "Rebuild Settings", "rebuilt.txt", "Rebuilt Settings report", 2},
    {"chkDeleteAll", "All Games List", "allgames.txt", "All Games list", 3},
    {"chkDeleteInstalled", "Installed Games List", "installedgames.txt", "Installed Games list", 4},
    {"chkDeleteUninstalled", "Uninstalled Games List", "uninstalledgames.txt", "Uninstalled Games list", 5},
    {"chkDeleteChanges", "Favorite List Changes", "changes.txt", "Favorite List Changes report", 6},
    {"chkDeleteWhatsChangedROMs", "Whats Changed (ROMs Info)", "newroms.txt", "What's Changed (ROMs Info) report", 8},
    {"chkDeleteWhatsChanged", "Whats Changed (All Info)", "whatsnew.txt", "What's Changed (All Info) report", 7},
}};
