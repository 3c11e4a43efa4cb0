// Play, Record, Playback and Auto Run in the main window, with fakemame as MAME: what it is
// started with, the mame.ini it finds, and what the window does around it.
#include "support/MainWindowFixture.h"

#include "app/modSubMain.h"
#include "platform/MsgBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <tuple>

#include "support/FakeMame.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/ScopedEnv.h"

namespace {

// The window's hide and show events, in order.
class VisibilityLog : public QObject {
public:
    explicit VisibilityLog(QWidget* w) { w->installEventFilter(this); }
    QList<QEvent::Type> events;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Show)
            events << event->type();
        return false;
    }
};

class Play : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_log.emplace("ZELVANE_FAKEMAME_LOG", QFile::encodeName(m_root + "/runs.log"));
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        m_log.reset();
    }

    // All Games sorted: Asteroids, galaxian, Ms. Pac-Man, Pac-Man, Zaxxon; the third and the
    // first are not installed.
    frmMain& loaded(const QByteArray& options = {})
    {
        writeGames(fiveGames());
        writeOptions(options);
        return loadShown();
    }
    frmMain& pacman(const QByteArray& options = {})
    {
        frmMain& w = loaded(options);
        selectRow(w.fraList->lvAll, 3);
        return w;
    }
    QString settings(const char* file) const { return app() + "/settings/" + file; }
    QString input() const { return m_root + "/inp"; }
    QString mameIniPath() const { return ini() + "/mame.ini"; }
    QByteArray mameIni() const { return readFile(mameIniPath()); }
    std::vector<FakeMameRun> runs() const { return readFakeMameRuns(m_root + "/runs.log"); }
    static QByteArray inputOption(const QString& folder) { return "Input=" + QFile::encodeName(folder) + "\r\n"; }

    // The `boxes`th message shown the last, nothing started, and mame.ini as it was.
    void expectRefusal(const QString& prompt, int style, const QByteArray& ini, size_t boxes = 1)
    {
        ASSERT_EQ(m_boxes.shown().size(), boxes);
        EXPECT_EQ(m_boxes.shown().back().prompt, prompt);
        EXPECT_EQ(m_boxes.shown().back().style, style);
        EXPECT_TRUE(runs().empty());
        EXPECT_EQ(mameIni(), ini);
    }

    std::optional<ScopedEnv> m_log;
};

const QByteArray kOptionPartStart = "#\r\n# CONFIGURATION OPTIONS\r\n#\r\n";

} // namespace

TEST_F(Play, InstalledRasterGameRunsWithTheFullMameIniWhichThenGoesBackToThePathPart)
{
    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=GDI\r\n");
    frmMain& w = pacman();
    VisibilityLog visibility(&w);
    w.fraList->cmdPlay->click();

    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].args, QStringList({"pacman"}));
    EXPECT_EQ(QFileInfo(r[0].cwd).canonicalFilePath(), QFileInfo(mame()).canonicalFilePath());
    ASSERT_TRUE(r[0].mameIni.has_value());
    const QByteArray after = mameIni();
    EXPECT_TRUE(after.startsWith("#\r\n# PATH AND DIRECTORY OPTIONS #\r\n"));
    EXPECT_TRUE(after.endsWith("cheat_file\tcheat.dat\r\n\r\n"));
    EXPECT_EQ(r[0].mameIni->left(after.size()), after);
    EXPECT_TRUE(r[0].mameIni->mid(after.size()).startsWith(kOptionPartStart));
    EXPECT_TRUE(r[0].mameIni->contains("\r\nvideo\tgdi\r\n"));
    EXPECT_TRUE(r[0].mameIni->endsWith("led_mode\tps/2\r\n"));

    EXPECT_EQ(visibility.events, QList<QEvent::Type>({QEvent::Hide, QEvent::Show}));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Tmr[0]->isActive());
    EXPECT_EQ(m_state.settings.strSettingsType, "Raster");
    EXPECT_EQ(m_state.settings.strSettingsFile, settings("raster.cfg"));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(Play, GameOfTodaysMameRunsWithTheOptionsItTakes)
{
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=GDI\r\n[Sound Options]\r\nSound=0\r\n"
                                      "[Performance Options]\r\nFrameSkip=12\r\n");
    // The game played tells which MAME listed it, not the game the list loaded last.
    std::vector<FixtureGame> games = fiveGames();
    games[0].source = QStringLiteral("pacman/pacman.cpp");
    writeGames(games);
    writeOptions();
    frmMain& w = loadShown();
    selectRow(w.fraList->lvAll, 3);
    const QByteArray atRest = mameIni();
    w.fraList->cmdPlay->click();

    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 1u);
    ASSERT_TRUE(r[0].mameIni.has_value());
    EXPECT_TRUE(r[0].refused.isEmpty()) << r[0].refused.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(r[0].mameIni->contains("\r\nvideo\tsoft\r\n"));
    EXPECT_TRUE(r[0].mameIni->contains("\r\nsound\tnone\r\n"));
    EXPECT_FALSE(r[0].mameIni->contains("memcard_directory"));
    EXPECT_EQ(mameIni(), atRest);
}

