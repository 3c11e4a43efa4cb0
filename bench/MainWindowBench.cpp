// Start-up and sorting of the main window on a generated listing: wall time from the load to
// the lists on screen, peak memory once the data is built, and the time of a column sort; each
// as the median, best and worst of several runs. Exits non-zero when a list does not hold the
// games it should or a sort leaves a list out of order.
//
//   main_window_bench [games]    (default 45000; runs offscreen unless a display is named)
#include "BenchSupport.h"
#include "RunTimes.h"

#include "gamelist/GameListModel.h"
#include "mainwindow/frmMain.h"
#include "platform/InterfaceFont.h"
#include "shell/IniFile.h"
#include "state/AppState.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

constexpr int kFirstStarts = 3;
constexpr int kNextStarts = 5;
constexpr int kSortRounds = 3;

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// What the three lists must hold.
struct Expected {
    int all = 0;
    int installed = 0;
};

void checkCounts(const frmMain& window, const AppState& state, const Expected& expected)
{
    const std::pair<QTreeView*, int> lists[] = {{window.fraList->lvAll, expected.all},
                                                {window.fraList->lvInstalled, expected.installed},
                                                {window.fraList->lvUninstalled, expected.all - expected.installed}};
    const int counts[] = {state.counts.intAllCount, state.counts.intInstalledCount, state.counts.intUninstalledCount};
    for (size_t i = 0; i < std::size(lists); ++i) {
        const auto [view, games] = lists[i];
        if (counts[i] != games || view->model()->rowCount() != games)
            fail(QStringLiteral("%1 holds %2 rows and counts %3 games; %4 expected")
                     .arg(view->objectName())
                     .arg(view->model()->rowCount())
                     .arg(counts[i])
                     .arg(games));
    }
}

// The order a sort must leave, worked out apart from the program's sort: the shown texts (the
// listing's five entities read as their characters) compared by code unit after case folding,
// without hyphens and apostrophes; equal texts in load order.
QString orderKey(QString text)
{
    // "&amp;" last, so that what it stands for is not read again.
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [written, shown] : entities)
        text.replace(QLatin1String(written), QLatin1String(shown));
    text.remove(QLatin1Char('-'));
    text.remove(QLatin1Char('\''));
    return text.toCaseFolded();
}

void checkOrder(const GameListModel& model, int column)
{
    if (model.sortColumn() != column)
        fail(QStringLiteral("a click on column %1 sorted by column %2").arg(column).arg(model.sortColumn()));
    const bool descending = model.sortOrder() == Qt::DescendingOrder;
    QString previous = orderKey(model.text(0, column));
    for (int row = 1; row < model.rowCount(); ++row) {
        QString key = orderKey(model.text(row, column));
        const int c = descending ? QString::compare(key, previous) : QString::compare(previous, key);
        if (c > 0 || (c == 0 && model.gameIndex(row - 1) > model.gameIndex(row)))
            fail(QStringLiteral("column %1 %2: row %3 \"%4\" out of order")
                     .arg(column)
                     .arg(descending ? "descending" : "ascending")
                     .arg(row + 1)
                     .arg(model.text(row, column)));
        previous = std::move(key);
    }
}

