// Record and Playback in the main window with the MAME that Debian installs (/usr/games/mame),
// when it is there: MAME must find the recording the program looks for.
#include "support/MainWindowFixture.h"

#include "platform/MsgBox.h"

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

    // pong (no ROM files) installed and selected, MAME's folders all in the fixture, mame.ini
    // where Debian's MAME reads it; MAME runs two seconds without a window or sound.
    frmMain& pong()
    {
        FixtureGame game{QStringLiteral("Pong (Rev E)"), QStringLiteral("1972"), QStringLiteral("pong")};
        game.source = QStringLiteral("atari/pong.cpp");
        writeGames({game});
        writeFile(app() + "/settings/raster.cfg",
                  "[Miscellaneous]\r\nOther Commands=-seconds_to_run 2 -video none -sound none\r\n");
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
                                    QFile::encodeName(home() + "/.mame") + "\r\nInput=" + QFile::encodeName(input()) +
                                    "\r\n" + folders);
        frmMain& w = loadShown();
        selectRow(w.fraList->lvAll, 0);
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
