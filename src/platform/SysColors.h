// The Windows system colours, mapped onto the palette, and the stored 32-bit colour values.
#pragma once

#include <QColor>
#include <QPalette>

// A stored colour at or above hexadecimal 80000000 (a negative number) names the system colour
// whose index is its low byte; any other value is red, green and blue, red in the low byte.
inline constexpr qint32 kSysColorBase = qint32(0x80000000u);
inline constexpr qint32 sysColorValue(int index) { return qint32(0x80000000u | unsigned(index)); }

// System colour indexes the program names.
namespace SysColor {
inline constexpr int Window = 5;
inline constexpr int WindowText = 8;
inline constexpr int ButtonFace = 15;
inline constexpr int ButtonShadow = 16;
inline constexpr int ButtonText = 18;
inline constexpr int HotTracking = 26;
inline constexpr int ActiveTitleBarGradient = 27;
inline constexpr int InactiveTitleBarGradient = 28;
}

// True for the indexes 0 to 30 that name a system colour (25 names none).
bool SysColorKnown(int index);

// The current colour of a system colour as a stored RGB value; 0 (black) for an unknown index.
qint32 GetSysColor(int index, const QPalette& palette);
qint32 GetSysColor(int index); // from the application's palette

// What a stored colour shows as.
QColor StoredColor(qint32 value, const QPalette& palette);
QColor StoredColor(qint32 value);

// The stored RGB value of a colour (alpha dropped).
qint32 ColorValue(const QColor& color);

// Whether the system has gradient title bars (system colour 27); this platform maps them.
bool HasGradientCaptions();
