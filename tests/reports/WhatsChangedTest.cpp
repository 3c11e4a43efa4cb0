// The What's Changed comparisons on small lists whose reports are worked out by hand, their
// cancel points, and the progress and elapsed-time texts.
#include "reports/WhatsChanged.h"

#include "platform/RuntimeErrorText.h"
#include "platform/ShownText.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

bool neverCancel(const CompareProgress&) { return false; }

// A game's block in MAME's line layout.
QByteArray game(const QByteArray& name, const char* description, const char* year = "1980")
{
    return "\t<game name=\"" + name + "\" sourcefile=\"d.c\">\r\n\t\t<description>" + description +
           "</description>\r\n\t\t<year>" + year + "</year>\r\n\t</game>\r\n";
}

QByteArray resource(const char* name)
{
    return QByteArray("\t<game runnable=\"no\" name=\"") + name + "\" sourcefile=\"b.c\">\r\n\t\t<description>" +
           name + " BIOS</description>\r\n\t</game>\r\n";
}

// A listing closed, as MAME's are, by a resource: the closing tag then stays out of the games' blocks.
QByteArray listing(std::initializer_list<QByteArray> blocks)
{
    QByteArray text = "<?xml version=\"1.0\"?>\r\n<mame build=\"0.106\">\r\n";
    for (const QByteArray& block : blocks)
        text += block;
    return text + resource("bios") + "</mame>\r\n";
}

