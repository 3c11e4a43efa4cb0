#include "Generator.h"

#include <array>
#include <string>

namespace {

// splitmix64: a tiny generator whose stream depends only on its seed.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % std::uint64_t(n)); }
    template <class T, std::size_t N>
    const T& pick(const std::array<T, N>& items) { return items[std::size_t(below(int(N)))]; }

private:
    std::uint64_t m_state;
};

using sv = std::string_view;

constexpr std::array<sv, 18> kSystemDrivers = {
    "arcadia.c", "konamigv.c", "decocass.c", "crystal.c", "cvs.c", "hng64.c",
    "maxaflex.c", "segac2.c", "macs.c", "neogeo.c", "nss.c", "pgm.c",
    "playch10.c", "zn.c", "stv.c", "suprnova.c", "konamigx.c", "mpu4.c"};
constexpr std::array<sv, 16> kStandardDrivers = {
    "pacman.c", "galaxian.c", "cps1.c", "cps2.c", "namcos1.c", "segas16b.c", "taito_f3.c", "system1.c",
    "williams.c", "atarisy1.c", "dkong.c", "m72.c", "tmnt.c", "ddragon.c", "snk.c", "nmk16.c"};

struct Bios {
    sv name, driver, description, manufacturer;
    std::array<std::pair<sv, sv>, 3> sets;
};
constexpr std::array<Bios, 6> kBioses = {{
    {"neogeo", "neogeo.c", "Neo-Geo", "SNK",
     {{{"euro", "Europe MVS (Ver. 2)"}, {"us", "US MVS (Ver. 2?)"}, {"asia", "Asia AES"}}}},
    {"pgm", "pgm.c", "PGM (Polygame Master) System BIOS", "IGS",
     {{{"v1", "PGM BIOS V1"}, {"v2", "PGM BIOS V2"}, {}}}},
    {"stvbios", "stv.c", "ST-V Bios", "Sega",
     {{{"jp", "Japan (bios 1)"}, {"euro", "Europe"}, {"us", "USA"}}}},
    {"playch10", "playch10.c", "PlayChoice-10 BIOS", "Nintendo of America",
     {{{"dual", "Dual Monitor Version"}, {"single", "Single Monitor Version"}, {}}}},
    {"decocass", "decocass.c", "Cassette System", "Data East Corporation",
     {{{"a", "Bios A"}, {"b", "Bios B"}, {}}}},
    {"cvs", "cvs.c", "CVS Bios", "Century Electronics",
     {{{"v1", "Version 1"}, {}, {}}}},
}};

constexpr std::array<sv, 16> kSyllables = {"ba", "ko", "ri", "ta", "me", "zu", "pa", "lo",
                                           "ni", "ge", "sa", "du", "fi", "ho", "ke", "ru"};
constexpr std::array<sv, 16> kTitleFirst = {"Galactic", "Super", "Turbo", "Crystal", "Dragon", "Ninja",
                                            "Space", "Thunder", "Mystic", "Power", "Street", "Sky",
                                            "Iron", "Cosmic", "Neon", "Rapid"};
constexpr std::array<sv, 16> kTitleSecond = {"Warriors", "Blaster", "Racer", "Quest", "Fighter", "Invaders",
                                             "Patrol", "Force", "Legend", "Striker", "Raiders", "Attack",
                                             "Heroes", "Drift", "Kong", "Mania"};
constexpr std::array<sv, 6> kRegions = {" (World)", " (US)", " (Japan)", " (World, set 1)", "", ""};
// The first clone of a family takes one of the first three marks, the second one of the others.
constexpr std::array<sv, 6> kCloneMarks = {" (set 2)", " (bootleg)", " (Japan, rev A)", " (US, older)", " (hack)", " (set 3)"};
constexpr std::array<sv, 12> kMakers = {"Namco", "Sega", "Taito", "Konami", "Capcom", "Irem", "Data East",
                                        "Williams", "Atari", "Nichibutsu", "SNK", "Taito America Corporation (Romstar license)"};
