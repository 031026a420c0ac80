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
struct Queue {
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<std::function<void()>> work;
    bool busy = false;

    Queue()
    {
        std::thread([this] { serve(); }).detach();
        // At the end, transfers end first (their bodies are kept through this queue), then what
        // they left here is done.
        Background::atStop([this](int remainingMs) {
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(remainingMs);
            Net::Engine::instance().shutdown(remainingMs);
            return drain(until);
        });
        if (QCoreApplication::instance())
            qAddPostRoutine([] {
                Net::Engine::instance().shutdown(5'000);
                queue().drain(std::chrono::steady_clock::now() + std::chrono::seconds(5));
            });
    }
    static Queue &queue();

    void serve()
    {
        for (;;) {
            std::function<void()> next;
            {
                std::unique_lock lock(mutex);
                busy = false;
                idle.notify_all();
                wake.wait(lock, [this] { return !work.empty(); });
                next = std::move(work.front());
                work.pop_front();
                busy = true;
            }
            next();
        }
    }

    bool drain(std::chrono::steady_clock::time_point until)
    {
        std::unique_lock lock(mutex);
        return idle.wait_until(lock, until, [this] { return work.empty() && !busy; });
    }
};

Queue &Queue::queue()
{
    static Queue *q = new Queue;
    return *q;
}
}

void post(std::function<void()> work)
{
    Queue &q = Queue::queue();
    {
        std::lock_guard lock(q.mutex);
        q.work.push_back(std::move(work));
    }
    q.wake.notify_one();
}

}
