#include "share/share_index.h"
#include "share/share_server.h"
#include "support/patch_site.h"
#include "support/test_profile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QThread>
#include <QtTest>

static TestProfile profile;

// The sharing server on loopback with its real index over a real folder: what each request gets,
// and what a hostile client can take.
class TestShareServer : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QTemporaryDir m_outside;
    std::shared_ptr<ShareIndex> m_index;
    QThread m_thread;
    ShareServer *m_server = nullptr;
    quint16 m_port = 0;
    QByteArray m_small = bytesOf(1000, 's');
    QByteArray m_large = bytesOf(32 << 20, 'l');  // more than the kernel's socket buffers hold
    QList<ManifestEntry> m_entries;

    static QString hex(const QByteArray &data)
    {
        return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
    }
    ManifestEntry put(const QString &path, const QByteArray &content)
    {
        writeFile(m_root.path() + QLatin1Char('/') + path, content);
        ManifestEntry entry{path, hex(content), content.size(), QStringLiteral("http://cdn.invalid/") + path, {}};
        m_entries.append(entry);
        return entry;
    }
    // Sends raw bytes, returns everything the server sent until it closed or went quiet.
    QByteArray exchange(const QByteArray &request, int quietMs = 500)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (!socket.waitForConnected(3000))
            return "no connection";
        socket.write(request);
        socket.waitForBytesWritten(3000);
        QByteArray out;
        while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(quietMs))
            out += socket.readAll();
        out += socket.readAll();
        return out;
    }
    static int statusOf(const QByteArray &reply) { return reply.mid(9, 3).toInt(); }
    static QByteArray bodyOf(const QByteArray &reply) { return reply.mid(reply.indexOf("\r\n\r\n") + 4); }

