// Times game information over data files of full size: a history.dat of about 20 MB, a
// mameinfo.dat and a cheat.dat of about 5 MB each, the game's entries near their ends, so that
// each request reads nearly all 30 MB. Prints the median, best and worst of several runs in
// milliseconds (goal: at most 100 ms) and exits non-zero when the report is not the expected one.
//
//   gameinfo_bench [history MB]
#include "BenchSupport.h"
#include "RunTimes.h"

#include "reports/GameInfo.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kRuns = 15;
const QByteArray kTarget = "zzgame";

// A history entry of about 2 KB: a few names, the "$bio" block of paragraphs, "$end".
QByteArray historyEntry(const QByteArray& name, int i)
{
    QByteArray e = "$info=" + name + "," + name + "a," + name + "j,\r\n$bio\r\n\r\n";
    e += name + " (c) " + QByteArray::number(1978 + i % 30) + " Maker " + QByteArray::number(i % 300) + ".\r\n\r\n";
    for (int p = 0; p < 5; ++p) {
        for (int l = 0; l < 5; ++l)
            e += "A line of the history of the game, long enough to be like the real ones, part " +
                 QByteArray::number(l) + ".\r\n";
        e += "\r\n";
    }
    return e + "$end\r\n\r\n";
}

QByteArray mameinfoEntry(const QByteArray& name, int i)
{
    QByteArray e = "$info=" + name + "\r\n$mame\r\n";
    for (int l = 0; l < 6; ++l)
        e += "- Emulation note " + QByteArray::number(l) + " of driver " + QByteArray::number(i % 700) + ".\r\n\r\n";
    return e + "$end\r\n\r\n";
}

QByteArray cheatLines(const QByteArray& name)
{
    QByteArray e;
    for (int l = 0; l < 8; ++l)
        e += name + ":0:" + QByteArray::number(0x1000 + l, 16) + ":00:000:Cheat number " + QByteArray::number(l) +
             " of this game\r\n";
    return e;
}

// Fills a file with generated games' entries up to `bytes`, then the target's, then a few more.
QByteArray dataFile(qint64 bytes, QByteArray (*entry)(const QByteArray&, int))
{
    QByteArray all;
    all.reserve(bytes + (1 << 16));
    for (int i = 1; all.size() < bytes; ++i)
        all += entry("gen" + QByteArray::number(i), i);
    all += entry(kTarget, 0);
    for (int k = 1; k <= 3; ++k)
        all += entry("tail" + QByteArray::number(k), k);
    return all;
}

QByteArray cheatEntry(const QByteArray& name, int) { return cheatLines(name); }

// The report that the target's entries above must give, written out from how they were made.
QString expectedReport()
{
    QString history = "zzgame (c) 1978 Maker 0. \r\n";
    for (int p = 0; p < 5; ++p) {
        for (int l = 0; l < 5; ++l)
            history += QStringLiteral("A line of the history of the game, long enough to be like the real ones, part %1. ")
                           .arg(l);
        history += "\r\n";
    }
    QString mameinfo;
    for (int l = 0; l < 6; ++l)
        mameinfo += QStringLiteral("- Emulation note %1 of driver 0.\r\n").arg(l);
    QString cheats;
    for (int l = 0; l < 8; ++l)
        cheats += QStringLiteral("Cheat number %1 of this game\r\n").arg(l);
    return "History.Dat\r\n\r\n" + history + "\r\n\r\nMameinfo.Dat\r\n\r\n" + mameinfo +
           "\r\n\r\nCheat.Dat\r\n\r\n" + cheats;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 historyBytes = (argc > 1 ? std::atoll(argv[1]) : 20) << 20;

    QTemporaryDir dir;
    if (!dir.isValid())
        fail("cannot make a folder");
    const QByteArray history = dataFile(historyBytes, historyEntry);
    const QByteArray mameinfo = dataFile(5 << 20, mameinfoEntry);
    const QByteArray cheat = dataFile(5 << 20, cheatEntry);
    writeBytes(dir.filePath("history.dat"), history);
    writeBytes(dir.filePath("mameinfo.dat"), mameinfo);
    writeBytes(dir.filePath("cheat.dat"), cheat);

    Result<GameInfoReport> report = RuntimeError{};
    const RunTimes times =
        RunTimes::of(kRuns, [&] { report = GameInformation(dir.path(), QString::fromLatin1(kTarget)); });
    if (!report)
        fail("the report failed: " + report.error().description);
    const bool same = report->text == expectedReport();
    char note[160];
    std::snprintf(note, sizeof note, "   (history %.1f MB, mameinfo %.1f MB, cheat %.1f MB; expected report: %s)",
                  double(history.size()) / (1 << 20), double(mameinfo.size()) / (1 << 20),
                  double(cheat.size()) / (1 << 20), same ? "yes" : "NO");
    times.print("GameInformation", "ms", note);
    if (!same)
        fail("the report differs from the entries written");
    return 0;
}
