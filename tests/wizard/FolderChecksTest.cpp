#include "wizard/FolderChecks.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CheckFolder, TrailingSeparatorIsDroppedFromAnExistingFolder)
{
    QTemporaryDir dir;
    const FolderVerdict v = CheckFolder(dir.path() + "/", "ROMs", true);
    EXPECT_TRUE(v.passed);
    EXPECT_EQ(v.path, dir.path());
}

TEST(CheckFolder, RequiredFolderRefusesEmptyTextAndTheRootOnly)
{
    for (const char* text : {"", "/", "//"}) {
        const FolderVerdict v = CheckFolder(text, "Ini", true);
        EXPECT_FALSE(v.passed) << text;
        EXPECT_EQ(v.message, "You must select a Ini folder!");
    }
}

TEST(CheckFolder, ShortFolderNamesAreFoldersHereNotDrives)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("mm"));
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const FolderVerdict v = CheckFolder("mm", "ROMs", true);
    QDir::setCurrent(saved);
    EXPECT_TRUE(v.passed);
    EXPECT_EQ(v.path, "mm");
}

TEST(CheckFolder, OptionalFolderMayBeEmptyButNotMissing)
{
    EXPECT_TRUE(CheckFolder("", "Additional Roms", false).passed);
    EXPECT_TRUE(CheckFolder("", "Comment", false).passed);
    QTemporaryDir dir;
    const FolderVerdict v = CheckFolder(dir.filePath("gone"), "Comment", false);
    EXPECT_FALSE(v.passed);
    EXPECT_EQ(v.message, "The Comment folder does not exist!  Please select an existing folder.");
}

TEST(CheckFolder, AFileIsNoFolder)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("sta"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const FolderVerdict v = CheckFolder(file.fileName(), "State", true);
    EXPECT_FALSE(v.passed);
    EXPECT_EQ(v.message, "The State folder does not exist!  Please select an existing folder.");
}

TEST(BrowsedFolderText, KeepsTheCaseOnCaseSensitiveFileSystems)
{
    EXPECT_EQ(BrowsedFolderText("/Emu/MAME"), "/Emu/MAME");
}

TEST(IsRootFolder, OnlyTheRootEndsWithTheSeparator)
{
    EXPECT_TRUE(IsRootFolder("/"));
    EXPECT_FALSE(IsRootFolder("/emu"));
    EXPECT_FALSE(IsRootFolder(""));
}

TEST(IsStorableFolder, RefusesWhatOptionsIniCannotHoldAsItIs)
{
    EXPECT_TRUE(IsStorableFolder("/emu/MAME 0.1"));
    EXPECT_FALSE(IsStorableFolder("/emu/two\nlines"));
    EXPECT_TRUE(IsStorableFolder("/" + QString(253, 'a')));
    EXPECT_FALSE(IsStorableFolder("/" + QString(254, 'a')));
}

TEST(FillFromMame, AppendsTheSubFolderOnceSeparated)
{
    EXPECT_EQ(FillFromMame("/emu/mame", "roms"), "/emu/mame/roms");
    EXPECT_EQ(FillFromMame("/emu/mame", ""), "/emu/mame");
    EXPECT_EQ(FillFromMame("/", "roms"), "/roms");
}

TEST(YearList, RunsFrom1975ToTheLastCompleteYear)
{
    const QStringList years = YearList(2026);
    ASSERT_EQ(years.size(), 51);
    EXPECT_EQ(years.first(), "1975");
    EXPECT_EQ(years.last(), "2025");
}
