// Every MAME command of the program, run through ExecCmd as its callers run it, against fakemame.
#include "platform/CommandLine.h"
#include "shell/ExecCmd.h"
#include "shell/MameCommands.h"
#include "shell/ShortPath.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/FakeMame.h"
#include "support/Files.h"
#include "support/MsgBoxScript.h"
#include "support/ScopedEnv.h"

namespace {

const QByteArray kListing =
    "<?xml version=\"1.0\"?>\r\n"
    "<mame build=\"0.106 (test)\">\r\n"
    "\t<game name=\"astro\" sourcefile=\"astro.c\">\r\n"
    "\t\t<description>Astro Chase (World)</description>\r\n"
    "\t\t<year>1982</year>\r\n"
    "\t\t<manufacturer>Acme</manufacturer>\r\n"
    "\t\t<rom name=\"as1.6e\" size=\"4096\" crc=\"f36e88ab\" region=\"cpu1\" offset=\"0\"/>\r\n"
    "\t\t<rom name=\"as2.6f\" size=\"4096\" crc=\"0618bd9b\" region=\"cpu1\" offset=\"1000\"/>\r\n"
    "\t\t<display type=\"raster\" rotate=\"90\" width=\"288\" height=\"224\" refresh=\"60.606061\" />\r\n"
    "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" palettesize=\"512\"/>\r\n"
    "\t</game>\r\n"
    "\t<game name=\"astroj\" sourcefile=\"astro.c\" cloneof=\"astro\" romof=\"astro\">\r\n"
    "\t\t<description>Astro Chase (Japan)</description>\r\n"
    "\t\t<rom name=\"asj1.6e\" size=\"4096\" crc=\"c1e6ab10\" region=\"cpu1\" offset=\"0\"/>\r\n"
    "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" palettesize=\"512\"/>\r\n"
    "\t</game>\r\n"
    "\t<game name=\"blaster\" sourcefile=\"blast.c\">\r\n"
    "\t\t<description>Blaster, Deluxe</description>\r\n"
    "\t\t<rom name=\"bl.h\" size=\"2048\" crc=\"734f5ad8\" region=\"cpu1\" offset=\"0\"/>\r\n"
    "\t\t<sample name=\"shot\"/>\r\n"
    "\t\t<sample name=\"boom\"/>\r\n"
    "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" palettesize=\"2\"/>\r\n"
    "\t</game>\r\n"
    "\t<game runnable=\"no\" name=\"sysbios\" sourcefile=\"sys.c\">\r\n"
    "\t\t<description>System BIOS</description>\r\n"
    "\t\t<biosset name=\"euro\" description=\"Europe\" default=\"yes\"/>\r\n"
    "\t\t<rom name=\"sys-euro.bin\" bios=\"euro\" size=\"131072\" crc=\"9036d879\" region=\"bios\" offset=\"0\"/>\r\n"
    "\t</game>\r\n"
    "</mame>\r\n";

// Folders with blanks and letters beyond ASCII, as users have them; the MAME folder holds
// fakemame as "mame".
class MameContract : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeDirs(QDir(m_app).filePath("reports"));
        installFakeMame(m_mame);
        writeFile(m_root.filePath("listing.xml"), kListing);
        writeFile(QDir(m_roms).filePath("astro.zip"), "zip");
        writeFile(QDir(m_roms).filePath("astroj.zip"), "zip");
        writeFile(QDir(m_roms).filePath("blaster.zip"), "zip");
        writeFile(QDir(m_samples).filePath("blaster.zip"), "zip");
        makeDirs(m_inp);
        writeMameIni("");
    }

    // The path part as the program writes it, path values that hold blanks in double quotes.
    void writeMameIni(const QByteArray& extra)
    {
        writeFile(QDir(m_mame).filePath("mame.ini"),
                  "#\r\n# PATH AND DIRECTORY OPTIONS #\r\n#\r\n"
                  "rompath\t\".;" + QFile::encodeName(m_roms) + "\"\r\n"
                  "samplepath\t\".;" + QFile::encodeName(m_samples) + "\"\r\n"
                  "input_directory\t\"" + QFile::encodeName(m_inp) + "\"\r\n"
                  "cheat_file\tcheat.dat\r\n\r\n" + extra);
    }

    QString report(const QString& name) const { return JoinPath(m_app, "reports/" + name); }

    QTemporaryDir m_root;
    const QString m_app = m_root.filePath("zel app");
    const QString m_mame = m_root.filePath("mame folder");
    const QString m_roms = m_root.filePath(QString::fromUtf8("mes rôms"));
    const QString m_samples = m_root.filePath("my samples");
    const QString m_inp = m_root.filePath(QString::fromUtf8("enregistrées"));
    ScopedEnv m_listing{"ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(m_root.filePath("listing.xml"))};
    ScopedEnv m_bad{"ZELVANE_FAKEMAME_BAD", "astroj"};
    ScopedEnv m_log{"ZELVANE_FAKEMAME_LOG", QFile::encodeName(m_root.filePath("runs.log"))};
    MsgBoxScript m_boxes;
};

QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

} // namespace

TEST_F(MameContract, ListXmlWritesTheListingIntoTheReportsFolder)
{
    ExecCmd(MameListXmlCommand(m_app, "listxml.txt"), ShowState::Minimized, m_mame);
    EXPECT_EQ(readFile(report("listxml.txt")), kListing);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(MameContract, GeneratedListingEndsWithTheResources)
{
    ScopedEnv generated("ZELVANE_FAKEMAME_LISTXML", "");
    ScopedEnv games("ZELVANE_FAKEMAME_GAMES", "25");
    ExecCmd(MameListXmlCommand(m_app, "listxml.txt"), ShowState::Minimized, m_mame);
    const QList<QByteArray> lines = linesOf(readFile(report("listxml.txt")));
    qsizetype gameLines = 0, firstResource = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("\t<game name=\""))
            ++gameLines;
        if (firstResource < 0 && lines[i].mid(1, 15) == "<game runnable=")
            firstResource = i;
    }
    EXPECT_EQ(gameLines, 25);
    ASSERT_GT(firstResource, 0);
    for (qsizetype i = firstResource; i < lines.size(); ++i)
        EXPECT_FALSE(lines[i].startsWith("\t<game name=\"")) << "a game after the resources";
    EXPECT_EQ(lines.back(), "</mame>");
}

TEST_F(MameContract, ListCrcGivesChecksumFileAndDescription)
{
    ExecCmd(MameListCrcCommand(m_app, "crcinfo.txt"), ShowState::Minimized, m_mame);
    EXPECT_EQ(readFile(report("crcinfo.txt")),
              "f36e88ab as1.6e Astro Chase (World)\r\n"
              "0618bd9b as2.6f Astro Chase (World)\r\n"
              "c1e6ab10 asj1.6e Astro Chase (Japan)\r\n"
              "734f5ad8 bl.h Blaster, Deluxe\r\n"
              "9036d879 sys-euro.bin System BIOS\r\n");
}

// Today's MAME, as the readers of its checksum list and its version line meet it: the ROM name
// padded to 32 and the set name to 16, each followed by a TAB; LF line ends.
TEST_F(MameContract, TodaysMameListCrcAndHelp)
{
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    ExecCmd(MameListCrcCommand(m_app, "crcinfo.txt"), ShowState::Minimized, m_mame);
    EXPECT_EQ(readFile(report("crcinfo.txt")),
              "f36e88ab as1.6e                          \tastro           \tAstro Chase (World)\n"
              "0618bd9b as2.6f                          \tastro           \tAstro Chase (World)\n"
              "c1e6ab10 asj1.6e                         \tastroj          \tAstro Chase (Japan)\n"
              "734f5ad8 bl.h                            \tblaster         \tBlaster, Deluxe\n"
              "9036d879 sys-euro.bin                    \tsysbios         \tSystem BIOS\n");
    ExecCmd(MameHelpCommand(report("version.txt")), ShowState::Minimized, m_mame);
    EXPECT_TRUE(readFile(report("version.txt")).startsWith("MAME v0.251 (unknown)\n"));
}

