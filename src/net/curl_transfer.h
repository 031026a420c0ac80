#pragma once
// The network thread's view of one transfer and of the libcurl handle behind it. Only the engine
// includes this: no other file sees libcurl.
#include "net/engine.h"

#include <curl/curl.h>
#include <chrono>
#include <optional>

namespace Net {

using Clock = std::chrono::steady_clock;

struct Transfer {
    Engine::Id id = 0;
    Request request;
    std::shared_ptr<Sink> sink;
    CURL *easy = nullptr;
    curl_slist *headerList = nullptr;
    char error[CURL_ERROR_SIZE] = {};
    Response response;      // the latest answer's status line and headers
    bool announced = false; // the sink has had onResponse
    bool refused = false;   // the sink said Stop
    bool paused = false;
    bool begun = false;     // a connection is ready and the request goes out
    Clock::time_point lastByte;
    Clock::time_point windowStart;
    Clock::time_point pausedAt;
    std::optional<Clock::time_point> wakeAt;  // while paused: when to offer the bytes again; none: at resume()
    std::optional<Clock::time_point> deadline;
    qint64 windowBytes = 0;
    qint64 bodyBytes = 0;
    int hops = 0;            // redirects followed so far
    bool redirected = false; // this answer sends the request elsewhere: its body is dropped
};

// A libcurl handle for the transfer, every option set and its callbacks pointing at it.
CURL *openEasy(Transfer *t, CURLSH *share, const QByteArray &proxy);
// The sink hears the final answer's status and headers (when no body came, at the end).
void announce(Transfer *t);
// Where a redirect that is to be followed points; empty for any other answer.
QUrl redirectOf(const Transfer *t);
// The request again for the next hop: the method a browser would use, and no credentials for
// another origin. False, with the reason, when the hop is not allowed.
bool redirect(Transfer *t, const QUrl &next, QString &why);
// A body shorter than its length said.
bool cutShort(const Transfer *t);
// What a failed transfer ends with: the transport's words, and whether TLS or a proxy failed.
Ending failureOf(Transfer *t, CURLcode code);

}
