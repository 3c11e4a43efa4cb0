// Where the maintenance commands may delete, and the exported list's layout.
#include "reports/ListExport.h"
#include "reports/MaintenanceFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

TEST(GameFile, StaysInsideASetFolder)
{
    const struct {
        const char* folder;
        const char* rom;
        const char* expected;
    } cases[] = {
        {"/m/cfg", "pacman", "/m/cfg/pacman.cfg"},
        {"", "pacman", ""},            // an empty setting is no folder, never the root
        {"/m/cfg", "", ""},            // no game: not the file ".cfg"
        {"/m/cfg", "../pacman", ""},
        {"/m/cfg", "sub/pacman", ""},
        {"/m/cfg", "sub\\pacman", ""},
        {"/m/cfg", "..", ""},
        {"/m/cfg", "c:pacman", ""},
        {"/m/cfg", "pac.man", "/m/cfg/pac.man.cfg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GameFile(c.folder, c.rom, ".cfg"), QDir::toNativeSeparators(c.expected)) << c.folder << " " << c.rom;
}

TEST(RomSetFiles, TakesTheSevenFilesInOrderAndSkipsUnsetFolders)
{
    DirectorySettings dirs;
    dirs.strROMsPath = "/r";
    dirs.strAdditionalROMsPath = "/a";
    dirs.strCfgPath = "/c";
    dirs.strHiscorePath = "/h";
    dirs.strNvramPath = "/n";
    dirs.strInputPath = "";
    dirs.strArtworkPath = "/w";
    dirs.strSamplesPath = "/s";
    dirs.strSnapshotsPath = "/p";
    const std::vector<QString> expected = {"/r/pacman.zip", "/a/pacman.zip", "/c/pacman.cfg", "/h/pacman.hi",
                                           "/n/pacman.nv",  "/w/pacman.zip"};
    std::vector<QString> native;
    for (const QString& path : expected)
        native.push_back(QDir::toNativeSeparators(path));
    EXPECT_EQ(RomSetFiles(dirs, "pacman"), native);
    EXPECT_TRUE(RomSetFiles(dirs, "../pacman").empty());
    EXPECT_TRUE(RomSetFiles(dirs, "").empty());
}

class FolderTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

TEST_F(FolderTest, ListsFilesOnlyAndPicksAnExtensionWithoutRegardToCase)
{
    for (const char* name : {"b.cfg", "A.CFG", "notes.txt", "c.cfg.bak", ".cfg"})
        writeFile(path(name), "x");
    makeDirs(path("pacman.cfg"));
    makeDirs(path("chd"));

    EXPECT_EQ(FolderFiles(m_dir.path()), QStringList({".cfg", "A.CFG", "b.cfg", "c.cfg.bak", "notes.txt"}));
    EXPECT_EQ(FilesWithExtension(m_dir.path(), ".cfg"), QStringList({".cfg", "A.CFG", "b.cfg"}));
    EXPECT_TRUE(FilesWithExtension(m_dir.path(), ".nv").isEmpty());
    EXPECT_TRUE(FolderFiles(QString()).isEmpty());
}

TEST_F(FolderTest, KillFileRemovesOneFileAndNeverAFolderOrALinksTarget)
{
    writeFile(path("game.cfg"), "x");
    makeDirs(path("chd"));
    writeFile(path("chd/disk.chd"), "x");
    QTemporaryDir outside;
    const QString target = outside.filePath("kept.zip");
    writeFile(target, "x");
    ASSERT_TRUE(QFile::link(target, path("link.zip")));

    EXPECT_FALSE(KillFile(path("game.cfg")).has_value());
    EXPECT_FALSE(QFileInfo::exists(path("game.cfg")));

    const Status missing = KillFile(path("game.cfg"));
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->number, ErrorNumber::FileNotFound);

    const Status folder = KillFile(path("chd"));
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->number, ErrorNumber::PathFileAccess);
    EXPECT_TRUE(QFileInfo::exists(path("chd/disk.chd")));

    EXPECT_FALSE(KillFile(path("link.zip")).has_value());
    EXPECT_FALSE(QFileInfo(path("link.zip")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(target));

    EXPECT_EQ(KillFile(QString())->number, ErrorNumber::FileNotFound);
}

TEST(RomNameSet, KnowsAListedSetsZipWithoutRegardToCase)
{
    RomNameSet set;
    set.insert("pacman");
    set.insert("Galaxian");
    const struct {
        const char* file;
        bool listed;
    } cases[] = {
        {"pacman.zip", true}, {"PACMAN.ZIP", true}, {"galaxian.zip", true}, {"pacman", false},
        {"pacman.7z", false}, {"pacman.zip.bak", false}, {"mspacman.zip", false}, {".zip", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(set.listsZip(c.file), c.listed) << c.file;
}

QByteArray exported(const std::vector<ExportRow>& rows)
{
    return ExportListText(qint32(rows.size()), [&rows](qint32 i) { return rows[size_t(i)]; });
}

TEST(ExportListText, WritesNamesAndDescriptionsInPrintZones)
{
    const QByteArray header = "ROM           Game\r\n\r\n";
    EXPECT_EQ(exported({}), header + "\r\nTotal Count:   0 \r\n");

    const struct {
        QString rom;
        QByteArray line;
    } cases[] = {
        {"", "              Empty\r\n"},
        {"pacman", "pacman        Empty\r\n"},
        {"abcdefghijklm", "abcdefghijklm Empty\r\n"},                               // 13: the second zone
        {"abcdefghijklmn", "abcdefghijklmn              Empty\r\n"},                // 14: the third
        {"abcdefghijklmnopqrstuvwxyz0", "abcdefghijklmnopqrstuvwxyz0 Empty\r\n"},   // 27: the third
        {"abcdefghijklmnopqrstuvwxyz01", "abcdefghijklmnopqrstuvwxyz01              Empty\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exported({{c.rom, "Empty"}}), header + c.line + "\r\nTotal Count:   1 \r\n") << qPrintable(c.rom);

    EXPECT_EQ(exported({{"b", "Bee"}, {"a", "Ant"}}),
              header + "b             Bee\r\na             Ant\r\n\r\nTotal Count:   2 \r\n");
}

TEST(ExportListText, StopsAtTheCountAndNamesEachListsFile)
{
    const std::vector<ExportRow> rows = {{"a", "Ant"}, {"b", "Bee"}};
    EXPECT_EQ(ExportListText(1, [&rows](qint32 i) { return rows[size_t(i)]; }),
              "ROM           Game\r\n\r\na             Ant\r\n\r\nTotal Count:   1 \r\n");
    EXPECT_EQ(ExportFileName(GameView::All), "allgames.txt");
    EXPECT_EQ(ExportFileName(GameView::Installed), "installedgames.txt");
    EXPECT_EQ(ExportFileName(GameView::Uninstalled), "uninstalledgames.txt");
}

} // namespace
