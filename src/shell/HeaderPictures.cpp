#include "shell/HeaderPictures.h"

#include "platform/SysColors.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

QPixmap MachinePicture()
{
    // The icon box lies at (13, 12) and is 34 pixels square; the artwork mark at (6, 52).
    QPixmap picture(72, 80);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const QColor body(58, 62, 96);
    const QColor edge(30, 32, 52);
    p.setPen(edge);

    p.setBrush(body);
    p.drawPolygon(QPolygon({{8, 0}, {63, 0}, {63, 49}, {69, 50}, {69, 79}, {2, 79}, {2, 50}, {8, 49}}));
    p.setBrush(QColor(250, 204, 72)); // the lit marquee
    p.drawRect(10, 1, 51, 8);
    p.setBrush(Qt::black);
    p.drawRect(10, 10, 51, 39);
    // The control panel, light enough for the mark's text.
    p.setBrush(QColor(214, 214, 206));
    p.drawPolygon(QPolygon({{8, 50}, {63, 50}, {68, 69}, {3, 69}}));
    // The coin door.
    p.setBrush(body.darker(130));
    p.drawRect(28, 72, 15, 7);
    p.setPen(QColor(250, 204, 72));
    p.drawLine(33, 74, 33, 77);
    p.drawLine(38, 74, 38, 77);
    return picture;
}

void PaintGradientSwatch(QPainter& painter, const QRect& area, qint32 gradientColor, const QPalette& palette)
{
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, StoredColor(sysColorValue(SysColor::ButtonFace), palette));
    fill.setColorAt(1, StoredColor(gradientColor, palette));
    painter.setBrush(fill);
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void PaintClock(QPainter& painter, const QRect& area, const QPalette& palette)
{
    const int side = qMin(area.width(), area.height()) - 1;
    const QRect face(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(palette.color(QPalette::Base));
    painter.setPen(QPen(palette.color(QPalette::WindowText), 1));
    painter.drawEllipse(face);
    const QPointF centre = QRectF(face).center();
    painter.drawLine(centre, centre - QPointF(0, side * 0.35));
    painter.drawLine(centre, centre + QPointF(side * 0.3, 0));
}
