#include "transfer/download_worker.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

// A small body goes straight to its staging file beside its destination: no move out of the
// download area later, and its inode is made where the file will live (ext4 allocates near the
// folder; thousands of bodies made in one folder and moved away make every later creation there
// scan past their freed inodes). The install folder's lock keeps other runs off the name.
bool DownloadWorker::openStaging(QFile &file, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_madeFolders.contains(folder)) {
        if (!QDir().mkpath(folder)) {
            file.setFileName(path);
            return false;
        }
        m_madeFolders.insert(folder);
    }
    // A leftover is removed, never written through (it may be a link); exclusive creation then
    // refuses anything that took its place meanwhile.
    ::unlink(QFile::encodeName(path).constData());
    file.setFileName(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return true;
    m_madeFolders.remove(folder);  // the next attempt looks again
    return false;
}
