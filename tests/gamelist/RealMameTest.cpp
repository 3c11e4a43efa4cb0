// The game data built from the MAME that Debian installs (/usr/games/mame), when it is there:
// one listing run for the whole test, since it writes about 270 MB.
#include "gamelist/GameDataRebuild.h"
#include "gamelist/GameListModel.h"
#include "gamelist/KnownSets.h"
#include "gamelist/ListLoader.h"
#include "options/OptionLists.h"
#include "options/OptionPanel.h"

#include "gamelist/HideFilters.h"
#include "gamelist/RomFolder.h"
#include "platform/CommandLine.h"
#include "platform/LineReader.h"
#include "platform/ToolOutput.h"
#include "shell/ExecCmd.h"
#include "shell/MameCommands.h"
#include "shell/IniFile.h"
#include "state/AppState.h"
#include "wizard/WizardTables.h"

#include <QComboBox>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <utility>
#include <vector>

#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/MsgBoxScript.h"
#include "support/ScopedEnv.h"

namespace {

const QString kMameFolder = QStringLiteral("/usr/games");

// The names of the listing's devices and BIOS sets, read apart from the scan.
struct NotGames {
    QSet<QString> devices, bioses;
};
NotGames notGames(const QString& listing)
{
    NotGames found;
    LineReader reader(listing);
    QByteArrayView line;
    while (reader.next(line)) {
        if (!line.startsWith("\t<machine name=\""))
            continue;
        const QByteArrayView rest = line.sliced(16);
        const QString name = QString::fromLatin1(rest.first(rest.indexOf('"')));
        if (line.contains("isdevice=\"yes\""))
            found.devices.insert(name);
        if (line.contains("isbios=\"yes\""))
            found.bioses.insert(name);
    }
    return found;
}

QStringList romsOf(const GameLists& lists)
{
    QStringList roms;
    for (const ListedGame& g : lists.games)
        roms << g.record[GameColumn::ROM];
    return roms;
}

bool haveMame() { return QFileInfo(kMameFolder + QStringLiteral("/mame")).isExecutable(); }

// The game data is built once for all the tests here: MAME's listing alone takes half a minute.
class RealMame : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!haveMame())
            return;
        s_root = std::make_unique<QTemporaryDir>();
        // MAME reads and creates its settings under HOME: a home of the test's own.
        ScopedEnv home("HOME", QFile::encodeName(s_root->filePath("home")));
        makeDirs(s_root->filePath("home"));
        s_app = s_root->filePath("zel app");
        makeDirs(s_app + "/reports");
        s_boxes = std::make_unique<MsgBoxScript>();
        GameRecord game;
        QString rotate;
        s_failed = RebuildGameData(
            {s_app, s_app, std::nullopt},
            [](const QString& line) { return ExecCmd(line, ShowState::Minimized, kMameFolder); }, game, rotate, nullptr);
        IniService::instance().dropAll();
        AppState state;
        state.paths.strAppPath = s_app;
        state.dirs.strROMsPath = s_root->filePath("roms");
        Result<GameLists> all = LoadLists(state, nullptr);
        if (all.ok())
            s_lists = std::make_unique<GameLists>(std::move(*all));
    }
    static void TearDownTestSuite()
    {
        s_lists.reset();
        s_boxes.reset();
        s_root.reset();
    }
    void SetUp() override
    {
        if (!haveMame())
            GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
        ASSERT_FALSE(s_failed) << s_failed->description.toStdString() << " line " << s_failed->line;
        ASSERT_TRUE(s_lists) << "the game data did not load";
    }

    static inline std::unique_ptr<QTemporaryDir> s_root;
    static inline QString s_app;
    static inline std::unique_ptr<MsgBoxScript> s_boxes;
    static inline Status s_failed;
    static inline std::unique_ptr<GameLists> s_lists;
};

} // namespace

