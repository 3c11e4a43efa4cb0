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

class FolderTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

TEST_F(FolderTest, SameFolderTakesOneFolderHoweverItIsWritten)
{
    makeDirs(path("roms"));
    makeDirs(path("roms2"));
    ASSERT_TRUE(QFile::link(path("roms"), path("link")));
    const struct {
        QString a;
        QString b;
        bool same;
    } cases[] = {
        {path("roms"), path("roms"), true},
        {path("roms"), path("roms/"), true},
        {path("roms//"), path("./roms").replace("/./", "/x/../"), true},
        {path("link"), path("roms"), true},           // one folder on disk
        {path("roms"), path("roms2"), false},
        {path("gone"), path("gone/"), true},          // the text alone decides for a missing folder
        {path("gone"), path("gone2"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameFolder(c.a, c.b), c.same) << qPrintable(c.a) << " " << qPrintable(c.b);
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

// A game data line whose ROM name is "." (or no name of one entry) names no game folder.
TEST_F(FolderTest, GameFolderIsOneEntryOfItsFolder)
{
    writeFile(path("nvram/pacman/eeprom"), "x");
    EXPECT_EQ(GameFolder(path("nvram"), QLatin1String("pacman")).path, QDir::toNativeSeparators(path("nvram/pacman")));
    for (const char* rom : {".", "..", "", "sub/pacman"}) {
        SCOPED_TRACE(rom);
        const GamePath item = GameFolder(path("nvram"), QLatin1String(rom));
        EXPECT_EQ(item.path, QString());
        const Status killed = KillGamePath(item);
        ASSERT_TRUE(killed.has_value());
        EXPECT_EQ(killed->number, ErrorNumber::FileNotFound);
        EXPECT_TRUE(QFileInfo::exists(path("nvram/pacman/eeprom")));
    }
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

    // Only the rows up to the count, in the order given.
    const std::vector<ExportRow> rows = {{"b", "Bee"}, {"a", "Ant"}, {"c", "Cat"}};
    EXPECT_EQ(ExportListText(2, [&rows](qint32 i) { return rows[size_t(i)]; }),
              header + "b             Bee\r\na             Ant\r\n\r\nTotal Count:   2 \r\n");
}

} // namespace
