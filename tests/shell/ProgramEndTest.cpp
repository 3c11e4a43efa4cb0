#include "shell/ProgramEnd.h"

#include "shell/IniFile.h"

#include <QFileInfo>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include "support/Files.h"
#include "support/MsgBoxScript.h"
#include "support/SharedTestDir.h"

namespace {

bool exitedNonZero(int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; }

// Called through a pointer the compiler cannot see through, so that the statements after the
// call are compiled and would run if it returned.
void (*volatile fatal)(const QString&, int, const QString&) = &FatalError;

void failingProcedure(const QString& marker)
{
    fatal(QStringLiteral("Error In Test: it broke"), 16, QStringLiteral("Zelvane"));
    writeFile(marker, "the procedure went on");
}

void callerOf(const QString& procedureMarker, const QString& callerMarker)
{
    failingProcedure(procedureMarker);
    writeFile(callerMarker, "the caller went on");
}

class ProgramEndDeathTest : public ::testing::Test {
protected:
    void SetUp() override { IniService::instance().dropAll(); }
    void TearDown() override { IniService::instance().dropAll(); }
    SharedTestDir m_shared;
};

} // namespace

TEST_F(ProgramEndDeathTest, AfterFatalErrorNothingOfTheProcedureOrItsCallersRunsButIniWritesAreKept)
{
    const QString procedureMarker = m_shared.filePath("procedure.txt");
    const QString callerMarker = m_shared.filePath("caller.txt");
    const QString ini = m_shared.filePath("options.ini");
    EXPECT_EXIT(
        {
            MsgBoxScript boxes;
            WriteINI(ini, "View", "AllIndex", 40000);
            callerOf(procedureMarker, callerMarker);
        },
        exitedNonZero, ::testing::HasSubstr("MsgBox: Error In Test: it broke|16|Zelvane\n"));
    EXPECT_FALSE(QFileInfo::exists(procedureMarker));
    EXPECT_FALSE(QFileInfo::exists(callerMarker));
    EXPECT_EQ(ReadINI(ini, "View", "AllIndex", "missing"), "40000");
}

TEST_F(ProgramEndDeathTest, EndProgramWritesThePendingIniWritesThenEnds)
{
    const QString ini = m_shared.filePath("options.ini");
    const QString after = m_shared.filePath("after.txt");
    EXPECT_EXIT(
        {
            WriteINI(ini, "Miscellaneous", "AutoRun", true);
            // The write waits in the cache until the end flushes it.
            if (QFileInfo::exists(ini))
                std::_Exit(3);
            EndProgram(0);
            writeFile(after, "ran on");
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadINI(ini, "Miscellaneous", "AutoRun", "missing"), "True");
    EXPECT_FALSE(QFileInfo::exists(after));
}
