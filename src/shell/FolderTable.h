// The sixteen folders, one row each: their options.ini key, their members in DirectorySettings,
// their box on the options wizard's directories page and their line in mame.ini.
#pragma once

#include "state/AppState.h"

#include <array>

// One folder box of the directories page. The page shows them two to a row, left cell first,
// which is also their tab order.
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

// How a folder's command form enters the path part of mame.ini.
enum class MameIniEntry {
    None,        // no line: the program's own setting
    SearchPath,  // ".;" and the folder: MAME looks in its current folder first
    MoreSearch,  // appended to the search path above with ";", when set and not that same folder
    Folder,      // the folder
    FolderIfSet, // the folder; no line when it is empty
};

// In the order of the Directories section of options.ini, which is also the order of the
// wizard's boxes and of mame.ini's path lines.
struct FolderEntry {
    const char* key;
    QString DirectorySettings::* path;
    QString DirectorySettings::* shortPath;
    QString DirectorySettings::* tempPath;
    FolderBox wizard;
    MameIniEntry mameIni;
    const char* mameIniLine; // the line's name, or nullptr
};

inline constexpr std::array<FolderEntry, 16> kFolders = {{
    {"MAME", &DirectorySettings::strMAMEPath, &DirectorySettings::strShortMAMEPath,
     &DirectorySettings::strTempMAMEPath,
     {"txtMAMEPath", "M.A.M.E.:", "cmdSelectMAME", "M.A.M.E.", nullptr, true, nullptr},
     MameIniEntry::None, nullptr},
    {"ROMs", &DirectorySettings::strROMsPath, &DirectorySettings::strShortROMsPath,
     &DirectorySettings::strTempROMsPath,
     {"txtROMPath", "ROMs:", "cmdSelectROM", "ROMs", "roms", true, "This Is For Your Main ROM Directory"},
     MameIniEntry::SearchPath, "rompath"},
    {"AdditionalROMs", &DirectorySettings::strAdditionalROMsPath, &DirectorySettings::strShortAdditionalROMsPath,
     &DirectorySettings::strTempAdditionalROMsPath,
     {"txtAddROMPath", "Additional ROMs:", "cmdSelectAddROM", "Additional Roms", nullptr, false,
      "This Is For A Second ROM Directory And Is Optional"},
     MameIniEntry::MoreSearch, nullptr},
    {"Samples", &DirectorySettings::strSamplesPath, &DirectorySettings::strShortSamplesPath,
     &DirectorySettings::strTempSamplesPath,
     {"txtSamPath", "Samples:", "cmdSelectSam", "Samples", "samples", true, nullptr},
     MameIniEntry::SearchPath, "samplepath"},
    {"Ini", &DirectorySettings::strIniPath, &DirectorySettings::strShortIniPath, &DirectorySettings::strTempIniPath,
     {"txtINIsPath", "M.A.M.E. INIs:", "cmdSelectINI", "Ini", "", true, nullptr},
     MameIniEntry::SearchPath, "inipath"},
    {"Cfg", &DirectorySettings::strCfgPath, &DirectorySettings::strShortCfgPath, &DirectorySettings::strTempCfgPath,
     {"txtCfgPath", "Cfg:", "cmdSelectCfg", "Cfg", "cfg", true, nullptr},
     MameIniEntry::Folder, "cfg_directory"},
    {"Nvram", &DirectorySettings::strNvramPath, &DirectorySettings::strShortNvramPath,
     &DirectorySettings::strTempNvramPath,
     {"txtNvramPath", "Nvram:", "cmdSelectNvram", "Nvram", "nvram", true, nullptr},
     MameIniEntry::Folder, "nvram_directory"},
    {"Memcard", &DirectorySettings::strMemcardPath, &DirectorySettings::strShortMemcardPath,
     &DirectorySettings::strTempMemcardPath,
     {"txtMemcardPath", "Memcard:", "cmdSelectMemcard", "Memcard", "memcard", true, nullptr},
     MameIniEntry::Folder, "memcard_directory"},
    {"Input", &DirectorySettings::strInputPath, &DirectorySettings::strShortInputPath,
     &DirectorySettings::strTempInputPath,
     {"txtInpPath", "Input:", "cmdSelectInp", "Input", "inp", true, nullptr},
     MameIniEntry::Folder, "input_directory"},
    {"Hiscore", &DirectorySettings::strHiscorePath, &DirectorySettings::strShortHiscorePath,
     &DirectorySettings::strTempHiscorePath,
     {"txtHiPath", "Hiscore:", "cmdSelectHi", "Hiscore", "hi", true, nullptr},
     MameIniEntry::Folder, "hiscore_directory"},
    {"State", &DirectorySettings::strStatePath, &DirectorySettings::strShortStatePath,
     &DirectorySettings::strTempStatePath,
     {"txtStaPath", "State:", "cmdSelectState", "State", "sta", true, nullptr},
     MameIniEntry::Folder, "state_directory"},
    {"Artwork", &DirectorySettings::strArtworkPath, &DirectorySettings::strShortArtworkPath,
     &DirectorySettings::strTempArtworkPath,
     {"txtArtworkPath", "Artwork:", "cmdSelectArtwork", "Artwork", "artwork", true, nullptr},
     MameIniEntry::Folder, "artpath"},
    {"Snapshots", &DirectorySettings::strSnapshotsPath, &DirectorySettings::strShortSnapshotsPath,
     &DirectorySettings::strTempSnapshotsPath,
     {"txtSnapPath", "Snapshots:", "cmdSelectSnap", "Snapshot", "snap", true, nullptr},
     MameIniEntry::Folder, "snapshot_directory"},
    {"Diff", &DirectorySettings::strDiffPath, &DirectorySettings::strShortDiffPath,
     &DirectorySettings::strTempDiffPath,
     {"txtDiffPath", "Diff:", "cmdSelectDiff", "Diff", "diff", true, nullptr},
     MameIniEntry::Folder, "diff_directory"},
    {"Ctrlr", &DirectorySettings::strCtrlrPath, &DirectorySettings::strShortCtrlrPath,
     &DirectorySettings::strTempCtrlrPath,
     {"txtCtrlrPath", "Ctrlr:", "cmdSelectCtrlr", "Ctrlr", "ctrlr", true, nullptr},
     MameIniEntry::Folder, "ctrlrpath"},
    {"Comments", &DirectorySettings::strCommentsPath, &DirectorySettings::strShortCommentsPath,
     &DirectorySettings::strTempCommentsPath,
     {"txtCommentPath", "Comment:", "cmdSelectComment", "Comment", nullptr, false, nullptr},
     MameIniEntry::FolderIfSet, "comment_directory"},
}};
