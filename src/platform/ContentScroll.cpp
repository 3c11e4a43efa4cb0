#include "platform/TwipsLayout.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

namespace {

// Wheel turns over the content, and over the boxes and lists on it that leave them or do not
// have the keyboard focus, go to the bar: scrolling past a box must not change its value.
class WheelToScrollBar : public QObject {
public:
    WheelToScrollBar(QScrollBar* bar, QWidget* content) : QObject(bar), m_bar(bar), m_content(content) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        if (watched != m_content) {
            if (focusOwner(watched)->hasFocus())
                return QObject::eventFilter(watched, event);
            // Taken even when the bar cannot scroll: the box still keeps its value.
            if (m_bar->isEnabled())
                QCoreApplication::sendEvent(m_bar, event);
            return true;
        }
        if (!m_bar->isEnabled())
            return QObject::eventFilter(watched, event);
        // A wheel event sent by the program is not passed on to the bar's parents.
        QCoreApplication::sendEvent(m_bar, event);
        return true;
    }

private:
    // A list's wheel arrives at its viewport; the focus is the list's.
    static QWidget* focusOwner(QObject* watched)
    {
        auto* widget = static_cast<QWidget*>(watched);
        auto* list = qobject_cast<QAbstractItemView*>(widget->parentWidget());
        return list && list->viewport() == widget ? list : widget;
    }

    QScrollBar* m_bar;
    QWidget* m_content;
};

// A control of the content whose value the wheel changes; it must not take the focus from the
// wheel either, or a wheel turn would hand it the focus and then its value.
void guard(QWidget* control, QObject* filter, QWidget* receiver)
{
    if (control->focusPolicy() == Qt::WheelFocus)
        control->setFocusPolicy(Qt::StrongFocus);
    receiver->installEventFilter(filter);
}

} // namespace

void ConnectContentScroll(QScrollBar* bar, QWidget* content)
{
    bar->setFocusPolicy(Qt::StrongFocus);
    auto* filter = new WheelToScrollBar(bar, content);
    content->installEventFilter(filter);
    for (QComboBox* box : content->findChildren<QComboBox*>())
        guard(box, filter, box);
    for (QAbstractSpinBox* box : content->findChildren<QAbstractSpinBox*>())
        guard(box, filter, box);
    for (QAbstractItemView* list : content->findChildren<QAbstractItemView*>()) {
        // A combo box's own drop-down list is a window of its own, not part of the content.
        if (list->window() == content->window())
            guard(list, filter, list->viewport());
    }
}
