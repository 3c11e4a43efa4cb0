// The shapes of the verify reports and of the favorites change list.
#include "reports/StoredReports.h"

#include <gtest/gtest.h>

TEST(MoveSummary, SummaryToTheTopAndEndOfReportInItsPlace)
{
    struct Case {
        const char* name;
        bool roms;
        QString report;
        QString shown;
    };
    const Case cases[] = {
        {"MAME's usual report", true, "romset a is good\r\nromset b is bad\r\n2 romsets found, 1 were OK.\r\n",
         "2 romsets found, 1 were OK.\r\n\r\nromset a is good\r\nromset b is bad\r\n\r\nEnd of report.\r\n"},
        {"samples", false, "sampleset x is bad\r\n1 samplesets found, 0 were OK.\r\n",
         "1 samplesets found, 0 were OK.\r\n\r\nsampleset x is bad\r\n\r\nEnd of report.\r\n"},
        {"the phrase in any case", true, "a\r\n3 Romsets Found\r\n", "3 Romsets Found\r\n\r\na\r\n\r\nEnd of report.\r\n"},
        {"a summary within the report", true, "a\r\n2 romsets found\r\nb\r\n",
         "2 romsets found\r\n\r\na\r\n\r\nEnd of report.\r\nb\r\n"},
        {"the summary as the last line without a line end", true, "a\r\n1 romsets found",
         "1 romsets found\r\n\r\na\r\n\r\nEnd of report."},
        {"the summary as the first line", true, "1 romsets found\r\na\r\n",
         "1 romsets found\r\n\r\n\r\nEnd of report.\r\na\r\n"},
        {"no summary phrase, other lines kept out", true, "romset a is bad\r\nnothing else\r\n", "No sets were found."},
        {"the ROM phrase in a samples report", false, "a\r\n1 romsets found\r\n", "No sets were found."},
        {"the phrase at the very start is not looked at", true, "romsets found\r\n", "No sets were found."},
        {"empty report", true, "", "No sets were found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MoveSummary(c.report, c.roms), c.shown);
    }
}

TEST(FavoriteChangesText, EveryLineOfTheFileAfterTheExplanation)
{
    const QString head =
        "These games have been removed from your favorites list because something about them has changed with this "
        "version of M.A.M.E. or M.A.M.E. no longer supports them.  You can add them again if they are still "
        "supported.\r\rNOTE: This list is cumulative.  If you want to reset it for next time, goto the Maintenance "
        "screen and delete this report.\r\r\r";
    struct Case {
        const char* name;
        QByteArray file;
        QString lines;
    };
    const Case cases[] = {
        {"empty file", "", ""},
        {"earlier entries kept, commas whole", "Pac-Man\r\nGals, Panic\r\nPac-Man\r\n", "Pac-Man\rGals, Panic\rPac-Man\r"},
        {"LF line ends and no last line end", "Zaxxon\nGalaxian", "Zaxxon\rGalaxian\r"},
        {"an empty line stays", "a\r\n\r\nb\r\n", "a\r\rb\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FavoriteChangesText(c.file), head + c.lines);
    }
}
