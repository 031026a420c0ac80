#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Debian's nginx serving a folder on 127.0.0.1, as a CDN would: ranges, validators, sendfile, and
// with https HTTP/2 over TLS with a certificate of the test authority (see test_ca.h). Runs in the
// foreground as a child of the test and is stopped with it.
class NginxServer {
public:
    NginxServer() = default;
    ~NginxServer();
    NginxServer(const NginxServer &) = delete;
    NginxServer &operator=(const NginxServer &) = delete;

    bool start(const QString &root, bool https = false);
    void stop();
    quint16 port() const { return m_port; }
    QString origin() const;
    // One line per request: <method> <uri> <status> <protocol> <range or -> <bytes sent> "<If-Range or ->".
    QString logPath() const { return m_dir.path() + QStringLiteral("/access.log"); }
    QStringList logLines() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_https = false;
};
