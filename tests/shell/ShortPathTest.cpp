#include "shell/ShortPath.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

TEST(GetShortPath, EmptyOrMissingPathGivesEmpty)
{
    QTemporaryDir dir;
    EXPECT_EQ(GetShortPath(QString()), QString());
    EXPECT_EQ(GetShortPath(dir.filePath("missing")), QString());
    EXPECT_EQ(GetShortPath(dir.filePath("missing/deeper/file.txt")), QString());
}

TEST(GetShortPath, ExistingPathIsItselfWithItsCase)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("My ROMs");
    makeDirs(folder);
    writeFile(dir.filePath("MAME.ini"), "x");
    EXPECT_EQ(GetShortPath(folder), folder);
    EXPECT_EQ(GetShortPath(dir.filePath("MAME.ini")), dir.filePath("MAME.ini"));
    // Lower case would name another file on this file system.
    EXPECT_EQ(CommandPath(folder), folder);
    EXPECT_EQ(CommandPath(dir.filePath("gone")), QString());
}

TEST(QuoteArg, PlainWordsStayAsTheyAre)
{
    for (const char* word : {"puckman", "-verifyroms", "/opt/mame/roms", "0.65", "a_b-c.d", "x=1,y:2"})
        EXPECT_EQ(QuoteArg(word), word);
}

TEST(QuoteArg, WordsTheShellWouldActOnAreQuoted)
{
    const std::pair<const char*, const char*> quoted[] = {
        {"my roms", "'my roms'"}, {"a;touch pwned", "'a;touch pwned'"}, {"$HOME", "'$HOME'"},
        {"it's", "'it'\\''s'"}, {"", "''"}};
    for (const auto& [word, expected] : quoted)
        EXPECT_EQ(QuoteArg(word), expected);
    // What the others do in a shell is checked by running them (ExecCmd's tests).
}

TEST(JoinPath, UsesTheNativeSeparator)
{
    EXPECT_EQ(JoinPath("/opt/zelvane", "reports/listxml.txt"),
              QDir::toNativeSeparators("/opt/zelvane/reports/listxml.txt"));
}