constexpr std::array<int, 10> kRomSizes = {2048, 4096, 8192, 16384, 32768, 65536, 131072, 262144, 524288, 1048576};
constexpr std::array<sv, 6> kRomRegions = {"maincpu", "audiocpu", "gfx1", "gfx2", "proms", "sound1"};
constexpr std::array<sv, 6> kSampleNames = {"fire", "explode", "jump", "coin", "shot", "hit"};
constexpr std::array<std::pair<int, int>, 9> kSizes = {{{288, 224}, {256, 224}, {320, 240}, {384, 224}, {304, 224},
                                                        {224, 256}, {512, 448}, {640, 480}, {240, 224}}};
constexpr std::array<sv, 5> kRefresh = {"60.000000", "60.606061", "59.185606", "57.550645", "53.986550"};
constexpr std::array<int, 9> kPalettes = {2, 16, 32, 256, 512, 1024, 4096, 32768, 65536};
constexpr std::array<sv, 8> kCpus = {"Z80", "M68000", "M6809", "M6502", "I8039", "SH-2", "V30", "HD6309"};
constexpr std::array<sv, 6> kSoundChips = {"AY8910", "YM2151", "YM2610", "SN76496", "Samples", "DAC"};
constexpr std::array<sv, 6> kControls = {"joy8", "joy4", "doublejoy8", "trackball", "paddle", "lightgun"};
constexpr std::array<sv, 10> kDipNames = {"Coinage", "Lives", "Bonus Life", "Difficulty", "Cabinet",
                                          "Flip Screen", "Demo Sounds", "Service Mode", "Allow Continue", "Free Play"};
constexpr std::array<sv, 9> kDipValues = {"1 Coin/1 Credit", "2 Coins/1 Credit", "1 Coin/2 Credits", "Off", "On",
                                          "Upright", "Cocktail", "10000 Points", "Hardest"};

constexpr int kTestTapeIndex = 14; // the two test sets that the loader can hide: originals,
constexpr int kTestSetIndex = 8;   // so that no earlier rule hides them first

bool isClone(int index) { return index % 5 == 1 || index % 5 == 2; }

std::string gameName(int index)
{
    if (index == kTestTapeIndex)
        return "ctsttape";
    if (index == kTestSetIndex)
        return "sentetst";
    std::string name;
    name += kSyllables[std::size_t(index & 15)];
    name += kSyllables[std::size_t((index >> 4) & 15)];
    name += kSyllables[std::size_t((index >> 8) & 15)];
    if (index >= 4096)
        name += std::to_string(index >> 12);
    return name;
}

// A family shares its driver; about one family in three runs on a system driver.
sv driverOf(int original)
{
    Random r(std::uint64_t(original) * 31 + 7);
    return r.below(3) == 0 ? r.pick(kSystemDrivers) : r.pick(kStandardDrivers);
}

std::string titleOf(int original)
{
    std::string title;
    if (original % 37 == 3)
        title = "Vs. ";
    else if (original % 37 == 18)
        title = "VS ";
    title += kTitleFirst[std::size_t(original & 15)];
    title += ' ';
    title += kTitleSecond[std::size_t((original >> 4) & 15)];
    title += ' ';
    title += std::to_string(original / 256 + 1);
    return title;
}

sv biosOf(sv driver)
{
    for (const Bios& b : kBioses)
        if (b.driver == driver)
            return b.name;
    return {};
}

void sha1Text(Random& r, std::string& text)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    text.resize(40);
    for (int part = 0; part < 40; part += 16) {
        std::uint64_t v = r.next();
        for (int i = part; i < part + 16 && i < 40; ++i, v >>= 4)
            text[std::size_t(i)] = kDigits[v & 15];
    }
}

sv driverState(Random& r, int index, int salt)
{
    if ((index + salt) % 9 == 4)
        return "preliminary";
    if ((index + salt) % 7 == 2)
        return "imperfect";
    return r.below(10) == 0 ? "imperfect" : "good";
}

