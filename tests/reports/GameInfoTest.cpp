#include "reports/GameInfo.h"

#include "platform/AnsiText.h"
#include "platform/ShownText.h"

#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>

namespace {

const QString kNoHistoryFile =
    "Cannot find history.dat file.  This file must be in your M.A.M.E. directory.\r\n\r\n";
const QString kNoMameinfoFile =
    "Cannot find mameinfo.dat file.  This file must be in your M.A.M.E. directory.\r\n\r\n";
const QString kNoCheatFile = "Cannot find cheat.dat file.  This file must be in your M.A.M.E. directory.";
const QString kNoHistory = "There is no history for this game.\r\n\r\n\r\n";
const QString kNoMameinfo = "There is no mameinfo for this game.\r\n\r\n";
const QString kNoCheats = "There are no cheats for this game.";

QString report(const QString& history, const QString& mameinfo, const QString& cheats)
{
    return "History.Dat\r\n\r\n" + history + "\r\nMameinfo.Dat\r\n\r\n" + mameinfo + "\r\nCheat.Dat\r\n\r\n" + cheats;
}

// The data files of one case, written into a fresh MAME folder (nullptr: no such file).
struct DataFiles {
    const char* history = nullptr;
    const char* mameinfo = nullptr;
    const char* cheat = nullptr;
};

class GameInfo : public ::testing::Test {
protected:
    Result<GameInfoReport> look(const DataFiles& files, const QString& rom)
    {
        const QDir folder(m_dir.path());
        for (const char* name : {"history.dat", "mameinfo.dat", "cheat.dat"})
            QFile::remove(folder.filePath(name));
        if (files.history)
            writeFile(folder.filePath("history.dat"), files.history);
        if (files.mameinfo)
            writeFile(folder.filePath("mameinfo.dat"), files.mameinfo);
        if (files.cheat)
            writeFile(folder.filePath("cheat.dat"), files.cheat);
        return GameInformation(m_dir.path(), rom);
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(GameInfo, AllFilesMissingGiveTheThreeMessagesUnderBoldHeadings)
{
    const Result<GameInfoReport> r = look({}, "pacman");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->text, report(kNoHistoryFile, kNoMameinfoFile, kNoCheatFile));
    const char* headings[] = {"History.Dat", "Mameinfo.Dat", "Cheat.Dat"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r->text.mid(r->headings[i].start, r->headings[i].length), headings[i]);
}

TEST_F(GameInfo, HeadingsAreTheSectionsOwnEvenWhenTheTextNamesThem)
{
    const DataFiles files{"$info=pacman,\r\n$bio\r\n\r\nSee cheat.dat and Mameinfo.dat.\r\n$end\r\n", nullptr, nullptr};
    const Result<GameInfoReport> r = look(files, "pacman");
    ASSERT_TRUE(r.ok());
    const qsizetype mameinfo = r->text.indexOf("\r\nMameinfo.Dat\r\n") + 2;
    EXPECT_EQ(r->headings[1].start, mameinfo);
    EXPECT_EQ(r->text.mid(r->headings[2].start, 9), "Cheat.Dat");
    EXPECT_GT(r->headings[2].start, mameinfo);
}

TEST_F(GameInfo, InfoLinesListTheGameByItsWholeName)
{
    // Another game's entry comes first in each file, so a match that is too eager shows its text.
    const QByteArray history = "$info=galaxian,\r\n$bio\r\n\r\nWrong game.\r\n$end\r\n";
    const QByteArray historyEntry = "$bio\r\ndropped line\r\nFirst line\r\nruns on.\r\n\r\n\r\nSecond.\r\n$end\r\n";
    const QString historyText = "First line runs on. \r\n\r\nSecond. \r\n";
    const QByteArray mameinfo = "$info=galaxian\r\n$mame\r\nWrong game.\r\n$end\r\n";
    const QByteArray mameinfoEntry = "$mame\r\nNote one\r\n\r\n\r\nNote two\r\n\r\nNote three\r\n$end\r\n";
    const QString mameinfoText = "Note one\r\n\r\nNote two\r\nNote three\r\n\r\n";
    struct Case {
        const char* name;
        bool inMameinfo;
        QByteArray info;
        const char* rom;
        bool found;
    };
    const Case cases[] = {
        {"history: only name", false, "$info=pacman,", "pacman", true},
        {"history: second name after another", false, "$info=puckman,pacman,", "pacman", true},
        {"history: after a longer name that ends with it", false, "$info=mspacman,pacman,", "pacman", true},
        {"history: longer name only", false, "$info=pacmanf,", "pacman", false},
        {"history: name that ends with it only", false, "$info=mspacman,", "pacman", false},
        {"history: prefix of the listed name", false, "$info=pacman,", "pac", false},
        {"history: without the trailing comma", false, "$info=pacman", "pacman", false},
        {"history: other letter case", false, "$info=PACMAN,", "pacman", false},
        {"history: not an info line", false, "$bio=pacman,", "pacman", false},
        {"mameinfo: last item without a comma", true, "$info=puckman,pacman", "pacman", true},
        {"mameinfo: first item with a comma", true, "$info=pacman,puckman", "pacman", true},
        {"mameinfo: after a longer name that ends with it", true, "$info=mspacman,pacman", "pacman", true},
        {"mameinfo: part of a longer name", true, "$info=pacmanf", "pacman", false},
        {"mameinfo: prefix of the listed name", true, "$info=pacman", "pac", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray file = c.inMameinfo ? mameinfo + c.info + "\r\n" + mameinfoEntry
                                             : history + c.info + "\r\n" + historyEntry;
        DataFiles files;
        (c.inMameinfo ? files.mameinfo : files.history) = file.constData();
        const Result<GameInfoReport> r = look(files, c.rom);
        ASSERT_TRUE(r.ok());
        if (c.inMameinfo)
            EXPECT_EQ(r->text, report(kNoHistoryFile, c.found ? mameinfoText : kNoMameinfo, kNoCheatFile));
        else
            EXPECT_EQ(r->text, report(c.found ? historyText : kNoHistory, kNoMameinfoFile, kNoCheatFile));
    }
}

TEST_F(GameInfo, LatinOneDataFilesKeepTheirBytesInTheReport)
{
    DataFiles files;
    files.history = "$info=pacman,\r\n$bio\r\ndropped\r\nPok\xe9mon caf\xc3\xa9\r\n$end\r\n";
    files.mameinfo = "$info=pacman\r\n$mame\r\nR\xe9vision\r\n$end\r\n";
    const Result<GameInfoReport> r = look(files, "pacman");
    ASSERT_TRUE(r.ok());
    const QByteArray shown = toAnsi(r->text);
    EXPECT_TRUE(shown.contains("Pok\xe9mon caf\xc3\xa9 ")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("R\xe9vision\r\n")) << shown.toStdString();
}

TEST_F(GameInfo, CheatsAreTheGamesOwnConsecutiveLines)
{
    struct Case {
        const char* name;
        const char* cheat;
        QString shown;
    };
    const Case cases[] = {
        {"lines of a longer and a shorter name are not taken",
         "pac:0:1:Short\r\npacmanf:0:2:Long\r\npacman:0:3:Lives\r\npacman:0:4:Speed: fast\r\npacmanf:0:5:After\r\n",
         "Lives\r\n fast\r\n"},
        {"the last lines of the file, without a final line end", "galaxian:0:1:Other\r\npacman:0:1:A\r\npacman:0:2:B",
         "A\r\nB\r\n"},
        {"only the first run of lines", "pacman:1:X\r\nother:1:Y\r\npacman:1:Z\r\n", "X\r\n"},
        {"no lines of the game", "pacmanf:0:1:Long\r\n", kNoCheats},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DataFiles files{nullptr, nullptr, c.cheat};
        const Result<GameInfoReport> r = look(files, "pacman");
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r->text, report(kNoHistoryFile, kNoMameinfoFile, c.shown));
    }
}

// A section that the game's entry lacks is not looked for past its "$end", in the next game's entry.
TEST_F(GameInfo, AnEntryEndsAtItsEnd)
{
    const DataFiles files{"$info=pacman,\r\n$end\r\n$info=galaxian,\r\n$bio\r\n\r\nGalaxian history.\r\n$end\r\n",
                          "$info=pacman\r\n$drv\r\nx\r\n$end\r\n$info=galaxian\r\n$mame\r\nGalaxian notes.\r\n$end\r\n",
                          "galaxian:0:1:Lives\r\n"};
    const Result<GameInfoReport> r = look(files, "pacman");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->text, report(kNoHistory, kNoMameinfo, kNoCheats));
}

TEST_F(GameInfo, AnEntryCutShortIsTheErrorOfTheWholeReport)
{
    struct Case {
        const char* name;
        DataFiles files;
    };
    const Case cases[] = {
        {"history without $bio", {"$info=pacman,\r\nno bio\r\n", nullptr, "pacman:1:X\r\n"}},
        {"history without $end", {"$info=pacman,\r\n$bio\r\n\r\ntext\r\n", nullptr, nullptr}},
        {"mameinfo without $end", {nullptr, "$info=pacman\r\n$mame\r\nnote\r\n", nullptr}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<GameInfoReport> r = look(c.files, "pacman");
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(GameInfoErrorText(r.error()), "Error: 62\r\nInput past end of file");
    }
}

// Lines and entries longer than the panel shows are cut, each with a note; the sections after
// them are still read.
TEST_F(GameInfo, HugeLinesAndEntriesAreCutWithANote)
{
    const QByteArray longLine(kShownLineBytes + 5, 'h');
    const QByteArray history = "$info=pacman,\r\n$bio\r\n\r\n" + longLine + "\r\n$end\r\n";
    QByteArray mameinfo = "$info=pacman\r\n$mame\r\n";
    const QByteArray note = QByteArray(1023, 'm') + "\r\n";
    qsizetype notes = 0;
    for (; notes * 1025 <= kShownTextLength + 4096; ++notes)
        mameinfo += note;
    mameinfo += "$end\r\n";
    const QByteArray cheat = "pacman:0:1:" + QByteArray(kShownLineBytes + 1, 'c') + "\r\n";
    const QDir folder(m_dir.path());
    writeFile(folder.filePath("history.dat"), history);
    writeFile(folder.filePath("mameinfo.dat"), mameinfo);
    writeFile(folder.filePath("cheat.dat"), cheat);

    const Result<GameInfoReport> r = GameInformation(m_dir.path(), "pacman");
    ASSERT_TRUE(r.ok());
    const QString& text = r->text;
    const QString historyText =
        QString(kShownLineBytes, 'h') + QString::fromLatin1(LineCutNote(longLine.size())) + " \r\n";
    EXPECT_TRUE(text.startsWith("History.Dat\r\n\r\n" + historyText + "\r\nMameinfo.Dat\r\n\r\n"));
    const qsizetype cheats = text.indexOf("\r\nCheat.Dat\r\n\r\n");
    ASSERT_GT(cheats, 0);
    EXPECT_EQ(text.mid(cheats + 15),
              QString(kShownLineBytes, 'c') + QString::fromLatin1(LineCutNote(kShownLineBytes + 1)) + "\r\n");
    const QString mameinfoText = text.mid(r->headings[1].start, cheats - r->headings[1].start);
    EXPECT_TRUE(mameinfoText.endsWith(TextCutNote() + "\r\n\r\n"));
    EXPECT_LT(mameinfoText.size(), kShownTextLength + 2048);
    EXPECT_LT(mameinfoText.count(QLatin1Char('m')), notes * 1023);
}

#if !defined(__SANITIZE_ADDRESS__)
// Memory that runs out while the report is read is the report's error, not the program's end.
TEST_F(GameInfo, RunningOutOfMemoryIsTheReportsError)
{
    const QByteArray history = "$info=pacman,\r\n$bio\r\n\r\n" + QByteArray(24 << 20, 'h') + "\r\n$end\r\n";
    writeFile(QDir(m_dir.path()).filePath("history.dat"), history);
    EXPECT_EXIT(
        {
            // Room for the reader's first blocks, not for the whole line.
            rlimit limit{};
            QFile status("/proc/self/status");
            status.open(QIODevice::ReadOnly);
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmSize:"))
                    limit.rlim_cur = limit.rlim_max = rlim_t(line.mid(7).trimmed().split(' ')[0].toLongLong() + 8192) << 10;
            setrlimit(RLIMIT_AS, &limit);
            const Result<GameInfoReport> r = GameInformation(m_dir.path(), "pacman");
            std::_Exit(!r.ok() && GameInfoErrorText(r.error()) == "Error: 7\r\nOut of memory" ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
#endif
