// The What's Changed compares in the main window over the listings of the MAME that Debian installs
// (/usr/games/mame), when it is there: one run of MAME per listing that a test needs.
#include "support/MainWindowFixture.h"

#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "reports/ReportPanel.h"
#include "shell/ExecCmd.h"
#include "shell/MameCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>

#include "support/Files.h"
#include "support/ScopedEnv.h"

namespace {

const QString kMameFolder = QStringLiteral("/usr/games");

class RealMameWhatsChanged : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        if (!QFileInfo(kMameFolder + QStringLiteral("/mame")).isExecutable())
            GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    }

    // What MAME writes for the listing command, run as the program runs it.
    static QByteArray mameAnswer(QString (*command)(const QString&, const QString&), const char* file)
    {
        QTemporaryDir home;
        ScopedEnv homeEnv("HOME", QFile::encodeName(home.path()));
        makeDirs(home.filePath("reports"));
        ExecCmd(command(home.path(), QLatin1String(file)), ShowState::Minimized, kMameFolder);
        return readFile(home.filePath(QStringLiteral("reports/") + QLatin1String(file)));
    }
    // The real lists, once for all cases of a test.
    static const QByteArray& realList()
    {
        static const QByteArray list = mameAnswer(MameListCrcCommand, "crcinfo.txt");
        return list;
    }
    static const QByteArray& realListing()
    {
        static const QByteArray listing = mameAnswer(MameListXmlCommand, "listxml.txt");
        return listing;
    }

    // ROMs Info or All Info over the two lists, confirmed; the report panel's text.
    QString compare(bool all, const QByteArray& newList, const QByteArray& oldList)
    {
        nextCase();
        writeGames(fiveGames());
        writeOptions();
        frmMain& w = loadShown();
        writeFile(report(all ? "listxml.txt" : "crcinfo.txt"), newList);
        writeFile(report(all ? "oldlistxml.txt" : "oldcrcinfo.txt"), oldList);
        m_boxes.answer(MsgAnswer::Yes);
        (all ? w.mnuReportsWhatsNewAll : w.mnuReportsWhatsNewROMs)->trigger();
        return w.fraVerify->txtVerify->Text();
    }
};

const QString kRomsUnchanged = QStringLiteral("No additions or changes were detected in this version of M.A.M.E.");

// The list with every line of `key` passed through `edit` (a line left empty is dropped).
QByteArray edited(const QByteArray& list, const QByteArray& key, const std::function<QByteArray(QByteArray)>& edit)
{
    QByteArray out;
    for (const QByteArray& line : list.split('\n')) {
        if (line.isEmpty())
            continue;
        const QByteArray changed = line.endsWith('\t' + key) ? edit(line) : line;
        if (!changed.isEmpty())
            out += changed + '\n';
    }
    return out;
}

// A checksum line's set name, the field between its two TABs.
QByteArray setOf(const QByteArray& line) { return line.split('\t').value(1).trimmed(); }

// A line of today's checksum list.
QByteArray crcLine(const char* crc, const char* rom, const char* set, const char* description)
{
    return QByteArray(crc) + ' ' + QByteArray(rom).leftJustified(32) + '\t' + QByteArray(set).leftJustified(16) +
           '\t' + description + '\n';
}

} // namespace

TEST_F(RealMameWhatsChanged, RomsInfoOverTwoCopiesGivesNoChangeAndAFewChangedGamesExactlyThose)
{
    const QByteArray list = realList();
    ASSERT_GT(list.count('\n'), 100000);
    // A device's lines stand under every machine that holds it.
    ASSERT_GT(list.count("\tNamco 50xx\n"), 10);

    EXPECT_EQ(compare(false, list, list), kRomsUnchanged);
    EXPECT_FALSE(QFileInfo::exists(report("newroms.txt")));

    const auto newCrc = [](QByteArray line) { return "00000000" + line.mid(8); };
    QByteArray changed = edited(list, "Pac-Man (Midway)", newCrc);
    changed = edited(changed, "Namco 50xx", newCrc);
    changed = edited(changed, "Xevious (Namco)", [](const QByteArray&) { return QByteArray(); });
    changed += crcLine("12345678", "added.bin", "added", "Added Game");
    ASSERT_NE(changed.size(), list.size());
    // In the order of each key's first line in the new list.
    QList<QByteArray> keys = {"Pac-Man (Midway)", "Namco 50xx", "Added Game"};
    std::sort(keys.begin(), keys.end(), [&](const QByteArray& a, const QByteArray& b) {
        return changed.indexOf('\t' + a + '\n') < changed.indexOf('\t' + b + '\n');
    });
    const QString text = compare(false, changed, list);
    EXPECT_TRUE(text.endsWith("Game \r\n\r\n" + keys.join("\r\n") + "\r\n")) << text.right(300).toStdString();
    EXPECT_EQ(readFile(report("newroms.txt")), text.toLatin1());
}

