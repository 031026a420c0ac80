#pragma once
#include "manifest/manifest.h"
#include "patch/patcher.h"
#include "share/lan_discovery.h"
#include "share/network_scope.h"

#include <QMutex>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <memory>

class ShareIndex;
class ShareServer;

// Sharing game files on the local network, for the launcher and the headless tool: serves the
// files this computer verified, announces them, and finds the peers that hold the same list.
class LanShare : public QObject {
    Q_OBJECT
public:
    // The TCP port peers connect to (the one a firewall must allow).
    static constexpr quint16 defaultPort = 47610;
    static constexpr int protocolVersion = 1;

    struct Options {
        bool serve = true;      // open the port and announce
        bool usePeers = true;   // take files from peers
        quint16 port = defaultPort;
        qint64 uploadLimit = 0;  // bytes per second, 0: none
        QString channel;
    };

    explicit LanShare(QObject *parent = nullptr);
    ~LanShare() override;

    // Asynchronous: asks Avahi, then listens, browses and announces. Inert without Avahi.
    void start(Options options);
    // Closes the port and withdraws the announcement; peers are no longer used.
    void stop();
    bool running() const { return m_running; }
    void setUploadLimit(qint64 bytesPerSecond);

    // The list now current for this folder (its digest from Patcher::listDigest).
    void setList(const QList<ManifestEntry> &files, const QString &root, const QString &digest);
    // Files checked against the list just now; reads disk, so it runs off this thread, and what is
    // verified is kept for the next start.
    void verified(QList<ManifestEntry> entries);
    // Takes up what an earlier process verified for the current list (the files unchanged since),
    // so that a launcher whose files are up to date shares them without hashing them again.
    void recall();
    // Keeps what is verified now for the next start (after a run has installed files).
    void remember();
    // For Patcher::apply: peers asked first, and each installed file shared at once.
    Patcher::PeerHooks hooks();

    // Peers that announce the current list.
    QList<LanDiscovery::Peer> usablePeers() const;
    quint16 port() const { return m_port; }
    // listening() has been emitted since start().
    bool settled() const { return m_settled; }
    std::shared_ptr<ShareIndex> index() const { return m_index; }

signals:
    // The port is open (0: it could not be, or sharing stays off).
    void listening(quint16 port);
    void peersChanged();

private:
    void announce();
    void refreshPeers();
    // Listens on this computer's local-network addresses, again whenever they have changed.
    void openPort();

    Options m_options;
    bool m_running = false;
    bool m_settled = false;
    quint16 m_port = 0;
    std::shared_ptr<ShareIndex> m_index;
    LanDiscovery *m_discovery = nullptr;
    QThread m_thread;
    ShareServer *m_server = nullptr;
    QList<QHostAddress> m_addresses;  // what the server listens on
    QList<NetworkScope::Subnet> m_subnets;
    QTimer m_watch;

    struct Usable {
        mutable QMutex lock;
        QStringList origins;  // "http://address:port" of peers on the current list
    };
    std::shared_ptr<Usable> m_usable = std::make_shared<Usable>();
};
