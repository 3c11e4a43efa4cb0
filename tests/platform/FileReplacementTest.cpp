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

TEST(FileReplacement, LeftoversOfStoppedReplacementsGoAndNothingElse)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    std::optional<FileReplacement> stopped(std::in_place, folder + "/favorite.txt");
    ASSERT_FALSE(stopped->open());
    const QString unfinished = QFileInfo(stopped->temporaryPath()).fileName();
    writeFile(folder + "/options.ini.new-a", "x");
    writeFile(folder + "/options.ini.new-abc", "x");
    makeDirs(folder + "/folder.new-abc");
    ASSERT_TRUE(QFile::link(folder + "/options.ini.new-abc", folder + "/link.new-abc"));
    RemoveReplacementLeftovers(folder);
    EXPECT_EQ(entries(folder), QStringList({"link.new-abc"}));
    EXPECT_TRUE(QFileInfo(folder + "/folder.new-abc").isDir());
    EXPECT_FALSE(QFileInfo::exists(folder + "/" + unfinished));
}
