#include "platform/TwipsLayout.h"

#include <QFrame>
#include <gtest/gtest.h>

TEST(ContentScroll, RangeAndStepsInTwipsFromTheHiddenHeight)
{
    const struct {
        const char* name;
        int contentPx;
        int maximum;
        int page;   // -1: left as it was
        int single; // -1: left as it was
    } cases[] = {
        {"100 pixels hidden", 400, 1500, 150, 60},
        {"one pixel hidden: a half step rounds to even", 301, 15, 2, 1},
        {"all shown", 300, 0, -1, -1},
        {"shorter than the viewport", 200, 0, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFrame viewport;
        viewport.resize(100, 300);
        QFrame content(&viewport);
        content.resize(100, c.contentPx);
        QScrollBar bar;
        bar.setRange(0, 99999);
        bar.setValue(500);
        bar.setPageStep(7);
        bar.setSingleStep(3);
        setUpContentScroll(&bar, &content, &viewport);
        EXPECT_EQ(bar.value(), 0);
        EXPECT_EQ(bar.maximum(), c.maximum);
        EXPECT_EQ(bar.pageStep(), c.page < 0 ? 7 : c.page);
        EXPECT_EQ(bar.singleStep(), c.single < 0 ? 3 : c.single);

        bar.setValue(bar.maximum());
        scrollContent(&bar, &content, &viewport);
        EXPECT_EQ(content.y(), c.maximum > 0 ? -(c.contentPx - 300) : 0);
    }
}
