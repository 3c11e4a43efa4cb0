// The whole build as its callers run it, against fakemame installed as the MAME folder's program:
// what stays in place when a build fails, the old copies taken once per change of MAME, and the
// files that stopped runs leave behind.
#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameDataRebuild.h"
#include "gamelist/GameRecordFile.h"
#include "platform/FileReplacement.h"

#include "shell/ExecCmd.h"
#include "shell/Progress.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

#include "support/FakeMame.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/MsgBoxScript.h"
#include "support/ScopedEnv.h"

namespace {

class Captions : public Progress {
public:
    void message(const QString& text) override { messages << text; }
    void count(qint32) override {}
    QStringList messages;
};

const QByteArray kListing = "<?xml version=\"1.0\"?>\r\n<mame build=\"0.106\">\r\n"
                            "\t<game name=\"astro\" sourcefile=\"astro.c\">\r\n"
                            "\t\t<description>Astro</description>\r\n"
                            "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" palettesize=\"2\"/>\r\n"
                            "\t</game>\r\n"
                            "\t<game name=\"bolt\" sourcefile=\"bolt.c\">\r\n"
                            "\t\t<description>Bolt</description>\r\n"
                            "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" palettesize=\"2\"/>\r\n"
                            "\t</game>\r\n"
                            "\t<game runnable=\"no\" name=\"bios\" sourcefile=\"bios.c\">\r\n"
                            "\t</game>\r\n"
                            "</mame>\r\n";

// The files of the previous MAME: the current game data and the old copies of the one before.
const std::map<QString, QByteArray> kPrevious = {
    {"listxml.txt", "previous listing\r\n"},   {"crcinfo.txt", "previous crc\r\n"},
    {"gameinfo.txt", "previous records\r\n"},  {"resource.txt", "previous resources\r\n"},
    {"oldlistxml.txt", "oldest listing\r\n"}, {"oldcrcinfo.txt", "oldest crc\r\n"},
    {"oldresource.txt", "oldest resources\r\n"},
};

class GameDataRebuildTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeDirs(report(""));
        installFakeMame(m_mame);
        writeFile(m_root.filePath("listing.xml"), kListing);
    }

    QString report(const QString& name) const { return m_root.filePath("zel app/reports/") + name; }

    Status rebuild(std::optional<MameSizes> newMame = std::nullopt)
    {
        const GameDataRebuild request{m_root.filePath("zel app"), m_root.filePath("zel app"), newMame};
        return RebuildGameData(
            request, [this](const QString& line) { return ExecCmd(line, ShowState::Minimized, m_mame); }, m_game,
            m_rotate, &m_captions);
    }

    void writePrevious()
    {
        for (const auto& [name, bytes] : kPrevious)
            writeFile(report(name), bytes);
    }
    // The files of the reports folder and their bytes.
    std::map<QString, QByteArray> reports() const
    {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(report("")).entryList(QDir::Files | QDir::Hidden))
            files[name] = readFile(report(name));
        return files;
    }
    QStringList runs() const
    {
        QStringList commands;
        for (const FakeMameRun& run : readFakeMameRuns(m_root.filePath("runs.log")))
            commands << run.args.join(' ');
        return commands;
    }

    QTemporaryDir m_root;
    QString m_mame = m_root.filePath("mame folder");
    ScopedEnv m_listing{"ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(m_root.filePath("listing.xml"))};
    ScopedEnv m_log{"ZELVANE_FAKEMAME_LOG", QFile::encodeName(m_root.filePath("runs.log"))};
    MsgBoxScript m_boxes;
    Captions m_captions;
    GameRecord m_game;
    QString m_rotate;
};

} // namespace

TEST_F(GameDataRebuildTest, GeneratedListingBuildsAllFourFilesWithOneRunOfEachCommand)
{
    ScopedEnv generated("ZELVANE_FAKEMAME_LISTXML", "");
    ScopedEnv games("ZELVANE_FAKEMAME_GAMES", "40");
    writeFile(report("resource.txt"), "previous resources\r\n");
    ASSERT_FALSE(rebuild());

    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(runs(), (QStringList{"-listxml", "-listcrc"}));
    EXPECT_GT(QFileInfo(report("crcinfo.txt")).size(), 0);
    EXPECT_EQ(readFile(report("gameinfo.txt")).count("\r\n"), 40);
    EXPECT_TRUE(readFile(report("resource.txt")).startsWith("\t<game runnable=\"no\""));
    EXPECT_TRUE(readFile(report("listxml.txt")).endsWith(readFile(report("resource.txt"))));
    // Without a new MAME only the scan's own copy is taken.
    EXPECT_EQ(readFile(report("oldresource.txt")), "previous resources\r\n");
    EXPECT_FALSE(QFileInfo::exists(report("oldlistxml.txt")));
    EXPECT_EQ(QDir(report("")).entryList(QDir::Files).size(), 5) << "nothing of the run is left beside them";
    EXPECT_EQ(m_captions.messages, (QStringList{"Creating listxml.txt...", "Creating crcinfo.txt...",
                                                "Creating gameinfo.txt...", "Creating resource.txt...", ""}));
}

