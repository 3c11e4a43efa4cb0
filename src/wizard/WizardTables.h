// The options wizard's tables: the system list of the preferences page (the folder boxes of the
// directories page are rows of kFolders).
#pragma once

#include "shell/FolderTable.h"
#include "state/AppState.h"

#include <array>

// The system list stays in this order (alphabetical, case and hyphens ignored); an entry's
// position links it to its hide flag.
struct SystemEntry {
    const char* caption;
    bool ListFilters::* flag;
};

inline constexpr std::array<SystemEntry, 19> kSystemList = {{
    {"Hide Arcadia System Games", &ListFilters::blnHideArcadia},
    {"Hide Baby Phoenix/GV System Games", &ListFilters::blnHideBabyPhoenix},
    {"Hide Cassette System Games", &ListFilters::blnHideCassette},
    {"Hide Crystal System Games", &ListFilters::blnHideCrystal},
    {"Hide CVS Games", &ListFilters::blnHideCVS},
    {"Hide Hyper NeoGeo 64 Games", &ListFilters::blnHideHyperNeo},
    {"Hide Max-A-Flex Games", &ListFilters::blnHideMaxAFlex},
    {"Hide Mega-Tech & Mega Play Games", &ListFilters::blnHideSEGAC2},
    {"Hide MPU4 Video Firmware Games", &ListFilters::blnHideMPU4},
    {"Hide Multi Amenity Cassette System Games", &ListFilters::blnHideMultiCassette},
    {"Hide Neo-Geo Games", &ListFilters::blnHideNeoGeo},
    {"Hide Nintendo Super System Games", &ListFilters::blnHideNintendo},
    {"Hide PGM (Polygame Master) System Games", &ListFilters::blnHidePGM},
    {"Hide PlayChoice-10 Games", &ListFilters::blnHidePlayChoice},
    {"Hide PS Arcade 95, PSX, Taito FX1, TPS, ZN1, & ZN2 Games", &ListFilters::blnHideZN},
    {"Hide Standard Games", &ListFilters::blnHideStandard},
    {"Hide ST-V Games", &ListFilters::blnHideSTV},
    {"Hide Super Kaneko Nova System Games", &ListFilters::blnHideKaneko},
    {"Hide System GX Games", &ListFilters::blnHideSystemGX},
}};

// The entries that the "Zelvane Choices" preset checks.
inline constexpr std::array<int, 4> kPresetSystems = {6, 10, 13, 14};

// Positions of folder boxes in kFolders.
inline constexpr int kMameBox = 0;
inline constexpr int kROMsBox = 1;
inline constexpr int kAddROMsBox = 2;
inline constexpr int kIniBox = 4;

// The font sizes offered for the lists.
inline constexpr std::array<const char*, 4> kFontSizes = {"8", "10", "12", "14"};
