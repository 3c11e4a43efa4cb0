#include "shell/Gradient.h"

#include <gtest/gtest.h>

TEST(LongToUShort, KeepsTheLow16BitsAsASignedNumber)
{
    EXPECT_EQ(LongToUShort(0), 0);
    EXPECT_EQ(LongToUShort(32767), 32767);
    EXPECT_EQ(LongToUShort(32768), -32768);
    EXPECT_EQ(LongToUShort(65280), -256);
    EXPECT_EQ(LongToUShort(65535), -1);
}

TEST(GradientVertices, ChannelsAreTimes256AndHandedOverSigned)
{
    // Top: red 255, green 128, blue 0; bottom: red 0, green 1, blue 255.
    const auto [top, bottom] = GradientVertices(0x0080FF, 0xFF0100, 10215, 6390, 15, 15);
    EXPECT_EQ(top.red, -256); // 255 * 256 = 65280
    EXPECT_EQ(top.green, -32768);
    EXPECT_EQ(top.blue, 0);
    EXPECT_EQ(bottom.red, 0);
    EXPECT_EQ(bottom.green, 256);
    EXPECT_EQ(bottom.blue, -256);
    EXPECT_EQ(top.alpha, 0);
    EXPECT_EQ(VertexChannel(top.red), 255);
    EXPECT_EQ(VertexChannel(top.green), 128);
    EXPECT_EQ(VertexChannel(bottom.green), 1);
}

TEST(GradientVertices, SpanFromRow15ToTheLowerRightCornerInWholePixels)
{
    const auto [top, bottom] = GradientVertices(0, 0, 10215, 6390, 15, 15);
    EXPECT_EQ(top.x, 0);
    EXPECT_EQ(top.y, 15);
    EXPECT_EQ(bottom.x, 681);
    EXPECT_EQ(bottom.y, 426);
    // Operands are rounded halves to even, then the division drops the remainder.
    const auto [top2, bottom2] = GradientVertices(0, 0, 44.5, 29.9, 15, 15);
    EXPECT_EQ(bottom2.x, 2);  // 44 / 15
    EXPECT_EQ(bottom2.y, 2);  // 30 / 15
    const auto [top3, bottom3] = GradientVertices(0, 0, 45.5, 14, 15, 15);
    EXPECT_EQ(bottom3.x, 3);  // 46 / 15
    EXPECT_EQ(bottom3.y, 0);
}
