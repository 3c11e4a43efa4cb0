// Times the What's Changed comparisons on two versions of a generated 45,000-game listing and its
// checksum list: the second version with 2 % of the games edited, 1 % removed and 1 % added. One
// line per compare: median, best and worst of several runs, the longest gap between two polls of
// the monitor (the window pumps its events at those), and the peak memory. Exits non-zero when
// a report is wrong: on a 2,000-game cut the reports must equal the slow, direct compares', and
// on the full lists they must hold the lines the edits imply. With /usr/games/mame installed,
// ROMs Info is also timed on that MAME's own checksum list (today's layout).
//
// With --every-game-edited every game of the second version is edited (half of them given a new
// ROM, half a new description) and none added or removed: every old block is left over. Only
// All Info is timed then.
//
//   whats_changed_bench [games] [--every-game-edited]    (default 45000)
#include "BenchSupport.h"
#include "RunTimes.h"

#include "WhatsChangedReference.h"
#include "reports/WhatsChanged.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 5;
constexpr int kCutGames = 2000;
constexpr qint64 kMemoryAllowance = 150LL << 20;

QByteArray fakemame(const char* command, int games, const QString& scratch)
{
    QProcess mame;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZELVANE_FAKEMAME_GAMES"), QString::number(games));
    mame.setProcessEnvironment(env);
    mame.setStandardOutputFile(scratch);
    mame.start(QStringLiteral(ZELVANE_FAKEMAME_PATH), {QLatin1String(command)});
    if (!mame.waitForFinished(-1) || mame.exitCode() != 0)
        fail(QStringLiteral("fakemame did not answer ") + QLatin1String(command));
    QFile out(scratch);
    if (!out.open(QIODevice::ReadOnly))
        fail("cannot read " + scratch);
    return out.readAll();
}

// What the second version does to a game, by its place in the listing.
enum class Edit { None, Removed, NewRom, NewDescription };

bool everyGameEdited = false;

Edit editOf(int game)
{
    if (everyGameEdited)
        return game % 2 ? Edit::NewRom : Edit::NewDescription;
    if (game % 100 == 7)
        return Edit::Removed;
    if (game % 100 == 3)
        return Edit::NewRom;
    if (game % 100 == 53)
        return Edit::NewDescription;
    return Edit::None;
}
bool addsAfter(int game) { return !everyGameEdited && game % 100 == 11; }

QByteArray between(const QByteArray& text, const QByteArray& open, const QByteArray& close)
{
    const qsizetype start = text.indexOf(open) + open.size();
    return text.mid(start, text.indexOf(close, start) - start);
}

struct Versions {
    QByteArray oldListing, newListing, oldCrc, newCrc;
    qint64 allLines = 0;  // report lines the edits imply
    qint64 romsLines = 0;
};

