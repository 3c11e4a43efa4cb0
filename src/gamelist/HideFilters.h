// The hide options of the game lists: which records the loader drops, and whether any is on.
#pragma once

#include "state/AppState.h"
#include "state/GameRecord.h"

#include <array>

// The eighteen systems known by their driver source files, in the order the loader tests them.
// The older MAME names one file per system; today's names each file with its folder, and some
// systems' games have moved to other files or been split over several.
struct SystemFilter {
    bool ListFilters::* flag;
    const char* source;                 // older layout: the file, with .cpp read as .c
    std::array<const char*, 16> current; // today's layout: "folder/file.cpp", the rest null
};

inline constexpr std::array<SystemFilter, 18> kSystemFilters = {{
    {&ListFilters::blnHideArcadia, "arcadia.c", {"amiga/arsystems.cpp"}},
    {&ListFilters::blnHideBabyPhoenix, "konamigv.c", {"konami/konamigv.cpp"}},
    {&ListFilters::blnHideCassette, "decocass.c", {"dataeast/decocass.cpp"}},
    {&ListFilters::blnHideCrystal, "crystal.c", {"misc/crystal.cpp"}},
    {&ListFilters::blnHideCVS, "cvs.c", {"cvs/cvs.cpp"}},
    {&ListFilters::blnHideHyperNeo, "hng64.c", {"snk/hng64.cpp"}},
    {&ListFilters::blnHideMaxAFlex, "maxaflex.c", {"atari/maxaflex.cpp"}},
    {&ListFilters::blnHideSEGAC2, "segac2.c", {"sega/segac2.cpp", "sega/megatech.cpp", "sega/megaplay.cpp"}},
    {&ListFilters::blnHideMultiCassette, "macs.c", {"seta/macs.cpp"}},
    {&ListFilters::blnHideNeoGeo, "neogeo.c", {"neogeo/neogeo.cpp", "neogeo/neopcb.cpp"}},
    {&ListFilters::blnHideNintendo, "nss.c", {"nintendo/nss.cpp"}},
    {&ListFilters::blnHidePGM, "pgm.c", {"igs/pgm.cpp"}},
    {&ListFilters::blnHidePlayChoice, "playch10.c", {"nintendo/playch10.cpp"}},
    {&ListFilters::blnHideZN, "zn.c", {"sony/zn.cpp"}},
    {&ListFilters::blnHideSTV, "stv.c", {"sega/stv.cpp"}},
    {&ListFilters::blnHideKaneko, "suprnova.c", {"kaneko/suprnova.cpp"}},
    {&ListFilters::blnHideSystemGX, "konamigx.c", {"konami/konamigx.cpp"}},
    {&ListFilters::blnHideMPU4, "mpu4.c",
     {"barcrest/mpu4avan.cpp", "barcrest/mpu4bwb.cpp", "barcrest/mpu4concept.cpp", "barcrest/mpu4crystal.cpp",
      "barcrest/mpu4dealem.cpp", "barcrest/mpu4empire.cpp", "barcrest/mpu4mdm.cpp", "barcrest/mpu4misc.cpp",
      "barcrest/mpu4mod2sw.cpp", "barcrest/mpu4mod4oki.cpp", "barcrest/mpu4mod4yam.cpp", "barcrest/mpu4plasma.cpp",
      "barcrest/mpu4redpoint.cpp", "barcrest/mpu4union.cpp", "barcrest/mpu4unsorted.cpp", "barcrest/mpu4vid.cpp"}},
}};

// Whether the hide options drop the record. The tests run in a fixed order and the first that
// matches decides; every comparison is exact and case-sensitive. A Source with a folder is
// looked up among today's files, one without among the older ones, a ".cpp" file as its ".c" name.
bool IsHidden(const GameRecord& record, const ListFilters& filters);

// CheckFilters' answer: at least one of the twenty-seven hide flags is on. The year limit alone
// does not count.
bool FiltersApplied(const ListFilters& filters);
