#include "patch/delta_update.h"
#include "patch/hashing.h"
#include "support/background.h"
#include "support/launcher_error.h"
#include "support/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <unistd.h>

namespace Patcher {

namespace {
constexpr qint64 mergeGap = 64 << 10;  // fetching this much costs less than one more request
constexpr size_t rangesInFlight = 4;
constexpr qint64 sliceBytes = 1 << 20;

[[noreturn]] void fail(const QString &why) { throw PlatformError(why); }

[[noreturn]] void ioFail(const QString &what, const QString &path)
{
    fail(QStringLiteral("couldn't %1 %2: %3").arg(what, path, QString::fromLocal8Bit(strerror(errno))));
}

void writeAll(int fd, const char *data, qint64 size, const QString &path)
{
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size_t(size));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            ioFail(QStringLiteral("write"), path);
        data += put;
        size -= put;
    }
}

// The new body being assembled in the download area, and the files its chunks come from.
struct Build {
    QString path;
    int fd = -1;
    Sha256Stream digest;
    QStringList sources;
    std::vector<int> sourceFds;
    bool done = false;
    ~Build()
    {
        for (const int source : sourceFds)
            if (source >= 0)
                ::close(source);
        if (fd >= 0)
            ::close(fd);
        if (!done && !path.isEmpty())
            QFile::remove(path);
    }
};

struct Pending {
    qsizetype step;
    QCoro::Task<DownloadResult> fetch;
};
}

DeltaPlan planDelta(const ChunkIndex &index, const QHash<Chunker::ChunkHash, ChunkPlace> &found, qint64 maxRange,
                    int maxRanges)
{
    const qsizetype n = index.chunks.size();
    std::vector<bool> local(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        local[size_t(i)] = found.contains(index.chunks.at(i).hash);
    for (qint64 gap = mergeGap;; gap *= 2) {
        // A short run of local chunks between two fetched ones is fetched with them.
        std::vector<bool> copied = local;
        for (qsizetype i = 0; i < n;) {
            if (!copied[size_t(i)]) {
                ++i;
                continue;
            }
            qsizetype end = i;
            qint64 bytes = 0;
            while (end < n && copied[size_t(end)])
                bytes += index.chunks.at(end++).length;
            if (i > 0 && end < n && bytes <= gap)
                std::fill(copied.begin() + i, copied.begin() + end, false);
            i = end;
        }
        DeltaPlan plan;
        int ranges = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const Chunker::Chunk &chunk = index.chunks.at(i);
            DeltaPlan::Step step;
            if (copied[size_t(i)]) {
                const ChunkPlace place = found.value(chunk.hash);
                step = {place.source, place.offset, chunk.length, i, i + 1};
                plan.reused += chunk.length;
            } else {
                step = {-1, chunk.offset, chunk.length, i, i + 1};
                plan.fetched += chunk.length;
            }
            if (!plan.steps.isEmpty()) {
                DeltaPlan::Step &last = plan.steps.last();
                if (last.source == step.source && last.from + last.length == step.from
                    && (step.source >= 0 || last.length + step.length <= maxRange)) {
                    last.length += step.length;
                    last.endChunk = step.endChunk;
                    continue;
                }
            }
            ranges += step.source < 0;
            plan.steps.append(step);
        }
        if (ranges <= maxRanges || gap > index.fileSize)
            return plan;
    }
}

