#include "net/http.h"
#include "patch/patcher.h"
#include "support/background.h"
#include "support/launcher_error.h"

#include <QCoro/QCoroTimer>
#include <chrono>

namespace Patcher {

Timing &timing()
{
    static Timing values;
    return values;
}

static Http::Session &manifestSession()
{
    static Http::Session *session = new Http::Session(
        "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/124.0.0.0 Safari/537.36",
        timing().manifestIdleMs);
    return *session;
}

QCoro::Task<Manifest> fetchManifest(QUrl url)
{
    Http::Session &session = manifestSession();
    session.setIdleTimeoutMs(timing().manifestIdleMs);
    for (int attempt = 0; attempt < 5; ++attempt) {
        try {
            const Http::Reply reply = co_await session.send("GET", url);
            if (reply.status == 200) {
                // A manifest of 100,000 entries takes longer to decode than a frame lasts.
                const QByteArray body = reply.body;
                const auto decode = [body] { return Manifest::decode(body); };
                co_return co_await Background::run(decode);
            }
        } catch (...) {
            // Any failure counts as one failed attempt; the cause is not reported.
        }
        if (attempt == 4)
            break;
        const auto wait = std::chrono::milliseconds(qRound((attempt + 1) * 400 * timing().retryWaitScale));
        co_await QCoro::sleepFor(wait);
    }
    throw LauncherError::network(LauncherError::patchUnreachable());
}

}
