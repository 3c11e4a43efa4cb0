// The main window's load sequence and its shutdown: options.ini read or recreated, the version
// gate, the recovery from a failing load, a new MAME, and the saved view.
#include "support/MainWindowFixture.h"

#include "gamelist/GameListModel.h"
#include "options/MameIni.h"
#include "platform/FileReplacement.h"
#include "platform/StatusPanels.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <gmock/gmock.h>

#include <csignal>

#include "support/FakeMame.h"
#include "support/Files.h"
#include "support/ProgressPaints.h"
#include "support/ScopedEnv.h"

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

bool exists(const QString& path) { return QFileInfo::exists(path); }

} // namespace

TEST_F(MainWindowTest, LoadShowsTheSavedListWithItsSelection)
{
    writeGames(fiveGames());
    struct Case {
        const char* view;
        QByteArray index;
        const char* shown;
        int row;
    };
    const Case cases[] = {
        {"Installed Games", "2", "Installed Games", 1},
        // Any other name opens All Games; an index beyond a list that shrank selects its last game.
        {"Favourite Games", "1", "All Games", 0},
        {"Installed Games", "40", "Installed Games", 2},
    };
    for (const Case& c : cases) {
        writeOptions(QByteArray("[View]\r\nGameView=") + c.view + "\r\nInstalledIndex=" + c.index + "\r\n");
        IniService::instance().dropAll();
        m_state = AppState();
        frmMain& w = load();
        EXPECT_EQ(w.fraList->title(), c.shown) << c.view;
        QTreeView* lv = w.fraList->title() == "All Games" ? w.fraList->lvAll : w.fraList->lvInstalled;
        EXPECT_EQ(lv->currentIndex().row(), c.row) << c.view;
        EXPECT_EQ(m_state.counts.intAllCount, 5);
        EXPECT_FALSE(m_state.startup.blnLoading);
        EXPECT_TRUE(m_boxes.shown().empty());
        EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "ZelvaneVersion"), "4.0.0");
        EXPECT_TRUE(exists(mame() + "/mame.ini"));
        m_window.reset();
    }
}

TEST_F(MainWindowTest, LoadRewritesAMameIniLeftWithAGamesOptionPart)
{
    writeGames(fiveGames());
    writeOptions();
    writeFile(mame() + "/mame.ini", "#\r\n# PATH AND DIRECTORY OPTIONS #\r\n#\r\nrompath\t.;/old\r\n\r\n"
                                    "#\r\n# VIDEO OPTIONS\r\n#\r\nwindow\t1\r\n\r\n");
    load();
    const std::string ini = readFile(mame() + "/mame.ini").toStdString();
    EXPECT_THAT(ini, AllOf(HasSubstr(("rompath\t.;" + roms() + "\r\n").toStdString()), Not(HasSubstr("OPTIONS\r\n#\r\nwindow"))));
    EXPECT_TRUE(MameIniAtRest(m_state.dirs));
}

TEST_F(MainWindowTest, ColumnsWithoutTheirFilesAreHiddenAndTheirSortFallsBack)
{
    writeGames(fiveGames());
    writeFile(app() + "/nplayers.ini", "[NPlayers]\r\npacman=2P alt\r\n");
    writeOptions("[View]\r\nAllSortKey=17\r\nAllSortOrder=1\r\nInstalledSortKey=18\r\nInstalledSortOrder=1\r\n"
                 "UninstalledSortKey=25\r\n");
    frmMain& w = load();

    for (const int c : {14, 15, 16, 17})
        EXPECT_TRUE(w.fraList->lvAll->isColumnHidden(c)) << c;
    EXPECT_FALSE(w.fraList->lvAll->isColumnHidden(18));
    EXPECT_FALSE(w.fraList->lvAll->isColumnHidden(13));
    EXPECT_EQ(m_state.view.intAllSortKey, 0);
    EXPECT_EQ(m_state.view.intAllSortOrder, 0);
    EXPECT_EQ(m_state.view.intInstalledSortKey, 18);
    EXPECT_EQ(m_state.view.intInstalledSortOrder, 1);
    EXPECT_EQ(m_state.view.intUninstalledSortKey, 0);
}