TEST_F(Play, OtherCommandsReachTheCommandLineWordByWordAndNeverAsShellSyntax)
{
    writeFile(settings("raster.cfg"), "[Miscellaneous]\r\nOther Commands= -Cheat  -snapname x;touch&pwned\r\n");
    frmMain& w = pacman();
    w.Tmr[0]->stop();
    w.fraList->cmdPlay->click();

    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 1u);
    // MAME's option names are case-sensitive: "-Cheat" would stop it.
    EXPECT_EQ(r[0].args, QStringList({"pacman", "-cheat", "-snapname", "x;touch&pwned"}));
    EXPECT_FALSE(QFileInfo::exists(mame() + "/pwned"));
    // A marquee that stood still before the game stands still after it.
    EXPECT_FALSE(w.Tmr[0]->isActive());
}

// A settings file written in another code page: MAME gets the bytes the file holds.
TEST_F(Play, OtherCommandsReachMameAsTheBytesTheSettingsFileHolds)
{
    writeFile(settings("raster.cfg"), "[Miscellaneous]\r\nOther Commands=-snapname caf\xe9 -comment_directory \xc3\xa9t\xe9\r\n");
    const QString log = m_root + "/argv.txt";
    writeFile(mame() + "/mame", "#!/bin/sh\nfor a; do printf '[%s]' \"$a\"; done > '" + QFile::encodeName(log) + "'\n");
    QFile::setPermissions(mame() + "/mame", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    pacman().fraList->cmdPlay->click();
    EXPECT_EQ(readFile(log), "[pacman][-snapname][caf\xe9][-comment_directory][\xc3\xa9t\xe9]");
}

TEST_F(Play, OwnSettingsFileComesBeforeTheTypesFile)
{
    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=GDI\r\n");
    writeFile(settings("pacman.cfg"), "[Video Options]\r\nVideo=DDraw\r\n");
    pacman().fraList->cmdPlay->click();
    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_TRUE(r[0].mameIni->contains("\r\nvideo\tddraw\r\n"));
}

TEST_F(Play, WithoutSettingsTheGameRunsOnThePathPartAndRecordStillReachesMame)
{
    makeDirs(input());
    frmMain& w = pacman(inputOption(input()));
    const QByteArray base = mameIni();
    w.fraList->cmdPlay->click();
    w.chkRecord->setChecked(true);
    w.fraList->cmdPlay->click();

    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].args, QStringList({"pacman"}));
    EXPECT_EQ(*r[0].mameIni, base);
    EXPECT_EQ(*r[1].mameIni, base + "#\r\n# STATE/PLAYBACK OPTIONS\r\n#\r\nrecord\tpacman\r\n");
    EXPECT_TRUE(QFileInfo::exists(input() + "/pacman.inp"));
    EXPECT_EQ(mameIni(), base);
}

TEST_F(Play, RecordCreatesTheInputFolderAndMameWritesTheRecording)
{
    writeFile(settings("raster.cfg"), "");
    frmMain& w = pacman(inputOption(input()));
    w.chkRecord->setChecked(true);
    w.fraList->cmdPlay->click();

    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_TRUE(r[0].mameIni->contains("\r\nrecord\tpacman\r\n"));
    // The folder made for the recording is the one mame.ini names.
    EXPECT_TRUE(r[0].mameIni->contains("\r\ninput_directory\t" + QFile::encodeName(input()) + "\r\n"));
    EXPECT_EQ(readFile(input() + "/pacman.inp"), "fakemame input recording of pacman\r\n");
    EXPECT_FALSE(w.chkRecord->isChecked());
    EXPECT_FALSE(mameIni().contains(kOptionPartStart));
}

