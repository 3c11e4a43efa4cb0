#include "platform/Inet.h"

#include "platform/AnsiText.h"
#include "platform/ShownText.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

Inet::Inet(QObject* parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)), m_limit(new QTimer(this))
{
    m_limit->setSingleShot(true);
    connect(m_limit, &QTimer::timeout, this, [this] {
        if (m_reply)
            m_reply->abort(); // ends in finished() with an error
    });
}

Inet::~Inet() { abandon(); }

void Inet::abandon()
{
    m_limit->stop();
    if (QNetworkReply* reply = m_reply.data()) {
        m_reply.clear();
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_executing = false;
}

void Inet::Execute(const QString& url, int timeoutMs)
{
    abandon();
    m_text.clear();
    m_received.clear();
    m_cut = false;
    m_read = 0;
    m_executing = true;
    QNetworkRequest request{QUrl(url)};
    // A moved document is fetched where it went, as a browser would.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_manager->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, &Inet::finished);
    connect(reply, &QNetworkReply::readyRead, this, &Inet::received);
    if (timeoutMs > 0)
        m_limit->start(timeoutMs);
}

void Inet::received()
{
    QNetworkReply* reply = m_reply.data();
    if (!reply)
        return;
    const QByteArray bytes = reply->readAll();
    const qsizetype room = kShownTextLength - m_received.size();
    m_received += QByteArrayView(bytes).first(std::min(room, bytes.size()));
    if (bytes.size() <= room)
        return;
    // What cannot be shown is not fetched either.
    m_cut = true;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    complete(reply, reply->error() != QNetworkReply::NoError || status >= 400);
}

void Inet::finished()
{
    QNetworkReply* reply = m_reply.data();
    if (!reply)
        return;
    received();
    if (m_reply)
        complete(reply, reply->error() != QNetworkReply::NoError);
}

void Inet::complete(QNetworkReply* reply, bool failed)
{
    m_reply.clear();
    m_limit->stop();
    reply->disconnect(this);
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
    // An error page is no document: its text must not pass for the news or the home page.
    if (!failed) {
        m_text = fromAnsi(m_received);
        if (m_cut)
            m_text += QStringLiteral("\r\n") + TextCutNote();
    }
    m_received.clear();
    emit StateChanged(failed ? icError : icResponseCompleted);
    m_executing = false;
}

void Inet::waitWhileExecuting()
{
    while (m_executing)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

QString Inet::GetChunk(int size)
{
    const QString chunk = m_text.mid(m_read, qMax(0, size));
    m_read += chunk.size();
    return chunk;
}
