#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QTcpServer>
#include <functional>
#include <memory>

class QIODevice;
class QSslConfiguration;
class QTcpSocket;

namespace Standin {

using Header = QPair<QByteArray, QByteArray>;

struct Request {
    QByteArray method;
    QByteArray target;  // path and query as sent
    QByteArray path;    // decoded path without the query
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QByteArray header(const QByteArray &name) const;
};

// What one response should do wrong, for tests.
struct Fault {
    int status = 0;            // answer this status instead (0: none)
    int times = -1;            // for the first N matching requests, -1 always
    int delayMs = 0;           // wait before answering
    qint64 stallAfter = -1;    // send this many body bytes, then nothing more (connection kept open)
    qint64 dropAfter = -1;     // send this many body bytes, then drop the connection
    QByteArray body;           // send these bytes instead of the real body
    bool hasBody = false;
    bool gzip = false;         // declare Content-Encoding: gzip for the (given) body
    bool ignoreRange = false;  // answer a Range request with the whole body (200)
    bool noValidator = false;  // send no ETag and no Last-Modified
    QByteArray etag;           // send this ETag instead (a file that changed)
    qint64 rangeShift = 0;     // a 206 whose Content-Range starts this far from what was asked
    qint64 rangeCap = 0;       // an open-ended range is answered with at most this many bytes
    bool ignoreIfRange = false; // a 206 even when If-Range names another validator
    qint64 flipAt = -1;        // invert this byte of the body sent (a part that went bad on the way)
    bool noLength = false;     // no Content-Length: the body ends when the connection does
    int trickleMs = 0;         // send the body one byte at a time, this far apart
};

struct Response {
    int status = 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QString filePath;          // stream this file instead of body
    static Response json(int status, const QByteArray &body);
    static Response text(int status, const QByteArray &body, const QByteArray &type = "text/plain; charset=utf-8");
};

// A small HTTP/1.1 server: one response per connection, bodies streamed from disk, faults injected
// per path. Enough for the launcher's servers and for tests that need the wire to misbehave.
class HttpServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<Response(const Request &)>;

    explicit HttpServer(Handler handler, QObject *parent = nullptr);
    ~HttpServer() override;
    // Serves HTTPS with a self-signed certificate from now on (call before listen).
    void enableTls();
    // The same with a key and certificate of the caller's.
    void enableTls(const QSslConfiguration &configuration);
    bool listen(quint16 port = 0);
    quint16 port() const;
    QString origin() const;

    void setFault(const QByteArray &path, const Fault &fault);
    // One fault for each of the next requests to the path, in order (a default Fault answers as
    // usual); consulted before any fault set with setFault.
    void queueFaults(const QByteArray &path, const QList<Fault> &faults);
    void clearFaults();
    // Called for each request after it is answered (for the request log).
    std::function<void(const Request &, int status)> onAnswered;

private:
    friend class Connection;
    std::optional<Fault> takeFault(const QByteArray &path);

    Handler m_handler;
    std::unique_ptr<QTcpServer> m_server = std::make_unique<QTcpServer>();
    bool m_tls = false;
    void acceptPending();
    QHash<QByteArray, Fault> m_faults;
    QHash<QByteArray, QList<Fault>> m_queued;
};

}