TEST(CompareListings, ReportsByTheBlocksTheOldListingHolds)
{
    struct Case {
        const char* name;
        QByteArray newListing;
        QByteArray oldListing;
        QByteArray report; // empty: nothing changed
    };
    const QByteArray pac = game("pacman", "Pac-Man");
    const QByteArray gal = game("galaxian", "Galaxian");
    const Case cases[] = {
        {"edited, description kept: once", listing({pac, game("galaxian", "Galaxian", "1979")}), listing({pac, gal}),
         "galaxian\tGalaxian\r\n"},
        {"description changed: new, then old", listing({game("pacman", "Puck Man"), gal}), listing({pac, gal}),
         "pacman\tPuck Man\r\npacman\tPac-Man\r\n"},
        {"a left-over found inside a longer line is not repeated",
         listing({game("xpacman", "Pac-Man II"), gal}), listing({pac, gal}), "xpacman\tPac-Man II\r\n"},
        {"a second copy finds no second old block", listing({pac, pac, gal}), listing({pac, gal}),
         "pacman\tPac-Man\r\n"},
        {"a resource that left a game's block is found inside it", listing({pac, gal, resource("neogeo")}),
         listing({pac, resource("neogeo"), gal}), ""},
        {"left-overs in old order", listing({pac}), listing({gal, pac, game("zaxxon", "Zaxxon")}),
         "galaxian\tGalaxian\r\nzaxxon\tZaxxon\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CompareResult> result = CompareListings(c.newListing, c.oldListing, neverCancel);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->lines, c.report);
        EXPECT_EQ(result->outcome,
                  c.report.isEmpty() ? CompareResult::Outcome::Unchanged : CompareResult::Outcome::Changed);
    }
}

TEST(CompareListings, FailsOnListingsWithoutUsableBlocks)
{
    struct Case {
        const char* name;
        QByteArray newListing;
        QByteArray oldListing;
        int line;
    };
    const QByteArray pac = game("pacman", "Pac-Man");
    const Case cases[] = {
        {"empty new listing", "", listing({pac}), 2},
        {"empty old listing", listing({pac}), "", 3},
        {"a block without description", listing({"\t<game name=\"x\" sourcefile=\"d.c\">\r\n\t</game>\r\n"}),
         listing({pac}), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CompareResult> result = CompareListings(c.newListing, c.oldListing, neverCancel);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().line, c.line);
        EXPECT_FALSE(CompareErrorText(result.error()).isEmpty());
    }
}

// A block as today's MAME writes it: a <machine>, LF line ends.
QByteArray machine(const char* name, const char* description, const char* attributes = "")
{
    return QByteArray("\t<machine name=\"") + name + "\" sourcefile=\"x/d.cpp\"" + attributes +
           ">\n\t\t<description>" + description + "</description>\n\t</machine>\n";
}

// Today's listing ends in its devices, so a device's block holds the closing tag.
QByteArray currentListing(std::initializer_list<QByteArray> blocks, const char* build = "0.251")
{
    QByteArray text = QByteArray("<?xml version=\"1.0\"?>\n<mame build=\"") + build + " (unknown)\">\n";
    for (const QByteArray& block : blocks)
        text += block;
    return text + machine("z80", "Zilog Z80", " isdevice=\"yes\" runnable=\"no\"") + "</mame>\n";
}

TEST(CompareListings, FindsTheBlocksOfTodaysLayout)
{
    struct Case {
        const char* name;
        QByteArray newListing;
        QByteArray oldListing;
        QByteArray report;
        qint64 count; // blocks the progress runs to
    };
    const QByteArray pac = machine("puckman", "Puck Man");
    const QByteArray neogeo = machine("neogeo", "Neo-Geo MV-6F", " isbios=\"yes\"");
    const QByteArray slug = machine("mslug", "Metal Slug", " romof=\"neogeo\"");
    const Case cases[] = {
        {"identical but for the build", currentListing({pac, neogeo, slug}),
         currentListing({pac, neogeo, slug}, "0.250"), "", 4},
        {"a device added", currentListing({pac, machine("ym2151", "Yamaha YM2151", " isdevice=\"yes\"")}),
         currentListing({pac}), "ym2151\tYamaha YM2151\r\n", 3},
        // The first run after a MAME of the older layout: every game changed, each listed once.
        {"from the older layout to today's", currentListing({machine("pacman", "Pac-Man")}),
         listing({game("pacman", "Pac-Man")}), "pacman\tPac-Man\r\nz80\tZilog Z80\r\nbios\tbios BIOS\r\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qint64 count = 0;
        const auto counted = [&](const CompareProgress& p) {
            count = p.count;
            return false;
        };
        const Result<CompareResult> result = CompareListings(c.newListing, c.oldListing, counted);
        ASSERT_TRUE(result.ok()) << result.error().description.toStdString();
        EXPECT_EQ(result->lines, c.report);
        EXPECT_EQ(count, c.count);
    }
}

// The line ends between blocks, and the listing's closing tag after the last, are no game's.
TEST(CompareListings, ABlockEndsWhereItsElementEnds)
{
    const auto lines = [](const QByteArray& newListing, const QByteArray& oldListing) {
        const Result<CompareResult> result = CompareListings(newListing, oldListing, neverCancel);
        return result.ok() ? result->lines : QByteArray("failed");
    };
    const QByteArray head = "<?xml version=\"1.0\"?>\r\n<mame build=\"0.106\">\r\n" + game("pacman", "Pac-Man");
    EXPECT_EQ(lines(head + game("zaxxon", "Zaxxon") + "</mame>\r\n", head + "</mame>\r\n"), "zaxxon\tZaxxon\r\n");
    const QByteArray today = currentListing({machine("puckman", "Puck Man")});
    EXPECT_EQ(lines(today.chopped(8) + machine("ym2151", "Yamaha YM2151") + "</mame>\n", today),
              "ym2151\tYamaha YM2151\r\n");
}

TEST(CompareCrcLists, KeysTodaysLinesByTheDescriptionAfterTheLastTab)
{
    struct Case {
        const char* name;
        QByteArray newList;
        QByteArray oldList;
        QByteArray report;
    };
    // ROM names padded to 32, set names to 16, a TAB after each; some ROM names hold blanks.
    const QByteArray pac = "f36e88ab pm1_prg1.6e                    \tpuckman         \tPuck Man (Japan set 1)\n"
                           "618bd9b3 pm1_prg2.6k                    \tpuckman         \tPuck Man (Japan set 1)\n";
    const QByteArray cubeRoms = "e27ea5ee cubeqst.bin                     \tcubeqst         \tCube Quest (01/04/84)\n";
    const QByteArray cube = "8d6fa8a5 cube 1 rom.bin                 \tcubeqst         \tCube Quest (01/04/84)\n" + cubeRoms;
    const Case cases[] = {
        {"a ROM name with blanks is in its set's group",
         pac + "00000000 cube 1 rom.bin                 \tcubeqst         \tCube Quest (01/04/84)\n" + cubeRoms,
         pac + cube, "Cube Quest (01/04/84)\r\n"},
        // The first run after a MAME of the older layout: the same sets, their lines written anew.
        {"from the older layout to today's", pac,
         "f36e88ab pm1_prg1.6e Puck Man (Japan set 1)\r\n618bd9b3 pm1_prg2.6k Puck Man (Japan set 1)\r\n",
         "Puck Man (Japan set 1)\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CompareResult> result = CompareCrcLists(c.newList, c.oldList, neverCancel);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->lines, c.report);
    }
}

// Today's list repeats a device's lines under every machine that holds it, one or more times.
TEST(CompareCrcLists, TodaysKeysCompareTheirDistinctLines)
{
    const auto line = [](const char* crc, const char* rom, const char* set, const char* description) {
        return QByteArray(crc) + ' ' + QByteArray(rom).leftJustified(32) + '\t' + QByteArray(set).leftJustified(16) +
               '\t' + description + '\n';
    };
    const QByteArray n50 = line("a0acbaf7", "50xx.bin", "namco50", "Namco 50xx");
    const QByteArray n50changed = line("a0acbaf8", "50xx.bin", "namco50", "Namco 50xx");
    const QByteArray galaga = line("3eb1b8ec", "gg1_1b.3p", "galaga", "Galaga (Namco rev. B)");
    const QByteArray bosco = line("96021267", "bos3_1.3n", "bosco", "Bosconian (new version)");
    const QByteArray xevious = line("09ca9e0e", "xvi_1.3p", "xevious", "Xevious (Namco)");
    const QByteArray polepos = line("c918c043", "pp1_1b", "polepos", "Pole Position");
    const QByteArray oldList = galaga + n50 + bosco + n50 + n50 + xevious + n50 + polepos;
    struct Case {
        const char* name;
        QByteArray newList;
        QByteArray report;
    };
    const Case cases[] = {
        {"the same list", oldList, ""},
        {"one more machine holds the device", oldList + line("1", "s.1", "sbosco", "Super Bosconian") + n50,
         "Super Bosconian\r\n"},
        {"a machine that held the device is gone", galaga + n50 + bosco + n50 + n50 + polepos, ""},
        {"the device's ROM changed everywhere",
         galaga + n50changed + bosco + n50changed + n50changed + xevious + n50changed + polepos, "Namco 50xx\r\n"},
        {"a machine holds the device once more", galaga + n50 + bosco + n50 + n50 + xevious + n50 + n50 + polepos,
         ""},
        {"only the machine that holds it twice in a row is left", galaga + n50 + n50 + polepos, ""},
        {"a game's ROM changed", galaga + n50 + bosco + n50 + n50 + line("00000000", "xvi_1.3p", "xevious",
                                                                          "Xevious (Namco)") + n50 + polepos,
         "Xevious (Namco)\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CompareResult> result = CompareCrcLists(c.newList, oldList, neverCancel);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->lines, c.report);
        EXPECT_EQ(result->outcome == CompareResult::Outcome::Unchanged, c.report.isEmpty());
    }
}

TEST(CompareCrcLists, ReportsGroupsThatDifferFromTheFirstOldGroupOfTheirKey)
{
    struct Case {
        const char* name;
        QByteArray newList;
        QByteArray oldList;
        QByteArray report;
    };
    const QByteArray pac = "0001 pm.1 Pac-Man\r\n0002 pm.2 Pac-Man\r\n";
    const QByteArray gal = "0003 g.1 Galaxian\r\n";
    const Case cases[] = {
        {"removed games are never listed", pac, pac + gal, ""},
        {"lines reordered", "0002 pm.2 Pac-Man\r\n0001 pm.1 Pac-Man\r\n" + gal, pac + gal, "Pac-Man\r\n"},
        {"only the first old group of a key counts", gal + "0005 g.1 Galaxian\r\n", gal + pac + "0005 g.1 Galaxian\r\n",
         "Galaxian\r\n"},
        {"a line with one blank has the empty key", "short line\r\n" + gal, gal, "\r\n"},
        {"LF and CR line ends", "0001 pm.1 Pac-Man\n0002 pm.2 Pac-Man\r0003 g.1 Galaxian", pac + gal, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CompareResult> result = CompareCrcLists(c.newList, c.oldList, neverCancel);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->lines, c.report);
    }
    EXPECT_FALSE(CompareCrcLists("", "0003 g.1 Galaxian\r\n", neverCancel).ok());
}

TEST(CompareCounts, GoBeyondWhatSixteenBitsHold)
{
    constexpr int kGames = 40000;
    QByteArray oldList, newList, oldGames, newGames;
    for (int i = 0; i < kGames; ++i) {
        const QByteArray name = "g" + QByteArray::number(i);
        oldList += "0001 r.1 " + name + "\r\n";
        newList += (i == kGames - 1 ? "0002 r.1 " : "0001 r.1 ") + name + "\r\n";
        oldGames += game(name, name);
        newGames += game(name, i == kGames - 1 ? "Last" : name.constData());
    }
    const Result<CompareResult> roms = CompareCrcLists(newList, oldList, neverCancel);
    ASSERT_TRUE(roms.ok());
    EXPECT_EQ(roms->lines, "g39999\r\n");
    qint64 count = 0;
    const auto counted = [&](const CompareProgress& p) {
        count = p.count;
        return false;
    };
    const Result<CompareResult> all = CompareListings(listing({newGames}), listing({oldGames}), counted);
    ASSERT_TRUE(all.ok());
    EXPECT_EQ(all->lines, "g39999\tLast\r\ng39999\tg39999\r\n");
    EXPECT_EQ(count, kGames + 1);
}

TEST(RestOfLine, IsTheTextAfterTheLastTabOrElseTheSecondBlankTrimmed)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0001 pm.1 Pac-Man", "Pac-Man"},
        {"0001 pm.1  Ms. Pac-Man  ", "Ms. Pac-Man"},
        {"0001  Pac-Man", "Pac-Man"},
        {"0001 pm.1", ""},
        {"0001", ""},
        {"0001 pm.1 ", ""},
        {"8d6fa8a5 cube 1 rom.bin         \tcubeqst         \tCube Quest (01/04/84)", "Cube Quest (01/04/84)"},
        {"8d6fa8a5 a.bin\tset\t Two  Blanks ", "Two  Blanks"},
        {"8d6fa8a5 a.bin                 \tset             \t", ""},
        {"8d6fa8a5\tPac-Man", "Pac-Man"},
    };
    for (const auto& [line, key] : cases)
        EXPECT_EQ(RestOfLine(line), QByteArrayView(key)) << line;
}

// Asks to cancel from its `cancelAt`-th call in `stage` on, and records every stage it saw.
struct CancelAt {
    CancelAt(CompareStage stage, int cancelAt) : stage(stage), cancelAt(cancelAt) {}
    CompareStage stage;
    int cancelAt;
    int calls = 0;
    std::vector<CompareStage> seen;
    bool operator()(const CompareProgress& p)
    {
        seen.push_back(p.stage);
        return p.stage == stage && ++calls >= cancelAt;
    }
};

TEST(CompareCancel, StopsTheComparingStageAtTheNextPoll)
{
    const QByteArray crcNew = "1 a A\r\n2 b B\r\n3 c C\r\n";
    const QByteArray listNew = listing({game("a", "A"), game("b", "B"), game("c", "C")});
    for (const bool all : {false, true}) {
        SCOPED_TRACE(all ? "All Info" : "ROMs Info");
        CancelAt monitor{CompareStage::Comparing, 2};
        const Result<CompareResult> result =
            all ? CompareListings(listNew, listing({game("a", "A")}), std::ref(monitor))
                : CompareCrcLists(crcNew, "1 a A\r\n", std::ref(monitor));
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->outcome, CompareResult::Outcome::Cancelled);
        EXPECT_TRUE(result->lines.isEmpty());
        // Nothing is polled after the request was heard.
        EXPECT_EQ(monitor.calls, 2);
        EXPECT_EQ(monitor.seen.back(), CompareStage::Comparing);
    }
}

TEST(CompareCancel, ARequestAmongTheLeftOverBlocksStopsThem)
{
    CancelAt monitor{CompareStage::LeftOver, 1};
    const Result<CompareResult> result =
        CompareListings(listing({game("a", "A")}), listing({game("b", "B"), game("a", "A"), game("c", "C")}),
                        std::ref(monitor));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->outcome, CompareResult::Outcome::Cancelled);
    EXPECT_TRUE(result->lines.isEmpty());
    EXPECT_EQ(monitor.seen.back(), CompareStage::LeftOver);
}

