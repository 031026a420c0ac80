#include "install/install_batch.h"
#include "install/install.h"
#include "support/launcher_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <QCoro/QCoroFuture>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace Patcher {
namespace {
constexpr qsizetype batchFiles = 256;
constexpr qint64 batchBytes = 16 << 20;

QString errorText(const QString &what, const QString &path, int error)
{
    return QStringLiteral("Couldn't %1 \"%2\": %3").arg(what, path, QString::fromLocal8Bit(strerror(error)));
}

// Crash tests cut a batch at an exact point: VANTOREL_KILL_IN_BATCH=synced (data on disk, nothing
// renamed), renamed:N (after the run's N-th rename) or renamed (every rename done, folders not
// flushed). Read once. A batch's size depends on how fast files came, so the last words say
// where it was cut.
struct KillPoint {
    QByteArray at = qgetenv("VANTOREL_KILL_IN_BATCH");
    std::atomic<int> renames{0};
    void check(const char *point, qsizetype renamedInBatch, qsizetype batch)
    {
        if (!at.isEmpty() && at == point)
            kill(renamedInBatch, batch);
    }
    void renamed(qsizetype renamedInBatch, qsizetype batch)
    {
        const int n = ++renames;
        if (at.startsWith("renamed:") && at.mid(8).toInt() == n)
            kill(renamedInBatch, batch);
    }
    [[noreturn]] void kill(qsizetype renamedInBatch, qsizetype batch)
    {
        const QByteArray words = QByteArrayLiteral("killed after %1 renames, %2 of a batch of %3\n")
                                     .replace("%1", QByteArray::number(renames.load()))
                                     .replace("%2", QByteArray::number(renamedInBatch))
                                     .replace("%3", QByteArray::number(batch));
        [[maybe_unused]] const auto written = ::write(STDERR_FILENO, words.constData(), size_t(words.size()));
        ::raise(SIGKILL);
        std::abort();
    }
};
KillPoint &killPoint()
{
    static KillPoint point;
    return point;
}

// Every staged file on the disk: one syncfs() per file system the files are on (a folder of the
// install may be a link to another disk), which costs one journal commit where a flush of each
// file costs one per file. The first failure, or empty.
QString syncAll(const QStringList &files)
{
    QSet<QString> folders;
    for (const QString &file : files)
        folders.insert(QFileInfo(file).absolutePath());
    QSet<dev_t> synced;
    for (const QString &folder : std::as_const(folders)) {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat info {};
        if (fd < 0 || ::fstat(fd, &info) != 0) {
            const int error = errno;
            if (fd >= 0)
                ::close(fd);
            return errorText(QStringLiteral("flush"), folder, error);
        }
        int rc = 0;
        if (!synced.contains(info.st_dev)) {
            rc = ::syncfs(fd);
            synced.insert(info.st_dev);
        }
        const int error = errno;
        ::close(fd);
        if (rc != 0)
            return errorText(QStringLiteral("flush"), folder, error);
    }
    return {};
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int rc = fd < 0 ? -1 : ::fsync(fd);
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (rc != 0)
        throw PlatformError(errorText(QStringLiteral("flush"), folder, error));
}
}

InstallBatch::~InstallBatch()
{
    // A run that ended without finish() (it threw before): its flushes still use this object.
    for (QFuture<void> &flush : m_flushes)
        flush.waitForFinished();
    // Checked files that never reached a batch: not left as parts in the game folder.
    for (const Staged &item : std::as_const(m_pending))
        QFile::remove(item.staging);
}

void InstallBatch::add(const QString &staging, const QString &destination, qint64 bytes)
{
    const std::lock_guard guard(m_lock);
    m_pending.append(Staged{staging, destination});
    m_pendingBytes += bytes;
    if (m_pending.size() >= batchFiles || m_pendingBytes >= batchBytes) {
        flushAsync();
    } else if (m_pending.size() == 1) {
        QTimer::singleShot(maxWait, [batch = weak_from_this(), started = m_started] {
            const std::shared_ptr<InstallBatch> self = batch.lock();
            if (!self)
                return;
            const std::lock_guard guard(self->m_lock);
            if (self->m_started == started)
                self->flushAsync();
        });
    }
}

bool InstallBatch::failed() const
{
    const std::lock_guard guard(m_lock);
    return bool(m_error);
}

// Called with m_lock held.
void InstallBatch::flushAsync()
{
    if (m_pending.isEmpty())
        return;
    QList<Staged> items;
    items.swap(m_pending);
    m_pendingBytes = 0;
    ++m_started;
    // Flushes queue on m_flushing in the order they take it; the order between two batches does
    // not matter (their files are distinct), only that the disk sees one batch at a time.
    m_flushes.append(QtConcurrent::run(&installPool(), [this, items = std::move(items)] {
        const std::lock_guard one(m_flushing);
        try {
            flush(items);
        } catch (...) {
            const std::lock_guard guard(m_lock);
            if (!m_error)
                m_error = std::current_exception();
        }
    }));
}

void InstallBatch::flush(const QList<Staged> &items)
{
    QStringList staged;
    for (const Staged &item : items)
        staged.append(item.staging);
    // Durable before renamed: no rename may ever put a name on bytes that are not on disk.
    const QString failure = syncAll(staged);
    if (!failure.isEmpty()) {
        for (const QString &file : std::as_const(staged))
            QFile::remove(file);
        throw PlatformError(failure);
    }
    killPoint().check("synced", 0, items.size());
    QSet<QString> folders;
    qsizetype renamed = 0;
    std::exception_ptr error;
    for (const Staged &item : items) {
        if (error) {
            QFile::remove(item.staging);
            continue;
        }
        try {
            removeEmptyFolderAt(item.destination);
        } catch (...) {
            error = std::current_exception();
            QFile::remove(item.staging);
            continue;
        }
        if (::rename(QFile::encodeName(item.staging).constData(), QFile::encodeName(item.destination).constData()) != 0) {
            error = std::make_exception_ptr(PlatformError(errorText(QStringLiteral("replace"), item.destination, errno)));
            QFile::remove(item.staging);
            continue;
        }
        killPoint().renamed(++renamed, items.size());
        // The folder holds the new name; the folders above it hold folders that may be new.
        for (QString folder = QFileInfo(item.destination).absolutePath(); !folders.contains(folder);
             folder = QFileInfo(folder).absolutePath()) {
            folders.insert(folder);
            if (folder == m_root || folder.size() <= m_root.size())
                break;
        }
    }
    killPoint().check("renamed", renamed, items.size());
    for (const QString &folder : std::as_const(folders))
        syncFolder(folder);
    if (error)
        std::rethrow_exception(error);
}

QCoro::Task<> InstallBatch::finish()
{
    QList<QFuture<void>> flushes;
    {
        const std::lock_guard guard(m_lock);
        flushAsync();
        flushes = m_flushes;
    }
    for (QFuture<void> &flush : flushes)
        co_await flush;
    const std::lock_guard guard(m_lock);
    if (m_error)
        std::rethrow_exception(m_error);
}
}
