#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// Bodies cut off by a transport failure wait in the download area with a small record beside them
// ("<body>.resume": the URL, the entry, its install folder, the server's validator and the bytes
// known to be on disk), so that the next attempt or the next run asks only for the rest. The area is
// shared by every install folder and every process; a body that a process is writing is locked
// (flock) by it, and nothing here touches a locked body.
namespace ResumeStore {

// Which entry a body belongs to: a body is resumed only for exactly the same URL, path, size and
// digest, in the same install folder (as folderOf() names it).
struct BodyKey {
    QString url;
    QString path;
    qint64 size = 0;
    QString sha256;
    QString folder;
    bool operator==(const BodyKey &) const = default;
};

// The name under which an install folder's bodies are kept: the folder with links resolved.
QString folderOf(const QString &installRoot);

// A strong validator the server gave with the body: its ETag, else its Last-Modified.
struct Validator {
    QByteArray etag;
    QByteArray lastModified;
    bool isEmpty() const { return etag.isEmpty() && lastModified.isEmpty(); }
    QByteArray ifRange() const { return etag.isEmpty() ? lastModified : etag; }
    // From a response's headers; weak ETags (W/) are no validators for ranges.
    static Validator of(const QByteArray &etag, const QByteArray &lastModified);
};

struct PartialBody {
    QString file;
    qint64 bytes = 0;
    Validator validator;
    // Every byte of the entry: a body that arrived whole and was not yet put in place.
    bool whole(const BodyKey &key) const { return bytes == key.size; }
};

// The kept body for this entry, cut back to the bytes its record vouches for, or none.
std::optional<PartialBody> find(const BodyKey &key);
// The same for many entries at once (one look at the download area), by entry path.
QHash<QString, PartialBody> findAll(const QList<BodyKey> &keys);
// Records that `bytes` bytes of `file` are on disk (the caller has made them durable first).
// Written atomically; a failure only means the body cannot be resumed. A whole body needs no
// durable record (`durable` false): it is hashed again before it is used.
void record(const QString &file, const BodyKey &key, const Validator &validator, qint64 bytes, bool durable = true);
// Removes a body and its record.
void discard(const QString &file);
// Start of a run in `folder`: removes every unlocked body of that folder that none of `wanted` can
// resume, bodies without a record, and any body older than 7 days. Bodies of other folders (and
// those of older launchers, whose record names no folder) are left until they are that old; the
// latter are never resumed.
void sweep(const QString &folder, const QList<BodyKey> &wanted);

// Takes the writer's lock on an open body; false when another process holds it.
bool lock(int fd);

}
