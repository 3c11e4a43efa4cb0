#include "gamelist/GameDataBuilder.h"

#include "shell/Progress.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

class RecordedProgress : public Progress {
public:
    void message(const QString& text) override { messages.push_back(text); }
    void count(qint32 games) override { counts.push_back(games); }
    std::vector<QString> messages;
    std::vector<qint32> counts;
};

// MAME's layout: one tab before a game line, two before the lines inside it.
const QByteArray kHeader = "<?xml version=\"1.0\"?>\r\n"
                           "<!DOCTYPE mame [\r\n"
                           "\t\t<!ATTLIST game runnable (yes|no) \"yes\">\r\n"
                           "]>\r\n"
                           "\r\n"
                           "<mame build=\"0.106 (May 16 2006)\">\r\n";
const QByteArray kPuckman = "\t<game name=\"puckman\" sourcefile=\"pacman.c\">\r\n"
                            "\t\t<description>PuckMan (Japan set 1)</description>\r\n"
                            "\t\t<year>1980</year>\r\n"
                            "\t\t<manufacturer>Namco</manufacturer>\r\n"
                            "\t\t<rom name=\"namcopac.6e\" size=\"4096\" crc=\"fee263b3\" region=\"cpu1\" offset=\"0\"/>\r\n"
                            "\t\t<chip type=\"cpu\" name=\"Z80\" clock=\"3072000\"/>\r\n"
                            "\t\t<display type=\"raster\" rotate=\"90\" width=\"288\" height=\"224\" refresh=\"60.606061\" />\r\n"
                            "\t\t<driver status=\"good\" emulation=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" savestate=\"supported\" palettesize=\"512\"/>\r\n"
                            "\t</game>\r\n";
const QByteArray kPuckmanRecord = "\"PuckMan (Japan set 1)\",\"1980\",\"Good\",\"Good\",\"Good\",\"Good\",\"   512\","
                                  "\"Namco\",\"Raster\",\" 288x224\",\"Vertical\",\"60.606061\",\"Original\","
                                  "\"puckman\",\"pacman.c\",\"N/A\",\"No\"\r\n";
const QByteArray kResources = "\t<game runnable=\"no\" name=\"neogeo\" sourcefile=\"neogeo.c\">\r\n"
                              "\t\t<description>Neo-Geo</description>\r\n"
                              "\t\t<biosset name=\"euro\" description=\"Europe MVS (Ver. 2)\" default=\"yes\"/>\r\n"
                              "\t</game>\r\n"
                              "</mame>\r\n";

// A game of the given lines between its game line and its end.
QByteArray game(const QByteArray& gameLine, const QByteArray& body)
{
    return "\t" + gameLine + "\r\n" + body + "\t</game>\r\n";
}

QByteArray driver(const char* status = "good", const char* palette = "256")
{
    return QByteArray("\t\t<driver status=\"") + status +
           "\" emulation=\"good\" color=\"good\" sound=\"imperfect\" graphic=\"good\" savestate=\"unsupported\" palettesize=\"" +
           palette + "\"/>\r\n";
}

class CreateGameInfoTest : public ::testing::Test {
protected:
    void SetUp() override { makeDirs(m_dir.filePath("reports")); }

    QString report(const char* name) const { return m_dir.filePath(QStringLiteral("reports/") + name); }

    Status build(const QByteArray& listing)
    {
        writeFile(report("listxml.txt"), listing);
        return scan(&m_progress);
    }
    Status scan(Progress* progress)
    {
        return CreateGameInfo(report("listxml.txt"), report("gameinfo.txt"), report("resource.txt"), m_game, m_rotate,
                              progress);
    }

    QByteArray gameinfo() const { return readFile(report("gameinfo.txt")); }

    // The fields of the only record a listing of one game yields.
    QStringList onlyRecord(const QByteArray& gameText)
    {
        const Status failed = build(kHeader + gameText + kResources);
        EXPECT_FALSE(failed) << (failed ? failed->description.toStdString() : "");
        const QByteArray text = gameinfo();
        EXPECT_EQ(text.count("\r\n"), 1) << text.toStdString();
        QString line = QString::fromUtf8(text);
        line.chop(3);
        return line.mid(1).split(QStringLiteral("\",\""));
    }

    QTemporaryDir m_dir;
    GameRecord m_game;
    QString m_rotate;
    RecordedProgress m_progress;
};

// The lines of a listing, a last one without its line end included.
qsizetype lineCount(const QByteArray& listing)
{
    return listing.count("\r\n") + (listing.endsWith("\r\n") ? 0 : 1);
}

QString field(const QStringList& fields, GameColumn column) { return fields.value(static_cast<int>(column)); }

} // namespace

