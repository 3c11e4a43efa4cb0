// The fast comparisons against the slow, direct ones on a few hundred small random listings and
// checksum lists of both MAME layouts: games added, removed, edited, moved and doubled, resources
// inside games, and fragments that look like block starts.
#include "WhatsChangedReference.h"

#include "reports/ListingBlocks.h"
#include "reports/RemainingListing.h"
#include "reports/ReportEntries.h"
#include "reports/WhatsChanged.h"

#include <QList>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

constexpr int kCases = 300;

struct Game {
    bool resource = false;
    QByteArray name;
    QByteArray description;
    QList<QByteArray> body;
};

// <game> blocks with CR LF lines and blank-separated checksum lines, or today's <machine> blocks
// with LF lines and padded, TAB-separated checksum lines.
enum class Layout { Older, Current };

class Generator {
public:
    explicit Generator(unsigned seed, Layout layout = Layout::Older) : m_random(seed), m_layout(layout) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T>
    const T& pick(const QList<T>& from) { return from[below(int(from.size()))]; }

    Game game()
    {
        static const QList<QByteArray> kNames = {"a", "b", "c", "ab", "ba", "abc", "pac", "pacman", "gal"};
        static const QList<QByteArray> kDescriptions = {"A", "B", "A B", "Pac", "Pac Man", "Pac Man II", "x", ""};
        Game g;
        g.resource = chance(10);
        g.name = pick(kNames);
        g.description = pick(kDescriptions);
        for (int i = below(4); i > 0; --i)
            g.body.append(bodyLine());
        return g;
    }

    QByteArray bodyLine()
    {
        static const QList<QByteArray> kLines = {"<year>1980</year>", "<year>1981</year>",
                                                 "<rom name=\"r1\" crc=\"00\"/>", "<rom name=\"r2\" crc=\"01\"/>",
                                                 "<sample name=\"s\"/>", "<driver status=\"good\"/>"};
        // Now and then a fragment of a block start, so that removals may join one across a seam.
        static const QList<QByteArray> kOdd = {"<note text=\"<game r\"/>", "<gam", "e name=\"a\">", "<game",
                                               "<desc>", "\"", "</gam", "e>"};
        static const QList<QByteArray> kOddCurrent = {"<note text=\"<machine n\"/>", "<mach", "ine name=\"a\">",
                                                      "<machine", "<game r", "<desc>", "\"", "</mach", "ine>"};
        return chance(8) ? pick(current() ? kOddCurrent : kOdd) : pick(kLines);
    }

    QList<Game> games()
    {
        QList<Game> list;
        for (int i = 1 + below(10); i > 0; --i)
            list.append(game());
        return list;
    }

    void mutate(QList<Game>& list)
    {
        for (int i = below(6); i > 0; --i) {
            const int at = list.isEmpty() ? 0 : below(int(list.size()));
            switch (below(7)) {
            case 0:
                if (list.size() > 1)
                    list.removeAt(at);
                break;
            case 1:
                list.insert(at, game());
                break;
            case 2:
                if (!list.isEmpty())
                    list[at].body.append(bodyLine());
                break;
            case 3:
                if (!list.isEmpty())
                    list[at].description += chance(50) ? "I" : "";
                break;
            case 4:
                if (list.size() > 1)
                    list.swapItemsAt(at, below(int(list.size())));
                break;
            case 5:
                if (!list.isEmpty()) {
                    const Game copy = list[at];
                    list.insert(below(int(list.size())), copy);
                }
                break;
            case 6:
                if (!list.isEmpty() && !list[at].body.isEmpty())
                    list[at].body.removeLast();
                break;
            }
        }
    }

    // Every game edited: a new line in its block or a longer description.
    void editEvery(QList<Game>& list)
    {
        for (Game& g : list) {
            if (chance(50))
                g.body.append(bodyLine());
            else
                g.description += "I";
        }
    }

