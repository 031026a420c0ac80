#pragma once
#include "net/request.h"

#include <QString>
#include <functional>
#include <memory>

// The process's one HTTP engine: a thread of its own runs every request and download of the
// launcher over shared connections, TLS sessions and name lookups. Owners hand it work from any
// thread and hear back through their Sink on that network thread.
namespace Net {

class Engine {
public:
    using Id = quint64;

    static Engine &instance();

    // Starts a transfer; the sink hears of it until its onEnd(). Any thread.
    Id start(Request request, std::shared_ptr<Sink> sink);
    // Runs work on the network thread, in order with the transfers asked for before it. Any thread.
    void run(std::function<void()> work);
    // Ends the transfer as Cancelled with `why` as its message; nothing when it has ended. Any thread.
    void cancel(Id id, QString why);
    // The transfer of this sink, when it waits to be resumed (its laterMs() was negative), is offered its
    // bytes again; nothing when it waits for nothing or has ended. Any thread.
    void resume(const Sink *sink);
    // Ends every transfer (Stopped) and then the thread, waiting for it up to timeoutMs; later
    // transfers end Stopped at once. True when the thread ended in time.
    bool shutdown(int timeoutMs);

    class Impl;

private:
    Engine();
    Impl *d;  // lives as long as the process
};

}
