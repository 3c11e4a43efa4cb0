// The scan of a listing in the layout that today's MAME writes: <machine> blocks, BIOS sets among
// the games, devices after them, attributes in any order, feature lines after the driver line.
#include "gamelist/GameDataBuilder.h"

#include "platform/RuntimeErrorText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

// As MAME 0.251 writes it: LF line ends, one TAB before a machine line, two before its children.
const QByteArray kHeader = "<?xml version=\"1.0\"?>\n"
                           "<!DOCTYPE mame [\n"
                           "<!ELEMENT mame (machine+)>\n"
                           "\t<!ATTLIST machine ismechanical (yes|no) \"no\">\n"
                           "\t\t<!ATTLIST display type (raster|vector|lcd|svg|unknown) #REQUIRED>\n"
                           "]>\n"
                           "\n"
                           "<mame build=\"0.251 (unknown)\" debug=\"no\" mameconfig=\"10\">\n";

const QByteArray kPuckman =
    "\t<machine name=\"puckman\" sourcefile=\"pacman/pacman.cpp\">\n"
    "\t\t<description>Puck Man (Japan set 1)</description>\n"
    "\t\t<year>1980</year>\n"
    "\t\t<manufacturer>Namco</manufacturer>\n"
    "\t\t<rom name=\"pm1_prg1.6e\" size=\"2048\" crc=\"f36e88ab\" sha1=\"813cecf44bf5464b1aed64b36f5047e4c79ba176\" region=\"maincpu\" offset=\"0\"/>\n"
    "\t\t<chip type=\"cpu\" tag=\"maincpu\" name=\"Zilog Z80\" clock=\"3072000\"/>\n"
    "\t\t<display tag=\"screen\" type=\"raster\" rotate=\"90\" width=\"288\" height=\"224\" refresh=\"60.606061\" pixclock=\"6144000\" htotal=\"384\" hbend=\"0\" hbstart=\"288\" vtotal=\"264\" vbend=\"0\" vbstart=\"224\" />\n"
    "\t\t<sound channels=\"1\"/>\n"
    "\t\t<input players=\"2\" coins=\"2\">\n"
    "\t\t\t<control type=\"joy\" player=\"1\" ways=\"4\"/>\n"
    "\t\t</input>\n"
    "\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\"/>\n"
    "\t</machine>\n";

const QByteArray kNeoGeo =
    "\t<machine name=\"neogeo\" sourcefile=\"neogeo/neogeo.cpp\" isbios=\"yes\">\n"
    "\t\t<description>Neo-Geo MV-6F</description>\n"
    "\t\t<year>1990</year>\n"
    "\t\t<manufacturer>SNK</manufacturer>\n"
    "\t\t<biosset name=\"euro\" description=\"Europe MVS (Ver. 2)\"/>\n"
    "\t\t<biosset name=\"us\" description=\"US MVS (Ver. 2?)\"/>\n"
    "\t\t<rom name=\"sp-s2.sp1\" bios=\"euro\" size=\"131072\" crc=\"9036d879\" sha1=\"4f5ed7105b7128794654ce82b51723e16e389543\" region=\"mainbios\" offset=\"0\"/>\n"
    "\t\t<disk name=\"bios\" region=\"disks\" index=\"0\"/>\n"
    "\t\t<display tag=\"screen\" type=\"raster\" rotate=\"0\" width=\"320\" height=\"224\" refresh=\"59.185606\" />\n"
    "\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\"/>\n"
    "\t\t<feature type=\"sound\" status=\"unemulated\"/>\n"
    "\t</machine>\n";

