#include "manifest/manifest_trust.h"
#include "origins_config.h"
#include "support/log.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUrl>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <memory>

namespace Patcher {
namespace {
QString recordFile() { return Paths::launcherDir() + QStringLiteral("/manifest-versions.json"); }

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Context = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

bool verify(const QByteArray &message, const QByteArray &signature, const QByteArray &publicKey)
{
    Key key(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char *>(publicKey.constData()),
                                        size_t(publicKey.size())),
            &EVP_PKEY_free);
    Context context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    return key && context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1
        && EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char *>(signature.constData()), size_t(signature.size()),
                            reinterpret_cast<const unsigned char *>(message.constData()), size_t(message.size()))
        == 1;
}

QJsonObject readRecord(bool *damaged)
{
    QFile in(recordFile());
    *damaged = false;
    if (!in.exists())
        return {};
    QJsonParseError error;
    const QJsonDocument document = in.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(in.readAll(), &error) : QJsonDocument();
    if (!in.isOpen() || error.error != QJsonParseError::NoError || !document.isObject()) {
        *damaged = true;
        return {};
    }
    return document.object();
}
}

QByteArray Trust::compiledIn()
{
    return QByteArray::fromBase64(QByteArrayLiteral(VANTOREL_MANIFEST_KEY));
}

Trust &trust()
{
    static Trust value{Trust::compiledIn()};
    return value;
}

qint64 acceptedVersion(const QString &address)
{
    bool damaged = false;
    const QJsonObject record = readRecord(&damaged);
    const QJsonValue value = record.value(address);
    // Versions are whole numbers up to 2^63 - 1: never read through a double.
    const qint64 version = value.toInteger(-1);
    if (damaged || (!value.isUndefined() && version < 0)) {
        Log::warn(QStringLiteral("patch: the record of patch list versions is damaged; starting it again"));
        return 0;
    }
    return qMax<qint64>(version, 0);
}

void recordAccepted(const QString &address, qint64 version)
{
    bool damaged = false;
    QJsonObject record = readRecord(&damaged);
    if (record.value(address).toInteger(-1) >= version)
        return;
    record.insert(address, version);
    QDir().mkpath(Paths::launcherDir());
    QSaveFile out(recordFile());
    if (out.open(QIODevice::WriteOnly)) {
        out.write(QJsonDocument(record).toJson(QJsonDocument::Indented));
        out.commit();
    }
}

SignedFacts checkSigned(const QByteArray &manifest, const QByteArray &signatureFile, const QString &address, const QDateTime &now)
{
    const auto decoded = QByteArray::fromBase64Encoding(signatureFile.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != 64 || !verify(manifest, decoded.decoded, trust().publicKey))
        throw SignatureInvalid();
    // Signed, so these say what the publisher meant.
    const QJsonObject object = QJsonDocument::fromJson(manifest).object();
    const QJsonValue version = object.value(QLatin1String("version"));
    const QString expires = object.value(QLatin1String("expires")).toString();
    SignedFacts facts;
    facts.version = version.isDouble() && version.toDouble() == double(version.toInteger()) ? version.toInteger() : 0;
    facts.expires = expires.endsWith(QLatin1Char('Z')) ? QDateTime::fromString(expires, Qt::ISODateWithMs) : QDateTime();
    if (facts.version <= 0 || !facts.expires.isValid())
        throw ManifestRefused(LauncherError::manifestUndated());
    if (facts.expires <= now)
        throw ManifestRefused(LauncherError::manifestExpired(facts.expires));
    // A list signed for another channel (a beta list at the release address) would install its
    // files and lock this channel out by its version.
    const QString channel = object.value(QLatin1String("channel")).toString();
    const QString expected = channelOf(address);
    if (channel.isEmpty() || channel != expected)
        throw ManifestRefused(LauncherError::manifestWrongChannel(channel, expected));
    const qint64 accepted = acceptedVersion(address);
    if (facts.version < accepted)
        throw ManifestRefused(LauncherError::manifestRolledBack(facts.version, accepted));
    return facts;
}

QString channelOf(const QString &address)
{
    const QStringList pieces = QUrl(address).path().split(QLatin1Char('/'));
    return pieces.size() >= 3 ? pieces.at(pieces.size() - 2) : QString();
}

Manifest trustedManifest(const QByteArray &manifest, const QByteArray &signatureFile, const QString &address)
{
    const bool signedList = !trust().publicKey.isEmpty();
    SignedFacts facts;
    if (signedList)
        facts = checkSigned(manifest, signatureFile, address);
    Manifest decoded = Manifest::decode(manifest);
    if (signedList)
        recordAccepted(address, facts.version);
    return decoded;
}

QByteArray signManifest(const QByteArray &manifest, const QByteArray &privateKeyPem)
{
    std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new_mem_buf(privateKeyPem.constData(), int(privateKeyPem.size())), &BIO_free);
    Key key(bio ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr) : nullptr, &EVP_PKEY_free);
    if (!key || EVP_PKEY_id(key.get()) != EVP_PKEY_ED25519)
        throw PlatformError(QStringLiteral("The signing key is not an Ed25519 private key in PEM form."));
    Context context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    size_t length = 64;
    QByteArray signature(64, Qt::Uninitialized);
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1
        || EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &length,
                          reinterpret_cast<const unsigned char *>(manifest.constData()), size_t(manifest.size()))
            != 1)
        throw PlatformError(QStringLiteral("Couldn't sign the manifest."));
    return signature.left(int(length)).toBase64();
}
}
