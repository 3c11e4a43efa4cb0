#include "platform/CommandLine.h"

#include <gtest/gtest.h>

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
