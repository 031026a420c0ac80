#pragma once
#include "support/launcher_error.h"

#include <QByteArray>
#include <QList>
#include <QHttp2Configuration>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPair>
#include <QUrl>
#include <QCoro/QCoroTask>
#include <optional>

namespace Http {

using Header = QPair<QByteArray, QByteArray>;

// A complete answer: any HTTP status, 4xx and 5xx included.
struct Reply {
    int status = 0;       // 0 when the answer was not HTTP
    QByteArray body;
    QList<Header> headers;
    QByteArray header(const QByteArray &name) const;  // case-insensitive, empty when absent
};

// No answer at all: name resolution, connection, TLS, idle time-out, cancellation, or a URL
// that does not parse.
class TransportError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// A long-lived HTTP client: headers added to every request, an idle time-out (a request that
// receives nothing for that long fails; a slow but moving one does not), redirects per policy.
// Lives on the thread that made it.
class Session {
public:
    Session(QByteArray userAgent, int idleTimeoutMs,
            QNetworkRequest::RedirectPolicy redirects = QNetworkRequest::NoLessSafeRedirectPolicy);

    // Sends one request and waits for the whole answer. timeoutMs > 0 tightens the idle time-out
    // for this request; maxBytes >= 0 stops an answer whose body grows past it, deadlineMs > 0 one
    // that takes longer than that in all (a trickle the idle time-out never catches). Throws
    // TransportError.
    QCoro::Task<Reply> send(QByteArray method, QUrl url, QList<Header> headers = {},
                            std::optional<QByteArray> body = std::nullopt, int timeoutMs = 0, qint64 maxBytes = -1,
                            int deadlineMs = 0);

    QNetworkAccessManager &manager() { return m_manager; }
    int idleTimeoutMs() const { return m_idleMs; }
    void setIdleTimeoutMs(int ms) { m_idleMs = ms; }

private:
    QNetworkAccessManager m_manager;
    QByteArray m_userAgent;
    int m_idleMs;
    QNetworkRequest::RedirectPolicy m_redirects;
};

// HTTP/2 flow control for game files rather than web pages: receive windows large enough that
// one stream is not held to window/round-trip, and larger frames. Over https only; HTTP/1.1
// ignores it.
QHttp2Configuration bulkHttp2Configuration();

// True when a finished reply carries a whole HTTP answer; false for a transport failure, including
// a body cut off after the headers (a success status that ended with any error).
bool isAnswer(class QNetworkReply *reply);
// Writes one "WARN" line naming a failed TLS handshake or proxy (Qt's own text); nothing for other failures.
void logTlsFailure(class QNetworkReply *reply);

}
