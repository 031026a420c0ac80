#include "support/background.h"
#include "patch/diff.h"
#include "support/sha256.h"
#include "patch/patcher.h"
#include "support/launcher_error.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <QCoro/QCoroFuture>
#include <sys/stat.h>
#include <cstring>
#include <exception>

namespace Patcher {

QList<ManifestEntry> quickDiff(const Manifest &manifest, const QString &root)
{
    QList<ManifestEntry> candidates;
    for (const ManifestEntry &entry : manifest.files)
        if (!isLauncherOwned(entry.path))
            candidates.append(entry);
    // The same refusal as the update's, so the check never offers an update that cannot run.
    checkPathsAreDistinct(candidates);
    QList<ManifestEntry> needed;
    for (const ManifestEntry &entry : std::as_const(candidates)) {
        Background::throwIfStopping();
        const QString path = resolve(root, entry.path);
        struct stat info;
        // The file itself, never a link's target: as the full verification judges it.
        if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode)
            && qint64(info.st_size) == entry.size)
            continue;
        needed.append(entry);
    }
    return needed;
}

namespace {
struct VerifyResult {
    QList<ManifestEntry> needed;
    std::exception_ptr error;
};

// Decides one entry, judging the file itself as the quick check does: a link, a FIFO or a device
// needs a download like a missing file (the install puts a real file in its place), and only a
// regular file is read. An empty folder in the way is replaced; one with something in it is the
// player's and stops the run with its path.
bool needsDownload(const ManifestEntry &entry, const QString &root)
{
    const QString path = resolve(root, entry.path);
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return true;
    if (S_ISDIR(info.st_mode)) {
        if (!QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            throw PlatformError(QStringLiteral("Couldn't replace \"%1\": %2").arg(path, QString::fromLocal8Bit(strerror(ENOTEMPTY))));
        return true;
    }
    if (!S_ISREG(info.st_mode))
        return true;
    return !sameDigest(sha256Of(path), entry.sha256);
}

// Runs on a worker thread and blocks there: at most 4 verifications at once, results in
// completion order, the first error wins once the running ones have ended.
VerifyResult verifyAll(const QList<ManifestEntry> &candidates, const QString &root, const VerifyProgress &progress)
{
    VerifyResult result;
    QThreadPool pool;
    pool.setMaxThreadCount(4);
    QSemaphore permits(4);
    QMutex mutex;
    Counter counter;
    const qint64 total = candidates.size();
    for (const ManifestEntry &entry : candidates) {
        permits.acquire();
        {
            QMutexLocker lock(&mutex);
            if (!result.error && Background::stopping())
                result.error = std::make_exception_ptr(Background::Stopped());
            if (result.error) {
                permits.release();
                break;
            }
        }
        pool.start([&, entry] {
            Background::yieldToInterface();
            try {
                const bool needed = needsDownload(entry, root);
                const qint64 done = counter.increment();
                if (progress)
                    progress(done, total);
                QMutexLocker lock(&mutex);
                if (needed)
                    result.needed.append(entry);
            } catch (...) {
                QMutexLocker lock(&mutex);
                if (!result.error)
                    result.error = std::current_exception();
            }
            permits.release();
        });
    }
    pool.waitForDone();
    return result;
}
}

QCoro::Task<QList<ManifestEntry>> fullDiff(Manifest manifest, QString root, VerifyProgress progress)
{
    // Even the collision check of a large manifest takes longer than a frame: all of it runs off
    // the calling thread.
    const auto work = [manifest, root, progress] {
        QList<ManifestEntry> candidates;
        for (const ManifestEntry &entry : manifest.files)
            if (!isLauncherOwned(entry.path))
                candidates.append(entry);
        if (candidates.isEmpty())
            return VerifyResult{};
        checkPathsAreDistinct(candidates);
        return verifyAll(candidates, root, progress);
    };
    const VerifyResult result = co_await Background::run(work);
    if (result.error)
        std::rethrow_exception(result.error);
    co_return result.needed;
}

}
