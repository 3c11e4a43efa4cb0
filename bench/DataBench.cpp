// Times the game data jobs on a generated listing of 45,000 games (about 270 MB), with a streaming
// expat parse of the same file as the anchor; then the scan alone on the listing of the MAME that
// Debian installs (/usr/games/mame, about 270 MB in today's layout), when it is there. One line per
// job: the median, best and worst time of several runs, in seconds. Exits non-zero when a job's
// result is wrong: the scan's gameinfo.txt is checked against a reading of the same listing by
// expat.
//
//   data_bench [games]    (default 45000)
#include "BenchSupport.h"
#include "RunTimes.h"

#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameRecordFile.h"
#include "gamelist/ListLoader.h"
#include "options/MameIni.h"
#include "shell/FolderTable.h"
#include "shell/IniFile.h"
#include "shell/ShortPath.h"
#include "state/AppState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <expat.h>

#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kLookUpKeys = 40000;
constexpr int kRuns = 5;
constexpr int kLoadRuns = 11;

// The listing as fakemame writes it for -listxml.
void generateListing(const QString& path, int games)
{
    QProcess mame;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZELVANE_FAKEMAME_GAMES"), QString::number(games));
    mame.setProcessEnvironment(env);
    mame.setStandardOutputFile(path);
    mame.start(QStringLiteral(ZELVANE_FAKEMAME_PATH), {QStringLiteral("-listxml")});
    if (!mame.waitForFinished(-1) || mame.exitCode() != 0)
        fail(QStringLiteral("fakemame did not write the listing"));
}

// Feeds the file to `parser` in large blocks and frees the parser.
void expatRead(XML_Parser parser, const QString& path)
{
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
}

// The anchor: expat reading the file, counting game (or machine) elements.
int expatParse(const QString& path)
{
    XML_Parser parser = XML_ParserCreate(nullptr);
    int games = 0;
    XML_SetUserData(parser, &games);
    XML_SetStartElementHandler(parser, [](void* data, const XML_Char* name, const XML_Char**) {
        if ((name[0] == 'g' && std::strcmp(name, "game") == 0) || (name[0] == 'm' && std::strcmp(name, "machine") == 0))
            ++*static_cast<int*>(data);
    });
    expatRead(parser, path);
    return games;
}

// A game as expat reads it, in the fields that the check compares.
struct ExpatGame {
    std::string name, source = "?", cloneOf, romOf, description, year, manufacturer;
    bool runnable = true, disk = false, driver = false;
};

struct ExpatListing {
    std::vector<ExpatGame> games;
    std::string* text = nullptr; // the element whose characters are being read
};

const char* attributeOf(const XML_Char** attributes, const char* name)
{
    for (; *attributes; attributes += 2)
        if (std::strcmp(attributes[0], name) == 0)
            return attributes[1];
    return nullptr;
}

std::vector<ExpatGame> expatGames(const QString& path)
{
    ExpatListing listing;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &listing);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            auto& l = *static_cast<ExpatListing*>(data);
            if (std::strcmp(name, "game") == 0 || std::strcmp(name, "machine") == 0) {
                ExpatGame& g = l.games.emplace_back();
                for (auto [field, attribute] : {std::pair{&g.name, "name"}, {&g.source, "sourcefile"},
                                                {&g.cloneOf, "cloneof"}, {&g.romOf, "romof"}})
                    if (const char* value = attributeOf(attributes, attribute))
                        *field = value;
                // Not games: the older layout's resources, today's BIOS sets and devices.
                const auto says = [attributes](const char* attribute, const char* value) {
                    const char* text = attributeOf(attributes, attribute);
                    return text && std::strcmp(text, value) == 0;
                };
                g.runnable = !says("runnable", "no") && !says("isbios", "yes") && !says("isdevice", "yes");
            } else if (l.games.empty()) {
                return;
            } else if (std::strcmp(name, "description") == 0) {
                l.text = &l.games.back().description;
            } else if (std::strcmp(name, "year") == 0) {
                l.text = &l.games.back().year;
            } else if (std::strcmp(name, "manufacturer") == 0) {
                l.text = &l.games.back().manufacturer;
            } else if (std::strcmp(name, "disk") == 0) {
                l.games.back().disk = true;
            } else if (std::strcmp(name, "driver") == 0) {
                l.games.back().driver = true;
            }
        },
        [](void* data, const XML_Char*) { static_cast<ExpatListing*>(data)->text = nullptr; });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* s, int length) {
        if (std::string* text = static_cast<ExpatListing*>(data)->text)
            text->append(s, size_t(length));
    });
    expatRead(parser, path);
    return std::move(listing.games);
}

