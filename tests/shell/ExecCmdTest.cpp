#include "shell/ExecCmd.h"

#include "platform/AnsiText.h"
#include "platform/CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>

#include "support/FakeMame.h"
#include "support/Files.h"
#include "support/MsgBoxScript.h"
#include "support/ScopedEnv.h"
#include "support/SharedTestDir.h"

namespace {

const QString kDriveMessage = QStringLiteral("There is a problem communicating with the drive M.A.M.E. is on!  Try again.");

QString canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

class ExecCmdTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_start = QDir::currentPath();
        makeDirs(m_mame);
        makeDirs(m_elsewhere);
        ASSERT_TRUE(QDir::setCurrent(m_elsewhere));
    }
    void TearDown() override { QDir::setCurrent(m_start); }

    QString inMame(const QString& name) const { return QDir(m_mame).filePath(name); }

    QTemporaryDir m_root;
    const QString m_mame = m_root.filePath("mame folder");
    const QString m_elsewhere = m_root.filePath("elsewhere");
    QString m_start;
    MsgBoxScript m_boxes;
};

} // namespace

TEST_F(ExecCmdTest, RunsInTheMameFolderAndRestoresTheCurrentFolder)
{
    ExecCmd("pwd > here.txt", ShowState::Minimized, m_mame);
    EXPECT_EQ(canonical(QString::fromLocal8Bit(readFile(inMame("here.txt")).trimmed())), canonical(m_mame));
    EXPECT_EQ(canonical(QDir::currentPath()), canonical(m_elsewhere));

    // Also when the command did nothing, or changed its own folder and failed.
    ExecCmd("true", ShowState::Normal, m_mame);
    EXPECT_EQ(canonical(QDir::currentPath()), canonical(m_elsewhere));
    ExecCmd("cd / && exit 3", ShowState::Minimized, m_mame);
    EXPECT_EQ(canonical(QDir::currentPath()), canonical(m_elsewhere));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ExecCmdTest, ReturnsTheCommandsExitCode)
{
    const struct {
        const char* line;
        int code;
    } cases[] = {
        {"true", 0},
        {"exit 3", 3},
        {"no-such-program-anywhere", 127},
        {"kill -9 $$", kCommandNotEnded},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExecCmd(c.line, ShowState::Minimized, m_mame), c.code) << c.line;
}

TEST_F(ExecCmdTest, ReturnsOnlyAfterTheCommandHasEnded)
{
    ExecCmd("sleep 1; echo done > late.txt", ShowState::Minimized, m_mame);
    EXPECT_EQ(readFile(inMame("late.txt")), "done\n");
}

TEST_F(ExecCmdTest, MameFolderThatCannotBeEnteredShowsTheDriveMessageOnceAndStartsNothing)
{
    writeFile(m_root.filePath("a file"), "x");
    const QString marker = m_root.filePath("started.txt");
    for (const QString& folder : {m_root.filePath("missing"), m_root.filePath("a file"), QString()}) {
        MsgBoxScript boxes;
        EXPECT_EQ(ExecCmd("echo started > " + QuoteArg(marker), ShowState::Minimized, folder), kCommandNotEnded);
        ASSERT_EQ(boxes.shown().size(), 1u) << folder.toStdString();
        EXPECT_EQ(boxes.shown()[0].prompt, kDriveMessage);
        EXPECT_EQ(boxes.shown()[0].style, 16);
        EXPECT_EQ(boxes.shown()[0].title, "Zelvane");
        EXPECT_FALSE(QFileInfo::exists(marker));
        EXPECT_EQ(canonical(QDir::currentPath()), canonical(m_elsewhere));
    }
}

TEST_F(ExecCmdTest, WildcardReachesTheCommandUnexpanded)
{
    writeFile(inMame("puckman.zip"), "zip");
    ExecCmd("printf '[%s]' * > star.txt", ShowState::Minimized, m_mame);
    EXPECT_EQ(readFile(inMame("star.txt")), "[*]");
}

TEST_F(ExecCmdTest, StandardInputIsTheNullDevice)
{
    ExecCmd("readlink /proc/self/fd/0 > stdin.txt", ShowState::Minimized, m_mame);
    EXPECT_EQ(readFile(inMame("stdin.txt")), "/dev/null\n");
}

