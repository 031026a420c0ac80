#include "support/test_profile.h"

#include <QProcess>
#include <QtTest>

static TestProfile profile;

// Two starts of the launcher on one profile: the second hands over to the first and leaves.
class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondStartLeavesTheFirstRunning()
    {
        QProcess first, second, other;
        first.start(QStringLiteral(VANTOREL_LAUNCHER_BIN), {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(profile.dataHome() + "/Vantorel/launcher/instance.lock"), 20000);
        QTest::qWait(500);
        second.start(QStringLiteral(VANTOREL_LAUNCHER_BIN), {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        // They met in the user's runtime folder, not under a name anyone can take in /tmp.
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QVERIFY(!runtime.isEmpty());
        QCOMPARE(QDir(runtime).entryList({"vantorel-launcher-*"}, QDir::System).size(), 1);

        // Another profile is another launcher.
        QTemporaryDir elsewhere;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), elsewhere.path());
        other.setProcessEnvironment(env);
        other.start(QStringLiteral(VANTOREL_LAUNCHER_BIN), {});
        QVERIFY(!other.waitForFinished(3000));
        other.kill();
        other.waitForFinished();

        // A lock left by a killed launcher does not keep the next one out.
        first.kill();
        QVERIFY(first.waitForFinished());
        QProcess again;
        again.start(QStringLiteral(VANTOREL_LAUNCHER_BIN), {});
        QVERIFY(!again.waitForFinished(3000));
        again.kill();
        again.waitForFinished();
    }

    // A launcher directory that cannot be made (a file stands where it should be) takes away the
    // lock, the log and the configuration file, but the window still opens.
    void unwritableLauncherDirectoryStillShowsTheWindow()
    {
        QTemporaryDir blocked;
        writeFile(blocked.path() + "/Vantorel", "not a folder");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), blocked.path());
        QProcess launcher;
        launcher.setProcessEnvironment(env);
        launcher.start(QStringLiteral(VANTOREL_LAUNCHER_BIN), {});
        QVERIFY(launcher.waitForStarted());
        QProcess search;
        search.start(QStringLiteral("xdotool"), {"search", "--sync", "--pid", QString::number(launcher.processId()), "--name", "^Vantorel$"});
        QVERIFY(search.waitForFinished(20000));
        const QByteArray found = search.readAllStandardOutput().trimmed();
        QVERIFY2(!found.isEmpty(), "no window");
        QCOMPARE(launcher.state(), QProcess::Running);
        launcher.kill();
        launcher.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
