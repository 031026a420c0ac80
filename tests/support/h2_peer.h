#pragma once
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The hostile HTTP/2 server of h2_server.py (Debian's python3-h2) serving a folder over TLS with a
// certificate of the test authority; `fault` is "reset:<bytes>", "goaway:<bytes>" or
// "close:<bytes>" for the first request of each file; with `gzip`, whole bodies go compressed to
// clients that accept it.
class H2Peer {
public:
    ~H2Peer();
    bool start(const QString &root, const QString &fault = {}, bool gzip = false);
    QString origin() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }
    // The requests so far: "path", "range", "status", "fault".
    QList<QJsonObject> requests(const QString &path) const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};
