#include "shell/SingleInstance.h"

#include "platform/UserName.h"
#include "shell/ProgramEnd.h"

#include <QApplication>
#include <QEvent>
#include <QLocalSocket>
#include <QTimer>

namespace {

constexpr int kConnectWaitMs = 2000;
const QByteArray kActivate = QByteArrayLiteral("activate\n");

// A window of its own on the screen: not a menu, a list's drop-down or a tool tip.
bool isForm(const QWidget* widget)
{
    const Qt::WindowType type = widget->windowType();
    return widget->isVisible() &&
           (type == Qt::Window || type == Qt::Dialog || type == Qt::SplashScreen || type == Qt::Tool);
}

} // namespace

QString InstanceName(const QString& title)
{
    const QString name = qEnvironmentVariable("ZELVANE_INSTANCE");
    if (!name.isEmpty())
        return name;
    return title + QLatin1Char('-') + UserName();
}

void ActivatePrevInstance(const QString& name)
{
    QLocalSocket socket;
    socket.connectToServer(name, QIODevice::WriteOnly);
    if (socket.waitForConnected(kConnectWaitMs)) {
        socket.write(kActivate);
        socket.waitForBytesWritten(kConnectWaitMs);
        socket.disconnectFromServer();
        // Nothing of this instance has been shown or subclassed yet.
        EndProgram(0);
    }
    // A name that refuses connections belongs to no running instance.
    if (socket.error() == QLocalSocket::ConnectionRefusedError)
        QLocalServer::removeServer(name);
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceServer::onNewConnection);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString& name) { return m_server.listen(name); }

void InstanceServer::onNewConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        auto readRequest = [this, socket] {
            if (socket->canReadLine() && socket->readLine() == kActivate)
                activateWindow();
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The later start may have written and gone before this instance got round to it.
        readRequest();
    }
}

void InstanceServer::setWindow(QWidget* window)
{
    m_window = window;
    if (window)
        window->installEventFilter(this);
}

bool InstanceServer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Show && m_pending) {
        m_pending = false;
        // Once the window is on the screen.
        QTimer::singleShot(0, this, &InstanceServer::activateWindow);
    }
    return false;
}

void InstanceServer::activateWindow()
{
    // The main window first, then the forms over it, the modal one (the wizard, a message box)
    // last, since it alone takes input.
    QList<QWidget*> shown;
    if (m_window && m_window->isVisible())
        shown << m_window;
    for (QWidget* form : QApplication::topLevelWidgets())
        if (form != m_window && isForm(form))
            shown << form;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && shown.removeOne(modal))
        shown << modal;
    if (shown.isEmpty()) {
        m_pending = true;
        return;
    }
    for (QWidget* form : shown) {
        if (form->isMinimized())
            form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
        form->raise();
    }
    shown.last()->activateWindow();
}
