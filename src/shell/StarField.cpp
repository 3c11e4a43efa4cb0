#include "shell/StarField.h"

#include <QColor>

QImage StarFieldImage(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    // A fixed-seed generator: the picture must not change between runs.
    quint32 seed = 0x2545F491u;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const int stars = qMax(1, size.width() * size.height() / 40);
    for (int i = 0; i < stars; ++i) {
        const int x = int(next() % quint32(qMax(1, size.width())));
        const int y = int(next() % quint32(qMax(1, size.height())));
        const int brightness = 90 + int(next() % 166u);
        const QColor star(brightness, brightness, qMin(255, brightness + 20));
        image.setPixelColor(x, y, star);
        // Every twelfth star is a bright one, two pixels wide.
        if (i % 12 == 0 && x + 1 < size.width())
            image.setPixelColor(x + 1, y, star);
    }
    return image;
}
