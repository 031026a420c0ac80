#include "proxy_server.h"
#include "server_process.h"

#include <QFile>

ProxyServer::~ProxyServer()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
}

bool ProxyServer::start(const QString &mode)
{
    m_port = ServerProcess::freePort();
    if (m_port == 0)
        return false;
    const QString dir = m_dir.path();
    // No ConnectPort line: CONNECT to any port.
    const QString conf = QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 60\nLogLevel Connect\nLogFile \"%2/proxy.log\"\n"
                                        "MaxClients 50\nDisableViaHeader Yes\n%3")
                             .arg(m_port)
                             .arg(dir, mode == QLatin1String("refuse") ? QStringLiteral("Allow 192.0.2.1\n")
                                      : mode == QLatin1String("auth") ? QStringLiteral("Allow 127.0.0.1\nBasicAuth player secret\n")
                                                                       : QStringLiteral("Allow 127.0.0.1\n"));
    m_process.setStandardOutputFile(QProcess::nullDevice());
    return ServerProcess::writeConfig(dir + "/proxy.conf", conf)
        && ServerProcess::start(m_process, QStringLiteral("tinyproxy"), {"-d", "-c", dir + "/proxy.conf"}, m_port);
}

QString ProxyServer::logText() const
{
    QFile file(m_dir.path() + "/proxy.log");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
