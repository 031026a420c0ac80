#include "delta/chunker.h"
#include "support/launcher_error.h"

#include <QFile>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <xxhash.h>

namespace Chunker {

namespace {
// 256 pseudo-random words (splitmix64 from a fixed seed). Part of the index format: changing it
// changes every cut point.
constexpr std::array<quint64, 256> makeGear()
{
    std::array<quint64, 256> table{};
    quint64 state = 0x76616e746f72656cull;
    for (quint64 &word : table) {
        quint64 z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        word = z ^ (z >> 31);
    }
    return table;
}
constexpr std::array<quint64, 256> gear = makeGear();

// The top `bits` bits: the gear hash shifts left, so its high bits mix the most bytes.
constexpr quint64 topBits(int bits) { return bits <= 0 ? 0 : ~quint64(0) << (64 - bits); }
}

bool Params::valid() const
{
    return minSize >= 64 && minSize <= averageSize && averageSize <= maxSize && maxSize <= (16u << 20)
        && std::has_single_bit(averageSize);
}

ChunkHash hashOf(const void *data, size_t size)
{
    const XXH128_hash_t h = XXH3_128bits(data, size);
    ChunkHash out;
    for (int i = 0; i < 8; ++i) {
        out[i] = quint8(h.high64 >> (56 - 8 * i));
        out[8 + i] = quint8(h.low64 >> (56 - 8 * i));
    }
    return out;
}

size_t cutPoint(const quint8 *data, size_t size, const Params &params)
{
    if (size <= params.minSize)
        return size;
    const int bits = std::countr_zero(params.averageSize);
    // Harder to cut before the average size, easier after: sizes cluster around the average.
    const quint64 strict = topBits(bits + 2);
    const quint64 loose = topBits(bits - 2);
    const size_t end = qMin<size_t>(size, params.maxSize);
    const size_t middle = qMin<size_t>(end, params.averageSize);
    quint64 h = 0;
    size_t i = params.minSize;
    for (; i < middle; ++i) {
        h = (h << 1) + gear[data[i]];
        if (!(h & strict))
            return i + 1;
    }
    for (; i < end; ++i) {
        h = (h << 1) + gear[data[i]];
        if (!(h & loose))
            return i + 1;
    }
    return end;
}

void cutBytes(const QByteArray &bytes, const Params &params, const std::function<void(const Chunk &)> &onChunk)
{
    const auto *data = reinterpret_cast<const quint8 *>(bytes.constData());
    const size_t size = size_t(bytes.size());
    for (size_t at = 0; at < size;) {
        const size_t length = cutPoint(data + at, size - at, params);
        onChunk({qint64(at), quint32(length), hashOf(data + at, length)});
        at += length;
    }
}

void cutFile(const QString &path, const Params &params, const std::function<bool(const Chunk &)> &onChunk,
             qint64 limit, const std::function<bool()> &stop)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw PlatformError(QStringLiteral("Couldn't read \"%1\": %2").arg(path, QString::fromLocal8Bit(strerror(errno))));
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    // A block holds several maximal chunks, so a chunk is cut from contiguous bytes.
    const size_t block = qMax<size_t>(size_t(8) << 20, size_t(params.maxSize) * 4);
    QByteArray buffer(qsizetype(block), Qt::Uninitialized);
    auto *data = reinterpret_cast<quint8 *>(buffer.data());
    size_t held = 0;    // bytes in the buffer
    size_t start = 0;   // first byte not yet cut
    qint64 offset = 0;  // file offset of data[start]
    qint64 left = limit < 0 ? std::numeric_limits<qint64>::max() : limit;
    bool ended = false;
    const auto fail = [&] {
        const int error = errno;
        ::close(fd);
        throw PlatformError(QStringLiteral("Couldn't read \"%1\": %2").arg(path, QString::fromLocal8Bit(strerror(error))));
    };
    for (;;) {
        if (!ended && held - start < params.maxSize) {
            if (stop && stop()) {
                ::close(fd);
                return;
            }
            std::memmove(data, data + start, held - start);
            held -= start;
            start = 0;
            while (held < block && left > 0) {
                const ssize_t got = ::read(fd, data + held, size_t(qMin<qint64>(qint64(block - held), left)));
                if (got < 0 && errno == EINTR)
                    continue;
                if (got < 0)
                    fail();
                if (got == 0)
                    break;
                held += size_t(got);
                left -= got;
            }
            ended = held < block;
        }
        if (start == held)
            break;
        const size_t length = cutPoint(data + start, held - start, params);
        // Without the end of the data in sight, a cut at the buffer's end is no real cut.
        if (!ended && start + length == held && length < params.maxSize)
            continue;
        if (!onChunk({offset, quint32(length), hashOf(data + start, length)}))
            break;
        start += length;
        offset += qint64(length);
    }
    ::close(fd);
}
}

size_t qHash(const Chunker::ChunkHash &hash, size_t seed)
{
    quint64 word;
    std::memcpy(&word, hash.data(), sizeof word);
    return size_t(word ^ seed);
}
