#include "share/share_server.h"
#include "transfer/rate_limiter.h"
#include "share/share_connection.h"

#include <QTcpServer>
#include <QTcpSocket>

ShareServer::ShareServer(std::shared_ptr<ShareIndex> index, Limits limits)
    : m_index(std::move(index)), m_limits(limits), m_limiter(std::make_unique<RateLimiter>())
{
}

ShareServer::~ShareServer() = default;

void ShareServer::listen(QList<QHostAddress> addresses, quint16 port, QList<NetworkScope::Subnet> subnets)
{
    close();
    m_subnets = std::move(subnets);
    QStringList refused;
    for (const QHostAddress &address : addresses) {
        auto *server = new QTcpServer(this);
        // The backlog stays small: connections beyond the limits are closed at once anyway.
        server->setMaxPendingConnections(m_limits.connections);
        // An address may be unusable for a while (IPv6 still checking it is unique): the others serve.
        if (!server->listen(address, port)) {
            refused.append(address.toString() + QStringLiteral(": ") + server->errorString());
            delete server;
            continue;
        }
        port = server->serverPort();
        connect(server, &QTcpServer::newConnection, this, [this, server] { accept(server); });
        m_servers.append(server);
    }
    if (m_servers.isEmpty()) {
        emit failed(refused.isEmpty() ? QStringLiteral("no address on a local network") : refused.join(QStringLiteral("; ")));
        return;
    }
    emit listening(port);
}

void ShareServer::close()
{
    qDeleteAll(m_servers);
    m_servers.clear();
    // Connections that are open end with their current answer at the latest.
    for (ShareConnection *connection : findChildren<ShareConnection *>())
        connection->deleteLater();
    m_perClient.clear();
    m_open = 0;
}

void ShareServer::setUploadLimit(qint64 bytesPerSecond)
{
    m_limiter->setLimit(bytesPerSecond);
}

void ShareServer::accept(QTcpServer *server)
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        const QString client = socket->peerAddress().toString();
        if (!NetworkScope::contains(m_subnets, socket->peerAddress()) || m_open >= m_limits.connections
            || m_perClient.value(client) >= m_limits.perClient) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_open;
        ++m_perClient[client];
        new ShareConnection(socket, this);
    }
}

void ShareServer::ended(ShareConnection *connection)
{
    --m_open;
    if (--m_perClient[connection->client()] <= 0)
        m_perClient.remove(connection->client());
    connection->deleteLater();
}
