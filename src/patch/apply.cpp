#include "support/background.h"
#include "patch/delta_update.h"
#include "patch/disk_space.h"
#include "patch/downloader.h"
#include "patch/resume_store.h"
#include "support/paths.h"
#include "patch/hashing.h"
#include "patch/meter.h"
#include "patch/patcher.h"
#include "support/launcher_error.h"
#include "support/log.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <QCoro/QCoroFuture>
#include <QCoro/QCoroTimer>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Patcher {

namespace {
const QByteArray userAgent = "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 (KHTML, like Gecko) "
                             "Chrome/124.0.0.0 Safari/537.36";

class Cancelled : public PlatformError {
public:
    Cancelled() : PlatformError(QStringLiteral("The update was cancelled.")) {}
};

[[noreturn]] void fileError(const QString &what, const QString &path)
{
    throw PlatformError(QStringLiteral("Couldn't %1 \"%2\": %3").arg(what, path, QString::fromLocal8Bit(strerror(errno))));
}

void syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        fileError(QStringLiteral("open"), path);
    const int rc = ::fsync(fd);
    ::close(fd);
    if (rc != 0)
        fileError(QStringLiteral("flush"), path);
}

void copyFile(const QString &from, const QString &to)
{
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        fileError(QStringLiteral("read"), from);
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        errno = error;
        fileError(QStringLiteral("copy the download to"), to);
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), size_t(buffer.size()));
        if (got == 0)
            break;
        if (got < 0 || ::write(out, buffer.constData(), size_t(got)) != got) {
            const int error = errno;
            ::close(in);
            ::close(out);
            ::unlink(QFile::encodeName(to).constData());
            errno = error ? error : EIO;
            fileError(QStringLiteral("copy the download to"), to);
        }
    }
    ::close(in);
    if (::close(out) != 0)
        fileError(QStringLiteral("copy the download to"), to);
}

// Moves a checked download into place through "<name>.part" beside the destination. The staged
// bytes reach the disk before the one-step rename, so a crash never leaves a partial file under
// the final name.
void install(const QString &download, const QString &destination)
{
    const QString folder = QFileInfo(destination).absolutePath();
    if (!QDir().mkpath(folder))
        throw PlatformError(QStringLiteral("Couldn't create the folder \"%1\".").arg(folder));
    const QString staging = destination + QStringLiteral(".part");
    ::unlink(QFile::encodeName(staging).constData());
    if (::rename(QFile::encodeName(download).constData(), QFile::encodeName(staging).constData()) != 0) {
        if (errno != EXDEV)
            fileError(QStringLiteral("move the download to"), staging);
        // Another file system: copy, then drop the original.
        copyFile(download, staging);
        QFile::remove(download);
    }
    syncPath(staging, O_RDONLY);
    if (::rename(QFile::encodeName(staging).constData(), QFile::encodeName(destination).constData()) != 0)
        fileError(QStringLiteral("replace"), destination);
    syncPath(folder, O_RDONLY | O_DIRECTORY);
}

// Checksums and installs of downloaded files, one per running fetch at most.
QThreadPool &installPool()
{
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(6);
        Background::trackPool(p);
        return p;
    }();
    return *pool;
}

struct RunState {
    std::atomic<bool> cancelled{false};
};

// Waits, but ends at once (throwing) when the run is cancelled.
QCoro::Task<> pause(int ms, std::shared_ptr<RunState> state)
{
    QElapsedTimer clock;
    clock.start();
    while (!state->cancelled && !Background::stopping() && clock.elapsed() < ms)
        co_await QCoro::sleepFor(std::chrono::milliseconds(qMin<qint64>(50, ms - clock.elapsed())));
    if (state->cancelled || Background::stopping())
        throw Cancelled();
}

// What an attempt that failed leaves to the next one: the body it kept, if any.
QCoro::Task<std::optional<ResumeStore::PartialBody>> keptBody(ResumeStore::BodyKey key)
{
    const auto find = [key] { return ResumeStore::find(key); };
    co_return co_await Background::run(find, &installPool());
}

