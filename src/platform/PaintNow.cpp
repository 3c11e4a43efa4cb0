#include "platform/PaintNow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace {

constexpr QEventLoop::ProcessEventsFlags kNoInput =
    QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers;

// A window manager that never maps the window must not hang the job.
constexpr int kExposeWaitMs = 2000;

bool exposed(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle && handle->isExposed();
}

} // namespace

void PaintNow(QWidget& widget)
{
    QWidget& window = *widget.window();
    QCoreApplication::processEvents(kNoInput);
    // A minimised window is exposed only once the user restores it.
    if (window.isVisible() && !window.isMinimized()) {
        const QDeadlineTimer deadline(kExposeWaitMs);
        while (!exposed(window) && !deadline.hasExpired()) {
            QThread::msleep(2);
            QCoreApplication::processEvents(kNoInput);
        }
    }
    widget.repaint();
    // Hands the painted pixels to the display server before the job blocks.
    QCoreApplication::processEvents(kNoInput);
}
