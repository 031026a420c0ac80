#include "support/nginx_server.h"
#include "support/test_profile.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <unistd.h>

NginxServer::~NginxServer()
{
    if (m_running)
        QProcess::execute(QStringLiteral("nginx"), {"-p", m_dir.path(), "-c", m_dir.filePath("nginx.conf"), "-s", "stop"});
}

bool NginxServer::start(const QString &root, bool https)
{
    if (https || QStandardPaths::findExecutable(QStringLiteral("nginx"), {"/usr/sbin", "/usr/bin"}).isEmpty())
        return false;
    {
        QTcpServer probe;  // a port free right now
        if (!probe.listen(QHostAddress::LocalHost))
            return false;
        m_port = probe.serverPort();
    }
    const QString conf = QStringLiteral(
        "%1worker_processes 1;\npid %2/nginx.pid;\nerror_log %2/error.log;\nevents { worker_connections 64; }\n"
        "http {\n  log_format ranges '$status \"$http_range\" \"$http_if_range\" $uri';\n"
        "  access_log %2/access.log ranges;\n  client_body_temp_path %2;\n  proxy_temp_path %2;\n"
        "  fastcgi_temp_path %2;\n  uwsgi_temp_path %2;\n  scgi_temp_path %2;\n"
        "  server { listen 127.0.0.1:%3; root %4; }\n}\n")
        .arg(geteuid() == 0 ? QStringLiteral("user root;\n") : QString(), m_dir.path(), QString::number(m_port), root);
    writeFile(m_dir.filePath("nginx.conf"), conf.toUtf8());
    const int code = QProcess::execute(QStringLiteral("nginx"), {"-p", m_dir.path(), "-c", m_dir.filePath("nginx.conf"),
                                                                  "-g", "daemon on;"});
    if (code != 0)
        return false;
    m_running = true;
    for (int i = 0; i < 100; ++i) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (socket.waitForConnected(100))
            return true;
        QThread::msleep(20);
    }
    return false;
}
