// Times the game data jobs on a generated listing of 45,000 games (about 270 MB), with a streaming
// expat parse of the same file as the anchor. One line per job: its name and its best time of
// several runs, in seconds.
#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameRecordFile.h"
#include "gamelist/ListLoader.h"
#include "options/MameIni.h"
#include "shell/IniFile.h"
#include "shell/ShortPath.h"
#include "state/AppState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

constexpr int kGames = 45000;
constexpr int kLookUpKeys = 40000;
constexpr int kRuns = 5;

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "data_bench: %s\n", qPrintable(what));
    std::exit(1);
}

double bestOf(int runs, const std::function<void()>& job, const std::function<void()>& prepare = {})
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        job();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

void report(const char* job, double seconds, const char* note = "")
{
    std::printf("%-16s %8.4f s%s\n", job, seconds, note);
    std::fflush(stdout);
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("cannot write " + path);
}

// The listing as fakemame writes it for -listxml.
void generateListing(const QString& path)
{
    QProcess mame;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZELVANE_FAKEMAME_GAMES"), QString::number(kGames));
    mame.setProcessEnvironment(env);
    mame.setStandardOutputFile(path);
    mame.start(QStringLiteral(ZELVANE_FAKEMAME_PATH), {QStringLiteral("-listxml")});
    if (!mame.waitForFinished(-1) || mame.exitCode() != 0)
        fail(QStringLiteral("fakemame did not write the listing"));
}

// The anchor: expat reading the file in large blocks, counting game elements.
int expatParse(const QString& path)
{
    XML_Parser parser = XML_ParserCreate(nullptr);
    int games = 0;
    XML_SetUserData(parser, &games);
    XML_SetStartElementHandler(parser, [](void* data, const XML_Char* name, const XML_Char**) {
        if (name[0] == 'g' && std::strcmp(name, "game") == 0)
            ++*static_cast<int*>(data);
    });
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read " + path);
    constexpr int kBlock = 4 << 20;
    for (;;) {
        void* buffer = XML_GetBuffer(parser, kBlock);
        const qint64 got = file.read(static_cast<char*>(buffer), kBlock);
        if (got < 0 || XML_ParseBuffer(parser, int(got), got == 0) == XML_STATUS_ERROR)
            fail(QStringLiteral("expat: ") + QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser))));
        if (got == 0)
            break;
    }
    XML_ParserFree(parser);
    return games;
}

// catver.ini and nplayers.ini with a key for each of the first 40,000 games.
void writeLookUpFiles(const QString& appPath)
{
    Result<GameRecordReader> reader = GameRecordReader::open(ReportsPath(appPath, QStringLiteral("gameinfo.txt")));
    if (!reader)
        fail(QStringLiteral("cannot read gameinfo.txt"));
    static const char* const kCategories[] = {"Maze", "Shooter / Flying Vertical", "Platform", "Sports / Soccer", "Fighter / Versus"};
    static const char* const kPlayers[] = {"1P", "2P alt", "2P sim", "4P sim"};
    QByteArray catver = "[Category]\r\n";
    QByteArray nplayers = "[NPlayers]\r\n";
    GameRecord record;
    for (int i = 0; i < kLookUpKeys && !reader->atEnd(); ++i) {
        if (reader.value().read(record))
            fail(QStringLiteral("gameinfo.txt is malformed"));
        const QByteArray rom = record[GameColumn::ROM].toUtf8();
        catver += rom + '=' + kCategories[i % 5] + "\r\n";
        nplayers += rom + '=' + kPlayers[i % 4] + "\r\n";
    }
    catver += "\r\n[VerAdded]\r\n";
    writeBytes(JoinPath(appPath, QStringLiteral("catver.ini")), catver);
    writeBytes(JoinPath(appPath, QStringLiteral("nplayers.ini")), nplayers);
}

