// Times the check of the favorites list after a rebuild: 1,000 favorites against a gameinfo.txt
// of 45,000 games, some favorites unchanged, some in other letter case, some with a changed
// field. The result is compared with a scan of the game data per favorite, the way the check
// has always been described. Prints the median, best and worst time of several runs, in
// milliseconds, and exits non-zero when the results differ.
//
//   favorites_bench [games] [favorites]
#include "BenchSupport.h"
#include "RunTimes.h"

#include "gamelist/Favorites.h"
#include "gamelist/GameRecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kRuns = 7;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A record about as long as MAME's games make them.
QByteArray gameLine(int i)
{
    GameRecord r;
    r[GameColumn::Game] = QStringLiteral("Generated Game %1 (World, revision %2)").arg(i).arg(i % 7);
    r[GameColumn::Year] = QString::number(1975 + i % 30);
    r[GameColumn::Status] = i % 5 ? QStringLiteral("Good") : QStringLiteral("Preliminary");
    r[GameColumn::Color] = QStringLiteral("Good");
    r[GameColumn::Sound] = QStringLiteral("Imperfect");
    r[GameColumn::Graphic] = QStringLiteral("Good");
    r[GameColumn::Palette] = QStringLiteral("  1024");
    r[GameColumn::Manufacturer] = QStringLiteral("Maker %1 Corporation").arg(i % 300);
    r[GameColumn::Type] = i % 9 ? QStringLiteral("Raster") : QStringLiteral("Vector");
    r[GameColumn::Display] = QStringLiteral(" 320x240");
    r[GameColumn::Orientation] = i % 3 ? QStringLiteral("Horizontal") : QStringLiteral("Vertical");
    r[GameColumn::Frequency] = QStringLiteral("60");
    r[GameColumn::Origin] = i % 4 ? QStringLiteral("Original") : QStringLiteral("Clone of gen%1").arg(i - 1);
    r[GameColumn::ROM] = QStringLiteral("gen%1").arg(i);
    r[GameColumn::Source] = QStringLiteral("driver%1.c").arg(i % 700);
    r[GameColumn::RomOf] = QStringLiteral("N/A");
    r[GameColumn::CHD] = QStringLiteral("No");
    return GameRecordLine(r);
}

// What survives when each favorite is looked for by reading the game data from its start.
QByteArray scanPerFavorite(const QByteArray& gameinfo, const QByteArrayList& favorites)
{
    const QStringList games = QString::fromLatin1(gameinfo).split(QStringLiteral("\r\n"));
    QByteArray kept;
    for (const QByteArray& f : favorites) {
        const QString favorite = QString::fromLatin1(f);
        for (const QString& game : games) {
            if (game.compare(favorite, Qt::CaseInsensitive) == 0) {
                kept += f + "\r\n";
                break;
            }
        }
    }
    return kept;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int gameCount = argc > 1 ? std::atoi(argv[1]) : 45000;
    const int favoriteCount = argc > 2 ? std::atoi(argv[2]) : 1000;

    QTemporaryDir dir;
    if (!dir.isValid() || !QDir().mkpath(dir.filePath("reports")))
        fail("cannot make a folder");
    const QString appPath = dir.path();

    QByteArray gameinfo;
    std::vector<QByteArray> games;
    games.reserve(size_t(gameCount));
    for (int i = 0; i < gameCount; ++i) {
        games.push_back(gameLine(i));
        gameinfo += games.back();
    }
    writeBytes(dir.filePath("reports/gameinfo.txt"), gameinfo);

    QRandomGenerator random(42);
    QByteArrayList favorites;
    for (int i = 0; i < favoriteCount; ++i) {
        QByteArray f = games[size_t(random.bounded(gameCount))].chopped(2);
        const int kind = random.bounded(100);
        if (kind < 15)
            f = f.toUpper();
        else if (kind < 30)
            f.replace("\"Good\"", "\"Imperfect\"");
        favorites << f;
    }
    const QByteArray favoriteFile = favorites.join("\r\n") + "\r\n";

    const RunTimes times = RunTimes::of(
        kRuns,
        [&] {
            if (!VerifyFavorites(appPath).ok())
                fail("the check failed");
        },
        [&] {
            writeBytes(FavoritesPath(appPath), favoriteFile);
            QFile::remove(dir.filePath("reports/changes.txt"));
        });

    const QByteArray kept = readBytes(FavoritesPath(appPath));
    const bool same = kept == scanPerFavorite(gameinfo, favorites);
    char note[160];
    std::snprintf(note, sizeof note, "   (%d favorites, %d games; %lld kept, same result as the scan per favorite: %s)",
                  favoriteCount, gameCount, static_cast<long long>(kept.count('\n')), same ? "yes" : "NO");
    times.print("TestFavorites", "ms", note);
    return same ? 0 : 1;
}