QCoro::Task<DeltaOutcome> buildByDelta(ManifestEntry entry, QString oldFile, std::optional<ResumeStore::PartialBody> kept,
                                       Downloader *downloader, DeltaHooks hooks, QThreadPool *pool)
{
    DeltaOutcome outcome;
    auto build = std::make_shared<Build>();
    std::deque<Pending> pending;
    std::exception_ptr error;
    const auto cancelled = hooks.cancelled;
    const auto checkCancelled = [cancelled] {
        Background::throwIfStopping();
        if (cancelled && cancelled())
            fail(QStringLiteral("the update was cancelled"));
    };
    try {
        const QString indexFile = co_await downloader->download(QUrl(entry.chunks.url, QUrl::StrictMode), {}, entry.chunks.size);
        const auto readIndex = [indexFile, entry] {
            QFile file(indexFile);
            const bool opened = file.open(QIODevice::ReadOnly);
            const QByteArray bytes = opened ? file.readAll() : QByteArray();
            file.close();
            QFile::remove(indexFile);
            if (!opened)
                fail(QStringLiteral("couldn't read the chunk index"));
            if (bytes.size() != entry.chunks.size || !sameDigest(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()), entry.chunks.sha256))
                fail(QStringLiteral("the chunk index failed its checksum"));
            return std::make_shared<const ChunkIndex>(ChunkIndex::decode(bytes, entry.size));
        };
        const std::shared_ptr<const ChunkIndex> index = co_await Background::run(readIndex, pool);

        QStringList sources;
        QList<qint64> limits;
        if (!oldFile.isEmpty()) {
            sources << oldFile;
            limits << -1;
        }
        if (kept) {
            sources << kept->file;
            limits << kept->bytes;
        }
        // Cut every source with the publisher's parameters and keep where the chunks it needs are.
        const auto plan = [index, sources, limits, cancelled] {
            Background::yieldToInterface();
            QSet<Chunker::ChunkHash> wanted;
            for (const Chunker::Chunk &chunk : index->chunks)
                wanted.insert(chunk.hash);
            QHash<Chunker::ChunkHash, ChunkPlace> found;
            const auto stop = [cancelled] { return Background::stopping() || (cancelled && cancelled()); };
            for (int s = 0; s < sources.size() && found.size() < wanted.size(); ++s) {
                try {
                    Chunker::cutFile(sources.at(s), index->params, [&](const Chunker::Chunk &chunk) {
                        if (wanted.contains(chunk.hash) && !found.contains(chunk.hash))
                            found.insert(chunk.hash, {s, chunk.offset});
                        return found.size() < wanted.size();
                    }, limits.at(s), stop);
                } catch (const PlatformError &) {
                    // An unreadable source only gives no chunks.
                }
            }
            Background::throwIfStopping();
            return planDelta(*index, found);
        };
        const DeltaPlan steps = co_await Background::run(plan, pool);
        checkCancelled();
        if (steps.reused * 10 < entry.size)
            fail(QStringLiteral("less than a tenth of it is on disk"));

        const auto open = [build, sources] {
            const QString folder = Paths::downloadTemp();
            QDir().mkpath(folder);
            build->path = folder + QStringLiteral("/vantorel-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
            build->fd = ::open(QFile::encodeName(build->path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (build->fd < 0) {
                build->path.clear();
                ioFail(QStringLiteral("create"), folder);
            }
            ResumeStore::lock(build->fd);
            build->sources = sources;
            for (const QString &source : sources) {
                build->sourceFds.push_back(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
                if (build->sourceFds.back() < 0)
                    ioFail(QStringLiteral("read"), source);
            }
        };
        co_await Background::run(open, pool);

        qsizetype nextFetch = 0;  // the next step whose range has not been asked for
        const auto askAhead = [&](qsizetype from) {
            nextFetch = qMax(nextFetch, from);
            while (pending.size() < rangesInFlight && nextFetch < steps.steps.size()) {
                const DeltaPlan::Step &step = steps.steps.at(nextFetch);
                if (step.source < 0) {
                    DownloadRequest request;
                    request.url = QUrl(entry.url, QUrl::StrictMode);
                    request.rangeFirst = step.from;
                    request.rangeLast = step.from + step.length - 1;
                    request.rangeOf = entry.size;
                    request.maxBytes = step.length;
                    request.onBytes = hooks.onFetched;
                    pending.push_back({nextFetch, downloader->fetch(std::move(request))});
                }
                ++nextFetch;
            }
        };
        const auto onReused = hooks.onReused;
        for (qsizetype s = 0; s < steps.steps.size(); ++s) {
            checkCancelled();
            const DeltaPlan::Step step = steps.steps.at(s);
            askAhead(s);
            if (step.source >= 0) {
                const auto copy = [build, step, onReused, checkCancelled] {
                    QByteArray buffer(qsizetype(qMin(sliceBytes, step.length)), Qt::Uninitialized);
                    for (qint64 done = 0; done < step.length;) {
                        checkCancelled();
                        const qint64 want = qMin<qint64>(buffer.size(), step.length - done);
                        const ssize_t got = ::pread(build->sourceFds.at(size_t(step.source)), buffer.data(), size_t(want),
                                                    off_t(step.from + done));
                        if (got < 0 && errno == EINTR)
                            continue;
                        if (got <= 0)
                            fail(QStringLiteral("%1 changed while it was read").arg(build->sources.at(step.source)));
                        writeAll(build->fd, buffer.constData(), got, build->path);
                        build->digest.update(buffer.constData(), got);
                        done += got;
                        if (onReused)
                            onReused(got);
                    }
                };
                co_await Background::run(copy, pool);
                continue;
            }
            const DownloadResult range = co_await pending.front().fetch;
            pending.pop_front();
            // Each chunk of the range is checked against the index before it joins the body.
            const auto append = [build, step, index, file = range.file] {
                QFile in(file);
                const bool opened = in.open(QIODevice::ReadOnly);
                const QByteArray bytes = opened ? in.readAll() : QByteArray();
                in.close();
                QFile::remove(file);
                if (bytes.size() != step.length)
                    fail(QStringLiteral("a part of the file came back short"));
                for (qsizetype c = step.firstChunk; c < step.endChunk; ++c) {
                    const Chunker::Chunk &chunk = index->chunks.at(c);
                    if (Chunker::hashOf(bytes.constData() + (chunk.offset - step.from), chunk.length) != chunk.hash)
                        fail(QStringLiteral("a part of the file failed its check"));
                }
                writeAll(build->fd, bytes.constData(), bytes.size(), build->path);
                build->digest.update(bytes.constData(), bytes.size());
            };
            co_await Background::run(append, pool);
        }
        const auto finish = [build] {
            if (::close(build->fd) != 0) {
                build->fd = -1;
                ioFail(QStringLiteral("write"), build->path);
            }
            build->fd = -1;
            build->done = true;
        };
        co_await Background::run(finish, pool);
        outcome.body = DownloadResult{build->path, build->digest.hex()};
    } catch (...) {
        error = std::current_exception();
    }
    // Ranges still on their way are waited for, so none of their files is left behind.
    while (!pending.empty()) {
        try {
            const DownloadResult left = co_await pending.front().fetch;
            QFile::remove(left.file);
        } catch (...) {
        }
        pending.pop_front();
    }
    if (error) {
        try {
            std::rethrow_exception(error);
        } catch (const Background::Stopped &) {
            throw;
        } catch (...) {
            outcome.whyNot = describeCurrentException();
        }
    }
    co_return outcome;
}
}
