#include "net/http.h"

#include <QNetworkReply>
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

bool isAnswer(QNetworkReply *reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return false;
    const QNetworkReply::NetworkError error = reply->error();
    // Errors below 200 are the network layer's (connection, TLS, time-out, cancellation, proxy):
    // whatever status was seen, the answer did not arrive whole.
    return error == QNetworkReply::NoError || int(error) >= 200;
}

QCoro::Task<Reply> Session::send(QByteArray method, QUrl url, QList<Header> headers, std::optional<QByteArray> body,
                                 int timeoutMs)
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
        [](QNetworkReply *r) { r->deleteLater(); });
    co_await reply.get();

    if (!isAnswer(reply.get()))
        throw TransportError(reply->errorString());
    Reply answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->readAll();
    answer.headers = reply->rawHeaderPairs();
    co_return answer;
}

}
