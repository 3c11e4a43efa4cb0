#include "platform/ToolFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

TEST(ToolFiles, ClearsTheNamedFilesBeforeAndAfterTheRun)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    writeFile(dir.filePath("out.log"), "left by an earlier run");
    writeFile(dir.filePath("keep.txt"), "the user's");
    {
        const ToolFiles files(folder, {"out.log", "out.txt"});
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.log")));
        EXPECT_EQ(files.path("out.log"), dir.filePath("out.log"));
        writeFile(files.path("out.log"), "this run's");
        writeFile(files.path("out.txt"), "this run's");
        EXPECT_EQ(readFile(files.path("out.log")), "this run's");
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.log")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.txt")));
    EXPECT_EQ(readFile(dir.filePath("keep.txt")), "the user's");
}

TEST(ToolFiles, AnEmptyFolderSettingNeverMeansTheCurrentFolder)
{
    QTemporaryDir dir;
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    writeFile(dir.filePath("out.log"), "the user's");
    {
        const ToolFiles files(QString(), {"out.log"});
        EXPECT_TRUE(files.path("out.log").isEmpty());
    }
    EXPECT_EQ(readFile(dir.filePath("out.log")), "the user's");
    QDir::setCurrent(saved);
}
