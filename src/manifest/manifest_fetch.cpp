#include "net/http.h"
#include "manifest/manifest_trust.h"
#include "manifest/manifest_fetch.h"
#include "support/patch_timing.h"
#include "support/background.h"
#include "support/launcher_error.h"

#include <QCryptographicHash>
#include <QHash>
#include <QMutex>
#include <QCoro/QCoroTimer>
#include <chrono>

namespace Patcher {

namespace {
// A list of 100,000 entries with long URLs and chunk indexes stays well below this.
constexpr qint64 manifestMaxBytes = qint64(128) << 20;
constexpr qint64 signatureMaxBytes = 4 << 10;

Http::Session &manifestSession()
{
    static Http::Session *session = new Http::Session(
        "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/124.0.0.0 Safari/537.36",
        timing().manifestIdleMs);
    return *session;
}

QMutex digestsLock;
QHash<QString, QString> &digests()
{
    static QHash<QString, QString> byAddress;
    return byAddress;
}

// No signature where one is required: worth asking again, and named if it stays so.
class NoSignature : public PlatformError {
public:
    NoSignature() : PlatformError(QStringLiteral("no signature")) {}
};

struct Fetched {
    QByteArray manifest;
    QByteArray signature;
};

// One attempt's bytes: the list, and its signature when one is required. nullopt for a status
// other than 200.
QCoro::Task<std::optional<Fetched>> fetchOnce(QUrl url, bool signedList)
{
    Http::Session &session = manifestSession();
    const int deadline = timing().manifestDeadlineMs;
    const Http::Reply reply = co_await session.send("GET", url, {}, std::nullopt, 0, manifestMaxBytes, deadline);
    if (reply.status != 200)
        co_return std::nullopt;
    Fetched fetched{reply.body, {}};
    if (signedList) {
        const QUrl at(url.toString(QUrl::FullyEncoded) + QStringLiteral(".sig"));
        const Http::Reply sig = co_await session.send("GET", at, {}, std::nullopt, 0, signatureMaxBytes, deadline);
        if (sig.status != 200)
            throw NoSignature();
        fetched.signature = sig.body;
    }
    co_return fetched;
}
}

QString listDigest(const QUrl &url)
{
    QMutexLocker lock(&digestsLock);
    return digests().value(url.toString(QUrl::FullyEncoded));
}

QCoro::Task<Manifest> fetchManifest(QUrl url)
{
    manifestSession().setIdleTimeoutMs(timing().manifestIdleMs);
    const bool signedList = !trust().publicKey.isEmpty();
    const QString address = url.toString(QUrl::FullyEncoded);
    bool unsigned_ = false;        // the last attempt found the manifest but no signature
    bool signatureRetried = false;
    int attempts = 5;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        unsigned_ = false;
        try {
            const std::optional<Fetched> fetched = co_await fetchOnce(url, signedList);
            if (fetched) {
                // A manifest of 100,000 entries takes longer to decode (and verify) than a frame lasts.
                const auto decode = [bytes = fetched->manifest, signature = fetched->signature, address] {
                    Manifest manifest = trustedManifest(bytes, signature, address);
                    // Chunk indexes may be named relative to the manifest.
                    const QUrl base(address);
                    for (ManifestEntry &entry : manifest.files)
                        if (!entry.chunks.isEmpty())
                            entry.chunks.url = base.resolved(QUrl(entry.chunks.url)).toString(QUrl::FullyEncoded);
                    return manifest;
                };
                Manifest manifest = co_await Background::run(decode);
                const QString digest = QString::fromLatin1(
                    QCryptographicHash::hash(fetched->manifest, QCryptographicHash::Sha256).toHex());
                QMutexLocker lock(&digestsLock);
                digests().insert(address, digest);
                co_return manifest;
            }
        } catch (const SignatureInvalid &) {
            // Both files once more, in case the list and its signature were caught mid-publish.
            if (signatureRetried)
                throw;
            signatureRetried = true;
            attempts = qMax(attempts, attempt + 2);
        } catch (const ManifestRefused &) {
            throw;  // what the manifest is does not change on a second try
        } catch (const NoSignature &) {
            unsigned_ = true;
        } catch (...) {
            // Any other failure counts as one failed attempt; the cause is not reported.
        }
        if (attempt == attempts - 1)
            break;
        const auto wait = std::chrono::milliseconds(qRound((attempt + 1) * 400 * timing().retryWaitScale));
        co_await QCoro::sleepFor(wait);
    }
    if (unsigned_)
        throw ManifestRefused(LauncherError::manifestUnsigned());
    throw LauncherError::network(LauncherError::patchUnreachable());
}

}
