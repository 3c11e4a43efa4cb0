// MAMEDiff reports and game information in the main window; fakemamediff stands in for the tool.
#include "support/MainWindowFixture.h"

#include "platform/FileNames.h"
#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "reports/MameDiffLog.h"
#include "support/Files.h"
#include "support/ScopedEnv.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

class DiffInfoTest : public MainWindowTest {
protected:
    frmMain& loaded()
    {
        writeGames(fiveGames());
        writeOptions();
        return loadShown();
    }
    // Starts a row of a table afresh: the tool installed, both listings kept, its log `log`
    // (nullopt: it writes none) and a mamediff.out beside it.
    frmMain& loadedWithTool(const std::optional<QByteArray>& log)
    {
        nextCase();
        m_script.reset();
        m_out.reset();
        m_runs.reset();
        frmMain& w = loaded();
        const QString tool = QDir(mame()).filePath(MameDiffProgramName());
        if (!QFile::copy(QStringLiteral(ZELVANE_FAKEMAMEDIFF_PATH), tool))
            ADD_FAILURE() << "cannot install the tool";
        QFile::setPermissions(tool, QFile::permissions(QStringLiteral(ZELVANE_FAKEMAMEDIFF_PATH)));
        writeFile(report("oldlistxml.txt"), "<mame build=\"0.105\">\r\n");
        writeFile(report("listxml.txt"), "<mame build=\"0.106\">\r\n");
        if (log) {
            writeFile(m_root + "/script.log", *log);
            m_script.emplace("ZELVANE_FAKEMAMEDIFF_SCRIPT", QFile::encodeName(m_root + "/script.log"));
        }
        m_out.emplace("ZELVANE_FAKEMAMEDIFF_OUT", "details");
        m_runs.emplace("ZELVANE_FAKEMAMEDIFF_RUNS", QFile::encodeName(m_root + "/runs.txt"));
        return w;
    }
    // Each run of the tool: its current folder, then its arguments.
    std::vector<QStringList> runs() const
    {
        std::vector<QStringList> all;
        for (const QString& run : QString::fromLocal8Bit(readFile(m_root + "/runs.txt")).split("\n\n", Qt::SkipEmptyParts))
            all.push_back(run.split('\n'));
        return all;
    }
    bool toolFilesGone() const
    {
        return !QFileInfo::exists(mame() + "/mamediff.log") && !QFileInfo::exists(mame() + "/mamediff.out");
    }
    void expectListsUsable(frmMain& w)
    {
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_TRUE(w.fraList->isEnabled());
        EXPECT_FALSE(w.fraVerify->isEnabled());
        EXPECT_TRUE(w.cmdRaster->isEnabled());
        EXPECT_FALSE(w.isMinimized());
    }
    static bool boldAt(RichTextBox& box, int start, int length)
    {
        box.setSelStart(start);
        box.setSelLength(length);
        const bool bold = box.SelBold();
        box.setSelStart(0);
        box.setSelLength(0);
        return bold;
    }

    std::optional<ScopedEnv> m_script;
    std::optional<ScopedEnv> m_out;
    std::optional<ScopedEnv> m_runs;
};

} // namespace

TEST_F(DiffInfoTest, MameDiffRunsTheToolAndShowsItsTidiedLog)
{
    struct Case {
        QAction* frmMain::*item;
        const char* caption;
        QStringList options;
    };
    const Case cases[] = {
        {&frmMain::mnuMAMEDiffSummary, "General Summary", {}},
        {&frmMain::mnuMAMEDiffMSplit, "Changed Merged-Split ROMs", {"-s"}},
        {&frmMain::mnuMAMEDiffFSplit, "Changed Full-Split ROMs", {"-n"}},
    };
    const QByteArray log = "   New games:\r\n" + QByteArray(30, '-') + "\r\n  mspacman\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        frmMain& w = loadedWithTool(log);
        w.Tmr[1]->start();
        (w.*c.item)->trigger();
        EXPECT_TRUE(w.Tmr[1]->isActive());

        EXPECT_TRUE(m_boxes.shown().empty()) << m_boxes.lastPrompt().toStdString();
        const std::vector<QStringList> all = runs();
        ASSERT_EQ(all.size(), 1u);
        EXPECT_EQ(QDir(all[0][0]).canonicalPath(), QDir(mame()).canonicalPath());
        const QStringList expected = c.options + QStringList{m_state.paths.strShortAppPath + "/reports/oldlistxml.txt",
                                                             m_state.paths.strShortAppPath + "/reports/listxml.txt"};
        EXPECT_EQ(all[0].mid(1), expected);

        RichTextBox& box = *w.fraVerify->txtVerify;
        const QString credit = MameDiffCredit();
        EXPECT_EQ(box.Text(), credit + "\r\n\r\n\r\n\r\nNew games:\r\n------\r\n\r\nmspacman\r\n");
        EXPECT_TRUE(boldAt(box, 0, int(credit.size())));
        EXPECT_FALSE(boldAt(box, int(credit.size()) + 8, 3));
        EXPECT_EQ(w.fraVerify->title(), c.caption);
        EXPECT_EQ(m_state.view.intPanelShown, 1);
        EXPECT_FALSE(w.fraList->isEnabled());
        EXPECT_FALSE(w.isMinimized());
        EXPECT_TRUE(toolFilesGone());

        w.fraVerify->cmdGameList->click();
        expectListsUsable(w);
    }
}

