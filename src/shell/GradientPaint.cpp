#include "shell/GradientPaint.h"

#include "platform/SysColors.h"
#include "platform/Twips.h"
#include "shell/Gradient.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

QColor vertexColor(const TriVertex& v)
{
    return QColor(VertexChannel(v.red), VertexChannel(v.green), VertexChannel(v.blue));
}

} // namespace

void PaintGradient(QPainter& painter, const QSize& client, qint32 gradientColor)
{
    const qint32 top = GetSysColor(SysColor::ButtonFace);
    const qint32 bottom = gradientColor < 0 ? GetSysColor(int(quint32(gradientColor) & 63)) : gradientColor;
    const auto [upper, lower] = GradientVertices(top, bottom, pixelsToTwips(client.width()),
                                                 pixelsToTwips(client.height()), kTwipsPerPixel, kTwipsPerPixel);
    if (lower.x <= upper.x || lower.y <= upper.y)
        return;
    QLinearGradient gradient(0, upper.y, 0, lower.y);
    gradient.setColorAt(0, vertexColor(upper));
    gradient.setColorAt(1, vertexColor(lower));
    painter.fillRect(QRect(QPoint(upper.x, upper.y), QPoint(lower.x - 1, lower.y - 1)), gradient);
}
