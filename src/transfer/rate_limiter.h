#pragma once
#include <QMutex>
#include <functional>

// One download speed limit for the whole process: a token bucket that every transfer reads its
// share from. Refilled continuously at the limit, holding at most half a second of it, so
// the rate over a second stays close to the limit. Safe from any thread.
class RateLimiter {
public:
    using Clock = std::function<double()>;  // seconds, monotonic

    explicit RateLimiter(Clock clock = {});
    // Bytes per second; 0 or less means no limit. Takes effect at once.
    void setLimit(qint64 bytesPerSecond);
    qint64 limit() const;
    bool limited() const { return limit() > 0; }

    // Grants up to `wanted` bytes now: all of them without a limit, else what the bucket holds.
    qint64 take(qint64 wanted);
    // Returns bytes granted but not used.
    void giveBack(qint64 bytes);
    // Lets a whole block through once the bucket holds it (or is full); false, taking nothing,
    // before, with the seconds until it will in `wait`. For transfers whose blocks cannot be split.
    bool admit(qint64 bytes, double *wait = nullptr);
    // The size of the blocks a transfer should read under this limit: about 1/20 s of it.
    static qint64 quantum(qint64 limit);

    // The limiter that all downloads of the process share.
    static RateLimiter &global();

private:
    void refill();
    mutable QMutex m_mutex;
    Clock m_clock;
    qint64 m_limit = 0;
    double m_tokens = 0;
    double m_last = 0;
};
