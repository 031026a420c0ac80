#pragma once
#include <QString>
#include <QTemporaryDir>

// Debian's nginx serving a folder on a free loopback port, for tests that need a real server
// beside the stand-in. Its access log has one line per request:
// <status> "<Range>" "<If-Range>" <path>. Stopped in the destructor.
class NginxServer {
public:
    NginxServer() = default;
    ~NginxServer();
    NginxServer(const NginxServer &) = delete;
    NginxServer &operator=(const NginxServer &) = delete;

    // False when nginx is missing or did not come up.
    bool start(const QString &root, bool https = false);
    quint16 port() const { return m_port; }
    QString logPath() const { return m_dir.filePath(QStringLiteral("access.log")); }

private:
    QTemporaryDir m_dir;
    quint16 m_port = 0;
    bool m_running = false;
};
