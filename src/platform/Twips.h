// Layout units: the program's sizes are twips, 15 to a logical pixel (96 dpi).
#pragma once

#include <cmath>

inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