TEST_F(ExecCmdTest, MameIsTheMameFoldersProgramNeverAnotherOnThePath)
{
    // A packaged MAME on the PATH that must never stand in for the MAME folder's own.
    const QString decoyFolder = m_root.filePath("decoy");
    const QString decoyRan = m_root.filePath("decoy ran");
    for (const char* name : {"mame", "mamex"}) {
        writeFile(QDir(decoyFolder).filePath(name), "#!/bin/sh\necho decoy > " + QuoteArg(decoyRan).toUtf8() + "\n");
        QFile::setPermissions(QDir(decoyFolder).filePath(name), QFile::ReadOwner | QFile::ExeOwner);
    }
    ScopedEnv path("PATH", QFile::encodeName(decoyFolder) + ':' + qgetenv("PATH"));

    // Without a program of its own the MAME folder runs nothing, and says so in the exit code.
    EXPECT_EQ(ExecCmd("mame -help > help.txt", ShowState::Minimized, m_mame), 127);
    EXPECT_EQ(readFile(inMame("help.txt")), "");
    EXPECT_FALSE(QFileInfo::exists(decoyRan));

    installFakeMame(m_mame);
    ExecCmd("mame -help > help.txt", ShowState::Minimized, m_mame);
    EXPECT_TRUE(readFile(inMame("help.txt")).startsWith("M.A.M.E. v"));
    ExecCmd("mame", ShowState::Minimized, m_mame);
    EXPECT_FALSE(QFileInfo::exists(decoyRan));

    // A MAME folder given relative to the current folder is the same folder for the command.
    QDir::setCurrent(m_root.path());
    ExecCmd("mame -help > relative.txt", ShowState::Minimized, "mame folder");
    EXPECT_TRUE(readFile(inMame("relative.txt")).startsWith("M.A.M.E. v"));
    EXPECT_FALSE(QFileInfo::exists(decoyRan));

    // Only the word "mame" is MAME: another program keeps its usual search.
    ExecCmd("mamex", ShowState::Minimized, m_mame);
    EXPECT_TRUE(QFileInfo::exists(decoyRan));
}

TEST_F(ExecCmdTest, QuotedWordsReachTheCommandIntactAndNeverRunAsSyntax)
{
    const QStringList words = {"", "*", "~", "a b", "it's", "$HOME", "\\n", "line\nbreak", "\"dq\"", "é", "-n",
                               "a;touch pwned", "x & touch pwned", "`touch pwned`", "$(touch pwned)",
                               "a|touch pwned", "x>pwned", "(touch pwned)", "#comment", "tab\tand"};
    QString line = "printf '[%s]'";
    QString expected;
    for (const QString& word : words) {
        line += ' ' + QuoteArg(word);
        expected += '[' + word + ']';
    }
    // The output file's name is a word too.
    const QString output = QDir(m_elsewhere).filePath("it's $x; & out");
    ExecCmd(line + " > " + QuoteArg(output), ShowState::Minimized, m_mame);
    EXPECT_EQ(QString::fromUtf8(readFile(output)), expected);
    for (const QString& folder : {m_root.path(), m_mame, m_elsewhere})
        EXPECT_FALSE(QFileInfo::exists(QDir(folder).filePath("pwned"))) << folder.toStdString();
}

TEST_F(ExecCmdTest, MameFolderWithBlanksColonsAndQuotes)
{
    const QString folder = m_root.filePath("it's $x; a:b & c");
    installFakeMame(folder);
    const QString output = QDir(folder).filePath("help out.txt");
    ExecCmd("mame -help > " + QuoteArg(output), ShowState::Minimized, folder);
    EXPECT_TRUE(readFile(output).startsWith("M.A.M.E. v"));
}

// A settings file's Other Commands or a folder's name may hold bytes of another code page beside
// UTF-8 ones: the command gets them, and the folder it runs in, as the text holds them.
TEST_F(ExecCmdTest, BytesOfTheLineAndOfTheMameFolderReachTheCommandAsTheTextHoldsThem)
{
    const QByteArray word = "-snapshot_directory=caf\xe9 \xc3\xa9";
    const QString log = m_root.filePath("argv.txt");
    const QByteArray folder = QFile::encodeName(m_root.path()) + "/m\xe9me \xc3\xa9";
    ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
    std::FILE* script = std::fopen(folder + "/mame", "w");
    ASSERT_TRUE(script);
    std::fputs("#!/bin/sh\n{ pwd -P; for a; do printf '[%s]' \"$a\"; done; } > " + QuoteArg(log).toUtf8() + "\n", script);
    std::fclose(script);
    ASSERT_EQ(::chmod(folder + "/mame", 0755), 0);

    EXPECT_EQ(ExecCmd("mame " + QuoteArg(fromAnsi(word)) + " -inipath " + QuoteArg(fromAnsi(folder)),
                      ShowState::Minimized, fromAnsi(folder)),
              0);
    const QByteArray real = QFile::encodeName(canonical(m_root.path())) + "/m\xe9me \xc3\xa9";
    EXPECT_EQ(readFile(log), real + "\n[" + word + "][-inipath][" + folder + "]");
}

TEST(ExecCmdDeathTest, CurrentFolderGoneAfterTheRunEndsTheProgram)
{
    SharedTestDir shared;
    const QString gone = shared.filePath("gone");
    const QString mame = shared.filePath("mame");
    makeDirs(gone);
    makeDirs(mame);
    const QString start = QDir::currentPath();
    EXPECT_EXIT(
        {
            MsgBoxScript boxes;
            QDir::setCurrent(gone);
            ExecCmd("rmdir " + QuoteArg(gone), ShowState::Minimized, mame);
            writeFile(shared.filePath("after.txt"), "ran");
        },
        [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; },
        ::testing::HasSubstr("MsgBox: Error In ExecCmd: Path not found|16|Zelvane\n"));
    EXPECT_FALSE(QFileInfo::exists(shared.filePath("after.txt")));
    EXPECT_EQ(QDir::currentPath(), start);
}
