#include "gamelist/ListLoader.h"

#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameRecordFile.h"
#include "gamelist/HideFilters.h"
#include "gamelist/RomFolder.h"
#include "platform/AnsiText.h"
#include "shell/AppState.h"
#include "shell/IniFile.h"
#include "shell/Progress.h"
#include "shell/ShortPath.h"

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

} // namespace

Result<GameLists> LoadLists(AppState& state, Progress* progress)
{
    const QString& appPath = state.paths.strAppPath;
    const QString dataFile = ReportsPath(appPath, state.view.blnFavorites ? QStringLiteral("favorite.txt")
                                                                          : QStringLiteral("gameinfo.txt"));
    Result<GameRecordReader> opened = GameRecordReader::open(dataFile);
    if (!opened)
        return opened.error();
    GameRecordReader& reader = opened.value();

    RomFolder additionalRoms(state.dirs.strAdditionalROMsPath);
    RomFolder roms(state.dirs.strROMsPath);
    LookUp category(JoinPath(appPath, QStringLiteral("catver.ini")), "Category");
    LookUp players(JoinPath(appPath, QStringLiteral("nplayers.ini")), "NPlayers");

    GameLists lists;
    lists.games.reserve(reader.lineCount());
    GameRecord& game = state.game;
    while (!reader.atEnd()) {
        if (Status failed = reader.read(game))
            return *failed;
        if (IsHidden(game, state.filters))
            continue;

        ListedGame listed;
        listed.record = game;
        const QString& rom = game[GameColumn::ROM];
        listed.installed = additionalRoms.hasZip(rom) || roms.hasZip(rom);
        // One look-up serves the game's rows in both of its lists.
        if (state.startup.blnCatver)
            listed.category = category.value(rom);
        if (state.startup.blnNPlayers)
            listed.players = players.value(rom);

        const qint32 index = qint32(lists.games.size());
        (listed.installed ? lists.installed : lists.uninstalled).push_back(index);
        lists.games.push_back(std::move(listed));
        if (progress)
            progress->count(lists.intAllCount());
    }

    for (int i = 0; i <= static_cast<int>(GameColumn::ROM); ++i)
        game.fields[i].clear();
    return lists;
}

QString LoadListsErrorText(const RuntimeError& error, const QString& rom)
{
    return QStringLiteral("Error In LoadLists: ") + error.description + QLatin1Char('\r') + QStringLiteral("ROM: ") +
           rom + QStringLiteral("\r\rThis might mean you are not using the correct version of M.A.M.E..");
}
