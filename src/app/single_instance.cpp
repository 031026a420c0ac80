#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

SingleInstance::SingleInstance(const QString &launcherDir)
    : m_name(QStringLiteral("vantorel-launcher-")
             + QString::fromLatin1(QCryptographicHash::hash(launcherDir.toUtf8(), QCryptographicHash::Sha256).toHex().left(16))),
      m_lock(launcherDir + QStringLiteral("/instance.lock"))
{
}

bool SingleInstance::claim()
{
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    // A lock left by a process that died is taken over by QLockFile itself.
    if (m_lock.tryLock(0)) {
        QLocalServer::removeServer(m_name);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        m_server.listen(m_name);
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *peer = m_server.nextPendingConnection()) {
                peer->deleteLater();
                if (onActivate)
                    onActivate();
            }
        });
        return true;
    }
    // The launcher directory cannot be written (the lock cannot even be made): run unguarded
    // rather than not at all.
    if (m_lock.error() != QLockFile::LockFailedError)
        return true;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (socket.waitForConnected(2000)) {
        socket.write("activate\n");
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
    }
    return false;
}
