#include "transfer/rate_limiter.h"

#include <chrono>

namespace {
double monotonicSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}

RateLimiter::RateLimiter(Clock clock) : m_clock(clock ? std::move(clock) : Clock(&monotonicSeconds))
{
    m_last = m_clock();
}

void RateLimiter::setLimit(qint64 bytesPerSecond)
{
    QMutexLocker lock(&m_mutex);
    refill();
    m_limit = qMax<qint64>(0, bytesPerSecond);
    // A debt run up under the old limit would stop every transfer under the new one.
    m_tokens = qBound(0.0, m_tokens, m_limit * 0.5);
}

qint64 RateLimiter::quantum(qint64 limit)
{
    return qBound(qint64(1) << 10, limit / 20, qint64(64) << 10);
}

qint64 RateLimiter::limit() const
{
    QMutexLocker lock(&m_mutex);
    return m_limit;
}

void RateLimiter::refill()
{
    const double now = m_clock();
    if (m_limit > 0)
        m_tokens = qMin(m_limit * 0.5, m_tokens + (now - m_last) * double(m_limit));
    m_last = now;
}

qint64 RateLimiter::take(qint64 wanted)
{
    QMutexLocker lock(&m_mutex);
    if (m_limit <= 0)
        return wanted;
    refill();
    const qint64 granted = qBound<qint64>(0, qint64(m_tokens), wanted);
    m_tokens -= double(granted);
    return granted;
}

bool RateLimiter::admit(qint64 bytes, double *wait)
{
    QMutexLocker lock(&m_mutex);
    if (m_limit <= 0)
        return true;
    refill();
    // A block is let through once the bucket holds it, or holds all it can (a block larger than
    // half a second of the limit): the debt is then at most the difference.
    const double needed = qMin(double(bytes), m_limit * 0.5);
    if (m_tokens < needed) {
        if (wait)
            *wait = (needed - m_tokens) / double(m_limit);
        return false;
    }
    m_tokens -= double(bytes);
    return true;
}

void RateLimiter::giveBack(qint64 bytes)
{
    QMutexLocker lock(&m_mutex);
    if (m_limit > 0 && bytes > 0)
        m_tokens = qMin(m_limit * 0.5, m_tokens + double(bytes));
}

RateLimiter &RateLimiter::global()
{
    static RateLimiter *limiter = new RateLimiter;
    return *limiter;
}