void writeRom(Output& out, const FakeRom& rom, Random& r, sv region, int offset, std::string& sha1, sv bios)
{
    sha1Text(r, sha1);
    out << "\t\t<rom name=\"" << rom.name << '"';
    if (!bios.empty())
        out << " bios=\"" << bios << '"';
    out << " size=\"" << rom.size << "\" crc=\"";
    out.hex(rom.crc, 8) << "\" sha1=\"" << sha1 << "\" region=\"" << region << "\" offset=\"";
    out.hex(std::uint64_t(offset), offset < 0x10000 ? 4 : 6) << "\"/>";
    out.endl();
}

void writeDisplay(Output& out, const FakeDisplay& d, ListingLayout layout)
{
    out << (layout == ListingLayout::Current ? "\t\t<display tag=\"screen\" type=\"" : "\t\t<display type=\"") << d.type
        << "\" rotate=\"" << d.rotate << '"';
    if (d.type != "vector")
        out << " width=\"" << d.width << "\" height=\"" << d.height << '"';
    out << " refresh=\"" << d.refresh << "\" />";
    out.endl();
}

// The lines no audit reads, from the game's own seed.
void writeDetails(Output& out, const FakeGame& g, ListingLayout layout)
{
    Random r(g.detailSeed);
    const int chips = 2 + r.below(4);
    for (int c = 0; c < chips; ++c) {
        const bool cpu = c < chips / 2 + 1;
        out << "\t\t<chip type=\"" << (cpu ? "cpu" : "audio") << "\" name=\""
            << (cpu ? r.pick(kCpus) : r.pick(kSoundChips)) << "\" clock=\"" << (1000000 + r.below(30000000)) << "\"/>";
        out.endl();
    }
    for (const FakeDisplay& d : g.displays)
        writeDisplay(out, d, layout);
    out << "\t\t<sound channels=\"" << (1 + r.below(2)) << "\"/>";
    out.endl();
    out << "\t\t<input players=\"" << (1 + r.below(4)) << "\" buttons=\"" << (1 + r.below(6))
        << "\" coins=\"" << (1 + r.below(4)) << "\">";
    out.endl();
    out << "\t\t\t<control type=\"" << r.pick(kControls) << "\"/>";
    out.endl();
    out << "\t\t</input>";
    out.endl();
    const int switches = 6 + r.below(11);
    for (int s = 0; s < switches; ++s) {
        out << "\t\t<dipswitch name=\"" << r.pick(kDipNames) << "\">";
        out.endl();
        const int values = 2 + r.below(8);
        for (int v = 0; v < values; ++v) {
            out << "\t\t\t<dipvalue name=\"" << r.pick(kDipValues) << '"' << (v == 0 ? " default=\"yes\"" : "") << "/>";
            out.endl();
        }
        out << "\t\t</dipswitch>";
        out.endl();
    }
}

// Today's MAME names a driver file by its folder and its C++ name: "neogeo.c" is "neogeo/neogeo.cpp".
std::string currentSourceFile(const std::string& driver)
{
    const std::string stem = driver.substr(0, driver.rfind('.'));
    return stem + '/' + stem + ".cpp";
}

// The driver line of today's MAME and, after it, a feature line for each part that is not good.
void writeCurrentDriver(Output& out, const FakeGame& g)
{
    out << "\t\t<driver status=\"" << g.status << "\" emulation=\"" << g.status << "\" savestate=\"unsupported\"/>";
    out.endl();
    const std::pair<sv, const std::string*> parts[] = {
        {"palette", &g.color}, {"sound", &g.sound}, {"graphics", &g.graphic}};
    for (const auto& [type, state] : parts) {
        if (*state == "good")
            continue;
        out << "\t\t<feature type=\"" << type << "\" status=\""
            << (*state == "imperfect" ? "imperfect" : "unemulated") << "\"/>";
        out.endl();
    }
}

