// The downloader's pacing under the speed limit: how much Qt may buffer per reply, and the pump
// that shares the limit among the transfers with bytes waiting.
#include "transfer/download_worker.h"
#include "transfer/rate_limiter.h"

#include <QNetworkReply>
#include <algorithm>

namespace {
// Under a limit the pump hands out about 2 MB a tick, between 10 and 200 ticks a second: few
// wake-ups at low limits, small bursts at high ones.
int pumpIntervalMs(qint64 limit)
{
    return int(qBound(qint64(5), 2'000'000'000LL / limit, qint64(100)));
}
}

qint64 DownloadWorker::readBufferSize() const
{
    const qint64 limit = RateLimiter::global().limit();
    // A limit above what arrives holds nothing back, and costs nothing: larger buffers mean
    // larger blocks of fresh memory for every read of the network thread.
    if (limit <= 0 || !m_heldBack)
        return qint64(1) << 20;
    // Three ticks of the whole limit: one transfer alone can take all of it even when a tick comes
    // late, yet little waits in Qt's buffers, so TCP itself slows the sender.
    const double ticks = qMin(double(limit) * pumpIntervalMs(limit) * 3 / 1000, double(16 << 20));
    return qMax(qint64(16) << 10, qint64(ticks));
}

// All that waits when the share covers it: handed over as Qt holds it, where a read of a part
// copies it into fresh memory (page faults and unmaps that cost more than the copy).
QByteArray DownloadWorker::readUpTo(QNetworkReply *reply, qint64 bytes)
{
    return bytes >= reply->bytesAvailable() ? reply->readAll() : reply->read(bytes);
}

// Spends the speed limit's share among the transfers that have bytes waiting, evenly.
void DownloadWorker::pump()
{
    RateLimiter &limiter = RateLimiter::global();
    const qint64 limit = limiter.limit();
    if (limit > 0)
        m_pump->setInterval(pumpIntervalMs(limit));
    const qint64 buffer = readBufferSize();
    if (buffer != m_bufferSize) {
        m_bufferSize = buffer;
        for (QNetworkReply *reply : m_transfers.keys())
            reply->setReadBufferSize(buffer);
    }
    QList<TransferPtr> waiting;
    for (const TransferPtr &t : std::as_const(m_transfers))
        if (t->body && (t->reply->bytesAvailable() > 0 || t->finished))
            waiting.append(t);
    std::sort(waiting.begin(), waiting.end(),
              [](const TransferPtr &a, const TransferPtr &b) { return a->reply->bytesAvailable() < b->reply->bytesAvailable(); });
    const bool limited = limiter.limited();
    qint64 wanted = 0;
    for (const TransferPtr &t : std::as_const(waiting))
        wanted += t->reply->bytesAvailable();
    qint64 budget = limited ? limiter.take(wanted) : wanted;
    for (qsizetype i = 0; i < waiting.size(); ++i) {
        const TransferPtr &t = waiting.at(i);
        const qint64 share = limited ? budget / (waiting.size() - i) : t->reply->bytesAvailable();
        const QByteArray data = readUpTo(t->reply, share);
        budget -= data.size();
        if (!consume(t, data))
            continue;
        if (t->finished && t->reply->bytesAvailable() == 0)
            complete(t);
    }
    if (limited)
        limiter.giveBack(budget);
    if (!limited || m_transfers.isEmpty())
        m_pump->stop();
}
