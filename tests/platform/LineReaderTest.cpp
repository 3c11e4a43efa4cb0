#include "platform/LineReader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

std::vector<QByteArray> readAllLines(const QByteArray& bytes, qsizetype blockSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    writeFile(path, bytes);
    LineReader reader(path, blockSize);
    std::vector<QByteArray> lines;
    QByteArrayView line;
    while (reader.next(line))
        lines.push_back(line.toByteArray());
    return lines;
}

std::vector<QByteArray> splitAll(const QByteArray& bytes)
{
    LineSplitter splitter(bytes);
    std::vector<QByteArray> lines;
    QByteArrayView line;
    while (splitter.next(line))
        lines.push_back(line.toByteArray());
    return lines;
}

} // namespace

TEST(LineReader, AcceptsCrLfLfAndCrLineEnds)
{
    // Small blocks split a CR LF between two reads: it is still one line end.
    const std::vector<QByteArray> expected = {"one", "two", "", "three", "four"};
    const QByteArray mixed = "one\r\ntwo\n\rthree\rfour";
    for (qsizetype block : {1, 2, 3, 7, 1 << 20})
        EXPECT_EQ(readAllLines(mixed, block), expected) << "block " << block;
}

TEST(LineReader, ReadsALineManyBlocksLongWhereverItsEndFalls)
{
    // The part of a long line searched before is skipped on the next block; the end must still
    // be found in the block that brings it, CR LF split across two blocks included.
    const QByteArray longLine(5000, 'x');
    for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        const QByteArray bytes = "a\n" + longLine + end + "b" + end + longLine;
        const std::vector<QByteArray> expected = {"a", longLine, "b", longLine};
        for (qsizetype block : {1, 7, 64, 4999, 5001, 1 << 20})
            EXPECT_EQ(readAllLines(bytes, block), expected) << "block " << block << " end " << end.toHex().constData();
    }
}

TEST(LineReader, CountsLinesAndTellsAFailedReadFromTheEnd)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("f"), "a\r\nb");
    LineReader reader(dir.filePath("f"));
    QByteArrayView line;
    ASSERT_TRUE(reader.next(line));
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "b");
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_FALSE(reader.next(line));
    EXPECT_FALSE(reader.failed());

    // Reading this process's memory from address 0 fails as a broken disk does.
    LineReader broken("/proc/self/mem");
    ASSERT_TRUE(broken.isOpen());
    EXPECT_FALSE(broken.next(line));
    EXPECT_TRUE(broken.failed());
}

TEST(LineReader, MissingFileIsNotOpenAndYieldsNothing)
{
    LineReader reader("/nonexistent/file.txt");
    EXPECT_FALSE(reader.isOpen());
    QByteArrayView line;
    EXPECT_FALSE(reader.next(line));
}

TEST(LineSplitter, SplitsLikeTheReader)
{
    EXPECT_EQ(splitAll("one\r\ntwo\n\rthree\rfour"), (std::vector<QByteArray>{"one", "two", "", "three", "four"}));
    EXPECT_EQ(splitAll("x\r\n"), (std::vector<QByteArray>{"x"}));
    EXPECT_TRUE(splitAll("").empty());
}
