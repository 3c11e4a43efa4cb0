// The verify-all runs and the stored reports of the Reports menu, with fakemame as MAME.
#include "support/MainWindowFixture.h"

#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "platform/RuntimeErrorText.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/ScopedEnv.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QThread>
#include <QWindow>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <optional>
#include <thread>

namespace {

// Whether the button looked enabled the last time it was painted on the screen.
class PaintedState : public QObject {
public:
    explicit PaintedState(QPushButton& button) : m_button(button) { button.installEventFilter(this); }
    std::atomic<bool> enabled{true};

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QWindow* window = m_button.window()->windowHandle();
        if (event->type() == QEvent::Paint && window && window->isExposed())
            enabled = m_button.isEnabled();
        return false;
    }

private:
    QPushButton& m_button;
};

// A click at the centre of `widget` (or `pos`) and a press of the space bar, as its window receives
// the user's input. Built on the GUI thread; any thread may post them.
class UserInput {
public:
    explicit UserInput(QWidget& widget, std::optional<QPoint> pos = {}) : m_window(widget.window()->windowHandle())
    {
        const QPoint p = pos.value_or(widget.rect().center());
        for (const bool press : {true, false}) {
            m_events.emplace_back(new QMouseEvent(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                                                  widget.mapTo(widget.window(), QPointF(p)), widget.mapToGlobal(QPointF(p)),
                                                  Qt::LeftButton, press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
            m_events.emplace_back(
                new QKeyEvent(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
        }
    }
    void post()
    {
        for (std::unique_ptr<QEvent>& event : m_events)
            QCoreApplication::postEvent(m_window, event.release());
    }

private:
    QWindow* m_window;
    std::vector<std::unique_ptr<QEvent>> m_events;
};

class VerifyReportsTest : public MainWindowTest {
protected:
    frmMain& loaded(bool today = false)
    {
        writeGames(today ? fromTodaysMame(fiveGames()) : fiveGames());
        writeOptions();
        m_listing = std::make_unique<ScopedEnv>("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(writeVerifyListing()));
        return loadShown();
    }
    void nextCase()
    {
        m_listing.reset();
        MainWindowTest::TearDown();
        QDir(m_root).removeRecursively();
        m_state = AppState();
        m_boxes.clearShown();
        MainWindowTest::SetUp();
    }
    // The installed games of fiveGames, each with a ROM and a sample for MAME to verify.
    QString writeVerifyListing()
    {
        QByteArray xml = "<?xml version=\"1.0\"?>\r\n<mame build=\"0.106\">\r\n";
        for (const char* name : {"pacman", "galaxian", "zaxxon"})
            xml += QByteArray("\t<game name=\"") + name + "\" sourcefile=\"driver.c\">\r\n\t\t<description>" + name +
                   "</description>\r\n\t\t<rom name=\"a.1\" size=\"4096\" crc=\"f36e88ab\" region=\"cpu1\" "
                   "offset=\"0\"/>\r\n\t\t<sample name=\"boom\"/>\r\n\t</game>\r\n";
        xml += "</mame>\r\n";
        for (const char* name : {"pacman", "galaxian", "zaxxon"})
            writeFile(samples() + "/" + name + ".zip", "PK");
        const QString path = m_root + "/verify.xml";
        writeFile(path, xml);
        return path;
    }
    QString text(frmMain& w) const { return w.fraVerify->txtVerify->Text(); }
    void expectShown(frmMain& w, const QString& title)
    {
        EXPECT_EQ(w.fraVerify->title(), title);
        EXPECT_EQ(m_state.view.intPanelShown, 1);
        EXPECT_TRUE(w.fraVerify->isEnabled());
        EXPECT_FALSE(w.fraList->isEnabled());
        EXPECT_TRUE(w.StatusBar[1]->isVisible());
        EXPECT_FALSE(w.Tmr[1]->isActive());
        EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
        EXPECT_TRUE(w.cmdExit->isEnabled());
    }
    void expectNotEntered(frmMain& w)
    {
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_FALSE(w.fraVerify->isEnabled());
        EXPECT_TRUE(w.fraList->isEnabled());
        EXPECT_TRUE(w.fraVerify->title().isEmpty());
    }
    std::unique_ptr<ScopedEnv> m_listing;
};

} // namespace

TEST_F(VerifyReportsTest, VerifyAllWithBadSetsArmsTheBadSetListThenPrint)
{
    struct Case {
        const char* name;
        bool samples;
        const char* file;
        QString title;
        QString summary;
    };
    const Case cases[] = {
        {"ROMs", false, "roms.txt", "Verify All ROMs", "romsets found"},
        {"samples", true, "samples.txt", "Verify All Samples", "samplesets found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        ScopedEnv bad("ZELVANE_FAKEMAME_BAD", "pacman,zaxxon");
        ScopedEnv badSamples("ZELVANE_FAKEMAME_BAD_SAMPLES", "pacman,zaxxon");
        frmMain& w = loaded();
        m_boxes.answer(MsgAnswer::Yes);
        (c.samples ? w.mnuReportsVerifySamples : w.mnuReportsVerifyRoms)->trigger();

        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, "This could take a long time.  Do you want to continue?");
        EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::YesNo + MsgStyle::Question);
        EXPECT_EQ(m_boxes.shown()[0].title, "Confirm Continue");
        ASSERT_TRUE(QFileInfo::exists(report(c.file)));
        expectShown(w, c.title);
        EXPECT_FALSE(w.isMinimized());
        EXPECT_TRUE(w.fraVerify->cmdGameList->hasFocus());

        const QStringList lines = text(w).split("\r\n");
        ASSERT_GE(lines.size(), 4);
        EXPECT_TRUE(lines[0].contains(c.summary));
        EXPECT_TRUE(lines[1].isEmpty());
        EXPECT_EQ(lines[lines.size() - 2], "End of report.");
        EXPECT_EQ(w.findMode(), frmMain::FindMode::ListBadSets);
        EXPECT_TRUE(w.cmdFind->isEnabled());

        w.cmdFind->click();
        EXPECT_TRUE(text(w).startsWith("2 bad sets found.\r\n\r\n"));
        EXPECT_EQ(w.findMode(), frmMain::FindMode::Print);
        w.cmdFind->click();
        EXPECT_EQ(w.findMode(), frmMain::FindMode::Print);
        w.fraVerify->cmdGameList->click();
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_EQ(w.findMode(), frmMain::FindMode::MameIni);
    }
}

// Today's MAME ends its lines in LF, reports no set it does not find, and writes the summary to
// standard error when a set is bad. It finds the sets through the rompath of the program's
// mame.ini, which it reads from no other folder than the one its command line names.
TEST_F(VerifyReportsTest, VerifyAllUnderTodaysMameTakesInItsStandardError)
{
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    struct Case {
        const char* name;
        bool samples;
        bool removeRoms;
        QString shown;
        bool armed;
    };
    const Case cases[] = {
        {"one bad set: the summary comes on standard error", false, false,
         "3 romsets found, 2 were OK.\r\n\r\nromset pacman is good\r\nromset galaxian is good\r\n"
         "zaxxon  : a.1 (4096 bytes) - INCORRECT CHECKSUM:\r\nromset zaxxon is bad\r\n\r\nEnd of report.\r\n",
         true},
        {"all good: the summary on standard output", true, false,
         "3 samplesets found, 3 were OK.\r\n\r\nsampleset pacman is good\r\nsampleset galaxian is good\r\n"
         "sampleset zaxxon is good\r\n\r\nEnd of report.\r\n",
         false},
        {"nothing found: standard error's one line has no summary", false, true, "No sets were found.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        ScopedEnv home("HOME", QFile::encodeName(m_root + "/home"));
        m_iniFolder = m_root + "/my ini";
        makeDirs(m_iniFolder);
        ScopedEnv bad("ZELVANE_FAKEMAME_BAD", "zaxxon");
        frmMain& w = loaded(true);
        if (c.removeRoms)
            QDir(roms()).removeRecursively();
        m_boxes.answer(MsgAnswer::Yes);
        (c.samples ? w.mnuReportsVerifySamples : w.mnuReportsVerifyRoms)->trigger();
        EXPECT_EQ(text(w), c.shown);
        EXPECT_EQ(w.findMode(), c.armed ? frmMain::FindMode::ListBadSets : frmMain::FindMode::MameIni);
        if (c.armed) {
            w.cmdFind->click();
            EXPECT_TRUE(text(w).startsWith("1 bad sets found.\r\n\r\nromset zaxxon is bad"));
        }
    }
}

TEST_F(VerifyReportsTest, VerifyAllGivesBackTheWindowStateItFound)
{
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        nextCase();
        frmMain& w = loaded();
        if (maximised)
            w.showMaximized();
        QCoreApplication::processEvents();
        m_boxes.answer(MsgAnswer::Yes);
        w.mnuReportsVerifyRoms->trigger();
        QCoreApplication::processEvents();
        EXPECT_FALSE(w.isMinimized());
        EXPECT_EQ(w.isMaximized(), maximised);
        EXPECT_EQ(m_state.view.intWindowState, maximised ? 2 : 0);
    }
}

// A run that could not write its whole report leaves the last one as it was, says so, and shows
// nothing as this run's result: that report is for Last ROMs Report.
TEST_F(VerifyReportsTest, VerifyAllThatCannotWriteItsReportKeepsTheLastOne)
{
    enum class Trouble { MameFolderGone, MameKilled, ReadOnlyFolder, FullDisk };
    struct Case {
        const char* name;
        Trouble trouble;
        QString reason;
    };
    const Case cases[] = {
        {"MAME folder gone", Trouble::MameFolderGone, "mame * -verifyroms did not run to its end"},
        {"MAME killed after its answer", Trouble::MameKilled, "mame * -verifyroms did not run to its end"},
        {"read-only reports folder", Trouble::ReadOnlyFolder, RuntimeErrorDescription(ErrorNumber::PathFileAccess)},
        {"full disk", Trouble::FullDisk, RuntimeErrorDescription(ErrorNumber::DiskFull)},
    };
    const QByteArray last = "romset b is bad\r\n1 romsets found, 0 were OK.\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        std::optional<ScopedEnv> killed;
        std::optional<SmallFileSystem> small;
        frmMain& w = loaded();
        writeFile(report("roms.txt"), last);
        switch (c.trouble) {
        case Trouble::MameFolderGone:
            QDir(mame()).removeRecursively();
            break;
        case Trouble::MameKilled:
            killed.emplace("ZELVANE_FAKEMAME_KILLED", "1");
            break;
        case Trouble::ReadOnlyFolder:
        case Trouble::FullDisk:
            small.emplace(1 << 20);
            if (small->path().isEmpty())
                GTEST_SKIP() << "no tmpfs can be mounted here";
            ASSERT_TRUE(QFile::rename(report("roms.txt"), small->path() + "/roms.txt"));
            ASSERT_TRUE(QDir(app()).rename("reports", "reports.away"));
            ASSERT_TRUE(QFile::link(small->path(), app() + "/reports"));
            if (c.trouble == Trouble::FullDisk)
                small->fill();
            else
                ASSERT_TRUE(small->makeReadOnly());
            break;
        }
        m_boxes.answer(MsgAnswer::Yes);
        w.mnuReportsVerifyRoms->trigger();

        std::vector<QString> told;
        for (const MsgBoxScript::Shown& box : m_boxes.shown())
            told.push_back(box.prompt);
        ASSERT_FALSE(told.empty());
        EXPECT_EQ(told.back().toStdString(),
                  SaveFailedText(report("roms.txt"), RuntimeError{0, c.reason, 0}).toStdString());
        EXPECT_EQ(readFile(report("roms.txt")), last);
        EXPECT_EQ(w.fraVerify->title(), "Verify All ROMs");
        EXPECT_EQ(text(w), "");
        EXPECT_EQ(w.findMode(), frmMain::FindMode::MameIni);
        EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
        EXPECT_TRUE(QDir(app() + "/reports").entryList({"roms.txt.*"}, QDir::Files).isEmpty());
        w.fraVerify->cmdGameList->click();
        w.mnuReportsLastRom->trigger();
        EXPECT_EQ(text(w), "1 romsets found, 0 were OK.\r\n\r\nromset b is bad\r\n\r\nEnd of report.\r\n");
        m_window.reset();
    }
}

// The program killed while MAME writes the new report: the last report stays whole, and the next
// start clears what the stopped run left beside it.
TEST_F(VerifyReportsTest, VerifyAllKilledMidRunKeepsTheLastReport)
{
    const QByteArray last = "romset b is bad\r\n1 romsets found, 0 were OK.\r\n";
    const QString paused = m_root + "/paused";
    writeFile(report("roms.txt"), last);
    shareFolderWithChild();
    ScopedEnv pausing("ZELVANE_FAKEMAME_PAUSED", QFile::encodeName(paused));
    ScopedEnv at("ZELVANE_FAKEMAME_PAUSE_AT", "30");
    EXPECT_EXIT(
        {
            frmMain& w = loaded();
            std::thread killer([&paused] {
                while (!QFileInfo::exists(paused))
                    QThread::msleep(10);
                // MAME, left running, ends into a file that is no longer anyone's.
                QFile::remove(paused);
                std::raise(SIGKILL);
            });
            killer.detach();
            m_boxes.answer(MsgAnswer::Yes);
            w.mnuReportsVerifyRoms->trigger();
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(readFile(report("roms.txt")), last);
    EXPECT_EQ(QDir(app() + "/reports").entryList({"roms.txt.*"}, QDir::Files).size(), 1);

    m_listing.reset();
    loaded();
    EXPECT_TRUE(QDir(app() + "/reports").entryList({"roms.txt.*"}, QDir::Files).isEmpty());
    EXPECT_EQ(readFile(report("roms.txt")), last);
}

// The buttons the run disables look disabled while MAME runs; a click or key press meanwhile, on
// the return button or the menu bar, does not act once the report is shown.
TEST_F(VerifyReportsTest, VerifyAllShowsItsButtonsOffWhileMameRunsAndDropsInputMeanwhile)
{
    const QString paused = m_root + "/paused";
    ScopedEnv pausing("ZELVANE_FAKEMAME_PAUSED", QFile::encodeName(paused));
    ScopedEnv at("ZELVANE_FAKEMAME_PAUSE_AT", "30");
    frmMain& w = loaded();
    PaintedState returnButton(*w.fraVerify->cmdGameList);
    UserInput click(*w.fraVerify->cmdGameList);
    UserInput menu(*w.menuBar(), w.menuBar()->actionGeometry(w.mnuReports->menuAction()).center());
    bool returnShownEnabled = true;
    std::thread user([&] {
        while (!QFileInfo::exists(paused))
            QThread::msleep(10);
        returnShownEnabled = returnButton.enabled;
        click.post();
        menu.post();
        QThread::msleep(100);
        QFile::remove(paused);
    });
    m_boxes.answer(MsgAnswer::Yes);
    w.mnuReportsVerifyRoms->trigger();
    user.join();
    QCoreApplication::processEvents();

    EXPECT_FALSE(returnShownEnabled);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    expectShown(w, "Verify All ROMs");
    EXPECT_TRUE(text(w).contains("romsets found")) << text(w).toStdString();

    // Input after the run acts as ever.
    UserInput after(*w.fraVerify->cmdGameList);
    after.post();
    QCoreApplication::processEvents();
    expectNotEntered(w);
}

TEST_F(VerifyReportsTest, VerifyAllAnsweredNoRunsNothing)
{
    frmMain& w = loaded();
    m_boxes.answer(MsgAnswer::No);
    w.mnuReportsVerifyRoms->trigger();
    EXPECT_FALSE(QFileInfo::exists(report("roms.txt")));
    expectNotEntered(w);
}

TEST_F(VerifyReportsTest, LastReportsReshapeTheStoredReport)
{
    struct Case {
        const char* name;
        bool samples;
        QByteArray stored;
        QString shown;
        bool armed;
    };
    const Case cases[] = {
        {"ROMs with a bad set, LF line ends", false, "romset b is bad\n1 romsets found, 0 were OK.\n",
         "1 romsets found, 0 were OK.\r\n\r\nromset b is bad\r\n\r\nEnd of report.\r\n", true},
        {"samples, all good", true, "sampleset a is good\r\n1 samplesets found, 1 were OK.\r\n",
         "1 samplesets found, 1 were OK.\r\n\r\nsampleset a is good\r\n\r\nEnd of report.\r\n", false},
        {"no summary phrase", false, "romset b is bad\r\nsomething else\r\n", "No sets were found.", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        writeFile(report(c.samples ? "samples.txt" : "roms.txt"), c.stored);
        frmMain& w = loaded();
        (c.samples ? w.mnuReportsLastSample : w.mnuReportsLastRom)->trigger();

        EXPECT_TRUE(m_boxes.shown().empty());
        expectShown(w, c.samples ? "Last Samples Report" : "Last ROMs Report");
        EXPECT_EQ(text(w), c.shown);
        EXPECT_EQ(w.findMode(), c.armed ? frmMain::FindMode::ListBadSets : frmMain::FindMode::MameIni);
        EXPECT_EQ(w.cmdFind->isEnabled(), c.armed);
        w.fraVerify->cmdGameList->click();
        expectNotEntered(w);
    }
}

TEST_F(VerifyReportsTest, StoredReportWithoutItsFileShowsItsMessageOnly)
{
    struct Case {
        const char* name;
        QAction* frmMain::*item;
        QString prompt;
        QString title;
    };
    const Case cases[] = {
        {"last ROMs", &frmMain::mnuReportsLastRom,
         "Cannot find ROMs report.  You can create one from the Reports pull-down menu above.", "Last ROMs Report"},
        {"last samples", &frmMain::mnuReportsLastSample,
         "Cannot find Samples report.  You can create one from the Reports pull-down menu above.",
         "Last Samples Report"},
        {"rebuild settings", &frmMain::mnuReportsRebuildSettings,
         "Cannot find Rebuild Settings report.  You can run Rebuild Settings from the Tools pull-down menu above and "
         "if errors are found it will create one for you.",
         "Rebuild Settings Report"},
        {"favorite changes", &frmMain::mnuReportsChanges, "This report does not exist.", "Favorite List Changes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        frmMain& w = loaded();
        (w.*c.item)->trigger();
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].prompt, c.prompt);
        EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::Information);
        EXPECT_EQ(m_boxes.shown()[0].title, c.title);
        expectNotEntered(w);
    }
}

TEST_F(VerifyReportsTest, RebuildReportBoldsItsHeadings)
{
    writeFile(report("rebuilt.txt"), "Filename\tSetting\r\npacman.cfg\tVideo=Bad\r\n");
    frmMain& w = loaded();
    w.mnuReportsRebuildSettings->trigger();
    expectShown(w, "Rebuilt Settings Report");
    RichTextBox* box = w.fraVerify->txtVerify;
    EXPECT_EQ(box->Text(), "Filename\tSetting\r\npacman.cfg\tVideo=Bad\r\n");
    const struct {
        int start, length;
        bool bold;
    } spans[] = {{0, 8, true}, {8, 1, false}, {9, 7, true}, {18, 10, false}};
    for (const auto& s : spans) {
        box->setSelStart(s.start);
        box->setSelLength(s.length);
        EXPECT_EQ(box->SelBold(), s.bold) << s.start;
    }
}

TEST_F(VerifyReportsTest, FavoriteChangesShowsTheWholeList)
{
    writeFile(report("changes.txt"), "Pac-Man\r\nGals, Panic\r\n");
    frmMain& w = loaded();
    w.mnuReportsChanges->trigger();
    expectShown(w, "Favorite List Changes");
    EXPECT_TRUE(text(w).endsWith("delete this report.\r\n\r\n\r\nPac-Man\r\nGals, Panic\r\n"));
    EXPECT_EQ(readFile(report("changes.txt")), "Pac-Man\r\nGals, Panic\r\n");
}

TEST_F(VerifyReportsTest, UnreadableReportIsShownAndThePanelStaysUsable)
{
    makeDirs(report("roms.txt"));
    frmMain& w = loaded();
    w.mnuReportsLastRom->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith("Error In mnuReportsLastRom_Click: "));
    expectShown(w, "Last ROMs Report");
    w.fraVerify->cmdGameList->click();
    expectNotEntered(w);
}
