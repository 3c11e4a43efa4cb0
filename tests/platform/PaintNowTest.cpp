#include "platform/PaintNow.h"

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// Records the label's text each time it is painted, with whether its window was on screen.
class PaintLog : public QObject {
public:
    explicit PaintLog(QLabel& label) : m_label(label) { label.installEventFilter(this); }
    QStringList painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QWindow* window = m_label.window()->windowHandle();
        if (event->type() == QEvent::Paint && window && window->isExposed())
            painted << m_label.text();
        return false;
    }

private:
    QLabel& m_label;
};

} // namespace

TEST(PaintNow, ANewFormIsOnScreenAndPaintedWithEachCaptionInTurn)
{
    QLabel form;
    form.resize(200, 40);
    PaintLog log(form);
    form.setText("first");
    form.show();
    PaintNow(form);
    ASSERT_TRUE(form.windowHandle()->isExposed());
    form.setText("second");
    PaintNow(form);
    EXPECT_TRUE(log.painted.contains("first"));
    EXPECT_EQ(log.painted.last(), "second");
}

TEST(PaintNow, TimersWaitForTheJob)
{
    QLabel form("x");
    form.show();
    int fired = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start();
    PaintNow(form);
    EXPECT_EQ(fired, 0);
    QApplication::processEvents();
    EXPECT_GT(fired, 0);
}