TEST_F(CreateGameInfoTest, WritesOneRecordPerGameInListingOrder)
{
    const QByteArray second = game("<game name=\"pacman\" sourcefile=\"pacman.c\" cloneof=\"puckman\" romof=\"puckman\">",
                                   "\t\t<description>Pac-Man (Midway)</description>\r\n"
                                   "\t\t<year>1980</year>\r\n"
                                   "\t\t<manufacturer>[Namco] (Midway license)</manufacturer>\r\n"
                                   "\t\t<display type=\"raster\" rotate=\"90\" width=\"288\" height=\"224\" refresh=\"60.606061\" />\r\n" +
                                       driver("good", "512"));
    ASSERT_FALSE(build(kHeader + kPuckman + second + kResources));
    EXPECT_EQ(gameinfo(), kPuckmanRecord +
                              "\"Pac-Man (Midway)\",\"1980\",\"Good\",\"Good\",\"Imperfect\",\"Good\",\"   512\","
                              "\"[Namco] (Midway license)\",\"Raster\",\" 288x224\",\"Vertical\",\"60.606061\","
                              "\"Clone of puckman\",\"pacman\",\"pacman.c\",\"puckman\",\"No\"\r\n");
}

TEST_F(CreateGameInfoTest, FieldsOfOneGame)
{
    using enum GameColumn;
    const QByteArray plain = "<game name=\"g\" sourcefile=\"g.c\">";
    const auto display = [](const char* type, const char* rotate, const char* size, const char* refresh) {
        return QByteArray("\t\t<display type=\"") + type + "\" rotate=\"" + rotate + "\" " + size + "refresh=\"" +
               refresh + "\" />\r\n";
    };
    const QByteArray raster288 = display("raster", "0", "width=\"288\" height=\"224\" ", "60.000000");
    const struct {
        const char* what;
        QByteArray gameLine, body;
        std::vector<std::pair<GameColumn, const char*>> expected;
    } cases[] = {
        {"romof without cloneof", "<game name=\"mslug\" sourcefile=\"neogeo.c\" romof=\"neogeo\">", driver(),
         {{Origin, "Original"}, {RomOf, "neogeo"}, {Source, "neogeo.c"}}},
        {"no year, display or disk", plain, driver(),
         {{Year, "19??"}, {CHD, "No"}, {RomOf, "N/A"}, {Manufacturer, ""}, {Type, ""}, {Display, ""},
          {Orientation, ""}, {Frequency, ""}}},
        {"disk", plain, "\t\t<disk name=\"kinst\" md5=\"0\" region=\"disks\" index=\"0\"/>\r\n" + driver(),
         {{CHD, "Yes"}}},
        {"raster size in 8, palette in 6", plain, raster288 + driver("good", "512"),
         {{Type, "Raster"}, {Display, " 288x224"}, {Palette, "   512"}, {Frequency, "60.000000"}}},
        {"longer values are not cut", plain,
         display("raster", "0", "width=\"1024\" height=\"7680\" ", "60") + driver("good", "1048576"),
         {{Display, "1024x7680"}, {Palette, "1048576"}}},
        {"rotate 90", plain, display("raster", "90", "width=\"1\" height=\"1\" ", "60") + driver(), {{Orientation, "Vertical"}}},
        {"rotate 180", plain, display("raster", "180", "width=\"1\" height=\"1\" ", "60") + driver(), {{Orientation, "Horizontal"}}},
        {"rotate 270", plain, display("raster", "270", "width=\"1\" height=\"1\" ", "60") + driver(), {{Orientation, "Vertical"}}},
        {"rotate 0", plain, raster288 + driver(), {{Orientation, "Horizontal"}}},
        {"vector", plain, display("vector", "0", "", "61.523438") + driver(),
         {{Type, "Vector"}, {Display, "N/A"}, {Frequency, "61.523438"}}},
        {"lcd", plain, display("lcd", "270", "width=\"1\" height=\"1\" ", "30") + driver(),
         {{Type, "Lcd"}, {Display, "Multiple"}, {Orientation, "Vertical"}, {Frequency, "30"}}},
        {"a second display only makes it multiple", plain, raster288 + display("vector", "90", "", "50.000000") + driver(),
         {{Display, "Multiple"}, {Type, "Raster"}, {Orientation, "Horizontal"}, {Frequency, "60.000000"}}},
        {"driver values in proper case", plain,
         "\t\t<driver status=\"preliminary\" emulation=\"x\" color=\"IMPERFECT\" sound=\"good\" graphic=\"gOOd\" palettesize=\"0\"/>\r\n",
         {{Status, "Preliminary"}, {Color, "Imperfect"}, {Sound, "Good"}, {Graphic, "Good"}, {Palette, "     0"}}},
        // Four blanks in place of two tabs: the description's text is taken two characters early.
        {"fixed positions", plain, "    <description>Position</description>\r\n" + driver(), {{Game, "n>Position"}}},
    };
    for (const auto& c : cases) {
        const QStringList fields = onlyRecord(game(c.gameLine, c.body));
        for (const auto& [column, value] : c.expected)
            EXPECT_EQ(field(fields, column), value) << c.what << ": " << kGameColumnCaptions[static_cast<int>(column)];
    }
}

