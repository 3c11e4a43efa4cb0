#include "gamelist/ListLoader.h"

#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameRecordFile.h"
#include "gamelist/HideFilters.h"
#include "shell/AppState.h"
#include "shell/IniFile.h"
#include "shell/Progress.h"
#include "shell/ShortPath.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// The installed test for one ROM folder: does "<folder>/<rom>.zip" stand there as a file? The
// path is built in one reused buffer, as the test runs twice for every game.
class RomFolder {
public:
    explicit RomFolder(const QString& folder)
    {
        if (folder.isEmpty())
            return; // an empty setting would name a zip at the file system's root
        m_path = QFile::encodeName(JoinPath(folder, QString()));
        m_base = m_path.size();
        m_used = true;
    }

    bool hasZip(const QString& rom)
    {
        if (!m_used)
            return false;
#ifdef Q_OS_WIN
        return QFileInfo(JoinPath(QFile::decodeName(m_path), rom + QStringLiteral(".zip"))).isFile();
#else
        m_path.resize(m_base);
        m_path.append(QFile::encodeName(rom)).append(".zip");
        struct stat info;
        return ::stat(m_path.constData(), &info) == 0 && S_ISREG(info.st_mode);
#endif
    }

private:
    QByteArray m_path;
    qsizetype m_base = 0;
    bool m_used = false;
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
    const QString catver = JoinPath(appPath, QStringLiteral("catver.ini"));
    const QString nplayers = JoinPath(appPath, QStringLiteral("nplayers.ini"));
    const QString notFound = QStringLiteral("Not Found");

    GameLists lists;
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
            listed.category = ReadINI(catver, QStringLiteral("Category"), rom, notFound);
        if (state.startup.blnNPlayers)
            listed.players = ReadINI(nplayers, QStringLiteral("NPlayers"), rom, notFound);

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
