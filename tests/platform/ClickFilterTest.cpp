#include "platform/ClickFilter.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

TEST(ConnectClick, PressAndReleaseOnTheWidgetIsOneClick)
{
    QLabel label("x");
    label.resize(40, 20);
    int clicks = 0;
    ConnectClick(&label, [&] { ++clicks; });
    mouse(&label, QEvent::MouseButtonPress, {5, 5});
    mouse(&label, QEvent::MouseButtonRelease, {6, 6});
    EXPECT_EQ(clicks, 1);
    // Released outside: no click; a release without a press: no click; the right button: none.
    mouse(&label, QEvent::MouseButtonPress, {5, 5});
    mouse(&label, QEvent::MouseButtonRelease, {60, 6});
    mouse(&label, QEvent::MouseButtonRelease, {6, 6});
    mouse(&label, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
    mouse(&label, QEvent::MouseButtonRelease, {6, 6}, Qt::RightButton);
    EXPECT_EQ(clicks, 1);
}
