#include "platform/SortArrowHeader.h"

#include <QImage>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <optional>

namespace {

// Up when the arrow's ink is wider at its foot than at its head; nothing when the style draws
// no arrow at all.
std::optional<bool> pointsUp(const QStyle* style, QStyleOptionHeader::SortIndicator indicator)
{
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QStyleOptionHeader option;
    option.rect = image.rect();
    option.sortIndicator = indicator;
    option.palette.setColor(QPalette::WindowText, Qt::black);
    option.palette.setColor(QPalette::ButtonText, Qt::black);
    option.palette.setColor(QPalette::Light, Qt::black);
    option.palette.setColor(QPalette::Dark, Qt::black);
    option.palette.setColor(QPalette::Mid, Qt::black);
    {
        QPainter painter(&image);
        style->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &option, &painter);
    }
    int first = -1, firstSpan = 0, lastSpan = 0;
    for (int y = 0; y < image.height(); ++y) {
        int left = image.width(), right = -1;
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = x;
            }
        if (right < 0)
            continue;
        if (first < 0) {
            first = y;
            firstSpan = right - left;
        }
        lastSpan = right - left;
    }
    if (first < 0 || firstSpan == lastSpan)
        return std::nullopt;
    return lastSpan > firstSpan;
}

} // namespace

QStyleOptionHeader::SortIndicator UpwardSortIndicator(const QStyle* style)
{
    if (pointsUp(style, QStyleOptionHeader::SortUp).value_or(true))
        return QStyleOptionHeader::SortUp;
    return QStyleOptionHeader::SortDown;
}

SortArrowHeader::SortArrowHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    // As a tree view's own header.
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SortArrowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeaderV2 option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    if (option.sortIndicator != QStyleOptionHeader::None) {
        if (m_askedStyle != style()) {
            m_askedStyle = style();
            m_up = UpwardSortIndicator(m_askedStyle);
        }
        const QStyleOptionHeader::SortIndicator down =
            m_up == QStyleOptionHeader::SortUp ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
        option.sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder ? m_up : down;
    }
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
}
