#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Debian's tinyproxy on 127.0.0.1, in the foreground as a child of the test. "refuse" makes it
// answer every request with 403 (no client is allowed), "auth" with 407 (it wants a password). Its log names each request it relayed,
// "CONNECT host:port" for HTTPS.
class ProxyServer {
public:
    ~ProxyServer();
    bool start(const QString &mode = {});
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    QString logText() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};