// The same generated games in both of MAME's layouts give the same records, but for the source
// file's name and the palette size, which today's MAME no longer writes.
TEST_F(GameDataRebuildTest, BothLayoutsOfTheSameGamesGiveTheSameRecords)
{
    ScopedEnv generated("ZELVANE_FAKEMAME_LISTXML", "");
    ScopedEnv games("ZELVANE_FAKEMAME_GAMES", "90");
    std::vector<GameRecord> layouts[2];
    for (const bool current : {false, true}) {
        ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", current ? "current" : "");
        ASSERT_FALSE(rebuild());
        Result<GameRecordReader> reader = GameRecordReader::open(report("gameinfo.txt"));
        ASSERT_TRUE(reader.ok());
        GameRecord record;
        while (!reader->atEnd()) {
            ASSERT_FALSE(reader.value().read(record));
            layouts[current].push_back(record);
        }
    }
    ASSERT_EQ(layouts[0].size(), 90u);
    ASSERT_EQ(layouts[1].size(), 90u) << "no BIOS set and no device among the games";
    for (size_t i = 0; i < 90; ++i) {
        GameRecord older = layouts[0][i];
        const GameRecord& current = layouts[1][i];
        const QString driver = older[GameColumn::Source].chopped(2);
        EXPECT_EQ(current[GameColumn::Source], driver + "/" + driver + ".cpp");
        EXPECT_EQ(current[GameColumn::Palette], "     0");
        older[GameColumn::Source] = current[GameColumn::Source];
        older[GameColumn::Palette] = current[GameColumn::Palette];
        EXPECT_EQ(older, current) << older[GameColumn::ROM].toStdString();
    }
}

TEST_F(GameDataRebuildTest, FailedBuildLeavesEveryFileAsItWasAndIsReported)
{
    const QByteArray unclosed = kListing.left(kListing.indexOf("</mame>"));
    const struct {
        const char* what;
        const char* exitCode;
        QByteArray listing;
        qint64 room; // bytes the disk takes; -1 for no limit
        QStringList runs;
        QString error;
    } cases[] = {
        {"MAME's error", "3", kListing, -1, {"-listxml"}, "mame -listxml ended with exit code 3"},
        {"listing without its closing line", "0", unclosed, -1, {"-listxml", "-listcrc"}, "Input past end of file"},
        // The old copies take 52 bytes, the note 11: the records do not fit.
        {"full disk in the scan", "0", kListing, 80, {"-listxml", "-listcrc"},
         "Disk full: " + QDir::toNativeSeparators(report("gameinfo.txt.build-"))},
        {"full disk in the old copies", "0", kListing, 10, {},
         "Disk full: " + QDir::toNativeSeparators(report("oldlistxml.txt"))},
    };
    for (const auto& c : cases) {
        writePrevious();
        QFile::remove(report("oldcopies.txt"));
        QFile::remove(m_root.filePath("runs.log"));
        writeFile(m_root.filePath("listing.xml"), c.listing);
        ScopedEnv exitCode("ZELVANE_FAKEMAME_EXIT", c.exitCode);
        std::optional<ScopedWriteLimit> disk;
        if (c.room >= 0)
            disk.emplace(c.room);
        const Status failed = rebuild(MameSizes{1000, 2000});
        disk.reset();

        ASSERT_TRUE(failed) << c.what;
        EXPECT_TRUE(failed->description.startsWith(c.error)) << c.what << ": " << failed->description.toStdString();
        EXPECT_EQ(runs(), c.runs) << c.what;
        std::map<QString, QByteArray> expected = kPrevious;
        if (c.room != 10) {
            // The old copies were taken, and the note says for which change.
            expected["oldlistxml.txt"] = kPrevious.at("listxml.txt");
            expected["oldcrcinfo.txt"] = kPrevious.at("crcinfo.txt");
            expected["oldresource.txt"] = kPrevious.at("resource.txt");
            expected["oldcopies.txt"] = "1000 2000\r\n";
        }
        EXPECT_EQ(reports(), expected) << c.what;
    }
}

