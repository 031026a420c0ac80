#include "patch/chunk_index.h"
#include "support/launcher_error.h"

#include <QtEndian>
#include <cstring>

namespace {
constexpr char magic[8] = {'V', 'T', 'C', 'H', 'U', 'N', 'K', '1'};
constexpr quint32 xxh3_128 = 1;

[[noreturn]] void refuse(const QString &why)
{
    throw PlatformError(QStringLiteral("The chunk index isn't usable (%1).").arg(why));
}

template <typename T> void put(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

template <typename T> T take(const char *&at)
{
    const T value = qFromLittleEndian<T>(at);
    at += sizeof(T);
    return value;
}
}

qint64 ChunkIndex::largestFor(qint64 fileSize)
{
    return headerSize + chunkSize * (fileSize / 64 + 1);
}

QByteArray ChunkIndex::encoded() const
{
    QByteArray out;
    out.reserve(headerSize + chunkSize * chunks.size());
    out.append(magic, sizeof magic);
    put<quint32>(out, params.minSize);
    put<quint32>(out, params.averageSize);
    put<quint32>(out, params.maxSize);
    put<quint32>(out, xxh3_128);
    put<quint64>(out, quint64(fileSize));
    put<quint64>(out, quint64(chunks.size()));
    for (const Chunker::Chunk &chunk : chunks) {
        put<quint64>(out, quint64(chunk.offset));
        put<quint32>(out, chunk.length);
        out.append(reinterpret_cast<const char *>(chunk.hash.data()), qsizetype(chunk.hash.size()));
    }
    return out;
}

ChunkIndex ChunkIndex::decode(const QByteArray &bytes, qint64 expectedSize)
{
    if (bytes.size() < headerSize || std::memcmp(bytes.constData(), magic, sizeof magic) != 0)
        refuse(QStringLiteral("not a chunk index"));
    const char *at = bytes.constData() + sizeof magic;
    ChunkIndex index;
    index.params.minSize = take<quint32>(at);
    index.params.averageSize = take<quint32>(at);
    index.params.maxSize = take<quint32>(at);
    if (!index.params.valid() || take<quint32>(at) != xxh3_128)
        refuse(QStringLiteral("unknown parameters"));
    const quint64 size = take<quint64>(at);
    const quint64 count = take<quint64>(at);
    if (size != quint64(expectedSize))
        refuse(QStringLiteral("it describes a file of another size"));
    if (count > quint64(bytes.size() - headerSize) / chunkSize || qint64(count) * chunkSize != bytes.size() - headerSize)
        refuse(QStringLiteral("its length doesn't match its chunk count"));
    index.fileSize = qint64(size);
    index.chunks.reserve(qsizetype(count));
    quint64 next = 0;
    for (quint64 i = 0; i < count; ++i) {
        Chunker::Chunk chunk;
        const quint64 offset = take<quint64>(at);
        chunk.length = take<quint32>(at);
        std::memcpy(chunk.hash.data(), at, chunk.hash.size());
        at += chunk.hash.size();
        if (offset != next)
            refuse(QStringLiteral("chunk %1 doesn't start where the one before ends").arg(i));
        if (chunk.length == 0 || chunk.length > index.params.maxSize || chunk.length > size - offset)
            refuse(QStringLiteral("chunk %1 has a wrong length").arg(i));
        chunk.offset = qint64(offset);
        next = offset + chunk.length;
        index.chunks.append(chunk);
    }
    if (next != size)
        refuse(QStringLiteral("its chunks don't cover the file"));
    return index;
}

ChunkIndex ChunkIndex::ofFile(const QString &path, const Chunker::Params &params)
{
    ChunkIndex index;
    index.params = params;
    Chunker::cutFile(path, params, [&index](const Chunker::Chunk &chunk) {
        index.chunks.append(chunk);
        index.fileSize = chunk.offset + chunk.length;
        return true;
    });
    return index;
}
