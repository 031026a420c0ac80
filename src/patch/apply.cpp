#include "support/background.h"
#include "patch/downloader.h"
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

QCoro::Task<> fetch(ManifestEntry entry, QString root, Downloader *downloader, std::shared_ptr<Meter> meter,
                    std::shared_ptr<RunState> state)
{
    const QString destination = resolve(root, entry.path);
    const QUrl url(entry.url, QUrl::StrictMode);
    if (entry.url.isEmpty() || !url.isValid())
        throw LauncherError::patch(LauncherError::badUrl(entry.path));

    for (int attempt = 0; attempt < 5; ++attempt) {
        auto got = std::make_shared<std::atomic<qint64>>(0);
        QString file;
        std::exception_ptr error;
        try {
            // Named, not temporaries: GCC 12 destroys a lambda temporary inside co_await twice.
            const std::function<void(qint64)> onBytes = [got, meter](qint64 delta) {
                *got += delta;
                meter->add(delta);
            };
            file = co_await downloader->download(url, onBytes, entry.size);
            const auto checkAndInstall = [file, destination, entry] {
                Background::yieldToInterface();
                if (!sameDigest(sha256Of(file), entry.sha256))
                    throw LauncherError::patch(LauncherError::checksumFailed(entry.path));
                Background::throwIfStopping();
                install(file, destination);
            };
            co_await Background::run(checkAndInstall, &installPool());
        } catch (const BodyTooLarge &) {
            error = std::make_exception_ptr(LauncherError::patch(LauncherError::checksumFailed(entry.path)));
        } catch (...) {
            error = std::current_exception();
        }
        if (!file.isEmpty())
            QFile::remove(file);
        if (!error)
            co_return;

        meter->add(-got->load());
        QString message;
        try {
            std::rethrow_exception(error);
        } catch (...) {
            message = describeCurrentException();
        }
        if (Background::stopping())
            std::rethrow_exception(error);
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
        co_await fetch(entry, group->root, group->downloader, group->meter, group->state);
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

QCoro::Task<> apply(QList<ManifestEntry> entries, QString root, PhaseProgress progress)
{
    // Entries that would overwrite each other cannot all be installed: refuse before any download.
    const auto distinct = [entries] { checkPathsAreDistinct(entries); };
    co_await Background::run(distinct);
    Downloader downloader(userAgent, timing().downloadIdleMs);
    auto group = std::make_shared<Group>();
    group->entries = std::move(entries);
    group->root = std::move(root);
    group->downloader = &downloader;
    group->meter = std::make_shared<Meter>(totalSize(group->entries), progress);
    group->done.start();
    QFuture<void> finished = group->done.future();
    startMore(group);
    co_await finished;
    downloader.invalidateAndCancel();
    if (group->firstError)
        std::rethrow_exception(group->firstError);
    progress(PatchPhase::finishing());
}

}
