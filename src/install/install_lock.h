#pragma once
#include <QString>
#include <memory>

namespace Patcher {

// The lock file of an install folder, at its top. Never a game file: a patch list that names it is
// refused (checkPathsAreDistinct).
inline const QString installLockName = QStringLiteral(".vantorel-update.lock");

// One update of an install folder at a time, whichever process runs it (the launcher, the headless
// tool): an flock on a file in the folder, held for the whole run and released however the process
// ends. Verifications may share the folder with each other, never with an update.
class InstallLock {
public:
    enum class Mode { Update, Verify };
    // Takes the folder's lock at once, or throws LauncherError::patch when another run holds it.
    // A folder that cannot hold the file (read-only) is not locked: nothing can be written there
    // anyway. Blocking file work, never on the GUI thread.
    static std::shared_ptr<InstallLock> take(const QString &root, Mode mode);
    // Removes the file when no other run holds it, so a finished run leaves nothing behind.
    ~InstallLock();
    InstallLock(const InstallLock &) = delete;
    InstallLock &operator=(const InstallLock &) = delete;

private:
    InstallLock(QString path, int fd) : m_path(std::move(path)), m_fd(fd) {}
    QString m_path;
    int m_fd;
};
}
