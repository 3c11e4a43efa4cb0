// The game audit in the main window: the four MAME runs, the report, and the game of the
// Uninstalled list whose zip turned up.
#include "support/MainWindowFixture.h"

#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "shell/HeaderPanel.h"
#include "support/FakeMame.h"
#include "support/FullDisk.h"
#include "support/ScopedEnv.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include <optional>

#include "support/Files.h"

namespace {

class GameAuditTest : public MainWindowTest {
protected:
    // Each row of a table starts afresh, with fakemame answering from the five games.
    void startCase()
    {
        nextCase();
        m_env.reset();
        m_log.reset();
        m_env.emplace("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(writeListing(fiveGames())));
        m_log.emplace("ZELVANE_FAKEMAME_LOG", QFile::encodeName(m_root + "/runs.log"));
    }
    // The loaded window with "extra" as the additional ROMs folder.
    frmMain& loaded(const std::vector<FixtureGame>& games)
    {
        makeDirs(m_root + "/extra");
        writeGames(games);
        writeOptions("AdditionalROMs=" + QFile::encodeName(m_root + "/extra") + "\r\n");
        return loadShown();
    }
    frmMain& loaded() { return loaded(fiveGames()); }
    QStringList commands() const
    {
        QStringList c;
        for (const FakeMameRun& run : readFakeMameRuns(m_root + "/runs.log"))
            c << run.args.join(' ').section('>', 0, 0).trimmed();
        return c;
    }
    static int rows(QTreeView* lv) { return lv->model()->rowCount(); }
    static QStringList texts(QTreeView* lv)
    {
        QStringList t;
        for (int row = 0; row < rows(lv); ++row)
            t << rowText(lv, row);
        return t;
    }
    static QString rowText(QTreeView* lv, int row) { return lv->model()->index(row, 0).data().toString(); }

    std::optional<ScopedEnv> m_env;
    std::optional<ScopedEnv> m_log;
};

} // namespace

TEST_F(GameAuditTest, AuditsTheSelectedGameAndMovesANewlyFoundOneAtTheReturn)
{
    struct Case {
        const char* name;
        bool uninstalledList;
        int row;
        const char* rom;
        const char* zipFolder; // a zip that appears before the audit; nullptr: none
        bool fromMenu;
        bool found;            // leaves the Uninstalled list and joins the Installed one at the return
    };
    const Case cases[] = {
        {"installed game of the Installed list", false, 1, "pacman", nullptr, false, false},
        {"uninstalled game whose zip appeared in the additional folder", true, 1, "mspacman", "extra", true, true},
        {"uninstalled game still missing", true, 0, "asteroid", nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        frmMain& w = loaded();
        if (c.uninstalledList)
            w.mnuViewUninstalled->trigger();
        else
            w.mnuViewInstalled->trigger();
        QTreeView* lv = w.fraList->currentListView().view;
        selectRow(lv, c.row);
        if (c.zipFolder)
            writeFile(m_root + "/" + c.zipFolder + "/" + c.rom + ".zip", "PK");
        if (c.fromMenu)
            w.mnuFileVerify->trigger();
        else
            w.fraList->cmdVerify->click();

        const QString rom = c.rom;
        EXPECT_EQ(commands(), QStringList({rom + " -verifyroms", rom + " -verifysamples", rom + " -listroms",
                                           rom + " -listsamples"}));
        const QString text = w.fraVerify->txtVerify->Text();
        EXPECT_TRUE(text.startsWith("ROMs\r\n\r\nromset \"" + rom + "\" ")) << text.toStdString();
        EXPECT_TRUE(text.contains("\r\n\r\n\r\nSamples\r\n\r\n")) << text.toStdString();
        for (const char* heading : {"ROMs", "Samples"}) {
            w.fraVerify->txtVerify->setSelStart(w.fraVerify->txtVerify->Find(heading, 0));
            w.fraVerify->txtVerify->setSelLength(int(qstrlen(heading)));
            EXPECT_TRUE(w.fraVerify->txtVerify->SelBold()) << heading;
        }
        for (const char* file : {"temp1.txt", "temp2.txt", "temp3.txt", "temp4.txt"})
            EXPECT_FALSE(QFileInfo::exists(report(file))) << file;
        EXPECT_TRUE(m_boxes.shown().empty());
        EXPECT_EQ(w.fraVerify->title(), "Game Audit");
        EXPECT_EQ(m_state.view.intPanelShown, 1);
        EXPECT_FALSE(w.fraList->isEnabled());
        EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
        EXPECT_TRUE(w.cmdExit->isEnabled());
        EXPECT_FALSE(w.cmdFind->isEnabled());
        EXPECT_EQ(m_state.report.blnGameAudited, c.uninstalledList);

        // The found game is counted out of the Uninstalled list at once ...
        EXPECT_EQ(rows(w.fraList->lvUninstalled), c.found ? 1 : 2);
        EXPECT_EQ(m_state.counts.intUninstalledCount, c.found ? 1 : 2);
        if (c.found) {
            EXPECT_EQ(w.StatusBar[0]->panelText(1), "Total Games: 1");
            EXPECT_EQ(w.StatusBar[0]->panelText(6), "New ROM Found");
        }
        EXPECT_EQ(rows(w.fraList->lvInstalled), 3);

        // ... and into the Installed list at the return; nothing else moves.
        w.fraVerify->cmdGameList->click();
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_EQ(m_state.counts.intInstalledCount, c.found ? 4 : 3);
        ASSERT_EQ(rows(w.fraList->lvInstalled), c.found ? 4 : 3);
        if (c.found) {
            EXPECT_EQ(rowText(w.fraList->lvInstalled, 3), "Ms. Pac-Man");
            EXPECT_EQ(rowText(w.fraList->lvUninstalled, 0), "Asteroids");
        }
        EXPECT_EQ(rows(w.fraList->lvUninstalled), c.found ? 1 : 2);
        EXPECT_FALSE(m_state.report.blnGameAudited);
    }
}

// The Uninstalled list is Asteroids (Atari), then Ms. Pac-Man (Midway), the game audited here: its
// row goes when its zip is found, and the status bar and marquee must not follow the list's
// current row to Asteroids. Its zip may also come or go while the report is shown.
TEST_F(GameAuditTest, NewRomFoundStaysOnTheAuditedGameWhichEndsInOneList)
{
    const struct {
        const char* name;
        bool zipAtAudit;
        bool zipAtReturn;
    } cases[] = {
        {"found and kept", true, true},
        {"found, then gone before the return", true, false},
        {"turned up after the audit", false, true},
        {"never there", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        std::vector<FixtureGame> games = fiveGames();
        games[2].manufacturer = "Midway";
        games[3].manufacturer = "Atari";
        frmMain& w = loaded(games);
        w.mnuViewUninstalled->trigger();
        QTreeView* lv = w.fraList->lvUninstalled;
        ASSERT_EQ(texts(lv), QStringList({"Asteroids", "Ms. Pac-Man"}));
        selectRow(lv, 1);
        const QString zip = m_root + "/extra/mspacman.zip";
        if (c.zipAtAudit)
            writeFile(zip, "PK");
        w.fraList->cmdVerify->click();

        EXPECT_EQ(w.StatusBar[0]->panelText(2), "Ms. Pac-Man");
        EXPECT_EQ(w.StatusBar[0]->panelText(3), "mspacman");
        EXPECT_EQ(w.StatusBar[0]->panelText(6), c.zipAtAudit ? "New ROM Found" : "Not Installed");
        QTest::qWait(600); // the icon timer's time
        EXPECT_EQ(w.header->lblList->text(), "MIDWAY");
        EXPECT_EQ(m_state.view.intUninstalledIndex, 2);

        if (c.zipAtReturn)
            writeFile(zip, "PK");
        else
            QFile::remove(zip);
        w.fraVerify->cmdGameList->click();
        const QStringList installed = texts(w.fraList->lvInstalled);
        const QStringList uninstalled = texts(w.fraList->lvUninstalled);
        EXPECT_EQ(installed.contains("Ms. Pac-Man"), c.zipAtReturn);
        EXPECT_EQ(uninstalled.contains("Ms. Pac-Man"), !c.zipAtReturn);
        EXPECT_EQ(installed.size(), m_state.counts.intInstalledCount);
        EXPECT_EQ(uninstalled.size(), m_state.counts.intUninstalledCount);
        EXPECT_EQ(installed.size() + uninstalled.size(), 5);
        EXPECT_EQ(w.StatusBar[0]->panelText(1), "Total Games: " + QString::number(uninstalled.size()));
        if (!c.zipAtReturn) {
            EXPECT_EQ(lv->currentIndex().data().toString(), "Ms. Pac-Man");
            EXPECT_EQ(w.StatusBar[0]->panelText(2), "Ms. Pac-Man");
            EXPECT_EQ(w.StatusBar[0]->panelText(6), "Not Installed");
        }
    }
}

TEST_F(GameAuditTest, UnreadableOutputIsShownAndThePanelStaysUsable)
{
    startCase();
    frmMain& w = loaded();
    w.mnuViewInstalled->trigger();
    selectRow(w.fraList->lvInstalled, 0);
    // No folder for MAME's output: the interpreter cannot create the files.
    QDir(app() + "/reports").removeRecursively();
    writeFile(app() + "/reports", "a file where the folder was");
    w.fraList->cmdVerify->click();

    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith("Error In cmdVerify_Click: ")) << m_boxes.shown()[0].prompt.toStdString();
    EXPECT_EQ(m_boxes.shown()[0].style, 16);
    EXPECT_EQ(m_state.view.intPanelShown, 1);
    EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
    EXPECT_TRUE(w.cmdExit->isEnabled());
    w.fraVerify->cmdGameList->click();
    EXPECT_EQ(m_state.view.intPanelShown, 0);
    EXPECT_TRUE(w.fraList->isEnabled());
}

// MAME's output that never reached its file is named; the headings alone are no audit.
TEST_F(GameAuditTest, OutputThatCouldNotBeWrittenIsNamed)
{
    for (const bool full : {true, false}) {
        SCOPED_TRACE(full ? "full disk" : "read-only folder");
        startCase();
        frmMain& w = loaded();
        w.mnuViewInstalled->trigger();
        selectRow(w.fraList->lvInstalled, 0);
        SmallFileSystem small(1 << 20);
        if (small.path().isEmpty())
            GTEST_SKIP() << "no tmpfs can be mounted here";
        ASSERT_TRUE(QDir(app()).rename("reports", "reports.away"));
        ASSERT_TRUE(QFile::link(small.path(), app() + "/reports"));
        if (full)
            small.fill();
        else
            ASSERT_TRUE(small.makeReadOnly());
        w.fraList->cmdVerify->click();

        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, QStringLiteral("Error In cmdVerify_Click: ") +
                                                 (full ? "Disk full: " : "Path/File access error: ") +
                                                 app() + "/reports/temp1.txt");
        EXPECT_EQ(w.fraVerify->txtVerify->Text(), "");
        EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
        w.fraVerify->cmdGameList->click();
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        m_window.reset();
    }
}

// Today's MAME writes a bad set's summary, and all it says of a set it does not find, to standard
// error, with LF line ends.
TEST_F(GameAuditTest, ReportHoldsWhatTodaysMameWritesToStandardError)
{
    const struct {
        const char* name;
        bool uninstalledList;
        int row;
        QString romsSection;
    } cases[] = {
        {"bad set", false, 1,
         "ROMs\r\n\r\npacman  : a.1 (4096 bytes) - INCORRECT CHECKSUM:\r\nromset pacman is bad\r\n"
         "1 romsets found, 0 were OK.\r\nThis is the list"},
        {"set not found", true, 0, "ROMs\r\n\r\nromset \"asteroid\" not found!\r\nThis is the list"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        // The five sets in today's layout, each with a ROM for MAME to verify.
        QByteArray xml = "<?xml version=\"1.0\"?>\n<mame build=\"0.251 (unknown)\">\n";
        for (const FixtureGame& g : fiveGames())
            xml += "\t<machine name=\"" + g.rom.toUtf8() + "\" sourcefile=\"misc/misc.cpp\">\n\t\t<description>" +
                   g.game.toUtf8() + "</description>\n\t\t<rom name=\"a.1\" size=\"4096\" crc=\"f36e88ab\"/>\n"
                   "\t</machine>\n";
        writeFile(m_root + "/current.xml", xml + "</mame>\n");
        m_env.reset();
        m_env.emplace("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(m_root + "/current.xml"));
        ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
        ScopedEnv bad("ZELVANE_FAKEMAME_BAD", "pacman");
        ScopedEnv home("HOME", QFile::encodeName(m_root + "/home"));
        m_iniFolder = m_root + "/my ini";
        makeDirs(m_iniFolder);
        frmMain& w = loaded(fromTodaysMame(fiveGames()));
        (c.uninstalledList ? w.mnuViewUninstalled : w.mnuViewInstalled)->trigger();
        selectRow(w.fraList->currentListView().view, c.row);
        w.fraList->cmdVerify->click();
        const QString text = w.fraVerify->txtVerify->Text();
        EXPECT_TRUE(text.startsWith(c.romsSection)) << text.toStdString();
        // Each run names the Ini folder, which MAME reads mame.ini from.
        for (const FakeMameRun& run : readFakeMameRuns(m_root + "/runs.log")) {
            const qsizetype at = run.args.indexOf("-inipath");
            ASSERT_GT(at, 0) << run.args.join(' ').toStdString();
            EXPECT_EQ(run.args.value(at + 1), m_iniFolder);
            EXPECT_TRUE(run.mameIni.has_value());
        }
    }
}
