#include "http_server.h"

#include "self_signed.h"

#include <QFile>
#include <QRegularExpression>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace Standin {

QByteArray Request::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

Response Response::json(int status, const QByteArray &body)
{
    Response r;
    r.status = status;
    r.headers.append(Header{"Content-Type", "application/json"});
    r.body = body;
    return r;
}

Response Response::text(int status, const QByteArray &body, const QByteArray &type)
{
    Response r;
    r.status = status;
    r.headers.append(Header{"Content-Type", type});
    r.body = body;
    return r;
}

static QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 206: return "Partial Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 416: return "Range Not Satisfiable";
    case 429: return "Too Many Requests";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

// One client connection: reads one request, writes one response, closes.
class Connection : public QObject {
public:
    Connection(HttpServer *server, QTcpSocket *socket) : QObject(server), m_server(server), m_socket(socket)
    {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, &Connection::onReadyRead);
        connect(socket, &QTcpSocket::bytesWritten, this, &Connection::pump);
        connect(socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    }

private:
    void onReadyRead()
    {
        if (m_answered)
            return;
        m_buffer += m_socket->readAll();
        if (!m_headersDone) {
            const qsizetype end = m_buffer.indexOf("\r\n\r\n");
            if (end < 0) {
                if (m_buffer.size() > 64 * 1024)
                    m_socket->abort();
                return;
            }
            const QList<QByteArray> lines = m_buffer.left(end).split('\n');
            m_buffer.remove(0, end + 4);
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            if (first.size() < 3) {
                m_socket->abort();
                return;
            }
            m_request.method = first.at(0);
            m_request.target = first.at(1);
            const qsizetype query = m_request.target.indexOf('?');
            m_request.path = QByteArray::fromPercentEncoding(query < 0 ? m_request.target : m_request.target.left(query));
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const QByteArray line = lines.at(i).trimmed();
                const qsizetype colon = line.indexOf(':');
                if (colon > 0)
                    m_request.headers.append(Header{line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
            }
            m_expected = m_request.header("Content-Length").toLongLong();
            m_headersDone = true;
        }
        if (m_buffer.size() < m_expected)
            return;
        m_request.body = m_buffer.left(m_expected);
        m_answered = true;
        answer();
    }

    void answer()
    {
        m_fault = m_server->takeFault(m_request.path);
        if (m_fault && m_fault->delayMs > 0)
            QTimer::singleShot(m_fault->delayMs, this, &Connection::respond);
        else
            respond();
    }

    void respond()
    {
        Response response = m_server->m_handler(m_request);
        if (m_fault && m_fault->status)
            response.status = m_fault->status;
        if (m_fault && m_fault->hasBody) {
            response.body = m_fault->body;
            response.filePath.clear();
        }
        qint64 length = response.body.size();
        if (!response.filePath.isEmpty()) {
            m_file = std::make_unique<QFile>(response.filePath);
            if (!m_file->open(QIODevice::ReadOnly)) {
                m_file.reset();
                response = Response::text(404, "not found\n");
                length = response.body.size();
            } else {
                length = m_file->size();
            }
        }
        if (m_file && response.status == 200)
            applyRange(response, length);
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason(response.status) + "\r\n";
        for (const auto &[key, value] : response.headers)
            head += key + ": " + value + "\r\n";
        if (m_fault && m_fault->gzip)
            head += "Content-Encoding: gzip\r\n";
        if (response.status != 204 && !(m_fault && m_fault->noLength))
            head += "Content-Length: " + QByteArray::number(length) + "\r\n";
        head += "Connection: close\r\n\r\n";
        m_socket->write(head);
        if (m_request.method == "HEAD" || response.status == 204) {
            m_file.reset();
            response.body.clear();
        }
        m_body = response.body;
        if (m_server->onAnswered)
            m_server->onAnswered(m_request, response.status);
        pump();
    }

    // Files carry validators and answer single byte ranges ("bytes=N-" or "bytes=N-M"): 206 with
    // Content-Range, 416 past the end, the whole body when If-Range no longer matches.
    void applyRange(Response &response, qint64 &length)
    {
        const qint64 size = m_file->size();
        QByteArray etag;
        QByteArray lastModified;
        for (auto it = response.headers.begin(); it != response.headers.end();) {
            if (it->first == "ETag")
                etag = it->second;
            if (it->first == "Last-Modified")
                lastModified = it->second;
            it = (it->first == "ETag" || it->first == "Last-Modified") ? response.headers.erase(it) : it + 1;
        }
        if (m_fault && !m_fault->etag.isEmpty())
            etag = m_fault->etag;
        if (m_fault && m_fault->noValidator)
            etag = lastModified = {};
        if (!etag.isEmpty())
            response.headers.append(Header{"ETag", etag});
        if (!lastModified.isEmpty())
            response.headers.append(Header{"Last-Modified", lastModified});
        response.headers.append(Header{"Accept-Ranges", "bytes"});
        const QByteArray range = m_request.header("Range");
        if (range.isEmpty() || (m_fault && m_fault->ignoreRange))
            return;
        const QByteArray ifRange = m_request.header("If-Range");
        if (!ifRange.isEmpty() && ifRange != etag && ifRange != lastModified && !(m_fault && m_fault->ignoreIfRange))
            return;
        static const QRegularExpression form(QStringLiteral("^bytes=(\\d+)-(\\d*)$"));
        const auto match = form.match(QString::fromLatin1(range.trimmed()));
        if (!match.hasMatch())
            return;
        const qint64 first = match.captured(1).toLongLong();
        qint64 last = match.captured(2).isEmpty() ? size - 1 : qMin(size - 1, match.captured(2).toLongLong());
        if (m_fault && m_fault->rangeCap > 0 && match.captured(2).isEmpty())
            last = qMin(last, first + m_fault->rangeCap - 1);
        if (first >= size || last < first) {
            response.status = 416;
            response.headers.append(Header{"Content-Range", "bytes */" + QByteArray::number(size)});
            m_file.reset();
            length = 0;
            return;
        }
        const qint64 shown = first + (m_fault ? m_fault->rangeShift : 0);
        response.status = 206;
        response.headers.append(Header{"Content-Range", "bytes " + QByteArray::number(shown) + '-' + QByteArray::number(last) + '/'
                                                      + QByteArray::number(size)});
        m_file->seek(first);
        m_left = last - first + 1;
        length = m_left;
    }

    // Feeds the socket a little at a time so that a large file never sits in memory.
    void pump()
    {
        if (!m_answered || m_finished || m_stalled || m_trickling)
            return;
        constexpr qint64 chunk = 256 * 1024;
        while (m_socket->bytesToWrite() < 2 * chunk && !m_trickling) {
            qint64 limit = chunk;
            if (m_fault && m_fault->trickleMs > 0)
                limit = 1;
            if (m_fault && m_fault->stallAfter >= 0)
                limit = qMin(limit, m_fault->stallAfter - m_sent);
            if (m_fault && m_fault->dropAfter >= 0)
                limit = qMin(limit, m_fault->dropAfter - m_sent);
            QByteArray piece;
            if (m_left >= 0)
                limit = qMin(limit, m_left - m_sent);
            if (limit > 0) {
                if (m_file)
                    piece = m_file->read(limit);
                else
                    piece = m_body.mid(m_sent, limit);
            }
            if (piece.isEmpty()) {
                if (m_fault && m_fault->dropAfter >= 0 && m_sent >= m_fault->dropAfter) {
                    m_finished = true;
                    m_socket->flush();
                    m_socket->abort();
                    return;
                }
                if (m_fault && m_fault->stallAfter >= 0 && m_sent >= m_fault->stallAfter) {
                    m_stalled = true;  // hold the connection open, send nothing more
                    return;
                }
                m_finished = true;
                m_socket->disconnectFromHost();
                return;
            }
            if (m_fault && m_fault->flipAt >= m_sent && m_fault->flipAt < m_sent + piece.size())
                piece[m_fault->flipAt - m_sent] = char(~piece[m_fault->flipAt - m_sent]);
            m_sent += piece.size();
            m_socket->write(piece);
            if (m_fault && m_fault->trickleMs > 0) {
                m_trickling = true;
                QTimer::singleShot(m_fault->trickleMs, this, [this] {
                    m_trickling = false;
                    pump();
                });
            }
        }
    }

    HttpServer *m_server;
    QTcpSocket *m_socket;
    QByteArray m_buffer;
    Request m_request;
    bool m_headersDone = false;
    bool m_answered = false;
    bool m_finished = false;
    bool m_stalled = false;
    bool m_trickling = false;  // waiting to send the next byte of a trickle
    qint64 m_expected = 0;
    std::optional<Fault> m_fault;
    std::unique_ptr<QFile> m_file;
    QByteArray m_body;
    qint64 m_sent = 0;
    qint64 m_left = -1;  // bytes of a range to send; -1: the whole body
};

HttpServer::HttpServer(Handler handler, QObject *parent) : QObject(parent), m_handler(std::move(handler))
{
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &HttpServer::acceptPending);
}

