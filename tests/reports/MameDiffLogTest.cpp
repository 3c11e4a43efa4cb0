#include "reports/MameDiffLog.h"

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
