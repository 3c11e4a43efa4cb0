// What the splash and wait forms share: their place on the screen and their progress labels.
#pragma once

#include "platform/PaintNow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

// Their size is fixed, so they sit in the middle of the screen.
inline void CentreOnScreen(QWidget& form)
{
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    form.move(area.center() - QPoint(form.width() / 2, form.height() / 2));
}

// The long jobs pump no events, so a progress caption is painted as soon as it is set.
inline void ShowCaptionNow(QLabel& label, const QString& text)
{
    label.setText(text);
    PaintNow(label);
}