    QByteArray listing(const QList<Game>& list)
    {
        if (current())
            return currentListing(list);
        // Rarely no header at all: the first block then starts within the first six characters.
        QByteArray text = chance(5) ? QByteArray() : QByteArray("<?xml version=\"1.0\"?>\r\n<mame build=\"x\">\r\n");
        for (const Game& g : list) {
            text += g.resource ? "\t<game runnable=\"no\" name=\"" : "\t<game name=\"";
            text += g.name + "\" sourcefile=\"d.c\">\r\n\t\t<description>" + g.description + "</description>\r\n";
            for (const QByteArray& line : g.body)
                text += "\t\t" + line + "\r\n";
            // Now and then a block that closes no element, which then runs up to the next one.
            text += chance(3) ? "" : "\t</game>\r\n";
        }
        return text + "</mame>\r\n";
    }

    // BIOS sets among the games, the device that closes every listing holding the closing tag.
    QByteArray currentListing(const QList<Game>& list)
    {
        QByteArray text = chance(5) ? QByteArray() : QByteArray("<?xml version=\"1.0\"?>\n<mame build=\"x\">\n");
        const auto block = [&](const QByteArray& name, const char* attributes, const QByteArray& description,
                               const QList<QByteArray>& body) {
            text += "\t<machine name=\"" + name + "\" sourcefile=\"x/d.cpp\"" + attributes +
                    ">\n\t\t<description>" + description + "</description>\n";
            for (const QByteArray& line : body)
                text += "\t\t" + line + "\n";
            text += chance(3) ? "" : "\t</machine>\n";
        };
        for (const Game& g : list)
            block(g.name, g.resource ? " isbios=\"yes\"" : "", g.description, g.body);
        block("z80", " isdevice=\"yes\" runnable=\"no\"", "Zilog Z80", {});
        return text + "</mame>\n";
    }

    // Lines "crc file description" per game; some descriptions with stray blanks, some lines
    // with too few blanks to have a key. Today's lines pad the ROM name, which may hold a blank,
    // and the set name, a TAB after each.
    QByteArray crcList(const QList<Game>& list)
    {
        if (current())
            return currentCrcList(list);
        static const QList<QByteArray> kEnds = {"\r\n", "\n", "\r"};
        const QByteArray end = pick(kEnds);
        QByteArray text;
        for (const Game& g : list) {
            for (qsizetype i = 0; i <= g.body.size(); ++i) {
                if (chance(5)) {
                    text += (chance(50) ? "short line" : "") + end;
                    continue;
                }
                const QByteArray crc = QByteArray::number(qHash(i < g.body.size() ? g.body[i] : g.name) % 4, 16);
                text += crc + " r" + QByteArray::number(i) + " " + (chance(10) ? " " : "") + g.description + end;
            }
        }
        return text;
    }

    QByteArray currentCrcList(const QList<Game>& list)
    {
        QByteArray text;
        for (const Game& g : list) {
            for (qsizetype i = 0; i <= g.body.size(); ++i) {
                if (chance(5)) {
                    text += "short line\n";
                    continue;
                }
                const QByteArray crc = QByteArray::number(qHash(i < g.body.size() ? g.body[i] : g.name) % 4, 16);
                const QByteArray rom = (chance(20) ? "r " : "r") + QByteArray::number(i);
                text += crc.rightJustified(8, '0') + ' ' + rom.leftJustified(32) + '\t' + g.name.leftJustified(16) +
                        '\t' + (chance(10) ? " " : "") + g.description + '\n';
            }
            // A device under some machines, under a few of them twice in a row.
            for (int held = chance(50) ? 1 + below(2) : 0; held > 0; --held)
                text += QByteArray(chance(90) ? "0000000a" : "0000000b") + " z80.bin" + QByteArray(25, ' ') +
                        "\tz80             \tZilog Z80\n";
        }
        return text;
    }

private:
    bool current() const { return m_layout == Layout::Current; }

    std::mt19937 m_random;
    Layout m_layout;
};

struct LayoutCases {
    const char* name;
    Layout layout;
    unsigned firstSeed;
};

bool neverCancel(const CompareProgress&) { return false; }

