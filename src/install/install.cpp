#include "install/install.h"
#include "support/background.h"
#include "support/launcher_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Patcher {
namespace {
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
    // Exclusive: a staging file that someone else made after ours was removed is never written.
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
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
}

void install(const QString &download, const QString &destination)
{
    const QString folder = QFileInfo(destination).absolutePath();
    // Folders made here: each one's name lives in its parent, which must reach the disk too.
    QStringList made;
    for (QString at = folder; !QFileInfo::exists(at) && at != QFileInfo(at).absolutePath(); at = QFileInfo(at).absolutePath())
        made.append(at);
    if (!QDir().mkpath(folder))
        throw PlatformError(QStringLiteral("Couldn't create the folder \"%1\".").arg(folder));
    // The folder's lock keeps other runs away from the staging name: a leftover is removed.
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
    removeEmptyFolderAt(destination);
    if (::rename(QFile::encodeName(staging).constData(), QFile::encodeName(destination).constData()) != 0)
        fileError(QStringLiteral("replace"), destination);
    syncPath(folder, O_RDONLY | O_DIRECTORY);
    for (const QString &created : std::as_const(made))
        syncPath(QFileInfo(created).absolutePath(), O_RDONLY | O_DIRECTORY);
}

void removeEmptyFolderAt(const QString &destination)
{
    const QByteArray name = QFile::encodeName(destination);
    struct stat info;
    if (::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) && ::rmdir(name.constData()) != 0)
        fileError(QStringLiteral("replace"), destination);
}

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
}
