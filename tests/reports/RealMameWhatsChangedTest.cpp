// ROMs Info and All Info in the main window over the lists of the MAME that Debian installs
// (/usr/games/mame), when it is there: one run of MAME per list.
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
const char* const kUnchanged = "No additions or changes were detected in this version of M.A.M.E.";

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

} // namespace

TEST_F(RealMameWhatsChanged, RomsInfoOverTwoCopiesGivesNoChangeAndAFewChangedGamesExactlyThose)
{
    const QByteArray list = realList();
    ASSERT_GT(list.count('\n'), 100000);
    // A device's lines stand under every machine that holds it.
    ASSERT_GT(list.count("\tNamco 50xx\n"), 10);

    EXPECT_EQ(compare(false, list, list), kUnchanged);
    EXPECT_FALSE(QFileInfo::exists(report("newroms.txt")));

    const auto newCrc = [](QByteArray line) { return "00000000" + line.mid(8); };
    QByteArray changed = edited(list, "Pac-Man (Midway)", newCrc);
    changed = edited(changed, "Namco 50xx", newCrc);
    changed = edited(changed, "Xevious (Namco)", [](const QByteArray&) { return QByteArray(); });
    changed += "12345678 added.bin                       \tadded           \tAdded Game\n";
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

// Some machines hold their Namco 50xx twice in a row: with all of them gone, no device's ROMs changed.
TEST_F(RealMameWhatsChanged, RomsInfoTakesNoDeviceAsChangedForHowOftenMachinesHoldIt)
{
    const QList<QByteArray> lines = realList().split('\n');
    QSet<QByteArray> doubling;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        if (lines[i].endsWith("\tNamco 50xx") && lines[i + 1] == lines[i] && setOf(lines[i - 1]) != "namco50")
            doubling.insert(setOf(lines[i - 1]));
    ASSERT_GE(doubling.size(), 2);
    // Each of them with the Namco devices' lines that follow its own.
    QByteArray without;
    bool dropping = false;
    for (const QByteArray& line : lines) {
        dropping = doubling.contains(setOf(line)) || (dropping && setOf(line).startsWith("namco5"));
        if (!dropping && !line.isEmpty())
            without += line + '\n';
    }
    ASSERT_TRUE(without.contains("\tNamco 50xx\n")) << "other machines hold it once";
    EXPECT_EQ(compare(false, without, realList()), kUnchanged);
}

// The listing's closing tag follows its last machine: a machine added after it leaves it unchanged.
TEST_F(RealMameWhatsChanged, AllInfoListsExactlyTheMachineAddedAtTheEnd)
{
    const QByteArray& listing = realListing();
    ASSERT_GT(listing.size(), 100 << 20);
    ASSERT_TRUE(listing.endsWith("\t</machine>\n</mame>\n"));
    QByteArray added = listing;
    added.insert(added.size() - qsizetype(qstrlen("</mame>\n")),
                 "\t<machine name=\"zadded\" sourcefile=\"misc/zadded.cpp\">\n\t\t<description>Added Game"
                 "</description>\n\t\t<year>2023</year>\n\t</machine>\n");
    const QString text = compare(true, added, listing);
    EXPECT_TRUE(text.endsWith("Description\r\n\r\nzadded\tAdded Game\r\n")) << text.right(300).toStdString();
}
