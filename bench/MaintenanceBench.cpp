// Times the ROM compare of a folder of 10,000 files against the sets of game data of 45,000 games
// (gameinfo.txt, resource.txt and a listing that adds BIOS sets and devices), the game data read
// as the compare reads it, every offered file answered No, and the export of the All Games list;
// each as the median, best and worst of several runs. Exits non-zero when the compare offers a
// file that a game, a BIOS set or a device owns, misses or repeats an orphan, deletes anything,
// or when the exported file does not hold the list in its shown order.
//
//   maintenance_bench [games] [files]    (default 45000 and 10000; runs offscreen)
#include "BenchSupport.h"
#include "RunTimes.h"

#include "gamelist/GameListModel.h"
#include "gamelist/GameRecordFile.h"
#include "gamelist/KnownSets.h"
#include "platform/MsgBox.h"
#include "platform/WholeFile.h"
#include "reports/ListExport.h"
#include "reports/MaintenanceFiles.h"
#include "reports/MaintenancePanel.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QSet>
#include <QTemporaryDir>

#include <cstdlib>
#include <numeric>

namespace {

constexpr int kRuns = 7;
constexpr int kOrphanEvery = 10; // one file in ten belongs to no game
constexpr int kBiosSets = 40;
constexpr int kDevices = 3000;

const QString kQuestionEnd = QStringLiteral(" is not in the All Games List.\rDo you want to delete it?");

GameLists makeLists(int games)
{
    GameLists lists;
    lists.games.resize(size_t(games));
    for (int i = 0; i < games; ++i) {
        GameRecord& r = lists.games[size_t(i)].record;
        r[GameColumn::Game] = QStringLiteral("Generated Game %1 (World, revision %2)").arg(i).arg(i % 7);
        r[GameColumn::ROM] = QStringLiteral("gen%1").arg(i);
    }
    return lists;
}

// The game data of the lists as the builder leaves it: the games' records, the BIOS sets' blocks,
// and a listing of every machine with a few lines each, devices last as MAME writes them.
void writeGameData(const QString& appPath, const GameLists& lists)
{
    QByteArray gameinfo;
    QByteArray listing = "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n";
    for (const ListedGame& game : lists.games) {
        gameinfo += GameRecordLine(game.record);
        listing += "\t<machine name=\"" + game.record[GameColumn::ROM].toLatin1() +
                   "\" sourcefile=\"gen/gen.cpp\">\n\t\t<description>" + game.record[GameColumn::Game].toLatin1() +
                   "</description>\n\t\t<rom name=\"prg.bin\" size=\"16384\" crc=\"01234567\" sha1=\"0123456789abcdef"
                   "0123456789abcdef01234567\" region=\"maincpu\" offset=\"0\"/>\n\t\t<driver status=\"good\"/>\n"
                   "\t</machine>\n";
    }
    QByteArray resource;
    for (int i = 0; i < kBiosSets; ++i) {
        const QByteArray line = "\t<machine name=\"bios" + QByteArray::number(i) + "\" isbios=\"yes\">\n";
        resource += line + "\t</machine>\n";
        listing += line + "\t</machine>\n";
    }
    resource += "</mame>\n";
    for (int i = 0; i < kDevices; ++i)
        listing += "\t<machine name=\"dev" + QByteArray::number(i) +
                   "\" isdevice=\"yes\" runnable=\"no\">\n\t</machine>\n";
    listing += "</mame>\n";
    writeBytes(appPath + "/reports/gameinfo.txt", gameinfo);
    writeBytes(appPath + "/reports/resource.txt", resource);
    writeBytes(appPath + "/reports/listxml.txt", listing);
}

// What the Compare button does: every known set, then the folders against them.
void compareAsTheButtonDoes(MaintenancePanel& panel, const QString& appPath)
{
    const Result<KnownSets> known = KnownSetNames(appPath);
    if (!known)
        fail("cannot read the game data: " + known.error().description);
    RomNameSet sets;
    for (const QString& rom : known->names)
        sets.insert(rom, known->todaysMame);
    panel.compareRomFolders(sets);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int gameCount = argc > 1 ? std::atoi(argv[1]) : 45000;
    const int fileCount = argc > 2 ? std::atoi(argv[2]) : 10000;
    if (gameCount < fileCount)
        fail("the list must hold more games than the folder has files");

    QTemporaryDir dir;
    if (!dir.isValid())
        fail("cannot make a folder");
    const QString roms = dir.filePath("roms");
    QSet<QString> orphans;
    QSet<QString> written; // BIOS sets and devices come round more than once
    for (int i = 0; i < fileCount; ++i) {
        // Listed zips in upper case too: the names match without regard to case. BIOS sets and
        // devices are no games, yet owned.
        const QString name = i % kOrphanEvery == 0  ? QStringLiteral("orphan%1.zip").arg(i)
                             : i % 97 == 1          ? QStringLiteral("bios%1.zip").arg(i % kBiosSets)
                             : i % 7 == 1           ? QStringLiteral("dev%1.zip").arg(i % kDevices)
                             : i % 3 == 0           ? QStringLiteral("GEN%1.ZIP").arg(i * 4)
                                                    : QStringLiteral("gen%1.zip").arg(i * 4);
        writeBytes(roms + "/" + name, "PK");
        written.insert(name);
        if (i % kOrphanEvery == 0)
            orphans.insert(name);
    }
    // A game's CHD folder sits among the zips and is never offered.
    QDir().mkpath(roms + "/orphanchd");

    const GameLists lists = makeLists(gameCount);
    std::vector<qint32> rows(static_cast<size_t>(gameCount));
    std::iota(rows.begin(), rows.end(), 0);
    GameListModel model;
    model.setRows(&lists, rows);
    model.sort(int(GameColumn::Game), Qt::DescendingOrder);

    const QString appPath = dir.filePath("app");
    writeGameData(appPath, lists);

    AppState state;
    state.paths.strAppPath = appPath;
    state.dirs.strROMsPath = roms;
    MaintenancePanel panel(state);

    QStringList asked;
    setMsgBoxHandler([&asked](const QString& prompt, int, const QString&) {
        asked << prompt;
        return MsgAnswer::No;
    });
    const RunTimes compare = RunTimes::of(
        kRuns, [&] { compareAsTheButtonDoes(panel, appPath); }, [&] { asked.clear(); });
    setMsgBoxHandler({});

    QSet<QString> offered;
    for (const QString& prompt : asked) {
        if (!prompt.endsWith(kQuestionEnd))
            fail("an unexpected message: " + prompt);
        offered.insert(prompt.chopped(kQuestionEnd.size()).toLower());
    }
    if (asked.size() != orphans.size() || offered != orphans)
        fail(QStringLiteral("%1 files offered, %2 orphans").arg(asked.size()).arg(orphans.size()));
    if (panel.lblText->text() != QStringLiteral("ROM compare complete."))
        fail("the compare ended with: " + panel.lblText->text());
    if (FolderFiles(roms).size() != written.size())
        fail("a file answered No was deleted");

    // The part of the compare that reads the game data, on its own.
    qsizetype knownCount = 0;
    const RunTimes reading = RunTimes::of(kRuns, [&] {
        const Result<KnownSets> known = KnownSetNames(appPath);
        knownCount = known ? known->names.size() : -1;
    });
    if (knownCount != gameCount + 2 * kBiosSets + kDevices + gameCount)
        fail(QStringLiteral("%1 known sets read").arg(knownCount));

    const QString exported = dir.filePath("allgames.txt");
    const RunTimes exporting = RunTimes::of(kRuns, [&] {
        const QByteArray text = ExportListText(model.rowCount(), [&model](qint32 i) {
            return ExportRow{model.text(i, int(GameColumn::ROM)), model.text(i, int(GameColumn::Game))};
        });
        if (ReplaceWholeFile(exported, text))
            fail("cannot write the export");
    });

    const Result<QByteArray> file = ReadWholeFile(exported);
    if (!file)
        fail("cannot read the export");
    const QList<QByteArray> lines = file->split('\n');
    // Header, empty line, the games, empty line, total, and what follows the last line end.
    if (lines.size() != gameCount + 5 || lines[gameCount + 3] != "Total Count:   " + QByteArray::number(gameCount) + " \r")
        fail("the export's lines or total are wrong");
    for (int i = 0; i < gameCount; ++i) {
        const QByteArray& line = lines[i + 2];
        const QString rom = model.text(i, int(GameColumn::ROM));
        if (!line.startsWith(rom.toLatin1() + ' ') || line.mid(14).chopped(1) != model.text(i, 0).toLatin1())
            fail(QStringLiteral("line %1 is not row %1 of the list").arg(i + 1));
    }

    char note[160];
    std::snprintf(note, sizeof note,
                  "   (%d files, %d offered, against %d games, %d BIOS sets, %d devices; %lld MB listing)", fileCount, int(asked.size()), gameCount, kBiosSets, kDevices,
                  QFileInfo(appPath + "/reports/listxml.txt").size() >> 20);
    compare.print("ROM compare", "ms", note);
    reading.print("  its game data", "ms", "   (gameinfo.txt, resource.txt and listxml.txt read)");
    std::snprintf(note, sizeof note, "   (%d games)", gameCount);
    exporting.print("list export", "ms", note);
    return 0;
}
