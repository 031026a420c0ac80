#pragma once
#include "support/launcher_error.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <QCoro/QCoroFuture>
#include <QCoro/QCoroTask>
#include <exception>
#include <functional>
#include <optional>
#include <type_traits>

class QThread;

// Work that runs off the GUI thread, and its end when the application quits.
namespace Background {

// Thrown by long work that stopped because the application is quitting.
class Stopped : public PlatformError {
public:
    Stopped() : PlatformError(QStringLiteral("The launcher is quitting.")) {}
};

// True once stopAll() has begun: long loops check it between steps and throw Stopped.
bool stopping();
void throwIfStopping();

// Threads of our own (the downloaders') that must end before the process does. A tracked thread
// is asked to quit by stopAll(); it is forgotten when destroyed.
void track(QThread *thread);
// A pool whose tasks stopAll() waits for (the global pool is always waited for).
void trackPool(QThreadPool *pool);
// Work of another kind that stopAll() ends: called with the milliseconds left, true when it ended.
void atStop(std::function<bool(int remainingMs)> stop);

// Stops everything started through this namespace and waits up to timeoutMs for it to end.
// True when nothing is left running. Called once, on the GUI thread, after the event loop ends.
bool stopAll(int timeoutMs);

// Lowers the calling thread's scheduling priority (nice 10) so that hashing and disk work never
// take the CPU from the window's own threads on a machine with few cores.
void yieldToInterface();

// Runs work on the pool and resumes the caller on its own thread with work's result, or with the
// very exception work threw (QtConcurrent alone would turn it into QUnhandledException and lose
// its message).
template<typename Work>
QCoro::Task<std::invoke_result_t<Work>> run(Work work, QThreadPool *pool = QThreadPool::globalInstance())
{
    using T = std::invoke_result_t<Work>;
    using Value = std::conditional_t<std::is_void_v<T>, bool, std::optional<T>>;
    struct Outcome {
        Value value{};
        std::exception_ptr error;
    };
    // Named, not a temporary: GCC 12 destroys a lambda temporary inside co_await twice.
    const auto guarded = [work = std::move(work)]() mutable -> Outcome {
        Outcome outcome;
        try {
            if constexpr (std::is_void_v<T>) {
                work();
                outcome.value = true;
            } else {
                outcome.value = work();
            }
        } catch (...) {
            outcome.error = std::current_exception();
        }
        return outcome;
    };
    Outcome outcome = co_await QtConcurrent::run(pool, guarded);
    if (outcome.error)
        std::rethrow_exception(outcome.error);
    if constexpr (!std::is_void_v<T>)
        co_return std::move(*outcome.value);
}

}