// A changed file with a chunk index: only the chunks the old file (or a kept body) lacks are
// fetched. False, with every byte it counted taken back, when the whole file must be downloaded.
QCoro::Task<bool> buildFromChunks(ManifestEntry entry, QString old, std::optional<ResumeStore::PartialBody> from,
                                  QString destination, Downloader *downloader, std::shared_ptr<Meter> meter,
                                  std::shared_ptr<RunState> state, std::shared_ptr<ApplyStats> stats)
{
    auto reused = std::make_shared<std::atomic<qint64>>(0);
    auto fetched = std::make_shared<std::atomic<qint64>>(0);
    DeltaHooks hooks;
    hooks.onReused = [reused, meter, stats](qint64 n) {
        *reused += n;
        stats->reused += n;
        meter->addKept(n);
        meter->add(0);  // reports the bar; the rate counts only the network
    };
    hooks.onFetched = [fetched, meter, stats](qint64 n) {
        *fetched += n;
        stats->fetched += n;
        meter->add(n);
    };
    hooks.onTakenBack = [fetched, meter](qint64 n) {
        *fetched -= n;
        meter->add(-n);
    };
    hooks.cancelled = [state] { return state->cancelled.load(); };
    // A kept body's bytes are already on the bar; the build counts them again as it copies them.
    const qint64 kept = from ? from->bytes : 0;
    meter->addKept(-kept);
    const DeltaOutcome delta = co_await buildByDelta(entry, old, from, downloader, hooks, &installPool());
    QString whyNot = delta.whyNot;
    if (delta.body) {
        const QString file = delta.body->file;
        if (sameDigest(delta.body->sha256, entry.sha256)) {
            const auto place = [file, destination, from] {
                Background::yieldToInterface();
                Background::throwIfStopping();
                install(file, destination);
                if (from)
                    ResumeStore::discard(from->file);
            };
            try {
                co_await Background::run(place, &installPool());
                stats->kept -= kept;
                co_return true;
            } catch (const Background::Stopped &) {
                QFile::remove(file);
                throw;
            } catch (...) {
                whyNot = describeCurrentException();
            }
        } else {
            whyNot = QStringLiteral("the file it built failed its checksum");
        }
        QFile::remove(file);
    }
    meter->addKept(kept - reused->load());
    meter->add(-fetched->load());
    stats->reused -= reused->load();
    if (!state->cancelled)
        Log::info(QString::fromLatin1("patch: ") + entry.path + QString::fromLatin1(": no delta update (") + whyNot
                  + QString::fromLatin1("); downloading the whole file"));
    co_return false;
}

QCoro::Task<> fetch(ManifestEntry entry, QString root, Downloader *downloader, std::shared_ptr<Meter> meter,
                    std::shared_ptr<RunState> state, std::optional<ResumeStore::PartialBody> from,
                    std::shared_ptr<ApplyStats> stats)
{
    const QString destination = resolve(root, entry.path);
    const QUrl url(entry.url, QUrl::StrictMode);
    if (entry.url.isEmpty() || !url.isValid())
        throw LauncherError::patch(LauncherError::badUrl(entry.path));
    const ResumeStore::BodyKey key{entry.url, entry.path, entry.size, entry.sha256};
    // Bytes of this entry that the meter counts: those kept from before, then those received.
    auto counted = std::make_shared<std::atomic<qint64>>(from ? from->bytes : 0);

    if (!entry.chunks.isEmpty()) {
        // Only the file itself is a source, never what a link in its place points at.
        const QFileInfo at(destination);
        const QString old = at.isFile() && !at.isSymLink() ? destination : QString();
        if (!old.isEmpty() || from) {
            if (co_await buildFromChunks(entry, old, from, destination, downloader, meter, state, stats))
                co_return;
            if (state->cancelled)
                throw Cancelled();
        }
    }

    for (int attempt = 0; attempt < 5; ++attempt) {
        QString file;
        std::exception_ptr error;
        try {
            DownloadRequest request;
            request.url = url;
            request.maxBytes = entry.size;
            request.key = key;
            // Named, not temporaries: GCC 12 destroys a lambda temporary inside co_await twice.
            request.onBytes = [counted, meter, stats](qint64 delta) {
                *counted += delta;
                stats->fetched += delta;
                meter->add(delta);
            };
            request.onDropped = [counted, meter](qint64 bytes) {
                *counted -= bytes;
                meter->addKept(-bytes);
            };
            if (from) {
                // The kept prefix is hashed from disk once; the rest as it arrives.
                const QString prefixFile = from->file;
                const qint64 prefixBytes = from->bytes;
                const auto hashPrefix = [prefixFile, prefixBytes] {
                    Background::yieldToInterface();
                    return std::make_shared<Sha256Stream>(Sha256Stream::ofPrefix(prefixFile, prefixBytes));
                };
                try {
                    request.digest = co_await Background::run(hashPrefix, &installPool());
                    request.from = from;
                } catch (const Background::Stopped &) {
                    throw;
                } catch (...) {
                    ResumeStore::discard(prefixFile);
                    request.onDropped(prefixBytes);
                }
            }
            const DownloadResult result = co_await downloader->fetch(std::move(request));
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
        if (!error)
            co_return;
        if (Background::stopping())
            std::rethrow_exception(error);

        from = co_await keptBody(key);
        const qint64 kept = from ? from->bytes : 0;
        meter->add(-(counted->load() - kept));
        *counted = kept;
        QString message;
        try {
            std::rethrow_exception(error);
        } catch (...) {
            message = describeCurrentException();
        }
        // Concatenated: a path holding "%1" must reach the log as it is.
        Log::warn(QString::fromLatin1("patch: ") + entry.path + QString::fromLatin1(" failed (attempt ")
                  + QString::number(attempt + 1) + QString::fromLatin1("/5): ") + message);
        if (attempt == 4 || state->cancelled)
            std::rethrow_exception(error);
        co_await pause(qRound((attempt + 1) * 500 * timing().retryWaitScale), state);
    }
}

// Runs the fetches of one apply, at most 6 at once, and says when all have ended.
struct Group {
    QList<ManifestEntry> entries;
    QString root;
    Downloader *downloader = nullptr;
    std::shared_ptr<Meter> meter;
    std::shared_ptr<RunState> state = std::make_shared<RunState>();
    QHash<QString, ResumeStore::PartialBody> kept;  // by entry path
    std::shared_ptr<ApplyStats> stats;
    qsizetype next = 0;
    int running = 0;
    std::exception_ptr firstError;
    QPromise<void> done;
};

QCoro::Task<> runFetch(std::shared_ptr<Group> group, ManifestEntry entry);

void startMore(const std::shared_ptr<Group> &group)
{
    while (!group->firstError && group->running < 6 && group->next < group->entries.size()) {
        ++group->running;
        runFetch(group, group->entries.at(group->next++));
    }
    if (group->running == 0)
        group->done.finish();
}

QCoro::Task<> runFetch(std::shared_ptr<Group> group, ManifestEntry entry)
{
    try {
        std::optional<ResumeStore::PartialBody> from;
        if (group->kept.contains(entry.path))
            from = group->kept.value(entry.path);
        co_await fetch(entry, group->root, group->downloader, group->meter, group->state, from, group->stats);
    } catch (...) {
        if (!group->firstError) {
            group->firstError = std::current_exception();
            group->state->cancelled = true;
            group->downloader->invalidateAndCancel();
        }
    }
    --group->running;
    startMore(group);
}
}