TEST(CompareCancel, ARequestWhileLoadingWaitsForTheFirstComparison)
{
    int comparing = 0;
    const auto monitor = [&](const CompareProgress& p) {
        comparing += p.stage == CompareStage::Comparing;
        return true;
    };
    const Result<CompareResult> result = CompareListings(listing({game("a", "A")}), listing({game("a", "A")}), monitor);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->outcome, CompareResult::Outcome::Cancelled);
    EXPECT_EQ(comparing, 1);
}

TEST(CompareFiles, ReadsBothFilesOrNamesTheOneMissing)
{
    QTemporaryDir dir;
    const QString newPath = dir.filePath("crcinfo.txt");
    const QString oldPath = dir.filePath("oldcrcinfo.txt");
    writeFile(newPath, "1 a A\r\n2 b B\r\n");
    const Result<CompareResult> missing = CompareFiles(CompareKind::RomsInfo, newPath, oldPath, neverCancel);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().number, ErrorNumber::FileNotFound);
    writeFile(oldPath, "1 a A\r\n");
    const Result<CompareResult> read = CompareFiles(CompareKind::RomsInfo, newPath, oldPath, neverCancel);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->lines, "B\r\n");
    EXPECT_TRUE(CompareResultText(CompareKind::RomsInfo, *read).endsWith("\r\n\r\n\r\nGame \r\n\r\nB\r\n"));
}

