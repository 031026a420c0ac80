#include "patch/fetch.h"
#include "transfer/downloader.h"
#include "support/sha256.h"
#include "install/install.h"
#include "install/install_batch.h"
#include "patch/meter.h"
#include "transfer/origin_pool.h"
#include "transfer/slow_watch.h"
#include "support/background.h"
#include "support/log.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QCoro/QCoroTimer>

namespace Patcher {
namespace {
using ResumeStore::PartialBody;
// Bytes of one entry that the meter counts (those kept, then those received), and how many of them
// a body kept by an earlier run still brings: none once that body was dropped.
struct Tally {
    std::atomic<qint64> counted{0};
    std::atomic<qint64> fromBefore{0};
};

// Waits, but ends at once (throwing) when the run is cancelled.
QCoro::Task<> pause(int ms, std::shared_ptr<FetchRun::State> state)
{
    QElapsedTimer clock;
    clock.start();
    while (!state->cancelled && !Background::stopping() && clock.elapsed() < ms)
        co_await QCoro::sleepFor(std::chrono::milliseconds(qMin<qint64>(50, ms - clock.elapsed())));
    if (state->cancelled || Background::stopping())
        throw Cancelled();
}

// What an attempt that failed leaves to the next one: the body it kept, if any.
QCoro::Task<std::optional<PartialBody>> keptBody(ResumeStore::BodyKey key)
{
    const auto find = [key] { return ResumeStore::find(key); };
    co_return co_await Background::run(find, &installPool());
}

// The kept prefix is hashed from disk once; the rest as it arrives. Null, with the body dropped,
// when the prefix cannot be read.
QCoro::Task<std::shared_ptr<Sha256Stream>> hashKeptPrefix(PartialBody from)
{
    const auto hash = [from]() -> std::shared_ptr<Sha256Stream> {
        Background::yieldToInterface();
        try {
            return std::make_shared<Sha256Stream>(Sha256Stream::ofPrefix(from.file, from.bytes));
        } catch (const PlatformError &) {
            ResumeStore::discard(from.file);
            return nullptr;
        }
    };
    co_return co_await Background::run(hash, &installPool());
}

// A whole body goes into place, or away when it fails its checksum. Until it is in place it
// stays on record, whatever stops it (a quit, a folder in the way): the next run only moves it.
void putInPlace(const QString &file, const QString &sha256, const QString &destination, const ManifestEntry &entry)
{
    if (!sameDigest(sha256, entry.sha256)) {
        ResumeStore::discard(file);
        throw WrongContent(entry.path);
    }
    Background::yieldToInterface();
    Background::throwIfStopping();
    try {
        install(file, destination);
    } catch (const Cancelled &) {
        throw;
    } catch (const PlatformError &e) {
        // It may have reached its staging name beside the destination: back to the download
        // area with it, or it goes.
        const QString staging = destination + QStringLiteral(".part");
        if (!QFileInfo::exists(file) && !QFile::rename(staging, file)) {
            QFile::remove(staging);
            ResumeStore::discard(file);
        }
        throw LocalFailure(e.errorDescription());
    }
    QFile::remove(file + QStringLiteral(".resume"));
}

// A body an earlier run checked whole but did not put in place: checked again and moved, with
// no request. False, the body gone, when it is not the file after all.
QCoro::Task<bool> placeWholeBody(PartialBody body, ManifestEntry entry, QString destination)
{
    const auto place = [body, entry, destination] {
        QString sha256;
        try {
            sha256 = Sha256Stream::ofPrefix(body.file, body.bytes).hex();
        } catch (const Cancelled &) {
            throw;
        } catch (const PlatformError &) {
            ResumeStore::discard(body.file);
            return false;
        }
        try {
            putInPlace(body.file, sha256, destination, entry);
        } catch (const WrongContent &) {
            return false;
        }
        return true;
    };
    co_return co_await Background::run(place, &installPool());
}

// What failed an attempt, or null. (A task cannot return an exception_ptr itself.)
struct Failure {
    std::exception_ptr error;
};

// What a failure says of the origin that sent it.
OriginPool::Failure judge(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const StatusFailure &e) {
        if (e.status() == 404)
            return OriginPool::Failure::Missing;
    } catch (...) {
    }
    return causeOf(error) == FailureCause::Content ? OriginPool::Failure::WrongBody : OriginPool::Failure::Transport;
}

// One download of the entry from one origin, checked and installed.
QCoro::Task<Failure> attemptOnce(ManifestEntry entry, QUrl entryUrl, OriginPool::Lease at, bool sameOrigin, QString destination,
                                 std::optional<PartialBody> from, bool wholeOverKept, FetchRun run, std::shared_ptr<Tally> tally)
{
    std::exception_ptr error;
    auto handle = std::make_shared<int>(0);
    SlowWatch watch(run.origins, at, run.downloader, handle, run.origins->countFor(entry.url) > 1);
    try {
        DownloadRequest request;
        request.url = at.url == entry.url ? entryUrl : QUrl(at.url, QUrl::StrictMode);
        request.ifRange = sameOrigin;
        request.wholeOverKept = wholeOverKept;
        request.handle = handle;
        request.held = watch.held();
        request.maxBytes = entry.size;
        // A small body is cheaper to fetch again than to keep: no record, no lock, no move.
        const bool small = run.batch && !from && entry.size <= InstallBatch::smallBody;
        if (small)
            request.staging = destination + QStringLiteral(".part");
        else
            request.key = bodyKey(entry, run.folder);
        request.onBytes = [tally, meter = run.meter, stats = run.stats, origins = run.origins, at,
                           received = watch.counter()](qint64 delta) {
            *received += delta;
            origins->served(at, delta);
            tally->counted += delta;
            stats->fetched += delta;
            meter->add(delta);
        };
        request.onOtherBytes = [meter = run.meter](qint64 bytes) { meter->addOther(bytes); };
        request.onDropped = [tally, meter = run.meter](qint64 bytes) {
            tally->counted -= bytes;
            tally->fromBefore = 0;
            meter->addKept(-bytes);
        };
        if (from) {
            request.digest = co_await hashKeptPrefix(*from);
            if (request.digest)
                request.from = from;
            else
                request.onDropped(from->bytes);
        }
        watch.arm();
        const DownloadResult result = co_await run.downloader->fetch(std::move(request));
        const qint64 took = watch.elapsed();
        if (small) {
            // Hashed as it arrived: only the comparison is left, then the batch takes it.
            if (!sameDigest(result.sha256, entry.sha256)) {
                const auto drop = [file = result.file] { QFile::remove(file); };
                co_await Background::run(drop, &installPool());
                throw WrongContent(entry.path);
            }
            run.batch->add(result.file, destination, entry.size);
            run.origins->release(at, false, watch.bytes(), took);
            co_return Failure{};
        }
        // It goes into place, or away (a large file takes a while).
        const auto settle = [result, destination, entry] { putInPlace(result.file, result.sha256, destination, entry); };
        co_await Background::run(settle, &installPool());
        // Only a body that passed its checksum speaks well of its origin.
        run.origins->release(at, false, watch.bytes(), took);
        at = {};
    } catch (const BodyTooLarge &) {
        error = std::make_exception_ptr(WrongContent(entry.path));
    } catch (...) {
        error = std::current_exception();
    }
    // This computer's own failure says nothing of the origin.
    if (at.isValid())
        run.origins->release(at, causeOf(error) != FailureCause::Local, watch.bytes(), watch.elapsed(), judge(error));
    co_return Failure{error};
}

bool refusedToResume(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ResumeRefused &) {
        return true;
    } catch (...) {
        return false;
    }
}

