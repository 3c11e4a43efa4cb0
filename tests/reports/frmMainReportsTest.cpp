// The report panel in the main window: the selected game's mame.ini, the bad-set list of a
// report, and the return to the game lists with a game the audit found.
#include "support/MainWindowFixture.h"

#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>

#include "support/Files.h"
#include "support/PdfPrinter.h"

namespace {

const QString kIncomplete = "The mame.ini is incomplete because you have not made any option changes.  "
                            "M.A.M.E. defaults will be used.";
const QString kOtherCommands =
    "The following other commands will run as command-line options and override the settings in the mame.ini.\r\r";

class ReportPanelTest : public MainWindowTest {
protected:
    // All Games sorted: Asteroids, galaxian, Ms. Pac-Man, Pac-Man, Zaxxon; the third and the
    // first are not installed.
    frmMain& loaded(const QByteArray& options = {})
    {
        writeGames(fiveGames());
        writeOptions(options);
        return loadShown();
    }
    QString mameIniPath() const { return mame() + "/mame.ini"; }
    QString text(frmMain& w) const { return w.fraVerify->txtVerify->Text(); }
    std::vector<QString> prompts() const
    {
        std::vector<QString> p;
        for (const MsgBoxScript::Shown& box : m_boxes.shown())
            p.push_back(box.prompt);
        return p;
    }

    // A report shown as a verify-all report leaves it, with its bad sets to list.
    void showVerifyReport(frmMain& w, const QString& report)
    {
        w.EnterPanel(w.fraVerify, "ROMs Report", frmMain::PanelStatus::General);
        w.fraVerify->txtVerify->setText(report);
        w.setFindMode(frmMain::FindMode::ListBadSets);
        w.cmdFind->setEnabled(true);
    }

    // The closed panel: every return ends here, whatever the panel showed.
    void expectClosed(frmMain& w)
    {
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_FALSE(w.fraVerify->isEnabled());
        EXPECT_TRUE(w.fraVerify->title().isEmpty());
        EXPECT_TRUE(text(w).isEmpty());
        EXPECT_TRUE(w.fraList->isEnabled());
        // Its own state: the closed panel around it is disabled.
        EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabledTo(w.fraVerify));
        EXPECT_EQ(w.findMode(), frmMain::FindMode::MameIni);
        EXPECT_EQ(w.cmdFind->text(), "&Mame.Ini");
        EXPECT_EQ(w.cmdFind->toolTip(), "The Mame.Ini File That Will Be Used For The Selected Game");
        EXPECT_TRUE(w.cmdFind->isEnabled());
        EXPECT_EQ(w.cmdExit->text(), "E&xit");
        EXPECT_FALSE(w.StatusBar[1]->isVisible());
        EXPECT_TRUE(w.StatusBar[1]->panelText(1).isEmpty());
        EXPECT_TRUE(w.StatusBar[1]->panelText(2).isEmpty());
        EXPECT_TRUE(w.Tmr[1]->isActive());
        EXPECT_EQ(w.defaultButton(), w.fraList->cmdPlay);
        EXPECT_FALSE(m_state.report.blnGameAudited);
    }
};

} // namespace

