#pragma once
#include "manifest/manifest.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <utility>
#include <functional>

namespace ManifestBuilder {
// Walks a build folder and lists every regular file (paths relative, "/"-separated, sorted by
// their UTF-8 bytes) with its SHA-256 and size; URLs are the base followed by the percent-encoded
// path. Hashes on all cores. Throws PlatformError/LauncherError for a missing folder, an
// unreadable file or a name the launcher would refuse.
Manifest build(const QString &folder, const QString &baseUrl,
               const std::function<void(qint64 doneBytes, qint64 totalBytes)> &progress = {});
// The "mirrors" of a build served from `baseUrl` and also under each of `prefixes` (http or https;
// a missing trailing "/" is added). Throws PlatformError for a prefix that is not such a URL.
Mirrors mirrorsOf(const QString &baseUrl, const QStringList &prefixes);
// Gives every file of at least `threshold` bytes a chunk index, so launchers can fetch only the
// chunks they lack: written to <manifest folder>/chunks/<file's SHA-256>.chunks (builds that share
// a file share its index) and named in the entry relative to the manifest. Cuts on all cores.
void addChunkIndexes(Manifest &manifest, const QString &buildFolder, const QString &outputFile, qint64 threshold);
constexpr qint64 defaultChunkThreshold = 8 << 20;

// What a signed manifest carries beside its files.
struct Signing {
    qint64 version = 0;            // > 0
    QDateTime expires;             // UTC
    QByteArray privateKeyPem;      // Ed25519, as `openssl genpkey -algorithm ed25519` writes it
    QString channel;               // the folder the list is served from: <base>/<channel>/manifest.json
};
// The manifest's bytes: indented, and with "version", "expires" and "channel" when signed.
QByteArray encode(const Manifest &manifest, const std::optional<Signing> &signing = std::nullopt);
// Writes the manifest through a temporary file and a rename, so no half manifest is ever seen;
// signed, the signature goes beside it in "<output>.sig" (written first).
void writeAtomically(const Manifest &manifest, const QString &outputFile, const std::optional<Signing> &signing = std::nullopt);
// A new Ed25519 key pair: the private key in PEM, the public key's 32 raw bytes.
std::pair<QByteArray, QByteArray> makeSigningKey();
// "30d", "12h", "45m", "90s" from now, or an RFC 3339 time; invalid when neither.
QDateTime expiryFrom(const QString &text, const QDateTime &now = QDateTime::currentDateTimeUtc());
}
