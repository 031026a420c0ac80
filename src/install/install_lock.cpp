#include "install/install_lock.h"
#include "support/launcher_error.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Patcher {
namespace {
// The descriptor still names the file at the path (a run that just ended may have removed it).
bool stillAt(int fd, const QByteArray &path)
{
    struct stat open, there;
    return ::fstat(fd, &open) == 0 && ::lstat(path.constData(), &there) == 0 && open.st_dev == there.st_dev
        && open.st_ino == there.st_ino;
}
}

std::shared_ptr<InstallLock> InstallLock::take(const QString &root, Mode mode)
{
    QString path = root;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    path += installLockName;
    const QByteArray name = QFile::encodeName(path);
    // Bounded: the file can only be swapped under us by runs that keep ending.
    for (int tries = 0; tries < 20; ++tries) {
        int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
            fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT)
                return std::shared_ptr<InstallLock>(new InstallLock(path, -1));
        }
        if (fd < 0)
            throw PlatformError(QStringLiteral("Couldn't create \"%1\": %2").arg(path, QString::fromLocal8Bit(strerror(errno))));
        if (::flock(fd, (mode == Mode::Update ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                throw LauncherError::patch(LauncherError::folderBusy());
            // A file system without locks: run unlocked, as before there were locks.
            return std::shared_ptr<InstallLock>(new InstallLock(path, -1));
        }
        if (stillAt(fd, name))
            return std::shared_ptr<InstallLock>(new InstallLock(path, fd));
        ::close(fd);
    }
    throw LauncherError::patch(LauncherError::folderBusy());
}

InstallLock::~InstallLock()
{
    if (m_fd < 0)
        return;
    // Removed only by a sole holder; whoever opened it meanwhile sees it gone and makes a new one.
    const QByteArray name = QFile::encodeName(m_path);
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0 && stillAt(m_fd, name))
        ::unlink(name.constData());
    ::close(m_fd);
}
}