const QByteArray kGames =
    // Imperfect sound, unemulated graphics, and a feature that speaks only of the devices.
    "\t<machine name=\"mslug\" sourcefile=\"neogeo/neogeo.cpp\" romof=\"neogeo\">\n"
    "\t\t<description>Metal Slug - Super Vehicle-001</description>\n"
    "\t\t<year>1996</year>\n"
    "\t\t<manufacturer>Nazca</manufacturer>\n"
    "\t\t<biosset name=\"euro\" description=\"Europe MVS (Ver. 2)\"/>\n"
    "\t\t<display tag=\"screen\" type=\"raster\" rotate=\"0\" width=\"320\" height=\"224\" refresh=\"59.185606\" />\n"
    "\t\t<driver status=\"imperfect\" emulation=\"good\" savestate=\"supported\"/>\n"
    "\t\t<feature type=\"sound\" status=\"imperfect\"/>\n"
    "\t\t<feature type=\"graphics\" status=\"unemulated\"/>\n"
    "\t\t<feature type=\"palette\" overall=\"unemulated\"/>\n"
    "\t</machine>\n"
    // A mechanical clone: ismechanical stands between sourcefile and cloneof; no display, no year.
    "\t<machine name=\"18w2\" sourcefile=\"midway/mw18w.cpp\" ismechanical=\"yes\" cloneof=\"18w\" romof=\"18w\">\n"
    "\t\t<description>18 Wheeler (set 2)</description>\n"
    "\t\t<manufacturer>Midway</manufacturer>\n"
    "\t\t<driver status=\"preliminary\" emulation=\"preliminary\" savestate=\"supported\" requiresartwork=\"yes\"/>\n"
    "\t\t<feature type=\"sound\" overall=\"unemulated\"/>\n"
    "\t</machine>\n"
    "\t<machine name=\"asteroid\" sourcefile=\"atari/asteroid.cpp\">\n"
    "\t\t<description>Asteroids (rev 4)</description>\n"
    "\t\t<year>1979</year>\n"
    "\t\t<manufacturer>Atari &amp; Friends</manufacturer>\n"
    "\t\t<display tag=\"screen\" type=\"vector\" rotate=\"0\" refresh=\"61.523438\" />\n"
    "\t\t<driver status=\"good\" emulation=\"good\" cocktail=\"preliminary\" savestate=\"supported\"/>\n"
    "\t</machine>\n"
    "\t<machine name=\"gnw_ball\" sourcefile=\"handheld/hh_sm510.cpp\">\n"
    "\t\t<description>Ball</description>\n"
    "\t\t<year>1980</year>\n"
    "\t\t<manufacturer>Nintendo</manufacturer>\n"
    "\t\t<display tag=\"screen\" type=\"lcd\" rotate=\"270\" width=\"96\" height=\"8\" refresh=\"50.000000\" />\n"
    "\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\" palettesize=\"2\"/>\n"
    "\t\t<feature type=\"palette\" status=\"imperfect\"/>\n"
    "\t</machine>\n"
    // Devices come last; none is a game, whatever lines it holds.
    "\t<machine name=\"z80\" sourcefile=\"devices/cpu/z80/z80.cpp\" isdevice=\"yes\" runnable=\"no\">\n"
    "\t\t<description>Zilog Z80</description>\n"
    "\t\t<display tag=\"lcd\" type=\"lcd\" rotate=\"0\" width=\"1\" height=\"1\" refresh=\"1\" />\n"
    "\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\"/>\n"
    "\t</machine>\n";

const QByteArray kClosing = "</mame>\n";

QByteArray crlf(QByteArray text) { return text.replace("\n", "\r\n"); }

class CurrentListingTest : public ::testing::Test {
protected:
    void SetUp() override { makeDirs(m_dir.filePath("reports")); }

    QString report(const char* name) const { return m_dir.filePath(QStringLiteral("reports/") + name); }

    Status build(const QByteArray& listing)
    {
        writeFile(report("listxml.txt"), listing);
        return CreateGameInfo(report("listxml.txt"), report("gameinfo.txt"), report("resource.txt"), m_game, m_rotate,
                              nullptr);
    }

    QTemporaryDir m_dir;
    GameRecord m_game;
    QString m_rotate;
};

} // namespace

TEST_F(CurrentListingTest, WritesTheGamesAndKeepsTheBiosSetsForTheBiosList)
{
    const Status failed = build(kHeader + kPuckman + kNeoGeo + kGames + kClosing);
    ASSERT_FALSE(failed) << failed->description.toStdString() << " line " << failed->line;
    EXPECT_EQ(QString::fromLatin1(readFile(report("gameinfo.txt"))),
              "\"Puck Man (Japan set 1)\",\"1980\",\"Good\",\"Good\",\"Good\",\"Good\",\"     0\",\"Namco\","
              "\"Raster\",\" 288x224\",\"Vertical\",\"60.606061\",\"Original\",\"puckman\",\"pacman/pacman.cpp\","
              "\"N/A\",\"No\"\r\n"
              "\"Metal Slug - Super Vehicle-001\",\"1996\",\"Imperfect\",\"Good\",\"Imperfect\",\"Preliminary\","
              "\"     0\",\"Nazca\",\"Raster\",\" 320x224\",\"Horizontal\",\"59.185606\",\"Original\",\"mslug\","
              "\"neogeo/neogeo.cpp\",\"neogeo\",\"No\"\r\n"
              "\"18 Wheeler (set 2)\",\"19??\",\"Preliminary\",\"Good\",\"Good\",\"Good\",\"     0\",\"Midway\","
              "\"\",\"\",\"\",\"\",\"Clone of 18w\",\"18w2\",\"midway/mw18w.cpp\",\"18w\",\"No\"\r\n"
              "\"Asteroids (rev 4)\",\"1979\",\"Good\",\"Good\",\"Good\",\"Good\",\"     0\",\"Atari &amp; Friends\","
              "\"Vector\",\"N/A\",\"Horizontal\",\"61.523438\",\"Original\",\"asteroid\",\"atari/asteroid.cpp\","
              "\"N/A\",\"No\"\r\n"
              "\"Ball\",\"1980\",\"Good\",\"Imperfect\",\"Good\",\"Good\",\"     2\",\"Nintendo\",\"Lcd\","
              "\"Multiple\",\"Vertical\",\"50.000000\",\"Original\",\"gnw_ball\",\"handheld/hh_sm510.cpp\","
              "\"N/A\",\"No\"\r\n");
    EXPECT_EQ(readFile(report("resource.txt")), crlf(kNeoGeo + kClosing));
    EXPECT_EQ(m_game[GameColumn::ROM], "");
    EXPECT_EQ(m_game[GameColumn::Game], "Ball") << "the last game stays current; the device changes nothing";
}