// Element text as the listing holds it: gameinfo.txt keeps MAME's entities as they were written.
QString asWritten(const std::string& text)
{
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    s.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    s.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    // Today's MAME writes double quotes in text as entities too.
    s.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return s;
}

// gameinfo.txt against the listing read by expat: one record for each game with a driver, in
// listing order, and in each the fields that come straight from the listing.
// Returns the number of records.
size_t checkGameInfo(const QString& appPath, const QString& listxml)
{
    std::vector<ExpatGame> games = expatGames(listxml);
    std::erase_if(games, [](const ExpatGame& g) { return !g.runnable || !g.driver; });
    Result<GameRecordReader> reader = GameRecordReader::open(ReportsPath(appPath, QStringLiteral("gameinfo.txt")));
    if (!reader)
        fail(QStringLiteral("cannot read gameinfo.txt"));
    GameRecord record;
    size_t records = 0;
    for (; !reader->atEnd(); ++records) {
        if (reader.value().read(record))
            fail(QStringLiteral("gameinfo.txt is malformed after %1 records").arg(records));
        if (records >= games.size())
            continue;
        const ExpatGame& g = games[records];
        const std::pair<GameColumn, QString> expected[] = {
            {GameColumn::ROM, QString::fromUtf8(g.name)},
            {GameColumn::Source, QString::fromUtf8(g.source)},
            {GameColumn::Game, asWritten(g.description)},
            {GameColumn::Year, g.year.empty() ? QStringLiteral("19??") : asWritten(g.year)},
            {GameColumn::Manufacturer, asWritten(g.manufacturer)},
            {GameColumn::Origin, g.cloneOf.empty() ? QStringLiteral("Original")
                                                   : QStringLiteral("Clone of ") + QString::fromUtf8(g.cloneOf)},
            {GameColumn::RomOf, g.romOf.empty() ? QStringLiteral("N/A") : QString::fromUtf8(g.romOf)},
            {GameColumn::CHD, g.disk ? QStringLiteral("Yes") : QStringLiteral("No")},
        };
        for (const auto& [column, value] : expected)
            if (record[column] != value)
                fail(QStringLiteral("gameinfo.txt record %1 has %2 \"%3\" where the listing has \"%4\"")
                         .arg(records + 1)
                         .arg(QLatin1String(kGameColumnCaptions[size_t(column)]), record[column], value));
    }
    if (records != games.size())
        fail(QStringLiteral("gameinfo.txt holds %1 records for %2 games in the listing")
                 .arg(records)
                 .arg(games.size()));
    return records;
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

// The scan of `listxml` into the reports folder, timed beside expat reading the same file. Returns
// the game (or machine) elements expat counted.
int timeScanBesideExpat(const QString& listxml, const QString& appPath, AppState& state)
{
    int elements = 0;
    const RunTimes expat = RunTimes::of(3, [&] { elements = expatParse(listxml); });
    const RunTimes build = RunTimes::of(kRuns, [&] {
        if (const Status failed = CreateGameInfo(listxml, ReportsPath(appPath, QStringLiteral("gameinfo.txt")),
                                                 ReportsPath(appPath, QStringLiteral("resource.txt")), state.game,
                                                 state.strRotate, nullptr))
            fail(CreateGameInfoErrorText(*failed));
    });
    expat.print("expat");
    char ratio[64];
    std::snprintf(ratio, sizeof ratio, "   (%.1f x faster than expat, medians)", expat.median() / build.median());
    build.print("CreateGameInfo", "s", ratio);
    return elements;
}

// The scan timed on the listing of the MAME installed at `mame`, against expat on the same file;
// nothing when there is no such MAME.
void benchRealListing(const QString& mame, const QString& appPath, AppState& state)
{
    if (!QFileInfo(mame).isExecutable()) {
        std::printf("no MAME at %s: the real listing is left out\n", qPrintable(mame));
        return;
    }
    const QString listxml = ReportsPath(appPath, QStringLiteral("listxml.txt"));
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // MAME reads and creates its settings under HOME.
    env.insert(QStringLiteral("HOME"), appPath);
    run.setProcessEnvironment(env);
    run.setStandardOutputFile(listxml);
    run.start(mame, {QStringLiteral("-listxml")});
    if (!run.waitForFinished(-1) || run.exitCode() != 0)
        fail(mame + QStringLiteral(" -listxml failed"));
    std::printf("\nlisting of %s: %.1f MB\n", qPrintable(mame), double(QFileInfo(listxml).size()) / 1e6);

    const int machines = timeScanBesideExpat(listxml, appPath, state);
    const size_t records = checkGameInfo(appPath, listxml);
    std::printf("gameinfo.txt           %zu records of %d machines, as expat reads the listing\n", records, machines);
    if (records < 30000)
        fail(QStringLiteral("only %1 games in the real listing").arg(records));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 45000;
    QTemporaryDir dir;
    const QString appPath = dir.path();
    QDir().mkpath(JoinPath(appPath, QStringLiteral("reports")));
    const QString listxml = ReportsPath(appPath, QStringLiteral("listxml.txt"));
    generateListing(listxml, games);
    std::printf("listing: %d games, %.1f MB\n", games, double(QFileInfo(listxml).size()) / 1e6);

    AppState state;
    state.paths.strAppPath = appPath;
    const int gameElements = timeScanBesideExpat(listxml, appPath, state);
    if (gameElements < games)
        fail(QStringLiteral("expat saw too few games"));
    const size_t records = checkGameInfo(appPath, listxml);
    std::printf("gameinfo.txt           %zu records, as expat reads the listing\n", records);

    writeLookUpFiles(appPath);
    writeZips(appPath, state.dirs);
    state.startup.blnCatver = true;
    state.startup.blnNPlayers = true;
    // The lists live on after the load, so freeing them is not part of it.
    std::optional<Result<GameLists>> lists;
    const RunTimes load = RunTimes::of(
        kLoadRuns, [&] { lists = LoadLists(state, nullptr); },
        [&] {
            lists.reset();
            IniService::instance().dropAll(); // each run parses both look-up files afresh
        });
    if (!lists->ok())
        fail(LoadListsErrorText(lists->error(), state.game[GameColumn::ROM]));
    const qint32 loaded = lists->value().intAllCount();
    lists.reset();
    load.print("LoadLists", "s", "   (both look-up files parsed afresh in each run)");
    if (loaded != games)
        fail(QStringLiteral("LoadLists kept %1 games").arg(loaded));
    // A refresh finds both files parsed already.
    const RunTimes reload = RunTimes::of(kRuns, [&] { lists = LoadLists(state, nullptr); }, [&] { lists.reset(); });
    if (!lists->ok() || lists->value().intAllCount() != games)
        fail(QStringLiteral("LoadLists again did not keep every game"));
    lists.reset();
    reload.print("LoadLists again", "s", "   (look-up files cached, as on Refresh)");

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
    const RunTimes ini = RunTimes::of(
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
    ini.print("BuildIni", "ms");

    benchRealListing(QStringLiteral("/usr/games/mame"), appPath, state);
    return 0;
}
