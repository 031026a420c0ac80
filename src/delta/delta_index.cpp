#include "delta/delta_steps.h"
#include "support/sha256.h"
#include "transfer/origin_pool.h"
#include "support/background.h"
#include "support/launcher_error.h"

#include <QCryptographicHash>
#include <QFile>

namespace Patcher::Delta {

void fail(const QString &why) { throw PlatformError(why); }

namespace {
constexpr qsizetype pieceBytes = 1 << 20;

std::shared_ptr<const ChunkIndex> readIndex(const QString &path, const ManifestEntry &entry)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const qint64 length = file.size();
    struct Remove {
        QFile &file;
        ~Remove() { file.close(); file.remove(); }
    } remove{file};
    if (!opened)
        fail(QStringLiteral("couldn't read the chunk index"));
    if (length != entry.chunks.size)
        fail(QStringLiteral("the chunk index failed its checksum"));
    // One pass: hashed and decoded piece by piece. The checksum speaks first: an index that
    // is not the publisher's is "failed its checksum", whatever its bytes look like.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::optional<ChunkIndex::Decoder> decoder;
    std::exception_ptr refused;
    try {
        decoder.emplace(length, entry.size);
    } catch (...) {
        refused = std::current_exception();
    }
    QByteArray piece(pieceBytes, Qt::Uninitialized);
    for (;;) {
        Background::throwIfStopping();
        const qint64 got = file.read(piece.data(), piece.size());
        if (got < 0)
            fail(QStringLiteral("couldn't read the chunk index"));
        if (got == 0)
            break;
        hash.addData(QByteArrayView(piece.constData(), got));
        if (refused)
            continue;
        try {
            decoder->feed(piece.constData(), qsizetype(got));
        } catch (...) {
            refused = std::current_exception();
        }
    }
    if (!sameDigest(QString::fromLatin1(hash.result().toHex()), entry.chunks.sha256))
        fail(QStringLiteral("the chunk index failed its checksum"));
    if (refused)
        std::rethrow_exception(refused);
    return std::make_shared<const ChunkIndex>(decoder->finish());
}
}

QCoro::Task<std::shared_ptr<const ChunkIndex>> fetchIndex(ManifestEntry entry, Downloader *downloader, QThreadPool *pool,
                                                          std::shared_ptr<OriginPool> origins)
{
    // No index is larger than the chunk limits allow for its file: nothing more is ever fetched.
    if (entry.chunks.size <= 0 || entry.chunks.size > ChunkIndex::largestFor(entry.size))
        fail(QStringLiteral("the chunk index is larger than its file allows"));
    if (!origins)
        origins = std::make_shared<OriginPool>();
    QSet<QString> tried;
    QString file;
    for (OriginPool::Lease at = origins->take(entry.chunks.url, tried);; at = origins->take(entry.chunks.url, tried)) {
        tried.insert(at.origin);
        try {
            file = co_await downloader->download(QUrl(at.url, QUrl::StrictMode), {}, entry.chunks.size);
            origins->release(at, false, 0, 0);
            break;
        } catch (const BodyTooLarge &) {
            origins->release(at, true, 0, 0);
            throw;
        } catch (...) {
            origins->release(at, true, 0, 0);
            if (tried.size() >= origins->countFor(entry.chunks.url) || Background::stopping())
                throw;
        }
    }
    const auto read = [file, entry] { return readIndex(file, entry); };
    co_return co_await Background::run(read, pool);
}
}
