#pragma once
#include "net/request.h"
#include "support/launcher_error.h"

#include <QByteArray>
#include <QList>
#include <QUrl>
#include <QCoro/QCoroTask>
#include <optional>

namespace Http {

using Header = Net::Header;

// A complete answer: any HTTP status, 4xx and 5xx included.
struct Reply {
    int status = 0;
    QByteArray body;
    QList<Header> headers;
    QByteArray header(const QByteArray &name) const { return Net::headerOf(headers, name); }
};

// No answer at all: name resolution, connection, TLS, proxy, time-out, a cut body, or a URL
// that does not parse.
class TransportError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

enum class Redirects {
    Safe,        // followed, never from https down to http
    SameOrigin,  // followed only to the same scheme, host and port; any other is no answer
};

// A long-lived set of request settings: the User-Agent of every request, an idle time-out (a
// request that receives nothing for that long fails; a slow but moving one does not), redirects.
// Requests run on the process's network thread; any thread may send.
class Session {
public:
    Session(QByteArray userAgent, int idleTimeoutMs, Redirects redirects = Redirects::Safe);

    // Sends one request and waits for the whole answer. timeoutMs > 0 tightens the idle time-out
    // for this request; maxBytes >= 0 stops an answer whose body grows past it, deadlineMs > 0 one
    // that takes longer than that in all. Both act as the bytes arrive. Throws TransportError.
    QCoro::Task<Reply> send(QByteArray method, QUrl url, QList<Header> headers = {},
                            std::optional<QByteArray> body = std::nullopt, int timeoutMs = 0, qint64 maxBytes = -1,
                            int deadlineMs = 0);

    int idleTimeoutMs() const { return m_idleMs; }
    void setIdleTimeoutMs(int ms) { m_idleMs = ms; }

private:
    QByteArray m_userAgent;
    int m_idleMs;
    Redirects m_redirects;
};

// Writes one "WARN" line naming a failed TLS handshake or proxy (the transport's own words);
// nothing for other failures.
void logFailure(const QUrl &url, const Net::Ending &ending);

}
