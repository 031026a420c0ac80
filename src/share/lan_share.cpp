#include "share/lan_share.h"
#include "share/network_scope.h"
#include "share/share_index.h"
#include "share/share_server.h"
#include "support/background.h"
#include "support/log.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QThreadPool>

namespace {
// The index's disk work, one task at a time in the order asked: files a run installs are added
// before the record of them is written.
QThreadPool &indexPool()
{
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(1);
        Background::trackPool(p);
        return p;
    }();
    return *pool;
}

QString recordFile()
{
    return Paths::launcherDir() + QStringLiteral("/shared-files.json");
}

void writeRecords(const ShareIndex &index)
{
    QDir().mkpath(Paths::launcherDir());
    QSaveFile out(recordFile());
    if (out.open(QIODevice::WriteOnly) && out.write(index.records()) >= 0)
        out.commit();
}
}

LanShare::LanShare(QObject *parent) : QObject(parent), m_index(std::make_shared<ShareIndex>())
{
    m_thread.setObjectName(QStringLiteral("share-server"));
    m_watch.setInterval(std::chrono::seconds(30));
    connect(&m_watch, &QTimer::timeout, this, &LanShare::openPort);
    connect(this, &LanShare::listening, this, [this] { m_settled = true; });
}

LanShare::~LanShare()
{
    // The server goes with its thread, not after it: a deletion posted to a thread that is ending
    // might never run.
    if (m_server)
        QMetaObject::invokeMethod(m_server, [server = m_server] { delete server; }, Qt::BlockingQueuedConnection);
    m_server = nullptr;
    stop();
    m_thread.quit();
    m_thread.wait();
}

void LanShare::start(Options options)
{
    if (m_running)
        stop();
    m_options = options;
    m_running = true;
    m_settled = false;
    m_discovery = new LanDiscovery(this);
    connect(m_discovery, &LanDiscovery::peersChanged, this, &LanShare::refreshPeers);
    connect(m_discovery, &LanDiscovery::ready, this, [this, discovery = m_discovery](bool available) {
        if (discovery != m_discovery)
            return;
        if (!available || !m_options.serve) {
            emit listening(0);
            return;
        }
        openPort();
        // A laptop that joins another network, or gets its address late, is served there too.
        m_watch.start();
    });
    m_discovery->start();
}

void LanShare::openPort()
{
    const QList<QHostAddress> addresses = NetworkScope::listenAddresses();
    const QList<NetworkScope::Subnet> subnets = NetworkScope::localSubnets();
    if (addresses == m_addresses && subnets == m_subnets && (m_server || addresses.isEmpty()))
        return;
    m_addresses = addresses;
    m_subnets = subnets;
    if (addresses.isEmpty()) {
        Log::info(QStringLiteral("share: no address on a local network; game files are not shared"));
        if (m_server)
            QMetaObject::invokeMethod(m_server, [server = m_server] { server->close(); });
        m_port = 0;
        emit listening(0);
        return;
    }
    if (!m_server) {
        if (!m_thread.isRunning())
            m_thread.start();
        m_server = new ShareServer(m_index, {});
        m_server->moveToThread(&m_thread);
        connect(m_server, &ShareServer::listening, this, [this](quint16 port) {
            m_port = port;
            Log::info(QStringLiteral("share: serving game files on port ") + QString::number(port));
            announce();
            emit listening(port);
        });
        connect(m_server, &ShareServer::failed, this, [this](const QString &why) {
            Log::warn(QStringLiteral("share: cannot open the port for sharing: ") + why);
            m_port = 0;
            emit listening(0);
        });
    }
    const qint64 limit = m_options.uploadLimit;
    QMetaObject::invokeMethod(m_server, [server = m_server, addresses, subnets, port = m_options.port, limit] {
        server->setUploadLimit(limit);
        server->listen(addresses, port, subnets);
    });
}

