#include "shell/IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/FullDisk.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// While it lives, no file can be opened: the process has no descriptor left to give.
class NoFreeDescriptors {
public:
    NoFreeDescriptors()
    {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        const int lowestFree = ::open("/dev/null", O_RDONLY);
        ::close(lowestFree);
        rlimit exhausted = m_saved;
        exhausted.rlim_cur = rlim_t(lowestFree);
        setrlimit(RLIMIT_NOFILE, &exhausted);
    }
    ~NoFreeDescriptors() { setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved{};
};

class IniFile : public ::testing::Test {
protected:
    void SetUp() override { IniService::instance().dropAll(); }
    void TearDown() override { IniService::instance().dropAll(); }
    QString path(const char* name = "test.ini") const { return m_dir.filePath(name); }
    // The cache trusts its copy until the event loop turns.
    static void nextTurn() { QCoreApplication::processEvents(); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefaultsTextAnEmptyValueIsEmpty)
{
    EXPECT_EQ(ReadINI(path(), "View", "Scroll", true), "True");
    EXPECT_EQ(ReadINI(path(), "View", "AllIndex", 1), "1");
    writeFile(path(), "[View]\r\nScroll=False\r\nFavorites=\r\n");
    nextTurn();
    EXPECT_EQ(ReadINI(path(), "Other", "Scroll", false), "False");
    EXPECT_EQ(ReadINI(path(), "View", "Missing", "All Games"), "All Games");
    EXPECT_EQ(ReadINI(path(), "View", "Favorites", false), "");
}

TEST_F(IniFile, ValuesAreTrimmedAndOnePairOfQuotesRemoved)
{
    writeFile(path(), "[S]\r\n  a  =  spaced value \t\r\nb=\"quoted\"\r\nc='single'\r\nd=\"\"twice\"\"\r\ne=\"open\r\n");
    EXPECT_EQ(ReadINI(path(), "S", "a", ""), "spaced value");
    EXPECT_EQ(ReadINI(path(), "S", "b", ""), "quoted");
    EXPECT_EQ(ReadINI(path(), "S", "c", ""), "single");
    EXPECT_EQ(ReadINI(path(), "S", "d", ""), "\"twice\"");
    EXPECT_EQ(ReadINI(path(), "S", "e", ""), "\"open");
}

TEST_F(IniFile, ReadsAtMost254Characters)
{
    writeFile(path(), "[S]\r\nlong=" + QByteArray(300, 'x') + "\r\n");
    EXPECT_EQ(ReadINI(path(), "S", "long", "").size(), 254);
    EXPECT_EQ(ReadINI(path(), "S", "none", QString(300, 'd')).size(), 254);
}

TEST_F(IniFile, FirstOccurrenceOfASectionOrKeyWins)
{
    writeFile(path(), "[S]\r\nk=first\r\nk=second\r\n[s]\r\nother=x\r\n");
    EXPECT_EQ(ReadINI(path(), "S", "k", ""), "first");
    EXPECT_EQ(ReadINI(path(), "S", "other", "none"), "none");
}

TEST_F(IniFile, AcceptsEveryLineEndAndSkipsAByteOrderMark)
{
    writeFile(path("lf.ini"), "[S]\nk=lf\n");
    writeFile(path("cr.ini"), "[S]\rk=cr\r");
    writeFile(path("bom.ini"), "\xEF\xBB\xBF[S]\r\nk=bom\r\n");
    EXPECT_EQ(ReadINI(path("lf.ini"), "S", "k", ""), "lf");
    EXPECT_EQ(ReadINI(path("cr.ini"), "S", "k", ""), "cr");
    EXPECT_EQ(ReadINI(path("bom.ini"), "S", "k", ""), "bom");
}

TEST_F(IniFile, WritesWaitInTheCacheUntilTheNullWrite)
{
    WriteINI(path(), "Miscellaneous", "AutoRun", true);
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(ReadINI(path(), "Miscellaneous", "AutoRun", false), "True");
    FlushINI(path());
    EXPECT_EQ(readFile(path()), "[Miscellaneous]\r\nAutoRun=True\r\n");
}

TEST_F(IniFile, NullWriteOfAnUnchangedFileLeavesItsBytesAlone)
{
    const QByteArray original = "; comment\n[S]\nk = v\n";
    writeFile(path(), original);
    EXPECT_EQ(ReadINI(path(), "S", "k", ""), "v");
    FlushINI(path());
    EXPECT_EQ(readFile(path()), original);
}

TEST_F(IniFile, AValueThatIsNoUtf8IsWrittenBackAsItsBytes)
{
    writeFile(path(), "[Directories]\r\nROMs=/emu/r\xe9tro \xc3\xa9\r\n");
    const QString roms = ReadINI(path(), "Directories", "ROMs", "");
    WriteINI(path(), "Directories", "ROMs", roms);
    WriteINI(path(), "Directories", "Samples", roms);
    FlushINI(path());
    EXPECT_EQ(readFile(path()), "[Directories]\r\nROMs=/emu/r\xe9tro \xc3\xa9\r\nSamples=/emu/r\xe9tro \xc3\xa9\r\n");
}

TEST_F(IniFile, ChangedKeyIsReplacedInPlaceNewKeyEndsItsSectionNewSectionEndsTheFile)
{
    writeFile(path(), "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
    WriteINI(path(), "a", "X", 10);
    WriteINI(path(), "A", "w", "new");
    WriteINI(path(), "C", "k", "v");
    FlushINI(path());
    EXPECT_EQ(readFile(path()), "[A]\r\nx=10\r\ny=2\r\nw=new\r\n\r\n[B]\r\nz=3\r\n[C]\r\nk=v\r\n");
}

TEST_F(IniFile, LineBreaksInAWrittenValueBecomeBlanks)
{
    WriteINI(path(), "S", "k", QString("one\r\ntwo\nthree"));
    FlushINI(path());
    EXPECT_EQ(readFile(path()), "[S]\r\nk=one  two three\r\n");
}

TEST_F(IniFile, KeepsTheLineEndsOfTheFileItRewrites)
{
    writeFile(path(), "[S]\nk=1\n");
    WriteINI(path(), "S", "j", 2);
    FlushINI(path());
    EXPECT_EQ(readFile(path()), "[S]\nk=1\nj=2\n");
}

TEST_F(IniFile, FileChangedBehindTheCacheIsReadAgainOnTheNextTurn)
{
    writeFile(path(), "[S]\r\nk=old\r\n");
    EXPECT_EQ(ReadINI(path(), "S", "k", ""), "old");
    QThread::msleep(20); // a distinct modification time
    writeFile(path(), "[S]\r\nk=newer\r\n");
    nextTurn();
    EXPECT_EQ(ReadINI(path(), "S", "k", ""), "newer");
    QFile::remove(path());
    nextTurn();
    EXPECT_EQ(ReadINI(path(), "S", "k", "gone"), "gone");
}

TEST_F(IniFile, KillDropsTheCopyWithItsPendingWrites)
{
    WriteINI(path(), "S", "k", "v");
    FlushINI(path());
    WriteINI(path(), "S", "pending", "p");
    EXPECT_TRUE(KillINI(path()));
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(ReadINI(path(), "S", "k", "none"), "none");
    FlushINI(path());
    EXPECT_FALSE(QFile::exists(path())); // nothing pending survived the delete
}

TEST_F(IniFile, FileThatCouldNotBeReadIsNeverReplacedByTheWritesMadeMeanwhile)
{
    const QByteArray original = "[View]\r\nAllIndex=7\r\n[Directories]\r\nROMs=/roms\r\n";
    writeFile(path(), original);
    {
        NoFreeDescriptors exhausted;
        EXPECT_EQ(ReadINI(path(), "View", "AllIndex", 1), "1");
    }
    WriteINI(path(), "View", "AllIndex", 9);
    EXPECT_FALSE(IniService::instance().flush(path()));
    EXPECT_EQ(readFile(path()), original);
    nextTurn();
    EXPECT_EQ(ReadINI(path(), "Directories", "ROMs", ""), "/roms");
}

TEST_F(IniFile, FlushIntoAMissingFolderFailsWithoutHarm)
{
    const QString p = m_dir.filePath("missing/folder/x.ini");
    WriteINI(p, "S", "k", "v");
    EXPECT_FALSE(IniService::instance().flush(p));
    EXPECT_EQ(ReadINI(p, "S", "k", ""), "v");
}

TEST_F(IniFile, LargeLookUpFileAnswersWithoutRegardToCase)
{
    QByteArray catver = "[Category]\r\n";
    for (int i = 0; i < 40000; ++i)
        catver += "game" + QByteArray::number(i) + "=Cat " + QByteArray::number(i % 50) + "\r\n";
    writeFile(path("catver.ini"), catver);
    EXPECT_EQ(ReadINI(path("catver.ini"), "Category", "game39999", "Not Found"), "Cat 49");
    EXPECT_EQ(ReadINI(path("catver.ini"), "CATEGORY", "Game123", "Not Found"), "Cat 23");
    EXPECT_EQ(ReadINI(path("catver.ini"), "Category", "game40000", "Not Found"), "Not Found");
}

TEST_F(IniFile, RewriteKeepsAUtf8ByteOrderMark)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    for (const QByteArray& start : {bom, QByteArray()}) {
        IniService::instance().dropAll();
        writeFile(path(), start + "[S]\r\nk=1\r\n");
        WriteINI(path(), "S", "k", 2);
        FlushINI(path());
        EXPECT_EQ(readFile(path()), start + "[S]\r\nk=2\r\n") << start.size();
    }
}

TEST_F(IniFile, FullDiskKeepsTheFileAndItsWritesPendingAndTellsTheCallerWhy)
{
    const QByteArray original = "[View]\r\nAllIndex=7\r\nGameView=All Games\r\n";
    writeFile(path(), original);
    struct Case {
        const char* key;
        const char* value;
        bool rewrite; // false: the value is the stored one, and nothing needs writing
    };
    const Case cases[] = {{"AllIndex", "9", true}, {"NewKey", "x", true}, {"AllIndex", "7", false}};
    for (const Case& c : cases) {
        IniService::instance().dropAll();
        WriteINI(path(), "View", c.key, c.value);
        {
            ScopedWriteLimit full(0);
            const Status failed = SaveINI(path());
            EXPECT_EQ(failed.value_or(RuntimeError()).description, c.rewrite ? "Disk full" : "") << c.key;
            EXPECT_EQ(readFile(path()), original) << c.key;
        }
        // With room again the pending write reaches the file.
        EXPECT_FALSE(SaveINI(path())) << c.key;
        nextTurn();
        EXPECT_EQ(ReadINI(path(), "View", c.key, ""), c.value) << c.key;
        writeFile(path(), original);
    }
}

TEST_F(IniFile, RevertForgetsThePendingWrites)
{
    writeFile(path(), "[S]\r\nk=1\r\n");
    WriteINI(path(), "S", "k", 2);
    RevertINI(path());
    EXPECT_EQ(ReadINI(path(), "S", "k", ""), "1");
    FlushINI(path());
    EXPECT_EQ(readFile(path()), "[S]\r\nk=1\r\n");
}