TEST_F(CreateGameInfoTest, GameWithoutDriverLineAddsNothingAndItsValuesCarryOver)
{
    const QByteArray noDriver = game("<game name=\"broken\" sourcefile=\"broken.c\" cloneof=\"parent\" romof=\"parent\">",
                                     "\t\t<description>Broken</description>\r\n"
                                     "\t\t<year>1983</year>\r\n"
                                     "\t\t<disk name=\"d\"/>\r\n");
    const QByteArray next = game("<game name=\"next\" sourcefile=\"next.c\">", driver());
    ASSERT_FALSE(build(kHeader + noDriver + next + kResources));
    // Description, year, origin, ROM Of and CHD are the broken game's; name and source are next's.
    EXPECT_EQ(gameinfo(), "\"Broken\",\"1983\",\"Good\",\"Good\",\"Imperfect\",\"Good\",\"   256\",\"\",\"\",\"\",\"\",\"\","
                          "\"Clone of parent\",\"next\",\"next.c\",\"parent\",\"Yes\"\r\n");
}

TEST_F(CreateGameInfoTest, TextPassesThroughByteForByte)
{
    const QStringList f = onlyRecord(game("<game name=\"amp\" sourcefile=\"amp.c\">",
                                          "\t\t<description>Tom &amp; Jerry \xe9t\xc3\xa9</description>\r\n"
                                          "\t\t<manufacturer>Caf\xe9</manufacturer>\r\n" + driver()));
    Q_UNUSED(f);
    EXPECT_TRUE(gameinfo().startsWith("\"Tom &amp; Jerry \xe9t\xc3\xa9\",\"19??\""));
    EXPECT_TRUE(gameinfo().contains(",\"Caf\xe9\","));
}

TEST_F(CreateGameInfoTest, AcceptsLfAndCrLineEnds)
{
    const QByteArray listing = kHeader + kPuckman + kResources;
    for (const char* eol : {"\n", "\r"}) {
        QByteArray converted = listing;
        converted.replace("\r\n", eol);
        ASSERT_FALSE(build(converted));
        EXPECT_EQ(gameinfo(), kPuckmanRecord);
        EXPECT_EQ(readFile(report("resource.txt")), kResources) << "resource lines end in CRLF";
    }
}

TEST_F(CreateGameInfoTest, ResourceFileHoldsTheListingFromTheFirstResourceLine)
{
    const QByteArray secondResource = "\t<game runnable=\"no\" name=\"pgm\" sourcefile=\"pgm.c\">\r\n\t</game>\r\n";
    QByteArray tail = kResources;
    tail.insert(tail.indexOf("</mame>"), secondResource);
    tail.chop(2); // a last line without a line end still gets one
    ASSERT_FALSE(build(kHeader + kPuckman + tail));
    EXPECT_EQ(readFile(report("resource.txt")), tail + "\r\n");
    EXPECT_EQ(gameinfo(), kPuckmanRecord);
}

TEST_F(CreateGameInfoTest, LeavesTheLastGameAsCurrentWithoutItsRom)
{
    ASSERT_FALSE(build(kHeader + kPuckman + kResources));
    EXPECT_EQ(m_game[GameColumn::ROM], "");
    EXPECT_EQ(m_game[GameColumn::Game], "PuckMan (Japan set 1)");
    EXPECT_EQ(m_game[GameColumn::Year], "19??"); // the defaults came back after its record
    EXPECT_EQ(m_rotate, "");
    EXPECT_EQ(m_progress.messages,
              (std::vector<QString>{"Creating gameinfo.txt...", "Creating resource.txt...", ""}));
}

TEST_F(CreateGameInfoTest, ListingWithoutResourceLineReadsPastTheEnd)
{
    const QByteArray listing = kHeader + kPuckman + "</mame>\r\n";
    const Status failed = build(listing);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->number, 62);
    EXPECT_EQ(failed->line, listing.count("\r\n") + 1);
    EXPECT_EQ(CreateGameInfoErrorText(*failed),
              QString("Error In CreateGameInfo: Input past end of file\rLine Number: %1").arg(failed->line));
    // The games read before the failure are written, for the caller to use or drop.
    EXPECT_EQ(gameinfo(), kPuckmanRecord);
    EXPECT_TRUE(QFileInfo::exists(report("resource.txt")));
    EXPECT_EQ(m_progress.messages, std::vector<QString>{"Creating gameinfo.txt..."});
}

