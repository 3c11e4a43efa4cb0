#include "wizard/FolderChecks.h"

#include "support/ScopedEnv.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CheckFolder, RefusesWhatIsNoFolderAndDropsOneTrailingSeparator)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("mm"));
    QFile file(dir.filePath("sta"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString mustSelect = "You must select a %1 folder!";
    const QString missing = "The %1 folder does not exist!  Please select an existing folder.";
    const QString unreadable = "The %1 folder's name holds \" or ;, which M.A.M.E. cannot read from mame.ini!  "
                               "Please select another folder.";
    const QString root = "%1 cannot reside in the root!  Please select a folder.";
    const QString invalid = "Invalid selection!  Please try again.";
    // 255 bytes with the folder it lies in.
    const QString tooLong = dir.filePath(QString(255 - dir.path().size() - 1, 'x'));
    ASSERT_TRUE(QDir().mkdir(tooLong.chopped(1)));
    ASSERT_TRUE(QDir(dir.path()).mkdir("a;b"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("say \"hi\""));
    struct Case {
        QString text, name;
        bool required;
        QString path, message; // the message's %1 is the name; empty when the folder passes
    };
    const Case cases[] = {
        {dir.path() + "/", "ROMs", true, dir.path(), ""},
        {"", "Ini", true, "", mustSelect},
        {"/", "Ini", true, "", mustSelect},
        {"//", "Ini", true, "/", mustSelect},
        // Short names are folders here, not drives.
        {"mm", "ROMs", true, dir.filePath("mm"), ""},
        {"", "Additional Roms", false, "", ""},
        {"", "Comment", false, "", ""},
        {dir.filePath("gone"), "Comment", false, dir.filePath("gone"), missing},
        {file.fileName(), "State", true, file.fileName(), missing},
        // mame.ini cannot hold these, whether the folder exists or not.
        {"a;b/", "ROMs", true, dir.filePath("a;b"), unreadable},
        {"say \"hi\"", "Artwork", false, dir.filePath("say \"hi\""), unreadable},
        {dir.filePath("gone;too"), "Comment", false, dir.filePath("gone;too"), unreadable},
        // An optional root would be saved as no folder; a required one is too short.
        {"/", "Additional Roms", false, "", root},
        {"//", "Comment", false, "/", root},
        // options.ini reads back 254 bytes.
        {tooLong.chopped(1) + "/", "ROMs", true, tooLong.chopped(1), ""},
        {tooLong, "ROMs", true, tooLong, invalid},
        {tooLong + "/", "Comment", false, tooLong, invalid},
    };
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const Case& c : cases) {
        const FolderVerdict v = CheckFolder(c.text, c.name, c.required);
        EXPECT_EQ(v.passed, c.message.isEmpty()) << c.text.toStdString();
        EXPECT_EQ(v.path, c.path) << c.text.toStdString();
        EXPECT_EQ(v.message, c.message.isEmpty() ? QString() : c.message.arg(c.name)) << c.text.toStdString();
        EXPECT_EQ(v.title, c.message == invalid ? "Zelvane" : "Directories") << c.text.toStdString();
    }
    QDir::setCurrent(saved);
}

// MAME runs in its own folder and reads mame.ini's folders from there: a typed folder is saved
// as the one the check found, and "~" is the home folder as everywhere else.
TEST(CheckFolder, TypedFolderIsSavedAsTheAbsoluteFolderItNames)
{
    QTemporaryDir dir, home;
    const QString here = QDir(dir.path()).canonicalPath();
    ASSERT_TRUE(QDir(here).mkpath("data/roms/deep"));
    ASSERT_TRUE(QDir(home.path()).mkpath(".mame"));
    // "link/.." is the folder above the link's target, which the cleaned text would not name.
    ASSERT_TRUE(QFile::link(here + "/data/roms/deep", here + "/link"));
    ScopedEnv homeFolder("HOME", QFile::encodeName(home.path()));
    const ScopedCurrentFolder current(here);
    struct Case {
        QString text, path;
        bool passed;
    };
    const Case cases[] = {
        {"data/roms", here + "/data/roms", true},
        {"./data/roms/deep/../../roms/", here + "/data/roms", true},
        {"link/..", here + "/link/..", true},
        {"~", home.path(), true},
        {"~/.mame", home.path() + "/.mame", true},
        // Only "~" alone or before a separator is the home folder.
        {"~.mame", here + "/~.mame", false},
        {here + "/data/../data/roms", here + "/data/../data/roms", true},
    };
    for (const Case& c : cases) {
        const FolderVerdict v = CheckFolder(c.text, "ROMs", true);
        EXPECT_EQ(v.passed, c.passed) << c.text.toStdString();
        EXPECT_EQ(v.path, c.path) << c.text.toStdString();
    }
    EXPECT_EQ(TypedFolder(""), "");
}

TEST(BrowsedFolderText, KeepsTheCaseOnCaseSensitiveFileSystemsAndOnlyTheRootEndsWithTheSeparator)
{
    EXPECT_EQ(BrowsedFolderText("/Emu/MAME"), "/Emu/MAME");
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
