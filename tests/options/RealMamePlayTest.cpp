// Record, Playback, MAME's errors and the game audit in the main window with the MAME that Debian
// installs (/usr/games/mame), when it is there: MAME must read the program's mame.ini wherever the
// Ini folder is, and find the recording the program looks for.
#include "support/MainWindowFixture.h"

#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "reports/ReportPanel.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

#include "support/Files.h"
#include "support/ScopedEnv.h"

namespace {

const QString kMame = QStringLiteral("/usr/games/mame");

// What this process and the programs it starts write to standard output and error meanwhile.
class CapturedOutput {
public:
    CapturedOutput()
    {
        m_file.open();
        std::fflush(stdout);
        std::fflush(stderr);
        m_out = dup(1);
        m_err = dup(2);
        dup2(m_file.handle(), 1);
        dup2(m_file.handle(), 2);
    }
    ~CapturedOutput() { restore(); }
    QByteArray text()
    {
        restore();
        return readFile(m_file.fileName());
    }

private:
    void restore()
    {
        if (m_out < 0)
            return;
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(m_out, 1);
        dup2(m_err, 2);
        close(m_out);
        close(m_err);
        m_out = m_err = -1;
    }
    QTemporaryFile m_file;
    int m_out = -1;
    int m_err = -1;
};

class RealMamePlay : public MainWindowTest {
protected:
    QString home() const { return m_root + QStringLiteral("/home"); }
    QString input() const { return m_root + QStringLiteral("/inp"); }

    QString ctrlr() const { return m_root + QStringLiteral("/ctrlr"); }

    // pong (no ROM files) installed and selected, and galaxian (not installed), MAME's folders all
    // in the fixture, mame.ini in `iniFolder` (by default where Debian's MAME reads it without
    // being told); MAME runs two seconds without a window or sound.
    frmMain& pong(QString iniFolder = {}, const QByteArray& settings = {})
    {
        if (iniFolder.isEmpty())
            iniFolder = home() + "/.mame";
        makeDirs(iniFolder);
        FixtureGame game{QStringLiteral("Pong (Rev E)"), QStringLiteral("1972"), QStringLiteral("pong")};
        game.source = QStringLiteral("atari/pong.cpp");
        FixtureGame galaxian{QStringLiteral("Galaxian (Namco set 1)"), QStringLiteral("1979"), QStringLiteral("galaxian")};
        galaxian.source = QStringLiteral("galaxian/galaxian.cpp");
        galaxian.installed = false;
        writeGames({game, galaxian});
        writeFile(app() + "/settings/raster.cfg",
                  "[Miscellaneous]\r\nOther Commands=-seconds_to_run 2 -video none -sound none\r\n" + settings);
        QByteArray folders;
        for (const char* key : {"Cfg", "Nvram", "Memcard", "Hiscore", "State", "Artwork", "Diff", "Ctrlr"}) {
            const QString folder = m_root + "/" + QString::fromLatin1(key).toLower();
            makeDirs(folder);
            folders += key + ("=" + QFile::encodeName(folder)) + "\r\n";
        }
        makeDirs(home() + "/.mame");
        writeFile(optionsIni(), "[Miscellaneous]\r\nZelvaneVersion=4.0.0\r\nMAMESize=" +
                                    QByteArray::number(QFileInfo(kMame).size()) + "\r\n[Directories]\r\nMAME=/usr/games\r\n" +
                                    "ROMs=" + QFile::encodeName(roms()) + "\r\nSamples=" + QFile::encodeName(samples()) +
                                    "\r\nSnapshots=" + QFile::encodeName(snaps()) + "\r\nIni=" +
                                    QFile::encodeName(iniFolder) + "\r\nInput=" + QFile::encodeName(input()) +
                                    "\r\n" + folders);
        frmMain& w = loadShown();
        selectRow(w.fraList->lvAll, 1); // All Games sorted: Galaxian, Pong
        return w;
    }
};

} // namespace