private slots:
    void initTestCase()
    {
        const ManifestEntry small = put(QStringLiteral("data/small.bin"), m_small);
        put(QStringLiteral("data/large.bin"), m_large);
        put(QStringLiteral("unverified.bin"), bytesOf(500, 'u'));
        put(QStringLiteral("changed.bin"), bytesOf(500, 'c'));
        // A listed file that is a link to one outside the install folder.
        writeFile(m_outside.path() + QStringLiteral("/secret"), bytesOf(64, 'x'));
        QFile::link(m_outside.path() + QStringLiteral("/secret"), m_root.path() + QStringLiteral("/link.bin"));
        m_entries.append({QStringLiteral("link.bin"), hex(bytesOf(64, 'x')), 64, QStringLiteral("http://cdn.invalid/l"), {}});
        m_index = std::make_shared<ShareIndex>();
        m_index->setList(m_entries, m_root.path(), QStringLiteral("list"));
        QList<ManifestEntry> verified = m_entries;
        verified.removeAt(2);  // unverified.bin
        m_index->verified(verified);
        QThread::msleep(20);
        writeFile(m_root.path() + QStringLiteral("/changed.bin"), bytesOf(500, 'd'));
        ShareServer::Limits limits;
        limits.idleMs = 1500;
        limits.perClient = 4;
        m_server = new ShareServer(m_index, limits);
        m_server->moveToThread(&m_thread);
        m_thread.start();
        QSignalSpy listening(m_server, &ShareServer::listening);
        QMetaObject::invokeMethod(m_server, [server = m_server] {
            server->listen({QHostAddress::LocalHost}, 0, {QHostAddress::parseSubnet(QStringLiteral("127.0.0.0/8"))});
        });
        QVERIFY(listening.wait(5000));
        m_port = listening.first().first().value<quint16>();
        QCOMPARE(m_index->count(), 3);  // small, large and changed (found out at the request), not the link
    }
    void cleanupTestCase()
    {
        QMetaObject::invokeMethod(m_server, [server = m_server] { delete server; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    void requests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");  // checked when not null
        const QByteArray small = hex(m_small).toLatin1();
        const QByteArray get = "GET /v1/sha256/" + small + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
        QTest::newRow("whole file") << get + "\r\n" << 200 << m_small;
        QTest::newRow("range") << get + "Range: bytes=10-19\r\n\r\n" << 206 << m_small.mid(10, 10);
        QTest::newRow("open range") << get + "Range: bytes=990-\r\n\r\n" << 206 << m_small.mid(990);
        QTest::newRow("suffix range") << get + "Range: bytes=-5\r\n\r\n" << 206 << m_small.right(5);
        QTest::newRow("range past the end") << get + "Range: bytes=1000-\r\n\r\n" << 416 << QByteArray("");
        QTest::newRow("several ranges") << get + "Range: bytes=0-1,5-6\r\n\r\n" << 416 << QByteArray("");
        QTest::newRow("if-range of another body") << get + "Range: bytes=10-19\r\nIf-Range: \"abc\"\r\n\r\n" << 200 << m_small;
        QTest::newRow("if-range of this body") << get + "Range: bytes=10-19\r\nIf-Range: \"" + small + "\"\r\n\r\n" << 206
                                               << m_small.mid(10, 10);
        QTest::newRow("traversal") << QByteArray("GET /v1/sha256/../../../etc/passwd HTTP/1.1\r\n\r\n") << 404 << QByteArray("");
        QTest::newRow("encoded traversal") << QByteArray("GET /v1/sha256/%2e%2e%2f%2e%2e%2fetc%2fpasswd HTTP/1.1\r\n\r\n") << 404
                                           << QByteArray("");
        QTest::newRow("encoded digest") << "GET /v1/sha256/%" + small.toHex().left(126) + " HTTP/1.1\r\n\r\n" << 404 << QByteArray("");
        QTest::newRow("digest then more") << "GET /v1/sha256/" + small + "/x HTTP/1.1\r\n\r\n" << 404 << QByteArray("");
        QTest::newRow("absolute form") << "GET http://x/v1/sha256/" + small + " HTTP/1.1\r\n\r\n" << 404 << QByteArray("");
        QTest::newRow("file path") << QByteArray("GET /data/small.bin HTTP/1.1\r\n\r\n") << 404 << QByteArray("");
        QTest::newRow("hash not in the list") << "GET /v1/sha256/" + hex("other").toLatin1() + " HTTP/1.1\r\n\r\n" << 404 << QByteArray("");
        QTest::newRow("listed, never verified") << "GET /v1/sha256/" + hex(bytesOf(500, 'u')).toLatin1() + " HTTP/1.1\r\n\r\n" << 404
                                                << QByteArray("");
        QTest::newRow("changed since verified") << "GET /v1/sha256/" + hex(bytesOf(500, 'c')).toLatin1() + " HTTP/1.1\r\n\r\n" << 404
                                                << QByteArray("");
        QTest::newRow("link out of the folder") << "GET /v1/sha256/" + hex(bytesOf(64, 'x')).toLatin1() + " HTTP/1.1\r\n\r\n" << 404
                                                << QByteArray("");
        QTest::newRow("POST") << "POST /v1/sha256/" + small + " HTTP/1.1\r\n\r\n" << 405 << QByteArray("");
        QTest::newRow("HEAD") << "HEAD /v1/sha256/" + small + " HTTP/1.1\r\n\r\n" << 405 << QByteArray("");
        QTest::newRow("GET with a body") << "GET /v1/sha256/" + small + " HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello" << 400
                                         << QByteArray("");
        QTest::newRow("not HTTP") << QByteArray("hello there\r\n\r\n") << 400 << QByteArray("");
        QTest::newRow("header flood") << "GET /v1/sha256/" + small + " HTTP/1.1\r\n" + QByteArray(64 << 10, 'a') << 431 << QByteArray("");
    }
    void requests()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        const QByteArray reply = exchange(request);
        QCOMPARE(statusOf(reply), status);
        if (!body.isNull())
            QCOMPARE(bodyOf(reply), body);
    }

    // What one process verified, taken up by the next: only for the same list and folder, and
    // only files with the same size and time.
    void recordsForTheNextStart_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("sameFolder");
        QTest::addColumn<bool>("touch");
        QTest::addColumn<int>("restored");
        QTest::newRow("same list and files") << "list" << true << false << 2;
        QTest::newRow("one file written since") << "list" << true << true << 1;
        QTest::newRow("another list") << "other" << true << false << 0;
        QTest::newRow("another folder") << "list" << false << false << 0;
    }
    void recordsForTheNextStart()
    {
        QFETCH(QString, list);
        QFETCH(bool, sameFolder);
        QFETCH(bool, touch);
        QFETCH(int, restored);
        QTemporaryDir root;
        QList<ManifestEntry> entries;
        for (const char *name : {"one.bin", "two.bin"}) {
            const QByteArray content = bytesOf(300, name[0]);
            writeFile(root.path() + '/' + name, content);
            entries.append({QString::fromLatin1(name), hex(content), content.size(), QStringLiteral("http://cdn.invalid/x"), {}});
        }
        ShareIndex before;
        before.setList(entries, root.path(), QStringLiteral("list"));
        before.verified(entries);
        QCOMPARE(before.count(), 2);
        const QByteArray records = before.records();
        if (touch) {
            QFile file(root.path() + "/one.bin");
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        QTemporaryDir elsewhere;
        if (!sameFolder)
            for (const ManifestEntry &entry : entries)
                QFile::copy(root.path() + '/' + entry.path, elsewhere.path() + '/' + entry.path);
        ShareIndex after;
        after.setList(entries, sameFolder ? root.path() : elsewhere.path(), list);
        after.restore(records);
        QCOMPARE(after.count(), restored);
    }

    // One connection asks again and again: every answer on it, 404s included, in order.
    void keepAlive()
    {
        const QByteArray small = hex(m_small).toLatin1();
        const QByteArray one = "GET /v1/sha256/" + small + " HTTP/1.1\r\nRange: bytes=0-9\r\n\r\n";
        const QByteArray missing = "GET /v1/sha256/" + hex("nope").toLatin1() + " HTTP/1.1\r\n\r\n";
        const QByteArray reply = exchange(one + missing + one, 800);
        QCOMPARE(reply.count("HTTP/1.1 206"), 2);
        QCOMPARE(reply.count("HTTP/1.1 404"), 1);
    }

    // Connections beyond the per-client bound are closed at once; those within it are served.
    void manyConnections()
    {
        // The rows before leave connections that the server sees end a moment after the client
        // did: until then they hold slots of this client.
        const auto serving = [this] {
            int open = 0;
            QMetaObject::invokeMethod(m_server, [&] { open = m_server->openConnections(); }, Qt::BlockingQueuedConnection);
            return open;
        };
        QTRY_COMPARE_WITH_TIMEOUT(serving(), 0, 5000);
        std::vector<std::unique_ptr<QTcpSocket>> sockets;
        for (int i = 0; i < 12; ++i) {
            sockets.push_back(std::make_unique<QTcpSocket>());
            sockets.back()->connectToHost(QHostAddress::LocalHost, m_port);
            QVERIFY(sockets.back()->waitForConnected(3000));
        }
        // Well within the idle time: only the bound closes connections here.
        const auto open = [&] {
            return std::count_if(sockets.begin(), sockets.end(),
                                 [](const auto &socket) { return socket->state() == QAbstractSocket::ConnectedState; });
        };
        QTRY_COMPARE_WITH_TIMEOUT(open(), 4, 1000);
        sockets.clear();
        // The slots come back once those connections are gone.
        QTRY_COMPARE_WITH_TIMEOUT(statusOf(exchange("GET /v1/sha256/" + hex(m_small).toLatin1() + " HTTP/1.1\r\nConnection: close\r\n\r\n")),
                                  200, 3000);
    }

    // A client that asks for a large file and never reads holds its connection only until the idle
    // time is up, and a bounded part of the file in memory, while others are served meanwhile.
    void slowReader()
    {
        QTcpSocket slow;
        slow.setReadBufferSize(4096);
        slow.connectToHost(QHostAddress::LocalHost, m_port);
        QVERIFY(slow.waitForConnected(3000));
        slow.write("GET /v1/sha256/" + hex(m_large).toLatin1() + " HTTP/1.1\r\n\r\n");
        QVERIFY(slow.waitForBytesWritten(3000));
        QCOMPARE(statusOf(exchange("GET /v1/sha256/" + hex(m_small).toLatin1() + " HTTP/1.1\r\nConnection: close\r\n\r\n")), 200);
        // Read nothing for longer than the idle time (1.5 s here), then everything: the server
        // closed the connection with most of the file never sent.
        QTest::qWait(3500);
        slow.setReadBufferSize(0);
        qint64 received = 0;
        while (slow.waitForReadyRead(1000))
            received += slow.readAll().size();
        received += slow.readAll().size();
        QCOMPARE(slow.state(), QAbstractSocket::UnconnectedState);
        QVERIFY2(received < m_large.size(), qPrintable(QString::number(received)));
    }
};

QTEST_GUILESS_MAIN(TestShareServer)
#include "tst_share_server.moc"
