#include "gamelist/ListLoader.h"

#include "gamelist/GameRecordFile.h"
#include "gamelist/HideFilters.h"
#include "shell/IniFile.h"
#include "shell/Progress.h"
#include "state/AppState.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/Files.h"

namespace {

struct Game {
    const char* rom;
    const char* description = "Some Game";
    const char* source = "misc.c";
    const char* year = "1985";
    const char* status = "Good";
    const char* manufacturer = "Namco";
    const char* origin = "Original";
    const char* chd = "No";
};

GameRecord recordOf(const Game& g)
{
    GameRecord r;
    r[GameColumn::Game] = g.description;
    r[GameColumn::Year] = g.year;
    r[GameColumn::Status] = g.status;
    r[GameColumn::Palette] = "   256";
    r[GameColumn::Manufacturer] = g.manufacturer;
    r[GameColumn::Type] = "Raster";
    r[GameColumn::Origin] = g.origin;
    r[GameColumn::ROM] = g.rom;
    r[GameColumn::Source] = g.source;
    r[GameColumn::RomOf] = "N/A";
    r[GameColumn::CHD] = g.chd;
    return r;
}

class CountingProgress : public Progress {
public:
    void message(const QString&) override {}
    void count(qint32 games) override { counts.push_back(games); }
    std::vector<qint32> counts;
};

class LoadListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IniService::instance().dropAll();
        m_state.paths.strAppPath = m_dir.path();
        m_state.dirs.strROMsPath = m_dir.filePath("roms");
        makeDirs(m_state.dirs.strROMsPath);
    }
    void TearDown() override { IniService::instance().dropAll(); }

    void writeGames(const std::vector<Game>& games, const char* file = "gameinfo.txt")
    {
        QByteArray bytes;
        for (const Game& g : games)
            bytes += GameRecordLine(recordOf(g));
        writeFile(m_dir.filePath(QStringLiteral("reports/") + file), bytes);
    }

    // The ROM names of the All list, in load order.
    QStringList loadedRoms()
    {
        const Result<GameLists> lists = LoadLists(m_state, nullptr);
        EXPECT_TRUE(lists.ok()) << (lists ? "" : lists.error().description.toStdString());
        QStringList roms;
        if (lists)
            for (const ListedGame& g : lists->games)
                roms << g.record[GameColumn::ROM];
        return roms;
    }

    QTemporaryDir m_dir;
    AppState m_state;
};

} // namespace

TEST_F(LoadListsTest, SplitsKeptGamesIntoInstalledAndUninstalledInLoadOrder)
{
    writeGames({{"alpha"}, {"beta"}, {"gamma"}, {"delta"}});
    writeFile(m_state.dirs.strROMsPath + "/beta.zip", "zip");
    writeFile(m_state.dirs.strROMsPath + "/delta.zip", "zip");
    CountingProgress progress;
    const Result<GameLists> lists = LoadLists(m_state, &progress);
    ASSERT_TRUE(lists.ok());
    ASSERT_EQ(lists->intAllCount(), 4);
    EXPECT_EQ(lists->games[0].record, recordOf({"alpha"}));
    EXPECT_EQ(lists->installed, (std::vector<qint32>{1, 3}));
    EXPECT_EQ(lists->uninstalled, (std::vector<qint32>{0, 2}));
    EXPECT_TRUE(lists->games[1].installed);
    EXPECT_FALSE(lists->games[2].installed);
    EXPECT_EQ(progress.counts, (std::vector<qint32>{1, 2, 3, 4}));
}