TEST_F(Play, RecordWithoutAnInputFolderStartsNothing)
{
    writeFile(settings("raster.cfg"), "");
    frmMain& w = pacman();
    const QByteArray base = mameIni();
    w.chkRecord->setChecked(true);
    w.fraList->cmdPlay->click();
    expectRefusal("Error In cmdPlay_Click: Path not found", 16, base);
}

TEST_F(Play, RecordOverAnExistingRecordingAsksFirst)
{
    writeFile(settings("raster.cfg"), "");
    writeFile(input() + "/pacman.inp", "old");
    frmMain& w = pacman(inputOption(input()));
    const QByteArray base = mameIni();
    m_boxes.answer(MsgAnswer::No);
    w.chkRecord->setChecked(true);
    w.fraList->cmdPlay->click();
    expectRefusal("An .inp file for this game already exists.\rDo you want to overwrite it?", 292, base);
    EXPECT_FALSE(w.chkRecord->isChecked());
    EXPECT_EQ(readFile(input() + "/pacman.inp"), "old");

    m_boxes.answer(MsgAnswer::Yes);
    w.chkRecord->setChecked(true);
    w.fraList->cmdPlay->click();
    ASSERT_EQ(runs().size(), 1u);
    EXPECT_EQ(readFile(input() + "/pacman.inp"), "fakemame input recording of pacman\r\n");
}

TEST_F(Play, PlaybackWithoutARecordingStartsNothing)
{
    writeFile(settings("raster.cfg"), "");
    frmMain& w = pacman(inputOption(input()));
    const QByteArray base = mameIni();
    w.chkPlayback->setChecked(true);
    w.fraList->cmdPlay->click();
    expectRefusal("Cannot find the .inp file for this game.\rYou must record this game first.", 64, base);
    EXPECT_FALSE(w.chkPlayback->isChecked());
}

TEST_F(Play, PlaybackOfARecordingLastsOneGame)
{
    writeFile(settings("raster.cfg"), "");
    writeFile(input() + "/pacman.inp", "recorded");
    frmMain& w = pacman(inputOption(input()));
    w.chkPlayback->setChecked(true);
    w.fraList->cmdPlay->click();
    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_TRUE(r[0].mameIni->contains("\r\nplayback\tpacman\r\n# record\t<NULL> (not set)\r\n"));
    EXPECT_FALSE(w.chkPlayback->isChecked());
}

// Today's MAME records into the file the record line names as it stands; Playback must find
// that file again, and a second Record must see it. It reads the program's mame.ini only from the
// Ini folder its command line names, here neither its own folder nor ~/.mame.
TEST_F(Play, TodaysMameRecordsAndPlaysBackTheGamesInpFile)
{
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    std::vector<FixtureGame> games = fiveGames();
    games[0].source = QStringLiteral("pacman/pacman.cpp");
    for (const bool settingsFile : {true, false}) {
        SCOPED_TRACE(settingsFile ? "with raster.cfg" : "without settings");
        nextCase();
        ScopedEnv home("HOME", QFile::encodeName(m_root + "/home"));
        m_iniFolder = m_root + "/my ini";
        makeDirs(m_iniFolder);
        if (settingsFile)
            writeFile(settings("raster.cfg"), "");
        writeGames(games);
        writeOptions(inputOption(input()));
        frmMain& w = loadShown();
        selectRow(w.fraList->lvAll, 3);
        w.chkRecord->setChecked(true);
        w.fraList->cmdPlay->click();
        EXPECT_EQ(readFile(input() + "/pacman.inp"), "fakemame input recording of pacman\r\n");
        EXPECT_FALSE(QFileInfo::exists(input() + "/pacman"));

        w.chkPlayback->setChecked(true);
        w.fraList->cmdPlay->click();
        w.chkRecord->setChecked(true);
        m_boxes.answer(MsgAnswer::No);
        w.fraList->cmdPlay->click();

        const std::vector<FakeMameRun> r = runs();
        ASSERT_EQ(r.size(), 2u);
        for (const FakeMameRun& run : r) {
            EXPECT_EQ(run.args, QStringList({"pacman", "-inipath", m_iniFolder}));
            ASSERT_TRUE(run.mameIni.has_value());
        }
        EXPECT_TRUE(r[0].mameIni->contains("\r\nrecord\tpacman.inp\r\n"));
        EXPECT_TRUE(r[1].mameIni->contains("\r\nplayback\tpacman.inp\r\n"));
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, "An .inp file for this game already exists.\rDo you want to overwrite it?");
        QFile::remove(m_root + "/runs.log");
    }
}

