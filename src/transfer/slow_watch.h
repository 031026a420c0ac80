#pragma once
#include "transfer/origin_pool.h"

#include <QElapsedTimer>
#include <QTimer>
#include <atomic>
#include <memory>

class Downloader;

// Watches one running transfer and stops it (its body kept) when its origin serves far slower
// than another, so that the rest comes from there. Only with mirrors; lives on the calling thread.
class SlowWatch {
public:
    SlowWatch(std::shared_ptr<OriginPool> pool, OriginPool::Lease lease, Downloader *downloader,
              std::shared_ptr<const void> handle, bool elsewhere);
    // The transfer is about to start: its clocks start now, not while its kept bytes were hashed.
    void arm();
    // Where the transfer's body bytes are counted (from the downloader's thread, which must never
    // hold the watch itself: its timer belongs to this thread).
    std::shared_ptr<std::atomic<qint64>> counter() const { return m_bytes; }
    // Set by the transfer while it is held back: not a silence of its origin.
    std::shared_ptr<std::atomic<bool>> held() const { return m_held; }
    qint64 bytes() const { return *m_bytes; }
    qint64 elapsed() const { return m_clock.elapsed(); }
    bool stopped() const { return m_stopped; }

    static QString why();

private:
    void check();

    std::shared_ptr<OriginPool> m_pool;
    OriginPool::Lease m_lease;
    Downloader *m_downloader;
    std::shared_ptr<const void> m_handle;
    std::shared_ptr<std::atomic<qint64>> m_bytes = std::make_shared<std::atomic<qint64>>(0);
    std::shared_ptr<std::atomic<bool>> m_held = std::make_shared<std::atomic<bool>>(false);
    QElapsedTimer m_clock;
    QTimer m_timer;
    bool m_elsewhere = false;
    bool m_stopped = false;
    qint64 m_seenBytes = 0;
    qint64 m_seenAt = 0;  // when m_seenBytes last grew
};
