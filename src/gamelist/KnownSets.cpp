#include "gamelist/KnownSets.h"

#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameRecordFile.h"
#include "platform/RuntimeErrorText.h"

#include <QByteArrayMatcher>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

// Far more than any start tag of an entry holds.
constexpr qsizetype kLongestTag = 1024;

// The name attribute of the start tag at the front of `text`, or an empty view.
QByteArrayView tagName(QByteArrayView text)
{
    QByteArrayView tag = text.first(std::min(text.size(), kLongestTag));
    if (const qsizetype end = tag.indexOf('>'); end >= 0)
        tag = tag.first(end);
    // Values never hold a double quote, so the first ` name="` in the tag is the attribute.
    static constexpr QByteArrayView kName(" name=\"");
    const qsizetype open = tag.indexOf(kName);
    if (open < 0)
        return {};
    const qsizetype start = open + kName.size();
    const qsizetype close = tag.indexOf('"', start);
    return close < 0 ? QByteArrayView() : tag.sliced(start, close - start);
}

// Adds the name of every start tag `matcher` finds in `lines`; true when it found one.
bool addEntries(QStringList& names, QByteArrayView lines, const QByteArrayMatcher& matcher)
{
    bool found = false;
    for (qsizetype at = matcher.indexIn(lines); at >= 0; at = matcher.indexIn(lines, at + 1)) {
        found = true;
        const QByteArrayView name = tagName(lines.sliced(at));
        if (!name.isEmpty())
            names << QString::fromLatin1(name);
    }
    return found;
}

// A listing is hundreds of megabytes: it is read in large blocks of whole lines and searched for
// the entries' start tags rather than read line by line. Either layout: the current one has no
// <game> entries, the older one no <machine> ones.
Status addListingFile(QStringList& names, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return NamingFile(FileRuntimeError(file, false), path);
    static const QByteArrayMatcher kMachine(QByteArrayView("<machine "));
    static const QByteArrayMatcher kGame(QByteArrayView("<game "));
    const QByteArrayMatcher* matcher = nullptr;
    constexpr qsizetype kBlock = 4 << 20;
    QByteArray block(kBlock, Qt::Uninitialized);
    qsizetype kept = 0; // the start of a line that the last block cut
    for (;;) {
        if (kept == block.size())
            block.resize(block.size() * 2); // a line longer than a block
        const qint64 got = file.read(block.data() + kept, block.size() - kept);
        if (got < 0)
            return NamingFile(FileRuntimeError(file, false), path);
        const qsizetype filled = kept + qsizetype(got);
        const QByteArrayView data(block.constData(), filled);
        const qsizetype lastLineEnd = got == 0 ? filled : data.lastIndexOf('\n') + 1;
        const QByteArrayView lines = data.first(lastLineEnd);
        if (matcher) {
            addEntries(names, lines, *matcher);
        } else if (addEntries(names, lines, kMachine)) {
            matcher = &kMachine;
        } else if (addEntries(names, lines, kGame)) {
            matcher = &kGame;
        }
        if (got == 0)
            return std::nullopt;
        kept = filled - lastLineEnd;
        std::memmove(block.data(), block.constData() + lastLineEnd, size_t(kept));
    }
}

// Adds the ROM name of each game for which `take` answers true.
template <typename Take>
Status addGameData(QStringList& names, const QString& path, Take take)
{
    Result<GameRecordReader> reader = GameRecordReader::open(path);
    if (!reader)
        return NamingFile(reader.error(), path);
    GameRecord record;
    while (!reader->atEnd()) {
        if (Status failed = reader.value().read(record))
            return NamingFile(*failed, path);
        if (take(record))
            names << record[GameColumn::ROM];
    }
    return std::nullopt;
}

} // namespace

Result<KnownSets> KnownSetNames(const QString& appPath)
{
    KnownSets known;
    const auto take = [&known](const GameRecord& record) {
        known.todaysMame = known.todaysMame || FromTodaysMame(record);
        return true;
    };
    if (Status failed = addGameData(known.names, ReportsPath(appPath, QStringLiteral("gameinfo.txt")), take))
        return *failed;
    for (const char* listing : {"resource.txt", "listxml.txt"})
        if (Status failed = addListingFile(known.names, ReportsPath(appPath, QLatin1String(listing))))
            return *failed;
    return known;
}

Result<QStringList> TodaysGameNames(const QString& appPath)
{
    QStringList names;
    if (Status failed = addGameData(names, ReportsPath(appPath, QStringLiteral("gameinfo.txt")),
                                    [](const GameRecord& record) { return FromTodaysMame(record); }))
        return *failed;
    return names;
}
