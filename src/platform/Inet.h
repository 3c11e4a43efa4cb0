// The web-request control: one plain GET at a time, whose end is told as a state change, and
// whose text is then read in chunks.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

class Inet : public QObject {
    Q_OBJECT

public:
    // The states that StateChanged reports.
    static constexpr qint16 icError = 11;
    static constexpr qint16 icResponseCompleted = 12;

    explicit Inet(QObject* parent = nullptr);
    ~Inet() override;

    // Starts a GET of `url`. A request still running after `timeoutMs` (0: no limit) is given up
    // and reported as failed. A request that is still running is abandoned first.
    void Execute(const QString& url, int timeoutMs);

    // True from Execute until the end has been reported.
    bool StillExecuting() const { return m_executing; }

    // Returns while StillExecuting, handling the window's events meanwhile.
    void waitWhileExecuting();

    // The next at most `size` characters of the completed response; empty at its end. A response
    // longer than the report panel shows (kShownTextLength) is cut there, with a note.
    QString GetChunk(int size);

signals:
    // icError when the request failed (no connection, an HTTP error, the time limit), else
    // icResponseCompleted, with the response ready for GetChunk.
    void StateChanged(qint16 state);

private:
    void finished();
    void received();
    void complete(QNetworkReply* reply, bool failed);
    void abandon();

    QNetworkAccessManager* m_manager;
    QTimer* m_limit;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_received;
    bool m_cut = false;
    QString m_text;
    qsizetype m_read = 0;
    bool m_executing = false;
};
