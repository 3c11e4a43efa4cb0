// The game audit's report: the two sections, and a file that cannot be read.
#include "reports/GameAudit.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

TEST(GameAuditReport, RomsThenSamplesEachLineEndingInCrLf)
{
    struct Case {
        const char* name;
        QByteArray temp1, temp2, temp3, temp4;
        QString report;
    };
    const Case cases[] = {
        {"crlf output, ROM runs before sample runs", "romset a is good\r\n", "sampleset a is good\r\n",
         "rom1.bin\r\n", "s1.wav\r\n",
         "ROMs\r\n\r\nromset a is good\r\nrom1.bin\r\n\r\n\r\nSamples\r\n\r\nsampleset a is good\r\ns1.wav\r\n"},
        {"lf and cr line ends, last line unterminated", "x\ny", "", "z\rw\r", "v",
         "ROMs\r\n\r\nx\r\ny\r\nz\r\nw\r\n\r\n\r\nSamples\r\n\r\nv\r\n"},
        {"empty output leaves headings and blank lines", "", "", "", "", "ROMs\r\n\r\n\r\n\r\nSamples\r\n\r\n"},
        {"blank lines of the output are kept", "\r\n\r\n", "", "", "", "ROMs\r\n\r\n\r\n\r\n\r\n\r\nSamples\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        writeFile(dir.filePath("temp1.txt"), c.temp1);
        writeFile(dir.filePath("temp2.txt"), c.temp2);
        writeFile(dir.filePath("temp3.txt"), c.temp3);
        writeFile(dir.filePath("temp4.txt"), c.temp4);
        const Result<QString> report = GameAuditReport(dir.path());
        ASSERT_TRUE(report.ok());
        EXPECT_EQ(*report, c.report);
    }
}

TEST(GameAuditReport, MissingFileNamesItself)
{
    for (const char* missing : {"temp1.txt", "temp2.txt", "temp3.txt", "temp4.txt"}) {
        SCOPED_TRACE(missing);
        QTemporaryDir dir;
        for (const AuditRun& run : kAuditRuns) {
            if (qstrcmp(run.fileName, missing) != 0)
                writeFile(dir.filePath(run.fileName), "line\r\n");
        }
        const Result<QString> report = GameAuditReport(dir.path());
        ASSERT_FALSE(report.ok());
        EXPECT_EQ(report.error().number, 53);
        EXPECT_TRUE(report.error().description.contains(missing));
    }
}
