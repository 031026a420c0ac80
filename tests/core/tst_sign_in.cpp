#include "auth/keychain.h"
#include "core/app_model.h"
#include "standin/standin.h"
#include "support/log.h"
#include "support/await_task.h"
#include "support/quick_helpers.h"
#include "support/open_model.h"
#include "support/proxy_server.h"
#include "support/test_ca.h"
#include "support/test_profile.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QSignalSpy>
#include <QtTest>

static TestProfile profile;

// The sign-in flow of the model against the stand-in server and the real secret service.
class TestSignIn : public QObject {
    Q_OBJECT
    Standin::Service server;
    QTcpServer plainPeer;

    LauncherConfig config(const QString &authOrigin) const
    {
        LauncherConfig c;
        c.authUrl = authOrigin;
        c.manifestBase = QStringLiteral("http://127.0.0.1:1");  // no patch server here
        c.deviceId = QStringLiteral("device-7");
        return c;
    }

    // Records the order in which fields change.
    static QStringList *watch(AppModel &model)
    {
        auto *events = new QStringList;
        QObject::connect(&model, &AppModel::screenChanged, [events, &model] { events->append("screen=" + describe(model.screen())); });
        QObject::connect(&model, &AppModel::sessionChanged, [events, &model] { events->append(model.session() ? "session" : "no session"); });
        QObject::connect(&model, &AppModel::busyChanged, [events, &model] { events->append(model.busy() ? "busy" : "idle"); });
        QObject::connect(&model, &AppModel::noticeChanged, [events, &model] { events->append("notice=" + model.noticeText()); });
        return events;
    }

private slots:
    void initTestCase() { QVERIFY(server.listen()); }
    void init()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            return;
        awaitTask(Keychain::clear());
        server.clearRequests();
    }

    void plainSignInSavesTheSessionThenShowsHome()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        auto owned = makeModel<AppModel>(config(server.origin()));
        AppModel &model = *owned;
        awaitTask(model.start());
        QCOMPARE(model.screen(), Screen::login());
        std::unique_ptr<QStringList> events(watch(model));
        awaitTask(model.signIn(QStringLiteral("player@example.com"), QStringLiteral("vantorel")));
        QCOMPARE(*events, (QStringList{"busy", "session", "screen=main", "idle"}));
        QCOMPARE(model.session()->username, QStringLiteral("player@example.com"));
        QCOMPARE(model.session()->deviceId, QStringLiteral("device-7"));
        QCOMPARE(awaitTask(Keychain::load()), model.session());
        QVERIFY(server.liveTokens().contains(model.session()->token));
    }

    void secondFactorFlows_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("code");
        QTest::newRow("e-mailed code") << "mail@example.com" << "email" << "123456";
        QTest::newRow("authenticator code") << "app@example.com" << "totp" << "654321";
    }
    void secondFactorFlows()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        QFETCH(QString, email);
        QFETCH(QString, method);
        QFETCH(QString, code);
        auto owned = makeModel<AppModel>(config(server.origin()));
        AppModel &model = *owned;
        awaitTask(model.signIn(email, QStringLiteral("vantorel")));
        QCOMPARE(model.screen(), Screen::mfa(method));
        QVERIFY(!model.session());

        awaitTask(model.sendEmailCode());
        if (method == QLatin1String("email"))
            QCOMPARE(model.noticeText(), QStringLiteral("We sent a code to your email."));
        else
            QCOMPARE(model.noticeText(), QStringLiteral("Couldn't send the email code. Try again in a minute."));
        QCOMPARE(model.busy(), false);

        // Return pressed three times while the first code is on its way: one request.
        for (int i = 0; i < 3; ++i)
            model.requestSubmitCode(QStringLiteral("000000"));
        QTRY_VERIFY(!model.busy());
        QCOMPARE(model.noticeText(), QStringLiteral("That code didn't work. Check it and try again."));
        QCOMPARE(model.screen(), Screen::mfa(method));

        awaitTask(model.submitCode(code));
        QCOMPARE(model.screen(), Screen::main());
        QVERIFY(!model.notice());
        // The code went out with the address of the sign-in attempt.
        const auto verifies = server.requestsTo("/mfa/verify");
        QCOMPARE(verifies.size(), 2);
        QVERIFY(verifies.last().body.contains(email.toUtf8()));
        QCOMPARE(awaitTask(Keychain::load())->username, email);
    }

    void wrongPasswordsThenRateLimit()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        auto owned = makeModel<AppModel>(config(server.origin()));
        AppModel &model = *owned;
        // Presses while an attempt is on its way spend nothing.
        for (int i = 0; i < 3; ++i)
            model.requestSignIn(QStringLiteral("limit@example.com"), QStringLiteral("nope"));
        QTRY_VERIFY(!model.busy());
        QCOMPARE(server.requestsTo("/login").size(), 1);
        QCOMPARE(model.noticeText(), QStringLiteral("Wrong email or password."));
        for (int i = 1; i < 4; ++i) {
            awaitTask(model.signIn(QStringLiteral("limit@example.com"), QStringLiteral("nope")));
            QCOMPARE(model.noticeText(), QStringLiteral("Wrong email or password."));
        }
        awaitTask(model.signIn(QStringLiteral("limit@example.com"), QStringLiteral("nope")));
        QCOMPARE(model.noticeText(), QStringLiteral("Too many attempts. Try again in 30 seconds."));
        QCOMPARE(model.screen(), Screen::starting());
        QCOMPARE(model.busy(), false);
    }

    void backKeepsThePendingAddress()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        auto owned = makeModel<AppModel>(config(server.origin()));
        AppModel &model = *owned;
        awaitTask(model.signIn(QStringLiteral("mail@example.com"), QStringLiteral("vantorel")));
        awaitTask(model.submitCode(QStringLiteral("1")));
        QVERIFY(model.notice());
        model.backToSignIn();
        QCOMPARE(model.screen(), Screen::login());
        QVERIFY(!model.notice());
        awaitTask(model.sendEmailCode());
        QVERIFY(server.requestsTo("/mfa/email/begin").last().body.contains("mail@example.com"));
    }

    void restartValidatesTheSavedSession()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        {
            auto first = makeModel<AppModel>(config(server.origin()));
            awaitTask(first->signIn(QStringLiteral("player@example.com"), QStringLiteral("vantorel")));
        }
        server.clearRequests();
        auto owned = makeModel<AppModel>(config(server.origin()));
        AppModel &model = *owned;
        std::unique_ptr<QStringList> events(watch(model));
        awaitTask(model.start());
        QCOMPARE(events->mid(0, 2), (QStringList{"session", "screen=main"}));
        QCOMPARE(server.requestsTo("/login").size(), 0);
        QCOMPARE(server.requestsTo("/session/validate").size(), 1);

        // Sign-out waits for the server, then forgets the session everywhere.
        const QString token = model.session()->token;
        awaitTask(model.signOut());
        QCOMPARE(model.screen(), Screen::login());
        QVERIFY(!model.session());
        QVERIFY(!server.liveTokens().contains(token));
        QCOMPARE(awaitTask(Keychain::load()), std::nullopt);
    }

    void savedSessionByServerAnswer_data()
    {
        QTest::addColumn<bool>("serverUp");
        QTest::addColumn<bool>("tokenKnown");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("itemKept");
        QTest::addColumn<QString>("tls");        // the server's certificate ("" plain HTTP)
        QTest::addColumn<QString>("logReason");  // the TLS library's words in the log's "tls:" line
        QTest::newRow("rejected") << true << false << "login" << false << "" << "";
        QTest::newRow("unreachable") << false << true << "unreachable" << true << "" << "";
        QTest::newRow("https, trusted authority") << true << false << "login" << false << "trusted" << "";
        QTest::newRow("https, another host's certificate") << true << true << "unreachable" << true << "other-name"
            << "no alternative certificate subject name matches target host name";
        QTest::newRow("https, expired") << true << true << "unreachable" << true << "expired"
            << "certificate has expired";
        QTest::newRow("https, self-signed") << true << true << "unreachable" << true << "self-signed"
            << "self-signed certificate";
        QTest::newRow("https, unknown authority") << true << true << "unreachable" << true << "unknown-ca"
            << "unable to get local issuer certificate";
        QTest::newRow("https, no TLS at the other end") << true << true << "unreachable" << true << "plain"
            << "wrong version number";
        // Through the proxy that https_proxy names, by host name (loopback addresses never go through one).
        QTest::newRow("https through a proxy") << true << false << "login" << false << "proxy" << "";
        QTest::newRow("https, the proxy refuses (403)") << true << true << "unreachable" << true << "proxy refuse"
            << "proxy: cdn.vantorel.test:";
        QTest::newRow("https, the proxy wants a password (407)") << true << true << "unreachable" << true << "proxy auth"
            << "proxy: cdn.vantorel.test:";
    }
    void savedSessionByServerAnswer()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        QFETCH(bool, serverUp);
        QFETCH(bool, tokenKnown);
        QFETCH(QString, screen);
        QFETCH(bool, itemKept);
        QFETCH(QString, tls);
        QFETCH(QString, logReason);
        QString origin = serverUp ? server.origin() : QStringLiteral("http://127.0.0.1:1");
        Standin::Service tlsServer;
        ProxyServer proxy;
        if (!tls.isEmpty()) {
            QVERIFY2(TestCa::available(), "TLS cases run under scripts/with-test-ca");
            const QHash<QString, TestCa::Kind> kinds{{"trusted", TestCa::Kind::Trusted},
                                                     {"other-name", TestCa::Kind::OtherName},
                                                     {"expired", TestCa::Kind::Expired},
                                                     {"self-signed", TestCa::Kind::SelfSigned},
                                                     {"unknown-ca", TestCa::Kind::UnknownCa}};
            if (tls.startsWith("proxy")) {
                tlsServer.enableTls(TestCa::serverConfiguration(TestCa::Kind::Trusted));
                QVERIFY(tlsServer.listen());
                QVERIFY(proxy.start(tls.mid(6)));
                qputenv("https_proxy", proxy.url().toLatin1());
                origin = QStringLiteral("https://cdn.vantorel.test:%1").arg(tlsServer.http().port());
            } else if (kinds.contains(tls)) {
                tlsServer.enableTls(TestCa::serverConfiguration(kinds.value(tls)));
                QVERIFY(tlsServer.listen());
                origin = tlsServer.origin();
            } else {
                // Something that answers in plain HTTP before any handshake.
                QVERIFY(plainPeer.listen(QHostAddress::LocalHost));
                connect(&plainPeer, &QTcpServer::newConnection, &plainPeer, [this] {
                    QTcpSocket *socket = plainPeer.nextPendingConnection();
                    socket->write("HTTP/1.1 400 Bad Request\r\nConnection: close\r\n\r\n");
                    socket->disconnectFromHost();
                });
                origin = QStringLiteral("https://127.0.0.1:%1").arg(plainPeer.serverPort());
            }
        }
        Log::flush();
        const qint64 logStart = QFileInfo(Log::file()).size();
        const Session saved{tokenKnown ? QStringLiteral("x") : QStringLiteral("forged"), QStringLiteral("a@b.c"), 3,
                            QStringLiteral("device-7")};
        awaitTask(Keychain::store(saved));
        // Nothing else of this model leaves loopback (the feed would go through the proxy otherwise).
        auto owned = makeModel<AppModel>(config(origin), Origins{origin, QStringLiteral("http://127.0.0.1:1"),
                                                                 QStringLiteral("http://127.0.0.1:1")});
        AppModel &model = *owned;
        awaitTask(model.start());
        qunsetenv("https_proxy");
        QCOMPARE(describe(model.screen()), screen);
        QCOMPARE(awaitTask(Keychain::load()).has_value(), itemKept);
        if (tls == "proxy" || tls == "proxy auth")
            QVERIFY2(proxy.logText().contains("CONNECT cdn.vantorel.test:" + QString::number(tlsServer.http().port())),
                     qPrintable(proxy.logText()));
        QVERIFY(!model.session());
        QCOMPARE(model.install(), InstallState::checking());
        Log::flush();
        const QString log = readText(Log::file()).mid(logStart);
        if (logReason.startsWith("proxy:") || logReason.startsWith("net:")) {
            QVERIFY2(log.count("[WARN] " + logReason.section(' ', 0, 0)) == 1, qPrintable(log));
            QVERIFY2(log.contains(tls == "proxy auth" ? "Proxy requires authentication" : "Proxy denied connection")
                         && log.contains(logReason) && !log.contains("Unknown error"),
                     qPrintable(log));
        } else if (logReason.isEmpty()) {
            QVERIFY2(!log.contains("tls:"), qPrintable(log));
            QCOMPARE(tlsServer.requests().size(), tls.isEmpty() ? 0 : 1);
        } else {
            // One line, naming the server and why.
            QCOMPARE(log.count("[WARN] tls: "), 1);
            QVERIFY2(log.contains("tls: 127.0.0.1:" + QString::number(QUrl(origin).port()) + ": ")
                         && log.contains(logReason),
                     qPrintable(log));
            QCOMPARE(tlsServer.requests().size(), 0);
        }
        plainPeer.close();
    }

    void signOutWhileSignedOutMakesNoRequest()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        auto owned = makeModel<AppModel>(config(server.origin()));
        AppModel &model = *owned;
        awaitTask(model.signOut());
        QCOMPARE(server.requests().size(), 0);
        QCOMPARE(model.screen(), Screen::login());
    }

    void unavailableSecretService()
    {
        if (!isChildRun()) {
            QByteArray output;
            QVERIFY2(runWithoutSecretService("unavailableSecretService", &output), output.constData());
            return;
        }
        auto owned = makeModel<AppModel>(config(server.origin()));
        AppModel &model = *owned;
        awaitTask(model.start());
        QCOMPARE(model.screen(), Screen::login());
        QVERIFY(!model.notice());
        Log::flush();
        QVERIFY(readText(Log::file()).contains(
            "[WARN] keychain: Couldn't read your saved sign-in from the Keychain (error -25291). Sign in again.\n"));

        awaitTask(model.signIn(QStringLiteral("player@example.com"), QStringLiteral("vantorel")));
        QCOMPARE(model.screen(), Screen::login());
        QVERIFY(!model.session());
        QVERIFY(model.noticeText().startsWith(QStringLiteral("Couldn't save your sign-in to the Keychain (error -25291).")));
    }
};

QTEST_GUILESS_MAIN(TestSignIn)
#include "tst_sign_in.moc"
