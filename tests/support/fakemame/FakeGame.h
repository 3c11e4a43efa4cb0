// What fakemame knows of one game: enough to write its listing lines and answer the audits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// MAME's two listing layouts: <game> entries with BIOS resources at the end and CR LF lines, or
// today's <machine> entries with BIOS sets among the games, devices after them and LF lines.
enum class ListingLayout { Older, Current };

struct FakeRom {
    std::string name;
    int size = 0;
    std::uint32_t crc = 0;
};

struct FakeDisplay {
    std::string type;       // "raster", "vector", "lcd"
    int rotate = 0;
    int width = 0;          // raster only
    int height = 0;
    std::string refresh;    // as MAME writes it, e.g. "60.606061"
};

struct FakeGame {
    std::string name;
    std::string sourcefile;
    std::string cloneof;    // empty: an original
    std::string romof;      // empty: uses no other set's ROMs
    bool runnable = true;   // false: a BIOS resource, listed after the games
    std::string description;
    std::string year;       // empty: no year line
    std::string manufacturer;
    std::vector<std::pair<std::string, std::string>> biossets; // name, description
    std::vector<FakeRom> roms;
    std::vector<std::string> disks;
    std::vector<std::string> samples;
    std::vector<FakeDisplay> displays;
    std::string status, color, sound, graphic;
    int palettesize = 0;
    // Seeds the lines no audit reads (chips, inputs, dipswitches) of a generated game.
    std::uint64_t detailSeed = 0;
};