TEST_F(MainWindowTest, MissingGameDataFileRebuildsFromMameWithoutBackups)
{
    writeGames(fiveGames());
    writeOptions();
    QFile::remove(report("crcinfo.txt"));
    writeFile(report("newroms.txt"), "kept");
    qputenv("ZELVANE_FAKEMAME_GAMES", "12");
    const ProgressPaints paints;
    load();
    // The splash is on the screen with each step painted, under the hourglass.
    EXPECT_EQ(paints.shown("frmSplash", "lblMessage"),
              QStringList({"", "Creating listxml.txt...", "Creating crcinfo.txt...", "Creating gameinfo.txt...",
                           "Creating resource.txt...", ""}));
    EXPECT_EQ(paints.shown("frmSplash", "lblCount").last(), "12");
    for (const ProgressPaints::Paint& p : paints.paints) {
        if (p.label != "lblVersion" && !p.text.isEmpty())
            EXPECT_TRUE(p.busy) << p.text.toStdString();
    }
    EXPECT_EQ(m_state.counts.intAllCount, 12);
    EXPECT_TRUE(exists(report("crcinfo.txt")));
    EXPECT_FALSE(exists(report("oldlistxml.txt")));
    EXPECT_TRUE(exists(report("newroms.txt")));
    EXPECT_TRUE(m_boxes.shown().empty());
}

// A folder in resource.txt's place: the game data is built again, and what cannot be put in its
// place is named; the program goes on.
TEST_F(MainWindowTest, UnreadableResourceFileRebuildsAndIsNamed)
{
    writeGames(fiveGames());
    writeOptions();
    QFile::remove(report("resource.txt"));
    makeDirs(report("resource.txt") + "/in the way");
    qputenv("ZELVANE_FAKEMAME_GAMES", "12");
    load();
    EXPECT_EQ(m_state.counts.intAllCount, 12);
    ASSERT_FALSE(m_boxes.shown().empty());
    for (const MsgBoxScript::Shown& box : m_boxes.shown())
        EXPECT_THAT(box.prompt.toStdString(), HasSubstr(report("resource.txt").toStdString()));
    EXPECT_THAT(m_boxes.shown().back().prompt.toStdString(), HasSubstr("Error In DefineCombos: "));
    EXPECT_EQ(m_window->fraDefaults->findChild<QComboBox*>("cboBios")->count(), 1);
}

// Only the replacement's own unfinished files of the files the program replaces go, in the two
// folders it writes: user files of a like name stay.
TEST_F(MainWindowTest, StartRemovesUnfinishedReplacementsOnly)
{
    writeGames(fiveGames());
    writeOptions();
    const QString settings = app() + "/settings/";
    const QString reports = app() + "/reports/";
    // Replacements as a killed program leaves them: open, their temporary files on disk.
    std::vector<std::unique_ptr<FileReplacement>> stopped;
    QStringList gone;
    for (const QString& file : {settings + "options.ini", settings + "raster.cfg", settings + "pacman.cfg",
                                reports + "favorite.txt", reports + "roms.txt"}) {
        stopped.push_back(std::make_unique<FileReplacement>(file));
        ASSERT_FALSE(stopped.back()->open());
        gone << stopped.back()->temporaryPath();
    }
    const QStringList kept = {reports + "favorite.txt.new-2024", reports + "roms.txt.new-bad",
                              settings + "options.ini.new-a1b2c3", settings + "notes.new-abc",
                              m_root + "/roms/pacman.zip" + gone.back().mid(reports.size() + 8)};
    for (const QString& file : kept)
        writeFile(file, "the user's");
    load();
    for (const QString& file : gone)
        EXPECT_FALSE(exists(file)) << file.toStdString();
    for (const QString& file : kept)
        EXPECT_EQ(readFile(file), "the user's") << file.toStdString();
}

TEST_F(MainWindowTest, NewMameDetectedBySizeRebuildsWithBackups)
{
    writeGames(fiveGames());
    writeOptions();
    const QByteArray oldListing = readFile(report("listxml.txt"));
    writeMame(100);
    writeFile(report("whatsnew.txt"), "old comparison");
    qputenv("ZELVANE_FAKEMAME_GAMES", "12");
    load();

    EXPECT_EQ(readFile(report("oldlistxml.txt")), oldListing);
    EXPECT_EQ(m_state.counts.intAllCount, 12);
    EXPECT_FALSE(exists(report("whatsnew.txt")));
    EXPECT_EQ(m_state.lngMAMESize, mameSize());
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "MAMESize"), QString::number(mameSize()));
}

