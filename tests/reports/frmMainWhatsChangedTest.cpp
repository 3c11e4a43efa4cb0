// The What's Changed comparisons in the main window: start, confirmation, the Exit button as the
// cancel button, the end on every path, the saved reports and their Last commands.
#include "support/MainWindowFixture.h"

#include "platform/MsgBox.h"
#include "platform/AnsiText.h"
#include "platform/RichTextBox.h"
#include "platform/ShownText.h"
#include "platform/StatusPanels.h"
#include "shell/IniFile.h"
#include "support/Files.h"
#include "support/ScopedEnv.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>

#include <functional>

namespace {

struct Kind {
    const char* name;
    QAction* frmMain::*start;
    QAction* frmMain::*last;
    const char* newFile;
    const char* oldFile;
    const char* reportFile;
    const char* title;
    QByteArray newText;
    QByteArray oldText;
    const char* reportStart;
    const char* unchanged;
    std::vector<std::pair<const char*, int>> bold; // what finds a heading, the heading's length
};

QByteArray listing(const QByteArray& games)
{
    return "<?xml version=\"1.0\"?>\r\n<mame build=\"0.106\">\r\n" + games + "</mame>\r\n";
}

QByteArray game(const char* name, const char* description)
{
    return QByteArray("\t<game name=\"") + name + "\" sourcefile=\"d.c\">\r\n\t\t<description>" + description +
           "</description>\r\n\t</game>\r\n";
}

// An entry of today's listing, LF-ended, with one ROM.
QByteArray machine(const char* name, const char* description, const char* rom, const char* crc,
                   const char* attributes = "")
{
    return QByteArray("\t<machine name=\"") + name + "\" sourcefile=\"misc/misc.cpp\"" + attributes +
           ">\n\t\t<description>" + description + "</description>\n\t\t<year>1980</year>\n"
           "\t\t<manufacturer>Maker</manufacturer>\n\t\t<rom name=\"" + rom + "\" size=\"2048\" crc=\"" + crc +
           "\"/>\n\t\t<display tag=\"screen\" type=\"raster\" rotate=\"0\" width=\"288\" height=\"224\" "
           "refresh=\"60\" />\n\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\"/>\n"
           "\t</machine>\n";
}

// Today's listing: BIOS sets among the games, a device at the end.
QByteArray todaysListing(const char* build, std::initializer_list<QByteArray> machines)
{
    QByteArray xml = QByteArray("<?xml version=\"1.0\"?>\n<mame build=\"") + build + " (unknown)\">\n";
    for (const QByteArray& m : machines)
        xml += m;
    return xml + "\t<machine name=\"z80\" sourcefile=\"devices/z80.cpp\" isdevice=\"yes\" runnable=\"no\">\n"
                 "\t\t<description>Zilog Z80</description>\n\t</machine>\n</mame>\n";
}

const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> kKinds = {
        {"ROMs Info", &frmMain::mnuReportsWhatsNewROMs, &frmMain::mnuReportsWhatsChangedROMs, "crcinfo.txt",
         "oldcrcinfo.txt", "newroms.txt", "What's Changed (ROMs Info)", "0001 pm.1 Pac-Man\r\n0002 z.1 Zaxxon\r\n",
         "0001 pm.1 Pac-Man\r\n", "The following games have been added",
         "No additions or changes were detected in this version of M.A.M.E.",
         {{"Game ", 4}}},
        {"All Info", &frmMain::mnuReportsWhatsNewAll, &frmMain::mnuReportsWhatsChangedAll, "listxml.txt",
         "oldlistxml.txt", "whatsnew.txt", "What's Changed (All Info)",
         listing(game("pacman", "Pac-Man") + game("zaxxon", "Zaxxon")), listing(game("pacman", "Pac-Man")),
         "These games and/or resources have changed",
         "No additions, removals, or changes were detected in this version of M.A.M.E.",
         {{"ROM\t", 3}, {"Description", 11}}},
    };
    return kKinds;
}

