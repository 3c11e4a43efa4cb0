#include "platform/TwipsLayout.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QTest>
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

TEST(ContentScroll, TabReachesTheBarAndItsKeysScroll)
{
    QWidget window;
    window.resize(200, 400);
    auto* edit = new QLineEdit(&window);
    auto* viewport = new QFrame(&window);
    viewport->setGeometry(0, 40, 150, 300);
    auto* content = new QFrame(viewport);
    content->resize(130, 700);
    auto* bar = new QScrollBar(Qt::Vertical, viewport);
    bar->setGeometry(130, 0, 17, 300);
    ConnectContentScroll(bar, content);
    QObject::connect(bar, &QScrollBar::valueChanged, [=] { scrollContent(bar, content, viewport); });
    setUpContentScroll(bar, content, viewport);
    window.show();
    QApplication::setActiveWindow(&window);

    // Tab reaches the bar as it reaches any control; its keys then scroll.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), bar);
    QTest::keyClick(bar, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->pageStep());
    EXPECT_EQ(content->y(), -twipsToPixels(bar->pageStep()));
}
