#include "net/engine.h"
#include "net/curl_transfer.h"
#include "net/proxy.h"
#include "support/background.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace Net {
namespace {
using std::chrono::milliseconds;

// Every update's parallel fetches to one host get a connection each over HTTP/1.1.
constexpr long maxHostConnections = 8;
constexpr long cachedConnections = 32;
// How often timers are looked at.
constexpr int tickMs = 100;
// A transfer must bring at least this much in every window, or it fails as too slow.
constexpr qint64 minimumBytes = 1024;

struct Command {
    enum Kind { Start, Cancel, Retry, Run, Resume } kind = Retry;
    std::unique_ptr<Transfer> transfer;
    Engine::Id id = 0;
    QString why;
    std::function<void()> work;
    const Sink *sink = nullptr;
};

}

QByteArray headerOf(const QList<Header> &headers, const QByteArray &name)
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

class Engine::Impl {
public:
    Impl()
    {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        m_multi = curl_multi_init();
        curl_multi_setopt(m_multi, CURLMOPT_MAX_HOST_CONNECTIONS, maxHostConnections);
        curl_multi_setopt(m_multi, CURLMOPT_MAXCONNECTS, cachedConnections);
        // One thread uses every handle: TLS sessions and name lookups are shared without locks.
        m_share = curl_share_init();
        curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
        curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
        m_thread = std::thread([this] { run(); });
    }

    Engine::Id start(Request request, std::shared_ptr<Sink> sink)
    {
        auto t = std::make_unique<Transfer>();
        t->id = ++m_lastId;
        t->request = std::move(request);
        t->sink = std::move(sink);
        if (t->request.deadlineMs > 0)
            t->deadline = Clock::now() + milliseconds(t->request.deadlineMs);
        const Engine::Id id = t->id;
        {
            std::lock_guard lock(m_queueMutex);
            if (!m_ended) {
                m_queue.push_back({Command::Start, std::move(t), id, {}, {}});
                wake();
                return id;
            }
        }
        t->sink->onEnd({Ending::Stopped, Ending::Other, Background::Stopped().errorDescription()}, {});
        return id;
    }

    void post(Command command)
    {
        std::lock_guard lock(m_queueMutex);
        if (m_ended)
            return;
        m_queue.push_back(std::move(command));
        wake();
    }

    bool shutdown(int timeoutMs)
    {
        {
            std::lock_guard lock(m_queueMutex);
            m_stopping = true;
            if (!m_ended)
                curl_multi_wakeup(m_multi);
        }
        std::unique_lock lock(m_queueMutex);
        const bool ended = m_endedCondition.wait_for(lock, milliseconds(timeoutMs), [this] { return m_ended; });
        lock.unlock();
        if (ended && m_thread.joinable())
            m_thread.join();
        return ended;
    }

private:
    // The network thread looks at its queue before it waits: it never needs waking itself.
    void wake()
    {
        if (std::this_thread::get_id() != m_threadId)
            curl_multi_wakeup(m_multi);
    }

    void run()
    {
        m_threadId = std::this_thread::get_id();
        Background::yieldToInterface();
        std::deque<Command> commands;
        for (;;) {
            {
                std::lock_guard lock(m_queueMutex);
                commands.swap(m_queue);
                if (m_stopping)
                    break;
            }
            for (Command &command : commands)
                obey(command);
            commands.clear();
            int running = 0;
            curl_multi_perform(m_multi, &running);
            collectEnded();
            tick();
            bool queued = false;
            {
                std::lock_guard lock(m_queueMutex);
                queued = !m_queue.empty();
            }
            curl_multi_poll(m_multi, nullptr, 0, queued ? 0 : pollMs(), nullptr);
        }
        // Transfers queued and never started end too, so every sink hears once.
        for (Command &command : commands)
            if (command.transfer)
                command.transfer->sink->onEnd({Ending::Stopped, Ending::Other, Background::Stopped().errorDescription()}, {});
        std::vector<Transfer *> all;
        for (auto &[easy, t] : m_running)
            all.push_back(t);
        for (auto &t : m_waiting)
            all.push_back(t.get());
        for (Transfer *t : all)
            finish(t, {Ending::Stopped, Ending::Other, Background::Stopped().errorDescription()});
        std::deque<Command> late;
        {
            std::lock_guard lock(m_queueMutex);
            late.swap(m_queue);
            m_ended = true;
        }
        // Outside the lock: a sink's end takes its owner's lock, which may be waiting for ours.
        for (Command &command : late)
            if (command.transfer)
                command.transfer->sink->onEnd({Ending::Stopped, Ending::Other, Background::Stopped().errorDescription()}, {});
        m_endedCondition.notify_all();
    }

