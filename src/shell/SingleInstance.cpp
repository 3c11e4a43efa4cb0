#include "shell/SingleInstance.h"

#include "platform/UserName.h"
#include "shell/ProgramEnd.h"

#include <QLocalSocket>

namespace {

constexpr int kConnectWaitMs = 2000;
const QByteArray kActivate = QByteArrayLiteral("activate\n");

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

void InstanceServer::activateWindow()
{
    if (m_window && m_window->isVisible()) {
        if (m_window->isMinimized())
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->raise();
        m_window->activateWindow();
    }
}
