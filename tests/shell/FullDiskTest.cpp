// options.ini on a full disk: the start, the shutdown and the recovery from a failing load keep
// the user's file whole, and the user hears of a write that was lost.
#include "support/MainWindowFixture.h"

#include "platform/FileReplacement.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <gmock/gmock.h>

#include <csignal>

#include "support/Files.h"
#include "support/FullDisk.h"

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// options.ini as a start leaves it: with AutoRun, which every start stores.
void addAutoRun(const QString& optionsIni)
{
    QByteArray text = readFile(optionsIni);
    text.replace("MAMESize=", "AutoRun=False\r\nMAMESize=");
    writeFile(optionsIni, text);
}

} // namespace

TEST_F(MainWindowTest, FullDiskAtStartKeepsOptionsWholeAndTheNextStartNeedsNoWizard)
{
    writeGames(fiveGames());
    struct Case {
        const char* name;
        QByteArray version;
        bool mameIni;     // mame.ini is there already
        bool optionsTold; // the start had something to store in options.ini
    };
    const Case cases[] = {
        // An ordinary start stores nothing new: nothing is written, nothing is said.
        {"ordinary", "4.0.0", true, false},
        // An older file is to get this version's number; mame.ini missing is to be written.
        {"older version", "3.4.1", true, true},
        {"mame.ini missing", "4.0.0", false, false},
    };
    for (const Case& c : cases) {
        writeOptions({}, c.version);
        addAutoRun(optionsIni());
        const QString mameIni = mame() + "/mame.ini";
        if (c.mameIni)
            writeFile(mameIni, "# base\r\n");
        else
            QFile::remove(mameIni);
        const QByteArray before = readFile(optionsIni());
        for (bool full : {true, false}) {
            IniService::instance().dropAll();
            m_state = AppState();
            m_boxes.clearShown();
            {
                std::optional<ScopedWriteLimit> limit;
                if (full)
                    limit.emplace(0);
                load();
            }
            EXPECT_EQ(m_state.counts.intAllCount, 5) << c.name;
            m_window.reset();
            std::vector<std::string> told;
            for (const MsgBoxScript::Shown& box : m_boxes.shown())
                told.push_back(box.prompt.toStdString());
            std::vector<::testing::Matcher<std::string>> expected;
            if (full && c.optionsTold)
                expected.push_back(HasSubstr(DiskFullPrompt(optionsIni())));
            if (full && !c.mameIni)
                expected.push_back(HasSubstr(DiskFullPrompt(mameIni)));
            EXPECT_THAT(told, ::testing::ElementsAreArray(expected)) << c.name << (full ? " full" : " with room");
            if (full) {
                EXPECT_EQ(readFile(optionsIni()), before) << c.name;
            }
        }
        // The start with room stored what the full one could not.
        EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "ZelvaneVersion"), "4.0.0") << c.name;
        EXPECT_TRUE(QFileInfo::exists(mameIni)) << c.name;
    }
}

TEST_F(MainWindowTest, FullDiskAtShutdownKeepsOptionsAndSaysSoUnlessTheSessionEnds)
{
    writeGames(fiveGames());
    struct Case {
        const char* name;
        bool sessionEnd;
    };
    for (const Case c : {Case{"close", false}, Case{"session end", true}}) {
        writeOptions();
        addAutoRun(optionsIni());
        const QByteArray before = readFile(optionsIni());
        shareFolderWithChild();
        const auto told = HasSubstr("MsgBox: " + DiskFullPrompt(optionsIni()));
        EXPECT_EXIT(
            {
                frmMain& w = load();
                w.mnuViewInstalled->trigger();
                SetWriteLimitForTests(0);
                if (c.sessionEnd) {
                    std::raise(SIGTERM);
                    for (int i = 0; i < 10; ++i)
                        QCoreApplication::processEvents();
                }
                w.close();
            },
            ::testing::ExitedWithCode(0),
            c.sessionEnd ? ::testing::Matcher<const std::string&>(Not(told)) : ::testing::Matcher<const std::string&>(told))
            << c.name;
        EXPECT_EQ(readFile(optionsIni()), before) << c.name;
    }
}

TEST_F(MainWindowTest, FailingLoadThatCannotKeepABackupEndsAndLeavesOptionsAlone)
{
    writeGames(fiveGames());
    writeOptions();
    const QByteArray original = readFile(optionsIni());
    QFile::remove(mame() + "/mame");
    // A folder in the backup's place: the rename cannot replace it.
    makeDirs(optionsIni() + ".bak/in the way");
    shareFolderWithChild();
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0),
                AllOf(HasSubstr("MsgBox: Problem in options.ini file, and Zelvane could not keep it as"),
                      Not(HasSubstr("Wizard: shown")), Not(HasSubstr("will now create a new one"))));
    EXPECT_EQ(readFile(optionsIni()), original);
}
