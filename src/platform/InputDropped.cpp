#include "platform/InputDropped.h"

#include "platform/PaintNow.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

class InputDrop : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return isUserInput(event->type()); }
};

// The queued input goes no further than the filter; timers and sockets keep waiting.
constexpr QEventLoop::ProcessEventsFlags kDrain = QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers;
// Passes go on while events come in (the display's events take two), but never for longer.
constexpr int kDrainMs = 100;

} // namespace

int RunWithInputDropped(const std::function<int()>& job)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            PaintNow(*window);
    InputDrop drop;
    qApp->installEventFilter(&drop);
    const int result = job();
    QCoreApplication::processEvents(kDrain, kDrainMs);
    qApp->removeEventFilter(&drop);
    return result;
}
