// The runtime's timer: seconds since midnight.
#pragma once

#include <QTime>

// Seconds since midnight, with the fraction, in single precision.
inline float Timer()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}
