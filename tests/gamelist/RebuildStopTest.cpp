// The real program stopped with SIGKILL while MAME writes the new listing of a new MAME, then
// started again: the previous version's old copies survive and the second start completes the
// build, untouched by the MAME that the stopped program left running.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "support/FakeMame.h"
#include "support/Files.h"

namespace {

// Waits up to a minute for `done`; false when it never came.
bool waitFor(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(60000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

// Whether the process has ended (a zombie that nobody has reaped yet has ended too).
bool ended(const QByteArray& pid)
{
    QFile stat("/proc/" + pid + "/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close < 0 || text.mid(close + 2, 1) == "Z";
}

class RebuildStop : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeDirs(report(""));
        makeDirs(app() + "/settings");
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_BINARY), app() + "/zelvane"));
        QFile::setPermissions(app() + "/zelvane", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        installFakeMame(mame());
        writeFile(mame() + "/mame.ini", "rompath roms\r\n");
        for (const auto& [name, bytes] : kPrevious)
            writeFile(report(name), bytes);
        // The size recorded for the MAME before this one.
        writeFile(app() + "/settings/options.ini",
                  "[Miscellaneous]\r\nZelvaneVersion=4.0.0\r\nMAMESize=" + QByteArray::number(mameSize() - 1) +
                      "\r\n[Directories]\r\nMAME=" + QFile::encodeName(mame()) + "\r\nROMs=" +
                      QFile::encodeName(mame()) + "\r\nIni=" + QFile::encodeName(mame()) + "\r\n");
    }

    QString app() const { return m_root.filePath("app"); }
    QString mame() const { return m_root.filePath("mame"); }
    QString report(const QString& name) const { return app() + "/reports/" + name; }
    QString paused() const { return m_root.filePath("paused"); }
    qint64 mameSize() const { return QFileInfo(mame() + "/mame").size(); }

    // Starts the program; a pausing MAME stops part way through its listing.
    void start(QProcess& program, bool pausingMame)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ZELVANE_INSTANCE", m_root.filePath("instance"));
        env.insert("ZELVANE_FAKEMAME_GAMES", "30");
        env.remove("ZELVANE_FAKEMAME_LISTXML");
        env.insert("ZELVANE_FAKEMAME_LOG", m_root.filePath("runs.log"));
        if (pausingMame) {
            env.insert("ZELVANE_FAKEMAME_PAUSED", paused());
            env.insert("ZELVANE_FAKEMAME_PAUSE_AT", "50000");
        }
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(app() + "/zelvane", {});
        ASSERT_TRUE(program.waitForStarted());
    }

    QStringList runs() const
    {
        QStringList commands;
        for (const FakeMameRun& run : readFakeMameRuns(m_root.filePath("runs.log")))
            commands << run.args.join(' ');
        return commands;
    }

    void TearDown() override
    {
        // A MAME still paused goes on and ends.
        QFile::remove(paused());
        if (!m_orphan.isEmpty())
            waitFor([this] { return ended(m_orphan); });
    }

    const std::map<QString, QByteArray> kPrevious = {
        {"listxml.txt", "<?xml version=\"1.0\"?>\r\n<mame build=\"previous\">\r\n</mame>\r\n"},
        {"crcinfo.txt", "previous crc\r\n"},
        {"gameinfo.txt", ""},
        {"resource.txt", "previous resources\r\n"},
        {"oldlistxml.txt", "the listing before the previous\r\n"},
    };
    QTemporaryDir m_root;
    QByteArray m_orphan; // the MAME that the stopped program left running
};

} // namespace

TEST_F(RebuildStop, KilledWhileMameWritesTheListingLosesNoOldCopyAndTheNextStartCompletesTheBuild)
{
    QProcess first;
    start(first, true);
    ASSERT_TRUE(waitFor([this] { return QFileInfo(paused()).size() > 0; })) << "MAME never paused";
    m_orphan = readFile(paused());
    first.kill();
    ASSERT_TRUE(first.waitForFinished());
    EXPECT_EQ(first.exitStatus(), QProcess::CrashExit);
    const QStringList halfWritten = QDir(report("")).entryList({"listxml.txt.build-*"}, QDir::Files);
    ASSERT_EQ(halfWritten.size(), 1);
    EXPECT_GE(QFileInfo(report(halfWritten[0])).size(), 50000);
    EXPECT_EQ(readFile(report("listxml.txt")), kPrevious.at("listxml.txt"));
    EXPECT_EQ(readFile(report("oldlistxml.txt")), kPrevious.at("listxml.txt"));

    QProcess second;
    start(second, false);
    const QByteArray recorded = "MAMESize=" + QByteArray::number(mameSize()) + "\r\n";
    const bool completed = waitFor([&] { return readFile(app() + "/settings/options.ini").contains(recorded); });
    // The MAME that the stopped program left running writes the rest of its listing now.
    const QByteArray listing = readFile(report("listxml.txt"));
    QFile::remove(paused());
    EXPECT_TRUE(waitFor([this] { return ended(m_orphan); }));
    second.terminate();
    ASSERT_TRUE(second.waitForFinished());
    ASSERT_TRUE(completed) << "the second start did not record the new MAME";

    EXPECT_EQ(readFile(report("oldlistxml.txt")), kPrevious.at("listxml.txt"));
    EXPECT_EQ(readFile(report("oldcrcinfo.txt")), kPrevious.at("crcinfo.txt"));
    EXPECT_EQ(readFile(report("oldresource.txt")), kPrevious.at("resource.txt"));
    EXPECT_EQ(readFile(report("listxml.txt")), listing);
    EXPECT_TRUE(listing.endsWith("</mame>\r\n"));
    EXPECT_EQ(readFile(report("gameinfo.txt")).count("\r\n"), 30);
    EXPECT_EQ(runs(), (QStringList{"-listxml", "-listxml", "-listcrc"}));
    EXPECT_EQ(QDir(report("")).entryList({"*.build-*", "*.zelvane-new-*"}, QDir::Files), QStringList());
}
