// What the user does and sees while a job holds the GUI thread: input built on that thread and
// posted from any other, as the window receives it, and the state a button was last painted in.
#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

#include <memory>
#include <mutex>
#include <vector>

// Whether the button looked enabled the last time it was painted on the screen.
class PaintedState : public QObject {
public:
    explicit PaintedState(QPushButton& button) : m_button(button) { button.installEventFilter(this); }
    bool lastEnabled() const
    {
        const std::lock_guard lock(m_mutex);
        return m_enabled;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QWindow* window = m_button.window()->windowHandle();
        if (event->type() == QEvent::Paint && window && window->isExposed()) {
            const std::lock_guard lock(m_mutex);
            m_enabled = m_button.isEnabled();
        }
        return false;
    }

private:
    QPushButton& m_button;
    mutable std::mutex m_mutex;
    bool m_enabled = true;
};

// A click and a key press on the button, as the window receives the user's input. Built on the
// GUI thread; any thread may post them.
class UserInput {
public:
    explicit UserInput(QPushButton& button) : m_window(button.window()->windowHandle())
    {
        const QPointF at = button.mapTo(button.window(), button.rect().center());
        const QPointF global = button.mapToGlobal(button.rect().center());
        m_events.emplace_back(
            new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        m_events.emplace_back(
            new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        m_events.emplace_back(new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
        m_events.emplace_back(new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
    }
    void post()
    {
        for (std::unique_ptr<QEvent>& event : m_events)
            QCoreApplication::postEvent(m_window, event.release());
    }

private:
    QWindow* m_window;
    std::vector<std::unique_ptr<QEvent>> m_events;
};
