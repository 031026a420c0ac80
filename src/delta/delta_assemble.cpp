#include "delta/delta_steps.h"
#include "support/sha256.h"
#include "transfer/origin_pool.h"
#include "support/patch_timing.h"
#include "support/background.h"
#include "support/launcher_error.h"
#include "support/log.h"
#include "support/paths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QUuid>
#include <QCoro/QCoroTimer>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <unistd.h>

namespace Patcher::Delta {

namespace {
constexpr size_t rangesInFlight = 4;
constexpr qint64 sliceBytes = 1 << 20;
constexpr int rangeAttempts = 5;

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
    void open(const QStringList &from)
    {
        const QString folder = Paths::downloadTemp();
        QDir().mkpath(folder);
        path = folder + QStringLiteral("/vantorel-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
        fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            path.clear();
            ioFail(QStringLiteral("create"), folder);
        }
        ResumeStore::lock(fd);
        sources = from;
        for (const QString &source : sources) {
            sourceFds.push_back(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
            if (sourceFds.back() < 0)
                ioFail(QStringLiteral("read"), source);
        }
    }
    void copy(const DeltaPlan::Step &step, const std::function<void(qint64)> &onReused, const std::function<void()> &checkCancelled)
    {
        QByteArray buffer(qsizetype(qMin(sliceBytes, step.length)), Qt::Uninitialized);
        for (qint64 copied = 0; copied < step.length;) {
            checkCancelled();
            const qint64 want = qMin<qint64>(buffer.size(), step.length - copied);
            const ssize_t got = ::pread(sourceFds.at(size_t(step.source)), buffer.data(), size_t(want), off_t(step.from + copied));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                fail(QStringLiteral("%1 changed while it was read").arg(sources.at(step.source)));
            writeAll(fd, buffer.constData(), got, path);
            digest.update(buffer.constData(), got);
            copied += got;
            if (onReused)
                onReused(got);
        }
    }
    // A fetched range joins the body only when each of its chunks matches the index.
    void append(const DeltaPlan::Step &step, const ChunkIndex &index, const QString &file)
    {
        QFile in(file);
        const bool opened = in.open(QIODevice::ReadOnly);
        const QByteArray bytes = opened ? in.readAll() : QByteArray();
        in.close();
        QFile::remove(file);
        if (bytes.size() != step.length)
            fail(QStringLiteral("a part of the file came back short"));
        for (qsizetype c = step.firstChunk; c < step.endChunk; ++c) {
            const Chunker::Chunk &chunk = index.chunks.at(c);
            if (Chunker::hashOf(bytes.constData() + (chunk.offset - step.from), chunk.length) != chunk.hash)
                fail(QStringLiteral("a part of the file failed its check"));
        }
        writeAll(fd, bytes.constData(), bytes.size(), path);
        digest.update(bytes.constData(), bytes.size());
    }
    void finish()
    {
        const int closing = fd;
        fd = -1;
        if (::close(closing) != 0)
            ioFail(QStringLiteral("write"), path);
        done = true;
    }
};

// Set when the build has ended: ranges still on their way try no more.
using Abandoned = std::shared_ptr<std::atomic<bool>>;

// Waits between two attempts of a range; false when the build ended meanwhile.
QCoro::Task<bool> pause(int ms, Abandoned abandoned, std::function<bool()> cancelled)
{
    QElapsedTimer clock;
    clock.start();
    const auto over = [&] { return *abandoned || Background::stopping() || (cancelled && cancelled()); };
    while (!over() && clock.elapsed() < ms)
        co_await QCoro::sleepFor(std::chrono::milliseconds(qMin<qint64>(50, ms - clock.elapsed())));
    co_return !over();
}

// One range, with the attempts and waits of a whole file. A transport failure or an error status
// is tried again; a refused range or one longer than asked is not: the server does not serve
// ranges as assumed. The bytes of a failed attempt are taken back from the counts.
QCoro::Task<DownloadResult> fetchRange(DownloadRequest request, QString path, Downloader *downloader, DeltaHooks hooks,
                                       Abandoned abandoned)
{
    const std::shared_ptr<OriginPool> origins = hooks.origins ? hooks.origins : std::make_shared<OriginPool>();
    QSet<QString> tried;  // the origins that failed this range since the last wait
    for (int attempt = 0;; ++attempt) {
        OriginPool::Lease at = origins->take(request.url.toString(QUrl::FullyEncoded), tried);
        if (!at.isValid()) {
            tried.clear();
            at = origins->take(request.url.toString(QUrl::FullyEncoded), tried);
        }
        tried.insert(at.origin);
        auto got = std::make_shared<std::atomic<qint64>>(0);
        DownloadRequest once = request;
        once.url = QUrl(at.url, QUrl::StrictMode);
        const auto onFetched = hooks.onFetched;
        once.onBytes = [got, onFetched, origins, at](qint64 n) {
            *got += n;
            origins->served(at, n);
            if (onFetched)
                onFetched(n);
        };
        std::exception_ptr error;
        QString message;
        QElapsedTimer took;
        took.start();
        try {
            DownloadResult range = co_await downloader->fetch(std::move(once));
            origins->release(at, false, got->load(), took.elapsed());
            co_return range;
        } catch (const RangeRefused &) {
            origins->release(at, true, got->load(), took.elapsed());
            throw;
        } catch (const BodyTooLarge &) {
            origins->release(at, true, got->load(), took.elapsed());
            throw;
        } catch (...) {
            error = std::current_exception();
            message = describeCurrentException();
        }
        origins->release(at, true, got->load(), took.elapsed());
        if (hooks.onTakenBack)
            hooks.onTakenBack(got->load());
        if (attempt + 1 == rangeAttempts || *abandoned || Background::stopping() || (hooks.cancelled && hooks.cancelled()))
            std::rethrow_exception(error);
        Log::info(QString::fromLatin1("patch: ") + path + QString::fromLatin1(": bytes ") + QString::number(request.rangeFirst)
                  + QLatin1Char('-') + QString::number(request.rangeLast) + QString::fromLatin1(" failed (attempt ")
                  + QString::number(attempt + 1) + QLatin1Char('/') + QString::number(rangeAttempts) + QString::fromLatin1("): ")
                  + message + (origins->countFor(request.url.toString(QUrl::FullyEncoded)) > 1 ? QString::fromLatin1(" (") + at.origin + QLatin1Char(')') : QString()));
        // Another origin that has not failed this range is asked at once.
        if (tried.size() < origins->countFor(request.url.toString(QUrl::FullyEncoded)))
            continue;
        tried.clear();
        if (!co_await pause(qRound((attempt + 1) * 500 * timing().retryWaitScale), abandoned, hooks.cancelled))
            std::rethrow_exception(error);
    }
}

struct Pending {
    qsizetype step;
    QCoro::Task<DownloadResult> fetch;
};
}

QCoro::Task<DownloadResult> assemble(ManifestEntry entry, std::shared_ptr<const ChunkIndex> index, DeltaPlan plan,
                                     QStringList sources, Downloader *downloader, DeltaHooks hooks, QThreadPool *pool)
{
    auto build = std::make_shared<Build>();
    auto abandoned = std::make_shared<std::atomic<bool>>(false);
    std::deque<Pending> pending;
    std::exception_ptr error;
    const auto cancelled = hooks.cancelled;
    const auto checkCancelled = [cancelled] {
        Background::throwIfStopping();
        if (cancelled && cancelled())
            fail(QStringLiteral("the update was cancelled"));
    };
    DownloadResult body;
    try {
        const auto open = [build, sources] { build->open(sources); };
        co_await Background::run(open, pool);
        qsizetype nextFetch = 0;  // the next step whose range has not been asked for
        const auto askAhead = [&](qsizetype from) {
            nextFetch = qMax(nextFetch, from);
            while (pending.size() < rangesInFlight && nextFetch < plan.steps.size()) {
                const DeltaPlan::Step &step = plan.steps.at(nextFetch);
                if (step.source < 0) {
                    DownloadRequest request;
                    request.url = QUrl(entry.url, QUrl::StrictMode);
                    request.rangeFirst = step.from;
                    request.rangeLast = step.from + step.length - 1;
                    request.rangeOf = entry.size;
                    request.maxBytes = step.length;
                    pending.push_back({nextFetch, fetchRange(std::move(request), entry.path, downloader, hooks, abandoned)});
                }
                ++nextFetch;
            }
        };
        const auto onReused = hooks.onReused;
        for (qsizetype s = 0; s < plan.steps.size(); ++s) {
            checkCancelled();
            const DeltaPlan::Step step = plan.steps.at(s);
            askAhead(s);
            if (step.source >= 0) {
                const auto copy = [build, step, onReused, checkCancelled] { build->copy(step, onReused, checkCancelled); };
                co_await Background::run(copy, pool);
                continue;
            }
            const DownloadResult range = co_await pending.front().fetch;
            pending.pop_front();
            const auto append = [build, step, index, file = range.file] { build->append(step, *index, file); };
            co_await Background::run(append, pool);
        }
        const auto finish = [build] { build->finish(); };
        co_await Background::run(finish, pool);
        body = DownloadResult{build->path, build->digest.hex(), nullptr};
    } catch (...) {
        error = std::current_exception();
    }
    // Ranges still on their way are waited for, so none of their files is left behind.
    *abandoned = true;
    while (!pending.empty()) {
        try {
            const DownloadResult left = co_await pending.front().fetch;
            QFile::remove(left.file);
        } catch (...) {
        }
        pending.pop_front();
    }
    if (error)
        std::rethrow_exception(error);
    co_return body;
}
}
