// The bad-set list: which lines of a verify report count as bad sets.
#include "reports/BadSets.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

TEST(WriteBadSets, KeepsOnlyLinesEndingExactlyInIsBad)
{
    struct Case {
        const char* name;
        QByteArray report;
        qint32 count;
        QByteArray bad;
    };
    const Case cases[] = {
        {"crlf", "romset pacman is good\r\nromset mspacman is bad\r\n2 romsets found\r\n", 1, "romset mspacman is bad\r\n"},
        {"lf only, last line unterminated", "romset a is bad\nromset b is good\nromset c is bad", 2,
         "romset a is bad\r\nromset c is bad\r\n"},
        {"cr only", "romset a is bad\rromset b is bad\r", 2, "romset a is bad\r\nromset b is bad\r\n"},
        {"trailing blank, capitals, inside a line", "romset a is bad \r\nromset b IS BAD\r\nis bad here\r\n", 0, ""},
        {"a line that is only the phrase", "is bad\r\n", 1, "is bad\r\n"},
        {"empty report", "", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString report = dir.filePath("temp.txt");
        const QString bad = dir.filePath("bad.txt");
        writeFile(report, c.report);
        const Result<qint32> count = WriteBadSets(report, bad);
        ASSERT_TRUE(count.ok());
        EXPECT_EQ(*count, c.count);
        EXPECT_EQ(readFile(bad), c.bad);
    }
}

TEST(WriteBadSets, CountsPastSixteenBits)
{
    QTemporaryDir dir;
    QByteArray report;
    for (int i = 0; i < 40000; ++i)
        report += "romset x is bad\r\n";
    writeFile(dir.filePath("temp.txt"), report);
    const Result<qint32> count = WriteBadSets(dir.filePath("temp.txt"), dir.filePath("bad.txt"));
    ASSERT_TRUE(count.ok());
    EXPECT_EQ(*count, 40000);
}