TEST_F(MameContract, GameAuditReportsOfOneSet)
{
    const QString files[] = {report("temp1.txt"), report("temp2.txt"), report("temp3.txt"), report("temp4.txt")};
    ExecCmd(MameSetReportCommand("blaster", MameSetReport::VerifyRoms, files[0]), ShowState::Minimized, m_mame);
    ExecCmd(MameSetReportCommand("blaster", MameSetReport::VerifySamples, files[1]), ShowState::Minimized, m_mame);
    ExecCmd(MameSetReportCommand("blaster", MameSetReport::ListRoms, files[2]), ShowState::Minimized, m_mame);
    ExecCmd(MameSetReportCommand("blaster", MameSetReport::ListSamples, files[3]), ShowState::Minimized, m_mame);
    EXPECT_EQ(readFile(files[0]), "romset blaster is good\r\n1 romsets found, 1 were OK.\r\n");
    EXPECT_EQ(readFile(files[1]), "sampleset blaster is good\r\n1 samplesets found, 1 were OK.\r\n");
    EXPECT_TRUE(readFile(files[2]).contains("\r\nbl.h ")) << readFile(files[2]).toStdString();
    EXPECT_TRUE(readFile(files[3]).contains("\r\nshot.wav\r\nboom.wav\r\n")) << readFile(files[3]).toStdString();

    ExecCmd(MameSetReportCommand("astroj", MameSetReport::VerifyRoms, files[0]), ShowState::Minimized, m_mame);
    const QList<QByteArray> bad = linesOf(readFile(files[0]));
    ASSERT_EQ(bad.size(), 3);
    EXPECT_EQ(bad[1], "romset astroj [astro] is bad");
    EXPECT_EQ(bad[2], "1 romsets found, 0 were OK.");
}

TEST_F(MameContract, VerifyAllReportsBadSetsAndTheSummary)
{
    ExecCmd(MameVerifyAllCommand(false, report("roms.txt")), ShowState::Normal, m_mame);
    const QList<QByteArray> roms = linesOf(readFile(report("roms.txt")));
    EXPECT_TRUE(roms.contains("romset astro is good"));
    EXPECT_TRUE(roms.contains("romset astroj [astro] is bad"));
    EXPECT_TRUE(roms.contains("romset blaster is good"));
    EXPECT_TRUE(roms.contains("romset sysbios not found"));
    ASSERT_FALSE(roms.isEmpty());
    EXPECT_EQ(roms.back(), "3 romsets found, 2 were OK.");

    ScopedEnv badSamples("ZELVANE_FAKEMAME_BAD_SAMPLES", "blaster");
    ExecCmd(MameVerifyAllCommand(true, report("samples.txt")), ShowState::Normal, m_mame);
    const QList<QByteArray> samples = linesOf(readFile(report("samples.txt")));
    EXPECT_TRUE(samples.contains("sampleset blaster is bad"));
    ASSERT_FALSE(samples.isEmpty());
    EXPECT_EQ(samples.back(), "1 samplesets found, 0 were OK.");
}

TEST_F(MameContract, HelpBeginsWithTheVersionLine)
{
    ScopedEnv version("ZELVANE_FAKEMAME_VERSION", "0.999");
    ExecCmd(MameHelpCommand(report("version.txt")), ShowState::Minimized, m_mame);
    EXPECT_EQ(linesOf(readFile(report("version.txt"))).value(0), "M.A.M.E. v0.999 (fakemame)");
}

TEST_F(MameContract, PlayRunsTheSetWithTheWordsOfTheOtherCommands)
{
    writeMameIni("#\r\n# STATE/PLAYBACK OPTIONS\r\n#\r\nrecord\tastro\r\n");
    ExecCmd(MamePlayCommand("astro", " -skip_gameinfo  -snapname \"My Shots\" ;touch pwned"), ShowState::Minimized,
            m_mame);

    const std::vector<FakeMameRun> runs = readFakeMameRuns(m_root.filePath("runs.log"));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].args, QStringList({"astro", "-skip_gameinfo", "-snapname", "My Shots", ";touch", "pwned"}));
    EXPECT_EQ(QFileInfo(runs[0].cwd).canonicalFilePath(), QFileInfo(m_mame).canonicalFilePath());
    ASSERT_TRUE(runs[0].mameIni.has_value());
    EXPECT_EQ(*runs[0].mameIni, readFile(QDir(m_mame).filePath("mame.ini")));
    EXPECT_TRUE(QFileInfo::exists(QDir(m_inp).filePath("astro.inp")));
    EXPECT_FALSE(QFileInfo::exists(QDir(m_mame).filePath("pwned")));
}

