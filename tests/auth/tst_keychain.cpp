#include "auth/keychain.h"
#include "support/launcher_error.h"
#include "support/await_task.h"
#include "support/quick_helpers.h"
#include "support/test_profile.h"

#include <QProcess>
#include <QElapsedTimer>
#include <QtTest>
#include <qt6keychain/keychain.h>
#include <QCoro/QCoroSignal>

static TestProfile profile;

// Runs against the secret service of the session that the test command starts.
class TestKeychain : public QObject {
    Q_OBJECT

    static void writeRaw(const QByteArray &data)
    {
        QKeychain::WritePasswordJob job(QStringLiteral("vantorel-launcher"));
        job.setAutoDelete(false);
        job.setKey(QStringLiteral("session"));
        job.setBinaryData(data);
        QSignalSpy done(&job, &QKeychain::Job::finished);
        job.start();
        QVERIFY(done.wait(10000));
        QCOMPARE(job.error(), QKeychain::NoError);
    }

private slots:
    void init()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            return;
        awaitTask(Keychain::clear());
    }

    void storeLoadReplaceClear()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        QCOMPARE(awaitTask(Keychain::load()), std::nullopt);
        const Session first{QStringLiteral("t1"), QStringLiteral("a@b.c"), 0, QStringLiteral("d1")};
        const Session second{QStringLiteral("t2"), QStringLiteral("x@y.z"), 9007199254740993, QStringLiteral("d2")};
        awaitTask(Keychain::store(first));
        QCOMPARE(awaitTask(Keychain::load()), first);
        awaitTask(Keychain::store(second));
        QCOMPARE(awaitTask(Keychain::load()), second);
        awaitTask(Keychain::clear());
        awaitTask(Keychain::clear());  // nothing saved: still no error
        QCOMPARE(awaitTask(Keychain::load()), std::nullopt);
    }

    // Every client of the item (secret-tool, Seahorse, a script) reads the session's JSON itself.
    void theSecretIsTheSessionJson()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        const Session session{QStringLiteral("tok-\u00e9"), QStringLiteral("a@b.c"), 42, QStringLiteral("dev")};
        awaitTask(Keychain::store(session));
        QProcess lookup;
        lookup.start(QStringLiteral("secret-tool"), {"lookup", "server", "vantorel-launcher", "user", "session"});
        QVERIFY(lookup.waitForFinished(10000));
        QCOMPARE(lookup.exitCode(), 0);
        QCOMPARE(lookup.readAllStandardOutput(), session.encoded());
    }

    // Items written by earlier builds hold base64 through QtKeychain's binary form: still a session.
    void itemsOfEarlierBuildsStillRead()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        const Session session{QStringLiteral("t-old"), QStringLiteral("old@b.c"), 7, QStringLiteral("d-old")};
        writeRaw(session.encoded());
        QCOMPARE(awaitTask(Keychain::load()), session);
    }

    void itemsThatAreNotASessionRaiseTheDecodingFailure_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("no device id") << QByteArray(R"({"token":"t","username":"u","station_id":1})");
        QTest::newRow("station id as text") << QByteArray(R"({"token":"t","username":"u","station_id":"1","device_id":"d"})");
        QTest::newRow("not json") << QByteArray("token=t");
    }
    void itemsThatAreNotASessionRaiseTheDecodingFailure()
    {
        if (qEnvironmentVariableIsSet("VANTOREL_CHILD"))
            QSKIP("parent-only case");
        QFETCH(QByteArray, stored);
        writeRaw(stored);
        QVERIFY_THROWS_EXCEPTION(PlatformError, awaitTask(Keychain::load()));
        // The damaged item is left alone.
        QVERIFY_THROWS_EXCEPTION(PlatformError, awaitTask(Keychain::load()));
    }

    void withoutSecretServiceTheMessagesCarryItsStatus()
    {
        if (!isChildRun()) {
            // Same binary, same case, without a session bus: nothing can fall back to a file.
            QByteArray output;
            QVERIFY2(runWithoutSecretService("withoutSecretServiceTheMessagesCarryItsStatus", &output), output.constData());
            return;
        }
        try {
            awaitTask(Keychain::load());
            QFAIL("load did not fail");
        } catch (const LauncherError &error) {
            QCOMPARE(error.errorDescription(),
                     QStringLiteral("Couldn't read your saved sign-in from the Keychain (error -25291). Sign in again."));
        }
        try {
            awaitTask(Keychain::store(Session{QStringLiteral("t"), QStringLiteral("u"), 1, QStringLiteral("d")}));
            QFAIL("store did not fail");
        } catch (const LauncherError &error) {
            QCOMPARE(error.errorDescription(),
                     QStringLiteral("Couldn't save your sign-in to the Keychain (error -25291). Allow access when macOS "
                                    "asks, then sign in again."));
        }
        awaitTask(Keychain::clear());  // reports nothing
        QVERIFY(QDir(profile.root()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    }

    // A store that holds its name and never answers: each operation gives up after the deadline.
    void aSecretServiceThatNeverAnswersIsAFailure()
    {
        if (!isChildRun()) {
            QByteArray output;
            QVERIFY2(runWithSilentSecretService("aSecretServiceThatNeverAnswersIsAFailure", &output), output.constData());
            return;
        }
        Keychain::setAnswerDeadline(std::chrono::milliseconds(1500));
        QElapsedTimer clock;
        clock.start();
        try {
            awaitTask(Keychain::load());
            QFAIL("load did not fail");
        } catch (const LauncherError &error) {
            QCOMPARE(error.errorDescription(),
                     QStringLiteral("Couldn't read your saved sign-in from the Keychain (error -25308). Sign in again."));
        }
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY_THROWS_EXCEPTION(LauncherError, awaitTask(Keychain::store(Session{"t", "u", 1, "d"})));
        awaitTask(Keychain::clear());  // still reports nothing
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestKeychain)
#include "tst_keychain.moc"
