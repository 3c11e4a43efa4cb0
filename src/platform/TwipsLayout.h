// Controls placed and sized in twips, as the forms' designs give them.
#pragma once

#include "platform/RuntimeText.h"
#include "platform/Twips.h"

#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <utility>

// A control named `name` at its design place.
template <class W, class... Args>
W* makeControl(QWidget* parent, const char* name, double left, double top, double width, double height, Args&&... args)
{
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    return w;
}

// A button of the design height, which Enter presses only when it is the window's default.
inline QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const char* toolTip,
                               double left, double top, double width)
{
    auto* b = makeControl<QPushButton>(parent, name, left, top, width, 375, QString::fromLatin1(caption));
    b->setAutoDefault(false);
    if (toolTip)
        b->setToolTip(QString::fromLatin1(toolTip));
    return b;
}

inline void placeLeft(QWidget* w, double left) { w->move(twipsToPixels(left), w->y()); }
inline void placeTop(QWidget* w, double top) { w->move(w->x(), twipsToPixels(top)); }
inline void place(QWidget* w, double left, double top) { w->move(twipsToPixels(left), twipsToPixels(top)); }
inline void setWidthTwips(QWidget* w, double width) { w->resize(std::max(0, twipsToPixels(width)), w->height()); }
inline void setHeightTwips(QWidget* w, double height) { w->resize(w->width(), std::max(0, twipsToPixels(height))); }

// The scroll bar of a panel whose `content` may be taller than its `viewport`: back at the top,
// its range in twips the height the viewport hides, a page a tenth of that and a step a 25th.
// The content goes back to the top too: a bar already at 0 reports no change that would move it.
inline void setUpContentScroll(QScrollBar* bar, QWidget* content, const QWidget* viewport)
{
    const double hidden = pixelsToTwips(content->height() - viewport->height());
    bar->setValue(0);
    bar->setMaximum(std::max(0, int(hidden)));
    if (hidden > 0) {
        bar->setPageStep(int(RoundHalfEven(hidden / 10)));
        bar->setSingleStep(int(RoundHalfEven(hidden / 25)));
    }
    content->move(content->x(), 0);
}

// The content moved to the bar's place when taller than its viewport; content that fits stands
// at the top, wherever an earlier, smaller viewport had scrolled it.
inline void scrollContent(const QScrollBar* bar, QWidget* content, const QWidget* viewport)
{
    const int top = content->height() > viewport->height() ? -twipsToPixels(bar->value()) : 0;
    content->move(content->x(), top);
}

// Gives `bar` the keyboard focus a scroll bar takes, and lets the mouse wheel over `content`
// move it; over a box or list of the content, only while that control lacks the keyboard focus.
// Once per bar, after the panel's controls are built.
void ConnectContentScroll(QScrollBar* bar, QWidget* content);