TEST_F(RealMame, BuildsTheGameDataAndListsItsGamesWithoutDevices)
{
    const QString app = s_app;
    const MsgBoxScript& boxes = *s_boxes;
    const GameLists* all = s_lists.get();
    const QStringList roms = romsOf(*all);
    EXPECT_GT(roms.size(), 30000);

    const QString listing = app + "/reports/listxml.txt";
    const auto [devices, bioses] = notGames(listing);
    EXPECT_GT(devices.size(), 1000);
    EXPECT_TRUE(bioses.contains("neogeo"));
    for (const QString& rom : roms) {
        ASSERT_FALSE(devices.contains(rom)) << "a device in the list: " << rom.toStdString();
        ASSERT_FALSE(bioses.contains(rom)) << "a BIOS set in the list: " << rom.toStdString();
    }
    ASSERT_TRUE(roms.contains("mslug"));
    const GameRecord& mslug = all->games[roms.indexOf("mslug")].record;
    EXPECT_EQ(mslug[GameColumn::Source], "neogeo/neogeo.cpp");
    EXPECT_EQ(mslug[GameColumn::RomOf], "neogeo");
    EXPECT_EQ(mslug[GameColumn::Type], "Raster");

    // MAME writes "&" as "&amp;": the game data keeps the text so, the list shows the "&".
    ASSERT_TRUE(roms.contains("asuka"));
    const qint32 asuka = qint32(roms.indexOf("asuka"));
    EXPECT_TRUE(readFile(app + "/reports/gameinfo.txt").contains("\"Asuka &amp; Asuka (World)\",\"1988\""));
    GameListModel shown;
    shown.setRows(all, {asuka});
    EXPECT_EQ(shown.index(0, 0).data().toString(), "Asuka & Asuka (World)");

    // The sets the ROM compare keeps: every game, BIOS set and device, and nothing else.
    const Result<KnownSets> known = KnownSetNames(app);
    ASSERT_TRUE(known.ok()) << known.error().description.toStdString();
    EXPECT_TRUE(known->todaysMame);
    const QSet<QString> knownSets(known->names.begin(), known->names.end());
    EXPECT_EQ(knownSets, QSet<QString>(roms.begin(), roms.end()) + devices + bioses);
    EXPECT_TRUE(knownSets.contains("namco51")); // a device with ROMs of its own

    // The BIOS list's lines: each BIOS set's description, then its biosset lines, two TABs in.
    const QByteArray resources = readFile(app + "/reports/resource.txt");
    EXPECT_TRUE(resources.contains("\t<machine name=\"neogeo\" sourcefile=\"neogeo/neogeo.cpp\" isbios=\"yes\">\r\n"
                                   "\t\t<description>"));
    EXPECT_TRUE(resources.contains("\t\t<biosset name=\"euro\" description=\"Europe MVS (Ver. 2)\"/>\r\n"));
    EXPECT_TRUE(resources.endsWith("\t</machine>\r\n</mame>\r\n"));

    // The option panel's BIOS list offers the Neo-Geo BIOS sets, and nothing of the games that
    // name a BIOS set of their own.
    const Result<QStringList> biosItems = BiosItems(app + "/reports/resource.txt");
    ASSERT_TRUE(biosItems.ok()) << biosItems.error().description.toStdString();
    OptionPanel panel;
    panel.DefineCombos(DefineComboLists(*biosItems, EffectItems(QString())));
    const QComboBox* cboBios = panel.combo("cboBios");
    ASSERT_NE(cboBios, nullptr);
    QStringList offered;
    for (int i = 0; i < cboBios->count(); ++i)
        offered << cboBios->itemText(i);
    EXPECT_EQ(offered.value(0), "Default");
    for (const char* bios : {"Neo-Geo MV-6F: Euro", "Neo-Geo MV-6F: Us", "Neo-Geo MV-6F: Japan",
                             "Neo-Geo MV-6F: Unibios40"})
        EXPECT_TRUE(offered.contains(bios)) << bios;
    EXPECT_TRUE(offered.filter("Metal Slug").isEmpty());

    EXPECT_TRUE(boxes.shown().empty());
}

