#include "gamelist/GameRecordFile.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

GameRecord recordOf(std::initializer_list<const char*> values)
{
    GameRecord record;
    int i = 0;
    for (const char* v : values)
        record.fields[i++] = QString::fromUtf8(v);
    return record;
}

const GameRecord kPuckman = recordOf({"PuckMan (Japan set 1)", "1980", "Good", "Good", "Good", "Good", "   512",
                                      "Namco", "Raster", " 288x224", "Vertical", "60.606061", "Original",
                                      "puckman", "pacman.c", "N/A", "No"});

std::vector<QByteArray> fieldsOf(const QByteArray& bytes, Status* failure = nullptr)
{
    GameRecordReader reader(bytes);
    std::vector<QByteArray> fields;
    for (;;) {
        const Result<QByteArrayView> field = reader.readField();
        if (!field) {
            if (failure)
                *failure = field.error();
            return fields;
        }
        fields.push_back(field->toByteArray());
    }
}

} // namespace

TEST(GameRecordLine, QuotesEveryFieldSeparatesByCommasAndEscapesNothing)
{
    EXPECT_EQ(GameRecordLine(kPuckman),
              "\"PuckMan (Japan set 1)\",\"1980\",\"Good\",\"Good\",\"Good\",\"Good\",\"   512\",\"Namco\","
              "\"Raster\",\" 288x224\",\"Vertical\",\"60.606061\",\"Original\",\"puckman\",\"pacman.c\",\"N/A\",\"No\"\r\n");
    GameRecord record = kPuckman;
    record[GameColumn::Game] = "Tom & Jerry, \\ and &amp;";
    EXPECT_TRUE(GameRecordLine(record).startsWith("\"Tom & Jerry, \\ and &amp;\",\"1980\""));
}

TEST(GameRecordReader, ReadsBackWhatTheWriterWrote)
{
    GameRecord second = kPuckman;
    second[GameColumn::Game] = QString::fromUtf8("Pac-Man, the \xc3\xa9" "dition");
    second[GameColumn::ROM] = "pacman";
    GameRecordReader reader(GameRecordLine(kPuckman) + GameRecordLine(second));
    GameRecord read;
    ASSERT_FALSE(reader.read(read));
    EXPECT_EQ(read, kPuckman);
    ASSERT_FALSE(reader.atEnd());
    ASSERT_FALSE(reader.read(read));
    EXPECT_EQ(read, second);
    EXPECT_TRUE(reader.atEnd());
}

TEST(GameRecordReader, FollowsTheRuntimesFieldRules)
{
    // A comma inside quotes belongs to the field; text after the closing quote is skipped;
    // unquoted fields lose their surrounding blanks; an empty field between two commas.
    EXPECT_EQ(fieldsOf("\"a,b\" , \"c\"junk,  plain text  ,,\"\"\r\n"),
              (std::vector<QByteArray>{"a,b", "c", "plain text", "", ""}));
}

TEST(GameRecordReader, LineEndsEndFieldsOutsideQuotes)
{
    // CR, LF and CRLF alike; a blank line is one empty field; inside quotes a line end is text.
    EXPECT_EQ(fieldsOf("\"a\"\r\"b\"\n\"c\"\r\n\r\n\"d\"\r\n\"one\r\ntwo\",\"x\""),
              (std::vector<QByteArray>{"a", "b", "c", "", "d", "one\r\ntwo", "x"}));
}

TEST(GameRecordReader, EveryKindOfLineEndEndsARecord)
{
    const QByteArray line = GameRecordLine(kPuckman).chopped(2);
    GameRecordReader reader(line + "\r" + line + "\n" + line + "\r\n" + line);
    GameRecord read;
    for (int i = 0; i < 4; ++i) {
        ASSERT_FALSE(reader.read(read)) << i;
        EXPECT_EQ(read, kPuckman) << i;
    }
    EXPECT_TRUE(reader.atEnd());
}

TEST(GameRecordReader, RecordThatDoesNotStandOnOneLineIsMalformed)
{
    const QByteArray good = GameRecordLine(kPuckman);
    const QByteArray sixteen = good.left(good.lastIndexOf(",\""));
    struct Case {
        const char* what;
        QByteArray bytes;
        int number;
        int fieldsRead;
    };
    const Case cases[] = {
        {"fields split over lines", sixteen + "\r\n\"No\"\r\n" + good, 59, 15},
        {"too few fields, more lines after", "\"Only\",\"Two\"\n" + good, 59, 1},
        {"a quote left open in the last field", sixteen + ",\"No\r\n" + good, 59, 16},
        {"a quote left open in the first field", "\"Pac-Man," + good.sliced(good.indexOf(",\"") + 1) + good, 59, 15},
        {"a quote never closed", sixteen + ",\"No\r\n", 62, 16},
        {"an eighteenth field", good.chopped(2) + ",\"extra\"\r\n" + good, 59, 16},
        {"a blank line", "\r\n" + good, 59, 0},
        {"line feeds only", QByteArray(4096, '\n'), 59, 0},
        {"binary junk", QByteArray("\x00\x01\xff\"\x7f,\r\x1b\x00,,", 11) + good, 59, 1},
    };
    for (const Case& c : cases) {
        GameRecordReader reader(c.bytes);
        GameRecord record;
        record[GameColumn::CHD] = "before";
        const Status failed = reader.read(record);
        ASSERT_TRUE(failed) << c.what;
        EXPECT_EQ(failed->number, c.number) << c.what;
        EXPECT_EQ(reader.fieldsRead(), c.fieldsRead) << c.what;
        // The field that failed and those after it keep what they held.
        EXPECT_EQ(record[GameColumn::CHD], "before") << c.what;
    }
}

TEST(GameRecordReader, CapacityCountsOnlyLinesLongEnoughForARecord)
{
    const QByteArray good = GameRecordLine(kPuckman);
    struct Case {
        const char* what;
        QByteArray bytes;
        qsizetype capacity;
    };
    const Case cases[] = {
        {"line feeds only", QByteArray(1 << 20, '\n'), 0},
        {"empty", QByteArray(), 0},
        {"records and blank lines", good + "\r\n\r\n" + good + good.chopped(2), 3},
        {"carriage returns only", good.chopped(1) + good.chopped(1), 2},
        {"sixteen commas, the shortest record", QByteArray(16, ',') + "\n" + QByteArray(15, ',') + "\n", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GameRecordReader(c.bytes).recordCapacity(), c.capacity) << c.what;
}

TEST(GameRecordReader, ReadingPastTheEndIsError62AndKeepsTheFieldsRead)
{
    GameRecord record = kPuckman;
    GameRecordReader reader("\"Only\",\"Two\"\r\n");
    const Status failed = reader.read(record);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->number, 62);
    EXPECT_EQ(failed->description, "Input past end of file");
    EXPECT_EQ(record[GameColumn::Game], "Only");
    EXPECT_EQ(record[GameColumn::Year], "Two");
    EXPECT_EQ(record[GameColumn::ROM], "puckman");
}

TEST(GameRecordReader, UnclosedQuoteIsError62)
{
    Status failure;
    EXPECT_EQ(fieldsOf("\"a\",\"never closed\r\n", &failure), (std::vector<QByteArray>{"a"}));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number, 62);
}

TEST(GameRecordReader, MissingFileIsFileNotFound)
{
    const Result<GameRecordReader> opened = GameRecordReader::open("/nonexistent/folder/gameinfo.txt");
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error().number, 76);
    const Result<GameRecordReader> missing = GameRecordReader::open(QDir::tempPath() + "/no-such-gameinfo.txt");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().description, "File not found");
}
