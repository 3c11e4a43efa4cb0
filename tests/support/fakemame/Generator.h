// Generated listings: any number of games in MAME's line layout, as large as MAME writes them.
#pragma once

#include "FakeGame.h"
#include "Output.h"

#include <functional>
#include <string_view>
#include <vector>

// Game number `index` (from 0) of a generated listing; an index always gives the same game.
// Every fifth game starts a family: the next two are its clones. Among the games are clones,
// sets using a BIOS's ROMs, disks, samples, two displays, vector and lcd displays, all four
// rotations, the eighteen system drivers, bootlegs, "Vs." titles, unknown years and the two
// test sets, so that every rule of the builder and the loader meets its case.
void generateGame(int index, FakeGame& game);

// The BIOS resources that close every generated listing.
std::vector<FakeGame> generatedResources();

// The sets of a generated listing in its order: the games, and the resources at the end (older
// layout) or among the games, after the first half of them (current layout).
void forEachGeneratedGame(int gameCount, ListingLayout layout, const std::function<void(const FakeGame&)>& visit);

// A whole listing of `gameCount` generated games and the resources; in the current layout the
// devices close it.
void writeGeneratedListing(Output& out, int gameCount, std::string_view version, ListingLayout layout);
