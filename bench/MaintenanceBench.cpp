// Times the ROM compare of a folder of 10,000 files against an All Games list of 45,000 games,
// every offered file answered No, and the export of that list; each as the median, best and
// worst of several runs. Exits non-zero when the compare offers a file that a game owns, misses
// or repeats an orphan, deletes anything, or when the exported file does not hold the list in
// its shown order.
//
//   maintenance_bench [games] [files]    (default 45000 and 10000; runs offscreen)
#include "BenchSupport.h"
#include "RunTimes.h"

#include "gamelist/GameListModel.h"
#include "platform/MsgBox.h"
#include "platform/WholeFile.h"
#include "reports/ListExport.h"
#include "reports/MaintenanceFiles.h"
#include "reports/MaintenancePanel.h"

#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTemporaryDir>

#include <cstdlib>
#include <numeric>

namespace {

constexpr int kRuns = 7;
constexpr int kOrphanEvery = 10; // one file in ten belongs to no game

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

RomNameSet listedSets(const GameListModel& model)
{
    RomNameSet set;
    for (int i = 0; i < model.rowCount(); ++i)
        set.insert(model.text(i, int(GameColumn::ROM)));
    return set;
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
    for (int i = 0; i < fileCount; ++i) {
        // Listed zips in upper case too: the names match without regard to case.
        const QString name = i % kOrphanEvery == 0 ? QStringLiteral("orphan%1.zip").arg(i)
                             : i % 3 == 0          ? QStringLiteral("GEN%1.ZIP").arg(i * 4)
                                                   : QStringLiteral("gen%1.zip").arg(i * 4);
        writeBytes(roms + "/" + name, "PK");
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

    AppState state;
    state.dirs.strROMsPath = roms;
    MaintenancePanel panel(state);

    QStringList asked;
    setMsgBoxHandler([&asked](const QString& prompt, int, const QString&) {
        asked << prompt;
        return MsgAnswer::No;
    });
    const RunTimes compare = RunTimes::of(
        kRuns, [&] { panel.compareRomFolders(listedSets(model)); }, [&] { asked.clear(); });
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
    if (FolderFiles(roms).size() != fileCount)
        fail("a file answered No was deleted");

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

    char note[120];
    std::snprintf(note, sizeof note, "   (%d files, %d offered, against %d games)", fileCount, int(asked.size()),
                  gameCount);
    compare.print("ROM compare", "ms", note);
    std::snprintf(note, sizeof note, "   (%d games)", gameCount);
    exporting.print("list export", "ms", note);
    return 0;
}
