// The "Star Field" picture that lists and the options wizard's preview show in place of a colour.
#pragma once

#include <QImage>
#include <QSize>

// A night sky of scattered stars on black; the same size always gives the same picture.
QImage StarFieldImage(const QSize& size);
