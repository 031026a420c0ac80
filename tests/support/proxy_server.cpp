#include "proxy_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

ProxyServer::~ProxyServer()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
}

bool ProxyServer::start(const QString &mode)
{
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return false;
        m_port = probe.serverPort();
    }
    const QString dir = m_dir.path();
    // No ConnectPort line: CONNECT to any port.
    const QString conf = QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 60\nLogLevel Connect\nLogFile \"%2/proxy.log\"\n"
                                        "MaxClients 50\nDisableViaHeader Yes\n%3")
                             .arg(m_port)
                             .arg(dir, mode == QLatin1String("refuse") ? QStringLiteral("Allow 192.0.2.1\n")
                                      : mode == QLatin1String("auth") ? QStringLiteral("Allow 127.0.0.1\nBasicAuth player secret\n")
                                                                       : QStringLiteral("Allow 127.0.0.1\n"));
    QFile file(dir + "/proxy.conf");
    if (!file.open(QIODevice::WriteOnly) || file.write(conf.toUtf8()) < 0)
        return false;
    file.close();
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(QStringLiteral("tinyproxy"), {"-d", "-c", dir + "/proxy.conf"});
    if (!m_process.waitForStarted(5000))
        return false;
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20)) {
        if (m_process.state() == QProcess::NotRunning)
            return false;
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (socket.waitForConnected(200))
            return true;
    }
    return false;
}

QString ProxyServer::logText() const
{
    QFile file(m_dir.path() + "/proxy.log");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