// When MAME stops the game with an error, its last words on standard error are shown, titled
// with the game, once the window is back and mame.ini is at rest again.
TEST_F(Play, MamesErrorsAreShownAfterTheGameWhenItStopsWithAnError)
{
    const std::tuple<const char*, const char*, QString> cases[] = {
        // Other Commands, MAME's exit code, the box (none when empty)
        {"-ctrlr hotrod", "0", "Fatal error: Could not load controller configuration file hotrod.cfg"},
        {"", "5", "M.A.M.E. stopped with exit code 5."},
        {"", "0", ""},
    };
    for (const auto& [otherCommands, exitCode, shown] : cases) {
        SCOPED_TRACE(shown.toStdString());
        nextCase();
        ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
        ScopedEnv exit("ZELVANE_FAKEMAME_EXIT", exitCode);
        writeFile(settings("raster.cfg"), QByteArray("[Miscellaneous]\r\nOther Commands=") + otherCommands + "\r\n");
        std::vector<FixtureGame> games = fromTodaysMame(fiveGames());
        games[0].game = QStringLiteral("Pac &amp; Pal"); // titled as the lists show it
        writeGames(games);
        writeOptions();
        frmMain& w = loadShown();
        selectRow(w.fraList->lvAll, 3);
        const QByteArray atRest = mameIni();
        m_boxes.onShow([&](const MsgBoxScript::Shown&) {
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(mameIni(), atRest);
        });
        w.fraList->cmdPlay->click();
        m_boxes.onShow({});
        ASSERT_EQ(runs().size(), 1u);
        ASSERT_EQ(m_boxes.shown().size(), shown.isEmpty() ? 0u : 1u);
        if (!shown.isEmpty()) {
            EXPECT_EQ(m_boxes.shown()[0].prompt, shown);
            EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::Critical);
            EXPECT_EQ(m_boxes.shown()[0].title, "Pac & Pal");
        }
    }
}

// Today's MAME stops at once when the chosen controller's file is not in the Ctrlr folder: Play
// names the file and the folder and starts nothing. The older MAME went on without it.
TEST_F(Play, ControllerWithoutItsFileInTheCtrlrFolderIsNamedBeforeMameStarts)
{
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    const QString ctrlr = m_root + "/my ctrlr";
    makeDirs(ctrlr);
    writeFile(settings("raster.cfg"), "[Input Device Options]\r\nController=HotRod\r\n");
    std::vector<FixtureGame> games = fiveGames();
    games[0].source = QStringLiteral("pacman/pacman.cpp");
    writeGames(games);
    writeOptions("Ctrlr=" + QFile::encodeName(ctrlr) + "\r\n" + inputOption(input()));
    frmMain& w = loadShown();
    selectRow(w.fraList->lvAll, 3);
    const QByteArray atRest = mameIni();
    w.fraList->cmdPlay->click();
    expectRefusal("The controller file hotrod.cfg is not in the Ctrlr folder:\r" + ctrlr +
                      "\r\rM.A.M.E. cannot start the game with this controller.  Copy the file there, or choose "
                      "another controller.",
                  MsgStyle::Exclamation, atRest);

    // A game of the older MAME starts as it always did.
    selectRow(w.fraList->lvAll, 4); // Zaxxon
    w.fraList->cmdPlay->click();
    EXPECT_EQ(runs().size(), 1u);
    EXPECT_EQ(m_boxes.shown().size(), 1u);
}

TEST_F(Play, GamesThatAreNotInstalledStartNothingAndLeaveMameIni)
{
    frmMain& w = loaded();
    writeFile(mameIniPath(), "as it was");
    selectRow(w.fraList->lvAll, 0); // Asteroids, not installed
    w.cmdPlay_Click();
    expectRefusal("This game is not installed.", 64, "as it was");
    w.mnuViewUninstalled->trigger();
    w.cmdPlay_Click();
    expectRefusal("This game is not installed.", 64, "as it was", 2);
}

TEST_F(Play, DisabledReportButtonStopsOnceMameIniIsBuilt)
{
    writeFile(settings("raster.cfg"), "");
    frmMain& w = pacman();
    // Disabled only through its parent: the button's own state counts, so the game runs.
    w.cmdFind->parentWidget()->setEnabled(false);
    w.cmdPlay_Click();
    w.cmdFind->parentWidget()->setEnabled(true);
    EXPECT_EQ(runs().size(), 1u);

    w.cmdFind->setEnabled(false);
    w.cmdPlay_Click();
    EXPECT_EQ(runs().size(), 1u);
    EXPECT_TRUE(mameIni().contains(kOptionPartStart));
}

