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

TEST(ParseLong, ReadsHexadecimalAndOctalFormsAsTheTypesBitPattern)
{
    using Long = std::optional<qint32>;
    using Integer = std::optional<qint16>;
    struct Case {
        const char* text;
        Long asLong;
        Integer asInteger;
    };
    const Case cases[] = {
        {"&H80000005", -2147483643, std::nullopt},
        {"&h80000005", -2147483643, std::nullopt},
        {"  &H7FFFFFFF  ", 2147483647, std::nullopt},
        {"&HFFFFFFFF", -1, std::nullopt},
        {"&HFFFF", 65535, -1},
        {"&H8000", 32768, -32768},
        {"&hff", 255, 255},
        {"&H0000000000000010", 16, 16}, // leading zeros add no width
        {"&O17", 15, 15},
        {"&o177777", 65535, -1},
        {"&O37777777777", -1, std::nullopt},
        {"&O40000000000", std::nullopt, std::nullopt},
        {"&H100000000", std::nullopt, std::nullopt},
        {"&H10000", 65536, std::nullopt},
        {"&HFFFFFFFFFFFFFFFFFFFF", std::nullopt, std::nullopt},
        // Not numbers in either form.
        {"&H", std::nullopt, std::nullopt},
        {"&O8", std::nullopt, std::nullopt},
        {"&HG", std::nullopt, std::nullopt},
        {"&H 10", std::nullopt, std::nullopt},
        {"-&H10", std::nullopt, std::nullopt},
        {"&H1.5", std::nullopt, std::nullopt},
        {"&X10", std::nullopt, std::nullopt},
        {"&10", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseLong(c.text), c.asLong) << c.text;
        EXPECT_EQ(ParseInteger(c.text), c.asInteger) << c.text;
    }
}

TEST(IsNumeric, TellsAnOverflowFromTextThatIsNoNumber)
{
    for (const char* number : {"2147483648", "1e300", "&H100000000", "&hFFFFFFFFFFFFFFFFFFFF", " &O777777777777 "})
        EXPECT_TRUE(IsNumeric(number)) << number;
    for (const char* text : {"red", "", "&H", "&HZ", "&O9", "1 2"})
        EXPECT_FALSE(IsNumeric(text)) << text;
    EXPECT_FALSE(ParseBoolean("&H1").has_value()) << "Booleans read decimal numbers only";
}