// The first `games` games of both listings (all when negative) and their checksum lists; the
// games a version adds are new names with new descriptions.
Versions makeVersions(const QByteArray& listing, const QByteArray& crc, int games)
{
    Versions v;
    const qsizetype first = listing.indexOf("\t<game ");
    v.oldListing = v.newListing = listing.left(first);
    QHash<QByteArray, Edit> byDescription;
    QHash<QByteArray, QByteArray> addedAfter;
    qsizetype at = first;
    for (int game = 0; at >= 0; ++game) {
        const bool resource = listing.mid(at, 16) == "\t<game runnable=";
        if (games >= 0 && game >= games)
            break;
        const qsizetype next = listing.indexOf("\t<game ", at + 1);
        const QByteArray block = listing.mid(at, (next < 0 ? listing.indexOf("</mame>", at) : next) - at);
        const QByteArray description = between(block, "<description>", "</description>");
        v.oldListing += block;
        at = next;
        const Edit edit = resource ? Edit::None : editOf(game);
        byDescription.insert(description, edit);
        switch (edit) {
        case Edit::None:
            v.newListing += block;
            break;
        case Edit::Removed:
            ++v.allLines;
            break;
        case Edit::NewRom: {
            QByteArray edited = block;
            edited.insert(edited.indexOf("\t</game>"), "\t\t<sample name=\"extra\"/>\r\n");
            v.newListing += edited;
            ++v.allLines;
            ++v.romsLines;
            break;
        }
        case Edit::NewDescription:
            // In front, so that the new entry does not hold the old one, which is then listed too.
            v.newListing += QByteArray(block).replace("<description>", "<description>Rev 2 ");
            v.allLines += 2;
            ++v.romsLines;
            break;
        }
        if (!resource && addsAfter(game)) {
            const QByteArray name = between(block, "name=\"", "\"");
            QByteArray added = block;
            added.replace("name=\"" + name + "\"", "name=\"" + name + "x\"");
            added.replace("</description>", " (new)</description>");
            v.newListing += added;
            addedAfter.insert(description, description + " (new)");
            ++v.allLines;
            ++v.romsLines;
        }
    }
    v.oldListing += "</mame>\r\n";
    v.newListing += "</mame>\r\n";

    // The checksum lines follow the same edits, game by game (their key is the description).
    qsizetype lineStart = 0;
    QByteArray group, groupKey;
    const auto endGroup = [&] {
        if (group.isEmpty())
            return;
        v.oldCrc += group;
        switch (byDescription.value(groupKey)) {
        case Edit::None:
            v.newCrc += group;
            break;
        case Edit::Removed:
            break;
        case Edit::NewRom:
            v.newCrc += "ffffffff" + group.mid(8);
            break;
        case Edit::NewDescription:
            v.newCrc += QByteArray(group).replace(" " + groupKey + "\r\n", " Rev 2 " + groupKey + "\r\n");
            break;
        }
        if (addedAfter.contains(groupKey))
            v.newCrc += QByteArray(group).replace(groupKey + "\r\n", addedAfter.value(groupKey) + "\r\n");
        group.clear();
    };
    while (lineStart < crc.size()) {
        const qsizetype end = crc.indexOf("\r\n", lineStart) + 2;
        const QByteArray line = crc.mid(lineStart, end - lineStart);
        lineStart = end;
        const QByteArray key = RestOfLine(line.chopped(2)).toByteArray();
        if (!byDescription.contains(key))
            break; // past the cut
        if (key != groupKey)
            endGroup();
        groupKey = key;
        group += line;
    }
    endGroup();
    return v;
}

qint64 peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() << 10;
    return 0;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void write(const QString& path, const QByteArray& bytes) { writeBytes(path, bytes); }

void checkCut(const QByteArray& listing, const QByteArray& crc)
{
    const Versions cut = makeVersions(listing, crc, kCutGames);
    const auto never = [](const CompareProgress&) { return false; };
    const Result<CompareResult> all = CompareListings(cut.newListing, cut.oldListing, never);
    const std::optional<QByteArray> slowAll = reference::allInfo(cut.newListing, cut.oldListing);
    if (!all || !slowAll || all->lines != *slowAll)
        fail(QStringLiteral("All Info differs from the direct compare on the cut"));
    const Result<CompareResult> roms = CompareCrcLists(cut.newCrc, cut.oldCrc, never);
    const std::optional<QByteArray> slowRoms = reference::romsInfo(cut.newCrc, cut.oldCrc);
    if (!roms || !slowRoms || roms->lines != *slowRoms)
        fail(QStringLiteral("ROMs Info differs from the direct compare on the cut"));
    if (all->lines.count('\n') != cut.allLines || roms->lines.count('\n') != cut.romsLines)
        fail(QStringLiteral("the cut's reports hold %1 and %2 lines, the edits %3 and %4")
                 .arg(all->lines.count('\n'))
                 .arg(roms->lines.count('\n'))
                 .arg(cut.allLines)
                 .arg(cut.romsLines));
    std::printf("cut of %d games: both reports equal the direct compares' (%lld and %lld lines)\n", kCutGames,
                qint64(all->lines.count('\n')), qint64(roms->lines.count('\n')));
}

void timeCompare(const char* job, CompareKind kind, const QString& newPath, const QString& oldPath,
                 qint64 expectedLines)
{
    qint64 longestGap = 0;
    qint64 peak = 0;
    const RunTimes times = RunTimes::of(kRuns, [&] {
        resetPeakMemory();
        QElapsedTimer gap;
        gap.start();
        const auto monitor = [&](const CompareProgress&) {
            longestGap = std::max(longestGap, gap.nsecsElapsed());
            gap.restart();
            return false;
        };
        const Result<CompareResult> result = CompareFiles(kind, newPath, oldPath, monitor);
        longestGap = std::max(longestGap, gap.nsecsElapsed());
        if (!result || result->lines.count('\n') != expectedLines)
            fail(QStringLiteral("%1: %2 report lines, %3 expected")
                     .arg(QLatin1String(job))
                     .arg(result ? result->lines.count('\n') : -1)
                     .arg(expectedLines));
        peak = std::max(peak, peakMemory());
    });
    const qint64 files = QFileInfo(newPath).size() + QFileInfo(oldPath).size();
    char note[160];
    std::snprintf(note, sizeof note, "  longest gap %.1f ms  peak %lld MB (files %lld MB)", double(longestGap) / 1e6,
                  peak >> 20, files >> 20);
    times.print(job, "s", note);
    if (peak > files + kMemoryAllowance)
        fail(QStringLiteral("%1 used more memory than its files and 150 MB").arg(QLatin1String(job)));
}

