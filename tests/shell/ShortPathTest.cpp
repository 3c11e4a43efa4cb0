#include "shell/ShortPath.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

TEST(GetShortPath, EmptyOrMissingPathGivesEmpty)
{
    QTemporaryDir dir;
    EXPECT_EQ(GetShortPath(QString()), QString());
    EXPECT_EQ(GetShortPath(dir.filePath("missing")), QString());
    EXPECT_EQ(GetShortPath(dir.filePath("missing/deeper/file.txt")), QString());
}

TEST(GetShortPath, ExistingPathIsItselfWithItsCase)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("My ROMs");
    makeDirs(folder);
    writeFile(dir.filePath("MAME.ini"), "x");
    EXPECT_EQ(GetShortPath(folder), folder);
    EXPECT_EQ(GetShortPath(dir.filePath("MAME.ini")), dir.filePath("MAME.ini"));
    // Lower case would name another file on this file system.
    EXPECT_EQ(CommandPath(folder), folder);
    EXPECT_EQ(CommandPath(dir.filePath("gone")), QString());
}

TEST(JoinPath, UsesTheNativeSeparator)
{
    EXPECT_EQ(JoinPath("/opt/zelvane", "reports/listxml.txt"),
              QDir::toNativeSeparators("/opt/zelvane/reports/listxml.txt"));
}
