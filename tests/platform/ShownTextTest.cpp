#include "platform/ShownText.h"

#include <gtest/gtest.h>

TEST(ShownText, LinesKeepTheirBytesUpToTheBounds)
{
    const QByteArray longLine(kShownLineBytes + 1, 'x');
    const QString cut = QString(kShownLineBytes, 'x') + QString::fromLatin1(LineCutNote(longLine.size()));
    struct Case {
        const char* name;
        QByteArray text;
        QString shown;
    };
    const Case cases[] = {
        {"lone CR and LF stay inside their line", "a\rb\nc\r\nd", "a\rb\nc\r\nd"},
        {"a line of the bound's length is whole", QByteArray(kShownLineBytes, 'x') + "\r\n",
         QString(kShownLineBytes, 'x') + "\r\n"},
        {"one byte more is cut", "a\r\n" + longLine + "\r\nb\r\n", "a\r\n" + cut + "\r\nb\r\n"},
        {"empty lines stay", "\r\n\r\n", "\r\n\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShownLines(c.text), c.shown) << c.name;
}

TEST(ShownText, TextStopsAtItsBoundWithANote)
{
    const QByteArray line = QByteArray(kShownLineBytes, 'y') + "\r\n";
    QByteArray text;
    while (text.size() < kShownTextLength + 3 * line.size())
        text += line;
    const QString shown = ShownLines(text);
    EXPECT_TRUE(shown.endsWith("\r\n" + TextCutNote() + "\r\n"));
    EXPECT_LE(shown.size(), kShownTextLength + line.size() + TextCutNote().size() + 2);
    EXPECT_TRUE(text.startsWith(shown.left(shown.size() - TextCutNote().size() - 2).toLatin1()));
}