TEST_F(MainWindowTest, NewMameWhoseBuildFailsIsBuiltOncePerStartAndRecordedOnlyOnceBuilt)
{
    // The build's own tests walk the kinds of failure (MAME's error, a full disk); the window
    // treats them all alike.
    const std::vector<FixtureGame> games = fiveGames();
    const QByteArray listing = readFile(writeListing({games.begin(), games.begin() + 3}));
    const QString broken = m_root + "/broken.xml";
    writeGames(games);
    writeOptions();
    writeFile(mame() + "/mame.ini", "");
    const QString storedSize = QString::number(mameSize());
    const QByteArray previousListing = readFile(report("listxml.txt"));
    const QByteArray previousRecords = readFile(report("gameinfo.txt"));
    writeMame(100);
    writeFile(broken, listing.left(listing.indexOf("\t\t<description>galaxian")));
    const QString log = m_root + "/runs.log";
    ScopedEnv logged("ZELVANE_FAKEMAME_LOG", QFile::encodeName(log));
    std::optional<ScopedEnv> answer;
    answer.emplace("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(broken));
    const auto commands = [&log] {
        QStringList runs;
        for (const FakeMameRun& run : readFakeMameRuns(log))
            runs << run.args.join(' ');
        return runs;
    };
    const auto buildErrors = [this] {
        std::vector<std::string> prompts;
        for (const MsgBoxScript::Shown& box : m_boxes.shown())
            if (box.prompt.startsWith("Error In CreateGameInfo: "))
                prompts.push_back(box.prompt.toStdString());
        return prompts;
    };
    const QStringList once = {"-listxml", "-listcrc"};

    // One error and one build; the lists show the previous version's games.
    frmMain& w = load();
    ASSERT_EQ(buildErrors().size(), 1u);
    EXPECT_THAT(buildErrors()[0], HasSubstr("Error In CreateGameInfo: Input past end of file"));
    EXPECT_EQ(commands(), once);
    EXPECT_EQ(m_state.counts.intAllCount, 5);
    EXPECT_EQ(readFile(report("gameinfo.txt")), previousRecords);
    EXPECT_EQ(readFile(report("oldlistxml.txt")), previousListing);
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "MAMESize"), storedSize);

    // A refresh tries once more, and records nothing either.
    w.mnuViewRefresh->trigger();
    EXPECT_EQ(buildErrors().size(), 2u);
    EXPECT_EQ(commands(), once + once);
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "MAMESize"), storedSize);

    // The next start with a MAME that works completes the build; the old copies stay the
    // previous version's.
    m_window.reset();
    answer.emplace("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(m_root + "/listing.xml"));
    IniService::instance().dropAll();
    m_state = AppState();
    load();
    EXPECT_EQ(buildErrors().size(), 2u);
    EXPECT_EQ(commands(), once + once + once);
    EXPECT_EQ(m_state.counts.intAllCount, 3);
    EXPECT_EQ(readFile(report("listxml.txt")), listing);
    EXPECT_EQ(readFile(report("oldlistxml.txt")), previousListing);
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "MAMESize"), QString::number(mameSize()));
}

TEST_F(MainWindowTest, SameMameSizeOrNoStoredSizeRebuildsNothing)
{
    writeGames(fiveGames());
    writeOptions();
    load();
    EXPECT_EQ(m_state.counts.intAllCount, 5);
    EXPECT_FALSE(exists(report("oldlistxml.txt")));

    m_window.reset();
    WriteINI(optionsIni(), "Miscellaneous", "MAMESize", 0);
    FlushINI(optionsIni());
    IniService::instance().dropAll();
    writeMame(300);
    m_state = AppState();
    load();
    EXPECT_EQ(m_state.counts.intAllCount, 5);
    EXPECT_FALSE(exists(report("oldlistxml.txt")));
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "MAMESize"), "0");
}

