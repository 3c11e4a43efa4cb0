#include "gamelist/ListLoader.h"

#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameRecordFile.h"
#include "gamelist/HideFilters.h"
#include "gamelist/RomFolder.h"
#include "platform/AnsiText.h"
#include "platform/RuntimeErrorText.h"
#include "state/AppState.h"
#include "shell/IniFile.h"
#include "shell/OptionsIni.h"
#include "shell/Progress.h"
#include "shell/ShortPath.h"

#include <QFile>

namespace {

// The Category or Players column: a key of the look-up file's section, answered by the INI
// service from its one parse of the file. The answers repeat over thousands of games, so equal
// answers share one string.
class LookUp {
public:
    LookUp(const QString& file, const char* section) : m_file(file), m_section(section) {}

    QString value(const QString& rom)
    {
        const QByteArray answer = IniService::instance().read(m_file, m_section, toAnsi(rom), "Not Found");
        auto known = m_texts.constFind(answer);
        if (known == m_texts.cend())
            known = m_texts.insert(answer, fromAnsi(answer));
        return *known;
    }

private:
    QString m_file;
    QByteArray m_section;
    QHash<QByteArray, QString> m_texts;
};

Result<GameLists> readLists(AppState& state, const QString& dataFile, Progress* progress)
{
    const QString& appPath = state.paths.strAppPath;
    Result<GameRecordReader> opened = GameRecordReader::open(dataFile);
    if (!opened)
        return opened.error();
    GameRecordReader& reader = opened.value();
    // An empty gameinfo.txt is what a first build that failed leaves: the lists stay empty, and
    // the program stays usable to mend its folders; the next start builds again.
    RomFolder additionalRoms(state.dirs.strAdditionalROMsPath);
    RomFolder roms(state.dirs.strROMsPath);
    LookUp category(JoinPath(appPath, QStringLiteral("catver.ini")), "Category");
    LookUp players(JoinPath(appPath, QStringLiteral("nplayers.ini")), "NPlayers");

    GameLists lists;
    lists.games.reserve(reader.recordCapacity());
    // The runtime reads every record into the current game. Here a record is read into `current`
    // and moves into the lists when kept, so the current game is the last list entry when the
    // last record was kept, else `current`.
    GameRecord current = state.game;
    bool lastKept = false;
    while (!reader.atEnd()) {
        if (Status failed = reader.read(current)) {
            // The fields not reached keep the previous record's values, as in the runtime's buffer.
            if (lastKept)
                for (int i = reader.fieldsRead(); i < kStoredFieldCount; ++i)
                    current.fields[i] = lists.games.back().record.fields[i];
            state.game = std::move(current);
            return *failed;
        }
        lists.fromTodaysMame = lists.fromTodaysMame || FromTodaysMame(current);
        lastKept = !IsHidden(current, state.filters);
        if (!lastKept)
            continue;

        ListedGame listed;
        const QString& rom = current[GameColumn::ROM];
        const bool todaysMame = FromTodaysMame(current);
        listed.installed = additionalRoms.hasSet(rom, todaysMame) || roms.hasSet(rom, todaysMame);
        listed.record = std::move(current);

        const qint32 index = qint32(lists.games.size());
        (listed.installed ? lists.installed : lists.uninstalled).push_back(index);
        lists.games.push_back(std::move(listed));
        if (progress)
            progress->count(lists.intAllCount());
    }

    // One look-up serves the game's rows in both of its lists. The look-ups go file by file,
    // so that one file's table at a time stays in the processor's cache.
    if (state.startup.blnCatver)
        for (ListedGame& listed : lists.games)
            listed.category = category.value(listed.record[GameColumn::ROM]);
    if (state.startup.blnNPlayers)
        for (ListedGame& listed : lists.games)
            listed.players = players.value(listed.record[GameColumn::ROM]);

    state.game = lastKept ? lists.games.back().record : std::move(current);
    for (int i = 0; i <= static_cast<int>(GameColumn::ROM); ++i)
        state.game.fields[i].clear();
    return lists;
}

} // namespace

Result<GameLists> LoadLists(AppState& state, Progress* progress)
{
    const bool favorites = state.view.blnFavorites;
    const QString dataFile =
        ReportsPath(state.paths.strAppPath, favorites ? QStringLiteral("favorite.txt") : QStringLiteral("gameinfo.txt"));
    Result<GameLists> lists = readLists(state, dataFile, progress);
    if (lists.ok())
        return lists;
    // The failure ends the program; what follows keeps the next start from ending the same way.
    if (!favorites) {
        QFile::remove(dataFile);
    } else if (!state.paths.strOptionsIni.isEmpty()) {
        state.view.blnFavorites = false;
        WriteOptionKey(state.paths.strOptionsIni, state, "Favorites");
    }
    return lists;
}

QString LoadListsErrorText(const RuntimeError& error, const QString& rom)
{
    return QStringLiteral("Error In LoadLists: ") + error.description + QLatin1Char('\r') + QStringLiteral("ROM: ") +
           rom + QStringLiteral("\r\rThis might mean you are not using the correct version of M.A.M.E..");
}
