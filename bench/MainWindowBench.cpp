// Start-up and sorting of the main window on a generated listing: wall time from the load to
// the lists on screen, peak memory once the data is built, and the time of a column sort.
//
//   main_window_bench [games]    (default 45000; runs offscreen unless a display is named)
#include "gamelist/GameListModel.h"
#include "mainwindow/frmMain.h"
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

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
    listing.open(QIODevice::ReadOnly);
    int n = 0;
    while (!listing.atEnd()) {
        const QByteArray line = listing.readLine();
        const int at = line.indexOf("<game name=\"");
        if (at < 0)
            continue;
        const int start = at + 12;
        if (n++ % 2 == 0)
            writeFile(roms + "/" + QString::fromLatin1(line.mid(start, line.indexOf('"', start) - start)) + ".zip", "PK");
    }
    listing.close();
    const qint64 listingBytes = listing.size();
    listing.remove();
    const qint64 mameSize = QFileInfo(mame + "/mame").size();
    writeFile(appPath + "/settings/options.ini",
              "[Miscellaneous]\r\nZelvaneVersion=4.0.0\r\nMAMESize=" + QByteArray::number(mameSize) +
                  "\r\n[Directories]\r\nMAME=" + mame.toUtf8() + "\r\nROMs=" + roms.toUtf8() + "\r\nIni=" +
                  mame.toUtf8() + "\r\n[View]\r\nScreenShots=True\r\n");

    AppState state;
    clock.restart();
    frmMain window(state);
    window.Form_Load(appPath);
    window.show();
    QApplication::processEvents();
    const qint64 startMs = clock.elapsed();
    const double peak = peakMegabytes();

    std::printf("games listed          %d (installed %d)\n", state.counts.intAllCount, state.counts.intInstalledCount);
    std::printf("fakemame -listxml     %lld ms alone (%.1f MB listing)\n", listingMs, listingBytes / 1048576.0);
    std::printf("start to lists shown  %lld ms (MAME's two listings, scan, load, view)\n", startMs);
    std::printf("peak memory           %.1f MB\n", peak);

    // Column sorts as a header click makes them: a new column, then the same one flipped.
    QHeaderView* header = window.fraList->lvAll->header();
    const int columns[] = {1, 1, 7, 13, 0, 0, 2};
    qint64 worst = 0, total = 0;
    for (int c : columns) {
        clock.restart();
        emit header->sectionClicked(c);
        QApplication::processEvents();
        const qint64 ms = clock.elapsed();
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf("column sort           %.1f ms average, %lld ms worst (%zu sorts of %d games)\n",
                double(total) / std::size(columns), worst, std::size(columns), state.counts.intAllCount);

    // Every later start: the game data is built, MAME does not run.
    IniService::instance().dropAll();
    AppState again;
    clock.restart();
    frmMain second(again);
    second.Form_Load(appPath);
    second.show();
    QApplication::processEvents();
    std::printf("next start            %lld ms (game data already built: load and view)\n", clock.elapsed());
    std::fflush(stdout);
    IniService::instance().dropAll();
    return 0;
}
