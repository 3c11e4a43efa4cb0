// The main window's background gradient: the two vertices handed to the painter.
#pragma once

#include <QtGlobal>

#include <array>

// The signed 16-bit number with the same low 16 bits (32768..65535 become value - 65536).
qint16 LongToUShort(qint32 value);

// One vertex: a position in pixels and 16-bit colour channels (an 8-bit value times 256).
struct TriVertex {
    qint32 x = 0;
    qint32 y = 0;
    qint16 red = 0;
    qint16 green = 0;
    qint16 blue = 0;
    qint16 alpha = 0;
};

// The 8-bit value a 16-bit channel stands for.
int VertexChannel(qint16 channel);

// The gradient's two corners: (0, 15) in `topRgb`, and the client area's lower-right corner in
// `bottomRgb`. Sizes are in twips; each operand is rounded to a whole number before the division,
// which then drops the remainder. Colours are stored RGB values (red in the low byte).
std::array<TriVertex, 2> GradientVertices(qint32 topRgb, qint32 bottomRgb, double scaleWidth, double scaleHeight,
                                          double twipsPerPixelX, double twipsPerPixelY);

// The first pixel row the gradient covers; the rows above keep the window's own background.
inline constexpr qint32 kGradientTop = 15;