// Every third game installed, half of them in the additional ROMs folder.
void writeZips(const QString& appPath, DirectorySettings& dirs)
{
    dirs.strROMsPath = JoinPath(appPath, QStringLiteral("roms"));
    dirs.strAdditionalROMsPath = JoinPath(appPath, QStringLiteral("more roms"));
    QDir().mkpath(dirs.strROMsPath);
    QDir().mkpath(dirs.strAdditionalROMsPath);
    Result<GameRecordReader> reader = GameRecordReader::open(ReportsPath(appPath, QStringLiteral("gameinfo.txt")));
    GameRecord record;
    for (int i = 0; !reader->atEnd(); ++i) {
        if (reader.value().read(record))
            fail(QStringLiteral("gameinfo.txt is malformed"));
        if (i % 3 == 0)
            writeBytes(JoinPath(i % 2 ? dirs.strROMsPath : dirs.strAdditionalROMsPath,
                                record[GameColumn::ROM] + QStringLiteral(".zip")), "PK");
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString appPath = dir.path();
    QDir().mkpath(JoinPath(appPath, QStringLiteral("reports")));
    const QString listxml = ReportsPath(appPath, QStringLiteral("listxml.txt"));
    generateListing(listxml);
    std::printf("listing: %d games, %.1f MB\n", kGames, double(QFileInfo(listxml).size()) / 1e6);

    int expatGames = 0;
    const double expat = bestOf(3, [&] { expatGames = expatParse(listxml); });

    AppState state;
    state.paths.strAppPath = appPath;
    const double build = bestOf(kRuns, [&] {
        if (const Status failed = CreateGameInfo(appPath, state.game, state.strRotate, nullptr))
            fail(CreateGameInfoErrorText(*failed));
    });
    report("expat", expat);
    char ratio[64];
    std::snprintf(ratio, sizeof ratio, "   (%.1f x faster than expat)", expat / build);
    report("CreateGameInfo", build, ratio);
    if (expatGames < kGames)
        fail(QStringLiteral("expat saw too few games"));

    writeLookUpFiles(appPath);
    writeZips(appPath, state.dirs);
    state.startup.blnCatver = true;
    state.startup.blnNPlayers = true;
    // The lists live on after the load, so freeing them is not part of it.
    std::optional<Result<GameLists>> lists;
    const double load = bestOf(
        kRuns, [&] { lists = LoadLists(state, nullptr); },
        [&] {
            lists.reset();
            IniService::instance().dropAll(); // each run parses both look-up files afresh
        });
    if (!lists->ok())
        fail(LoadListsErrorText(lists->error(), state.game[GameColumn::ROM]));
    const qint32 loaded = lists->value().intAllCount();
    lists.reset();
    report("LoadLists", load, "   (both look-up files parsed afresh in each run)");
    if (loaded != kGames)
        fail(QStringLiteral("LoadLists kept %1 games").arg(loaded));
    // A refresh finds both files parsed already.
    const double reload = bestOf(kRuns, [&] { lists = LoadLists(state, nullptr); }, [&] { lists.reset(); });
    lists.reset();
    report("LoadLists again", reload, "   (look-up files cached, as on Refresh)");

    for (const FolderEntry& folder : kFolders) {
        const QString path = JoinPath(appPath, QString::fromLatin1(folder.key).toLower());
        QDir().mkpath(path);
        if (folder.path != &DirectorySettings::strROMsPath && folder.path != &DirectorySettings::strAdditionalROMsPath)
            state.dirs.*folder.path = path;
        state.dirs.*folder.shortPath = state.dirs.*folder.path;
    }
    BuildIniRequest request;
    request.settingsFile = JoinPath(appPath, QStringLiteral("raster.cfg"));
    request.rom = QStringLiteral("pacman");
    writeBytes(request.settingsFile, "[Video Options]\r\nVideo=DDraw\r\n[Miscellaneous]\r\nOther Commands=-numscreens 2\r\n");
    const double ini = bestOf(
        kRuns * 20,
        [&] {
            if (!BuildIni(state.dirs, request))
                fail(QStringLiteral("BuildIni failed"));
        },
        [&] {
            IniService::instance().dropAll();
            if (CreateMAMEIni(state.dirs))
                fail(QStringLiteral("CreateMAMEIni failed"));
        });
    report("BuildIni", ini);
    return 0;
}
