// Times the line reader on files whose one long line is 64 MB to 1 GB (sizes in MB as arguments),
// each line framed by a short line before and after it. A reader that searches the unfinished
// line again after every block grows with the square of the line's length; this one should grow
// linearly. Checks the lines it returns and exits non-zero when one is wrong.
//
//   line_reader_bench [MB ...]
#include "BenchSupport.h"
#include "RunTimes.h"

#include "platform/LineReader.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRuns = 5;
constexpr qsizetype kChunk = qsizetype(1) << 20;

void writeLongLineFile(const QString& path, qsizetype bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("first\r\n") != 7)
        fail("cannot write " + path);
    const QByteArray chunk(kChunk, 'x');
    for (qsizetype written = 0; written < bytes; written += kChunk)
        if (file.write(chunk) != kChunk)
            fail("cannot write " + path);
    if (file.write("\r\nlast") != 6)
        fail("cannot write " + path);
}

void readAndCheck(const QString& path, qsizetype bytes)
{
    LineReader reader(path);
    QByteArrayView line;
    if (!reader.next(line) || line != "first")
        fail("first line wrong");
    if (!reader.next(line) || line.size() != bytes || line.front() != 'x' || line.back() != 'x')
        fail(QStringLiteral("long line of %1 bytes read as %2").arg(bytes).arg(line.size()));
    if (!reader.next(line) || line != "last" || reader.next(line) || reader.failed())
        fail("last line wrong");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QList<qsizetype> sizesMB;
    for (int i = 1; i < argc; ++i)
        sizesMB.append(QByteArray(argv[i]).toLongLong());
    if (sizesMB.isEmpty())
        sizesMB = {64, 128, 256, 512, 1024};

    QTemporaryDir dir;
    for (const qsizetype mb : sizesMB) {
        const QString path = dir.filePath(QStringLiteral("long.txt"));
        const qsizetype bytes = mb * kChunk;
        writeLongLineFile(path, bytes);
        const RunTimes times = RunTimes::of(kRuns, [&] { readAndCheck(path, bytes); });
        const QByteArray job = "line of " + QByteArray::number(mb) + " MB";
        times.print(job.constData(), "s");
        QFile::remove(path);
    }
    return 0;
}
