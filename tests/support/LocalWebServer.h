// A web server on the loopback interface for tests: each path answers with its status and body,
// or holds the connection without ever answering.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTcpServer>

class LocalWebServer : public QObject {
    Q_OBJECT

public:
    LocalWebServer();

    // "http://127.0.0.1:<port>", to be the program's web host.
    QString host() const;

    void serve(const QByteArray& path, const QByteArray& body, int status = 200);
    // Requests for `path` are read and never answered.
    void hold(const QByteArray& path);

    // The paths requested so far, in order.
    const QList<QByteArray>& requested() const { return m_requested; }

private:
    void answer(QTcpSocket* socket);

    struct Reply {
        int status = 200;
        QByteArray body;
        bool hold = false;
    };
    QTcpServer m_server;
    QHash<QByteArray, Reply> m_replies;
    QList<QByteArray> m_requested;
};

// An address on the loopback interface where nothing listens: connections are refused at once.
QString RefusingHost();