TEST_F(ReportPanelTest, MameIniViewShowsTheGamesWholeFileAndPutsThePathPartBack)
{
    struct Case {
        const char* name;
        QByteArray rasterCfg; // empty: no settings file
        QByteArray optionLine;
        std::vector<QString> prompts;
    };
    const Case cases[] = {
        {"no settings file: the path part only, which is incomplete", {}, {}, {kIncomplete}},
        {"raster.cfg: the option part follows", "[Video Options]\r\nVideo=GDI\r\n", "\r\nvideo\tgdi\r\n", {}},
        {"other commands are announced", "[Miscellaneous]\r\nOther Commands=-cheat\r\n", "\r\ncheat\t0\r\n",
         {kOtherCommands + "-cheat"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        if (!c.rasterCfg.isEmpty())
            writeFile(app() + "/settings/raster.cfg", c.rasterCfg);
        frmMain& w = loaded();
        selectRow(w.fraList->lvAll, 3); // Pac-Man
        const QByteArray base = readFile(mameIniPath());
        w.cmdFind->click();

        EXPECT_EQ(prompts(), c.prompts);
        EXPECT_EQ(w.fraVerify->title(), "Mame.Ini");
        EXPECT_EQ(m_state.view.intPanelShown, 1);
        EXPECT_FALSE(w.fraList->isEnabled());
        EXPECT_FALSE(w.cmdFind->isEnabled());
        EXPECT_TRUE(w.fraVerify->cmdGameList->hasFocus());
        const QByteArray shown = text(w).toLatin1();
        EXPECT_TRUE(shown.startsWith(base));
        if (c.optionLine.isEmpty()) {
            EXPECT_EQ(shown, base);
        } else {
            EXPECT_TRUE(shown.mid(base.size()).contains(c.optionLine));
        }
        EXPECT_EQ(readFile(mameIniPath()), base);
        EXPECT_TRUE(m_state.settings.strOtherCommands.isEmpty());

        w.fraVerify->cmdGameList->click();
        expectClosed(w);
    }
}

TEST_F(ReportPanelTest, MameIniViewNeedsAnInstalledGameAndTheFile)
{
    struct Case {
        const char* name;
        bool uninstalledList;
        int row;
        bool removeIni;
        QString prompt;
    };
    const Case cases[] = {
        {"a game of the All list that is not installed", false, 0, false, "An installed game must first be selected!"},
        {"the Uninstalled list", true, 0, false, "An installed game must first be selected!"},
        {"no mame.ini", false, 3, true, "Cannot find mame.ini!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        frmMain& w = loaded();
        if (c.uninstalledList)
            w.mnuViewUninstalled->trigger();
        selectRow(w.fraList->currentListView().view, c.row);
        if (c.removeIni)
            QFile::remove(mameIniPath());
        const QByteArray before = readFile(mameIniPath());
        w.mnuReportsFind->trigger();

        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, c.prompt);
        EXPECT_EQ(m_boxes.shown()[0].style, 48);
        EXPECT_EQ(m_boxes.shown()[0].title, "Mame.Ini");
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_FALSE(w.fraVerify->isEnabled());
        EXPECT_TRUE(w.cmdFind->isEnabled());
        EXPECT_EQ(readFile(mameIniPath()), before);
    }
}

TEST_F(ReportPanelTest, ListBadSetsThenPrintThenBackToMameIni)
{
    frmMain& w = loaded();
    showVerifyReport(w, "romset a is good\r\nromset b is bad\r\nromset c is bad \r\nromset d is bad\r\n3 romsets found\r\n");
    w.cmdFind->click();

    EXPECT_EQ(text(w), "2 bad sets found.\r\n\r\nromset b is bad\r\nromset d is bad\r\n\r\nEnd of report.\r\n\r\n");
    EXPECT_EQ(w.fraVerify->title(), "List Bad Sets");
    EXPECT_EQ(w.cmdFind->text(), "&Print");
    EXPECT_EQ(w.cmdFind->toolTip(), "Prints This List To Your Default Printer");
    EXPECT_FALSE(QFileInfo::exists(report("temp.txt")));
    EXPECT_FALSE(QFileInfo::exists(report("bad.txt")));
    EXPECT_TRUE(m_boxes.shown().empty());

    // Printing keeps the mode; only the return goes back to the mame.ini view. A system without
    // a printer hears of it.
    {
        PdfPrinter printer(m_root + "/report.pdf");
        w.cmdFind->click();
        EXPECT_EQ(printer.pdfPageCount(), 1);
        EXPECT_TRUE(m_boxes.shown().empty());
    }
    {
        PdfPrinter none{QString()};
        w.cmdFind->click();
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, "Unknown Printing Error.");
        EXPECT_EQ(m_boxes.shown()[0].style, 64);
    }
    EXPECT_EQ(w.findMode(), frmMain::FindMode::Print);
    w.fraVerify->cmdGameList->click();
    expectClosed(w);
}

TEST_F(ReportPanelTest, UnwritableReportsFolderIsShownAndThePanelStaysUsable)
{
    frmMain& w = loaded();
    const QString report = "romset b is bad\r\n";
    showVerifyReport(w, report);
    QDir(app() + "/reports").removeRecursively();
    writeFile(app() + "/reports", "a file where the folder was");
    w.cmdFind->click();

    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith("Error In cmdFind_Click: "));
    EXPECT_EQ(m_boxes.shown()[0].style, 16);
    EXPECT_EQ(text(w), report);
    EXPECT_EQ(w.findMode(), frmMain::FindMode::ListBadSets);
    EXPECT_TRUE(w.cmdFind->isEnabled());
    w.fraVerify->cmdGameList->click();
    expectClosed(w);
}

TEST_F(ReportPanelTest, ReturnMovesAnAuditedGameWhoseZipAppeared)
{
    struct Case {
        const char* name;
        bool audited;
        const char* zipFolder; // nullptr: no zip appeared
        bool lastUninstalled;
        bool moves;
    };
    const Case cases[] = {
        {"zip in the ROMs folder", true, "roms", false, true},
        {"zip in the additional ROMs folder only", true, "extra", false, true},
        {"still missing", true, nullptr, false, false},
        {"not audited from the Uninstalled list", false, "roms", false, false},
        {"the last uninstalled game", true, "roms", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        makeDirs(m_root + "/extra");
        frmMain& w = loaded("AdditionalROMs=" + QFile::encodeName(m_root + "/extra") + "\r\n");
        w.mnuViewUninstalled->trigger();
        if (c.lastUninstalled) {
            ASSERT_TRUE(w.fraList->removeUninstalled(1)); // Asteroids
            m_state.counts.intUninstalledCount = 1;
        }
        selectRow(w.fraList->lvUninstalled, c.lastUninstalled ? 0 : 1); // Ms. Pac-Man

        // What an audit that found no zip leaves: the game current and flagged, still listed.
        w.EnterPanel(w.fraVerify, "Game Audit", frmMain::PanelStatus::KeepList);
        m_state.game = *w.fraList->selectedRecord(w.fraList->lvUninstalled);
        m_state.report.blnGameAudited = c.audited;
        if (c.zipFolder)
            writeFile(m_root + "/" + c.zipFolder + "/mspacman.zip", "PK");
        w.fraVerify->cmdGameList->click();

        const int installed = w.fraList->lvInstalled->model()->rowCount();
        EXPECT_EQ(m_state.counts.intInstalledCount, c.moves ? 4 : 3);
        ASSERT_EQ(installed, c.moves ? 4 : 3);
        if (c.moves) {
            EXPECT_EQ(w.fraList->lvInstalled->model()->index(installed - 1, 0).data().toString(), "Ms. Pac-Man");
        }
        // The zip that appeared takes the game out of the Uninstalled list too.
        EXPECT_EQ(w.fraList->uninstalledRow("mspacman") != 0, !c.moves);
        EXPECT_EQ(m_state.counts.intUninstalledCount, w.fraList->lvUninstalled->model()->rowCount());
        // With the last one gone the game buttons have nothing to act on.
        EXPECT_EQ(w.fraList->cmdVerify->isEnabled(), !c.lastUninstalled);
        if (c.lastUninstalled) {
            EXPECT_TRUE(w.StatusBar[0]->panelText(2).isEmpty());
        }
        expectClosed(w);
    }
}
