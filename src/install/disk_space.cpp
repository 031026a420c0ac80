#include "install/disk_space.h"
#include "support/launcher_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace Patcher {
namespace {
struct Volume {
    bool known = false;
    dev_t device = 0;
    qint64 free = 0;
};

// The file system a folder is (or will be) on: that of its nearest existing parent.
Volume volumeOf(const QString &folder)
{
    QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    struct stat info;
    while (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return {};
        path = parent;
    }
    struct statvfs space;
    if (::statvfs(QFile::encodeName(path).constData(), &space) != 0)
        return {};
    return {true, info.st_dev, qint64(space.f_bavail) * qint64(space.f_frsize)};
}

void require(const QString &folder, const Volume &volume, qint64 needed)
{
    if (volume.known && needed > volume.free)
        throw LauncherError::patch(LauncherError::notEnoughSpace(folder, needed, volume.free));
}
}

void checkFreeSpace(const QString &downloadArea, qint64 downloadBytes, const QString &installRoot, qint64 stagingBytes)
{
    const Volume downloads = volumeOf(downloadArea);
    const Volume install = volumeOf(installRoot);
    if (downloads.known && install.known && downloads.device == install.device) {
        // Downloads are renamed into place: one copy of each on the one file system.
        require(installRoot, install, downloadBytes);
        return;
    }
    require(downloadArea, downloads, downloadBytes);
    require(installRoot, install, stagingBytes);
}
}