// A start of the program: the window built, loaded and shown with its events handled.
std::unique_ptr<frmMain> start(AppState& state, const QString& appPath)
{
    auto window = std::make_unique<frmMain>(state);
    window->Form_Load(appPath);
    window->show();
    QApplication::processEvents();
    return window;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseInterfaceFont();
    const int games = argc > 1 ? std::atoi(argv[1]) : 45000;

    QTemporaryDir dir;
    const QString root = dir.path();
    const QString mame = root + "/mame", roms = root + "/roms", appPath = root + "/app";
    QDir().mkpath(roms);
    QDir().mkpath(appPath + "/reports");
    QDir().mkpath(mame);
    QFile::copy(QStringLiteral(ZELVANE_FAKEMAME_PATH), mame + "/mame");
    QFile(mame + "/mame").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // The listing once beforehand, for the names of the sets to install; the load runs MAME again.
    qputenv("ZELVANE_FAKEMAME_GAMES", QByteArray::number(games));
    QElapsedTimer clock;
    clock.start();
    QProcess fake;
    fake.setStandardOutputFile(appPath + "/reports/listxml.txt");
    fake.start(mame + "/mame", {"-listxml"});
    fake.waitForFinished(-1);
    const qint64 listingMs = clock.elapsed();

    // Half the games installed.
    QFile listing(appPath + "/reports/listxml.txt");
    if (!listing.open(QIODevice::ReadOnly))
        fail(QStringLiteral("fakemame wrote no listing"));
    Expected expected;
    while (!listing.atEnd()) {
        const QByteArray line = listing.readLine();
        const int at = line.indexOf("<game name=\"");
        if (at < 0)
            continue;
        const int start = at + 12;
        if (expected.all++ % 2 == 0) {
            const QString rom = QString::fromLatin1(line.mid(start, line.indexOf('"', start) - start));
            writeBytes(roms + "/" + rom + ".zip", "PK");
            ++expected.installed;
        }
    }
    listing.close();
    const qint64 listingBytes = listing.size();
    const qint64 mameSize = QFileInfo(mame + "/mame").size();
    writeBytes(appPath + "/settings/options.ini",
              "[Miscellaneous]\r\nZelvaneVersion=4.0.0\r\nMAMESize=" + QByteArray::number(mameSize) +
                  "\r\n[Directories]\r\nMAME=" + mame.toUtf8() + "\r\nROMs=" + roms.toUtf8() + "\r\nIni=" +
                  mame.toUtf8() + "\r\n[View]\r\nScreenShots=True\r\n");
    std::printf("games listed           %d (installed %d)\n", expected.all, expected.installed);
    std::printf("fakemame -listxml      %lld ms alone (%.1f MB listing)\n", listingMs, listingBytes / 1048576.0);

    // The first start finds no game data: MAME's two listings, the scan, the load, the view.
    AppState state;
    std::unique_ptr<frmMain> window;
    double peak = 0;
    const RunTimes first = RunTimes::of(
        kFirstStarts, [&] { window = start(state, appPath); },
        [&] {
            if (window && peak == 0)
                peak = peakMegabytes(); // once the first start has built the data
            window.reset();
            IniService::instance().dropAll();
            for (const char* file : {"listxml.txt", "gameinfo.txt", "crcinfo.txt", "resource.txt"})
                QFile::remove(appPath + "/reports/" + file);
            state = AppState();
        });
    if (peak == 0)
        peak = peakMegabytes();
    checkCounts(*window, state, expected);
    first.print("first start", "ms", "   (MAME's two listings, scan, load, view)");
    std::printf("peak memory            %.1f MB\n", peak);

    // Column sorts as a header click makes them: a new column, then the same one flipped.
    QHeaderView* header = window->fraList->lvAll->header();
    const auto& model = *static_cast<const GameListModel*>(window->fraList->lvAll->model());
    const int columns[] = {1, 1, 7, 13, 0, 0, 2};
    RunTimes sorts;
    for (int round = 0; round < kSortRounds; ++round) {
        for (const int c : columns) {
            clock.restart();
            emit header->sectionClicked(c);
            QApplication::processEvents();
            sorts.add(double(clock.nsecsElapsed()) / 1e9);
            checkOrder(model, c);
        }
    }
    checkCounts(*window, state, expected);
    char note[80];
    std::snprintf(note, sizeof note, "   (sorts of %d games: columns 1, 1, 7, 13, 0, 0, 2)", expected.all);
    sorts.print("column sort", "ms", note);

    // Every later start: the game data is built, MAME does not run.
    window.reset();
    std::unique_ptr<frmMain> again;
    AppState laterState;
    const RunTimes next = RunTimes::of(
        kNextStarts, [&] { again = start(laterState, appPath); },
        [&] {
            again.reset();
            IniService::instance().dropAll();
            laterState = AppState();
        });
    checkCounts(*again, laterState, expected);
    next.print("next start", "ms", "   (game data already built: load and view)");
    again.reset();
    IniService::instance().dropAll();
    return 0;
}