// ROMs Info over the checksum list of the MAME that Debian installs, when it is there: two copies
// (no report line) and a copy with one device's ROM changed under every machine that holds it
// and one game added (two lines).
void timeTodaysRomsInfo(const QTemporaryDir& dir)
{
    const QString mame = QStringLiteral("/usr/games/mame");
    if (!QFileInfo(mame).isExecutable()) {
        std::printf("today's ROMs Info: skipped, no MAME at /usr/games/mame\n");
        return;
    }
    const QString crcInfo = dir.filePath(QStringLiteral("todays.txt"));
    const QString oldCrcInfo = dir.filePath(QStringLiteral("oldtodays.txt"));
    const QString changedCrcInfo = dir.filePath(QStringLiteral("changedtodays.txt"));
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.path()); // MAME writes its own files under HOME
    run.setProcessEnvironment(env);
    run.setStandardOutputFile(oldCrcInfo);
    run.setStandardErrorFile(QProcess::nullDevice());
    run.start(mame, {QStringLiteral("-listcrc")});
    if (!run.waitForFinished(-1) || run.exitCode() != 0)
        fail(QStringLiteral("MAME did not answer -listcrc"));
    // The lists are in their files only while the compares run, as in the program.
    {
        QFile file(oldCrcInfo);
        if (!file.open(QIODevice::ReadOnly))
            fail("cannot read " + oldCrcInfo);
        const QByteArray list = file.readAll();
        std::printf("today's checksum list: %lld lines\n", qint64(list.count('\n')));
        write(crcInfo, list);
        QByteArray changed;
        for (const QByteArray& line : list.split('\n')) {
            if (!line.isEmpty())
                changed += (line.endsWith("\tNamco 50xx") ? "00000000" + line.mid(8) : line) + '\n';
        }
        changed += "12345678 added.bin                       \tadded           \tAdded Game\n";
        write(changedCrcInfo, changed);
    }
    timeCompare("today's ROMs Info, copies", CompareKind::RomsInfo, crcInfo, oldCrcInfo, 0);
    timeCompare("today's ROMs Info, changed", CompareKind::RomsInfo, changedCrcInfo, oldCrcInfo, 2);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int games = 45000;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--every-game-edited")
            everyGameEdited = true;
        else
            games = std::atoi(argv[i]);
    }
    QTemporaryDir dir;
    const QString listXml = dir.filePath(QStringLiteral("listxml.txt"));
    const QString oldListXml = dir.filePath(QStringLiteral("oldlistxml.txt"));
    const QString crcInfo = dir.filePath(QStringLiteral("crcinfo.txt"));
    const QString oldCrcInfo = dir.filePath(QStringLiteral("oldcrcinfo.txt"));
    qint64 allLines = 0, romsLines = 0;
    {
        const QString scratch = dir.filePath(QStringLiteral("scratch.txt"));
        const QByteArray listing = fakemame("-listxml", games, scratch);
        const QByteArray crc = fakemame("-listcrc", games, scratch);
        QFile::remove(scratch);
        checkCut(listing, crc);
        const Versions full = makeVersions(listing, crc, -1);
        write(oldListXml, full.oldListing);
        write(listXml, full.newListing);
        write(oldCrcInfo, full.oldCrc);
        write(crcInfo, full.newCrc);
        allLines = full.allLines;
        romsLines = full.romsLines;
        std::printf("%d games: listings %lld MB, checksum lists %lld lines\n", games,
                    qint64(full.oldListing.size() >> 20), qint64(full.oldCrc.count('\n')));
    }
    timeCompare("All Info", CompareKind::AllInfo, listXml, oldListXml, allLines);
    // Every game edited is a measure of All Info's left-over stage; ROMs Info has none.
    if (!everyGameEdited) {
        timeCompare("ROMs Info", CompareKind::RomsInfo, crcInfo, oldCrcInfo, romsLines);
        timeTodaysRomsInfo(dir);
    }
    return 0;
}
