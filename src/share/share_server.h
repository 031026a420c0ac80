#pragma once
#include "share/network_scope.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <memory>

class QTcpServer;
class RateLimiter;
class ShareIndex;
class ShareConnection;

// A GET-only HTTP/1.1 server for the files of a ShareIndex: GET /v1/sha256/<hex> with one byte
// range at most. Lives on a thread of its own (ShareService moves it there). Every resource a
// client can hold is bounded: connections in all and per client, header bytes, idle time, and
// the upload rate of all connections together.
class ShareServer : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int connections = 32;
        int perClient = 8;
        int headerBytes = 8 << 10;
        int idleMs = 10'000;
    };
    ShareServer(std::shared_ptr<ShareIndex> index, Limits limits);
    ~ShareServer() override;

    // Listens on each address at `port` (0: any free one, the same on every address) and answers
    // only clients inside `subnets`. Emits listening or failed.
    Q_INVOKABLE void listen(QList<QHostAddress> addresses, quint16 port, QList<NetworkScope::Subnet> subnets);
    Q_INVOKABLE void close();
    // Bytes per second for all uploads together; 0: no limit.
    Q_INVOKABLE void setUploadLimit(qint64 bytesPerSecond);
    // Connections being served now (on the server's thread).
    int openConnections() const { return m_open; }

    // For ShareConnection.
    ShareIndex &index() { return *m_index; }
    RateLimiter &limiter() { return *m_limiter; }
    const Limits &limits() const { return m_limits; }
    void ended(ShareConnection *connection);

signals:
    void listening(quint16 port);
    void failed(QString why);

private:
    void accept(QTcpServer *server);

    std::shared_ptr<ShareIndex> m_index;
    Limits m_limits;
    std::unique_ptr<RateLimiter> m_limiter;
    QList<QTcpServer *> m_servers;
    QList<NetworkScope::Subnet> m_subnets;
    QHash<QString, int> m_perClient;  // open connections by client address
    int m_open = 0;
};
