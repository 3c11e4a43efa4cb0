// The options wizard's tables: the system list of the preferences page and the folder boxes of
// the directories page.
#pragma once

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

// One folder box of the directories page, in the order of DirectorySettings (kFolders). The
// page shows them two to a row, left cell first, which is also their tab order.
struct FolderBox {
    const char* box;
    const char* label;
    const char* button;
    const char* name;    // the name in browse titles and messages (the MAME box has its own)
    const char* fill;    // what the MAME browse appends when the box is empty: nullptr never,
                         // "" the MAME folder itself
    bool required;
    const char* toolTip; // of the label, or nullptr
};

inline constexpr int kMameBox = 0;
inline constexpr int kROMsBox = 1;
inline constexpr int kAddROMsBox = 2;
inline constexpr int kIniBox = 4;

inline constexpr std::array<FolderBox, 16> kFolderBoxes = {{
    {"txtMAMEPath", "M.A.M.E.:", "cmdSelectMAME", "M.A.M.E.", nullptr, true, nullptr},
    {"txtROMPath", "ROMs:", "cmdSelectROM", "ROMs", "roms", true, "This Is For Your Main ROM Directory"},
    {"txtAddROMPath", "Additional ROMs:", "cmdSelectAddROM", "Additional Roms", nullptr, false,
     "This Is For A Second ROM Directory And Is Optional"},
    {"txtSamPath", "Samples:", "cmdSelectSam", "Samples", "samples", true, nullptr},
    {"txtINIsPath", "M.A.M.E. INIs:", "cmdSelectINI", "Ini", "", true, nullptr},
    {"txtCfgPath", "Cfg:", "cmdSelectCfg", "Cfg", "cfg", true, nullptr},
    {"txtNvramPath", "Nvram:", "cmdSelectNvram", "Nvram", "nvram", true, nullptr},
    {"txtMemcardPath", "Memcard:", "cmdSelectMemcard", "Memcard", "memcard", true, nullptr},
    {"txtInpPath", "Input:", "cmdSelectInp", "Input", "inp", true, nullptr},
    {"txtHiPath", "Hiscore:", "cmdSelectHi", "Hiscore", "hi", true, nullptr},
    {"txtStaPath", "State:", "cmdSelectState", "State", "sta", true, nullptr},
    {"txtArtworkPath", "Artwork:", "cmdSelectArtwork", "Artwork", "artwork", true, nullptr},
    {"txtSnapPath", "Snapshots:", "cmdSelectSnap", "Snapshot", "snap", true, nullptr},
    {"txtDiffPath", "Diff:", "cmdSelectDiff", "Diff", "diff", true, nullptr},
    {"txtCtrlrPath", "Ctrlr:", "cmdSelectCtrlr", "Ctrlr", "ctrlr", true, nullptr},
    {"txtCommentPath", "Comment:", "cmdSelectComment", "Comment", nullptr, false, nullptr},
}};

// The font sizes offered for the lists.
inline constexpr std::array<const char*, 4> kFontSizes = {"8", "10", "12", "14"};
