#include "net/http.h"
#include "patch/manifest_trust.h"
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
    const QByteArray publicKey = trust().publicKey;
    const QString address = url.toString(QUrl::FullyEncoded);
    bool unsigned_ = false;  // the last attempt found the manifest but no signature
    for (int attempt = 0; attempt < 5; ++attempt) {
        try {
            const Http::Reply reply = co_await session.send("GET", url);
            if (reply.status == 200) {
                QByteArray signature;
                if (!publicKey.isEmpty()) {
                    const Http::Reply sig = co_await session.send("GET", QUrl(address + QStringLiteral(".sig")));
                    unsigned_ = sig.status != 200;
                    if (unsigned_)
                        throw PlatformError(QStringLiteral("no signature"));
                    signature = sig.body;
                }
                // A manifest of 100,000 entries takes longer to decode (and verify) than a frame lasts.
                const QByteArray body = reply.body;
                const auto decode = [body, signature, address, publicKey] {
                    SignedFacts facts;
                    if (!publicKey.isEmpty())
                        facts = checkSigned(body, signature, address);
                    Manifest manifest = Manifest::decode(body);
                    // Chunk indexes may be named relative to the manifest.
                    const QUrl base(address);
                    for (ManifestEntry &entry : manifest.files)
                        if (!entry.chunks.isEmpty())
                            entry.chunks.url = base.resolved(QUrl(entry.chunks.url)).toString(QUrl::FullyEncoded);
                    if (!publicKey.isEmpty())
                        recordAccepted(address, facts.version);
                    return manifest;
                };
                co_return co_await Background::run(decode);
            }
            unsigned_ = false;
        } catch (const ManifestRefused &) {
            throw;  // what the manifest is does not change on a second try
        } catch (...) {
            // Any other failure counts as one failed attempt; the cause is not reported.
        }
        if (attempt == 4)
            break;
        const auto wait = std::chrono::milliseconds(qRound((attempt + 1) * 400 * timing().retryWaitScale));
        co_await QCoro::sleepFor(wait);
    }
    if (unsigned_)
        throw ManifestRefused(LauncherError::manifestUnsigned());
    throw LauncherError::network(LauncherError::patchUnreachable());
}

}
