#include "platform/FileReplacement.h"
#include "platform/RuntimeErrorText.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

#include "support/Files.h"
#include "support/FullDisk.h"

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

TEST(FileReplacement, FullDiskAtAnyByteKeepsTheOldFileAndSaysDiskFull)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("options.ini");
    const QByteArray old = "[Miscellaneous]\r\nZelvaneVersion=400\r\n";
    const QByteArray next(10000, 'n');
    for (qint64 limit : {0, 1, 4095, 9999}) {
        writeFile(path, old);
        {
            ScopedWriteLimit full(limit);
            const Status failed = ReplaceWholeFile(path, next);
            ASSERT_TRUE(failed) << limit;
            EXPECT_EQ(failed->number, ErrorNumber::DiskFull) << limit;
        }
        EXPECT_EQ(readFile(path), old) << limit;
        EXPECT_EQ(entries(dir.path()), QStringList{"options.ini"}) << "no temporary file is left behind";
    }
    // A limit that the content fits in is no failure.
    ScopedWriteLimit roomy(next.size());
    EXPECT_FALSE(ReplaceWholeFile(path, next));
    EXPECT_EQ(readFile(path), next);
}

TEST(FileReplacement, AFailedWriteFailsTheCommitAndAnUncommittedOneLeavesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("gameinfo.txt");
    writeFile(path, "old");
    {
        ScopedWriteLimit full(3);
        FileReplacement file(path);
        ASSERT_FALSE(file.open());
        EXPECT_FALSE(file.write("abc"));
        EXPECT_TRUE(file.write("d"));
        SetWriteLimitForTests(-1);
        EXPECT_TRUE(file.write("e")) << "a file with a hole in it is never finished";
        EXPECT_TRUE(file.commit());
    }
    {
        FileReplacement file(path);
        ASSERT_FALSE(file.open());
        ASSERT_FALSE(file.write("new"));
    }
    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(entries(dir.path()), QStringList{"gameinfo.txt"});
}

TEST(FileReplacement, KeepsPermissionsAndLinks)
{
    QTemporaryDir dir;
    const QString real = dir.filePath("real.ini");
    const QString link = dir.filePath("link.ini");
    writeFile(real, "old");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(real, mode));
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_FALSE(ReplaceWholeFile(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(real), "new");
    EXPECT_EQ(QFile::permissions(real) & 0xF0FF, mode & 0xF0FF) << "owner, group and others as before";
}

TEST(FileReplacement, MissingFolderIsPathNotFound)
{
    QTemporaryDir dir;
    const Status failed = ReplaceWholeFile(dir.filePath("no/such/file.txt"), "x");
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->number, ErrorNumber::PathNotFound);
}

TEST(FileReplacement, RealFullFileSystemKeepsTheOldFile)
{
    SmallFileSystem small(64 * 1024);
    if (small.path().isEmpty())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString path = small.path() + "/listxml.txt";
    writeFile(path, "old listing");
    small.fill();
    const Status failed = ReplaceWholeFile(path, QByteArray(256 * 1024, 'x'));
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->number, ErrorNumber::DiskFull);
    EXPECT_EQ(readFile(path), "old listing");
}

// Only the temporary files of the named targets go: never a user's file whose name merely looks
// like one, never one of a file the program does not replace, a folder or a link.
TEST(FileReplacement, LeftoversOfStoppedReplacementsGoAndNothingElse)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    std::optional<FileReplacement> favorites(std::in_place, folder + "/favorite.txt");
    std::optional<FileReplacement> settings(std::in_place, folder + "/pacman.cfg");
    std::optional<FileReplacement> notes(std::in_place, folder + "/notes.txt");
    for (auto* stopped : {&favorites, &settings, &notes})
        ASSERT_FALSE((*stopped)->open());
    const QString unfinished = QFileInfo(favorites->temporaryPath()).fileName();
    const QString mark = unfinished.left(unfinished.size() - 8); // "favorite.txt" and the mark
    const QStringList kept = {"favorite.txt.new-2024", "roms.txt.new-bad", "favorite.txt.new-a", mark + "123",
                              mark + "0123456789", mark + "0123abcg", mark.mid(1) + "0123abcd",
                              QFileInfo(notes->temporaryPath()).fileName()};
    for (const QString& name : kept)
        writeFile(folder + "/" + name, "the user's");
    makeDirs(folder + "/" + mark + "00000001");
    ASSERT_TRUE(QFile::link(favorites->temporaryPath(), folder + "/" + mark + "00000002"));

    RemoveReplacementLeftovers(folder, {"favorite.txt", "roms.txt", "*.cfg"});
    EXPECT_FALSE(QFileInfo::exists(favorites->temporaryPath()));
    EXPECT_FALSE(QFileInfo::exists(settings->temporaryPath()));
    QStringList left = kept;
    left << mark + "00000002";
    left.sort();
    EXPECT_EQ(entries(folder), left);
    EXPECT_TRUE(QFileInfo(folder + "/" + mark + "00000001").isDir());
}