TEST_F(RealMamePlay, RecordWritesTheGamesInpFileThatPlaybackPlays)
{
    if (!QFileInfo(kMame).isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    // MAME reads mame.ini and writes its own files under HOME: a home of the test's own.
    ScopedEnv homeEnv("HOME", QFile::encodeName(home()));
    frmMain& w = pong();

    w.chkRecord->setChecked(true);
    {
        CapturedOutput output;
        w.fraList->cmdPlay->click();
        EXPECT_FALSE(output.text().contains("not found"));
    }
    EXPECT_TRUE(QFileInfo(input() + "/pong.inp").size() > 0);
    EXPECT_FALSE(QFileInfo::exists(input() + "/pong"));

    w.chkPlayback->setChecked(true);
    {
        CapturedOutput output;
        w.fraList->cmdPlay->click();
        const QByteArray text = output.text();
        EXPECT_FALSE(text.contains("not found")) << text.toStdString();
        EXPECT_TRUE(text.contains("Total playback frames")) << text.toStdString();
    }
    EXPECT_TRUE(m_boxes.shown().empty());

    m_boxes.answer(MsgAnswer::No);
    w.chkRecord->setChecked(true);
    w.fraList->cmdPlay->click();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt, "An .inp file for this game already exists.\rDo you want to overwrite it?");
}

// An Ini folder of the user's own, not ~/.mame: MAME is told where it is.
TEST_F(RealMamePlay, RecordWithTheIniFolderOutsideHomesMameWritesTheInpFile)
{
    if (!QFileInfo(kMame).isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    ScopedEnv homeEnv("HOME", QFile::encodeName(home()));
    frmMain& w = pong(m_root + "/my ini");
    w.chkRecord->setChecked(true);
    w.fraList->cmdPlay->click();
    EXPECT_TRUE(QFileInfo(input() + "/pong.inp").size() > 0);
    EXPECT_FALSE(QFileInfo::exists(home() + "/.mame/mame.ini"));
    EXPECT_TRUE(m_boxes.shown().empty());
}

// A set with one wrongly dumped ROM (the right name and size, the wrong contents) in the ROMs
// folder that the program's mame.ini names: MAME finds it, and says it is bad.
TEST_F(RealMamePlay, AuditOfASetWithABadRomShowsMameCallingItBad)
{
    if (!QFileInfo(kMame).isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    ScopedEnv homeEnv("HOME", QFile::encodeName(home()));
    writeFile(roms() + "/galaxian/galmidw.u", QByteArray(2048, '\0'));
    frmMain& w = pong(m_root + "/my ini");
    selectRow(w.fraList->lvAll, 0);
    w.fraList->cmdVerify->click();
    const QString text = w.fraVerify->txtVerify->Text();
    EXPECT_TRUE(text.contains("galmidw.u (2048 bytes) - INCORRECT CHECKSUM:")) << text.toStdString();
}

// Today's MAME stops without the controller's file: Play names the file and the Ctrlr folder. A
// controller that the Other Commands name is MAME's to refuse, and what it says is shown.
TEST_F(RealMamePlay, ControllerWithoutItsFileIsNamedAndMamesOwnRefusalIsShown)
{
    if (!QFileInfo(kMame).isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    ScopedEnv homeEnv("HOME", QFile::encodeName(home()));
    frmMain& w = pong(m_root + "/my ini", "[Input Device Options]\r\nController=HotRod\r\n");
    w.fraList->cmdPlay->click();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith("The controller file hotrod.cfg is not in the Ctrlr folder:\r" +
                                                     ctrlr() + "\r"));

    writeFile(app() + "/settings/raster.cfg",
              "[Miscellaneous]\r\nOther Commands=-seconds_to_run 2 -video none -sound none -ctrlr slikstik\r\n");
    IniService::instance().dropAll();
    w.fraList->cmdPlay->click();
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_TRUE(m_boxes.shown()[1].prompt.endsWith("Fatal error: Could not load controller configuration file slikstik.cfg"))
        << m_boxes.shown()[1].prompt.toStdString();
}
