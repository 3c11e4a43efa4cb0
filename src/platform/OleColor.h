// Stored colours: a non-negative value is 0x00BBGGRR; a negative one (high bit set) names a
// system colour by its index in the low byte, mapped onto the application palette.
#pragma once

#include <QColor>

QColor OleColor(qint32 value);
