#include "auth/auth_client.h"
#include "standin/standin.h"
#include "support/await_task.h"
#include "support/test_profile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using Standin::Response;

static TestProfile profile;
Q_DECLARE_METATYPE(LoginOutcome)

// Answers every request of a path with a fixed status, body and extra headers.
static Standin::HttpServer::Handler fixed(int status, QByteArray body, QList<Standin::Header> headers = {})
{
    return [=](const Standin::Request &) {
        Response r = Response::json(status, body);
        r.headers += headers;
        return r;
    };
}

class TestAuthClient : public QObject {
    Q_OBJECT
    Standin::Service server;
    AuthClient client;

    static QJsonObject json(const QByteArray &body) { return QJsonDocument::fromJson(body).object(); }

private slots:
    void initTestCase()
    {
        QVERIFY(server.listen());
        client = AuthClient{server.origin(), QStringLiteral("dev-1")};
    }
    void init()
    {
        server.clearRoutes();
        server.clearRequests();
        server.http().clearFaults();
    }

    void loginAndVerifyOutcomes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("retryAfter");  // "-" for no header
        QTest::addColumn<LoginOutcome>("expected");

        const Session plain{QStringLiteral("t0k"), QStringLiteral("Some@Example.com "), 0, QStringLiteral("dev-1")};
        Session withStation = plain;
        withStation.stationId = 77;
        Session emptyToken = plain;
        emptyToken.token = QString();
        const QString wrong = QStringLiteral("Wrong email or password.");
        const QString badCode = QStringLiteral("That code didn't work. Check it and try again.");

