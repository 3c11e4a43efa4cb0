#include "platform/OpenFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

#include <set>
#include <string>

namespace {

std::set<std::string> listed(const OpenFolder& folder, bool* listedAtAll = nullptr)
{
    std::set<std::string> names;
    const bool ok =
        folder.listFiles(".zip", [&](QByteArrayView name) { names.insert(name.toByteArray().toStdString()); });
    if (listedAtAll)
        *listedAtAll = ok;
    return names;
}

} // namespace

TEST(OpenFolder, ListsFilesOfTheSuffixInAnyCaseFollowingLinks)
{
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(name); };
    writeFile(at("a.zip"), "PK");
    writeFile(at("B.ZIP"), "PK");
    writeFile(at("notes.txt"), "x");
    writeFile(at("zip"), "x");
    makeDirs(at("folder.zip"));
    ASSERT_TRUE(QFile::link(at("a.zip"), at("linked.Zip")));
    ASSERT_TRUE(QFile::link(at("folder.zip"), at("linkedfolder.zip")));
    ASSERT_TRUE(QFile::link(at("gone"), at("dangling.zip")));

    OpenFolder folder(dir.path());
    ASSERT_TRUE(folder.isOpen());
    bool ok = false;
    EXPECT_EQ(listed(folder, &ok), (std::set<std::string>{"a.zip", "B.ZIP", "linked.Zip"}));
    EXPECT_TRUE(ok);

    const std::pair<const char*, bool> files[] = {
        {"a.zip", true},      {"B.ZIP", true},             {"b.zip", false},        {"linked.Zip", true},
        {"folder.zip", false}, {"linkedfolder.zip", false}, {"dangling.zip", false}, {"missing.zip", false},
    };
    for (const auto& [name, file] : files)
        EXPECT_EQ(folder.isFile(name), file) << name;
}

TEST(OpenFolder, NothingOpensForAnEmptyMissingOrFileText)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("a.zip"), "PK");
    for (const QString& text : {QString(), dir.filePath("missing"), dir.filePath("a.zip")}) {
        OpenFolder folder(text);
        EXPECT_FALSE(folder.isOpen()) << text.toStdString();
        bool ok = true;
        EXPECT_TRUE(listed(folder, &ok).empty());
        EXPECT_FALSE(ok);
        EXPECT_FALSE(folder.isFile("a.zip"));
    }
}
