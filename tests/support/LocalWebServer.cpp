#include "support/LocalWebServer.h"

#include <QTcpSocket>

LocalWebServer::LocalWebServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LocalWebServer::host() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

void LocalWebServer::serve(const QByteArray& path, const QByteArray& body, int status)
{
    m_replies[path] = Reply{status, body, false};
}

void LocalWebServer::hold(const QByteArray& path) { m_replies[path] = Reply{0, {}, true}; }

void LocalWebServer::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QByteArray path = words.size() > 1 ? words[1] : QByteArray();
    m_requested.append(path);
    const auto found = m_replies.constFind(path);
    const Reply reply = found != m_replies.constEnd() ? *found : Reply{404, "not here", false};
    if (reply.hold)
        return;
    socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + " X\r\nContent-Type: text/plain\r\n" +
                  "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n" +
                  reply.body);
    socket->disconnectFromHost();
}

QString RefusingHost()
{
    // A port just given up by a listener of our own is one where nothing listens.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}