// What MAME says of a set reaches its file whole when there is room, and is known lost when the
// disk fills up under it: MAME itself ends as usual either way.
TEST(RealMameVerify, OutputOnAFullDiskIsKnownLost)
{
    if (!QFileInfo(kMameFolder + QStringLiteral("/mame")).isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    QTemporaryDir root;
    ScopedEnv home("HOME", QFile::encodeName(root.filePath("home")));
    makeDirs(root.filePath("home"));
    SmallFileSystem small(1 << 20);
    if (small.path().isEmpty())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    MsgBoxScript boxes;
    for (const bool full : {false, true}) {
        SCOPED_TRACE(full ? "full" : "with room");
        const QString output = small.path() + (full ? "/full.txt" : "/room.txt");
        if (full)
            small.fill();
        const int code = ExecCmd(MameSetReportCommand("pong", MameSetReport::VerifyRoms, output), ShowState::Minimized,
                                 kMameFolder);
        const Status failed = ToolOutputWritten("mame pong", code, output);
        if (full) {
            ASSERT_TRUE(failed);
            EXPECT_EQ(failed->description, "Disk full");
        } else {
            EXPECT_FALSE(failed) << failed->description.toStdString();
            EXPECT_TRUE(readFile(output).contains("romsets found")) << readFile(output).toStdString();
        }
    }
}

namespace {

// The BIOS sets that the games of each system run on, read from the listing apart from the
// filter table; MPU4 and CVS have none.
const std::vector<std::pair<bool ListFilters::*, QStringList>>& systemBioses()
{
    using F = ListFilters;
    static const std::vector<std::pair<bool F::*, QStringList>> bioses = {
        {&F::blnHideArcadia, {"ar_bios"}},
        {&F::blnHideBabyPhoenix, {"konamigv"}},
        {&F::blnHideCassette, {"decocass"}},
        {&F::blnHideCrystal, {"crysbios"}},
        {&F::blnHideHyperNeo, {"hng64"}},
        {&F::blnHideMaxAFlex, {"maxaflex"}},
        {&F::blnHideSEGAC2, {"megatech", "megaplay"}},
        {&F::blnHideMultiCassette, {"macsbios"}},
        {&F::blnHideNeoGeo, {"neogeo"}},
        {&F::blnHideNintendo, {"nss"}},
        {&F::blnHidePGM, {"pgm"}},
        {&F::blnHidePlayChoice, {"playch10"}},
        {&F::blnHideZN,
         {"coh1000a", "coh1000c", "coh1000t", "coh1000w", "coh1001l", "coh1002e", "coh1002m", "coh1002v", "coh3002c"}},
        {&F::blnHideSTV, {"stvbios"}},
        {&F::blnHideKaneko, {"skns"}},
        {&F::blnHideSystemGX, {"konamigx"}},
    };
    return bioses;
}

// The set a game's ROM Of chain ends in: a clone names its parent, the parent its BIOS set.
QString romOfRoot(const GameRecord& game, const QHash<QString, const GameRecord*>& byRom)
{
    QString rom = game[GameColumn::RomOf];
    for (int hops = 0; hops < 4; ++hops) {
        const auto parent = byRom.constFind(rom);
        if (parent == byRom.cend() || (**parent)[GameColumn::RomOf].isEmpty())
            break;
        rom = (**parent)[GameColumn::RomOf];
    }
    return rom;
}

} // namespace

// Each of the eighteen system filters hides its system's games (found by their BIOS set, MPU4 by
// its files' names), and Hide Standard hides every other game and none of those. Prints, by
// source file, how many games each filter hides.
TEST_F(RealMame, SystemFiltersHideTheirSystemsAndHideStandardTheRest)
{
    QHash<QString, const GameRecord*> byRom;
    for (const ListedGame& g : s_lists->games)
        byRom.insert(g.record[GameColumn::ROM], &g.record);
    const auto hiddenBy = [](const GameRecord& game, bool ListFilters::* flag) {
        ListFilters filters;
        filters.*flag = true;
        return IsHidden(game, filters);
    };

    std::array<std::map<QString, int>, kSystemFilters.size()> bySource; // in the table's order
    int standard = 0;
    for (const ListedGame& g : s_lists->games) {
        const GameRecord& game = g.record;
        const QString& source = game[GameColumn::Source];
        int systems = 0;
        for (size_t i = 0; i < kSystemFilters.size(); ++i) {
            if (hiddenBy(game, kSystemFilters[i].flag)) {
                ++systems;
                ++bySource[i][source];
            }
        }
        const bool hiddenAsStandard = hiddenBy(game, &ListFilters::blnHideStandard);
        standard += hiddenAsStandard;
        // One filter for every game: a system's, or Hide Standard.
        ASSERT_EQ(systems + (hiddenAsStandard ? 1 : 0), 1) << game[GameColumn::ROM].toStdString() << " " << source.toStdString();

        const QString root = romOfRoot(game, byRom);
        for (const auto& [flag, bioses] : systemBioses()) {
            if (bioses.contains(root)) {
                EXPECT_TRUE(hiddenBy(game, flag)) << game[GameColumn::ROM].toStdString() << " on " << root.toStdString();
            }
        }
        if (source.startsWith("barcrest/mpu4")) {
            EXPECT_TRUE(hiddenBy(game, &ListFilters::blnHideMPU4)) << game[GameColumn::ROM].toStdString();
        }
    }
    // The Arcadia 2001 is a home console, no Arcadia System game.
    ASSERT_TRUE(byRom.contains("arcadia"));
    EXPECT_FALSE(hiddenBy(*byRom["arcadia"], &ListFilters::blnHideArcadia));

    std::cout << "filter | source file | games hidden\n";
    for (const SystemEntry& entry : kSystemList) {
        if (entry.flag == &ListFilters::blnHideStandard) {
            std::cout << entry.caption << " | every other file | " << standard << "\n";
            continue;
        }
        const auto row = std::find_if(kSystemFilters.begin(), kSystemFilters.end(),
                                      [&entry](const SystemFilter& s) { return s.flag == entry.flag; });
        ASSERT_NE(row, kSystemFilters.end()) << entry.caption;
        const auto& counts = bySource[size_t(row - kSystemFilters.begin())];
        int total = 0;
        for (const auto& [source, count] : counts) {
            std::cout << entry.caption << " | " << source.toStdString() << " | " << count << "\n";
            total += count;
        }
        std::cout << entry.caption << " | all | " << total << "\n";
        // Every file a filter names holds games of today's MAME.
        for (const char* file : row->current) {
            if (file) {
                EXPECT_TRUE(counts.count(QString::fromLatin1(file))) << entry.caption << ": no game in " << file;
            }
        }
    }
}

// A zip archive holding one file, stored without compression.
QByteArray storedZip(const QByteArray& name, const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc = ~crc;
    QByteArray zip;
    QDataStream out(&zip, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto header = [&](quint32 signature, bool central) {
        out << signature;
        if (central)
            out << quint16(20);
        out << quint16(20) << quint16(0) << quint16(0) << quint16(0) << quint16(0x21) << crc << quint32(data.size())
            << quint32(data.size()) << quint16(name.size()) << quint16(0);
        if (central)
            out << quint16(0) << quint16(0) << quint16(0) << quint32(0) << quint32(0);
        out.writeRawData(name.constData(), int(name.size()));
    };
    header(0x04034b50, false);
    out.writeRawData(data.constData(), int(data.size()));
    const quint32 centralAt = quint32(zip.size());
    header(0x02014b50, true);
    const quint32 centralSize = quint32(zip.size()) - centralAt;
    out << quint32(0x06054b50) << quint16(0) << quint16(0) << quint16(1) << quint16(1) << centralSize << centralAt
        << quint16(0);
    return zip;
}

// A 7-Zip archive of `file` holding `data`, written by the 7z tool; false when there is none.
bool write7z(const QString& archive, const QString& file, const QByteArray& data)
{
    QTemporaryDir work;
    writeFile(work.filePath(file), data);
    QProcess tool;
    tool.setWorkingDirectory(work.path());
    tool.start(QStringLiteral("7z"), {"a", "-t7z", "-bd", archive, file});
    return tool.waitForFinished(-1) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// MAME finds a set only under the names "<set>.zip" and (today's) "<set>.7z" here; the installed
// test answers the same for files named so and for those in other letter cases, and counts the
// .7z only for a game of today's MAME.
TEST(RealMameZip, InstalledExactlyWhereMameFindsTheSet)
{
    if (!haveMame())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    const bool have7z = !QStandardPaths::findExecutable(QStringLiteral("7z")).isEmpty();
    for (const char* set : {"galaga.zip", "galaga.ZIP", "Galaga.zip", "galaga.7z", "Galaga.7z"}) {
        const bool sevenZip = QByteArray(set).toLower().endsWith(".7z");
        if (sevenZip && !have7z) {
            std::cout << "[  SKIPPED ] " << set << ": no 7z tool (scripts/setup installs p7zip-full)\n";
            continue;
        }
        QTemporaryDir root;
        ScopedEnv home("HOME", QFile::encodeName(root.filePath("home")));
        makeDirs(root.filePath("home"));
        const QString roms = root.filePath("roms");
        makeDirs(roms);
        // An archive MAME can open, holding one of galaga's files with the wrong contents.
        if (sevenZip)
            ASSERT_TRUE(write7z(roms + "/" + set, "gg1_1b.3p", QByteArray(4096, 'x'))) << set;
        else
            writeFile(roms + "/" + set, storedZip("gg1_1b.3p", QByteArray(4096, 'x')));
        const QString output = root.filePath("verify.txt");
        const QString line =
            "mame galaga -rompath " + QuoteArg(roms) + " -verifyroms > " + QuoteArg(output) + " 2>&1";
        ExecCmd(line, ShowState::Minimized, kMameFolder);
        const QByteArray said = readFile(output);
        const bool mameFinds = !said.contains("not found");
        EXPECT_EQ(mameFinds, QByteArray(set) == "galaga.zip" || QByteArray(set) == "galaga.7z")
            << set << ": " << said.left(200).toStdString();

        RomFolder folder(roms);
        EXPECT_EQ(folder.hasSet("galaga", true), mameFinds) << set;
        EXPECT_EQ(RomSetExists(roms, "galaga", true), mameFinds) << set;
        EXPECT_EQ(folder.hasSet("galaga", false), mameFinds && !sevenZip) << set;
    }
}
