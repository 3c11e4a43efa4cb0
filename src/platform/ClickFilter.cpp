#include "platform/ClickFilter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* widget, std::function<void()> handler) : QObject(widget), m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease && m_pressed) {
            m_pressed = false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const auto* widget = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
                m_handler();
        }
        return false;
    }

private:
    std::function<void()> m_handler;
    bool m_pressed = false;
};

} // namespace

void ConnectClick(QWidget* widget, std::function<void()> handler) { new ClickFilter(widget, std::move(handler)); }
