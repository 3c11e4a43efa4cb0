// Two status bars share one place in the main window; the one in front must hide the other's texts.
#include "platform/StatusPanels.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QImage frontBarPicture(const QString& textBehind)
{
    QWidget window;
    window.resize(400, 40);
    const std::vector<StatusPanels::Panel> panels{{150, ""}, {150, ""}};
    StatusPanels behind(panels, &window);
    StatusPanels front(panels, &window);
    for (StatusPanels* bar : {&behind, &front})
        bar->setGeometry(0, 0, 400, 30);
    behind.setPanelText(1, textBehind);
    behind.setPanelText(2, textBehind);
    front.raise();
    return window.grab(QRect(0, 0, 400, 30)).toImage();
}

TEST(StatusPanels, TheBarInFrontHidesTheTextsOfTheBarBehind)
{
    const QImage without = frontBarPicture(QString());
    const QImage with = frontBarPicture(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    ASSERT_FALSE(without.isNull());
    EXPECT_EQ(with, without);
}

} // namespace
