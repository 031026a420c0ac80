#include "app/single_instance.h"
#include "support/log.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
// The socket lives in the user's own runtime folder: under /tmp another local user could take a
// predictable name first and answer in our place.
QString socketName(const QString &launcherDir)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    return runtime + QStringLiteral("/vantorel-launcher-")
        + QString::fromLatin1(QCryptographicHash::hash(launcherDir.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}
}

SingleInstance::SingleInstance(const QString &launcherDir)
    : m_name(socketName(launcherDir)), m_lock(launcherDir + QStringLiteral("/instance.lock"))
{
}

bool SingleInstance::claim()
{
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    // A lock left by a process that died is taken over by QLockFile itself.
    if (m_lock.tryLock(0)) {
        if (m_name.isEmpty()) {
            Log::warn(QStringLiteral("launcher: no runtime folder; a second start will not find this one"));
            return true;
        }
        QLocalServer::removeServer(m_name);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server.listen(m_name)) {
            Log::warn(QStringLiteral("launcher: can't listen for a second start: ") + m_server.errorString());
            return true;
        }
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *peer = m_server.nextPendingConnection()) {
                connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
                connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                    if (!peer->canReadLine())
                        return;
                    const QByteArray line = peer->readLine(4096).trimmed();
                    peer->disconnectFromServer();
                    if (line.startsWith("activate") && onActivate)
                        onActivate(line.mid(8).trimmed());
                });
            }
        });
        return true;
    }
    // The launcher directory cannot be written (the lock cannot even be made): run unguarded
    // rather than not at all.
    if (m_lock.error() != QLockFile::LockFailedError)
        return true;
    if (m_name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (socket.waitForConnected(2000)) {
        // The token lets a Wayland compositor bring the running window forward.
        socket.write("activate " + qgetenv("XDG_ACTIVATION_TOKEN") + "\n");
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
    }
    return false;
}