// With mirrors, the line names the origin that failed.
void warnFailed(const QString &path, int attempt, const std::exception_ptr &error, const QString &origin)
{
    QString message;
    try {
        std::rethrow_exception(error);
    } catch (...) {
        message = describeCurrentException();
    }
    // Concatenated: a path holding "%1" must reach the log as it is.
    Log::warn(QString::fromLatin1("patch: ") + path + QString::fromLatin1(" failed (attempt ")
              + QString::number(attempt + 1) + QString::fromLatin1("/5): ") + message
              + (origin.isEmpty() ? QString() : QString::fromLatin1(" (") + origin + QLatin1Char(')')));
}
}

ResumeStore::BodyKey bodyKey(const ManifestEntry &entry, const QString &folder)
{
    return {entry.url, entry.path, entry.size, entry.sha256, folder};
}

QCoro::Task<> fetch(ManifestEntry entry, std::optional<PartialBody> from, FetchRun run)
{
    const QString destination = resolve(run.root, entry.path);
    const QUrl url(entry.url, QUrl::StrictMode);
    if (entry.url.isEmpty() || !url.isValid())
        throw LauncherError::patch(LauncherError::badUrl(entry.path));
    auto tally = std::make_shared<Tally>();
    tally->counted = tally->fromBefore = from ? from->bytes : 0;

    if (from && from->whole(bodyKey(entry, run.folder))) {
        if (co_await placeWholeBody(*from, entry, destination)) {
            run.stats->kept += from->bytes;
            co_return;
        }
        run.meter->addKept(-from->bytes);
        from.reset();
        tally->counted = tally->fromBefore = 0;
    }

    if (!entry.chunks.isEmpty()) {
        // Only the file itself is a source, never what a link in its place points at.
        const auto look = [destination] {
            const QFileInfo at(destination);
            return at.isFile() && !at.isSymLink() ? destination : QString();
        };
        const QString old = co_await Background::run(look, &installPool());
        if (!old.isEmpty() || from) {
            if (co_await buildFromChunks(entry, old, from, destination, run))
                co_return;
            if (run.state->cancelled)
                throw Cancelled();
        }
    }

    const bool mirrored = run.origins->countFor(entry.url) > 1;
    // Which origin the kept body's validator is from; unknown for a body kept by an earlier run.
    QString keptFrom;
    // A server refused to continue the kept body: later attempts ask for all of it instead.
    bool wholeOverKept = false;
    for (int attempt = 0; attempt < 5; ++attempt) {
        // An attempt fails only when every origin has failed it; the next origin is tried at once.
        QSet<QString> tried;
        std::exception_ptr error;
        for (OriginPool::Lease at = run.origins->take(entry.url, tried); at.isValid();
             at = run.origins->take(entry.url, tried)) {
            tried.insert(at.origin);
            error = (co_await attemptOnce(entry, url, at, !mirrored || keptFrom == at.origin, destination, from, wholeOverKept, run, tally)).error;
            if (!error) {
                run.stats->kept += tally->fromBefore;
                co_return;
            }
            if (Background::stopping())
                std::rethrow_exception(error);
            // The next attempt goes on from what this one kept; the meter keeps only those bytes.
            const std::optional<PartialBody> before = from;
            from = co_await keptBody(bodyKey(entry, run.folder));
            // A validator that came with a whole body is that origin's.
            if (from && (!before || before->validator.ifRange() != from->validator.ifRange()))
                keptFrom = at.origin;
            const qint64 kept = from ? from->bytes : 0;
            run.meter->add(-(tally->counted - kept));
            tally->counted = kept;
            if (!from)
                tally->fromBefore = 0;
            // A peer that lacks a file is no fault: most peers lack most files while they update.
            const FailureCause cause = causeOf(error);
            if (!at.peer || judge(error) != OriginPool::Failure::Missing)
                warnFailed(entry.path, attempt, error, mirrored ? (at.peer ? QStringLiteral("peer ") : QString()) + at.origin : QString());
            // Another attempt would fetch the body again into the same disk, for nothing.
            if (run.state->cancelled || cause == FailureCause::Local)
                std::rethrow_exception(error);
            if (from && refusedToResume(error))
                wholeOverKept = true;
        }
        if (attempt == 4)
            std::rethrow_exception(error);
        co_await pause(qRound((attempt + 1) * 500 * timing().retryWaitScale), run.state);
    }
}
}