class WhatsChangedTest : public MainWindowTest {
protected:
    frmMain& loaded()
    {
        writeGames(fiveGames());
        writeOptions();
        return loadShown();
    }
    // After the load, which writes new lists of its own with the game data.
    void writeLists(const Kind& k, const QByteArray& newText, const QByteArray& oldText)
    {
        writeFile(report(k.newFile), newText);
        writeFile(report(k.oldFile), oldText);
    }
    // A fresh program folder holding the lists, and the compare started and confirmed;
    // `meanwhile` runs at the compare's first turn of the event loop.
    frmMain& compare(const Kind& k, const QByteArray& newText, const QByteArray& oldText,
                     const std::function<void(frmMain&)>& meanwhile = {})
    {
        nextCase();
        frmMain& w = loaded();
        writeLists(k, newText, oldText);
        m_boxes.answer(MsgAnswer::Yes);
        // A timer rather than a posted call: painting the panel before the compare lets posted
        // events through, but no timers.
        QTimer firstTurn;
        firstTurn.setSingleShot(true);
        if (meanwhile) {
            QObject::connect(&firstTurn, &QTimer::timeout, &w, [&w, meanwhile] { meanwhile(w); });
            firstTurn.start(0);
        }
        (w.*k.start)->trigger();
        return w;
    }
    QString text(frmMain& w) const { return w.fraVerify->txtVerify->Text(); }
    // The end steps, whichever way the compare ended.
    void expectEnded(frmMain& w, const Kind& k)
    {
        EXPECT_EQ(w.fraVerify->title(), k.title);
        EXPECT_EQ(m_state.view.intPanelShown, 1);
        EXPECT_EQ(w.cmdExit->text(), "E&xit");
        EXPECT_EQ(w.cmdExit->toolTip(), "Closes Zelvane");
        EXPECT_EQ(w.exitMode(), frmMain::ExitMode::Exit);
        EXPECT_FALSE(m_state.report.blnCancel);
        EXPECT_FALSE(w.ProgressBar[1]->isVisible());
        EXPECT_EQ(w.ProgressBar[1]->value(), 0);
        EXPECT_TRUE(w.StatusBar[1]->isVisible());
        EXPECT_TRUE(w.StatusBar[1]->panelText(2).startsWith("Elapsed Time: ")) << w.StatusBar[1]->panelText(2).toStdString();
        EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
        EXPECT_TRUE(w.mnuFileExit->isEnabled());
        EXPECT_EQ(w.defaultButton(), w.cmdExit);
    }
    void expectBold(frmMain& w, const Kind& k)
    {
        RichTextBox& box = *w.fraVerify->txtVerify;
        for (const auto& [heading, length] : k.bold) {
            const int at = box.Find(QLatin1String(heading), 0);
            ASSERT_GE(at, 0) << heading;
            box.setSelStart(at);
            box.setSelLength(length);
            EXPECT_TRUE(box.SelBold()) << heading;
        }
        box.setSelStart(0);
        box.setSelLength(3);
        EXPECT_FALSE(box.SelBold());
    }
};

} // namespace

TEST_F(WhatsChangedTest, ACompareThatFindsChangesShowsSavesAndBoldsTheReport)
{
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        frmMain& w = compare(k, k.newText, k.oldText);
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, "This can take an EXTREMELY long time.  Do you want to continue?");
        EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::YesNo + MsgStyle::Question);
        EXPECT_EQ(m_boxes.shown()[0].title, "Confirm Continue");
        expectEnded(w, k);
        EXPECT_TRUE(text(w).startsWith(k.reportStart)) << text(w).toStdString();
        EXPECT_TRUE(text(w).contains("Zaxxon"));
        EXPECT_EQ(readFile(report(k.reportFile)), text(w).toLatin1());
        EXPECT_EQ(w.StatusBar[1]->panelText(1), "Progress: 100%");
        expectBold(w, k);

        w.fraVerify->cmdGameList->click();
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_EQ(w.defaultButton(), w.fraList->cmdPlay);

        // The Last command shows the saved report again, headings bold.
        (w.*k.last)->trigger();
        EXPECT_EQ(w.fraVerify->title(), "Last What's Changed Report");
        EXPECT_TRUE(text(w).startsWith(k.reportStart));
        EXPECT_TRUE(w.StatusBar[1]->isVisible());
        expectBold(w, k);
    }
}

TEST_F(WhatsChangedTest, DescriptionsThatAreNoUtf8KeepTheirBytesInTheSavedReport)
{
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        QByteArray newText = k.newText;
        newText.replace("Zaxxon", "Zax\xe9on \xc3\xa9");
        frmMain& w = compare(k, newText, k.oldText);
        expectEnded(w, k);
        EXPECT_TRUE(readFile(report(k.reportFile)).contains("Zax\xe9on \xc3\xa9")) << readFile(report(k.reportFile)).toStdString();
    }
}

