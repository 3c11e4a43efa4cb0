#include "platform/ColorCombo.h"
#include "platform/SysColors.h"

#include <gtest/gtest.h>

TEST(StoredColor, NonNegativeValuesHoldRedInTheLowByte)
{
    EXPECT_EQ(StoredColor(255), QColor(255, 0, 0));
    EXPECT_EQ(StoredColor(16777215), QColor(255, 255, 255));
    EXPECT_EQ(StoredColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(ColorValue(QColor(0x56, 0x34, 0x12)), 0x123456);
}

TEST(StoredColor, NegativeValuesNameSystemColoursOfThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(7, 8, 9));
    EXPECT_EQ(StoredColor(-2147483643, palette), QColor(1, 2, 3)); // 80000005 window
    EXPECT_EQ(StoredColor(-2147483632, palette), QColor(4, 5, 6)); // 80000010 button shadow
    EXPECT_EQ(GetSysColor(15, palette), 0x090807);
    // Index 25 names no colour.
    EXPECT_FALSE(SysColorKnown(25));
    EXPECT_EQ(StoredColor(sysColorValue(25), palette), QColor(Qt::black));
}

TEST(ColorCombo, BuiltInSetHasItsFallbacksInPlaceAndIsAddedOnce)
{
    ColorCombo combo;
    combo.AddSysColors();
    combo.AddSysColors();
    ASSERT_EQ(combo.count(), 27);
    EXPECT_EQ(combo.ItemData(4), sysColorValue(SysColor::ButtonShadow));
    EXPECT_EQ(combo.ItemData(25), sysColorValue(SysColor::Window));
    for (int i = 0; i < combo.count(); ++i)
        EXPECT_TRUE(SysColorKnown(combo.ItemData(i) & 0xFF)) << i;
    // Filling the list selects nothing, as the list starts out.
    EXPECT_EQ(combo.currentIndex(), -1);
    combo.AddColorItem("Mine", 0x010203);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.FindValue(0x010203), 27);
    EXPECT_EQ(combo.FindValue(0x010204), -1);
}
