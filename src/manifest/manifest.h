#pragma once
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Where a manifest entry's chunk index is published: the optional "chunks" key of the entry.
struct ChunkIndexRef {
    QString url;     // may be relative to the manifest's address
    qint64 size = 0;
    QString sha256;
    bool isEmpty() const { return url.isEmpty(); }
    bool operator==(const ChunkIndexRef &) const = default;
    // The largest index a file of this size can have: a 40-byte header and 28 bytes per chunk,
    // chunks no smaller than 64 bytes.
    static qint64 largestFor(qint64 fileSize) { return 40 + 28 * (fileSize / 64 + 1); }
};

// One file of the game install as the patch server lists it.
struct ManifestEntry {
    QString path;    // relative, "/"-separated
    QString sha256;  // hexadecimal, compared without regard to case
    qint64 size = 0;
    QString url;
    ChunkIndexRef chunks;  // empty: no index, the file is only ever downloaded whole
    bool operator==(const ManifestEntry &) const = default;
};

// Other origins that serve the same bytes: a URL starting with a key can be fetched from each of
// its alternatives by replacing that prefix.
using Mirrors = QMap<QString, QStringList>;

// The patch server's list of every file of the install, in document order.
struct Manifest {
    QList<ManifestEntry> files;
    Mirrors mirrors = {};

    // Strict: every key required with its JSON type, sizes within 64 bits. Throws PlatformError.
    // An entry's optional "chunks" that is not exactly {url, size, sha256} leaves the entry plain;
    // an optional "mirrors" that is not an object of http(s) prefixes to lists of them is ignored.
    static Manifest decode(const QByteArray &json);
    QByteArray encoded(bool indented = false) const;
    bool operator==(const Manifest &) const = default;
};

size_t qHash(const ManifestEntry &entry, size_t seed = 0);

namespace Patcher {
// The file path of an entry under the install root, or LauncherError::patch for a path that could
// escape it (backslash, colon, leading "/", empty, "." or ".." pieces). Nothing on disk is consulted.
QString resolve(const QString &root, const QString &path);
// Refuses (unsafe-path error) a list in which two entries would land on the same file, a file
// would stand where another entry needs a folder, an entry is another's staging file, or an entry
// is the install folder's lock file.
void checkPathsAreDistinct(const QList<ManifestEntry> &entries);
// True for launcher-owned files ("login.cfg" in any folder and any case), which the patcher never touches.
bool isLauncherOwned(const QString &path);
// The URL followed by the same URL on every mirror of a prefix it starts with, without repeats.
QStringList originsOf(const Mirrors &mirrors, const QString &url);
// Sum of the entries' sizes.
qint64 totalSize(const QList<ManifestEntry> &entries);
}