TEST_F(LoadListsTest, ZipInEitherRomFolderMakesTheGameInstalled)
{
    m_state.dirs.strAdditionalROMsPath = m_dir.filePath("more roms");
    writeGames({{"inmore"}, {"inroms"}, {"folder"}, {"nowhere"}});
    writeFile(m_state.dirs.strAdditionalROMsPath + "/inmore.zip", "zip");
    writeFile(m_state.dirs.strROMsPath + "/inroms.zip", "zip");
    makeDirs(m_state.dirs.strROMsPath + "/folder.zip"); // a folder is not a zip file
    const Result<GameLists> lists = LoadLists(m_state, nullptr);
    ASSERT_TRUE(lists.ok());
    EXPECT_EQ(lists->installed, (std::vector<qint32>{0, 1}));
    EXPECT_EQ(lists->uninstalled, (std::vector<qint32>{2, 3}));
}

TEST_F(LoadListsTest, ZipTestAnswersAsTheFileSystemDoes)
{
    writeGames({{"upper"}, {"linked"}, {"dirlink"}, {"plain"}, {"dangling"}, {"galaga"}});
    const QString roms = m_state.dirs.strROMsPath;
    writeFile(roms + "/UPPER.ZIP", "zip"); // another name on a case-sensitive file system
    writeFile(roms + "/galaga.ZIP", "zip"); // the same: MAME does not find the set here
    writeFile(m_dir.filePath("elsewhere.zip"), "zip");
    ASSERT_TRUE(QFile::link(m_dir.filePath("elsewhere.zip"), roms + "/linked.zip"));
    ASSERT_TRUE(QFile::link(m_dir.path(), roms + "/dirlink.zip"));
    ASSERT_TRUE(QFile::link(m_dir.filePath("gone.zip"), roms + "/dangling.zip"));
    writeFile(roms + "/plain.ZIP.zip", "zip");
    const Result<GameLists> lists = LoadLists(m_state, nullptr);
    ASSERT_TRUE(lists.ok());
    EXPECT_EQ(lists->installed, std::vector<qint32>{1});
}

TEST_F(LoadListsTest, A7zHoldsTheSetOfTodaysGamesOnlyUnderItsExactName)
{
    m_state.dirs.strAdditionalROMsPath = m_dir.filePath("more");
    const char* today = "namco/galaga.cpp";
    writeGames({{"galaga", "G", today}, {"galaxian", "G", today}, {"older", "G", "older.c"}, {"folder", "G", today},
                {"inmore", "G", today}});
    const QString roms = m_state.dirs.strROMsPath;
    writeFile(roms + "/galaga.7z", "7z");
    writeFile(roms + "/Galaxian.7z", "7z"); // MAME finds no set by another name
    writeFile(roms + "/older.7z", "7z");    // the older MAME opened zips only
    makeDirs(roms + "/folder.7z");
    writeFile(m_state.dirs.strAdditionalROMsPath + "/inmore.7z", "7z");
    const Result<GameLists> lists = LoadLists(m_state, nullptr);
    ASSERT_TRUE(lists.ok());
    EXPECT_EQ(lists->installed, (std::vector<qint32>{0, 4}));
}

TEST_F(LoadListsTest, FavoritesViewLoadsTheFavoritesWithTheSameFilters)
{
    writeGames({{"alpha"}, {"beta"}});
    writeGames({{"fav1"}, {"fav2", "Fav Clone", "misc.c", "1985", "Good", "Namco", "Clone of fav1"}}, "favorite.txt");
    m_state.view.blnFavorites = true;
    m_state.filters.blnHideClones = true;
    EXPECT_EQ(loadedRoms(), QStringList{"fav1"});
}