void HttpServer::acceptPending()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection())
        new Connection(this, socket);
}

void HttpServer::enableTls() { enableTls(selfSignedConfiguration()); }

void HttpServer::enableTls(const QSslConfiguration &configuration)
{
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(configuration);
    m_server = std::move(server);
    m_tls = true;
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &HttpServer::acceptPending);
}

HttpServer::~HttpServer() = default;

bool HttpServer::listen(quint16 port)
{
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 HttpServer::port() const { return m_server->serverPort(); }

QString HttpServer::origin() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_tls ? QStringLiteral("https") : QStringLiteral("http")).arg(port());
}

void HttpServer::setFault(const QByteArray &path, const Fault &fault) { m_faults.insert(path, fault); }

void HttpServer::clearFaults()
{
    m_faults.clear();
    m_queued.clear();
}

void HttpServer::queueFaults(const QByteArray &path, const QList<Fault> &faults) { m_queued[path] += faults; }

std::optional<Fault> HttpServer::takeFault(const QByteArray &path)
{
    auto queued = m_queued.find(path);
    if (queued != m_queued.end() && !queued->isEmpty()) {
        const Fault fault = queued->takeFirst();
        return fault;
    }
    auto it = m_faults.find(path);
    if (it == m_faults.end())
        return std::nullopt;
    Fault fault = *it;
    if (it->times > 0 && --it->times == 0)
        m_faults.erase(it);
    return fault;
}

}
