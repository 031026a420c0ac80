#include "nginx_server.h"
#include "server_process.h"
#include "test_ca.h"

#include <QFile>
#include <unistd.h>

NginxServer::~NginxServer() { stop(); }

void NginxServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(2000);
}

QString NginxServer::origin() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_https ? QStringLiteral("https") : QStringLiteral("http")).arg(m_port);
}

QStringList NginxServer::logLines() const
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool NginxServer::start(const QString &root, bool https)
{
    stop();
    m_https = https;
    m_port = ServerProcess::freePort();
    if (m_port == 0)
        return false;
    const QString dir = m_dir.path();
    QString tls;
    if (https) {
        if (!TestCa::writePem(TestCa::Kind::Trusted, dir + "/cert.pem", dir + "/key.pem"))
            return false;
        tls = QStringLiteral(" ssl http2;\n    ssl_certificate %1/cert.pem;\n    ssl_certificate_key %1/key.pem").arg(dir);
    }
    const QString conf = QStringLiteral(
        "%1worker_processes 1;\npid %2/nginx.pid;\nerror_log %2/error.log;\n"
        "events { worker_connections 256; }\n"
        "http {\n"
        "  client_body_temp_path %2/body; proxy_temp_path %2/proxy; fastcgi_temp_path %2/fastcgi;\n"
        "  uwsgi_temp_path %2/uwsgi; scgi_temp_path %2/scgi;\n"
        "  types { application/json json; image/jpeg jpg; image/png png; text/html html; }\n"
        "  default_type application/octet-stream;\n"
        "  log_format plain '$request_method $uri $status $server_protocol $http_range $bytes_sent \"$http_if_range\"';\n"
        "  access_log %2/access.log plain;\n"
        "  sendfile on;\n"
        "  server {\n    listen 127.0.0.1:%3%4;\n    root %5;\n  }\n"
        "}\n")
        .arg(::getuid() == 0 ? QStringLiteral("user root;\n") : QString(), dir)
        .arg(m_port)
        .arg(tls, root);
    return ServerProcess::writeConfig(dir + "/nginx.conf", conf)
        && ServerProcess::start(m_process, QStringLiteral("nginx"),
                                {"-c", dir + "/nginx.conf", "-p", dir, "-g", "daemon off;"}, m_port);
}