TEST_F(DiffInfoTest, MameDiffWithoutAReportLeavesTheListsAsTheyWere)
{
    struct Case {
        const char* name;
        std::optional<QByteArray> log;
        QString prompt;
        int style;
    };
    const Case cases[] = {
        {"empty log", QByteArray(), "No changes were found.", MsgStyle::Information},
        {"no log", std::nullopt, "Error In MAMEDiff: File not found", MsgStyle::Critical},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmMain& w = loadedWithTool(c.log);
        // A stale log of an earlier run must not pass for this run's.
        writeFile(mame() + "/mamediff.log", "stale report\r\n");
        bool minimisedAtBox = true;
        m_boxes.onShow([&](const MsgBoxScript::Shown&) { minimisedAtBox = w.isMinimized(); });
        w.mnuMAMEDiffSummary->trigger();
        m_boxes.onShow({});

        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, c.prompt);
        EXPECT_EQ(m_boxes.shown()[0].style, c.style);
        EXPECT_EQ(m_boxes.shown()[0].title, "MAMEDiff");
        EXPECT_FALSE(minimisedAtBox);
        EXPECT_EQ(runs().size(), 1u);
        expectListsUsable(w);
        EXPECT_TRUE(w.fraVerify->title().isEmpty());
        EXPECT_TRUE(toolFilesGone());
    }
}

TEST_F(DiffInfoTest, MameDiffNeedsBothListings)
{
    struct Case {
        const char* missing;
        QString prompt;
    };
    const Case cases[] = {
        {"listxml.txt", "Cannot find listxml.txt."},
        {"oldlistxml.txt",
         "Cannot find oldlistxml.txt.  Zelvane must first detect a new version of M.A.M.E.\rbefore it can create the "
         "oldlistxml.txt file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        frmMain& w = loadedWithTool(QByteArray("report\r\n"));
        QFile::remove(report(c.missing));
        w.mnuMAMEDiffMSplit->trigger();
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, c.prompt);
        EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::Information);
        EXPECT_EQ(m_boxes.shown()[0].title, "MAMEDiff");
        EXPECT_TRUE(runs().empty());
        expectListsUsable(w);
    }
}

TEST_F(DiffInfoTest, GameInformationShowsTheSelectedGamesEntries)
{
    for (const bool fromMenu : {false, true}) {
        SCOPED_TRACE(fromMenu ? "File menu" : "button");
        nextCase();
        QByteArray history, cheat;
        for (const FixtureGame& g : fiveGames()) {
            history += "$info=" + g.rom.toLatin1() + ",\r\n$bio\r\n\r\nAbout " + g.rom.toLatin1() + ".\r\n$end\r\n";
            cheat += g.rom.toLatin1() + ":0:Cheat for " + g.rom.toLatin1() + "\r\n";
        }
        writeFile(mame() + "/history.dat", history);
        writeFile(mame() + "/cheat.dat", cheat);
        frmMain& w = loaded();
        w.mnuViewInstalled->trigger();
        selectRow(w.fraList->lvInstalled, 1);
        const QString rom = (*w.fraList->selectedRecord(w.fraList->lvInstalled))[GameColumn::ROM];
        if (fromMenu)
            w.mnuFileInfo->trigger();
        else
            w.fraList->cmdInfo->click();

        RichTextBox& box = *w.fraVerify->txtVerify;
        EXPECT_EQ(box.Text(), "History.Dat\r\n\r\nAbout " + rom + ". \r\n\r\nMameinfo.Dat\r\n\r\n"
                              "Cannot find mameinfo.dat file.  This file must be in your M.A.M.E. directory.\r\n\r\n"
                              "\r\nCheat.Dat\r\n\r\nCheat for " + rom + "\r\n");
        for (const char* heading : {"History.Dat", "Mameinfo.Dat", "Cheat.Dat"})
            EXPECT_TRUE(boldAt(box, box.Find(heading, 0), int(qstrlen(heading)))) << heading;
        EXPECT_FALSE(boldAt(box, box.Find("About", 0), 5));
        EXPECT_EQ(m_state.game[GameColumn::ROM], rom);
        EXPECT_EQ(w.fraVerify->title(), "Game Information");
        EXPECT_EQ(m_state.view.intPanelShown, 1);
        EXPECT_FALSE(w.fraList->isEnabled());
        EXPECT_FALSE(w.StatusBar[1]->isVisible());
        EXPECT_TRUE(w.fraVerify->cmdGameList->hasFocus());
        EXPECT_TRUE(m_boxes.shown().empty());
        w.fraVerify->cmdGameList->click();
        expectListsUsable(w);
    }
}

TEST_F(DiffInfoTest, GameInformationOfACutShortFileShowsTheErrorInThePanel)
{
    writeFile(mame() + "/history.dat", "$info=pacman,galaxian,zaxxon,\r\n$bio\r\n\r\nno end\r\n");
    frmMain& w = loaded();
    w.mnuViewInstalled->trigger();
    selectRow(w.fraList->lvInstalled, 0);
    w.fraList->cmdInfo->click();
    EXPECT_EQ(w.fraVerify->txtVerify->Text(), "Error: 62\r\nInput past end of file");
    EXPECT_EQ(m_state.view.intPanelShown, 1);
}
