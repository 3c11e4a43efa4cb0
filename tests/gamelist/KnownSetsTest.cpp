// The ROM sets the game data knows: games, BIOS sets and devices, in either of MAME's layouts.
#include "gamelist/GameRecordFile.h"
#include "gamelist/KnownSets.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

#include "support/Files.h"

namespace {

class KnownSetNamesTest : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(m_dir.filePath("reports")); }
    QString report(const char* file) const { return m_dir.filePath(QStringLiteral("reports/") + file); }
    void write(const char* file, const QByteArray& text) const { writeFile(report(file), text); }
    // Each game as "rom" or "rom source".
    void writeGames(std::initializer_list<const char*> roms) const
    {
        QByteArray lines;
        for (const char* game : roms) {
            const QStringList words = QString::fromLatin1(game).split(' ');
            GameRecord r;
            r[GameColumn::Game] = QStringLiteral("A game");
            r[GameColumn::ROM] = words[0];
            r[GameColumn::Source] = words.value(1);
            lines += GameRecordLine(r);
        }
        write("gameinfo.txt", lines);
    }
    QStringList known() const
    {
        const Result<KnownSets> names = KnownSetNames(m_dir.path());
        EXPECT_TRUE(names.ok()) << (names.ok() ? "" : qPrintable(names.error().description));
        QStringList sorted = names.ok() ? names->names : QStringList();
        sorted.sort();
        return sorted;
    }
    QTemporaryDir m_dir;
};

TEST_F(KnownSetNamesTest, TakesEveryGameBiosSetAndDeviceOfEitherLayout)
{
    const struct Case {
        const char* name;
        QByteArray listing;
        QByteArray resource;
        QStringList expected;
    } cases[] = {
        {"today's layout: games, a BIOS set and devices",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (machine+)>\n"
         "\t<!ATTLIST machine name CDATA #REQUIRED>\n]>\n<mame build=\"0.251\">\n"
         "\t<machine name=\"pacman\" sourcefile=\"pacman/pacman.cpp\">\n"
         "\t\t<description>Pac-Man &lt;machine name=&quot;fake&quot;&gt;</description>\n"
         "\t\t<device_ref name=\"z80\"/>\n\t</machine>\n"
         "\t<machine name=\"neogeo\" sourcefile=\"neogeo/neogeo.cpp\" isbios=\"yes\">\n\t</machine>\n"
         "\t<machine sourcefile=\"namco/namco51.cpp\" isdevice=\"yes\" name=\"namco51\" runnable=\"no\">\n"
         "\t\t<rom name=\"51xx.bin\" size=\"1024\"/>\n\t</machine>\n"
         "\t<machine name=\"z80\" sourcefile=\"cpu/z80.cpp\" isdevice=\"yes\" runnable=\"no\"/>\n</mame>\n",
         "\t<machine name=\"neogeo\" sourcefile=\"neogeo/neogeo.cpp\" isbios=\"yes\">\r\n</mame>\r\n",
         {"galaxian", "namco51", "neogeo", "neogeo", "pacman", "pacman", "z80"}},
        {"the older layout, resources at its end, CRLF line ends",
         "<?xml version=\"1.0\"?>\r\n<mame build=\"0.106\">\r\n"
         "\t<game name=\"pacman\" sourcefile=\"pacman.c\">\r\n\t</game>\r\n"
         "\t<game runnable=\"no\" name=\"neogeo\" sourcefile=\"neogeo.c\">\r\n\t</game>\r\n</mame>\r\n",
         "\t<game runnable=\"no\" name=\"neogeo\" sourcefile=\"neogeo.c\">\r\n\t</game>\r\n</mame>\r\n",
         {"galaxian", "neogeo", "neogeo", "pacman", "pacman"}},
        {"an empty listing leaves the game data", "", "", {"galaxian", "pacman"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeGames({"pacman", "galaxian"});
        write("listxml.txt", c.listing);
        write("resource.txt", c.resource);
        EXPECT_EQ(known(), c.expected);
    }
}

TEST_F(KnownSetNamesTest, TodaysMameIsToldByItsGames)
{
    write("listxml.txt", "");
    write("resource.txt", "");
    writeGames({"pacman pacman.c", "galaxian galaxian.c"});
    ASSERT_TRUE(KnownSetNames(m_dir.path()).ok());
    EXPECT_FALSE(KnownSetNames(m_dir.path())->todaysMame);
    EXPECT_EQ(TodaysGameNames(m_dir.path()).value(), QStringList());

    writeGames({"pacman pacman/pacman.cpp", "galaxian galaxian/galaxian.cpp", "older older.c"});
    EXPECT_TRUE(KnownSetNames(m_dir.path())->todaysMame);
    EXPECT_EQ(TodaysGameNames(m_dir.path()).value(), QStringList({"pacman", "galaxian"}));
}

TEST_F(KnownSetNamesTest, FindsEntriesAcrossTheBlocksItReadsALongListingIn)
{
    writeGames({});
    write("resource.txt", "");
    // Entries around every place where a 4 MB block could end, and one line longer than a block.
    QByteArray listing = "<mame build=\"0.251\">\n";
    QStringList expected;
    for (int i = 0; listing.size() < (9 << 20); ++i) {
        const QByteArray name = "m" + QByteArray::number(i);
        listing += "\t<machine name=\"" + name + "\" sourcefile=\"x.cpp\">\n\t\t<description>" +
                   QByteArray(i == 50 ? (5 << 20) : 97 + i % 13, 'd') + "</description>\n\t</machine>\n";
        expected << QString::fromLatin1(name);
    }
    listing += "\t<machine name=\"last\"/>"; // no line end after the last line
    expected << "last";
    write("listxml.txt", listing);
    const Result<KnownSets> names = KnownSetNames(m_dir.path());
    ASSERT_TRUE(names.ok());
    EXPECT_EQ(names->names, expected);
}

TEST_F(KnownSetNamesTest, AMissingOrMalformedFileIsAnErrorNamingIt)
{
    const struct Case {
        const char* missing;
        QByteArray gameinfo;
    } cases[] = {
        {"listxml.txt", {}},
        {"resource.txt", {}},
        {"gameinfo.txt", {}},
        {nullptr, "\"Pac-Man\",\"1980\"\r\n"},
    };
    for (const Case& c : cases) {
        writeGames({"pacman"});
        if (!c.gameinfo.isEmpty())
            write("gameinfo.txt", c.gameinfo);
        write("listxml.txt", "\t<machine name=\"pacman\">\n");
        write("resource.txt", "");
        const char* named = c.missing ? c.missing : "gameinfo.txt";
        if (c.missing)
            QFile::remove(report(c.missing));
        const Result<KnownSets> names = KnownSetNames(m_dir.path());
        ASSERT_FALSE(names.ok()) << named;
        EXPECT_TRUE(names.error().description.contains(QDir::toNativeSeparators(report(named))))
            << qPrintable(names.error().description);
    }
}

} // namespace
