#include "support/background.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace Background {
namespace {
std::atomic<bool> stopFlag{false};

struct Registry {
    QMutex mutex;
    QList<QPointer<QThread>> threads;
    QList<QThreadPool *> pools;
    QList<std::function<bool(int)>> stoppers;
};
Registry &registry()
{
    static Registry *r = new Registry;
    return *r;
}
}

bool stopping() { return stopFlag.load(std::memory_order_relaxed); }

void throwIfStopping()
{
    if (stopping())
        throw Stopped();
}

void track(QThread *thread)
{
    QMutexLocker lock(&registry().mutex);
    registry().threads.append(thread);
    registry().threads.removeAll(nullptr);
}

void atStop(std::function<bool(int)> stop)
{
    QMutexLocker lock(&registry().mutex);
    registry().stoppers.append(std::move(stop));
}

void trackPool(QThreadPool *pool)
{
    QMutexLocker lock(&registry().mutex);
    if (!registry().pools.contains(pool))
        registry().pools.append(pool);
}

bool stopAll(int timeoutMs)
{
    stopFlag = true;
    QDeadlineTimer deadline(timeoutMs);
    QList<QPointer<QThread>> threads;
    QList<QThreadPool *> pools;
    QList<std::function<bool(int)>> stoppers;
    {
        QMutexLocker lock(&registry().mutex);
        threads = registry().threads;
        pools = registry().pools;
        stoppers = registry().stoppers;
    }
    pools.prepend(QThreadPool::globalInstance());
    for (const QPointer<QThread> &thread : threads)
        if (thread)
            thread->quit();
    bool ended = true;
    for (const auto &stop : stoppers)
        if (!stop(int(qMax<qint64>(0, deadline.remainingTime()))))
            ended = false;
    for (const QPointer<QThread> &thread : threads)
        if (thread && !thread->wait(deadline))
            ended = false;
    for (QThreadPool *pool : pools)
        if (!pool->waitForDone(int(qMax<qint64>(0, deadline.remainingTime()))))
            ended = false;
    return ended;
}

void yieldToInterface()
{
    // On Linux a nice value belongs to a thread, not to the whole process.
    thread_local bool done = false;
    if (done)
        return;
    done = true;
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 10);
}
}
