#include "transfer/origin_pool.h"
#include "manifest/manifest.h"
#include "support/patch_timing.h"
#include "support/file_size.h"

#include <QUrl>
#include <optional>
#include <tuple>

namespace {
constexpr double slowFactor = 4.0;
constexpr qint64 rateFreshMs = 5'000;     // older rates no longer speak for an origin
constexpr qint64 rateSampleBytes = 256 << 10;  // smaller transfers say more about latency than rate
// A peer's server takes a few connections per client; more would be refused and look like failures.
constexpr int peerMaxRunning = 6;
}

OriginPool::OriginPool(Mirrors mirrors) : m_mirrors(std::move(mirrors))
{
    m_clock.start();
}

QString OriginPool::nameOf(const QString &url)
{
    // Asked for every file several times: the URL is parsed once per origin, not once per call.
    static QMutex cacheLock;
    static QHash<QString, QString> cache;  // by scheme and authority
    const qsizetype start = url.indexOf(QLatin1String("://"));
    qsizetype end = start < 0 ? -1 : start + 3;
    while (end >= 0 && end < url.size() && url.at(end) != QLatin1Char('/') && url.at(end) != QLatin1Char('?')
           && url.at(end) != QLatin1Char('#'))
        ++end;
    const QString origin = end < 0 ? url : url.left(end);
    {
        QMutexLocker lock(&cacheLock);
        const auto known = cache.constFind(origin);
        if (known != cache.cend())
            return *known;
    }
    const QUrl parsed(url);
    const int port = parsed.port();
    const QString name = port < 0 ? parsed.host() : parsed.host() + QLatin1Char(':') + QString::number(port);
    QMutexLocker lock(&cacheLock);
    cache.insert(origin, name);
    return name;
}

OriginPool::Origin &OriginPool::originNamed(const QString &name)
{
    if (!m_origins.contains(name))
        m_order.append(name);
    return m_origins[name];
}

QStringList OriginPool::candidates(const QString &url) const
{
    QStringList urls = m_peers ? m_peers(url) : QStringList();
    urls.append(Patcher::originsOf(m_mirrors, url));
    return urls;
}

qsizetype OriginPool::countFor(const QString &url) const
{
    const QStringList urls = candidates(url);
    QMutexLocker lock(&m_lock);
    qsizetype n = 0;
    for (const QString &candidate : urls) {
        const QString name = nameOf(candidate);
        const auto it = m_origins.constFind(name);
        n += it == m_origins.cend() || !(it->refused || m_missing.contains({name, url}));
    }
    return n;
}

void OriginPool::setPeers(PeerLookup lookup)
{
    QMutexLocker lock(&m_lock);
    m_peers = std::move(lookup);
}

bool OriginPool::hasPeers() const
{
    QMutexLocker lock(&m_lock);
    return bool(m_peers);
}

OriginPool::Lease OriginPool::take(const QString &url, const QSet<QString> &tried)
{
    const QStringList peerUrls = m_peers ? m_peers(url) : QStringList();
    const QStringList urls = peerUrls + Patcher::originsOf(m_mirrors, url);
    QMutexLocker lock(&m_lock);
    const qint64 now = m_clock.elapsed();
    Lease best;
    // Healthy before set aside (the one back soonest first), then peers, then fewest running,
    // then fastest.
    auto rank = [&](const Origin &o) {
        const qint64 aside = o.asideUntil > now ? o.asideUntil : 0;
        return std::make_tuple(aside, !o.peer, o.running, -o.rate);
    };
    std::optional<decltype(rank(Origin()))> bestRank;
    for (qsizetype i = 0; i < urls.size(); ++i) {
        const QString &candidate = urls.at(i);
        const QString name = nameOf(candidate);
        if (tried.contains(name))
            continue;
        Origin &origin = originNamed(name);
        if (i < peerUrls.size()) {
            origin.peer = true;
            if (origin.refused || origin.running >= peerMaxRunning || m_missing.contains({name, url}))
                continue;
        }
        const auto r = rank(origin);
        if (!bestRank || r < *bestRank) {
            bestRank = r;
            best = {candidate, name, origin.peer, url};
        }
    }
    if (best.isValid())
        ++originNamed(best.origin).running;
    return best;
}

void OriginPool::noteRate(Origin &origin, double rate)
{
    const qint64 now = m_clock.elapsed();
    origin.rate = origin.rateAt < 0 || now - origin.rateAt > rateFreshMs ? rate : 0.7 * origin.rate + 0.3 * rate;
    origin.rateAt = now;
}

void OriginPool::release(const Lease &lease, bool failed, qint64 bytes, qint64 ms, Failure why)
{
    QMutexLocker lock(&m_lock);
    Origin &origin = originNamed(lease.origin);
    origin.running = qMax(0, origin.running - 1);
    if (failed && origin.peer && why == Failure::Missing) {
        m_missing.insert({lease.origin, lease.file});
        return;
    }
    if (failed && origin.peer && why == Failure::WrongBody) {
        origin.refused = true;
        return;
    }
    if (failed && origin.peer) {
        origin.failures = qMin(origin.failures + 1, 4);
        origin.asideUntil = m_clock.elapsed() + (qint64(Patcher::timing().peerAsideMs) << (origin.failures - 1));
        return;
    }
    if (failed) {
        // Set aside 1, 2, 4, 8 times the base, then tried again: origins come back.
        origin.failures = qMin(origin.failures + 1, 4);
        origin.asideUntil = m_clock.elapsed() + (qint64(Patcher::timing().originAsideMs) << (origin.failures - 1));
        return;
    }
    origin.failures = 0;
    origin.asideUntil = -1;
    if (bytes >= rateSampleBytes && ms > 0)
        noteRate(origin, bytes * 1000.0 / ms);
}

void OriginPool::served(const Lease &lease, qint64 bytes)
{
    QMutexLocker lock(&m_lock);
    originNamed(lease.origin).bytes += bytes;
}

bool OriginPool::tooSlow(const Lease &lease, double bytesPerSecond)
{
    QMutexLocker lock(&m_lock);
    const qint64 now = m_clock.elapsed();
    noteRate(originNamed(lease.origin), bytesPerSecond);
    for (auto it = m_origins.cbegin(); it != m_origins.cend(); ++it) {
        if (it.key() == lease.origin || it->asideUntil > now || it->rateAt < 0 || now - it->rateAt > rateFreshMs)
            continue;
        if (it->rate > slowFactor * bytesPerSecond)
            return true;
    }
    return false;
}

QList<QPair<QString, qint64>> OriginPool::bytesPerOrigin() const
{
    QMutexLocker lock(&m_lock);
    QList<QPair<QString, qint64>> out;
    for (const QString &name : m_order)
        out.append({name, m_origins.value(name).bytes});
    return out;
}

QString OriginPool::summary() const
{
    QStringList parts;
    const auto list = bytesPerOrigin();
    QMutexLocker lock(&m_lock);
    for (const auto &[name, bytes] : list)
        parts.append((m_origins.value(name).peer ? QStringLiteral("peer ") : QString()) + name + QLatin1Char(' ')
                     + formatFileSize(bytes));
    return parts.join(QStringLiteral(", "));
}