TEST_F(CurrentListingTest, BlocksStandAloneWhateverComesBefore)
{
    // A game without a driver line is not written and leaves nothing to the next; neither does a
    // BIOS set or a device between games.
    const QByteArray noDriver = "\t<machine name=\"nodrv\" sourcefile=\"x/x.cpp\" cloneof=\"p\" romof=\"p\">\n"
                                "\t\t<description>No Driver</description>\n"
                                "\t\t<year>1983</year>\n"
                                "\t\t<disk name=\"d\" region=\"disks\" index=\"0\"/>\n"
                                "\t\t<display tag=\"screen\" type=\"vector\" rotate=\"90\" refresh=\"60\" />\n"
                                "\t\t<feature type=\"sound\" status=\"imperfect\"/>\n"
                                "\t</machine>\n";
    const QByteArray device = "\t<machine name=\"dev\" sourcefile=\"d.cpp\" isdevice=\"yes\" runnable=\"no\">\n"
                              "\t\t<description>Device</description>\n"
                              "\t\t<disk name=\"d\" region=\"disks\" index=\"0\"/>\n"
                              "\t</machine>\n";
    const QByteArray plain = "\t<machine name=\"plain\" sourcefile=\"plain.cpp\">\n"
                             "\t\t<description>Plain</description>\n"
                             "\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\"/>\n"
                             "\t</machine>\n";
    const QByteArray plainRecord = "\"Plain\",\"19??\",\"Good\",\"Good\",\"Good\",\"Good\",\"     0\",\"\",\"\",\"\","
                                   "\"\",\"\",\"Original\",\"plain\",\"plain.cpp\",\"N/A\",\"No\"\r\n";
    for (const QByteArray& before : {noDriver, kNeoGeo, device}) {
        ASSERT_FALSE(build(kHeader + before + plain + kClosing));
        EXPECT_EQ(readFile(report("gameinfo.txt")), plainRecord) << before.left(40).toStdString();
    }
}

TEST_F(CurrentListingTest, BrokenListingsFailOnTheirLine)
{
    const QByteArray whole = kHeader + kPuckman + kNeoGeo + kGames + kClosing;
    const qsizetype headerLines = kHeader.count('\n');
    const struct {
        const char* what;
        QByteArray listing;
        int number; // 0: no failure
        qsizetype line;
    } cases[] = {
        {"without a line end at the very end", whole.chopped(1), 0, 0},
        {"cut before the closing line", whole.left(whole.indexOf(kClosing)), ErrorNumber::InputPastEnd,
         whole.count('\n')},
        {"cut inside a BIOS set", kHeader + kPuckman + kNeoGeo.left(kNeoGeo.indexOf("\t\t<rom")),
         ErrorNumber::InputPastEnd, headerLines + kPuckman.count('\n') + 7},
        {"machine without a name", kHeader + "\t<machine sourcefile=\"a.cpp\">\n" + kClosing, ErrorNumber::InvalidCall,
         headerLines + 1},
        {"display without a type",
         kHeader + "\t<machine name=\"a\">\n\t\t<display tag=\"screen\" rotate=\"0\" refresh=\"60\"/>\n" + kClosing,
         ErrorNumber::InvalidCall, headerLines + 2},
        {"driver without a status",
         kHeader + "\t<machine name=\"a\">\n\t\t<driver emulation=\"good\"/>\n" + kClosing, ErrorNumber::InvalidCall,
         headerLines + 2},
    };
    for (const auto& c : cases) {
        const Status failed = build(c.listing);
        ASSERT_EQ(failed ? failed->number : 0, c.number) << c.what;
        if (failed) {
            EXPECT_EQ(failed->line, c.line) << c.what;
        }
    }
}
