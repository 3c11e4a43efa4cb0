#include "shell/Gradient.h"

#include "platform/RuntimeText.h"

namespace {

qint32 toLong(double value) { return qint32(RoundHalfEven(value)); }

TriVertex vertex(qint32 x, qint32 y, qint32 rgb)
{
    const quint32 v = quint32(rgb);
    TriVertex t;
    t.x = x;
    t.y = y;
    t.red = LongToUShort(qint32(v & 0xFF) * 256);
    t.green = LongToUShort(qint32((v >> 8) & 0xFF) * 256);
    t.blue = LongToUShort(qint32((v >> 16) & 0xFF) * 256);
    return t;
}

} // namespace

qint16 LongToUShort(qint32 value) { return qint16(quint16(quint32(value) & 0xFFFF)); }

int VertexChannel(qint16 channel) { return int(quint16(channel) >> 8); }

std::array<TriVertex, 2> GradientVertices(qint32 topRgb, qint32 bottomRgb, double scaleWidth, double scaleHeight,
                                          double twipsPerPixelX, double twipsPerPixelY)
{
    const qint32 tppX = toLong(twipsPerPixelX);
    const qint32 tppY = toLong(twipsPerPixelY);
    const qint32 right = tppX == 0 ? 0 : toLong(scaleWidth) / tppX;
    const qint32 bottom = tppY == 0 ? 0 : toLong(scaleHeight) / tppY;
    return {vertex(0, kGradientTop, topRgb), vertex(right, bottom, bottomRgb)};
}
