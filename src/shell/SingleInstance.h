// One running instance per user: a later start hands over to it through a local socket.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

// The socket name: the application title and the user, so that two users each get their own
// instance. ZELVANE_INSTANCE, when set, names it instead (each test run takes its own).
QString InstanceName(const QString& title);

// The single-instance test: when an instance answers under `name`, asks it to restore and raise
// its main window and ends this process at once. Returns only when no instance answered; a name
// left behind by a crashed instance is removed then, so that this instance can take it over.
void ActivatePrevInstance(const QString& name);

// The running instance's end of the socket. Requests wait in the socket until the event loop
// runs (the program may be busy in a long job or a game).
class InstanceServer : public QObject {
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Listens under `name`; false when the name cannot be taken.
    bool listen(const QString& name);
    bool isListening() const { return m_server.isListening(); }

    // The main window. A later start restores and raises it, with whatever this instance shows
    // over it (a progress form, the wizard, a message box) kept on top; one that comes while
    // nothing is shown waits for the main window to show.
    void setWindow(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onNewConnection();
    void activateWindow();

    QLocalServer m_server;
    QPointer<QWidget> m_window;
    bool m_pending = false;
};
