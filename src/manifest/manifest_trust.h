#pragma once
#include "support/launcher_error.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "manifest/manifest.h"

// Signed patch lists. With a publisher key built in, a manifest counts only with a valid Ed25519
// signature (base64, at its URL + ".sig"), a "version" that never goes back, an "expires" time
// still ahead and the "channel" its address names (<base>/<channel>/manifest.json); the highest
// version accepted per manifest address is kept in the launcher directory.
namespace Patcher {

struct Trust {
    QByteArray publicKey;  // the 32 raw bytes of the publisher's key; empty: manifests are not signed
    // The key this build was configured with (VANTOREL_MANIFEST_KEY, base64), or empty.
    static QByteArray compiledIn();
};
// The key in force; tests and the headless tool may set another.
Trust &trust();

// A manifest refused for what it is, not for how it travelled: never retried.
class ManifestRefused : public LauncherError {
public:
    explicit ManifestRefused(QString message) : LauncherError(Kind::Patch, std::move(message)) {}
};

// The signature does not fit the bytes: possibly a new list beside an old signature on a CDN, so
// worth one more look before refusing.
class SignatureInvalid : public ManifestRefused {
public:
    SignatureInvalid() : ManifestRefused(LauncherError::manifestBadSignature()) {}
};

// The channel a manifest address names: the folder the list is served from.
QString channelOf(const QString &address);

struct SignedFacts {
    qint64 version = 0;
    QDateTime expires;
};

// Checks the manifest's exact bytes (SignatureInvalid when they do not match) against the signature file's content and the version record
// for `address`, at `now`. Throws ManifestRefused.
SignedFacts checkSigned(const QByteArray &manifest, const QByteArray &signatureFile, const QString &address,
                        const QDateTime &now = QDateTime::currentDateTimeUtc());
// The manifest of these bytes, fetched from `address` with `signatureFile` beside it (empty when
// unsigned): checked and recorded when a key is in force. Throws ManifestRefused, or the decoding
// error of a list that is not in the correct format.
Manifest trustedManifest(const QByteArray &manifest, const QByteArray &signatureFile, const QString &address);
// Remembers that `version` was accepted for `address` (only ever raises it). Atomic; a failure
// to write is ignored (the check stays as strict as the last record).
void recordAccepted(const QString &address, qint64 version);
// The highest version accepted for `address`, 0 for none. A damaged record counts as none, with a
// "WARN" line: a program that can write the launcher directory can change the game files anyway,
// and a record that locked the player out of every update would be worse than none.
qint64 acceptedVersion(const QString &address);

// Signature of bytes with an Ed25519 private key (PEM), base64: what publishers put in ".sig".
QByteArray signManifest(const QByteArray &manifest, const QByteArray &privateKeyPem);
}
