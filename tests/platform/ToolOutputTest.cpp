#include "platform/AnsiText.h"
#include "platform/Process.h"
#include "platform/RuntimeErrorText.h"
#include "platform/ToolOutput.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

TEST(ToolOutput, OnlyARunThatEndedAndLeftItsFileCounts)
{
    QTemporaryDir dir;
    const QString written = dir.filePath("out.txt");
    writeFile(written, "1 romsets found, 1 were OK.\n");
    struct Case {
        const char* name;
        int exitCode;
        QString path;
        QString failure; // empty: the output counts
    };
    const Case cases[] = {
        {"ended well", 0, written, ""},
        {"ended with bad sets", 2, written, ""},
        {"not started", kCommandNotEnded, written, "mame * did not run to its end"},
        {"no such program", 127, written, "mame * did not run to its end"},
        {"not a program", 126, written, "mame * did not run to its end"},
        {"killed", 128 + 9, written, "mame * did not run to its end"},
        {"no file made", 0, dir.filePath("none.txt"), RuntimeErrorDescription(ErrorNumber::PathFileAccess)},
    };
    for (const Case& c : cases) {
        const Status failed = ToolOutputWritten("mame *", c.exitCode, c.path);
        EXPECT_EQ(failed ? failed->description : QString(), c.failure) << c.name;
    }
}

TEST(LastLines, TakesTheLastLinesThatAreNotBlankInTheirOrder)
{
    EXPECT_EQ(LastLines("\n\r\n  \n", 10), "");
    EXPECT_EQ(LastLines("one\r\n\r\ntwo\nthree\n\n", 10), "one\rtwo\rthree");
    EXPECT_EQ(LastLines("one\ntwo\nthree", 2), "two\rthree");
    // Bytes of another code page stay as they are.
    EXPECT_EQ(toAnsi(LastLines("r\xe9gion \xc3\xa9\n", 1)), "r\xe9gion \xc3\xa9");
}
