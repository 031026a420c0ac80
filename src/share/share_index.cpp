#include "share/share_index.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// A file beneath the root that is what it says: no link anywhere on the way out of the root.
bool beneath(const QString &root, const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink())
        return false;
    const QString canonical = info.canonicalFilePath();
    return !root.isEmpty() && canonical == QDir::cleanPath(path) && canonical.startsWith(root + QLatin1Char('/'));
}
}

void ShareIndex::setList(const QList<ManifestEntry> &files, const QString &root, const QString &listDigest)
{
    QMutexLocker lock(&m_lock);
    const QString canonical = QFileInfo(root).canonicalFilePath();
    if (canonical == m_root && listDigest == m_digest)
        return;
    m_root = canonical;
    m_digest = listDigest;
    m_listed.clear();
    m_verified.clear();
    for (const ManifestEntry &entry : files)
        if (!Patcher::isLauncherOwned(entry.path))
            m_listed.insert(entry.sha256.toLower(), entry);
}

QString ShareIndex::listDigest() const
{
    QMutexLocker lock(&m_lock);
    return m_digest;
}

std::optional<ShareIndex::Verified> ShareIndex::look(const ManifestEntry &entry) const
{
    QString root;
    {
        QMutexLocker lock(&m_lock);
        root = m_root;
    }
    QString path;
    try {
        path = Patcher::resolve(root, entry.path);
    } catch (...) {
        return std::nullopt;
    }
    if (!beneath(root, path))
        return std::nullopt;
    const QFileInfo info(path);
    if (info.size() != entry.size)
        return std::nullopt;
    return Verified{path, info.size(), info.lastModified()};
}

void ShareIndex::verified(const ManifestEntry &entry)
{
    verified(QList<ManifestEntry>{entry});
}

void ShareIndex::verified(const QList<ManifestEntry> &entries)
{
    for (const ManifestEntry &entry : entries) {
        const QString digest = entry.sha256.toLower();
        {
            QMutexLocker lock(&m_lock);
            if (!m_listed.contains(digest) || m_listed.value(digest).path != entry.path)
                continue;
        }
        const std::optional<Verified> found = look(entry);
        if (!found)
            continue;
        QMutexLocker lock(&m_lock);
        m_verified.insert(digest, *found);
    }
}

std::optional<ShareIndex::File> ShareIndex::find(const QString &sha256)
{
    ManifestEntry entry;
    Verified before;
    {
        QMutexLocker lock(&m_lock);
        const auto it = m_verified.constFind(sha256);
        if (it == m_verified.cend())
            return std::nullopt;
        before = *it;
        entry = m_listed.value(sha256);
    }
    const std::optional<Verified> now = look(entry);
    if (!now || now->path != before.path || now->size != before.size || now->modified != before.modified) {
        QMutexLocker lock(&m_lock);
        m_verified.remove(sha256);
        return std::nullopt;
    }
    return File{now->path, now->size};
}

qsizetype ShareIndex::count() const
{
    QMutexLocker lock(&m_lock);
    return m_verified.size();
}

QByteArray ShareIndex::records() const
{
    QMutexLocker lock(&m_lock);
    QJsonArray files;
    for (auto it = m_verified.cbegin(); it != m_verified.cend(); ++it)
        files.append(QJsonObject{{QStringLiteral("sha256"), it.key()},
                                 {QStringLiteral("size"), it->size},
                                 {QStringLiteral("mtime_ms"), it->modified.toMSecsSinceEpoch()}});
    return QJsonDocument(QJsonObject{{QStringLiteral("list"), m_digest}, {QStringLiteral("root"), m_root},
                                     {QStringLiteral("files"), files}})
        .toJson(QJsonDocument::Compact);
}

void ShareIndex::restore(const QByteArray &records)
{
    const QJsonObject object = QJsonDocument::fromJson(records).object();
    {
        QMutexLocker lock(&m_lock);
        if (m_digest.isEmpty() || object.value(QStringLiteral("list")).toString() != m_digest
            || object.value(QStringLiteral("root")).toString() != m_root)
            return;
    }
    QHash<QString, QPair<qint64, qint64>> recorded;  // size and time by SHA-256
    for (const QJsonValue &file : object.value(QStringLiteral("files")).toArray())
        recorded.insert(file[QStringLiteral("sha256")].toString(),
                        {qint64(file[QStringLiteral("size")].toDouble()), qint64(file[QStringLiteral("mtime_ms")].toDouble())});
    QList<ManifestEntry> candidates;
    {
        QMutexLocker lock(&m_lock);
        for (auto it = recorded.cbegin(); it != recorded.cend(); ++it)
            if (m_listed.contains(it.key()))
                candidates.append(m_listed.value(it.key()));
    }
    for (const ManifestEntry &entry : std::as_const(candidates)) {
        const std::optional<Verified> now = look(entry);
        const auto before = recorded.value(entry.sha256.toLower());
        if (!now || now->size != before.first || now->modified.toMSecsSinceEpoch() != before.second)
            continue;
        QMutexLocker lock(&m_lock);
        m_verified.insert(entry.sha256.toLower(), *now);
    }
}
