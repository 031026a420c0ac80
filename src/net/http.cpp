#include "net/http.h"
#include "net/engine.h"
#include "support/log.h"

#include <QFuture>
#include <QPromise>
#include <QCoro/QCoroFuture>
#include <memory>

namespace Http {
namespace {
constexpr int maxRedirects = 10;

struct Outcome {
    Net::Ending ending;
    Net::Response response;
    QByteArray body;
    bool tooLarge = false;
};

// Gathers a small answer in memory, never more of it than the caller allows.
class BufferSink : public Net::Sink {
public:
    explicit BufferSink(qint64 maxBytes) : m_maxBytes(maxBytes) { m_promise.start(); }
    QFuture<Outcome> future() { return m_promise.future(); }

    bool onResponse(const Net::Response &response) override
    {
        bool known = false;
        const qint64 length = response.header("Content-Length").toLongLong(&known);
        m_tooLarge = known && m_maxBytes >= 0 && length > m_maxBytes;
        return !m_tooLarge;
    }
    Take onBody(const char *data, qint64 size) override
    {
        if (m_maxBytes >= 0 && m_body.size() + size > m_maxBytes) {
            m_tooLarge = true;
            return Take::Stop;
        }
        m_body.append(data, size);
        return Take::All;
    }
    void onEnd(const Net::Ending &ending, const Net::Response &response) override
    {
        m_promise.addResult(Outcome{ending, response, std::move(m_body), m_tooLarge});
        m_promise.finish();
    }

private:
    QPromise<Outcome> m_promise;
    QByteArray m_body;
    qint64 m_maxBytes;
    bool m_tooLarge = false;
};

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0 && a.host().compare(b.host(), Qt::CaseInsensitive) == 0
        && a.port(-1) == b.port(-1);
}
}

Session::Session(QByteArray userAgent, int idleTimeoutMs, Redirects redirects)
    : m_userAgent(std::move(userAgent)), m_idleMs(idleTimeoutMs), m_redirects(redirects)
{
}

void logFailure(const QUrl &url, const Net::Ending &ending)
{
    // The caller shows only "can't reach": the log keeps why.
    const QString where = url.host() + QLatin1Char(':') + QString::number(url.port(443)) + QStringLiteral(": ");
    if (ending.cause == Net::Ending::Tls)
        Log::warn(QStringLiteral("tls: ") + where + ending.message);
    else if (ending.cause == Net::Ending::Proxy)
        Log::warn(QStringLiteral("proxy: ") + where + ending.message);
}

QCoro::Task<Reply> Session::send(QByteArray method, QUrl url, QList<Header> headers, std::optional<QByteArray> body,
                                 int timeoutMs, qint64 maxBytes, int deadlineMs)
{
    const auto supported = [](const QUrl &at) {
        const QString scheme = at.scheme().toLower();
        return at.isValid() && !at.host().isEmpty() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    };
    if (!supported(url))
        throw TransportError(QStringLiteral("The URL \"%1\" is not supported.").arg(url.toString()));

    Net::Request request;
    request.method = method;
    request.headers = std::move(headers);
    request.body = std::move(body);
    request.userAgent = m_userAgent;
    request.idleMs = timeoutMs > 0 ? qMin(timeoutMs, m_idleMs) : m_idleMs;
    request.deadlineMs = deadlineMs;
    request.followRedirects = m_redirects == Redirects::Safe;
    request.decode = true;
    for (int hop = 0;; ++hop) {
        request.url = url;
        auto sink = std::make_shared<BufferSink>(maxBytes);
        QFuture<Outcome> future = sink->future();
        Net::Engine::instance().start(request, sink);
        Outcome outcome = co_await future;
        if (outcome.tooLarge)
            throw TransportError(QStringLiteral("The answer is larger than expected."));
        if (!outcome.ending.ok()) {
            if (outcome.ending.cause == Net::Ending::Deadline)
                throw TransportError(QStringLiteral("The server took too long to answer."));
            logFailure(url, outcome.ending);
            throw TransportError(outcome.ending.message);
        }
        const int status = outcome.response.status;
        const QByteArray location = outcome.response.header("Location");
        if (m_redirects == Redirects::SameOrigin && status >= 300 && status < 400 && status != 304 && !location.isEmpty()) {
            const QUrl next = url.resolved(QUrl::fromEncoded(location));
            // Credentials never travel to another origin: such a redirect is no answer at all.
            if (!sameOrigin(url, next) || hop == maxRedirects)
                throw TransportError(QStringLiteral("The server redirected the request elsewhere."));
            if (status == 303) {
                request.method = "GET";
                request.body.reset();
            }
            url = next;
            continue;
        }
        co_return Reply{status, std::move(outcome.body), std::move(outcome.response.headers)};
    }
}

}
