#pragma once
#include <QEventLoop>
#include <QCoro/QCoroTask>
#include <exception>
#include <optional>

// Runs a task to its end in a nested event loop and returns its result, rethrowing what it threw
// (QCoro::waitFor never returns when the task throws). For tests only.
template<typename T>
T awaitTask(QCoro::Task<T> task)
{
    QEventLoop loop;
    bool done = false;
    std::exception_ptr error;
    std::conditional_t<std::is_void_v<T>, bool, std::optional<T>> result{};
    auto runner = [&]() -> QCoro::Task<> {
        try {
            if constexpr (std::is_void_v<T>)
                co_await task;
            else
                result = co_await task;
        } catch (...) {
            error = std::current_exception();
        }
        done = true;
        loop.quit();
    };
    auto running = runner();
    if (!done)
        loop.exec();
    if (error)
        std::rethrow_exception(error);
    if constexpr (!std::is_void_v<T>)
        return std::move(*result);
}