TEST_F(MainWindowTest, MalformedGameDataEndsWithTheLoadersMessageAndIsRebuiltAtTheNextStart)
{
    writeGames(fiveGames());
    writeOptions();
    writeFile(report("gameinfo.txt"), QByteArray(60 << 20, '\n'));
    shareFolderWithChild();
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(1),
                HasSubstr("MsgBox: Error In LoadLists: Bad record length\rROM: \r\r"
                          "This might mean you are not using the correct version of M.A.M.E.."));
    EXPECT_FALSE(exists(report("gameinfo.txt")));

    qputenv("ZELVANE_FAKEMAME_GAMES", "12");
    frmMain& w = load();
    EXPECT_EQ(m_state.counts.intAllCount, 12);
    EXPECT_EQ(w.fraList->lvAll->model()->rowCount(), 12);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(MainWindowTest, MalformedFavoritesEndWithTheLoadersMessageAndTheNextStartShowsTheGameData)
{
    writeGames(fiveGames());
    writeOptions("[View]\r\nFavorites=True\r\n");
    const QByteArray damaged = "\"Pac-Man\",\"1980\"\r\n\"Zaxxon\"\r\n";
    writeFile(report("favorite.txt"), damaged);
    shareFolderWithChild();
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(1), HasSubstr("MsgBox: Error In LoadLists: Bad record length"));
    EXPECT_EQ(readFile(report("favorite.txt")), damaged);
    EXPECT_EQ(storedOption(optionsIni(), "View", "Favorites"), "False");

    IniService::instance().dropAll();
    frmMain& w = load();
    EXPECT_EQ(m_state.counts.intAllCount, 5);
    EXPECT_FALSE(w.mnuViewFavorites->isChecked());
    EXPECT_EQ(readFile(report("favorite.txt")), damaged);
}

TEST_F(MainWindowTest, Version341PassesTheGate)
{
    writeGames(fiveGames());
    writeOptions({}, "3.4.1");
    load();
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(m_state.startup.intZelvaneVersion, 341);
}

TEST_F(MainWindowTest, OlderVersionDeletesOptionsAndTakesTheFirstRunPath)
{
    writeGames(fiveGames());
    writeOptions({}, "3.4.0");
    shareFolderWithChild();
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0),
                AllOf(HasSubstr("MsgBox: The options.ini file must be recreated with this version of Zelvane."),
                      HasSubstr("Wizard: shown"), Not(HasSubstr("Problem in options.ini"))));
    EXPECT_FALSE(exists(optionsIni()));
}

TEST_F(MainWindowTest, VersionThatIsNoNumberIsAProblemOfTheFile)
{
    writeGames(fiveGames());
    writeOptions({}, "4.x");
    shareFolderWithChild();
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0),
                AllOf(HasSubstr("MsgBox: Problem in options.ini file.  Zelvane will now create a new one."),
                      Not(HasSubstr("must be recreated"))));
}

TEST_F(MainWindowTest, FailingLoadKeepsOptionsAsBackupAndRestartsAsFirstRun)
{
    writeGames(fiveGames());
    writeOptions();
    const QByteArray original = readFile(optionsIni());
    writeFile(optionsIni() + ".bak", "an older backup");
    QFile::remove(mame() + "/mame");
    shareFolderWithChild();
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0),
                AllOf(HasSubstr("MsgBox: Problem in options.ini file.  Zelvane will now create a new one."),
                      HasSubstr("Wizard: shown")));
    EXPECT_FALSE(exists(optionsIni()));
    EXPECT_EQ(readFile(optionsIni() + ".bak"), original);
}

TEST_F(MainWindowTest, RestartAfterAProblemKeepsTheYearLimitReadBeforeIt)
{
    writeGames(fiveGames());
    // The year is read before the colour that fails; the hide flags go back to their defaults.
    writeOptions("[Preferences]\r\nHideYear=True\r\nYear=1985\r\nBackColor=red\r\n");
    m_wizard = [](frmChoose& form) {
        fprintf(stderr, "Year shown: %s, hidden: %d\n", qPrintable(form.cboHideYear->currentText()),
                int(form.chkHideYear->isChecked()));
        form.cmdCancel->click();
    };
    shareFolderWithChild();
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0),
                AllOf(HasSubstr("MsgBox: Problem in options.ini file."), HasSubstr("Year shown: 1985, hidden: 0")));
}

TEST_F(MainWindowTest, CancelledFirstRunWizardEndsAndWritesNothing)
{
    writeGames(fiveGames());
    shareFolderWithChild();
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0), HasSubstr("Wizard: shown"));
    EXPECT_FALSE(exists(optionsIni()));
    EXPECT_FALSE(exists(report("listxml.txt")));
}

