#include "auth/auth_client.h"
#include "auth/keychain.h"
#include "manifest/manifest.h"
#include "support/await_task.h"
#include "support/patch_site.h"
#include "support/test_profile.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <csignal>

static TestProfile profile;

// Quitting the real launcher while it verifies or downloads: the process ends promptly and
// cleanly, nothing is left running, and every game file is whole or absent.
class TestQuit : public QObject {
    Q_OBJECT
    PatchSite site;
    QString game = profile.root() + QStringLiteral("/game");
    QProcess launcher;

    QString logText() const { return readText(profile.dataHome() + "/Vantorel/launcher/logs/launcher-mac.log"); }
    QString lockFile() const { return profile.dataHome() + "/Vantorel/launcher/instance.lock"; }
    QString downloadArea() const { return profile.root() + "/cache/Vantorel/tmp"; }

    static bool xdotool(const QStringList &args)
    {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), args);
        return tool.waitForFinished(20000) && tool.exitCode() == 0;
    }
    // Focuses the launcher's window, then types into whatever has the focus. Aimed at the window,
    // xdotool sends the release to it too, and dies on the way when the press closed the window:
    // the keys then stay down in the X server and quit the next launcher as soon as it shows.
    static bool pressKeys(const QString &keys)
    {
        return xdotool({"search", "--sync", "--name", "^Vantorel$", "windowfocus", "--sync"}) && xdotool({"key", keys});
    }
    // Starts the launcher on the saved session and starts an update with Return, as a player would.
    void startAndUpdate()
    {
        // Nothing of it may hold the test's own output open once it is gone.
        launcher.setStandardOutputFile(QProcess::nullDevice());
        launcher.setStandardErrorFile(QProcess::nullDevice());
        launcher.start(QStringLiteral(VANTOREL_LAUNCHER_BIN), {});
        QVERIFY(launcher.waitForStarted());
        QTRY_VERIFY2_WITH_TIMEOUT(site.server().requestsTo("/release/manifest.json").size() == 1,
                                  qPrintable(QStringLiteral("%1 requests; launcher log:\n").arg(site.server().requests().size()) + logText()
                                             + stacksOfLauncher()),
                                  30000);
        // Return does nothing until the check has ended and the button offers the update.
        for (int tries = 0; tries < 20 && !logText().contains("patch: manifest has "); ++tries) {
            QVERIFY(pressKeys(QStringLiteral("Return")));
            for (int waited = 0; waited < 1000 && !logText().contains("patch: manifest has "); waited += 50)
                QTest::qWait(50);
        }
        QVERIFY(logText().contains("patch: manifest has "));
    }
    // Where every thread of a launcher that hangs is waiting, when gdb is there to tell.
    QString stacksOfLauncher()
    {
        if (launcher.state() == QProcess::NotRunning)
            return QStringLiteral("the launcher ended: %1 %2\n")
                .arg(launcher.exitStatus() == QProcess::CrashExit ? "crash, signal" : "exit code")
                .arg(launcher.exitCode());
        QProcess gdb;
        gdb.start(QStringLiteral("gdb"), {"-p", QString::number(launcher.processId()), "-batch", "-ex", "thread apply all bt 30"});
        if (!gdb.waitForFinished(60000))
            return {};
        return QString::fromLocal8Bit(gdb.readAllStandardOutput());
    }
    // Waits (at most 10 s) for the end of the process and says how long it took.
    qint64 waitForExit()
    {
        QElapsedTimer clock;
        clock.start();
        while (launcher.state() != QProcess::NotRunning && clock.elapsed() < 10000)
            QTest::qWait(20);
        return clock.elapsed();
    }
    void publish(const QList<ManifestEntry> &files)
    {
        writeFile(site.folder() + "/release/manifest.json", Manifest{files}.encoded());
    }