// The Bosconian sets hold their Namco 50xx twice in a row: machines that hold a device so, gone
// or new, change none of the device's ROMs.
TEST_F(RealMameWhatsChanged, RomsInfoTakesNoDeviceAsChangedForHowOftenMachinesHoldIt)
{
    const QList<QByteArray> lines = realList().split('\n');
    QSet<QByteArray> doubling; // the machines that hold Namco 50xx twice in a row
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        if (lines[i].endsWith("\tNamco 50xx") && lines[i + 1] == lines[i] && setOf(lines[i - 1]) != "namco50")
            doubling.insert(setOf(lines[i - 1]));
    ASSERT_GE(doubling.size(), 2) << "MAME 0.251 has six of them";

    // Each of them with the Namco devices' lines that follow its own.
    QByteArray without;
    bool dropping = false;
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        const QByteArray set = setOf(line);
        dropping = doubling.contains(set) || (dropping && set.startsWith("namco5"));
        if (!dropping)
            without += line + '\n';
    }
    const QByteArray n50 = *std::find_if(lines.begin(), lines.end(),
                                         [](const QByteArray& line) { return line.endsWith("\tNamco 50xx"); }) + '\n';
    ASSERT_TRUE(without.contains(n50)) << "other machines hold it once";
    ASSERT_FALSE(without.contains(n50 + n50));
    QString text = compare(false, without, realList());
    EXPECT_EQ(text, kRomsUnchanged) << text.right(300).toStdString();

    // A new machine that holds a Namco 51xx twice in a row, as no machine does.
    const qsizetype n51 = realList().indexOf("\tnamco51");
    ASSERT_GT(n51, 0);
    const qsizetype n51Start = realList().lastIndexOf('\n', n51) + 1;
    const QByteArray n51Line = realList().mid(n51Start, realList().indexOf('\n', n51) + 1 - n51Start);
    ASSERT_FALSE(realList().contains(n51Line + n51Line));
    const QByteArray added = realList() + crcLine("12345678", "added.bin", "added", "Added Game") + n51Line + n51Line;
    text = compare(false, added, realList());
    EXPECT_TRUE(text.endsWith("Game \r\n\r\nAdded Game\r\n")) << text.right(300).toStdString();
}

// The listing's closing tag follows its last machine: a machine added after that one, or that one
// removed, leaves the machine before it unchanged.
TEST_F(RealMameWhatsChanged, AllInfoListsExactlyTheMachineAddedOrRemovedAtTheEnd)
{
    const QByteArray& listing = realListing();
    ASSERT_GT(listing.size(), 100 << 20);
    const QByteArray closing = "\t</machine>\n</mame>\n";
    ASSERT_TRUE(listing.endsWith(closing));

    QByteArray added = listing;
    added.insert(added.size() - qsizetype(qstrlen("</mame>\n")),
                 "\t<machine name=\"zadded\" sourcefile=\"misc/zadded.cpp\">\n\t\t<description>Added Game"
                 "</description>\n\t\t<year>2023</year>\n\t</machine>\n");
    QString text = compare(true, added, listing);
    EXPECT_TRUE(text.endsWith("Description\r\n\r\nzadded\tAdded Game\r\n")) << text.right(300).toStdString();
    EXPECT_EQ(readFile(report("whatsnew.txt")), text.toLatin1());

    // The last machine (MAME 0.251's is the tilemap device) removed.
    const qsizetype last = listing.lastIndexOf("\t<machine name=\"");
    const qsizetype nameStart = last + qsizetype(qstrlen("\t<machine name=\""));
    const QByteArray name = listing.mid(nameStart, listing.indexOf('"', nameStart) - nameStart);
    const qsizetype descStart = listing.indexOf("<description>", last) + qsizetype(qstrlen("<description>"));
    const QByteArray description = listing.mid(descStart, listing.indexOf('<', descStart) - descStart);
    const QByteArray removed = listing.left(last) + "</mame>\n";
    text = compare(true, removed, listing);
    EXPECT_TRUE(text.endsWith("Description\r\n\r\n" + QString::fromUtf8(name + '\t' + description) + "\r\n"))
        << text.right(300).toStdString();
}
