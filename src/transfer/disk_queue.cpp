#include "transfer/disk_queue.h"
#include "net/engine.h"
#include "support/background.h"

#include <QCoreApplication>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace DiskQueue {
namespace {
using Clock = std::chrono::steady_clock;

class Queue {
public:
    Queue() { std::thread([this] { serve(); }).detach(); }

    void post(std::function<void()> work)
    {
        {
            std::lock_guard lock(m_mutex);
            m_work.push_back(std::move(work));
        }
        m_wake.notify_one();
    }

    // True when it ran dry by then.
    bool drain(Clock::time_point until)
    {
        std::unique_lock lock(m_mutex);
        return m_idle.wait_until(lock, until, [this] { return m_work.empty() && !m_busy; });
    }

    bool idle()
    {
        std::lock_guard lock(m_mutex);
        return m_work.empty() && !m_busy;
    }

private:
    void serve()
    {
        for (;;) {
            std::function<void()> next;
            {
                std::unique_lock lock(m_mutex);
                m_busy = false;
                if (m_work.empty())
                    m_idle.notify_all();
                m_wake.wait(lock, [this] { return !m_work.empty(); });
                next = std::move(m_work.front());
                m_work.pop_front();
                m_busy = true;
            }
            next();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_work;
    bool m_busy = false;
};

struct Queues {
    Queue writes;
    Queue slow;

    Queues()
    {
        // At the end, transfers end first (their bodies are kept through these queues), then what
        // they left here is done.
        Background::atStop([this](int remainingMs) {
            const auto until = Clock::now() + std::chrono::milliseconds(remainingMs);
            Net::Engine::instance().shutdown(remainingMs);
            return drain(until);
        });
        if (QCoreApplication::instance())
            qAddPostRoutine([] {
                Net::Engine::instance().shutdown(5'000);
                queues().drain(Clock::now() + std::chrono::seconds(5));
            });
    }

    // Each queue may hand work to the other: both are dry only when both are at once.
    bool drain(Clock::time_point until)
    {
        for (;;) {
            if (!writes.drain(until) || !slow.drain(until))
                return false;
            if (writes.idle() && slow.idle())
                return true;
        }
    }

    static Queues &queues()
    {
        static Queues *q = new Queues;
        return *q;
    }
};
}

void post(std::function<void()> work)
{
    Queues::queues().slow.post(std::move(work));
}

void write(std::function<void()> work)
{
    Queues::queues().writes.post(std::move(work));
}

void afterWrites(std::function<void()> work)
{
    write([work = std::move(work)]() mutable { post(std::move(work)); });
}

}
