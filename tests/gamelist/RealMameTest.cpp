// The game data built from the MAME that Debian installs (/usr/games/mame), when it is there:
// one listing run for the whole test, since it writes about 270 MB.
#include "gamelist/GameDataRebuild.h"
#include "gamelist/KnownSets.h"
#include "gamelist/ListLoader.h"
#include "options/OptionLists.h"
#include "options/OptionPanel.h"

#include "platform/LineReader.h"
#include "shell/ExecCmd.h"
#include "shell/IniFile.h"
#include "state/AppState.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"
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

} // namespace

TEST(RealMame, BuildsTheGameDataAndListsItsGamesWithoutDevices)
{
    if (!QFileInfo(kMameFolder + QStringLiteral("/mame")).isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";

    QTemporaryDir root;
    // MAME reads and creates its settings under HOME: a home of the test's own.
    ScopedEnv home("HOME", QFile::encodeName(root.filePath("home")));
    makeDirs(root.filePath("home"));
    const QString app = root.filePath("zel app");
    makeDirs(app + "/reports");
    MsgBoxScript boxes;

    GameRecord game;
    QString rotate;
    const Status failed = RebuildGameData(
        {app, app, std::nullopt}, [](const QString& line) { return ExecCmd(line, ShowState::Minimized, kMameFolder); },
        game, rotate, nullptr);
    ASSERT_FALSE(failed) << failed->description.toStdString() << " line " << failed->line;

    IniService::instance().dropAll();
    AppState state;
    state.paths.strAppPath = app;
    state.dirs.strROMsPath = root.filePath("roms");
    const Result<GameLists> all = LoadLists(state, nullptr);
    ASSERT_TRUE(all.ok()) << all.error().description.toStdString();
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

    // The sets the ROM compare keeps: every game, BIOS set and device, and nothing else.
    const Result<QStringList> known = KnownSetNames(app);
    ASSERT_TRUE(known.ok()) << known.error().description.toStdString();
    const QSet<QString> knownSets(known->begin(), known->end());
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