QCoro::Task<> apply(QList<ManifestEntry> entries, QString root, PhaseProgress progress, std::shared_ptr<ApplyStats> stats)
{
    if (!stats)
        stats = std::make_shared<ApplyStats>();
    // Before any download: entries that would overwrite each other cannot all be installed; the
    // download area keeps only what this run can resume; and the run must fit on the disk.
    const auto prepare = [entries, root] {
        checkPathsAreDistinct(entries);
        QList<ResumeStore::BodyKey> keys;
        for (const ManifestEntry &entry : entries)
            keys.append({entry.url, entry.path, entry.size, entry.sha256});
        ResumeStore::sweep(keys);
        const QHash<QString, ResumeStore::PartialBody> kept = ResumeStore::findAll(keys);
        qint64 keptBytes = 0;
        for (const ResumeStore::PartialBody &body : kept)
            keptBytes += body.bytes;
        const qint64 total = totalSize(entries);
        checkFreeSpace(Paths::downloadTemp(), total - keptBytes, root, total);
        return kept;
    };
    const QHash<QString, ResumeStore::PartialBody> kept = co_await Background::run(prepare, &installPool());
    Downloader downloader(userAgent, timing().downloadIdleMs);
    auto group = std::make_shared<Group>();
    group->entries = std::move(entries);
    group->root = std::move(root);
    group->downloader = &downloader;
    group->kept = kept;
    group->meter = std::make_shared<Meter>(totalSize(group->entries), progress);
    // The bar starts where the kept bodies stopped.
    qint64 keptBytes = 0;
    for (const ResumeStore::PartialBody &body : kept)
        keptBytes += body.bytes;
    group->meter->addKept(keptBytes);
    stats->kept = keptBytes;
    group->stats = stats;
    group->done.start();
    QFuture<void> finished = group->done.future();
    startMore(group);
    co_await finished;
    downloader.invalidateAndCancel();
    if (group->firstError)
        std::rethrow_exception(group->firstError);
    progress(PatchPhase::finishing());
}

QCoro::Task<> clearDownloadArea()
{
    const auto sweep = [] { ResumeStore::sweep({}); };
    co_await Background::run(sweep, &installPool());
}
}