        QTest::newRow("token without station id") << "/login" << 200 << QByteArray(R"({"token":"t0k"})") << QByteArray("-")
                                                  << LoginOutcome::ok(plain);
        QTest::newRow("token with station id") << "/login" << 201 << QByteArray(R"({"token":"t0k","station_id":77})")
                                               << QByteArray("-") << LoginOutcome::ok(withStation);
        QTest::newRow("empty token is a token") << "/login" << 200 << QByteArray(R"({"token":""})") << QByteArray("-")
                                                << LoginOutcome::ok(emptyToken);
        QTest::newRow("token on 401 is not a sign-in") << "/login" << 401 << QByteArray(R"({"token":"t0k"})")
                                                       << QByteArray("-") << LoginOutcome::failed(wrong);
        QTest::newRow("mfa without method") << "/login" << 200 << QByteArray(R"({"mfaRequired":true})") << QByteArray("-")
                                            << LoginOutcome::mfa(QStringLiteral("totp"));
        QTest::newRow("mfa on 401 with email") << "/login" << 401
                                               << QByteArray(R"({"mfaRequired":true,"method":"email"})")
                                               << QByteArray("-") << LoginOutcome::mfa(QStringLiteral("email"));
        QTest::newRow("verify never asks again") << "/mfa/verify" << 200 << QByteArray(R"({"mfaRequired":true})")
                                                 << QByteArray("-") << LoginOutcome::failed(badCode);
        QTest::newRow("error only") << "/login" << 401 << QByteArray(R"({"error":"locked"})") << QByteArray("-")
                                    << LoginOutcome::failed(QStringLiteral("locked"));
        QTest::newRow("message wins") << "/login" << 403 << QByteArray(R"({"error":"x","message":"Account closed."})")
                                      << QByteArray("-") << LoginOutcome::failed(QStringLiteral("Account closed."));
        QTest::newRow("station id of the wrong type empties the reply")
            << "/login" << 200 << QByteArray(R"({"token":"t0k","station_id":"77"})") << QByteArray("-")
            << LoginOutcome::failed(wrong);
        QTest::newRow("html error page") << "/mfa/verify" << 500 << QByteArray("<html>oops</html>") << QByteArray("-")
                                         << LoginOutcome::failed(badCode);
        QTest::newRow("429 plain") << "/login" << 429 << QByteArray(R"({"token":"ignored"})") << QByteArray("30")
                                   << LoginOutcome::rateLimited(30);
        QTest::newRow("429 plus sign") << "/login" << 429 << QByteArray() << QByteArray("+30") << LoginOutcome::rateLimited(30);
        QTest::newRow("429 negative") << "/login" << 429 << QByteArray() << QByteArray("-5") << LoginOutcome::rateLimited(-5);
        QTest::newRow("429 zero") << "/mfa/verify" << 429 << QByteArray() << QByteArray("0") << LoginOutcome::rateLimited(0);
        QTest::newRow("429 unit letter") << "/login" << 429 << QByteArray() << QByteArray("30s") << LoginOutcome::rateLimited(60);
        QTest::newRow("429 http date") << "/login" << 429 << QByteArray() << QByteArray("Wed, 21 Oct 2026 07:28:00 GMT")
                                       << LoginOutcome::rateLimited(60);
        QTest::newRow("429 beyond 64 bits") << "/login" << 429 << QByteArray() << QByteArray("99999999999999999999")
                                            << LoginOutcome::rateLimited(60);
        QTest::newRow("429 without header") << "/login" << 429 << QByteArray() << QByteArray("-")
                                            << LoginOutcome::rateLimited(60);
    }

    void loginAndVerifyOutcomes()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, retryAfter);
        QFETCH(LoginOutcome, expected);
        QList<Standin::Header> headers;
        if (retryAfter != "-")
            headers.append({"Retry-After", retryAfter});
        server.setRoute(path.toUtf8(), fixed(status, body, headers));

        const QString email = QStringLiteral("Some@Example.com ");  // passed on exactly as typed
        const LoginOutcome outcome = path == QLatin1String("/login")
            ? awaitTask(client.login(email, QStringLiteral("pw")))
            : awaitTask(client.verifyMfa(email, QStringLiteral("123")));
        QCOMPARE(outcome.kind, expected.kind);
        QCOMPARE(outcome.session, expected.session);
        QCOMPARE(outcome.method, expected.method);
        QCOMPARE(outcome.retryAfter, expected.retryAfter);
        QCOMPARE(outcome.message, expected.message);
    }

    void requestsCarryExactlyTheirHeadersAndBodies()
    {
        server.setRoute("/login", fixed(200, R"({"mfaRequired":true})"));
        server.setRoute("/mfa/verify", fixed(401, "{}"));
        server.setRoute("/mfa/email/begin", fixed(204, {}));
        server.setRoute("/session/validate", fixed(200, "{}"));
        server.setRoute("/logout", fixed(204, {}));
        const Session session{QStringLiteral("tok-9"), QStringLiteral("a@b.c"), 12, QStringLiteral("dev-0")};

        awaitTask(client.login(QStringLiteral("a@b.c"), QStringLiteral("p w")));
        awaitTask(client.login(QStringLiteral("a@b.c"), QStringLiteral("pw"), QStringLiteral("42")));
        awaitTask(client.verifyMfa(QStringLiteral("a@b.c"), QStringLiteral("123 456")));
        awaitTask(client.beginEmailMfa(QStringLiteral("a@b.c")));
        awaitTask(client.validate(session));
        awaitTask(client.logout(session));

        const auto &all = server.requests();
        QCOMPARE(all.size(), 6);
        for (const auto &r : all) {
            QCOMPARE(r.method, QByteArray("POST"));
            QCOMPARE(r.header("Content-Type"), QByteArray("application/json"));
            QCOMPARE(r.header("User-Agent"), QByteArray("VantorelLauncher/mac"));
            QCOMPARE(r.header("X-VANTOREL-Client"), r.path == "/login" ? QByteArray("launcher") : QByteArray());
            const bool bearer = r.path == "/session/validate" || r.path == "/logout";
            QCOMPARE(r.header("Authorization"), bearer ? QByteArray("Bearer tok-9") : QByteArray());
        }
        QCOMPARE(json(all[0].body), (QJsonObject{{"email", "a@b.c"}, {"password", "p w"}, {"deviceId", "dev-1"}}));
        QCOMPARE(json(all[1].body),
                 (QJsonObject{{"email", "a@b.c"}, {"password", "pw"}, {"deviceId", "dev-1"}, {"code", "42"}}));
        QCOMPARE(json(all[2].body), (QJsonObject{{"email", "a@b.c"}, {"code", "123 456"}, {"deviceId", "dev-1"}}));
        QCOMPARE(json(all[3].body), (QJsonObject{{"username", "a@b.c"}}));
        QCOMPARE(json(all[4].body), (QJsonObject{{"stationId", 12}, {"deviceId", "dev-0"}}));
        QVERIFY(json(all[4].body).value("stationId").isDouble());
        QCOMPARE(all[5].body, QByteArray());
    }

    void validate_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("expected");
        QTest::newRow("200") << 200 << int(SessionCheck::Valid);
        QTest::newRow("500 still valid") << 500 << int(SessionCheck::Valid);
        QTest::newRow("429 still valid") << 429 << int(SessionCheck::Valid);
        QTest::newRow("401") << 401 << int(SessionCheck::Invalid);
        QTest::newRow("403") << 403 << int(SessionCheck::Invalid);
    }
    void validate()
    {
        QFETCH(int, status);
        QFETCH(int, expected);
        server.setRoute("/session/validate", fixed(status, "{}"));
        QCOMPARE(int(awaitTask(client.validate(Session{}))), expected);
    }

    void beginEmailMfaByStatus_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("refused");
        QTest::newRow("204") << 204 << false;
        QTest::newRow("299") << 299 << false;
        QTest::newRow("300") << 300 << true;
        QTest::newRow("429") << 429 << true;
    }
    void beginEmailMfaByStatus()
    {
        QFETCH(int, status);
        QFETCH(bool, refused);
        server.setRoute("/mfa/email/begin", fixed(status, "{}"));
        try {
            awaitTask(client.beginEmailMfa(QStringLiteral("x@y.z")));
            QVERIFY(!refused);
        } catch (const LauncherError &error) {
            QVERIFY(refused);
            QCOMPARE(error.kind(), LauncherError::Kind::Auth);
            QCOMPARE(error.errorDescription(), QStringLiteral("Couldn't send the email code. Try again in a minute."));
        }
    }

    void transportFailures_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("connection refused") << "http://127.0.0.1:1";
        QTest::newRow("does not parse") << "http://exa mple:99999";
        QTest::newRow("empty origin") << "";
        QTest::newRow("the stand-in, an answer without end") << "endless";
        QTest::newRow("the stand-in, an answer that trickles past the deadline") << "trickle";
    }
    void transportFailures()
    {
        QFETCH(QString, base);
        Standin::Fault fault;
        fault.status = 200;
        fault.hasBody = true;
        fault.body = R"({"token":"t"})" + QByteArray(base == "endless" ? 8 << 20 : 40, ' ');
        fault.noLength = base == "endless";
        fault.trickleMs = base == "trickle" ? 100 : 0;
        for (const char *path : {"/login", "/mfa/verify", "/mfa/email/begin", "/session/validate", "/logout"})
            server.http().setFault(path, fault);
        const int deadline = std::exchange(AuthClient::answerDeadlineMs, 600);
        const auto restore = qScopeGuard([deadline] { AuthClient::answerDeadlineMs = deadline; });
        const AuthClient offline{base == "endless" || base == "trickle" ? server.origin() : base, QStringLiteral("d")};
        try {
            awaitTask(offline.login(QStringLiteral("a"), QStringLiteral("b")));
            QFAIL("login did not fail");
        } catch (const LauncherError &error) {
            QCOMPARE(error.kind(), LauncherError::Kind::Network);
            QCOMPARE(error.errorDescription(), QStringLiteral("Can't reach the login server. Check your connection and try again."));
        }
        QVERIFY_THROWS_EXCEPTION(LauncherError, awaitTask(offline.verifyMfa(QStringLiteral("a"), QStringLiteral("1"))));
        // The e-mail code passes the transport error on as it is.
        QVERIFY_THROWS_EXCEPTION(Http::TransportError, awaitTask(offline.beginEmailMfa(QStringLiteral("a"))));
        QCOMPARE(awaitTask(offline.validate(Session{})), SessionCheck::Unreachable);
        awaitTask(offline.logout(Session{}));  // returns normally
    }

    void idleTimeoutIsATransportFailure()
    {
        const int before = AuthClient::session().idleTimeoutMs();
        AuthClient::session().setIdleTimeoutMs(300);
        Standin::Fault slow;
        slow.delayMs = 1500;
        server.http().setFault("/session/validate", slow);
        server.http().setFault("/login", slow);
        const auto check = awaitTask(client.validate(Session{}));
        QVERIFY_THROWS_EXCEPTION(LauncherError, awaitTask(client.login(QStringLiteral("a"), QStringLiteral("b"))));
        AuthClient::session().setIdleTimeoutMs(before);
        QCOMPARE(check, SessionCheck::Unreachable);
    }

    void credentialsNeverFollowARedirectToAnotherOrigin()
    {
        Standin::Service elsewhere;
        QVERIFY(elsewhere.listen());
        const auto redirect = [&](const Standin::Request &) {
            Response r = Response::text(307, {});
            r.headers.append({"Location", (elsewhere.origin() + QStringLiteral("/login")).toUtf8()});
            return r;
        };
        server.setRoute("/login", redirect);
        server.setRoute("/session/validate", redirect);
        // A refused redirect is no answer at all.
        QVERIFY_THROWS_EXCEPTION(LauncherError, awaitTask(client.login(QStringLiteral("a@b.c"), QStringLiteral("secret"))));
        QCOMPARE(awaitTask(client.validate(Session{QStringLiteral("tok"), {}, 0, {}})), SessionCheck::Unreachable);
        QCOMPARE(elsewhere.requests().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestAuthClient)
#include "tst_auth_client.moc"