TEST(CompareTexts, ProgressIsAWholePercentage)
{
    struct Case {
        CompareKind kind;
        qint64 done, count;
        const char* text;
    };
    const Case cases[] = {
        {CompareKind::RomsInfo, 0, 10, "Progress: %"},   {CompareKind::AllInfo, 0, 10, "Progress: 0%"},
        {CompareKind::RomsInfo, 1, 300, "Progress: %"},  {CompareKind::RomsInfo, 1, 3, "Progress: 33%"},
        {CompareKind::AllInfo, 1, 8, "Progress: 13%"},   {CompareKind::AllInfo, 45000, 45000, "Progress: 100%"},
        {CompareKind::AllInfo, 40000, 45000, "Progress: 89%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgressText(c.kind, c.done, c.count), c.text) << c.done << "/" << c.count;
}

TEST(CompareTexts, ElapsedTimeRoundsHalvesToEvenAndCrossesMidnight)
{
    struct Case {
        double start, end;
        const char* text;
    };
    const Case cases[] = {
        {100, 159.4, "Elapsed Time: 59 Seconds"},    {100, 159.5, "Elapsed Time: 1 Minute(s)"},
        {100, 130.5, "Elapsed Time: 30 Seconds"},    {100, 131.5, "Elapsed Time: 32 Seconds"},
        {86399, 1, "Elapsed Time: 2 Seconds"},       {86000, 170, "Elapsed Time: 10 Minute(s)"},
        {0, 150, "Elapsed Time: 2 Minute(s)"},       {0, 210, "Elapsed Time: 4 Minute(s)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElapsedTimeText(c.start, c.end), c.text) << c.start << " to " << c.end;
}

} // namespace

// A crcinfo.txt line too long for the panel is cut in the shown report, with a note; the lines
// around it stay as they were, and the saved report keeps it whole.
TEST(CompareResultText, HugeReportLineIsCutWithANote)
{
    const QByteArray huge(kShownLineBytes + 7, 'k');
    const QByteArray newList = "1 a.bin " + huge + "\r\n2 b.bin B\r\n";
    const Result<CompareResult> result = CompareCrcLists(newList, "", neverCancel);
    ASSERT_TRUE(result.ok());
    const QString text = CompareResultText(CompareKind::RomsInfo, *result);
    EXPECT_TRUE(text.endsWith("Game \r\n\r\n" + QString(kShownLineBytes, 'k') +
                              QString::fromLatin1(LineCutNote(huge.size())) + "\r\nB\r\n"));
    const QByteArray saved = CompareReportBytes(CompareKind::RomsInfo, *result);
    EXPECT_EQ(saved, text.left(text.indexOf("\r\n\r\n\r\n")).toLatin1() + "\r\n\r\n\r\nGame \r\n\r\n" + huge +
                         "\r\nB\r\n");
}

// All Info's panel shows the listing's XML entities as their characters; its saved report, and
// ROMs Info's plain descriptions, keep them as written.
TEST(CompareResultText, AllInfoShowsTheListingsEntitiesAsTheirCharacters)
{
    const Result<CompareResult> all =
        CompareListings(listing({game("konsega", "Konami &amp; Sega &lt;1&gt;")}), listing({}), neverCancel);
    ASSERT_TRUE(all.ok());
    EXPECT_TRUE(CompareResultText(CompareKind::AllInfo, *all).endsWith("\r\nkonsega\tKonami & Sega <1>\r\n"));
    EXPECT_TRUE(CompareReportBytes(CompareKind::AllInfo, *all).endsWith("\r\nkonsega\tKonami &amp; Sega &lt;1&gt;\r\n"));
    const Result<CompareResult> roms = CompareCrcLists("1 a.bin AT&amp;T\r\n", "", neverCancel);
    ASSERT_TRUE(roms.ok());
    EXPECT_TRUE(CompareResultText(CompareKind::RomsInfo, *roms).endsWith("\r\nAT&amp;T\r\n"));
}