// Fails with the first line where the fast report and the slow one part.
void expectSameReport(const Result<CompareResult>& fast, const std::optional<QByteArray>& slow, int seed)
{
    ASSERT_EQ(fast.ok(), slow.has_value()) << "case " << seed << ": only one of them failed";
    if (!slow)
        return;
    const QList<QByteArray> got = fast->lines.split('\n');
    const QList<QByteArray> want = slow->split('\n');
    for (qsizetype i = 0; i < std::max(got.size(), want.size()); ++i) {
        const QByteArray g = i < got.size() ? got[i] : "<none>";
        const QByteArray w = i < want.size() ? want[i] : "<none>";
        ASSERT_EQ(g, w) << "case " << seed << ", line " << i + 1;
    }
    EXPECT_EQ(fast->outcome == CompareResult::Outcome::Unchanged, slow->isEmpty()) << "case " << seed;
}

// All Info against the direct compare on listings edited by `edit`, the first seed per layout given.
void expectAllInfoAsTheDirectCompare(void (Generator::*edit)(QList<Game>&), unsigned older, unsigned current)
{
    const LayoutCases layouts[] = {{"older", Layout::Older, older}, {"current", Layout::Current, current}};
    for (const LayoutCases& l : layouts) {
        SCOPED_TRACE(l.name);
        int compared = 0;
        for (int seed = 0; seed < kCases; ++seed) {
            Generator gen{unsigned(seed) + l.firstSeed, l.layout};
            QList<Game> games = gen.games();
            const QByteArray oldListing = gen.listing(games);
            (gen.*edit)(games);
            const QByteArray newListing = gen.listing(games);
            const std::optional<QByteArray> slow = reference::allInfo(newListing, oldListing);
            expectSameReport(CompareListings(newListing, oldListing, neverCancel), slow, seed);
            compared += slow.has_value();
            if (testing::Test::HasFatalFailure())
                return;
        }
        // Most cases must get through to a report, or the comparison proves little.
        EXPECT_GT(compared, kCases * 3 / 4);
    }
}

TEST(WhatsChangedDifferential, AllInfoMatchesTheDirectCompare)
{
    expectAllInfoAsTheDirectCompare(&Generator::mutate, 0, 30000);
}

// Every old block is then left over, each looked for among the report's lines.
TEST(WhatsChangedDifferential, AllInfoMatchesTheDirectCompareWhenEveryGameChanged)
{
    expectAllInfoAsTheDirectCompare(&Generator::editEvery, 50000, 60000);
}

// The report's entry search against a plain text search, on reports whose lines hold TABs and
// line ends in odd places and names that end other names.
TEST(ReportEntriesDifferential, FindsWhatAPlainTextSearchFinds)
{
    static const QList<QByteArray> kPieces = {"a", "b", "ab", "ba", "pac", "pacman", "A", "A B", "Pac", "Pac Man",
                                              "", "\t", "\r\n", "\n", "\r"};
    for (int seed = 0; seed < kCases; ++seed) {
        Generator gen{unsigned(seed) + 70000};
        const auto text = [&](int pieces) {
            QByteArray t;
            for (int i = 0; i < pieces; ++i)
                t += gen.pick(kPieces);
            return t;
        };
        ReportEntries entries;
        QByteArray plain;
        for (int step = 0; step < 30; ++step) {
            const QByteArray name = text(gen.chance(80) ? 1 : gen.below(3));
            const QByteArray description = text(gen.chance(80) ? 1 : gen.below(3));
            const bool found = plain.contains(name + '\t' + description);
            ASSERT_EQ(entries.contains(name, description), found)
                << "case " << seed << ", step " << step << ": " << (name + '|' + description).toStdString();
            if (!found || gen.chance(20)) {
                const QByteArray line = name + '\t' + description + "\r\n";
                entries.append(line);
                plain += line;
            }
        }
        ASSERT_EQ(entries.text(), plain);
    }
}

