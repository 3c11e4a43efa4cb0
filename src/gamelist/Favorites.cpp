#include "gamelist/Favorites.h"

#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameRecordFile.h"
#include "platform/AnsiText.h"
#include "platform/LineReader.h"
#include "platform/RuntimeErrorText.h"
#include "platform/WholeFile.h"

#include <QFile>
#include <QHash>

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr QByteArrayView kFieldBreak("\",\"");

QString newFavoritesPath(const QString& appPath) { return ReportsPath(appPath, QStringLiteral("newfav.txt")); }

std::vector<QByteArrayView> linesOf(QByteArrayView bytes)
{
    std::vector<QByteArrayView> lines;
    LineSplitter splitter(bytes);
    QByteArrayView line;
    while (splitter.next(line))
        lines.push_back(line);
    return lines;
}

// The new list goes to newfav.txt, written whole (a file left over by an interrupted run does not
// survive), and then takes favorite.txt's name in one rename, which replaces the old list.
Status replaceFavorites(const QString& appPath, const QByteArray& content)
{
    const QString work = newFavoritesPath(appPath);
    if (Status failed = ReplaceWholeFile(work, content))
        return failed;
    std::error_code error;
    std::filesystem::rename(work.toStdU16String(), FavoritesPath(appPath).toStdU16String(), error);
    if (error) {
        QFile::remove(work);
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    }
    return std::nullopt;
}

// Lines compare as text, ignoring case: equal lines give equal keys.
void foldInto(QByteArrayView line, QByteArray& key)
{
    if (!isAscii(line)) {
        key = toAnsi(fromAnsi(line).toCaseFolded());
        return;
    }
    key.resize(line.size());
    char* out = key.data();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        out[i] = c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
    }
}

// Read as the loader reads it: a list it could not load is damaged, and the check keeps it whole.
Status checkRecords(const QByteArray& bytes)
{
    GameRecordReader reader(bytes);
    GameRecord record;
    while (!reader.atEnd())
        if (Status failed = reader.read(record))
            return failed;
    return std::nullopt;
}

FavoritesMessage emptiedAfterCheck()
{
    return {QStringLiteral("Your favorites list is now empty.  Zelvane will now load\rthe default game list."),
            QStringLiteral("Favorites Verify")};
}

FavoritesMessage droppedAfterCheck()
{
    return {QStringLiteral("At least one game was removed from your favorites list because\r"
                           "there were changes to it with this version of M.A.M.E.  You can\r"
                           "see a list of the games removed by selecting Favorite List Changes\r"
                           "from the Reports pull-down menu."),
            QStringLiteral("Favorites Verify")};
}

} // namespace

QString FavoritesPath(const QString& appPath) { return ReportsPath(appPath, QStringLiteral("favorite.txt")); }

QByteArrayView FavoriteDescription(QByteArrayView line)
{
    if (line.isEmpty())
        return line;
    const QByteArrayView rest = line.sliced(1);
    const qsizetype end = rest.indexOf(kFieldBreak);
    return end < 0 ? rest : rest.first(end);
}

Result<FavoritesResult> AddFavorite(const QString& appPath, const GameRecord& game)
{
    const QString path = FavoritesPath(appPath);
    Result<QByteArray> read = ReadWholeFileOr(path, QByteArray());
    if (!read)
        return read.error();
    QByteArray& content = read.value();

    const QByteArray description = toAnsi(game[GameColumn::Game]);
    for (QByteArrayView line : linesOf(content))
        if (FavoriteDescription(line) == description)
            return FavoritesResult{FavoritesMessage{QStringLiteral("Game already on list."),
                                                    QStringLiteral("Add To Favorites")},
                                   std::nullopt};

    // A last line without its line end would run into the new record.
    if (!content.isEmpty() && !content.endsWith('\n') && !content.endsWith('\r'))
        content.append("\r\n");
    content.append(GameRecordLine(game));
    if (Status failed = ReplaceWholeFile(path, content))
        return *failed;
    return FavoritesResult{};
}

Result<FavoritesResult> RemoveFavorite(const QString& appPath, const QString& description)
{
    Result<QByteArray> read = ReadWholeFile(FavoritesPath(appPath));
    if (!read)
        return read.error();

    const QByteArray removed = toAnsi(description);
    QByteArray kept;
    for (QByteArrayView line : linesOf(*read)) {
        if (FavoriteDescription(line) == removed)
            continue;
        kept.append(line).append("\r\n");
    }
    if (Status failed = replaceFavorites(appPath, kept))
        return *failed;

    FavoritesResult result;
    if (kept.isEmpty())
        result.emptied = FavoritesMessage{
            QStringLiteral("Your favorites list is empty.  Zelvane will now return to the default list."),
            QStringLiteral("Remove Favorite")};
    return result;
}

bool DeleteFavorites(const QString& appPath)
{
    const QString path = FavoritesPath(appPath);
    return QFile::remove(path) || !QFile::exists(path);
}

Result<FavoritesResult> VerifyFavorites(const QString& appPath)
{
    const QString path = FavoritesPath(appPath);
    if (!QFile::exists(path))
        return FavoritesResult{};
    Result<QByteArray> favoriteBytes = ReadWholeFile(path);
    if (!favoriteBytes)
        return favoriteBytes.error();
    if (Status damaged = checkRecords(*favoriteBytes))
        return *damaged;
    Result<QByteArray> gameBytes = ReadWholeFile(ReportsPath(appPath, QStringLiteral("gameinfo.txt")));
    if (!gameBytes)
        return gameBytes.error();

    // One pass over the game data: each line is looked up among the favorites.
    const std::vector<QByteArrayView> favorites = linesOf(*favoriteBytes);
    QHash<QByteArray, bool> found;
    found.reserve(qsizetype(favorites.size()));
    QByteArray key;
    for (QByteArrayView favorite : favorites) {
        foldInto(favorite, key);
        found.insert(key, false);
    }
    LineSplitter games(*gameBytes);
    QByteArrayView line;
    while (games.next(line)) {
        foldInto(line, key);
        const auto hit = found.find(key);
        if (hit != found.end())
            hit.value() = true;
    }

    QByteArray kept;
    QByteArray changes;
    for (QByteArrayView favorite : favorites) {
        foldInto(favorite, key);
        if (found.value(key))
            kept.append(favorite).append("\r\n");
        else
            changes.append(FavoriteDescription(favorite)).append("\r\n");
    }

    FavoritesResult result;
    if (!changes.isEmpty()) {
        QFile report(ReportsPath(appPath, QStringLiteral("changes.txt")));
        if (!report.open(QIODevice::WriteOnly | QIODevice::Append))
            return FileRuntimeError(report, true);
        if (report.write(changes) != changes.size() || !report.flush())
            return FileRuntimeError(report, true);
        result.notice = droppedAfterCheck();
    }

    if (kept.isEmpty()) {
        if (!DeleteFavorites(appPath))
            return MakeRuntimeError(ErrorNumber::PathFileAccess);
        result.emptied = emptiedAfterCheck();
    } else if (Status failed = replaceFavorites(appPath, kept)) {
        return *failed;
    }
    return result;
}
