#include "wizard/AboutInfo.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

TEST(MameVersionFromHelp, TheNameLineCutBeforeItsParenthesis)
{
    const struct {
        const char* output;
        const char* version;
    } cases[] = {
        {"M.A.M.E. v0.106 (Jun 12 2006)\r\nUsage\r\n", "M.A.M.E. Version 0.106"},
        {"Some banner\nM.A.M.E. v0.37b16 (fakemame)\n", "M.A.M.E. Version 0.37b16"},
        {"M.A.M.E. v0.106 (a)\r\nM.A.M.E. v0.200 (b)\r\n", "M.A.M.E. Version 0.106"},
        {"MAME v0.251 (unknown)\nCopyright MAMEdev and contributors\n", "MAME Version 0.251"},
        {"Banner\nMAME v0.251 (mame0251)\nM.A.M.E. v0.106 (b)\n", "MAME Version 0.251"},
        {"MAME -listxml (usage)\n", "Unknown"},
        {"MAME v0.251 without build\n", "Unknown"},
        {"m.a.m.e. v0.106 (lower case)\r\n", "Unknown"},
        {"M.A.M.E. v0.106 without build date\r\n", "Unknown"},
        {"Usage: mame gamename\r\n", "Unknown"},
        {"", "Unknown"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MameVersionFromHelp(c.output), QString::fromLatin1(c.version)) << c.output;
}

TEST(ListExtras, MatchesTheEndingWithoutRegardToCaseSorted)
{
    QTemporaryDir dir;
    for (const char* name : {"b.ZIP", "a.zip", "C.Zip", "readme.txt", "zip", "d.zip.bak"})
        writeFile(dir.filePath(name), "x");
    makeDirs(dir.filePath("folder.zip"));
    const Result<QStringList> files = ListExtras(dir.path(), ".zip");
    ASSERT_TRUE(files.ok());
    EXPECT_EQ(*files, QStringList({"a.zip", "b.ZIP", "C.Zip"}));
}

TEST(ListExtras, NoFolderIsPathNotFound)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("file"), "x");
    for (const QString& folder : {dir.filePath("missing"), dir.filePath("file"), QString()}) {
        const Result<QStringList> files = ListExtras(folder, ".dat");
        ASSERT_FALSE(files.ok()) << folder.toStdString();
        EXPECT_EQ(files.error().number, ErrorNumber::PathNotFound);
    }
}

// The icons may stand in "icons" (as MAME and the icon timer name it) or in a copy's "Icons".
TEST(ExtrasPath, IconsFolderInAnyLetterCase)
{
    const struct {
        std::vector<const char*> folders;
        const char* file; // a file, not a folder, of that name; or nullptr
        const char* found;
        bool listed;
    } cases[] = {
        {{"icons"}, nullptr, "icons", true},
        {{"Icons"}, nullptr, "Icons", true},
        {{"ICONS"}, nullptr, "ICONS", true},
        {{"icons", "Icons"}, nullptr, "Icons", true},
        {{}, "icons", "Icons", false},
        {{"iconsx", "Icon"}, nullptr, "Icons", false},
    };
    for (const auto& c : cases) {
        QTemporaryDir mame;
        DirectorySettings dirs;
        dirs.strMAMEPath = mame.path();
        for (const char* folder : c.folders) {
            makeDirs(mame.filePath(folder));
            writeFile(mame.filePath(folder) + "/" + folder + ".ico", "x");
        }
        if (c.file)
            writeFile(mame.filePath(c.file), "x");
        const QString path = ExtrasPath(extrasFolder(Extras::Icons), dirs);
        EXPECT_EQ(path, QDir::toNativeSeparators(mame.filePath(c.found))) << c.found;
        const Result<QStringList> files = ListExtras(path, ".ico");
        if (!c.listed) {
            EXPECT_FALSE(files.ok()) << c.found;
        } else {
            ASSERT_TRUE(files.ok()) << c.found;
            EXPECT_EQ(*files, QStringList(QString(c.found) + ".ico"));
        }
    }
}
