// The What's Changed comparisons on small lists whose reports are worked out by hand, their
// cancel points, and the progress and elapsed-time texts.
#include "reports/WhatsChanged.h"

#include "platform/RuntimeErrorText.h"
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
        {"identical", listing({pac, gal}), listing({pac, gal}), ""},
        {"moved games are found anywhere", listing({gal, pac}), listing({pac, gal}), ""},
        {"added", listing({pac, game("mspacman", "Ms. Pac-Man"), gal}), listing({pac, gal}),
         "mspacman\tMs. Pac-Man\r\n"},
        {"removed, from the left-over blocks", listing({pac}), listing({pac, gal}), "galaxian\tGalaxian\r\n"},
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
        {"identical", pac + gal, pac + gal, ""},
        {"games in another order", gal + pac, pac + gal, ""},
        {"removed games are never listed", pac, pac + gal, ""},
        {"added", pac + gal + "0004 z.1 Zaxxon\r\n", pac + gal, "Zaxxon\r\n"},
        {"a checksum changed", "0001 pm.1 Pac-Man\r\n0009 pm.2 Pac-Man\r\n" + gal, pac + gal, "Pac-Man\r\n"},
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

TEST(RestOfLine, IsTheTextAfterTheSecondBlankTrimmed)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0001 pm.1 Pac-Man", "Pac-Man"},   {"0001 pm.1  Ms. Pac-Man  ", "Ms. Pac-Man"},
        {"0001  Pac-Man", "Pac-Man"},       {"0001 pm.1", ""},
        {"0001", ""},                       {"0001 pm.1 ", ""},
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

TEST(CompareCancel, ARequestAmongTheLeftOverBlocksComesTooLate)
{
    CancelAt monitor{CompareStage::LeftOver, 1};
    const Result<CompareResult> result =
        CompareListings(listing({game("a", "A")}), listing({game("b", "B"), game("a", "A"), game("c", "C")}),
                        std::ref(monitor));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->outcome, CompareResult::Outcome::Changed);
    EXPECT_EQ(result->lines, "b\tB\r\nc\tC\r\n");
    EXPECT_GE(monitor.calls, 2);
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