void writeGameLines(Output& out, const FakeGame& g, ListingLayout layout)
{
    const bool current = layout == ListingLayout::Current;
    // In the older layout the attribute order is the one the builder's fixed offsets expect; a
    // resource puts runnable first, so that its line is told from a game's by the characters
    // after the indent.
    if (current)
        out << "\t<machine name=\"" << g.name << "\" sourcefile=\"" << currentSourceFile(g.sourcefile) << '"'
            << (g.runnable ? "" : " isbios=\"yes\"");
    else if (g.runnable)
        out << "\t<game name=\"" << g.name << "\" sourcefile=\"" << g.sourcefile << '"';
    else
        out << "\t<game runnable=\"no\" name=\"" << g.name << "\" sourcefile=\"" << g.sourcefile << '"';
    if (!g.cloneof.empty())
        out << " cloneof=\"" << g.cloneof << '"';
    if (!g.romof.empty())
        out << " romof=\"" << g.romof << '"';
    out << '>';
    out.endl();
    out << "\t\t<description>" << g.description << "</description>";
    out.endl();
    if (!g.year.empty()) {
        out << "\t\t<year>" << g.year << "</year>";
        out.endl();
    }
    out << "\t\t<manufacturer>" << g.manufacturer << "</manufacturer>";
    out.endl();
    for (std::size_t b = 0; b < g.biossets.size(); ++b) {
        out << "\t\t<biosset name=\"" << g.biossets[b].first << "\" description=\"" << g.biossets[b].second << '"'
            << (b == 0 ? " default=\"yes\"" : "") << "/>";
        out.endl();
    }
    Random r(g.detailSeed ^ 0xA5A5A5A5ull);
    std::string sha1;
    int offset = 0;
    for (std::size_t k = 0; k < g.roms.size(); ++k) {
        const sv bios = g.biossets.empty() ? sv() : sv(g.biossets[k % g.biossets.size()].first);
        writeRom(out, g.roms[k], r, kRomRegions[k * kRomRegions.size() / g.roms.size()], offset, sha1, bios);
        offset += g.roms[k].size;
    }
    for (const std::string& disk : g.disks) {
        sha1Text(r, sha1);
        out << "\t\t<disk name=\"" << disk << "\" sha1=\"" << sha1 << "\" region=\"disks\" index=\"0\"/>";
        out.endl();
    }
    for (const std::string& sample : g.samples) {
        out << "\t\t<sample name=\"" << sample << "\"/>";
        out.endl();
    }
    if (current) {
        writeDetails(out, g, layout);
        writeCurrentDriver(out, g);
    } else if (g.runnable) {
        writeDetails(out, g, layout);
        out << "\t\t<driver status=\"" << g.status << "\" emulation=\"" << g.status << "\" color=\"" << g.color
            << "\" sound=\"" << g.sound << "\" graphic=\"" << g.graphic << "\" savestate=\"unsupported\" palettesize=\""
            << g.palettesize << "\"/>";
        out.endl();
    }
    out << (current ? "\t</machine>" : "\t</game>");
    out.endl();
}

void writeCurrentHead(Output& out, std::string_view version)
{
    static constexpr sv kDocType[] = {
        "<?xml version=\"1.0\"?>",
        "<!DOCTYPE mame [",
        "<!ELEMENT mame (machine+)>",
        "\t<!ATTLIST mame build CDATA #IMPLIED>",
        "\t<!ELEMENT machine (description, year?, manufacturer?, biosset*, rom*, disk*, sample*, chip*, display*, "
        "sound?, input?, dipswitch*, driver?, feature*)>",
        "\t\t<!ATTLIST machine name CDATA #REQUIRED>",
        "\t\t<!ATTLIST machine sourcefile CDATA #IMPLIED>",
        "\t\t<!ATTLIST machine isbios (yes|no) \"no\">",
        "\t\t<!ATTLIST machine isdevice (yes|no) \"no\">",
        "\t\t<!ATTLIST machine runnable (yes|no) \"yes\">",
        "\t\t<!ATTLIST machine cloneof CDATA #IMPLIED>",
        "\t\t<!ATTLIST machine romof CDATA #IMPLIED>",
        "\t\t<!ELEMENT feature EMPTY>",
        "]>",
        "",
    };
    for (sv line : kDocType) {
        out << line;
        out.endl();
    }
    out << "<mame build=\"" << version << " (unknown)\" debug=\"no\" mameconfig=\"10\">";
    out.endl();
}

