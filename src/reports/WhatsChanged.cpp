#include "reports/WhatsChanged.h"

#include "platform/AnsiText.h"
#include "platform/LineReader.h"
#include "platform/ListingText.h"
#include "platform/RuntimeErrorText.h"
#include "platform/RuntimeText.h"
#include "platform/ShownText.h"
#include "reports/ListingBlocks.h"
#include "reports/RemainingListing.h"
#include "reports/ReportEntries.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
// Lines read, or bytes scanned, between two polls of steps that have no groups to count.
constexpr qint64 kPollLines = 4096;
constexpr qsizetype kPollBytes = 4 << 20;
constexpr qsizetype kReadBlock = 16 << 20;

// The failing step, for the "Line Number: " of the error text.
enum Step { ReadingFiles = 1, Counting = 2, Stripping = 3, NewBlocks = 4, LeftOverBlocks = 5 };

std::string_view view(QByteArrayView bytes) { return {bytes.data(), size_t(bytes.size())}; }

CompareResult cancelled() { return CompareResult{CompareResult::Outcome::Cancelled, {}}; }

CompareResult finished(QByteArray lines)
{
    const auto outcome = lines.isEmpty() ? CompareResult::Outcome::Unchanged : CompareResult::Outcome::Changed;
    return CompareResult{outcome, std::move(lines)};
}

// The counted block starts of a listing, scanned in slices so that the monitor is heard between.
qint64 countBlocks(QByteArrayView text, const std::function<void()>& poll)
{
    qint64 count = 0;
    qsizetype nextPoll = kPollBytes;
    for (qsizetype i = 0; i < text.size();) {
        const void* found = std::memchr(text.data() + i, '<', size_t(text.size() - i));
        if (!found)
            break;
        i = static_cast<const char*>(found) - text.data();
        for (QByteArrayView marker : kCountedStarts)
            if (text.sliced(i).startsWith(marker))
                ++count;
        if (i >= nextPoll) {
            poll();
            nextPoll = i + kPollBytes;
        }
        ++i;
    }
    return count;
}

// A file's bytes, mapped rather than read: no copy to make, and its pages come in as the compare
// reaches them, between its polls.
class MappedFile {
public:
    explicit MappedFile(const QString& path) : m_file(path) {}
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    Status open(const std::function<void()>& poll)
    {
        if (!m_file.open(QIODevice::ReadOnly))
            return FileRuntimeError(m_file, false, ReadingFiles);
        const qint64 size = m_file.size();
        if (size == 0)
            return std::nullopt;
        if (const uchar* mapped = m_file.map(0, size)) {
            m_bytes = QByteArrayView(reinterpret_cast<const char*>(mapped), size);
            return std::nullopt;
        }
        // Where mapping is refused, the bytes are read in slices.
        m_copy.resize(size);
        for (qint64 got = 0; got < size;) {
            const qint64 n = m_file.read(m_copy.data() + got, std::min<qint64>(kReadBlock, size - got));
            if (n <= 0)
                return FileRuntimeError(m_file, false, ReadingFiles);
            got += n;
            poll();
        }
        m_bytes = m_copy;
        return std::nullopt;
    }
    QByteArrayView bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArray m_copy;
    QByteArrayView m_bytes;
};

} // namespace

QByteArrayView RestOfLine(QByteArrayView line)
{
    // Today's MAME pads the ROM name, which may hold blanks, and the set name, each closed by a
    // TAB: only what follows the last TAB is the description.
    const qsizetype tab = line.lastIndexOf('\t');
    QByteArrayView rest;
    if (tab >= 0) {
        rest = line.sliced(tab + 1);
    } else {
        const qsizetype first = line.indexOf(' ');
        const qsizetype second = first < 0 ? -1 : line.indexOf(' ', first + 1);
        if (second < 0)
            return {};
        rest = line.sliced(second + 1);
    }
    while (rest.startsWith(' '))
        rest = rest.sliced(1);
    while (rest.endsWith(' '))
        rest.chop(1);
    return rest;
}

namespace {

// A key's lines, each once and sorted when settled, and how many groups (runs of lines of the
// key) it has.
struct KeyLines {
    std::vector<std::string_view> lines;
    qint64 groups = 0;

