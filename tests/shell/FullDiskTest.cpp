// options.ini on a full disk: the start, the shutdown and the recovery from a failing load keep
// the user's file whole, and the user hears of a write that was lost.
#include "support/MainWindowFixture.h"

#include "platform/FileReplacement.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gmock/gmock.h>

#include <csignal>

#include "support/Files.h"
#include "support/FullDisk.h"

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

std::string notSaved(const QString& file)
{
    return ("Zelvane could not save " + QDir::toNativeSeparators(file) + ": Disk full.").toStdString();
}

// options.ini as a start leaves it: with AutoRun, which every start stores.
void addAutoRun(const QString& optionsIni)
{
    QByteArray text = readFile(optionsIni);
    text.replace("MAMESize=", "AutoRun=False\r\nMAMESize=");
    writeFile(optionsIni, text);
}

} // namespace

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
