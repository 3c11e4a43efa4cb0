// A turn of the mouse wheel, as a window test sends it.
#pragma once

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

// One click of the wheel turned down over `receiver`, near its top left corner.
inline void turnDown(QWidget* receiver)
{
    const QPointF at(5, 5);
    QWheelEvent wheel(at, receiver->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(receiver, &wheel);
}