    void settle()
    {
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    }
};

// A checksum list's lines filed under their keys, in `keys` the keys in the order of their first
// line; `poll` is heard every few thousand lines.
std::unordered_map<std::string_view, KeyLines> linesByKey(QByteArrayView list, const std::function<void()>& poll,
                                                          std::vector<std::string_view>* keys = nullptr)
{
    std::unordered_map<std::string_view, KeyLines> byKey;
    LineSplitter lines(list);
    QByteArrayView line;
    std::string_view previous;
    for (qint64 read = 0; lines.next(line); ++read) {
        const std::string_view key = view(RestOfLine(line));
        KeyLines& filed = byKey[key];
        if (keys && filed.lines.empty())
            keys->push_back(key);
        if (read == 0 || key != previous)
            ++filed.groups;
        filed.lines.push_back(view(line));
        previous = key;
        if (read % kPollLines == 0)
            poll();
    }
    return byKey;
}

// Today's MAME repeats a device's ROM lines under every machine that holds it, once or several
// times in a row, so one key (the device's description) stands for many lines, in a row or apart.
// A key has changed when its distinct lines differ from the old list's: how often, and in what
// runs, machines repeat a device is no change of its ROMs. It is listed once, where its first
// line stands.
Result<CompareResult> compareKeyLines(QByteArrayView newList, QByteArrayView oldList, CompareProgress& progress,
                                      const CompareMonitor& monitor)
{
    const auto poll = [&] { monitor(progress); };
    std::unordered_map<std::string_view, KeyLines> oldLines = linesByKey(oldList, poll);
    std::vector<std::string_view> keys;
    std::unordered_map<std::string_view, KeyLines> newLines = linesByKey(newList, poll, &keys);
    for (const auto& [key, filed] : newLines)
        progress.count += filed.groups;
    if (progress.count == 0)
        return MakeRuntimeError(ErrorNumber::InputPastEnd, Counting);

    progress.stage = CompareStage::Comparing;
    QByteArray report;
    for (const std::string_view key : keys) {
        if (monitor(progress))
            return cancelled();
        KeyLines& filed = newLines[key];
        progress.done += filed.groups;
        filed.settle();
        const auto old = oldLines.find(key);
        if (old != oldLines.end())
            old->second.settle();
        if (old == oldLines.end() || filed.lines != old->second.lines)
            report.append(key.data(), qsizetype(key.size())).append(kLineEnd);
    }
    monitor(progress);
    return finished(std::move(report));
}

} // namespace

Result<CompareResult> CompareCrcLists(QByteArrayView newList, QByteArrayView oldList, const CompareMonitor& monitor)
{
    CompareProgress progress;
    // Only today's MAME closes a line's fields with TABs.
    if (newList.contains('\t'))
        return compareKeyLines(newList, oldList, progress, monitor);
    const auto poll = [&] { monitor(progress); };

    // Only the first group of a key counts: later ones with the same key are never looked at.
    std::unordered_map<std::string_view, QByteArray> oldGroups;
    {
        LineSplitter lines(oldList);
        QByteArrayView line;
        QByteArray* group = nullptr;
        std::string_view groupKey;
        for (qint64 read = 1; lines.next(line); ++read) {
            const std::string_view key = view(RestOfLine(line));
            if (!group || key != groupKey) {
                const auto [it, added] = oldGroups.try_emplace(key);
                group = added ? &it->second : nullptr;
                groupKey = key;
            }
            if (group)
                group->append(line);
            if (read % kPollLines == 0)
                poll();
        }
    }

    // The count only scales the progress; it needs its own pass over the new list.
    {
        LineSplitter lines(newList);
        QByteArrayView line;
        std::string_view groupKey;
        for (qint64 read = 0; lines.next(line); ++read) {
            const std::string_view key = view(RestOfLine(line));
            if (read == 0 || key != groupKey)
                ++progress.count;
            groupKey = key;
            if (read % kPollLines == 0)
                poll();
        }
    }
    if (progress.count == 0)
        return MakeRuntimeError(ErrorNumber::InputPastEnd, Counting);

    progress.stage = CompareStage::Comparing;
    QByteArray report;
    QByteArray group;
    std::string_view groupKey;
    const auto compareGroup = [&] {
        const auto old = oldGroups.find(groupKey);
        if (old == oldGroups.end() ? !group.isEmpty() : group != old->second)
            report.append(groupKey.data(), qsizetype(groupKey.size())).append(kLineEnd);
        ++progress.done;
        group.clear();
    };
    LineSplitter lines(newList);
    QByteArrayView line;
    for (qint64 read = 0; lines.next(line); ++read) {
        // The request is heard before each line after the first, as the lines are read.
        if (read > 0 && monitor(progress))
            return cancelled();
        const std::string_view key = view(RestOfLine(line));
        if (read > 0 && key != groupKey)
            compareGroup();
        groupKey = key;
        group.append(line);
    }
    compareGroup();
    monitor(progress);
    return finished(std::move(report));
}

