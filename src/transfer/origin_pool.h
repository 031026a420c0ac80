#pragma once
#include "manifest/manifest.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QSet>
#include <QString>
#include <functional>

// The origins one run downloads from. Work goes to the healthy origin with the fewest transfers
// running; an origin that fails is set aside for a while (longer each time it fails again) and
// then tried again; one whose transfers run far slower than the others' is set aside too. Safe
// to use from any thread.
class OriginPool {
public:
    explicit OriginPool(Mirrors mirrors = {});
    bool hasMirrors() const { return !m_mirrors.isEmpty(); }

    // One transfer's origin: the URL there, and the origin's name for the log (host[:port]).
    struct Lease {
        QString url;
        QString origin;
        bool peer = false;  // a computer on the local network, not a server of the publisher
        QString file;       // the URL that was asked for
        bool isValid() const { return !url.isEmpty(); }
    };
    // Where to fetch `url` from next, skipping the origins in `tried`: healthy ones first, fewest
    // transfers running, faster first; invalid once every origin of the URL has been tried.
    Lease take(const QString &url, const QSet<QString> &tried);
    // How many origins serve `url`.
    qsizetype countFor(const QString &url) const;
    // Why a transfer failed; only peers are judged by it.
    enum class Failure {
        Transport,  // set aside for a while, then tried again
        Missing,    // the peer lacks this file: the file moves on, the peer stays
        WrongBody,  // the peer sent other bytes than the list names: never asked again this run
    };
    // The transfer ended; `bytes` came in `ms`. A failure sets its origin aside.
    void release(const Lease &lease, bool failed, qint64 bytes, qint64 ms, Failure why = Failure::Transport);

    // Peers on the local network that may hold a file, asked before every other origin: for a
    // file's URL, that file's URL at each peer. Called from any thread.
    using PeerLookup = std::function<QStringList(const QString &url)>;
    void setPeers(PeerLookup lookup);
    bool hasPeers() const;
    // Bytes that came from the lease's origin (from the downloader's thread).
    void served(const Lease &lease, qint64 bytes);
    // A running transfer's rate so far: true when another healthy origin serves its transfers
    // more than four times faster, so that this one had better go on elsewhere.
    bool tooSlow(const Lease &lease, double bytesPerSecond);

    // Every origin that served or was asked, in the order first used, with its bytes.
    QList<QPair<QString, qint64>> bytesPerOrigin() const;
    // "a.example 1.2 GB, b.example 300 MB" for the log.
    QString summary() const;

    static QString nameOf(const QString &url);

private:
    struct Origin {
        int running = 0;
        int failures = 0;         // in a row
        qint64 asideUntil = -1;   // on the pool's clock; -1 not set aside
        double rate = 0;          // bytes per second per transfer, smoothed
        qint64 rateAt = -1;       // when the rate was last updated
        qint64 bytes = 0;
        bool peer = false;
        bool refused = false;     // a peer that sent a wrong body
    };
    QStringList candidates(const QString &url) const;
    Origin &originNamed(const QString &name);
    void noteRate(Origin &origin, double rate);

    Mirrors m_mirrors;
    mutable QMutex m_lock;
    QElapsedTimer m_clock;
    QHash<QString, Origin> m_origins;
    QStringList m_order;
    PeerLookup m_peers;
    QSet<QPair<QString, QString>> m_missing;  // (peer, file URL) answered 404
};