TEST_F(CreateGameInfoTest, ListingMustEndWithItsClosingLine)
{
    const QByteArray whole = kHeader + kPuckman + kResources;
    const QByteArray beforeClosing = whole.left(whole.indexOf("</mame>"));
    const struct {
        const char* what;
        QByteArray listing;
        bool complete;
    } cases[] = {
        {"closed", whole, true},
        {"closing line without a line end", whole.chopped(2), true},
        {"blank lines after the closing line", whole + "\r\n  \r\n", true},
        {"cut inside the resources", whole.left(whole.indexOf("\t\t<biosset")), false},
        {"cut before the closing line", beforeClosing, false},
        {"cut inside the closing line", beforeClosing + "</ma", false},
    };
    for (const auto& c : cases) {
        const Status failed = build(c.listing);
        EXPECT_EQ(!failed, c.complete) << c.what;
        if (!failed)
            continue;
        EXPECT_EQ(failed->number, ErrorNumber::InputPastEnd) << c.what;
        EXPECT_EQ(failed->line, lineCount(c.listing) + 1) << c.what;
        EXPECT_EQ(gameinfo(), kPuckmanRecord) << c.what;
    }
}

TEST_F(CreateGameInfoTest, MissingMarkerIsAnInvalidCallOnItsLine)
{
    const QByteArray cut = game("<game name=\"cut", "");
    const Status failed = build(kHeader + kPuckman + cut + kResources);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->description, "Invalid procedure call or argument");
    EXPECT_EQ(failed->line, (kHeader + kPuckman).count("\r\n") + 1);
    EXPECT_EQ(gameinfo(), kPuckmanRecord);
}

TEST_F(CreateGameInfoTest, MissingAttributeIsAnInvalidCall)
{
    const Status failed = build(kHeader + game("<game name=\"w\" sourcefile=\"w.c\">",
                                               "\t\t<display type=\"raster\" rotate=\"0\" height=\"224\" refresh=\"60\" />\r\n" + driver()) +
                                kResources);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->number, 5);
}

TEST_F(CreateGameInfoTest, ListingThatCannotBeReadIsADeviceError)
{
    // This process's memory from address 0: a file that opens but whose reading fails.
    ASSERT_TRUE(QFile::link("/proc/self/mem", report("listxml.txt")));
    const Status failed = scan(nullptr);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->description, "Device I/O error");
}

TEST_F(CreateGameInfoTest, MissingListingIsFileNotFoundAndTouchesNothing)
{
    writeFile(report("gameinfo.txt"), kPuckmanRecord);
    const Status failed = scan(nullptr);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->description, "File not found");
    EXPECT_EQ(gameinfo(), kPuckmanRecord);
}

TEST(BackupListings, CopyOverTheOldCopyOnlyWhenTheSourceExists)
{
    const struct {
        Status (*backup)(const QString&);
        const char* file;
        const char* old;
    } backups[] = {
        {BackupListXML, "listxml.txt", "oldlistxml.txt"},
        {BackupCRCInfo, "crcinfo.txt", "oldcrcinfo.txt"},
        {BackupResource, "resource.txt", "oldresource.txt"},
    };
    for (const auto& b : backups) {
        QTemporaryDir dir;
        const QString reports = dir.filePath("reports/");
        makeDirs(reports);
        EXPECT_FALSE(b.backup(dir.path()));
        EXPECT_FALSE(QFileInfo::exists(reports + b.old)) << b.file;

        writeFile(reports + b.file, "new\r\n");
        writeFile(reports + b.old, "a much longer previous copy\r\n");
        EXPECT_FALSE(b.backup(dir.path()));
        EXPECT_EQ(readFile(reports + b.old), "new\r\n") << b.file;
        EXPECT_EQ(readFile(reports + b.file), "new\r\n") << b.file;
    }
    // A full disk in the copies: the build's own tests.
}

TEST(KillWhatsNewReports, DeletesBothReportsWhenTheyExist)
{
    QTemporaryDir dir;
    const QString reports = dir.filePath("reports/");
    writeFile(reports + "newroms.txt", "x");
    EXPECT_FALSE(KillWhatsNewReports(dir.path()));
    EXPECT_FALSE(QFileInfo::exists(reports + "newroms.txt"));
    writeFile(reports + "whatsnew.txt", "x");
    writeFile(reports + "newroms.txt", "x");
    EXPECT_FALSE(KillWhatsNewReports(dir.path()));
    EXPECT_FALSE(QFileInfo::exists(reports + "whatsnew.txt"));
    EXPECT_FALSE(QFileInfo::exists(reports + "newroms.txt"));
}
