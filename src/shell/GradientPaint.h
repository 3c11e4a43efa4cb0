// Paints the main window's background gradient from the button face to the chosen colour.
#pragma once

#include <QSize>
#include <QtGlobal>

class QPainter;

// `gradientColor` is a stored colour (a negative value names a system colour); `client` is the
// client area in pixels. The rows above the gradient's top are left alone.
void PaintGradient(QPainter& painter, const QSize& client, qint32 gradientColor);
