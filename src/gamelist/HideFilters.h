// The hide options of the game lists: which records the loader drops, and whether any is on.
#pragma once

#include "state/AppState.h"
#include "state/GameRecord.h"

#include <array>

// The eighteen systems known by their driver source file, in the order the loader tests them.
struct SystemFilter {
    bool ListFilters::* flag;
    const char* source; // the record's Source file, without its folder and with .cpp read as .c
};

inline constexpr std::array<SystemFilter, 18> kSystemFilters = {{
    {&ListFilters::blnHideArcadia, "arcadia.c"},
    {&ListFilters::blnHideBabyPhoenix, "konamigv.c"},
    {&ListFilters::blnHideCassette, "decocass.c"},
    {&ListFilters::blnHideCrystal, "crystal.c"},
    {&ListFilters::blnHideCVS, "cvs.c"},
    {&ListFilters::blnHideHyperNeo, "hng64.c"},
    {&ListFilters::blnHideMaxAFlex, "maxaflex.c"},
    {&ListFilters::blnHideSEGAC2, "segac2.c"},
    {&ListFilters::blnHideMultiCassette, "macs.c"},
    {&ListFilters::blnHideNeoGeo, "neogeo.c"},
    {&ListFilters::blnHideNintendo, "nss.c"},
    {&ListFilters::blnHidePGM, "pgm.c"},
    {&ListFilters::blnHidePlayChoice, "playch10.c"},
    {&ListFilters::blnHideZN, "zn.c"},
    {&ListFilters::blnHideSTV, "stv.c"},
    {&ListFilters::blnHideKaneko, "suprnova.c"},
    {&ListFilters::blnHideSystemGX, "konamigx.c"},
    {&ListFilters::blnHideMPU4, "mpu4.c"},
}};

// Whether the hide options drop the record. The tests run in a fixed order and the first that
// matches decides; every comparison is exact and case-sensitive. A Source is compared without its
// folder, a ".cpp" file as its ".c" name.
bool IsHidden(const GameRecord& record, const ListFilters& filters);

// CheckFilters' answer: at least one of the twenty-seven hide flags is on. The year limit alone
// does not count.
bool FiltersApplied(const ListFilters& filters);
