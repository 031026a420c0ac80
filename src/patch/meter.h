#pragma once
#include "patch/phase.h"

#include <QList>
#include <QMutex>
#include <functional>

// Counts the bytes of all downloads of one update run and turns them into throttled progress
// reports (at most one per 0.25 s) with a rate averaged over the last 4 s, and the time left from
// the files' own bytes over the last 10 s, once that window is half full. Safe from any thread.
class Meter {
public:
    using Clock = std::function<double()>;  // seconds, monotonic
    using Report = std::function<void(const PatchPhase &)>;

    Meter(qint64 total, Report report, Clock clock = {});
    // Positive for received bytes, negative to take back the bytes of a failed attempt.
    void add(qint64 n);
    // Bytes read that are no file's (an error page): they move the rate, never the bar.
    void addOther(qint64 n);
    // Bytes already on disk from before (a kept body), or taken back when it turns out unusable:
    // they move the bar, never the rate. Reports nothing by itself.
    void addKept(qint64 n);

    static double monotonicSeconds();

private:
    void count(qint64 done, qint64 other);
    struct Sample {
        double at;
        qint64 bytes;
    };
    QMutex m_lock;
    qint64 m_done = 0;
    qint64 m_other = 0;
    const qint64 m_total;
    const Report m_report;
    const Clock m_clock;
    double m_lastReport = -1e18;  // the distant past: the first add always reports
    QList<Sample> m_window;  // bytes read, error pages included: the rate
    QList<Sample> m_files;   // the files' bytes only: the time left
};
