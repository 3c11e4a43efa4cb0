#include "platform/RuntimeText.h"

#include <gtest/gtest.h>

TEST(ProperCase, CapitalisesEachBlankSeparatedWord)
{
    EXPECT_EQ(ProperCase("RASTER"), "Raster");
    EXPECT_EQ(ProperCase("lcd"), "Lcd");
    EXPECT_EQ(ProperCase("imperfect  game"), "Imperfect  Game");
    EXPECT_EQ(ProperCase("good-bye o'neil"), "Good-bye O'neil");
    EXPECT_EQ(ProperCase(""), "");
}

TEST(FormatRight, PadsOnTheLeftAndNeverCuts)
{
    EXPECT_EQ(FormatRight("512", 6), "   512");
    EXPECT_EQ(FormatRight("288x224", 8), " 288x224");
    EXPECT_EQ(FormatRight("1024x768x", 8), "1024x768x");
    EXPECT_EQ(FormatRight("", 6), "      ");
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(2.51), 3.0);
}

TEST(ParseBoolean, AcceptsTrueFalseInAnyCaseAndNumbersOnly)
{
    EXPECT_EQ(ParseBoolean("true"), true);
    EXPECT_EQ(ParseBoolean("FALSE"), false);
    EXPECT_EQ(ParseBoolean("True"), true);
    EXPECT_EQ(ParseBoolean("1"), true);
    EXPECT_EQ(ParseBoolean("0"), false);
    EXPECT_EQ(ParseBoolean("-1"), true);
    EXPECT_EQ(ParseBoolean("0.0"), false);
    EXPECT_FALSE(ParseBoolean("yes").has_value());
    EXPECT_FALSE(ParseBoolean("").has_value());
    EXPECT_FALSE(ParseBoolean("Tru").has_value());
}

TEST(ParseInteger, RoundsFractionsHalvesToEven)
{
    EXPECT_EQ(ParseInteger("2.5"), 2);
    EXPECT_EQ(ParseInteger("3.5"), 4);
    EXPECT_EQ(ParseInteger(" 17 "), 17);
    EXPECT_EQ(ParseInteger("-32768"), -32768);
}

TEST(ParseInteger, FailsOutsideSixteenBitsAndOnText)
{
    EXPECT_FALSE(ParseInteger("32768").has_value());
    EXPECT_FALSE(ParseInteger("32767.5").has_value()); // rounds to 32768
    EXPECT_FALSE(ParseInteger("-32769").has_value());
    EXPECT_FALSE(ParseInteger("12a").has_value());
    EXPECT_FALSE(ParseInteger("").has_value());
}

TEST(ParseLong, HoldsThirtyTwoBitsIncludingSystemColours)
{
    EXPECT_EQ(ParseLong("-2147483643"), -2147483643);
    EXPECT_EQ(ParseLong("45000"), 45000);
    EXPECT_FALSE(ParseLong("2147483648").has_value());
    EXPECT_FALSE(ParseLong("red").has_value());
}