TEST(WhatsChangedDifferential, RomsInfoMatchesTheDirectCompare)
{
    const LayoutCases layouts[] = {{"older", Layout::Older, 10000}, {"current", Layout::Current, 40000}};
    for (const LayoutCases& l : layouts) {
        SCOPED_TRACE(l.name);
        for (int seed = 0; seed < kCases; ++seed) {
            Generator gen{unsigned(seed) + l.firstSeed, l.layout};
            QList<Game> games = gen.games();
            const QByteArray oldList = gen.crcList(games);
            gen.mutate(games);
            const QByteArray newList = gen.crcList(games);
            const std::optional<QByteArray> slow = l.layout == Layout::Current
                                                       ? reference::romsInfoByKey(newList, oldList)
                                                       : reference::romsInfo(newList, oldList);
            expectSameReport(CompareCrcLists(newList, oldList, neverCancel), slow, seed);
            if (HasFatalFailure())
                return;
        }
    }
}

// The remaining old text against a plain string on texts made of block starts, closing tags, their
// fragments and line ends, so that removals join block starts across the gap they leave, and
// blocks are cut where removals left fewer bytes than the positions suggest.
TEST(RemainingListingDifferential, RemovesAndCutsAsAPlainTextDoes)
{
    static const QList<QByteArray> kTokens = {"<game n", "<game r", "<machine n", "<gam", "<mach", "e n", "e r",
                                              "ine n", "</game>", "</machine>", "</mame>", "</", "e>", "x", "ab",
                                              "\n", "\t", QByteArray(300, 'y')};
    for (int seed = 0; seed < kCases; ++seed) {
        Generator gen{unsigned(seed) + 20000};
        const auto tokens = [&](int count) {
            QByteArray text;
            for (int i = 0; i < count; ++i)
                text += gen.chance(3) ? kTokens.last() : kTokens[gen.below(int(kTokens.size()) - 1)];
            return text;
        };
        const QByteArray original = tokens(20 + gen.below(60));
        QByteArray plain = original;
        RemainingListing fast(original, [] {});
        for (int step = 0; !plain.isEmpty() && step < 40; ++step) {
            SCOPED_TRACE(testing::Message() << "case " << seed << ", step " << step);
            // A block that starts as blocks do: often a piece of the text itself, else made up.
            static const QList<QByteArray> kStarts = {"<game n", "<game r", "<machine n"};
            if (gen.chance(25)) {
                // The text before the first start goes, and the text after the last closing tag.
                qsizetype first = -1;
                for (const QByteArray& start : kStarts) {
                    const qsizetype at = plain.indexOf(start);
                    if (at >= 0 && (first < 0 || at < first))
                        first = at;
                }
                ASSERT_EQ(fast.hasBlock(), first >= 0);
                if (first < 0)
                    continue;
                plain.remove(0, first);
                const qsizetype game = plain.indexOf("<game n", 6);
                const qsizetype machine = plain.indexOf("<machine n", 6);
                qsizetype end = game < 0 || machine < 0 ? std::max(game, machine) : std::min(game, machine);
                if (end < 0)
                    end = plain.indexOf("<game r", 6);
                QByteArray want = end < 0 ? plain : plain.left(end);
                plain.remove(0, want.size());
                const qsizetype gameEnd = want.lastIndexOf("</game>");
                const qsizetype machineEnd = want.lastIndexOf("</machine>");
                if (gameEnd >= 0 || machineEnd >= 0)
                    want.truncate(gameEnd > machineEnd ? gameEnd + 7 : machineEnd + 10);
                ASSERT_EQ(fast.takeBlock().toStdString(), want.toStdString());
                ASSERT_EQ(fast.text().toStdString(), plain.toStdString());
                continue;
            }
            QByteArray block = gen.pick(kStarts);
            const qsizetype start = plain.indexOf(block, gen.below(int(plain.size())));
            block = start >= 0 && gen.chance(70) ? plain.mid(start, kLongestStart + gen.below(40)) : block + tokens(gen.below(4));
            const qsizetype at = plain.indexOf(block);
            if (at >= 0)
                plain.remove(at, block.size());
            ASSERT_EQ(fast.removeFirst(block), at >= 0) << block.toStdString();
            ASSERT_EQ(fast.text().toStdString(), plain.toStdString());
        }
    }
}

} // namespace
