#include "platform/TwipsLayout.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// Wheel turns over the content (and the controls on it that leave them) go to the bar.
class WheelToScrollBar : public QObject {
public:
    explicit WheelToScrollBar(QScrollBar* bar) : QObject(bar), m_bar(bar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || !m_bar->isEnabled())
            return QObject::eventFilter(watched, event);
        // A wheel event sent by the program is not passed on to the bar's parents.
        QCoreApplication::sendEvent(m_bar, event);
        return true;
    }

private:
    QScrollBar* m_bar;
};

} // namespace

void ConnectContentScroll(QScrollBar* bar, QWidget* content)
{
    bar->setFocusPolicy(Qt::StrongFocus);
    content->installEventFilter(new WheelToScrollBar(bar));
}