void LanShare::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_port = 0;
    m_watch.stop();
    m_addresses.clear();
    m_subnets.clear();
    if (m_server) {
        QMetaObject::invokeMethod(m_server, [server = m_server] {
            server->close();
            server->deleteLater();
        });
        m_server = nullptr;
    }
    delete m_discovery;  // withdraws the announcement
    m_discovery = nullptr;
    refreshPeers();
}

void LanShare::setUploadLimit(qint64 bytesPerSecond)
{
    m_options.uploadLimit = bytesPerSecond;
    if (m_server)
        QMetaObject::invokeMethod(m_server, [server = m_server, bytesPerSecond] { server->setUploadLimit(bytesPerSecond); });
}

void LanShare::setList(const QList<ManifestEntry> &files, const QString &root, const QString &digest)
{
    const bool changed = digest != m_index->listDigest();
    m_index->setList(files, root, digest);
    if (changed) {
        announce();
        refreshPeers();
    }
}

void LanShare::verified(QList<ManifestEntry> entries)
{
    indexPool().start([index = m_index, entries] {
        index->verified(entries);
        writeRecords(*index);
    });
}

void LanShare::recall()
{
    indexPool().start([index = m_index] {
        QFile in(recordFile());
        if (in.open(QIODevice::ReadOnly) && in.size() < (qint64(64) << 20))
            index->restore(in.readAll());
    });
}

void LanShare::remember()
{
    indexPool().start([index = m_index] { writeRecords(*index); });
}

Patcher::PeerHooks LanShare::hooks()
{
    Patcher::PeerHooks hooks;
    if (!m_running)
        return hooks;
    if (m_options.usePeers)
        hooks.peersOf = [usable = m_usable](const QString &sha256) {
            QMutexLocker lock(&usable->lock);
            QStringList urls;
            for (const QString &origin : std::as_const(usable->origins))
                urls.append(origin + QStringLiteral("/v1/sha256/") + sha256);
            return urls;
        };
    if (m_options.serve)
        hooks.installed = [index = m_index](const ManifestEntry &entry) {
            indexPool().start([index, entry] { index->verified(entry); });
        };
    return hooks;
}

void LanShare::announce()
{
    const QString digest = m_index->listDigest();
    if (!m_discovery || m_port == 0 || digest.isEmpty())
        return;
    m_discovery->announce(m_port, {{QStringLiteral("v"), QString::number(protocolVersion)},
                                   {QStringLiteral("channel"), m_options.channel},
                                   {QStringLiteral("list"), digest}});
}

QList<LanDiscovery::Peer> LanShare::usablePeers() const
{
    QList<LanDiscovery::Peer> out;
    const QString digest = m_index->listDigest();
    if (!m_discovery || !m_options.usePeers || digest.isEmpty())
        return out;
    const QList<NetworkScope::Subnet> subnets = NetworkScope::localSubnets();
    const QList<QHostAddress> own = NetworkScope::listenAddresses();
    for (const LanDiscovery::Peer &peer : m_discovery->peers()) {
        // An announcement of this computer that the daemon still holds from an earlier run.
        if (own.contains(peer.address))
            continue;
        // A peer outside the local network, or on another list, has nothing this run can use.
        if (peer.txt.value(QStringLiteral("v")) != QString::number(protocolVersion)
            || peer.txt.value(QStringLiteral("list")) != digest || !NetworkScope::isPrivate(peer.address)
            || !NetworkScope::contains(subnets, peer.address))
            continue;
        out.append(peer);
    }
    return out;
}

void LanShare::refreshPeers()
{
    QStringList origins;
    for (const LanDiscovery::Peer &peer : usablePeers()) {
        const QString origin = QStringLiteral("http://") + peer.address.toString() + QLatin1Char(':') + QString::number(peer.port);
        if (!origins.contains(origin))
            origins.append(origin);
    }
    {
        QMutexLocker lock(&m_usable->lock);
        if (origins == m_usable->origins)
            return;
        m_usable->origins = origins;
    }
    Log::info(QStringLiteral("share: peers on this list: ") + (origins.isEmpty() ? QStringLiteral("none") : origins.join(QStringLiteral(", "))));
    emit peersChanged();
}
