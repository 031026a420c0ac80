#include "transfer/resume_store.h"
#include "support/paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ResumeStore {
namespace {
const QString suffix = QStringLiteral(".resume");

struct Record {
    BodyKey key;
    Validator validator;
    qint64 bytes = 0;
};

std::optional<Record> readRecord(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024)
        return std::nullopt;
    const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
    Record r;
    r.key = {o.value(QLatin1String("url")).toString(), o.value(QLatin1String("path")).toString(),
             o.value(QLatin1String("size")).toInteger(-1), o.value(QLatin1String("sha256")).toString(),
             o.value(QLatin1String("folder")).toString()};
    r.validator = {o.value(QLatin1String("etag")).toString().toLatin1(),
                   o.value(QLatin1String("last_modified")).toString().toLatin1()};
    r.bytes = o.value(QLatin1String("bytes")).toInteger(-1);
    // A whole body (checked, not yet in place) needs no validator: it is never resumed.
    if (r.key.url.isEmpty() || r.key.size < 0 || r.bytes <= 0 || r.bytes > r.key.size
        || (r.bytes < r.key.size && r.validator.isEmpty()))
        return std::nullopt;
    return r;
}

// Opens a body to see whether a writer holds it. -1 when it cannot be opened.
int openUnlocked(const QString &body)
{
    const int fd = ::open(QFile::encodeName(body).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool isLocked(const QString &body)
{
    const int fd = ::open(QFile::encodeName(body).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}
}

Validator Validator::of(const QByteArray &etag, const QByteArray &lastModified)
{
    Validator v;
    if (!etag.isEmpty() && !etag.startsWith("W/"))
        v.etag = etag;
    else
        v.lastModified = lastModified;
    return v;
}

bool lock(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

std::optional<PartialBody> find(const BodyKey &key)
{
    const QHash<QString, PartialBody> found = findAll({key});
    if (found.isEmpty())
        return std::nullopt;
    return found.begin().value();
}

QHash<QString, PartialBody> findAll(const QList<BodyKey> &keys)
{
    QHash<QString, PartialBody> found;
    const QDir area(Paths::downloadTemp());
    const QStringList records = area.entryList({QStringLiteral("vantorel-*") + suffix}, QDir::Files);
    for (const QString &name : records) {
        const auto record = readRecord(area.filePath(name));
        if (!record || record->key.folder.isEmpty() || !keys.contains(record->key) || found.contains(record->key.path))
            continue;
        const QString body = area.filePath(name.chopped(suffix.size()));
        const int fd = openUnlocked(body);
        if (fd < 0)
            continue;
        // Bytes past the record may never have reached the disk (a crash): they are not trusted.
        struct stat info;
        const bool usable = ::fstat(fd, &info) == 0 && info.st_size >= record->bytes
            && ::ftruncate(fd, record->bytes) == 0;
        ::close(fd);
        if (!usable) {
            discard(body);
            continue;
        }
        found.insert(record->key.path, PartialBody{body, record->bytes, record->validator});
    }
    return found;
}

void record(const QString &file, const BodyKey &key, const Validator &validator, qint64 bytes, bool durable)
{
    const QJsonObject o{{QStringLiteral("url"), key.url},           {QStringLiteral("path"), key.path},
                        {QStringLiteral("size"), key.size},         {QStringLiteral("sha256"), key.sha256},
                        {QStringLiteral("folder"), key.folder},
                        {QStringLiteral("etag"), QString::fromLatin1(validator.etag)},
                        {QStringLiteral("last_modified"), QString::fromLatin1(validator.lastModified)},
                        {QStringLiteral("bytes"), bytes}};
    const QString target = file + suffix;
    const QString staging = target + QStringLiteral(".new");
    QFile out(staging);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const QByteArray data = QJsonDocument(o).toJson(QJsonDocument::Compact);
    const bool written = out.write(data) == data.size() && out.flush() && (!durable || ::fsync(out.handle()) == 0);
    out.close();
    if (!written || ::rename(QFile::encodeName(staging).constData(), QFile::encodeName(target).constData()) != 0)
        QFile::remove(staging);
}

void discard(const QString &file)
{
    QFile::remove(file + suffix);
    QFile::remove(file);
}

QString folderOf(const QString &installRoot)
{
    const QFileInfo info(installRoot);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

void sweep(const QString &folder, const QList<BodyKey> &wanted)
{
    const QDir area(Paths::downloadTemp());
    const QDateTime weekAgo = QDateTime::currentDateTimeUtc().addDays(-7);
    const QFileInfoList files = area.entryInfoList({QStringLiteral("vantorel-*")}, QDir::Files);
    for (const QFileInfo &info : files) {
        const QString name = info.fileName();
        if (name.endsWith(QLatin1String(".new")))
            continue;  // a record being written; its body decides
        const bool isRecord = name.endsWith(suffix);
        const QString body = isRecord ? info.filePath().chopped(suffix.size()) : info.filePath();
        if (isLocked(body))
            continue;
        if (isRecord && QFile::exists(body))
            continue;  // judged with its body
        if (isRecord) {
            QFile::remove(info.filePath());
            continue;
        }
        const auto record = readRecord(body + suffix);
        const bool stale = info.lastModified().toUTC() < weekAgo;
        if (record && !stale && (record->key.folder != folder || wanted.contains(record->key)))
            continue;
        discard(body);
        QFile::remove(body + suffix + QStringLiteral(".new"));
    }
}

}
