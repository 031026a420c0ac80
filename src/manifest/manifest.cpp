#include "manifest/manifest.h"
#include "install/install_lock.h"
#include "support/launcher_error.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {
[[noreturn]] void undecodable(const QString &why)
{
    throw PlatformError(QStringLiteral("The manifest couldn't be read because it isn't in the correct format (%1).").arg(why));
}

QString requireString(const QJsonObject &object, const char *key, qsizetype index)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString())
        undecodable(QStringLiteral("files[%1].%2").arg(index).arg(QLatin1String(key)));
    return value.toString();
}

bool isWholeNumber(const QJsonValue &value)
{
    // Integers beyond 2^53 lose precision as doubles; Qt keeps the exact integer when it can.
    const double number = value.toDouble(0.5);
    return value.isDouble() && number == double(value.toInteger()) && number < 9.2233720368547758e18
        && number >= -9.2233720368547758e18;
}

ChunkIndexRef chunksOf(const QJsonValue &value, qint64 fileSize)
{
    if (!value.isObject())
        return {};
    const QJsonObject object = value.toObject();
    const QJsonValue url = object.value(QLatin1String("url"));
    const QJsonValue size = object.value(QLatin1String("size"));
    const QJsonValue sha256 = object.value(QLatin1String("sha256"));
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{64}$"));
    if (!url.isString() || url.toString().isEmpty() || !isWholeNumber(size) || size.toInteger() <= 0
        || size.toInteger() > ChunkIndexRef::largestFor(fileSize) || !sha256.isString()
        || !hex.match(sha256.toString()).hasMatch())
        return {};
    return {url.toString(), size.toInteger(), sha256.toString()};
}

bool isOriginPrefix(const QJsonValue &value)
{
    const QUrl url(value.toString(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return value.isString() && url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

// All or nothing: one bad prefix and the list is read as if it named no mirrors.
Mirrors mirrorsOf(const QJsonValue &value)
{
    if (!value.isObject())
        return {};
    const QJsonObject object = value.toObject();
    Mirrors out;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!isOriginPrefix(QJsonValue(it.key())) || !it.value().isArray())
            return {};
        QStringList alternatives;
        for (const QJsonValue &alternative : it.value().toArray()) {
            if (!isOriginPrefix(alternative))
                return {};
            alternatives.append(alternative.toString());
        }
        out.insert(it.key(), alternatives);
    }
    return out;
}
}

Manifest Manifest::decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        undecodable(error.errorString());
    if (!document.isObject())
        undecodable(QStringLiteral("not an object"));
    const QJsonValue files = document.object().value(QLatin1String("files"));
    if (!files.isArray())
        undecodable(QStringLiteral("files"));
    const QJsonArray array = files.toArray();
    Manifest manifest;
    manifest.files.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isObject())
            undecodable(QStringLiteral("files[%1]").arg(i));
        const QJsonObject object = array.at(i).toObject();
        ManifestEntry entry;
        entry.path = requireString(object, "path", i);
        entry.sha256 = requireString(object, "sha256", i);
        entry.url = requireString(object, "url", i);
        const QJsonValue size = object.value(QLatin1String("size"));
        // A negative size would lift the body's cap and shrink the free-space sum.
        if (!isWholeNumber(size) || size.toInteger() < 0)
            undecodable(QStringLiteral("files[%1].size").arg(i));
        entry.size = size.toInteger();
        entry.chunks = chunksOf(object.value(QLatin1String("chunks")), entry.size);
        manifest.files.append(std::move(entry));
    }
    manifest.mirrors = mirrorsOf(document.object().value(QLatin1String("mirrors")));
    return manifest;
}