TEST_F(MainWindowTest, ClosingSavesTheViewThatTheNextStartReopens)
{
    writeGames(fiveGames());
    writeOptions();
    shareFolderWithChild();
    EXPECT_EXIT(
        {
            frmMain& w = load();
            w.mnuViewInstalled->trigger();
            emit w.fraList->lvInstalled->header()->sectionClicked(1);
            emit w.fraList->lvInstalled->header()->sectionClicked(1);
            w.mnuViewShots->trigger();
            w.close();
        },
        ::testing::ExitedWithCode(0), "");

    EXPECT_EQ(storedOption(optionsIni(), "View", "GameView"), "Installed Games");
    EXPECT_EQ(storedOption(optionsIni(), "View", "ScreenShots"), "True");
    EXPECT_EQ(storedOption(optionsIni(), "View", "Favorites"), "False");
    EXPECT_EQ(storedOption(optionsIni(), "View", "InstalledSortKey"), "1");
    EXPECT_EQ(storedOption(optionsIni(), "View", "InstalledSortOrder"), "1");
    EXPECT_EQ(storedOption(optionsIni(), "View", "Scroll"), "<missing>");

    IniService::instance().dropAll();
    frmMain& again = load();
    EXPECT_EQ(again.fraList->title(), "Installed Games");
    EXPECT_TRUE(again.mnuViewShots->isChecked());
    EXPECT_EQ(again.fraList->lvInstalled->header()->sortIndicatorSection(), 1);
    EXPECT_EQ(again.fraList->lvInstalled->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    // Installed games by year, newest first: Zaxxon 1982, Pac-Man 1980, galaxian 1979.
    EXPECT_EQ(again.fraList->lvInstalled->model()->index(0, 0).data().toString(), "Zaxxon");
}

TEST_F(MainWindowTest, TerminationSavesTheViewOnceAndEnds)
{
    writeGames(fiveGames());
    writeOptions("[View]\r\nGameView=Uninstalled Games\r\n");
    shareFolderWithChild();
    EXPECT_EXIT(
        {
            load();
            std::raise(SIGTERM);
            for (int i = 0; i < 10; ++i)
                QCoreApplication::processEvents();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(storedOption(optionsIni(), "View", "GameView"), "Uninstalled Games");
    EXPECT_EQ(readFile(optionsIni()).count("[View]"), 1);
    EXPECT_EQ(readFile(optionsIni()).count("GameView="), 1);
}

TEST_F(MainWindowTest, TerminationDuringTheLoadLeavesTheSavedViewAlone)
{
    writeGames(fiveGames());
    shareFolderWithChild();
    const auto terminate = [] {
        std::raise(SIGTERM);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
    };
    // During the first-run wizard: no options.ini holding a [View] alone.
    m_wizard = [&](frmChoose&) { terminate(); };
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(exists(optionsIni()));

    // During the rebuild for a new MAME, stopped at its error box: the saved list and sort stay.
    writeOptions("[View]\r\nGameView=Installed Games\r\nInstalledSortKey=1\r\nInstalledSortOrder=1\r\n");
    const QByteArray listing = readFile(writeListing(fiveGames()));
    const QString broken = m_root + "/broken.xml";
    writeFile(broken, listing.left(listing.indexOf("\t\t<description>galaxian")));
    writeMame(100);
    ScopedEnv answer("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(broken));
    m_boxes.onShow([&](const MsgBoxScript::Shown&) { terminate(); });
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(storedOption(optionsIni(), "View", "GameView"), "Installed Games");
    EXPECT_EQ(storedOption(optionsIni(), "View", "InstalledSortKey"), "1");
    EXPECT_EQ(storedOption(optionsIni(), "View", "InstalledSortOrder"), "1");
}

TEST_F(MainWindowTest, ExitReadingCancelOnlyRequestsTheCancel)
{
    writeGames(fiveGames());
    writeOptions();
    frmMain& w = load();
    w.show();
    w.setExitMode(frmMain::ExitMode::Cancel);
    w.cmdExit->click();
    EXPECT_TRUE(m_state.report.blnCancel);
    EXPECT_TRUE(w.isVisible());
}
