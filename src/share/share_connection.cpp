#include "share/share_connection.h"
#include "transfer/rate_limiter.h"
#include "share/share_index.h"
#include "share/share_server.h"

#include <QRegularExpression>
#include <QTcpSocket>

namespace {
constexpr qint64 chunkBytes = 64 << 10;
constexpr qint64 queuedBytes = 256 << 10;  // what may wait in the socket for a slow reader

// "bytes=a-b", "bytes=a-", "bytes=-n" of a body of `size` bytes: first and last byte, or false
// for anything else (several ranges included) or a range that is not satisfiable.
bool parseRange(const QByteArray &value, qint64 size, qint64 &first, qint64 &last)
{
    static const QRegularExpression form(QStringLiteral("^bytes=([0-9]{0,18})-([0-9]{0,18})$"));
    const QRegularExpressionMatch match = form.match(QString::fromLatin1(value.trimmed()));
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(2).isEmpty()))
        return false;
    if (match.captured(1).isEmpty()) {
        const qint64 suffix = match.captured(2).toLongLong();
        if (suffix <= 0 || size == 0)
            return false;
        first = qMax<qint64>(0, size - suffix);
        last = size - 1;
        return true;
    }
    first = match.captured(1).toLongLong();
    last = match.captured(2).isEmpty() ? size - 1 : qMin(match.captured(2).toLongLong(), size - 1);
    return first < size && first <= last;
}
}

ShareConnection::ShareConnection(QTcpSocket *socket, ShareServer *server)
    : QObject(server), m_socket(socket), m_server(server), m_client(socket->peerAddress().toString())
{
    socket->setParent(this);
    // The kernel holds back a client that sends more than one head at a time.
    socket->setReadBufferSize(server->limits().headerBytes);
    m_active.start();
    connect(socket, &QTcpSocket::readyRead, this, [this] { readHead(); });
    connect(socket, &QTcpSocket::bytesWritten, this, [this] {
        m_active.restart();
        pump();
    });
    connect(socket, &QTcpSocket::disconnected, this, [this] { end(); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this] { end(); });
    m_idle.setInterval(qMin(1000, server->limits().idleMs));
    connect(&m_idle, &QTimer::timeout, this, [this] {
        if (m_active.elapsed() >= m_server->limits().idleMs)
            end();
    });
    m_idle.start();
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, [this] { pump(); });
}

void ShareConnection::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_idle.stop();
    m_wait.stop();
    m_socket->abort();
    m_server->ended(this);
}

void ShareConnection::readHead()
{
    if (m_sending || m_ended)
        return;
    m_active.restart();
    const int limit = m_server->limits().headerBytes;
    m_head += m_socket->read(qMax<qint64>(0, limit + 4 - m_head.size()));
    const qsizetype at = m_head.indexOf("\r\n\r\n");
    if (at < 0) {
        if (m_head.size() > limit)
            refuse(431, "Request Header Fields Too Large", false);
        return;
    }
    const QByteArray head = m_head.left(at);
    m_head.remove(0, at + 4);
    answer(head);
}

void ShareConnection::refuse(int status, const char *reason, bool keepOpen, const QByteArray &extra)
{
    m_keepAlive = m_keepAlive && keepOpen;
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Length: 0\r\n" + extra
                     + (m_keepAlive ? "" : "Connection: close\r\n") + "\r\n";
    m_socket->write(out);
    m_sending = true;
    m_left = 0;
    pump();
}

void ShareConnection::answer(const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> request = lines.first().trimmed().split(' ');
    if (request.size() != 3 || !(request.at(2) == "HTTP/1.1" || request.at(2) == "HTTP/1.0"))
        return refuse(400, "Bad Request", false);
    m_keepAlive = request.at(2) == "HTTP/1.1";
    QByteArray range;
    QByteArray ifRange;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return refuse(400, "Bad Request", false);
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "range")
            range = value;
        else if (name == "if-range")
            ifRange = value;
        else if (name == "connection" && value.toLower() == "close")
            m_keepAlive = false;
        else if (name == "content-length" || name == "transfer-encoding")
            return refuse(400, "Bad Request", false);  // a GET carries no body
    }
    if (request.at(0) != "GET")
        return refuse(405, "Method Not Allowed", false, "Allow: GET\r\n");
    // The target is matched whole, as bytes: no decoding, no path, nothing but a digest.
    static const QRegularExpression target(QStringLiteral("^/v1/sha256/([0-9a-f]{64})$"));
    const QRegularExpressionMatch match = target.match(QString::fromLatin1(request.at(1)));
    if (!match.hasMatch())
        return refuse(404, "Not Found", true);
    const QString digest = match.captured(1);
    const std::optional<ShareIndex::File> file = m_server->index().find(digest);
    if (!file)
        return refuse(404, "Not Found", true);
    m_file.setFileName(file->path);
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return refuse(404, "Not Found", true);
    const QByteArray etag = '"' + digest.toLatin1() + '"';
    qint64 first = 0;
    qint64 last = file->size - 1;
    bool partial = !range.isEmpty() && (ifRange.isEmpty() || ifRange == etag);
    if (partial && !parseRange(range, file->size, first, last)) {
        m_file.close();
        return refuse(416, "Range Not Satisfiable", true, "Content-Range: bytes */" + QByteArray::number(file->size) + "\r\n");
    }
    if (partial && !m_file.seek(first)) {
        m_file.close();
        return refuse(404, "Not Found", true);
    }
    m_left = last - first + 1;
    QByteArray out = partial ? "HTTP/1.1 206 Partial Content\r\n" : "HTTP/1.1 200 OK\r\n";
    out += "Content-Type: application/octet-stream\r\nAccept-Ranges: bytes\r\nETag: " + etag
           + "\r\nContent-Length: " + QByteArray::number(m_left) + "\r\n";
    if (partial)
        out += "Content-Range: bytes " + QByteArray::number(first) + '-' + QByteArray::number(last) + '/'
               + QByteArray::number(file->size) + "\r\n";
    out += m_keepAlive ? "\r\n" : "Connection: close\r\n\r\n";
    m_socket->write(out);
    m_sending = true;
    pump();
}

void ShareConnection::pump()
{
    if (!m_sending || m_ended)
        return;
    while (m_left > 0 && m_socket->bytesToWrite() < queuedBytes) {
        const qint64 granted = m_server->limiter().take(qMin(chunkBytes, m_left));
        if (granted <= 0) {
            if (!m_wait.isActive())
                m_wait.start(20);
            return;
        }
        const QByteArray data = m_file.read(granted);
        if (data.size() != granted) {
            end();  // the file shrank under us: the client sees a cut body and checks the digest anyway
            return;
        }
        m_socket->write(data);
        m_left -= granted;
    }
    if (m_left > 0 || m_socket->bytesToWrite() > 0)
        return;
    done();
}

void ShareConnection::done()
{
    m_sending = false;
    m_file.close();
    if (!m_keepAlive) {
        m_socket->disconnectFromHost();
        return;
    }
    if (!m_head.isEmpty() || m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, [this] { readHead(); }, Qt::QueuedConnection);
}
