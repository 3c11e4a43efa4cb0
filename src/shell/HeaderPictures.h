// The pictures of the main window's right-hand column that open its small information boxes: the
// arcade machine, the gradient swatch and the start-up clock.
#pragma once

#include <QPixmap>
#include <QtGlobal>

class QPainter;
class QPalette;
class QRect;

// An arcade cabinet, 72 by 80 pixels, whose screen lies where the game's icon is drawn and whose
// control panel carries the artwork mark.
QPixmap MachinePicture();

// The background gradient in small: the button face at the top, `gradientColor` (a stored
// colour) at the bottom, in a thin frame.
void PaintGradientSwatch(QPainter& painter, const QRect& area, qint32 gradientColor, const QPalette& palette);

// A small clock face in the palette's text colour.
void PaintClock(QPainter& painter, const QRect& area, const QPalette& palette);
