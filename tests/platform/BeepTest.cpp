#include "platform/Beep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

TEST(Beep, NewsChimeIsFiveRisingTonesOf75ms)
{
    ClearBeepRecord();
    PlayNewsBeep();
    const std::vector<ToneRequest> expected = {
        {1000, 75}, {1500, 75}, {2000, 75}, {2500, 75}, {3000, 75}};
    EXPECT_EQ(BeepRecord(), expected);
}

TEST(Beep, FrequencyOutsideTheServicesRangeFailsButIsRecorded)
{
    ClearBeepRecord();
    EXPECT_FALSE(BeepTone(36, 10));
    EXPECT_FALSE(BeepTone(32768, 10));
    EXPECT_TRUE(BeepTone(440, 0));
    const std::vector<ToneRequest> expected = {{36, 10}, {32768, 10}, {440, 0}};
    EXPECT_EQ(BeepRecord(), expected);
}

TEST(ToneSamples, LastsTheDurationAtTheFrequency)
{
    const std::vector<qint16> s = ToneSamples(1000, 75, 48000);
    ASSERT_EQ(s.size(), 3600u);
    int crossings = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        if ((s[i - 1] < 0) != (s[i] < 0))
            ++crossings;
    // 75 periods cross zero twice each.
    EXPECT_NEAR(crossings, 150, 2);
    const auto [lo, hi] = std::minmax_element(s.begin(), s.end());
    EXPECT_GT(*hi, 5000);
    EXPECT_LT(*lo, -5000);
}

TEST(ToneSamples, StartsAndEndsSilentlyWithoutAClick)
{
    const std::vector<qint16> s = ToneSamples(3000, 75, 48000);
    ASSERT_FALSE(s.empty());
    EXPECT_EQ(s.front(), 0);
    EXPECT_LT(std::abs(s.back()), 50);
    // No step between neighbouring samples is larger than the tone's own slope allows.
    int largest = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        largest = std::max(largest, std::abs(s[i] - s[i - 1]));
    EXPECT_LT(largest, 4000);
}

TEST(ToneSamples, NothingForAnEmptyTone)
{
    EXPECT_TRUE(ToneSamples(1000, 0, 48000).empty());
    EXPECT_TRUE(ToneSamples(0, 75, 48000).empty());
}
