#include "patch/fetch.h"
#include "patch/downloader.h"
#include "patch/hashing.h"
#include "patch/install.h"
#include "patch/meter.h"
#include "support/background.h"
#include "support/log.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QCoro/QCoroTimer>

namespace Patcher {
namespace {
using ResumeStore::PartialBody;
// Bytes of one entry that the meter counts: those kept from before, then those received.
using Counted = std::shared_ptr<std::atomic<qint64>>;

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
    const auto hash = [from] {
        Background::yieldToInterface();
        return std::make_shared<Sha256Stream>(Sha256Stream::ofPrefix(from.file, from.bytes));
    };
    try {
        co_return co_await Background::run(hash, &installPool());
    } catch (const Background::Stopped &) {
        throw;
    } catch (...) {
        ResumeStore::discard(from.file);
    }
    co_return std::shared_ptr<Sha256Stream>();
}

// What failed an attempt, or null. (A task cannot return an exception_ptr itself.)
struct Failure {
    std::exception_ptr error;
};

// One download of the entry, checked and installed.
QCoro::Task<Failure> attemptOnce(ManifestEntry entry, QString destination, std::optional<PartialBody> from,
                                            FetchRun run, Counted counted)
{
    QString file;
    std::exception_ptr error;
    try {
        DownloadRequest request;
        request.url = QUrl(entry.url, QUrl::StrictMode);
        request.maxBytes = entry.size;
        request.key = bodyKey(entry, run.folder);
        request.onBytes = [counted, meter = run.meter, stats = run.stats](qint64 delta) {
            *counted += delta;
            stats->fetched += delta;
            meter->add(delta);
        };
        request.onDropped = [counted, meter = run.meter](qint64 bytes) {
            *counted -= bytes;
            meter->addKept(-bytes);
        };
        if (from) {
            request.digest = co_await hashKeptPrefix(*from);
            if (request.digest)
                request.from = from;
            else
                request.onDropped(from->bytes);
        }
        const DownloadResult result = co_await run.downloader->fetch(std::move(request));
        file = result.file;
        if (!sameDigest(result.sha256, entry.sha256))
            throw LauncherError::patch(LauncherError::checksumFailed(entry.path));
        const auto place = [file, destination] {
            Background::yieldToInterface();
            Background::throwIfStopping();
            install(file, destination);
        };
        co_await Background::run(place, &installPool());
    } catch (const BodyTooLarge &) {
        error = std::make_exception_ptr(LauncherError::patch(LauncherError::checksumFailed(entry.path)));
    } catch (...) {
        error = std::current_exception();
    }
    // A complete body is never kept: it either went into place or failed its checksum.
    if (!file.isEmpty())
        QFile::remove(file);
    co_return Failure{error};
}

void warnFailed(const QString &path, int attempt, const std::exception_ptr &error)
{
    QString message;
    try {
        std::rethrow_exception(error);
    } catch (...) {
        message = describeCurrentException();
    }
    // Concatenated: a path holding "%1" must reach the log as it is.
    Log::warn(QString::fromLatin1("patch: ") + path + QString::fromLatin1(" failed (attempt ")
              + QString::number(attempt + 1) + QString::fromLatin1("/5): ") + message);
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
    auto counted = std::make_shared<std::atomic<qint64>>(from ? from->bytes : 0);

    if (!entry.chunks.isEmpty()) {
        // Only the file itself is a source, never what a link in its place points at.
        const QFileInfo at(destination);
        const QString old = at.isFile() && !at.isSymLink() ? destination : QString();
        if (!old.isEmpty() || from) {
            if (co_await buildFromChunks(entry, old, from, destination, run))
                co_return;
            if (run.state->cancelled)
                throw Cancelled();
        }
    }

    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::exception_ptr error = (co_await attemptOnce(entry, destination, from, run, counted)).error;
        if (!error)
            co_return;
        if (Background::stopping())
            std::rethrow_exception(error);
        // The next attempt goes on from what this one kept; the meter keeps only those bytes.
        from = co_await keptBody(bodyKey(entry, run.folder));
        const qint64 kept = from ? from->bytes : 0;
        run.meter->add(-(counted->load() - kept));
        *counted = kept;
        warnFailed(entry.path, attempt, error);
        if (attempt == 4 || run.state->cancelled)
            std::rethrow_exception(error);
        co_await pause(qRound((attempt + 1) * 500 * timing().retryWaitScale), run.state);
    }
}
}