private slots:
    void initTestCase()
    {
        const QJsonObject object{{"device_id", "0a1b2c3d-0000-4000-8000-000000000001"},
                                 {"install_path", game},
                                 {"auth_url", site.server().origin()},
                                 {"manifest_base", site.server().origin()},
                                 {"channel", "release"}};
        writeFile(profile.dataHome() + "/Vantorel/launcher/config.json", QJsonDocument(object).toJson());
        const AuthClient client{site.server().origin(), QStringLiteral("0a1b2c3d-0000-4000-8000-000000000001")};
        const LoginOutcome outcome = awaitTask(client.login(QStringLiteral("player@example.com"), QStringLiteral("vantorel")));
        QCOMPARE(outcome.kind, LoginOutcome::Ok);
        awaitTask(Keychain::store(outcome.session));
    }
    void init()
    {
        QDir(game).removeRecursively();
        QDir().mkpath(game);
        site.server().clearRequests();
        site.server().http().clearFaults();
        QFile::remove(profile.dataHome() + "/Vantorel/launcher/logs/launcher-mac.log");
    }
    void cleanup()
    {
        if (launcher.state() != QProcess::NotRunning) {
            launcher.kill();
            launcher.waitForFinished();
        }
    }

    void quitFromTheMenuWhileVerifying()
    {
        // 12 GiB of sparse files to hash (no disk used), and one small file missing.
        QList<ManifestEntry> files;
        for (int i = 0; i < 48; ++i) {
            const QString path = QStringLiteral("packs/pack%1.pak").arg(i, 2, 10, QLatin1Char('0'));
            QDir().mkpath(game + "/packs");
            QFile pack(game + '/' + path);
            QVERIFY(pack.open(QIODevice::WriteOnly) && pack.resize(qint64(256) << 20));
            files.append(ManifestEntry{path, QString(64, 'a'), qint64(256) << 20, site.server().origin() + "/files/none", {}});
        }
        files.append(site.add(QStringLiteral("small.dat"), bytesOf(1000)));
        publish(files);
        startAndUpdate();
        QVERIFY2(!logText().contains("files to download"), "verification ended before the quit");
        QVERIFY(pressKeys(QStringLiteral("ctrl+q")));
        const qint64 took = waitForExit();
        qInfo("quit while verifying took %lld ms", took);
        QVERIFY2(took < 2000, qPrintable(QString::number(took)));
        QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
        QCOMPARE(launcher.exitCode(), 0);
        QVERIFY(!logText().contains("files to download"));
        QVERIFY(!QFile::exists(lockFile()));
        QCOMPARE(QFileInfo(game + "/packs/pack00.pak").size(), qint64(256) << 20);
    }

    void terminateWhileDownloading()
    {
        const QByteArray big = bytesOf(8 << 20, 'b'), small = bytesOf(5000, 's');
        const ManifestEntry stalled = site.add(QStringLiteral("big.pak"), big);
        const ManifestEntry done = site.add(QStringLiteral("data/small.dat"), small);
        writeFile(game + "/big.pak", "old");
        Standin::Fault stall;
        stall.stallAfter = 1 << 20;
        site.server().http().setFault("/files/big.pak", stall);
        publish({stalled, done});
        startAndUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(logText().contains("patch: 2 files to download"), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(readBytes(game + "/data/small.dat") == small, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(downloadArea()).entryList(QDir::Files).isEmpty(), 10000);
        ::kill(pid_t(launcher.processId()), SIGTERM);
        const qint64 took = waitForExit();
        qInfo("quit while downloading took %lld ms", took);
        QVERIFY2(took < 2000, qPrintable(QString::number(took)));
        QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
        QCOMPARE(launcher.exitCode(), 0);
        QVERIFY(!QFile::exists(lockFile()));
        // Old or new under the final name, never a part.
        QCOMPARE(readBytes(game + "/big.pak"), QByteArray("old"));
        QCOMPARE(readBytes(game + "/data/small.dat"), small);
        QDirIterator all(game, QDir::Files, QDirIterator::Subdirectories);
        QStringList names;
        while (all.hasNext())
            names.append(QFileInfo(all.next()).fileName());
        names.sort();
        QCOMPARE(names, (QStringList{"big.pak", "small.dat"}));
        // The cut body waits in the download area with its record, to be resumed next time.
        const QStringList kept = QDir(downloadArea()).entryList(QDir::Files);
        QCOMPARE(kept.size(), 2);
        QVERIFY(kept.at(1) == kept.at(0) + ".resume");
    }

    // Every start after a quit or a kill reaches the home screen (its install check goes out).
    void startsAgainAfterEachQuitOrKill()
    {
        publish({site.add(QStringLiteral("small.dat"), bytesOf(1000))});
        writeFile(game + "/small.dat", bytesOf(1000));
        // Nothing of it may hold the test's own output open once it is gone.
        launcher.setStandardOutputFile(QProcess::nullDevice());
        launcher.setStandardErrorFile(QProcess::nullDevice());
        for (int round = 0; round < 10; ++round) {
            site.server().clearRequests();
            launcher.start(QStringLiteral(VANTOREL_LAUNCHER_BIN), {});
            QVERIFY(launcher.waitForStarted());
            QTRY_VERIFY2_WITH_TIMEOUT(!site.server().requestsTo("/release/manifest.json").isEmpty(),
                                      qPrintable(QStringLiteral("start %1; launcher log:\n").arg(round + 1) + logText() + stacksOfLauncher()), 30000);
            ::kill(pid_t(launcher.processId()), round % 2 ? SIGKILL : SIGTERM);
            QVERIFY2(launcher.waitForFinished(10000), qPrintable(QStringLiteral("start %1 did not end").arg(round + 1)));
        }
        QVERIFY2(!logText().contains(QStringLiteral("[WARN] keychain")), qPrintable(logText()));
    }
};

QTEST_GUILESS_MAIN(TestQuit)
#include "tst_quit.moc"
