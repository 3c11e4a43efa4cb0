#include "shell/GradientPaint.h"

#include "platform/SysColors.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

int distance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

QImage painted(QSize size, qint32 color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintGradient(painter, size, color);
    return image;
}

} // namespace

TEST(PaintGradient, RunsFromButtonFaceAtRow15ToTheChosenColourAtTheBottom)
{
    const QImage image = painted(QSize(50, 200), 0x0000FF); // red
    EXPECT_EQ(image.pixelColor(10, 14), QColor(Qt::magenta));
    EXPECT_LE(distance(image.pixelColor(10, 15), StoredColor(sysColorValue(SysColor::ButtonFace))), 6);
    EXPECT_LE(distance(image.pixelColor(49, 199), QColor(255, 0, 0)), 6);
    EXPECT_EQ(image.pixelColor(0, 100), image.pixelColor(49, 100));
    // A negative colour names a system colour.
    const QImage shadow = painted(QSize(20, 100), sysColorValue(SysColor::ButtonShadow));
    EXPECT_LE(distance(shadow.pixelColor(5, 99), StoredColor(sysColorValue(SysColor::ButtonShadow))), 6);
    // A client no taller than the header is left alone.
    EXPECT_EQ(painted(QSize(20, 15), 0x0000FF).pixelColor(5, 14), QColor(Qt::magenta));
}