QByteArray Manifest::encoded(bool indented) const
{
    QJsonArray array;
    for (const ManifestEntry &entry : files) {
        QJsonObject object{{QStringLiteral("path"), entry.path},
                           {QStringLiteral("sha256"), entry.sha256},
                           {QStringLiteral("size"), entry.size},
                           {QStringLiteral("url"), entry.url}};
        if (!entry.chunks.isEmpty())
            object.insert(QStringLiteral("chunks"), QJsonObject{{QStringLiteral("url"), entry.chunks.url},
                                                                {QStringLiteral("size"), entry.chunks.size},
                                                                {QStringLiteral("sha256"), entry.chunks.sha256}});
        array.append(object);
    }
    QJsonObject document{{QStringLiteral("files"), array}};
    if (!mirrors.isEmpty()) {
        QJsonObject prefixes;
        for (auto it = mirrors.begin(); it != mirrors.end(); ++it)
            prefixes.insert(it.key(), QJsonArray::fromStringList(it.value()));
        document.insert(QStringLiteral("mirrors"), prefixes);
    }
    return QJsonDocument(document).toJson(indented ? QJsonDocument::Indented : QJsonDocument::Compact);
}

size_t qHash(const ManifestEntry &entry, size_t seed)
{
    return qHashMulti(seed, entry.path, entry.sha256, entry.size, entry.url);
}

namespace Patcher {
QString resolve(const QString &root, const QString &path)
{
    const auto refuse = [&] { throw LauncherError::patch(LauncherError::unsafePath(path)); };
    if (path.contains(QLatin1Char('\\')) || path.contains(QLatin1Char(':')) || path.startsWith(QLatin1Char('/')))
        refuse();
    const QStringList pieces = path.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    for (const QString &piece : pieces) {
        if (piece.isEmpty() || piece == QLatin1String(".") || piece == QLatin1String(".."))
            refuse();
        // Control characters (NUL cuts a name short at the system call, a line feed forges log
        // lines) never belong in a game file's name.
        for (const QChar c : piece)
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                refuse();
    }
    QString result = root;
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result + path;
}

namespace {
// The name a path has on a folder that ignores letter case or Unicode normalisation (exFAT, NTFS,
// ext4 with casefold): two paths with the same key are one file there.
QString folderKey(const QString &path)
{
    return path.normalized(QString::NormalizationForm_C).toCaseFolded().normalized(QString::NormalizationForm_C);
}
}

void checkPathsAreDistinct(const QList<ManifestEntry> &entries)
{
    const auto refuse = [](const QString &path) { throw LauncherError::patch(LauncherError::unsafePath(path)); };
    // The same list installs on every player's folder: collisions are judged by the strictest rules.
    const QString lock = folderKey(installLockName);
    QHash<QString, QString> files;  // key -> path as listed
    QSet<QString> folders;
    QStringList keys;
    keys.reserve(entries.size());
    for (const ManifestEntry &entry : entries) {
        const QString &key = keys.emplace_back(folderKey(entry.path));
        // Neither the lock file nor anything under a folder in its place.
        if (files.contains(key) || key == lock || key.startsWith(lock + QLatin1Char('/')))
            refuse(entry.path);
        files.insert(key, entry.path);
        for (qsizetype slash = key.indexOf(QLatin1Char('/')); slash > 0; slash = key.indexOf(QLatin1Char('/'), slash + 1))
            folders.insert(key.left(slash));
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ManifestEntry &entry = entries.at(i);
        const QString &key = keys.at(i);
        if (folders.contains(key))
            refuse(entry.path);
        // Staging names are the entry's own path plus ".part": unique here, unique on any folder.
        const QString staging = key + QStringLiteral(".part");
        if (files.contains(staging) || folders.contains(staging))
            refuse(files.value(staging, entry.path + QStringLiteral(".part")));
    }
}

bool isLauncherOwned(const QString &path)
{
    QString name = path;
    if (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    static const QSet<QString> owned{QStringLiteral("login.cfg")};
    return owned.contains(name.toLower());
}

QStringList originsOf(const Mirrors &mirrors, const QString &url)
{
    QStringList out{url};
    for (auto it = mirrors.begin(); it != mirrors.end(); ++it) {
        if (!url.startsWith(it.key()))
            continue;
        for (const QString &alternative : it.value()) {
            const QString there = alternative + url.mid(it.key().size());
            if (!out.contains(there))
                out.append(there);
        }
    }
    return out;
}

qint64 totalSize(const QList<ManifestEntry> &entries)
{
    qint64 total = 0;
    for (const ManifestEntry &entry : entries)
        total += entry.size;
    return total;
}
}
