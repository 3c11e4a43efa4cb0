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
    const std::vector<QByteArray> expected = {"one", "two", "", "three", "four"};
    const QByteArray mixed = "one\r\ntwo\n\rthree\rfour";
    for (qsizetype block : {1, 2, 3, 7, 1 << 20})
        EXPECT_EQ(readAllLines(mixed, block), expected) << "block " << block;
}

TEST(LineReader, CrLfSplitAcrossBlocksIsOneLineEnd)
{
    // "ab\r" fills the first block; the "\n" opening the next block belongs to it.
    EXPECT_EQ(readAllLines("ab\r\ncd\r\n", 3), (std::vector<QByteArray>{"ab", "cd"}));
}

TEST(LineReader, CountsLinesAndNotesAMissingLastTerminator)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("f"), "a\r\nb");
    LineReader reader(dir.filePath("f"));
    QByteArrayView line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_TRUE(reader.lastLineTerminated());
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "b");
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_FALSE(reader.lastLineTerminated());
    EXPECT_FALSE(reader.next(line));
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
