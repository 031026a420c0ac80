#pragma once
#include "delta/chunker.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A file cut into content-defined chunks, as the publisher cut it. Binary, little-endian:
//   "VTCHUNK1", u32 min, u32 average, u32 max, u32 hash kind (1 = XXH3-128),
//   u64 file size, u64 chunk count, then per chunk u64 offset, u32 length, 16 bytes of hash.
struct ChunkIndex {
    Chunker::Params params;
    qint64 fileSize = 0;
    QList<Chunker::Chunk> chunks;

    static constexpr qsizetype headerSize = 40;
    static constexpr qsizetype chunkSize = 28;
    // The largest index a file of this size can have (chunks no smaller than 64 bytes).
    static qint64 largestFor(qint64 fileSize);

    QByteArray encoded() const;
    // Strict: the parameters within bounds, the chunks in order, back to back, each within the
    // maximum size, covering exactly `expectedSize` bytes. Throws PlatformError naming the fault.
    static ChunkIndex decode(const QByteArray &bytes, qint64 expectedSize);
    static ChunkIndex ofFile(const QString &path, const Chunker::Params &params = {});

    // The same decoding for an index that arrives in pieces.
    class Decoder;
};

// The same decoding for an index of `length` bytes that arrives in pieces of any size: only
// the chunks decoded so far and part of one record are held.
class ChunkIndex::Decoder {
public:
    Decoder(qint64 length, qint64 expectedSize);
    void feed(const char *data, qsizetype size);  // throws as decode() does
    ChunkIndex finish();                          // throws when the index is incomplete

private:
    void header();
    void record(const char *at);
    qint64 m_length;
    qint64 m_expected;
    qint64 m_fed = 0;
    quint64 m_count = 0;
    quint64 m_next = 0;
    bool m_started = false;
    QByteArray m_partial;  // the start of a header or record cut between two pieces
    ChunkIndex m_index;
};
