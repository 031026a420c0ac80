#pragma once
#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <cstddef>
#include <functional>

// Content-defined chunking (FastCDC-style gear hashing with normalized chunk sizes). Cut points
// depend only on the bytes just before them, so an insertion or deletion moves only the chunks
// around it and every chunk after them is found again at its new offset.
namespace Chunker {

struct Params {
    quint32 minSize = 16 << 10;
    quint32 averageSize = 64 << 10;  // a power of two
    quint32 maxSize = 256 << 10;
    bool operator==(const Params &) const = default;
    // Bounds a launcher accepts from an index it downloaded.
    bool valid() const;
};

// XXH3-128 of a chunk: fast, and the whole file's SHA-256 stays the gate.
using ChunkHash = std::array<quint8, 16>;
ChunkHash hashOf(const void *data, size_t size);

// Length of the chunk that starts at data (at most size bytes; size itself when the data ends
// before a cut point or is shorter than the minimum).
size_t cutPoint(const quint8 *data, size_t size, const Params &params);

struct Chunk {
    qint64 offset;
    quint32 length;
    ChunkHash hash;
    bool operator==(const Chunk &) const = default;
};
// Cuts the first `limit` bytes of a file (all of it when negative) into chunks, in order, reading
// it once in large blocks. `onChunk` returns false to stop. `stop` is polled once per block and
// ends the cut early when it returns true. Throws PlatformError when the file cannot be read.
void cutFile(const QString &path, const Params &params, const std::function<bool(const Chunk &)> &onChunk,
             qint64 limit = -1, const std::function<bool()> &stop = {});
// The same over bytes in memory.
void cutBytes(const QByteArray &bytes, const Params &params, const std::function<void(const Chunk &)> &onChunk);
}

size_t qHash(const Chunker::ChunkHash &hash, size_t seed = 0);
