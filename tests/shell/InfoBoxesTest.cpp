#include "shell/InfoBoxes.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(StartUpTimeText, RoundsHalvesToEven)
{
    EXPECT_EQ(StartUpTimeText(100.0f, 102.5f), "2 Second(s)");
    EXPECT_EQ(StartUpTimeText(100.0f, 103.5f), "4 Second(s)");
    EXPECT_EQ(StartUpTimeText(100.0f, 100.4f), "0 Second(s)");
    EXPECT_EQ(StartUpTimeText(100.0f, 112.75f), "13 Second(s)");
    // A start-up across midnight counts the day it crossed.
    EXPECT_EQ(StartUpTimeText(86398.5f, 2.0f), "4 Second(s)");
}

TEST(PathInformationText, FourteenLinesWithTabsAndEmptyTempCopies)
{
    ProgramPaths paths;
    paths.strAppPath = "/opt/Zelvane";
    paths.strShortAppPath = "/opt/zelvane";
    DirectorySettings dirs;
    dirs.strMAMEPath = "/emu/mame";
    dirs.strShortMAMEPath = "/emu/mame";
    dirs.strROMsPath = "/emu/roms";
    dirs.strAdditionalROMsPath = "/more";
    const QStringList lines = PathInformationText(paths, dirs).split('\r');
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0], "Application Path:\t\t/opt/Zelvane");
    EXPECT_EQ(lines[1], "Short Application Path:\t/opt/zelvane");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "M.A.M.E. Path:\t\t/emu/mame");
    EXPECT_EQ(lines[5], "Temp M.A.M.E. Path:\t");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "ROMs Path:\t\t/emu/roms");
    EXPECT_EQ(lines[8], "Short ROMs Path:\t\t");
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[11], "Additional ROMs Path:\t/more");
    EXPECT_EQ(lines[13], "Temp Additional ROMs Path:\t");
}
