#include "manifest_builder.h"
#include "support/sha256.h"
#include "delta/chunk_index.h"
#include "install/install_lock.h"
#include "manifest/manifest_trust.h"
#include "support/launcher_error.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <atomic>

namespace ManifestBuilder {
Manifest build(const QString &folder, const QString &baseUrl,
               const std::function<void(qint64, qint64)> &progress)
{
    const QFileInfo root(folder);
    if (!root.isDir())
        throw PlatformError(QStringLiteral("No such build folder: %1").arg(folder));
    const QDir base(root.absoluteFilePath());

    QList<ManifestEntry> entries;
    qint64 totalBytes = 0;
    QDirIterator it(base.path(), QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = base.relativeFilePath(info.absoluteFilePath());
        // Left by a run killed in an installed folder; never game content (and refused as such).
        if (relative.compare(Patcher::installLockName, Qt::CaseInsensitive) == 0)
            continue;
        if (info.isSymLink() || !info.isFile())
            throw PlatformError(QStringLiteral("Not a regular file: %1").arg(relative));
        Patcher::resolve(QStringLiteral("/"), relative);  // refuses what the launcher would refuse
        ManifestEntry entry;
        entry.path = relative;
        entry.size = info.size();
        totalBytes += entry.size;
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const ManifestEntry &a, const ManifestEntry &b) { return a.path.toUtf8() < b.path.toUtf8(); });

    QString prefix = baseUrl;
    if (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    std::atomic<qint64> done{0};
    QtConcurrent::blockingMap(entries, [&](ManifestEntry &entry) {
        entry.sha256 = sha256Of(base.filePath(entry.path));
        entry.url = prefix + QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(entry.path, "/"));
        const qint64 now = done += entry.size;
        if (progress)
            progress(now, totalBytes);
    });
    return Manifest{entries};
}

static void writeFile(const QString &path, const QByteArray &bytes);

Mirrors mirrorsOf(const QString &baseUrl, const QStringList &prefixes)
{
    if (prefixes.isEmpty())
        return {};
    // The same prefix as build() puts before every path.
    QString base = baseUrl;
    if (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    base += QLatin1Char('/');
    QStringList alternatives;
    for (QString prefix : prefixes) {
        const QUrl url(prefix, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            throw PlatformError(QStringLiteral("--mirror takes an http or https URL (%1).").arg(prefix));
        if (!prefix.endsWith(QLatin1Char('/')))
            prefix += QLatin1Char('/');
        if (prefix != base && !alternatives.contains(prefix))
            alternatives.append(prefix);
    }
    return alternatives.isEmpty() ? Mirrors{} : Mirrors{{base, alternatives}};
}

void addChunkIndexes(Manifest &manifest, const QString &buildFolder, const QString &outputFile, qint64 threshold)
{
    const QDir base(QFileInfo(buildFolder).absoluteFilePath());
    const QString folder = QFileInfo(outputFile).absolutePath() + QStringLiteral("/chunks");
    QList<ManifestEntry *> large;
    for (ManifestEntry &entry : manifest.files)
        if (entry.size >= threshold && entry.size > 0)
            large.append(&entry);
    QtConcurrent::blockingMap(large, [&](ManifestEntry *entry) {
        const QByteArray index = ChunkIndex::ofFile(base.filePath(entry->path)).encoded();
        const QString name = entry->sha256 + QStringLiteral(".chunks");
        writeFile(folder + QLatin1Char('/') + name, index);
        entry->chunks = {QStringLiteral("chunks/") + name, index.size(),
                         QString::fromLatin1(QCryptographicHash::hash(index, QCryptographicHash::Sha256).toHex())};
    });
}

QByteArray encode(const Manifest &manifest, const std::optional<Signing> &signing)
{
    if (!signing)
        return manifest.encoded(true);
    QJsonObject object = QJsonDocument::fromJson(manifest.encoded()).object();
    object.insert(QStringLiteral("version"), signing->version);
    object.insert(QStringLiteral("expires"), signing->expires.toUTC().toString(Qt::ISODate));
    object.insert(QStringLiteral("channel"), signing->channel);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

static void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PlatformError(QStringLiteral("Can't write %1: %2").arg(path, file.errorString()));
    file.write(bytes);
    if (!file.commit())
        throw PlatformError(QStringLiteral("Can't write %1: %2").arg(path, file.errorString()));
}

void writeAtomically(const Manifest &manifest, const QString &outputFile, const std::optional<Signing> &signing)
{
    const QByteArray bytes = encode(manifest, signing);
    // The signature first: a client never sees a new manifest beside an old signature for long.
    if (signing)
        writeFile(outputFile + QStringLiteral(".sig"), Patcher::signManifest(bytes, signing->privateKeyPem) + '\n');
    writeFile(outputFile, bytes);
}

std::pair<QByteArray, QByteArray> makeSigningKey()
{
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free);
    std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new(BIO_s_mem()), &BIO_free);
    unsigned char raw[32];
    size_t length = sizeof raw;
    if (!key || !bio || PEM_write_bio_PrivateKey(bio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1
        || EVP_PKEY_get_raw_public_key(key.get(), raw, &length) != 1)
        throw PlatformError(QStringLiteral("Couldn't make a signing key."));
    char *data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return {QByteArray(data, int(size)), QByteArray(reinterpret_cast<const char *>(raw), int(length))};
}

QDateTime expiryFrom(const QString &text, const QDateTime &now)
{
    static const QRegularExpression duration(QStringLiteral("^(\\d+)([dhms])$"));
    const auto match = duration.match(text.trimmed());
    if (match.hasMatch()) {
        const qint64 n = match.captured(1).toLongLong();
        const QChar unit = match.captured(2).at(0);
        const qint64 seconds = unit == 'd' ? n * 86400 : unit == 'h' ? n * 3600 : unit == 'm' ? n * 60 : n;
        return now.toUTC().addSecs(seconds);
    }
    const QDateTime time = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
    return time.isValid() && time.timeSpec() != Qt::LocalTime ? time.toUTC() : QDateTime();
}
}