TEST_F(GameDataRebuildTest, OldCopiesAreTakenOncePerChangeOfMame)
{
    writePrevious();
    // The second run stands for the next start after one that put the new files in place but was
    // stopped before it recorded the new MAME: it must not copy them over the previous version's.
    ASSERT_FALSE(rebuild(MameSizes{1000, 2000}));
    EXPECT_EQ(readFile(report("oldlistxml.txt")), "previous listing\r\n");
    ASSERT_FALSE(rebuild(MameSizes{1000, 2000}));
    EXPECT_EQ(readFile(report("oldlistxml.txt")), "previous listing\r\n");
    EXPECT_EQ(readFile(report("oldcrcinfo.txt")), "previous crc\r\n");
    EXPECT_EQ(readFile(report("oldresource.txt")), "previous resources\r\n");
    EXPECT_EQ(readFile(report("listxml.txt")), kListing);

    // Another change takes them again.
    writeFile(report("listxml.txt"), "listing of 2000\r\n");
    ASSERT_FALSE(rebuild(MameSizes{2000, 3000}));
    EXPECT_EQ(readFile(report("oldlistxml.txt")), "listing of 2000\r\n");

    // A start that finds the change recorded forgets the note; the same change later is a new one.
    EXPECT_FALSE(NewMameDetected(m_root.filePath("zel app"), MameSizes{3000, 3000}));
    EXPECT_FALSE(QFileInfo::exists(report("oldcopies.txt")));
    writeFile(report("listxml.txt"), "listing of 3000\r\n");
    ASSERT_FALSE(rebuild(MameSizes{2000, 3000}));
    EXPECT_EQ(readFile(report("oldlistxml.txt")), "listing of 3000\r\n");
    EXPECT_TRUE(NewMameDetected(m_root.filePath("zel app"), MameSizes{2000, 3000}));
    EXPECT_TRUE(QFileInfo::exists(report("oldcopies.txt")));
    EXPECT_FALSE(NewMameDetected(m_root.filePath("zel app"), MameSizes{0, 3000}));
}

TEST_F(GameDataRebuildTest, WithoutGameInfoAFailedBuildLeavesTheRecordsReadAndNoListing)
{
    const struct {
        const char* what;
        const char* exitCode;
        QByteArray records;
    } cases[] = {
        {"listing cut after the first game", "0", "\"Astro\",\"19??\""},
        {"MAME's error", "2", ""},
    };
    for (const auto& c : cases) {
        writePrevious();
        QFile::remove(report("gameinfo.txt"));
        writeFile(m_root.filePath("listing.xml"), kListing.left(kListing.indexOf("\t\t<description>Bolt")));
        ScopedEnv exitCode("ZELVANE_FAKEMAME_EXIT", c.exitCode);
        ASSERT_TRUE(rebuild()) << c.what;
        // The lists open on what was read, even nothing, so that the window can mend the folders.
        ASSERT_TRUE(QFileInfo::exists(report("gameinfo.txt"))) << c.what;
        EXPECT_TRUE(readFile(report("gameinfo.txt")).startsWith(c.records)) << c.what;
        EXPECT_EQ(readFile(report("gameinfo.txt")).count("\r\n"), c.records.isEmpty() ? 0 : 1) << c.what;
        EXPECT_FALSE(QFileInfo::exists(report("listxml.txt"))) << c.what << ": the next start builds again";
        EXPECT_EQ(readFile(report("crcinfo.txt")), "previous crc\r\n") << c.what;
    }
}

TEST_F(GameDataRebuildTest, FilesLeftByStoppedRunsAreRemovedAndOthersKept)
{
    QStringList left = {report("listxml.txt.build-4242-1f"), report("crcinfo.txt.build-4242-1f")};
    for (const QString& name : left)
        writeFile(name, "half");
    std::vector<std::unique_ptr<FileReplacement>> stopped;
    for (const char* name : {"gameinfo.txt", "oldlistxml.txt", "oldcopies.txt"}) {
        stopped.push_back(std::make_unique<FileReplacement>(report(name)));
        ASSERT_FALSE(stopped.back()->open());
        left << stopped.back()->temporaryPath();
    }
    for (const char* name : {"listxml.txt.bak", "gameinfo.txt.new-a1b2", "whatsnew.txt"})
        writeFile(report(name), "the user's");
    ASSERT_FALSE(rebuild());
    for (const QString& name : left)
        EXPECT_FALSE(QFileInfo::exists(name)) << name.toStdString();
    for (const char* name : {"listxml.txt.bak", "gameinfo.txt.new-a1b2", "whatsnew.txt"})
        EXPECT_EQ(readFile(report(name)), "the user's") << name;
}
