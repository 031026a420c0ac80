#include "h2_peer.h"
#include "test_ca.h"

#include <QFile>
#include <QJsonDocument>

H2Peer::~H2Peer()
{
    m_process.kill();
    m_process.waitForFinished(3000);
}

bool H2Peer::start(const QString &root, const QString &fault, bool gzip)
{
    const QString dir = m_dir.path();
    if (!TestCa::writePem(TestCa::Kind::Trusted, dir + "/cert.pem", dir + "/key.pem"))
        return false;
    QStringList args{QStringLiteral(VANTOREL_TEST_SUPPORT_DIR "/h2_server.py"), "--root", root, "--cert", dir + "/cert.pem",
                     "--key", dir + "/key.pem", "--log", dir + "/requests.log"};
    if (!fault.isEmpty())
        args << "--fault" << fault;
    if (gzip)
        args << "--gzip";
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Debian's interpreter, where python3-h2 is installed.
    m_process.start(QStringLiteral("/usr/bin/python3"), args);
    if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(10000))
        return false;
    const QByteArray line = m_process.readLine().trimmed();
    if (!line.startsWith("port "))
        return false;
    m_port = quint16(line.mid(5).toUInt());
    return m_port != 0;
}

QList<QJsonObject> H2Peer::requests(const QString &path) const
{
    QList<QJsonObject> out;
    QFile file(m_dir.path() + "/requests.log");
    if (!file.open(QIODevice::ReadOnly))
        return out;
    while (!file.atEnd()) {
        const QJsonObject entry = QJsonDocument::fromJson(file.readLine()).object();
        if (entry.value("path").toString() == path)
            out.append(entry);
    }
    return out;
}
