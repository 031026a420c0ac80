#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <optional>

// What one HTTP transfer of the network thread is asked to do, what it answers, and how its owner
// hears of it. No type here names the library underneath.
namespace Net {

using Header = QPair<QByteArray, QByteArray>;

QByteArray headerOf(const QList<Header> &headers, const QByteArray &name);  // case-insensitive, empty when absent

struct Request {
    QByteArray method = "GET";
    QUrl url;
    QList<Header> headers;
    std::optional<QByteArray> body;
    QByteArray userAgent;
    // Nothing received for this long fails the transfer; time paused by the speed limit is not counted.
    int idleMs = 60'000;
    // Less than 1 KB in this long fails the transfer as too slow (paused time excluded).
    int minimumWindowMs = 60'000;
    // > 0: the whole transfer, from the moment it is asked for.
    int deadlineMs = 0;
    // Redirects to http(s) are followed, never from https down to http.
    bool followRedirects = true;
    // A file body: large receive buffers, and HTTP/2 streams waiting for a shared connection.
    bool bulk = false;
    // > 0: the largest block of body handed over at once (smaller under a speed limit).
    qint64 bufferBytes = 0;
    // Asks for compressed answers and undoes the compression (small answers only: file bodies and
    // ranges are counted as sent).
    bool decode = false;
};

struct Response {
    int status = 0;  // 0: no HTTP answer
    QList<Header> headers;
    QByteArray header(const QByteArray &name) const { return headerOf(headers, name); }
};

// How a transfer ended.
struct Ending {
    enum Kind {
        Complete,   // the whole answer arrived (any status)
        Failed,     // the transport failed: name, connection, TLS, proxy, a cut body
        TimedOut,   // nothing for the idle time, too slow, or past the deadline
        Cancelled,  // cancel() was called
        Refused,    // the sink stopped it
        Stopped,    // the application is quitting
    };
    enum Cause { Other, Tls, Proxy, Deadline };
    Kind kind = Complete;
    Cause cause = Other;
    QString message;  // the transport's own reason, for the log
    bool ok() const { return kind == Complete; }
};

// The owner's side of one transfer. Every call comes from the network thread, one at a time, and
// must not block for long: all transfers share that thread.
class Sink {
public:
    virtual ~Sink() = default;
    // The final answer's status and headers, before any of its body. False stops the transfer
    // (it ends Refused).
    virtual bool onResponse(const Response &response) = 0;
    enum class Take { All, Later, Stop };
    // Bytes of the body. Later takes none of them: the transfer pauses (its connection stops being
    // read) and the same bytes come again after laterMs(). Stop ends it Refused.
    virtual Take onBody(const char *data, qint64 size) = 0;
    // Asked right after Later: how long until the same bytes are worth offering again; negative:
    // not before the owner calls Engine::resume().
    virtual int laterMs() { return 5; }
    // Exactly once, last. `response` is empty when no answer came.
    virtual void onEnd(const Ending &ending, const Response &response) = 0;
};

}