// The panel shows as much of a report as it holds; the saved report keeps every line.
TEST_F(WhatsChangedTest, AReportLongerThanThePanelShowsIsSavedWhole)
{
    QByteArray crcList, reportLines;
    for (int i = 0; i < 40000; ++i) {
        const QByteArray description = "Game " + QByteArray::number(i) + ' ' + QByteArray(100, 'x');
        crcList += "0001 r.1 " + description + "\r\n";
        reportLines += description + "\r\n";
    }
    const Kind& k = kinds()[0];
    frmMain& w = compare(k, crcList, "0002 r.1 Other Game\r\n");
    expectEnded(w, k);
    const QString shown = text(w);
    ASSERT_TRUE(shown.contains(TextCutNote())) << "the report must be longer than the panel shows";
    const QByteArray saved = readFile(report(k.reportFile));
    EXPECT_TRUE(saved.startsWith(toAnsi(shown.left(shown.indexOf(TextCutNote())))));
    EXPECT_TRUE(saved.endsWith("\r\n\r\n" + reportLines)) << saved.right(300).toStdString();
}

TEST_F(WhatsChangedTest, IdenticalListsWriteNoReport)
{
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        frmMain& w = compare(k, k.oldText, k.oldText);
        expectEnded(w, k);
        EXPECT_EQ(text(w), k.unchanged);
        EXPECT_FALSE(QFileInfo::exists(report(k.reportFile)));
    }
}

TEST_F(WhatsChangedTest, CancelDuringTheCompareLeavesTheCancelledTextAndNoReport)
{
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        // A click on the button while it still reads "E&xit" would end the test's process with
        // status 0: the click waits for the compare's first poll, where the button cancels.
        bool cancelled = false;
        QTimer poll;
        const auto cancelOnceRunning = [&] {
            frmMain& running = *m_window;
            if (cancelled || running.exitMode() != frmMain::ExitMode::Cancel)
                return;
            EXPECT_EQ(running.cmdExit->text(), "&Cancel");
            EXPECT_EQ(running.cmdExit->toolTip(), "Cancels The Compare");
            EXPECT_FALSE(running.fraVerify->cmdGameList->isEnabled());
            EXPECT_FALSE(running.mnuFileExit->isEnabled());
            cancelled = true;
            running.cmdExit->click();
        };
        QObject::connect(&poll, &QTimer::timeout, cancelOnceRunning);
        frmMain& w = compare(k, k.newText, k.oldText, [&](frmMain&) {
            cancelOnceRunning();
            poll.start(1);
        });
        ASSERT_TRUE(cancelled);
        expectEnded(w, k);
        EXPECT_EQ(text(w), "The compare has been cancelled at the users request.");
        EXPECT_FALSE(QFileInfo::exists(report(k.reportFile)));
        EXPECT_TRUE(w.isVisible());
    }
}

TEST_F(WhatsChangedTest, TheProgressBarStandsInFrontOfTheStatusBarWhileACompareRuns)
{
    const Kind& k = kinds()[0];
    int seen = 0, covered = 0;
    QTimer watch;
    frmMain& w = compare(k, k.newText, k.oldText, [&](frmMain& running) {
        QObject::connect(&watch, &QTimer::timeout, [&running, &seen, &covered] {
            QProgressBar* bar = running.ProgressBar[1];
            if (!bar->isVisible())
                return;
            ++seen;
            // What a click at the bar's middle would reach: the bar, or what lies over it.
            covered += bar->parentWidget()->childAt(bar->geometry().center()) != bar;
        });
        watch.start(0);
    });
    watch.stop();
    expectEnded(w, k);
    EXPECT_GT(seen, 0);
    EXPECT_EQ(covered, 0);
}

TEST_F(WhatsChangedTest, AFailedCompareShowsTheErrorAfterTheEndSteps)
{
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        frmMain& w = compare(k, "", k.oldText);
        expectEnded(w, k);
        EXPECT_TRUE(text(w).startsWith("Error: ")) << text(w).toStdString();
        EXPECT_TRUE(text(w).contains("\r\nLine Number: 2"));
        EXPECT_FALSE(QFileInfo::exists(report(k.reportFile)));
    }
}

TEST_F(WhatsChangedTest, MissingFilesAndADeclinedConfirmationChangeNothing)
{
    struct Case {
        const char* name;
        bool all;
        bool newFile, oldFile;
        const char* prompt;
    };
    const Case cases[] = {
        {"no crcinfo.txt", false, false, true, "Cannot find crcinfo.txt."},
        {"no oldcrcinfo.txt", false, true, false,
         "Cannot find oldcrcinfo.txt.  Zelvane must first detect a new version of M.A.M.E.\rbefore it can create the "
         "oldcrcinfo.txt file."},
        {"no listxml.txt", true, false, true, "Cannot find listxml.txt."},
        {"no oldlistxml.txt", true, true, false,
         "Cannot find oldlistxml.txt.  Zelvane must first detect a new version of M.A.M.E.\rbefore it can create the "
         "oldlistxml.txt file."},
        {"declined", true, true, true, "This can take an EXTREMELY long time.  Do you want to continue?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        const Kind& k = kinds()[c.all ? 1 : 0];
        frmMain& w = loaded();
        // The fixture writes the new lists with the game data: each case keeps only the ones it needs.
        QFile::remove(report(k.newFile));
        QFile::remove(report(k.oldFile));
        if (c.newFile)
            writeFile(report(k.newFile), k.newText);
        if (c.oldFile)
            writeFile(report(k.oldFile), k.oldText);
        m_boxes.answer(MsgAnswer::No);
        (w.*k.start)->trigger();
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, c.prompt);
        if (QString(c.name) != "declined") {
            EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::Information);
            EXPECT_EQ(m_boxes.shown()[0].title, k.title);
        }
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_TRUE(w.fraVerify->title().isEmpty());
        EXPECT_EQ(w.cmdExit->text(), "E&xit");
    }
}

