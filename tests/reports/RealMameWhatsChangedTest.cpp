// ROMs Info in the main window over the checksum list of the MAME that Debian installs
// (/usr/games/mame), when it is there: one -listcrc run for the whole test.
#include "support/MainWindowFixture.h"

#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "reports/ReportPanel.h"
#include "shell/ExecCmd.h"
#include "shell/MameCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

#include "support/Files.h"
#include "support/ScopedEnv.h"

namespace {

const QString kMameFolder = QStringLiteral("/usr/games");

class RealMameRomsInfo : public MainWindowTest {
protected:
    // The real list, once for all cases.
    static QByteArray realList()
    {
        static const QByteArray list = [] {
            QTemporaryDir home;
            ScopedEnv homeEnv("HOME", QFile::encodeName(home.path()));
            makeDirs(home.filePath("reports"));
            ExecCmd(MameListCrcCommand(home.path(), "crcinfo.txt"), ShowState::Minimized, kMameFolder);
            return readFile(home.filePath("reports/crcinfo.txt"));
        }();
        return list;
    }
    // ROMs Info over the two lists, confirmed; the report panel's text.
    QString romsInfo(const QByteArray& newList, const QByteArray& oldList)
    {
        nextCase();
        writeGames(fiveGames());
        writeOptions();
        frmMain& w = loadShown();
        writeFile(report("crcinfo.txt"), newList);
        writeFile(report("oldcrcinfo.txt"), oldList);
        m_boxes.answer(MsgAnswer::Yes);
        w.mnuReportsWhatsNewROMs->trigger();
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

} // namespace

TEST_F(RealMameRomsInfo, TwoCopiesGiveNoChangeAndAFewChangedGamesExactlyThose)
{
    if (!QFileInfo(kMameFolder + QStringLiteral("/mame")).isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    const QByteArray list = realList();
    ASSERT_GT(list.count('\n'), 100000);
    // A device's lines stand under every machine that holds it.
    ASSERT_GT(list.count("\tNamco 50xx\n"), 10);

    EXPECT_EQ(romsInfo(list, list), "No additions or changes were detected in this version of M.A.M.E.");
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
    const QString text = romsInfo(changed, list);
    EXPECT_TRUE(text.endsWith("Game \r\n\r\n" + keys.join("\r\n") + "\r\n")) << text.right(300).toStdString();
    EXPECT_EQ(readFile(report("newroms.txt")), text.toLatin1());
}