    void obey(Command &command)
    {
        switch (command.kind) {
        case Command::Start:
            m_waiting.push_back(std::move(command.transfer));
            startWaiting();
            break;
        case Command::Retry:
            startWaiting();
            break;
        case Command::Cancel:
            if (Transfer *t = find(command.id))
                finish(t, {Ending::Cancelled, Ending::Other, command.why});
            break;
        case Command::Run:
            command.work();
            break;
        case Command::Resume:
            for (auto &[easy, t] : m_running)
                if (t->sink.get() == command.sink && t->paused && !t->wakeAt)
                    t->wakeAt = Clock::now();
            break;
        }
    }

    Transfer *find(Engine::Id id)
    {
        for (auto &[easy, t] : m_running)
            if (t->id == id)
                return t;
        for (auto &t : m_waiting)
            if (t->id == id)
                return t.get();
        return nullptr;
    }

    // Transfers whose proxy is known go out; the others wait for its look-up.
    void startWaiting()
    {
        for (auto at = m_waiting.begin(); at != m_waiting.end();) {
            const std::optional<QByteArray> proxy = Proxy::known((*at)->request.url);
            if (!proxy) {
                Proxy::lookUp((*at)->request.url, [this] { post({Command::Retry, nullptr, 0, {}, {}}); });
                ++at;
                continue;
            }
            std::unique_ptr<Transfer> t = std::move(*at);
            at = m_waiting.erase(at);
            begin(std::move(t), *proxy);
        }
    }

    void begin(std::unique_ptr<Transfer> owned, const QByteArray &proxy)
    {
        Transfer *t = owned.release();
        t->easy = openEasy(t, m_share, proxy);
        if (!t->easy) {
            finish(t, {Ending::Failed, Ending::Other, QStringLiteral("The request could not be set up.")});
            return;
        }
        m_running.emplace(t->easy, t);
        curl_multi_add_handle(m_multi, t->easy);
    }