// Today's MAME (Debian's 0.251) reads mame.ini from the first folder of its inipath that holds
// one: the command line's -inipath, else $HOME/.mame; never from its current folder.
TEST_F(MameContract, TodaysMameReadsMameIniFromItsIniPathOnly)
{
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    const QString home = m_root.filePath("home");
    ScopedEnv homeVariable("HOME", QFile::encodeName(home));
    const QString ini = m_root.filePath("my ini");
    makeDirs(ini);
    const QString output = report("temp1.txt");
    const auto verified = [&](const QString& iniFolder) {
        ExecCmd(MameSetReportCommand("blaster", MameSetReport::VerifyRoms, output, iniFolder), ShowState::Minimized,
                m_mame);
        return readFile(output);
    };
    const QByteArray found = "romset blaster is good\n1 romsets found, 1 were OK.\n";
    const QByteArray notFound = "romset \"blaster\" not found!\n";

    QFile::rename(QDir(m_mame).filePath("mame.ini"), QDir(ini).filePath("mame.ini"));
    EXPECT_EQ(verified({}), notFound);
    // A search path: the first folder that holds the file.
    EXPECT_EQ(verified(m_root.filePath("none") + ";" + ini), found);
    makeDirs(home + "/.mame");
    QFile::rename(QDir(ini).filePath("mame.ini"), home + "/.mame/mame.ini");
    EXPECT_EQ(verified({}), found);
}

// Today's MAME stops before the game when the controller's file is in no folder of its ctrlrpath.
TEST_F(MameContract, TodaysMameStopsWithoutTheControllersFile)
{
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    const QString ctrlr = m_root.filePath("my ctrlr");
    makeDirs(ctrlr);
    writeMameIni("ctrlrpath\t\"" + QFile::encodeName(ctrlr) + "\"\r\nctrlr\thotrod\r\n");
    const QString errors = report("errors.txt");
    const QString play = MamePlayCommand("astro", "", m_mame) + " > " + QuoteArg(report("play.txt"));
    EXPECT_EQ(ExecCmd(play, ShowState::Minimized, m_mame, errors), 3);
    EXPECT_EQ(readFile(errors), "Fatal error: Could not load controller configuration file hotrod.cfg\n");

    writeFile(QDir(ctrlr).filePath("hotrod.cfg"), "<mameconfig version=\"10\"/>");
    EXPECT_EQ(ExecCmd(play, ShowState::Minimized, m_mame, errors), 0);
}

// Today's MAME takes the record and playback lines' file name as it stands (the older one added
// ".inp"), and stops when the file to play back is not there.
TEST_F(MameContract, TodaysMameRecordsAndPlaysBackTheFileAsNamed)
{
    ScopedEnv layout("ZELVANE_FAKEMAME_LAYOUT", "current");
    const QString output = report("play.txt");
    const QString play = MamePlayCommand("astro", "", m_mame) + " > " + QuoteArg(output);
    struct Case {
        const char* line;
        const char* file; // written, or read
        int code;
    };
    const Case cases[] = {
        {"record\tastro", "astro", 0},
        {"record\tastro.inp", "astro.inp", 0},
        {"playback\tastro.inp", "astro.inp", 0},
        {"playback\tgone.inp", "gone.inp", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        writeMameIni("#\r\n# STATE/PLAYBACK OPTIONS\r\n#\r\n" + QByteArray(c.line) + "\r\n");
        const QString file = QDir(m_inp).filePath(c.file);
        QFile::remove(file);
        if (QByteArray(c.line).startsWith("playback") && c.code == 0)
            writeFile(file, "recorded");
        EXPECT_EQ(ExecCmd(play, ShowState::Minimized, m_mame), c.code);
        EXPECT_EQ(QFileInfo::exists(file), c.code == 0);
        EXPECT_EQ(readFile(output).contains("Input file " + QByteArray(c.file) + " not found"), c.code != 0);
    }
}