// Devices close today's listing; they are no sets of their own.
void writeDevices(Output& out)
{
    static constexpr std::pair<sv, sv> kDevices[] = {
        {"z80", "Zilog Z80"}, {"ym2151", "Yamaha YM2151 OPM"}, {"screen", "Video Screen"}};
    for (const auto& [name, description] : kDevices) {
        out << "\t<machine name=\"" << name << "\" sourcefile=\"emu/" << name
            << ".cpp\" isdevice=\"yes\" runnable=\"no\">";
        out.endl();
        out << "\t\t<description>" << description << "</description>";
        out.endl();
        out << "\t</machine>";
        out.endl();
    }
}

void writeHead(Output& out, std::string_view version)
{
    static constexpr sv kDocType[] = {
        "<?xml version=\"1.0\"?>",
        "<!DOCTYPE mame [",
        "<!ELEMENT mame (game+)>",
        "\t<!ATTLIST mame build CDATA #IMPLIED>",
        "\t<!ELEMENT game (description, year?, manufacturer, biosset*, rom*, disk*, sample*, chip*, display*, "
        "sound?, input?, dipswitch*, driver?)>",
        "\t\t<!ATTLIST game name CDATA #REQUIRED>",
        "\t\t<!ATTLIST game sourcefile CDATA #IMPLIED>",
        "\t\t<!ATTLIST game runnable (yes|no) \"yes\">",
        "\t\t<!ATTLIST game cloneof CDATA #IMPLIED>",
        "\t\t<!ATTLIST game romof CDATA #IMPLIED>",
        "\t\t<!ELEMENT description (#PCDATA)>",
        "\t\t<!ELEMENT year (#PCDATA)>",
        "\t\t<!ELEMENT manufacturer (#PCDATA)>",
        "\t\t<!ELEMENT biosset EMPTY>",
        "\t\t<!ELEMENT rom EMPTY>",
        "\t\t<!ELEMENT disk EMPTY>",
        "\t\t<!ELEMENT sample EMPTY>",
        "\t\t<!ELEMENT chip EMPTY>",
        "\t\t<!ELEMENT display EMPTY>",
        "\t\t<!ELEMENT sound EMPTY>",
        "\t\t<!ELEMENT input (control*)>",
        "\t\t<!ELEMENT dipswitch (dipvalue*)>",
        "\t\t<!ELEMENT driver EMPTY>",
        "]>",
        "",
    };
    for (sv line : kDocType) {
        out << line;
        out.endl();
    }
    out << "<mame build=\"" << version << " (fakemame)\">";
    out.endl();
}

} // namespace

