#include "delta/chunk_index.h"
#include "manifest/manifest.h"
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
    static_assert(headerSize == 40 && chunkSize == 28, "the manifest bounds indexes by this layout");
    return ChunkIndexRef::largestFor(fileSize);
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
    Decoder decoder(bytes.size(), expectedSize);
    decoder.feed(bytes.constData(), bytes.size());
    return decoder.finish();
}

ChunkIndex::Decoder::Decoder(qint64 length, qint64 expectedSize) : m_length(length), m_expected(expectedSize)
{
    if (m_length < headerSize)
        refuse(QStringLiteral("not a chunk index"));
}

void ChunkIndex::Decoder::feed(const char *data, qsizetype size)
{
    if (size > m_length - m_fed)
        refuse(QStringLiteral("its length doesn't match its chunk count"));
    m_fed += size;
    const char *end = data + size;
    const qsizetype unit = m_started ? chunkSize : headerSize;
    if (!m_partial.isEmpty() || size < unit) {
        const qsizetype take = qMin<qsizetype>(unit - m_partial.size(), size);
        m_partial.append(data, take);
        data += take;
        if (m_partial.size() < unit)
            return;
        if (m_started)
            record(m_partial.constData());
        else
            header();
        m_partial.clear();
    }
    if (!m_started && end - data >= headerSize) {
        m_partial = QByteArray(data, headerSize);
        data += headerSize;
        header();
        m_partial.clear();
    }
    for (; end - data >= chunkSize; data += chunkSize)
        record(data);
    if (data < end)
        m_partial = QByteArray(data, end - data);
}

void ChunkIndex::Decoder::header()
{
    const QByteArray &bytes = m_partial;
    if (std::memcmp(bytes.constData(), magic, sizeof magic) != 0)
        refuse(QStringLiteral("not a chunk index"));
    const char *at = bytes.constData() + sizeof magic;
    m_index.params.minSize = take<quint32>(at);
    m_index.params.averageSize = take<quint32>(at);
    m_index.params.maxSize = take<quint32>(at);
    if (!m_index.params.valid() || take<quint32>(at) != xxh3_128)
        refuse(QStringLiteral("unknown parameters"));
    const quint64 size = take<quint64>(at);
    m_count = take<quint64>(at);
    if (size != quint64(m_expected))
        refuse(QStringLiteral("it describes a file of another size"));
    const quint64 room = quint64(m_length - headerSize);
    if (m_count > room / chunkSize || m_count * chunkSize != room)
        refuse(QStringLiteral("its length doesn't match its chunk count"));
    m_index.fileSize = qint64(size);
    m_index.chunks.reserve(qsizetype(m_count));
    m_started = true;
}

void ChunkIndex::Decoder::record(const char *at)
{
    const quint64 i = quint64(m_index.chunks.size());
    const quint64 size = quint64(m_index.fileSize);
    Chunker::Chunk chunk;
    const quint64 offset = take<quint64>(at);
    chunk.length = take<quint32>(at);
    std::memcpy(chunk.hash.data(), at, chunk.hash.size());
    if (offset != m_next)
        refuse(QStringLiteral("chunk %1 doesn't start where the one before ends").arg(i));
    if (chunk.length == 0 || chunk.length > m_index.params.maxSize || chunk.length > size - offset)
        refuse(QStringLiteral("chunk %1 has a wrong length").arg(i));
    chunk.offset = qint64(offset);
    m_next = offset + chunk.length;
    m_index.chunks.append(chunk);
}

ChunkIndex ChunkIndex::Decoder::finish()
{
    if (m_fed != m_length || !m_started)
        refuse(QStringLiteral("its length doesn't match its chunk count"));
    if (m_next != quint64(m_index.fileSize))
        refuse(QStringLiteral("its chunks don't cover the file"));
    return std::move(m_index);
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
