#pragma once
#include <QMetaObject>
#include <QObject>
#include <coroutine>
#include <mutex>
#include <optional>

// One value handed from any thread to a coroutine that awaits it on a thread with an event loop:
// the waiter resumes there through a single posted call, far lighter than a QFuture and its
// watcher when thousands of small downloads end one after another.
template<typename T>
class Handoff {
public:
    // Any thread, once.
    void deliver(T value)
    {
        std::coroutine_handle<> waiter;
        QObject *context = nullptr;
        {
            std::lock_guard lock(m_mutex);
            m_value = std::move(value);
            waiter = m_waiter;
            context = m_context;
        }
        if (waiter)
            QMetaObject::invokeMethod(context, [waiter] { waiter.resume(); }, Qt::QueuedConnection);
    }

    auto operator co_await()
    {
        struct Awaiter {
            Handoff *handoff;
            bool await_ready()
            {
                std::lock_guard lock(handoff->m_mutex);
                return handoff->m_value.has_value();
            }
            bool await_suspend(std::coroutine_handle<> waiter)
            {
                std::lock_guard lock(handoff->m_mutex);
                if (handoff->m_value)
                    return false;  // delivered meanwhile: go on at once
                handoff->m_waiter = waiter;
                handoff->m_context = threadContext();
                return true;
            }
            T await_resume()
            {
                std::lock_guard lock(handoff->m_mutex);
                return std::move(*handoff->m_value);
            }
        };
        return Awaiter{this};
    }

private:
    // An object that lives in the calling thread, for calls posted to it.
    static QObject *threadContext()
    {
        thread_local QObject *context = new QObject;
        return context;
    }

    std::mutex m_mutex;
    std::optional<T> m_value;
    std::coroutine_handle<> m_waiter;
    QObject *m_context = nullptr;
};
