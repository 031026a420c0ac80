#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

class QTcpSocket;
class ShareServer;

// One client connection of the ShareServer: reads a request head, answers it from the index,
// streams the body within the upload limit, and then reads the next request (keep-alive).
class ShareConnection : public QObject {
    Q_OBJECT
public:
    ShareConnection(QTcpSocket *socket, ShareServer *server);
    QString client() const { return m_client; }

private:
    void readHead();
    void answer(const QByteArray &head);
    void refuse(int status, const char *reason, bool keepOpen, const QByteArray &extra = {});
    void pump();
    void done();
    void end();

    QTcpSocket *m_socket;
    ShareServer *m_server;
    QString m_client;
    QByteArray m_head;
    QFile m_file;
    qint64 m_left = 0;    // body bytes still to send
    bool m_sending = false;
    bool m_keepAlive = true;
    bool m_ended = false;
    QElapsedTimer m_active;  // since the last byte moved either way
    QTimer m_idle;
    QTimer m_wait;  // the upload limit has no bytes to grant yet
};
