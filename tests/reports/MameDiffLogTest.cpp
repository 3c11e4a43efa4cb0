#include "reports/MameDiffLog.h"

#include "platform/ShownText.h"

#include <gtest/gtest.h>

TEST(MameDiffReport, TidiesTheLogUnderTheCreditLine)
{
    struct Case {
        const char* name;
        QByteArray log;
        QString shown; // after the credit line and its four line breaks
    };
    const Case cases[] = {
        {"thirty hyphens keep six and a blank line", QByteArray(30, '-') + "\r\nGames added: 2\r\n",
         "------\r\n\r\nGames added: 2\r\n"},
        {"indented lines lose their blanks at both ends", "   pacman  \r\n\tgalaxian\r\n", "pacman\r\n\tgalaxian\r\n"},
        {"an indented separator still counts", "  ---\r\nx", "---\r\n\r\nx\r\n"},
        {"twelve and twenty-four hyphens vanish, the blank line stays", "------------\r\n" + QByteArray(24, '-'),
         "\r\n\r\n\r\n\r\n"},
        {"hyphen runs inside a line go too", "a-------------b\r\n", "a-b\r\n"},
        {"two hyphens are no separator", "--\r\n", "--\r\n"},
        {"LF and CR line ends", "one\ntwo\rthree", "one\r\ntwo\r\nthree\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MameDiffReport(c.log), MameDiffCredit() + "\r\r\r\r" + c.shown);
    }
}

// A log or a line too long for the panel is cut, and the text says where.
TEST(MameDiffReport, HugeLogAndLinesAreCutWithANote)
{
    const QByteArray longLine(kShownLineBytes + 10, 'x');
    const QString head = MameDiffCredit() + "\r\r\r\r";
    EXPECT_EQ(MameDiffReport("a\r\n" + longLine + "\r\nb\r\n"),
              head + "a\r\n" + QString(kShownLineBytes, 'x') + QString::fromLatin1(LineCutNote(longLine.size())) +
                  "\r\nb\r\n");

    QByteArray log;
    const QByteArray line = QByteArray(99, 'y') + "\n";
    while (log.size() <= kShownTextLength)
        log += line;
    const QString shown = MameDiffReport(log);
    EXPECT_TRUE(shown.endsWith("\r\n" + TextCutNote() + "\r\n"));
    EXPECT_LE(shown.size(), head.size() + kShownTextLength * 101 / 100 + 100);
    EXPECT_EQ(MameDiffReport(log.first(kShownTextLength)).size() + TextCutNote().size() + 2, shown.size());
}
