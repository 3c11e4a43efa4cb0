// A list header whose sort arrow points up for ascending order in every style.
#pragma once

#include <QHeaderView>
#include <QStyleOptionHeader>

class QStyle;

// Styles disagree on which of the two header flags draws an upward arrow (Fusion and the classic
// style draw the same flag in opposite directions); this asks the style by drawing one.
QStyleOptionHeader::SortIndicator UpwardSortIndicator(const QStyle* style);

class SortArrowHeader : public QHeaderView {
public:
    explicit SortArrowHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    // The style last asked, so that a paint draws no test arrow while the style stays.
    mutable const QStyle* m_askedStyle = nullptr;
    mutable QStyleOptionHeader::SortIndicator m_up = QStyleOptionHeader::SortUp;
};
