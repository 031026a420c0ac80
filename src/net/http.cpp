#include "net/http.h"
#include "support/log.h"

#include <QNetworkReply>
#include <QTimer>
#include <QCoro/QCoroNetworkReply>
#include <memory>

namespace Http {

QByteArray Reply::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

Session::Session(QByteArray userAgent, int idleTimeoutMs, QNetworkRequest::RedirectPolicy redirects)
    : m_userAgent(std::move(userAgent)), m_idleMs(idleTimeoutMs), m_redirects(redirects)
{
    m_manager.setAutoDeleteReplies(false);
}

QHttp2Configuration bulkHttp2Configuration()
{
    QHttp2Configuration configuration;
    // Six streams share the session window; each may run 16 MiB ahead of the reader.
    configuration.setStreamReceiveWindowSize(16u << 20);
    configuration.setSessionReceiveWindowSize(96u << 20);
    configuration.setMaxFrameSize(64u << 10);
    return configuration;
}

void logTlsFailure(QNetworkReply *reply)
{
    // The caller shows only "can't reach": the log keeps why.
    const QString where = QStringLiteral("%1:%2: ").arg(reply->url().host()).arg(reply->url().port(443));
    switch (reply->error()) {
    case QNetworkReply::SslHandshakeFailedError:
        Log::warn(QStringLiteral("tls: ") + where + reply->errorString());
        break;
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
        Log::warn(QStringLiteral("proxy: ") + where + reply->errorString());
        break;
    case QNetworkReply::UnknownNetworkError:  // a proxy's refusal ("Proxy denied connection") among others
        Log::warn(QStringLiteral("net: ") + where + reply->errorString());
        break;
    default:
        break;
    }
}

bool isAnswer(QNetworkReply *reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return false;
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::NoError)
        return true;
    // Errors below 200 are the network layer's (connection, TLS, time-out, cancellation, proxy).
    // A success status with an error means the body broke off after the headers: an HTTP/2 stream
    // reset (ProtocolFailure, InternalServerError), a content decoding failure.
    const int code = status.toInt();
    return int(error) >= 200 && (code < 200 || code > 299);
}

QCoro::Task<Reply> Session::send(QByteArray method, QUrl url, QList<Header> headers, std::optional<QByteArray> body,
                                 int timeoutMs, qint64 maxBytes, int deadlineMs)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw TransportError(QStringLiteral("The URL \"%1\" is not supported.").arg(url.toString()));

    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", m_userAgent);
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, m_redirects);
    request.setTransferTimeout(timeoutMs > 0 ? qMin(timeoutMs, m_idleMs) : m_idleMs);

    std::unique_ptr<QNetworkReply, void (*)(QNetworkReply *)> reply(
        body ? m_manager.sendCustomRequest(request, method, *body) : m_manager.sendCustomRequest(request, method),
        [](QNetworkReply *r) {
            r->disconnect();
            r->deleteLater();
        });
    // Qt buffers the whole body in memory: an endless answer is stopped as it arrives.
    bool tooLarge = false;
    if (maxBytes >= 0)
        QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(),
                         [&tooLarge, maxBytes, r = reply.get()](qint64 received, qint64 total) {
                             if (!tooLarge && (received > maxBytes || total > maxBytes)) {
                                 tooLarge = true;
                                 r->abort();
                             }
                         });
    bool late = false;
    QTimer deadline;
    if (deadlineMs > 0) {
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, reply.get(), [&late, r = reply.get()] {
            late = true;
            r->abort();
        });
        deadline.start(deadlineMs);
    }
    co_await reply.get();
    deadline.stop();

    if (tooLarge)
        throw TransportError(QStringLiteral("The answer is larger than expected."));
    if (late)
        throw TransportError(QStringLiteral("The server took too long to answer."));
    if (!isAnswer(reply.get())) {
        logTlsFailure(reply.get());
        throw TransportError(reply->errorString());
    }
    Reply answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->readAll();
    answer.headers = reply->rawHeaderPairs();
    co_return answer;
}

}
