#include "server_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

quint16 ServerProcess::freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

bool ServerProcess::writeConfig(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

bool ServerProcess::start(QProcess &process, const QString &program, const QStringList &arguments, quint16 port)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return false;
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20)) {
        if (process.state() == QProcess::NotRunning)
            return false;
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(200))
            return true;
    }
    return false;
}
