#include "patch/meter.h"

#include <chrono>

Meter::Meter(qint64 total, Report report, Clock clock)
    : m_total(total), m_report(std::move(report)), m_clock(clock ? std::move(clock) : Clock(&Meter::monotonicSeconds))
{
}

double Meter::monotonicSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void Meter::add(qint64 n)
{
    count(n, 0);
}

void Meter::addOther(qint64 n)
{
    count(0, n);
}

namespace {
constexpr double rateWindow = 4.0;
// Long enough that a burst or a short stall barely moves the estimate between two reports.
constexpr double timeLeftWindow = 10.0;
}

void Meter::count(qint64 done, qint64 other)
{
    qint64 reported;
    double rate = 0, secondsLeft = -1;
    {
        QMutexLocker lock(&m_lock);
        m_done = qMax<qint64>(0, m_done + done);
        m_other += other;
        const double now = m_clock();
        if (now - m_lastReport <= 0.25)
            return;
        m_lastReport = now;
        m_window.append({now, m_done + m_other});
        m_window.removeIf([now](const Sample &s) { return now - s.at > rateWindow; });
        const Sample &oldest = m_window.first();
        if (now - oldest.at > 0.2)
            rate = double(m_done + m_other - oldest.bytes) / (now - oldest.at);
        m_files.append({now, m_done});
        m_files.removeIf([now](const Sample &s) { return now - s.at > timeLeftWindow; });
        const Sample &first = m_files.first();
        const double span = now - first.at;
        if (span >= timeLeftWindow / 2 && m_done > first.bytes)
            secondsLeft = double(qMax<qint64>(0, m_total - m_done)) * span / double(m_done - first.bytes);
        reported = m_done;
    }
    m_report(PatchPhase::downloading(qMin(reported, m_total), m_total, rate >= 0 ? rate : 0, secondsLeft));
}

void Meter::addKept(qint64 n)
{
    QMutexLocker lock(&m_lock);
    m_done = qMax<qint64>(0, m_done + n);
    // Shifting every sample keeps the differences, which is all the rate is made of.
    for (Sample &sample : m_window)
        sample.bytes += n;
    for (Sample &sample : m_files)
        sample.bytes += n;
}