    void collectEnded()
    {
        int left = 0;
        while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
            if (message->msg != CURLMSG_DONE)
                continue;
            const auto at = m_running.find(message->easy_handle);
            if (at != m_running.end())
                complete(at->second, message->data.result);
        }
    }

    void complete(Transfer *t, CURLcode code)
    {
        if (code == CURLE_OK && t->redirected) {
            follow(t);
            return;
        }
        if (code == CURLE_OK && !t->announced && !t->refused) {
            if (const QUrl next = redirectOf(t); !next.isEmpty()) {  // a redirect with no body
                follow(t);
                return;
            }
        }
        if (code == CURLE_OK && !t->refused && !t->announced)
            announce(t);
        if (t->refused) {
            finish(t, {Ending::Refused, Ending::Other, {}});
            return;
        }
        if (code == CURLE_OK) {
            finish(t, cutShort(t) ? Ending{Ending::Failed, Ending::Other, QStringLiteral("The answer was cut short.")}
                                  : Ending{});
            return;
        }
        finish(t, failureOf(t, code));
    }

    // The next hop goes out as a request of its own, through the proxy for its address.
    void follow(Transfer *t)
    {
        QString why;
        if (!redirect(t, redirectOf(t), why)) {
            finish(t, {Ending::Failed, Ending::Other, why});
            return;
        }
        curl_multi_remove_handle(m_multi, t->easy);
        curl_easy_cleanup(t->easy);
        m_running.erase(t->easy);
        t->easy = nullptr;
        curl_slist_free_all(t->headerList);
        t->headerList = nullptr;
        m_waiting.emplace_back(t);
        startWaiting();
    }

    void finish(Transfer *t, const Ending &ending)
    {
        if (t->easy) {
            curl_multi_remove_handle(m_multi, t->easy);
            curl_easy_cleanup(t->easy);
            m_running.erase(t->easy);
        } else {
            for (auto at = m_waiting.begin(); at != m_waiting.end(); ++at)
                if (at->get() == t) {
                    at->release();
                    m_waiting.erase(at);
                    break;
                }
        }
        curl_slist_free_all(t->headerList);
        const Response response = t->announced ? t->response : Response{};
        const std::shared_ptr<Sink> sink = std::move(t->sink);
        delete t;
        sink->onEnd(ending, response);
    }

    // Until the next paused transfer is due, or the next look at the timers.
    int pollMs() const
    {
        const Clock::time_point now = Clock::now();
        Clock::time_point next = now + milliseconds(tickMs);
        for (const auto &[easy, t] : m_running)
            if (t->paused && t->wakeAt)
                next = std::min(next, *t->wakeAt);
        return int(std::max<Clock::rep>(0, std::chrono::ceil<milliseconds>(next - now).count()));
    }

    void tick()
    {
        const Clock::time_point now = Clock::now();
        // Paused transfers that are due get their bytes offered again, starting with another one
        // each time so that none is always first to the limit's budget.
        std::vector<Transfer *> due;
        for (auto &[easy, t] : m_running)
            if (t->paused && t->wakeAt && *t->wakeAt <= now)
                due.push_back(t);
        if (!due.empty()) {
            const size_t first = m_rotation++ % due.size();
            std::rotate(due.begin(), due.begin() + qsizetype(first), due.end());
        }
        for (Transfer *t : due) {
            // Time held back (by the limit, by a busy disk) does not count against the transfer.
            const auto held = now - t->pausedAt;
            t->lastByte += held;
            t->windowStart += held;
            t->paused = false;
            t->wakeAt.reset();
            curl_easy_pause(t->easy, CURLPAUSE_CONT);
        }
        std::vector<std::pair<Transfer *, Ending>> late;
        for (auto &[easy, t] : m_running) {
            if (t->deadline && now > *t->deadline) {
                late.push_back({t, {Ending::TimedOut, Ending::Deadline, QStringLiteral("The transfer took too long.")}});
            } else if (t->begun && !t->paused && now - t->lastByte > milliseconds(t->request.idleMs)) {
                late.push_back({t, {Ending::TimedOut, Ending::Other,
                                    QStringLiteral("The server sent nothing for %1 s.").arg(qMax(1, t->request.idleMs / 1000))}});
            } else if (t->begun && !t->paused && now - t->windowStart >= milliseconds(t->request.minimumWindowMs)) {
                if (t->windowBytes < minimumBytes)
                    late.push_back({t, {Ending::TimedOut, Ending::Other, QStringLiteral("The server sent less than 1 KB in %1 s.")
                                                                              .arg(qMax(1, t->request.minimumWindowMs / 1000))}});
                t->windowStart = now;
                t->windowBytes = 0;
            }
        }
        for (auto &t : m_waiting)
            if (t->deadline && now > *t->deadline)
                late.push_back({t.get(), {Ending::TimedOut, Ending::Deadline, QStringLiteral("The transfer took too long.")}});
        for (auto &[t, ending] : late)
            finish(t, ending);
    }

    CURLM *m_multi = nullptr;
    CURLSH *m_share = nullptr;
    std::thread m_thread;
    std::atomic<std::thread::id> m_threadId;
    std::atomic<Engine::Id> m_lastId{0};
    std::mutex m_queueMutex;
    std::condition_variable m_endedCondition;
    std::deque<Command> m_queue;
    bool m_stopping = false;
    bool m_ended = false;
    // Network thread only.
    std::unordered_map<CURL *, Transfer *> m_running;
    std::vector<std::unique_ptr<Transfer>> m_waiting;  // for their proxy
    size_t m_rotation = 0;
};

Engine::Engine() : d(new Impl) {}

Engine &Engine::instance()
{
    static Engine *engine = [] {
        auto *made = new Engine;
        // Bodies in flight are kept for resuming when the launcher quits, and the thread ends
        // before the process does.
        Background::atStop([made](int remainingMs) { return made->shutdown(remainingMs); });
        if (QCoreApplication::instance())
            qAddPostRoutine([] { instance().shutdown(5'000); });
        return made;
    }();
    return *engine;
}

Engine::Id Engine::start(Request request, std::shared_ptr<Sink> sink)
{
    return d->start(std::move(request), std::move(sink));
}

void Engine::run(std::function<void()> work)
{
    d->post({Command::Run, nullptr, 0, {}, std::move(work)});
}

void Engine::resume(const Sink *sink)
{
    Command command{Command::Resume, nullptr, 0, {}, {}};
    command.sink = sink;
    d->post(std::move(command));
}

void Engine::cancel(Id id, QString why)
{
    d->post({Command::Cancel, nullptr, id, std::move(why), {}});
}

bool Engine::shutdown(int timeoutMs)
{
    return d->shutdown(timeoutMs);
}

}