void generateGame(int index, FakeGame& g)
{
    const int original = isClone(index) ? index - index % 5 : index;
    Random r(std::uint64_t(index) + 1);
    g.runnable = true;
    g.detailSeed = std::uint64_t(index) * 0x2545F4914F6CDD1Dull + 1;
    g.name = gameName(index);
    g.sourcefile = driverOf(original);
    g.cloneof.clear();
    g.romof.clear();
    if (isClone(index)) {
        g.cloneof = gameName(original);
        g.romof = g.cloneof;
    } else {
        g.romof = biosOf(g.sourcefile);
    }

    g.description = titleOf(original);
    g.description += isClone(index) ? kCloneMarks[std::size_t((index % 5 - 1) * 3 + r.below(3))] : r.pick(kRegions);

    g.year.clear();
    if (index % 23 != 5)
        g.year = index % 29 == 7 ? "198?" : std::to_string(1975 + r.below(32));

    if (index % 19 == 4)
        g.manufacturer = "bootleg";
    else if (index % 19 == 12)
        g.manufacturer = "bootleg (Alpha)";
    else if (index % 61 == 20)
        g.manufacturer = "Bootleg";
    else if (index % 31 == 9)
        g.manufacturer = "Konami &amp; Sega";
    else
        g.manufacturer = r.pick(kMakers);

    g.biossets.clear();
    const int romCount = 10 + r.below(21);
    g.roms.resize(std::size_t(romCount));
    for (int k = 0; k < romCount; ++k) {
        FakeRom& rom = g.roms[std::size_t(k)];
        rom.name.assign(g.name, 0, 4);
        rom.name += '-';
        rom.name += std::to_string(k + 1);
        rom.name += ".ic";
        rom.name += std::to_string(10 + k);
        rom.size = r.pick(kRomSizes);
        rom.crc = std::uint32_t(r.next());
    }
    g.disks.clear();
    if (index % 41 == 9)
        g.disks.push_back(g.name);
    g.samples.clear();
    if (index % 13 == 2)
        for (int s = 0, n = 2 + r.below(4); s < n; ++s)
            g.samples.emplace_back(kSampleNames[std::size_t(s)]);

    // Built apart from the game: a second display may be added, and a reference into the
    // vector would not survive that.
    FakeDisplay d;
    if (index % 11 == 3) {
        d = {"vector", 0, 0, 0, "40.000000"};
    } else {
        const auto size = r.pick(kSizes);
        d = {index % 53 == 8 ? "lcd" : "raster", 0, size.first, size.second, std::string(r.pick(kRefresh))};
    }
    // Every rotation appears; most games stand upright or lie flat.
    static constexpr std::array<int, 8> kRotations = {0, 0, 0, 90, 90, 270, 180, 0};
    d.rotate = kRotations[std::size_t(index & 7)];
    g.displays.assign(1, d);
    if (index % 17 == 6) {
        g.displays.push_back(d);
        g.displays.back().rotate = 0;
    }

    g.status = driverState(r, index, 0);
    g.color = driverState(r, index, 3);
    g.sound = driverState(r, index, 5);
    g.graphic = driverState(r, index, 6);
    g.palettesize = d.type == "vector" ? 0 : r.pick(kPalettes);
}

std::vector<FakeGame> generatedResources()
{
    std::vector<FakeGame> resources;
    std::uint32_t crc = 0x1badb002;
    for (const Bios& b : kBioses) {
        FakeGame g;
        g.runnable = false;
        g.name = b.name;
        g.sourcefile = b.driver;
        g.description = b.description;
        g.year = "1990";
        g.manufacturer = b.manufacturer;
        // Only today's layout writes a BIOS set's driver line.
        g.status = g.color = g.sound = g.graphic = "good";
        g.detailSeed = crc;
        for (const auto& [name, description] : b.sets) {
            if (name.empty())
                continue;
            g.biossets.emplace_back(name, description);
            g.roms.push_back({std::string(b.name) + "-" + std::string(name) + ".bin", 131072, crc});
            crc = crc * 2654435761u + 12345;
        }
        resources.push_back(std::move(g));
    }
    return resources;
}

void forEachGeneratedGame(int gameCount, ListingLayout layout, const std::function<void(const FakeGame&)>& visit)
{
    const int resourcesAfter = layout == ListingLayout::Current ? gameCount / 2 : gameCount;
    FakeGame game;
    for (int i = 0; i <= gameCount; ++i) {
        if (i == resourcesAfter)
            for (const FakeGame& resource : generatedResources())
                visit(resource);
        if (i == gameCount)
            break;
        generateGame(i, game);
        visit(game);
    }
}

void writeGeneratedListing(Output& out, int gameCount, std::string_view version, ListingLayout layout)
{
    if (layout == ListingLayout::Current)
        writeCurrentHead(out, version);
    else
        writeHead(out, version);
    forEachGeneratedGame(gameCount, layout, [&](const FakeGame& game) { writeGameLines(out, game, layout); });
    if (layout == ListingLayout::Current)
        writeDevices(out);
    out << "</mame>";
    out.endl();
}