TEST_F(LoadListsTest, EachHideOptionDropsItsGamesByExactComparisons)
{
    using F = ListFilters;
    const struct {
        std::vector<bool F::*> flags;
        std::vector<Game> games;
        QStringList kept;
    } cases[] = {
        // Only the eighteen systems' games remain; driver files compare exactly.
        {{&F::blnHideStandard},
         {{"a", "A", "arcadia.c"}, {"b", "B", "konamigv.c"}, {"c", "C", "decocass.c"}, {"d", "D", "crystal.c"},
          {"e", "E", "cvs.c"}, {"f", "F", "hng64.c"}, {"g", "G", "maxaflex.c"}, {"h", "H", "segac2.c"},
          {"i", "I", "macs.c"}, {"j", "J", "neogeo.c"}, {"k", "K", "nss.c"}, {"l", "L", "pgm.c"},
          {"m", "M", "playch10.c"}, {"n", "N", "zn.c"}, {"o", "O", "stv.c"}, {"p", "P", "suprnova.c"},
          {"q", "Q", "konamigx.c"}, {"r", "R", "mpu4.c"}, {"std", "Standard", "pacman.c"}, {"case", "Case", "NeoGeo.c"}},
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r"}},
        {{&F::blnHideNeoGeo, &F::blnHideSTV},
         {{"mslug", "Metal Slug", "neogeo.c"}, {"kov", "Knights", "pgm.c"}, {"pac", "Pac", "pacman.c"},
          {"stvgame", "STV", "stv.c"}},
         {"kov", "pac"}},
        {{&F::blnHideClones},
         {{"orig"}, {"clone", "C", "misc.c", "1985", "Good", "Namco", "Clone of orig"}},
         {"orig"}},
        {{&F::blnHidePreliminary, &F::blnHideImperfect},
         {{"prel", "P", "misc.c", "1985", "Preliminary"}, {"imp", "I", "misc.c", "1985", "Imperfect"},
          {"lower", "L", "misc.c", "1985", "imperfect"}},
         {"lower"}},
        // The description, not the ROM name, in any letter case.
        {{&F::blnHideVs},
         {{"vsmario", "Super Mario"}, {"a", "Vs. Tennis"}, {"b", "VS Baseball"}, {"c", "vsx"}, {"d", "Versus"}},
         {"vsmario", "d"}},
        {{&F::blnHideBootleg, &F::blnHideTest, &F::blnHideCHD},
         {{"boot", "G", "m.c", "1985", "Good", "bootleg"}, {"boot2", "G", "m.c", "1985", "Good", "bootleg (Namco)"},
          {"boot3", "G", "m.c", "1985", "Good", "Bootleg"}, {"ctsttape"}, {"sentetst"}, {"sentetst2"},
          {"chd", "G", "m.c", "1985", "Good", "Namco", "Original", "Yes"}},
         {"boot2", "boot3", "sentetst2"}},
    };
    for (const auto& c : cases) {
        m_state.filters = ListFilters();
        for (bool F::* flag : c.flags)
            m_state.filters.*flag = true;
        writeGames(c.games);
        EXPECT_EQ(loadedRoms(), c.kept) << c.games.front().rom;
    }
}

// An older Source is the file alone, a ".cpp" one read as ".c"; today's names its folder too, and
// some systems moved to other files or were split over several.
TEST_F(LoadListsTest, SystemFiltersMatchTheOlderFileOrTodaysFolderAndFile)
{
    using F = ListFilters;
    writeGames({{"older", "O", "neogeo.c"},
                {"current", "C", "neogeo/neogeo.cpp"},
                {"nofolder", "N", "neogeo.cpp"},
                {"pcb", "P", "neogeo/neopcb.cpp"},
                {"deeper", "D", "snk/neogeo/neogeo.cpp"},
                {"oldfolder", "F", "neogeo/neogeo.c"},
                {"segac2", "S", "sega/segac2.cpp"},
                {"megatech", "M", "sega/megatech.cpp"},
                {"oldarcadia", "A", "arcadia.c"},
                {"arsystems", "R", "amiga/arsystems.cpp"},
                {"console", "H", "arcadia/arcadia.cpp"},
                {"mpu4vid", "V", "barcrest/mpu4vid.cpp"},
                {"mpu5", "5", "barcrest/mpu5sw.cpp"},
                {"pacman", "P", "pacman/pacman.cpp"},
                {"other", "X", "neogeo/neogeo.cxx"},
                {"upper", "U", "neogeo/neogeo.CPP"}});
    const QStringList standard = {"deeper", "oldfolder", "console", "mpu5", "pacman", "other", "upper"};
    const struct {
        const char* name;
        std::vector<bool F::*> flags;
        QStringList kept;
    } cases[] = {
        {"Neo-Geo", {&F::blnHideNeoGeo},
         QStringList{"segac2", "megatech", "oldarcadia", "arsystems", "mpu4vid"} + standard},
        {"Arcadia", {&F::blnHideArcadia},
         QStringList{"older", "current", "nofolder", "pcb"} + QStringList{"segac2", "megatech", "mpu4vid"} + standard},
        {"Mega-Tech, MPU4", {&F::blnHideSEGAC2, &F::blnHideMPU4},
         QStringList{"older", "current", "nofolder", "pcb", "oldarcadia", "arsystems"} + standard},
        {"Standard", {&F::blnHideStandard},
         {"older", "current", "nofolder", "pcb", "segac2", "megatech", "oldarcadia", "arsystems", "mpu4vid"}},
        {"all five", {&F::blnHideNeoGeo, &F::blnHideSEGAC2, &F::blnHideArcadia, &F::blnHideMPU4, &F::blnHideStandard},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_state.filters = ListFilters();
        for (bool F::* flag : c.flags)
            m_state.filters.*flag = true;
        QStringList kept = loadedRoms();
        QStringList expected = c.kept;
        kept.sort();
        expected.sort();
        EXPECT_EQ(kept, expected);
    }
}

TEST_F(LoadListsTest, HideYearComparesYearsAsText)
{
    writeGames({{"y1991", "G", "m.c", "1991"}, {"y1990", "G", "m.c", "1990"}, {"unknown", "G", "m.c", "19??"},
                {"y199q", "G", "m.c", "199?"}, {"y1989", "G", "m.c", "1989"}});
    m_state.filters.blnHideYear = true;
    m_state.filters.strHideYear = "1990";
    EXPECT_EQ(loadedRoms(), (QStringList{"y1990", "unknown", "y1989"}));
}

// Today's listing (sources with their folder) writes unknown digits in any place of the year; only
// the wholly unknown years stay, the others compare as text.
TEST_F(LoadListsTest, HideYearKeepsOnlyWhollyUnknownYearsAndComparesTheRestAsText)
{
    writeGames({{"y1991", "G", "m/m.cpp", "1991"}, {"y1990", "G", "m/m.cpp", "1990"},
                {"a19qq", "G", "m/m.cpp", "19??"}, {"aqqqq", "G", "m/m.cpp", "????"},
                {"a20qq", "G", "m/m.cpp", "20??"}, {"a199q", "G", "m/m.cpp", "199?"},
                {"a2qq1", "G", "m/m.cpp", "2??1"}, {"y2001", "G", "m/m.cpp", "2001"},
                {"o20qq", "G", "m.c", "20??"}, {"o19qq", "G", "m.c", "19??"}});
    m_state.filters.blnHideYear = true;
    m_state.filters.strHideYear = "1990";
    EXPECT_EQ(loadedRoms(), (QStringList{"y1990", "a19qq", "aqqqq", "o19qq"}));
}

TEST_F(LoadListsTest, CategoryAndPlayersComeFromTheLookUpFiles)
{
    writeGames({{"pacman"}, {"unknown"}});
    writeFile(m_dir.filePath("catver.ini"), "[Category]\r\nPacMan=Maze\r\n[VerAdded]\r\nunknown=0.30\r\n");
    writeFile(m_dir.filePath("nplayers.ini"), "[NPlayers]\r\npacman=2P alt\r\n");
    Result<GameLists> lists = LoadLists(m_state, nullptr);
    ASSERT_TRUE(lists.ok());
    EXPECT_EQ(lists->games[0].category, "") << "without catver.ini at start-up the column stays empty";
    m_state.startup.blnCatver = true;
    m_state.startup.blnNPlayers = true;
    lists = LoadLists(m_state, nullptr);
    ASSERT_TRUE(lists.ok());
    EXPECT_EQ(lists->games[0].category, "Maze");
    EXPECT_EQ(lists->games[0].players, "2P alt");
    EXPECT_EQ(lists->games[1].category, "Not Found");
    EXPECT_EQ(lists->games[1].players, "Not Found");
}

TEST_F(LoadListsTest, LeavesOnlySourceRomOfAndChdOfTheLastRecord)
{
    writeGames({{"first"}, {"hidden", "H", "hidden.c", "1985", "Good", "Namco", "Original", "Yes"}});
    m_state.filters.blnHideCHD = true;
    m_state.game[GameColumn::RomOf] = "stale";
    ASSERT_EQ(loadedRoms(), QStringList{"first"});
    for (int i = 0; i <= static_cast<int>(GameColumn::ROM); ++i)
        EXPECT_EQ(m_state.game.fields[i], "") << i;
    EXPECT_EQ(m_state.game[GameColumn::Source], "hidden.c");
    EXPECT_EQ(m_state.game[GameColumn::RomOf], "N/A");
    EXPECT_EQ(m_state.game[GameColumn::CHD], "Yes");

    m_state.filters.blnHideCHD = false; // now the last record is kept
    m_state.game = GameRecord();
    ASSERT_EQ(loadedRoms(), (QStringList{"first", "hidden"}));
    EXPECT_EQ(m_state.game[GameColumn::Game], "");
    EXPECT_EQ(m_state.game[GameColumn::Source], "hidden.c");
    EXPECT_EQ(m_state.game[GameColumn::CHD], "Yes");
}

TEST_F(LoadListsTest, CountsPass32767Games)
{
    QByteArray bytes;
    for (int i = 0; i < 33000; ++i) {
        Game g{nullptr};
        const QByteArray rom = "g" + QByteArray::number(i);
        g.rom = rom.constData();
        bytes += GameRecordLine(recordOf(g));
    }
    writeFile(m_dir.filePath("reports/gameinfo.txt"), bytes);
    const Result<GameLists> lists = LoadLists(m_state, nullptr);
    ASSERT_TRUE(lists.ok());
    EXPECT_EQ(lists->intAllCount(), 33000);
    EXPECT_EQ(lists->intUninstalledCount(), 33000);
}

TEST_F(LoadListsTest, RecordCutShortIsFatalWithTheCurrentRom)
{
    QByteArray bytes = GameRecordLine(recordOf({"whole"})) + "\"Half\",\"1990\",\"Good\"\r\n";
    writeFile(m_dir.filePath("reports/gameinfo.txt"), bytes);
    const Result<GameLists> lists = LoadLists(m_state, nullptr);
    ASSERT_FALSE(lists.ok());
    EXPECT_EQ(lists.error().number, 62);
    EXPECT_EQ(LoadListsErrorText(lists.error(), m_state.game[GameColumn::ROM]),
              "Error In LoadLists: Input past end of file\rROM: whole\r\r"
              "This might mean you are not using the correct version of M.A.M.E..");
    EXPECT_EQ(m_state.game[GameColumn::Game], "Half");
}

TEST_F(LoadListsTest, MissingGameDataIsFatal)
{
    makeDirs(m_dir.filePath("reports"));
    const Result<GameLists> lists = LoadLists(m_state, nullptr);
    ASSERT_FALSE(lists.ok());
    EXPECT_EQ(lists.error().description, "File not found");
}

TEST_F(LoadListsTest, MalformedDataIsFatalAndTheNextStartDoesNotMeetItAgain)
{
    const QByteArray good = GameRecordLine(recordOf({"whole"}));
    const QByteArray sixteen = good.left(good.lastIndexOf(",\""));
    struct Case {
        const char* what;
        QByteArray bytes;
        int number;
    };
    // The reader's own tests walk the kinds of damage; here two stand for them all.
    const Case cases[] = {
        {"fields split over lines", good + sixteen + "\r\n\"No\"\r\n", 59},
        {"line feeds only", QByteArray(1 << 16, '\n'), 59},
    };
    const QString settings = m_dir.filePath("settings");
    makeDirs(settings);
    m_state.paths.strOptionsIni = settings + "/options.ini";
    for (const char* file : {"gameinfo.txt", "favorite.txt"}) {
        const bool favorites = file == std::string_view("favorite.txt");
        const QString path = m_dir.filePath(QStringLiteral("reports/") + file);
        for (const Case& c : cases) {
            const std::string what = std::string(file) + ": " + c.what;
            writeFile(path, c.bytes);
            m_state.view.blnFavorites = favorites;
            const Result<GameLists> lists = LoadLists(m_state, nullptr);
            ASSERT_FALSE(lists.ok()) << what;
            EXPECT_EQ(lists.error().number, c.number) << what;
            // The game data is built anew at the next start; the user's favorites stay as they
            // are, and the next start shows the game data in their place.
            EXPECT_EQ(QFile::exists(path), favorites) << what;
            if (favorites) {
                EXPECT_EQ(readFile(path), c.bytes) << what;
            }
            EXPECT_FALSE(m_state.view.blnFavorites) << what;
            FlushINI(m_state.paths.strOptionsIni);
            EXPECT_EQ(readFile(m_state.paths.strOptionsIni).contains("Favorites=False"), favorites) << what;
            QFile::remove(m_state.paths.strOptionsIni);
            IniService::instance().dropAll();
        }
    }
}

// A first build that failed leaves an empty gameinfo.txt: the window must still open, so that
// the user can mend the MAME folder.
TEST_F(LoadListsTest, EmptyGameDataAndAnEmptyFavoritesListAreEmptyLists)
{
    writeFile(m_dir.filePath("reports/gameinfo.txt"), "");
    EXPECT_TRUE(loadedRoms().isEmpty());
    EXPECT_TRUE(QFile::exists(m_dir.filePath("reports/gameinfo.txt")));

    writeFile(m_dir.filePath("reports/favorite.txt"), "");
    m_state.view.blnFavorites = true;
    EXPECT_TRUE(loadedRoms().isEmpty());
    EXPECT_TRUE(m_state.view.blnFavorites);
}

TEST(FiltersApplied, AnyOfTheTwentySevenFlagsButNotTheYearLimit)
{
    ListFilters filters;
    filters.strHideYear = "1990";
    EXPECT_FALSE(FiltersApplied(filters));
    const std::vector<bool ListFilters::*> flags = {
        &ListFilters::blnHideArcadia, &ListFilters::blnHideBabyPhoenix, &ListFilters::blnHideCassette,
        &ListFilters::blnHideCrystal, &ListFilters::blnHideCVS, &ListFilters::blnHideHyperNeo,
        &ListFilters::blnHideMaxAFlex, &ListFilters::blnHideSEGAC2, &ListFilters::blnHideMultiCassette,
        &ListFilters::blnHideNeoGeo, &ListFilters::blnHideNintendo, &ListFilters::blnHidePGM,
        &ListFilters::blnHidePlayChoice, &ListFilters::blnHideZN, &ListFilters::blnHideStandard,
        &ListFilters::blnHideSTV, &ListFilters::blnHideKaneko, &ListFilters::blnHideSystemGX,
        &ListFilters::blnHideMPU4, &ListFilters::blnHideClones, &ListFilters::blnHidePreliminary,
        &ListFilters::blnHideVs, &ListFilters::blnHideYear, &ListFilters::blnHideBootleg,
        &ListFilters::blnHideTest, &ListFilters::blnHideCHD, &ListFilters::blnHideImperfect};
    ASSERT_EQ(flags.size(), 27u);
    for (bool ListFilters::* flag : flags) {
        ListFilters one;
        one.*flag = true;
        EXPECT_TRUE(FiltersApplied(one));
    }
}
