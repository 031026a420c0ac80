#include "transfer/slow_watch.h"
#include "transfer/downloader.h"
#include "support/patch_timing.h"

SlowWatch::SlowWatch(std::shared_ptr<OriginPool> pool, OriginPool::Lease lease, Downloader *downloader,
                     std::shared_ptr<const void> handle, bool elsewhere)
    : m_pool(std::move(pool)), m_lease(std::move(lease)), m_downloader(downloader), m_handle(std::move(handle)),
      m_elsewhere(elsewhere)
{
    m_clock.start();
    m_timer.setInterval(250);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { check(); });
}

void SlowWatch::arm()
{
    m_clock.restart();
    m_seenBytes = *m_bytes;
    m_seenAt = 0;
    // Without another origin for the file there is nowhere better to go.
    if (m_pool && m_elsewhere)
        m_timer.start();
}

QString SlowWatch::why()
{
    return QStringLiteral("The server was much slower than the others.");
}

void SlowWatch::check()
{
    const qint64 ms = m_clock.elapsed();
    if (m_stopped)
        return;
    if (*m_bytes != m_seenBytes || *m_held) {
        m_seenBytes = *m_bytes;
        m_seenAt = ms;
    }
    // A peer that went quiet (switched off, asleep, gone from the network) is left within seconds.
    const bool stalledPeer = m_lease.peer && ms - m_seenAt >= Patcher::timing().peerStallMs;
    if (!stalledPeer && ms < Patcher::timing().slowJudgeMs)
        return;
    if (!stalledPeer && !m_pool->tooSlow(m_lease, *m_bytes * 1000.0 / ms))
        return;
    // A transfer that has not begun yet (or has just ended) is judged again at the next look.
    if (!m_downloader->stop(m_handle, why()))
        return;
    m_stopped = true;
    m_timer.stop();
}