TEST_F(Play, DoubleClickPlaysFromTheAllAndInstalledLists)
{
    frmMain& w = loaded();
    QApplication::setActiveWindow(&w);
    // A double click's first press selects the row, as in a real one.
    const auto doubleClick = [](QTreeView* lv, int row) {
        const QRect rect = lv->visualRect(lv->model()->index(row, 0));
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(lv->viewport(), Qt::LeftButton, {}, rect.center());
    };
    doubleClick(w.fraList->lvAll, 4);
    w.mnuViewInstalled->trigger();
    doubleClick(w.fraList->lvInstalled, 0);
    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].args, QStringList({"zaxxon"}));
    EXPECT_EQ(r[1].args, QStringList({"galaxian"}));
}

TEST_F(Play, RecordAndPlaybackAreNeverTickedTogether)
{
    frmMain& w = pacman();
    w.chkRecord->setChecked(true);
    w.chkPlayback->setChecked(true);
    EXPECT_FALSE(w.chkRecord->isChecked());
    w.chkRecord->setChecked(true);
    EXPECT_FALSE(w.chkPlayback->isChecked());
    w.chkRecord->setChecked(false);
    EXPECT_FALSE(w.chkPlayback->isChecked());
    w.chkPlayback->setChecked(true);
    w.chkPlayback->setChecked(false);
    EXPECT_FALSE(w.chkRecord->isChecked());
}

TEST_F(Play, AutoRunIsSavedAtOnce)
{
    frmMain& w = pacman();
    w.chkAutoRun->setChecked(true);
    EXPECT_TRUE(m_state.prefs.blnAutoRun);
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "AutoRun"), "True");
    w.chkAutoRun->setChecked(false);
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "AutoRun"), "False");
}

TEST_F(Play, StartUpWithAutoRunPlaysTheSelectedGame)
{
    ScopedEnv instance("ZELVANE_INSTANCE", QFile::encodeName(m_root + "/instance"));
    writeGames(fiveGames());
    writeOptions("[View]\r\nAllIndex=4\r\n");
    WriteINI(optionsIni(), "Miscellaneous", "AutoRun", true);
    FlushINI(optionsIni());
    IniService::instance().dropAll();

    Program program;
    Main(program, startup());
    const std::vector<FakeMameRun> r = runs();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].args, QStringList({"pacman"}));
    EXPECT_TRUE(program.mainWindow->chkAutoRun->isChecked());
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "AutoRun"), "True");
    EXPECT_TRUE(program.mainWindow->isVisible());
}

TEST_F(Play, FullDiskLeavesMameIniAndOptionsAsTheyWereAndNamesTheFile)
{
    makeDirs(input());
    struct Case {
        const char* name;
        void (*act)(frmMain&);
        bool options; // the box names options.ini (else mame.ini)
        size_t runs;
    };
    const Case cases[] = {
        // Record without a settings file writes mame.ini before the game: nothing starts.
        {"record", [](frmMain& w) { w.chkRecord->setChecked(true); w.fraList->cmdPlay->click(); }, false, 0},
        // After the game the base file cannot be put back: the game ran all the same.
        {"after the game", [](frmMain& w) { w.fraList->cmdPlay->click(); }, false, 1},
        {"auto run", [](frmMain& w) { w.chkAutoRun->setChecked(true); }, true, 0},
    };
    for (const Case& c : cases) {
        QFile::remove(m_root + "/runs.log");
        IniService::instance().dropAll();
        m_state = AppState();
        m_boxes.clearShown();
        frmMain& w = pacman(inputOption(input()));
        const QByteArray ini = mameIni();
        const QByteArray options = readFile(optionsIni());
        {
            ScopedWriteLimit full(0);
            c.act(w);
        }
        const QString file = c.options ? optionsIni() : mameIniPath();
        ASSERT_EQ(m_boxes.shown().size(), 1u) << c.name;
        EXPECT_EQ(m_boxes.shown()[0].prompt.toStdString(), DiskFullPrompt(file)) << c.name;
        EXPECT_EQ(runs().size(), c.runs) << c.name;
        EXPECT_EQ(mameIni(), ini) << c.name;
        EXPECT_EQ(readFile(optionsIni()), options) << c.name;
        m_window.reset();
    }
}