TEST_F(WhatsChangedTest, LastReportWithoutItsFileShowsItsMessageOnly)
{
    const std::pair<QAction* frmMain::*, const char*> cases[] = {
        {&frmMain::mnuReportsWhatsChangedROMs,
         "Cannot find What's Changed (ROMs Info) report.  You can create one from the Reports pull-down menu above."},
        {&frmMain::mnuReportsWhatsChangedAll,
         "Cannot find What's Changed (All Info) report.  You can create one from the Reports pull-down menu above."},
    };
    for (const auto& [item, prompt] : cases) {
        SCOPED_TRACE(prompt);
        nextCase();
        frmMain& w = loaded();
        (w.*item)->trigger();
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, prompt);
        EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::Information);
        EXPECT_EQ(m_boxes.shown()[0].title, "Last What's Changed Report");
        EXPECT_EQ(m_state.view.intPanelShown, 0);
    }
}

TEST_F(WhatsChangedTest, ALastReportWithoutItsHeadingIsStillShown)
{
    frmMain& w = loaded();
    writeFile(report("newroms.txt"), "edited by hand\r\n");
    w.mnuReportsWhatsChangedROMs->trigger();
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(text(w), "edited by hand\r\n");
    EXPECT_EQ(w.fraVerify->txtVerify->SelStart(), 0);
}

// Two versions of today's MAME, each detected at a start by its new size: the game data is built
// from each, the first's lists kept as the old ones, and both compares read them.
TEST_F(WhatsChangedTest, BothComparesReadTheListsOfTwoVersionsOfTodaysMame)
{
    const QByteArray neogeo = machine("neogeo", "Neo-Geo MV-6F", "sp-s2.sp1", "9036d879", " isbios=\"yes\"");
    const QByteArray older = todaysListing("0.250", {machine("puckman", "Puck Man (Japan set 1)", "pm1_prg1.6e", "f36e88ab"),
                                                     machine("galaxian", "Galaxian", "galmidw.u", "745e2d61"), neogeo});
    // One ROM changed, one set gone, one added whose ROM name holds blanks.
    const QByteArray newer = todaysListing("0.251", {machine("puckman", "Puck Man (Japan set 1)", "pm1_prg1.6e", "00000001"),
                                                     neogeo, machine("cubeqst", "Cube Quest", "cube 1 rom.bin", "8d6fa8a5")});
    const QString listing = m_root + "/listing.xml";
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    ScopedEnv answer("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(listing));
    writeGames(fiveGames());
    writeOptions();
    int padding = 0;
    for (const QByteArray& version : {older, newer}) {
        m_window.reset();
        IniService::instance().dropAll();
        m_state = AppState();
        writeFile(listing, version);
        writeMame(padding += 100);
        loadShown();
    }
    frmMain& w = *m_window;
    ASSERT_EQ(m_state.counts.intAllCount, 2) << "the game data of the second version";
    ASSERT_TRUE(m_boxes.shown().empty());

    const std::pair<const Kind&, QByteArray> reports[] = {
        {kinds()[0], "Puck Man (Japan set 1)\r\nCube Quest\r\n"},
        {kinds()[1], "puckman\tPuck Man (Japan set 1)\r\ncubeqst\tCube Quest\r\ngalaxian\tGalaxian\r\n"},
    };
    for (const auto& [k, lines] : reports) {
        SCOPED_TRACE(k.name);
        m_boxes.answer(MsgAnswer::Yes);
        (w.*k.start)->trigger();
        expectEnded(w, k);
        EXPECT_TRUE(text(w).startsWith(k.reportStart)) << text(w).toStdString();
        EXPECT_TRUE(text(w).endsWith("\r\n\r\n" + lines)) << text(w).toStdString();
        EXPECT_EQ(readFile(report(k.reportFile)), text(w).toLatin1());
        w.fraVerify->cmdGameList->click();
    }
}