Result<CompareResult> CompareListings(QByteArrayView newListing, QByteArrayView oldListing,
                                      const CompareMonitor& monitor)
{
    CompareProgress progress;
    const auto poll = [&] { monitor(progress); };
    progress.count = countBlocks(newListing, poll);
    if (progress.count == 0)
        return MakeRuntimeError(ErrorNumber::InvalidCall, Counting);

    progress.stage = CompareStage::Stripping;
    poll();
    // A listing's header ends where its first block starts, looked for past the text's start.
    const BlockCutter newBlocks(newListing);
    qsizetype blockStart = newBlocks.blockEnd(0);
    const qsizetype oldStart = BlockCutter(oldListing).blockEnd(0);
    if (blockStart < 0 || oldStart < 0)
        return MakeRuntimeError(ErrorNumber::InvalidCall, Stripping);
    RemainingListing old(oldListing.sliced(oldStart), poll);

    progress.stage = CompareStage::Comparing;
    QByteArray report;
    for (;;) {
        if (monitor(progress))
            return cancelled();
        const qsizetype blockEnd = newBlocks.blockEnd(blockStart);
        const qsizetype runEnd = blockEnd < 0 ? newListing.size() : blockEnd;
        const QByteArrayView block =
            newListing.sliced(blockStart, elementEnd(newListing, blockStart, runEnd) - blockStart);
        const Result<BlockTitle> title = blockTitle(block);
        if (!title)
            return MakeRuntimeError(title.error().number, NewBlocks);
        if (!old.removeFirst(block))
            report.append(title->name).append('\t').append(title->description).append(kLineEnd);
        ++progress.done;
        if (blockEnd < 0)
            break;
        blockStart = blockEnd;
    }
    // The last block's progress: the request is heard with the left-over blocks.
    poll();

    progress.stage = CompareStage::LeftOver;
    ReportEntries entries;
    entries.append(report);
    report.clear();
    while (old.hasBlock()) {
        if (monitor(progress))
            return cancelled();
        const QByteArray block = old.takeBlock();
        const Result<BlockTitle> title = blockTitle(block);
        if (!title)
            return MakeRuntimeError(title.error().number, LeftOverBlocks);
        // Anywhere in the report, even inside a longer line.
        if (!entries.contains(title->name, title->description))
            entries.append(title->name.toByteArray() + '\t' + title->description.toByteArray() + kLineEnd);
    }
    return finished(entries.text());
}

Result<CompareResult> CompareFiles(CompareKind kind, const QString& newPath, const QString& oldPath,
                                   const CompareMonitor& monitor)
{
    const auto poll = [&] { monitor(CompareProgress{}); };
    MappedFile newFile(newPath);
    if (Status failed = newFile.open(poll))
        return *failed;
    MappedFile oldFile(oldPath);
    if (Status failed = oldFile.open(poll))
        return *failed;
    return kind == CompareKind::RomsInfo ? CompareCrcLists(newFile.bytes(), oldFile.bytes(), monitor)
                                         : CompareListings(newFile.bytes(), oldFile.bytes(), monitor);
}

namespace {

// What stands above a report's lines, up to the first of them.
QByteArray reportHead(CompareKind kind)
{
    return kind == CompareKind::RomsInfo
               ? QByteArrayLiteral("The following games have been added or their ROMs have changed in this version of "
                                   "M.A.M.E.  NOTE: This report does not show ROMs that were removed.\r\n\r\n\r\n"
                                   "Game \r\n\r\n")
               : QByteArrayLiteral("These games and/or resources have changed in this version of M.A.M.E.  A change "
                                   "does not necessarily mean the ROM will have to be replaced.  It can be a simple "
                                   "change such as a release year or even a change in the listxml.txt format."
                                   "\r\n\r\n\r\nROM\tDescription\r\n\r\n");
}

} // namespace

QString CompareResultText(CompareKind kind, const CompareResult& result)
{
    const bool roms = kind == CompareKind::RomsInfo;
    switch (result.outcome) {
    case CompareResult::Outcome::Cancelled:
        return QStringLiteral("The compare has been cancelled at the users request.");
    case CompareResult::Outcome::Unchanged:
        return roms ? QStringLiteral("No additions or changes were detected in this version of M.A.M.E.")
                    : QStringLiteral("No additions, removals, or changes were detected in this version of M.A.M.E.");
    case CompareResult::Outcome::Changed:
        break;
    }
    // All Info names each game by the listing's description, which MAME writes with XML's entities;
    // the panel shows their characters, as the lists do.
    const QString lines = ShownLines(result.lines);
    return QString::fromLatin1(reportHead(kind)) + (roms ? lines : ShownListingText(lines));
}

QByteArray CompareReportBytes(CompareKind kind, const CompareResult& result)
{
    return reportHead(kind) + result.lines;
}

QString CompareErrorText(const RuntimeError& error)
{
    return QStringLiteral("Error: %1\r\n%2\r\nLine Number: %3").arg(error.number).arg(error.description).arg(error.line);
}

QString ProgressText(CompareKind kind, qint64 done, qint64 count)
{
    // Whole percent, halves up, as the format masks round.
    const qint64 percent = count > 0 ? (done * 200 + count) / (2 * count) : 0;
    const bool blankZero = kind == CompareKind::RomsInfo;
    return QStringLiteral("Progress: ") + (percent == 0 && blankZero ? QString() : QString::number(percent)) +
           QStringLiteral("%");
}

QString ElapsedTimeText(double startSeconds, double endSeconds)
{
    constexpr double kSecondsPerDay = 86400.0;
    double elapsed = endSeconds - startSeconds;
    if (elapsed < 0)
        elapsed += kSecondsPerDay;
    const double seconds = RoundHalfEven(elapsed);
    if (seconds < 60)
        return QStringLiteral("Elapsed Time: %1 Seconds").arg(qint64(seconds));
    return QStringLiteral("Elapsed Time: %1 Minute(s)").arg(qint64(RoundHalfEven(elapsed / 60)));
}
