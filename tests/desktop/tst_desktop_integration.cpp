#include "core/app_model.h"
#include "core/desktop_integration.h"
#include "patch/patcher.h"
#include "support/await_task.h"
#include "support/log.h"
#include "support/open_model.h"
#include "support/patch_site.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <cstdio>

static TestProfile profile;

namespace {
const QString mockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
const QString nmService = QStringLiteral("org.freedesktop.NetworkManager");
const QString nmPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString notifications = QStringLiteral("org.freedesktop.Notifications");
const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");
pid_t busPid = 0;

// A bus of the test's own, standing in for both the system and the session bus; it has to be in
// place before anything in the process opens a bus connection.
bool startPrivateBus()
{
    FILE *out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    if (!out)
        return false;
    char address[512] = {};
    char pid[32] = {};
    const bool read = fgets(address, sizeof address, out) && fgets(pid, sizeof pid, out);
    pclose(out);
    if (!read)
        return false;
    const QByteArray bus = QByteArray(address).trimmed();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus);
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    busPid = pid_t(QByteArray(pid).trimmed().toInt());
    return busPid > 0;
}
}

// The launcher as the desktop sees it, against python3-dbusmock's NetworkManager, logind and
// notification daemon on a private bus.
class TestDesktopIntegration : public QObject {
    Q_OBJECT
    PatchSite site;
    QTemporaryDir install;
    QTemporaryDir mockLogs;
    QList<QProcess *> mocks;
    QList<std::pair<double, bool>> taskbar;  // LauncherEntry updates as received
    bool windowActive = false;

    QDBusConnection bus() const { return QDBusConnection::sessionBus(); }
    void startMock(const QStringList &arguments, const QString &name)
    {
        auto *mock = new QProcess(this);
        mock->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Debian's own interpreter, where python3-dbusmock lives, whatever else is on the PATH.
        mock->start(QStringLiteral("/usr/bin/python3"), QStringList{"-m", "dbusmock"} + arguments);
        QVERIFY(mock->waitForStarted());
        mocks.append(mock);
        QTRY_VERIFY_WITH_TIMEOUT(mock->state() != QProcess::Running || bus().interface()->isServiceRegistered(name), 15000);
        QVERIFY2(mock->state() == QProcess::Running, qPrintable(name + " mock did not start"));
    }
    QDBusMessage callMock(const QString &service, const QString &path, const QString &method, const QVariantList &args = {})
    {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, mockInterface, method);
        call.setArguments(args);
        return bus().call(call);
    }
    // Inhibitors as logind lists them: what, who, why, mode.
    QStringList inhibitors()
    {
        const QDBusMessage call = QDBusMessage::createMethodCall(login1, "/org/freedesktop/login1",
                                                                 "org.freedesktop.login1.Manager", "ListInhibitors");
        const QDBusMessage reply = bus().call(call);
        QStringList listed;
        if (reply.type() != QDBusMessage::ReplyMessage)
            return {"error: " + reply.errorMessage()};
        const QDBusArgument array = reply.arguments().value(0).value<QDBusArgument>();
        array.beginArray();
        while (!array.atEnd()) {
            QString what, who, why, mode;
            uint uid = 0, pid = 0;
            array.beginStructure();
            array >> what >> who >> why >> mode >> uid >> pid;
            array.endStructure();
            listed.append(QStringList{what, who, why, mode}.join('|'));
        }
        array.endArray();
        return listed;
    }
    QStringList notifyCalls() const
    {
        QStringList calls;
        for (const QString &line : readText(mockLogs.path() + "/notify.log").split('\n'))
            if (line.contains(" Notify "))
                calls.append(line);
        return calls;
    }
    void setMetered(uint value)
    {
        const QVariant metered = QVariant::fromValue(QDBusVariant(value));
        QCOMPARE(callMock(nmService, nmPath, "SetProperty", {nmPath, nmService, "Metered", metered}).errorMessage(), QString());
    }
    TestModel<OpenModel> model()
    {
        LauncherConfig config;
        config.installPath = install.path() + "/game";
        config.manifestBase = site.server().origin() + "/";
        config.authUrl = QStringLiteral("http://127.0.0.1:1");
        const Origins origins{config.authUrl, site.server().origin(), QStringLiteral("http://127.0.0.1:1")};
        return makeModel<OpenModel>(config, origins);
    }
    static QString logText()
    {
        Log::flush();
        return readText(Log::file());
    }

public slots:
    void launcherEntryUpdate(const QString &uri, const QVariantMap &properties)
    {
        if (uri == QLatin1String("application://com.vantorel.Launcher.desktop"))
            taskbar.append({properties.value("progress").toDouble(), properties.value("progress-visible").toBool()});
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(busPid > 0, "no private bus");
        Patcher::timing().retryWaitScale = 0.05;
        for (const auto &[arguments, name] : {std::pair{QStringList{"--system", "--template", "networkmanager"}, nmService},
                                              std::pair{QStringList{"--system", "--template", "logind"}, login1},
                                              std::pair{QStringList{"--template", "notification_daemon", "-l",
                                                                    mockLogs.path() + "/notify.log"}, notifications}}) {
            startMock(arguments, name);
            if (QTest::currentTestFailed())
                return;
        }
        // The template leaves Metered out; NetworkManager itself always has it.
        QCOMPARE(callMock(nmService, nmPath, "AddProperty", {nmService, "Metered", QVariant::fromValue(QDBusVariant(uint(0)))})
                     .errorMessage(),
                 QString());
        QVERIFY(bus().connect(QString(), "/com/vantorel/Launcher", "com.canonical.Unity.LauncherEntry", "Update", this,
                              SLOT(launcherEntryUpdate(QString,QVariantMap))));
    }
    void cleanupTestCase()
    {
        for (QProcess *mock : mocks) {
            mock->terminate();
            mock->waitForFinished(3000);
        }
        if (busPid > 0)
            ::kill(busPid, SIGTERM);
    }
    void init()
    {
        QDir(install.path()).removeRecursively();
        QDir().mkpath(install.path());
        site.server().http().clearFaults();
        site.server().clearRequests();
        writeFile(site.folder() + "/release/manifest.json",
                  Manifest{{site.add("bin/game.dat", bytesOf(400'000, 'g')), site.add("data/a.pak", bytesOf(30'000, 'a'))}}.encoded());
        QFile::remove(Paths::launcherDir() + "/preferences.json");
        Log::flush();
        QFile::remove(Log::file());
        taskbar.clear();
    }

    // Metered: NetworkManager's "yes" (1) and "guess yes" (3); 0 unknown, 2 no, 4 guess no.
    void automaticUpdatesAndMeteredConnections_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("metered");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("recheck");  // found by the launcher's own repeated check, not by one asked for
        QTest::newRow("off") << false << 2 << false << false;
        QTest::newRow("off, metered") << false << 1 << false << false;
        QTest::newRow("on, unknown") << true << 0 << true << false;
        QTest::newRow("on, not metered") << true << 2 << true << false;
        QTest::newRow("on, guessed not metered") << true << 4 << true << false;
        QTest::newRow("on, metered") << true << 1 << false << false;
        QTest::newRow("on, guessed metered") << true << 3 << false << false;
        QTest::newRow("on, not metered, repeated check") << true << 2 << true << true;
        QTest::newRow("off, repeated check") << false << 2 << false << true;
    }
    void automaticUpdatesAndMeteredConnections()
    {
        QFETCH(bool, automatic);
        QFETCH(int, metered);
        QFETCH(bool, starts);
        QFETCH(bool, recheck);
        setMetered(metered);
        writeFile(install.path() + "/game/bin/game.dat", bytesOf(400'000, 'g'));
        writeFile(Paths::launcherDir() + "/preferences.json", automatic ? R"({"automatic_updates": true})" : "{}");
        auto m = model();
        if (recheck) {
            m->setSession(Session{"t", "player@example.com", 1, "d"});
            m->setScreen(Screen::main());
            m->setRecheckInterval(std::chrono::milliseconds(200));
            QTRY_VERIFY(site.server().requestsTo("/release/manifest.json").size() >= 2);  // checked, and again
            m->setRecheckInterval(std::chrono::hours(6));
            QTRY_COMPARE(describe(m->install()), starts ? "ready" : "updateAvailable(1,30000)");
            QCOMPARE(logText().contains("[INFO] check: update available; updating automatically\n"), starts);
            return;
        }
        const QString meteredLine = "[INFO] check: update available; not updating automatically on a metered connection\n";
        for (int check = 0; check < 2; ++check) {
            awaitTask(m->checkInstall());
            if (starts)
                break;
            if (automatic)
                QTRY_VERIFY(logText().contains(meteredLine));
            QCOMPARE(describe(m->install()), "updateAvailable(1,30000)");
        }
        QTRY_COMPARE(describe(m->install()), starts ? "ready" : "updateAvailable(1,30000)");
        const QString log = logText();
        QCOMPARE(log.contains("[INFO] check: update available; updating automatically\n"), starts);
        QCOMPARE(log.count(meteredLine), automatic && !starts ? 1 : 0);  // said once, not at every check
        if (!starts) {
            // The player's click still updates, metered or not.
            awaitTask(m->patch());
            QCOMPARE(m->install(), InstallState::ready());
        }
        setMetered(2);
    }

    // A run keeps the computer awake, shows its download on the taskbar entry, and says how it
    // ended when the player is elsewhere.
    void updateRunOnTheDesktop_data()
    {
        QTest::addColumn<bool>("fails");
        QTest::addColumn<bool>("active");   // the launcher's window is the active one
        QTest::addColumn<bool>("quits");    // the launcher goes away during the run
        QTest::addColumn<QString>("body");  // of the one notification; "" for none
        const QString failure = QStringLiteral("The download server returned HTTP 404. Try again later.");
        QTest::newRow("done, elsewhere") << false << false << false << "The game is up to date.";
        QTest::newRow("done, window active") << false << true << false << "";
        QTest::newRow("failed, elsewhere") << true << false << false << failure;
        QTest::newRow("failed, window active") << true << true << false << "";
        QTest::newRow("quit during the run") << false << false << true << "";
        // The run ends with its own check: what that check found is what is said.
        QTest::newRow("done, final check fails, elsewhere") << false << false << false
                                                            << "Can't reach the patch server. Check your connection and try again.";
        QTest::newRow("done, final check finds more, elsewhere") << false << false << false << "1 files, 12 bytes";
    }
    void updateRunOnTheDesktop()
    {
        QFETCH(bool, fails);
        QFETCH(bool, active);
        QFETCH(bool, quits);
        QFETCH(QString, body);
        Standin::Fault slow;
        slow.delayMs = 1500;
        slow.status = fails ? 404 : 0;
        site.server().http().setFault("/files/data/a.pak", slow);
        windowActive = active;
        auto m = model();
        auto desktop = std::make_unique<DesktopIntegration>(*m, [this] { return windowActive; });
        QSignalSpy raised(desktop.get(), &DesktopIntegration::raiseRequested);
        const qsizetype notifiedBefore = notifyCalls().size();
        QVERIFY(inhibitors().isEmpty());
        awaitTask(m->checkInstall());  // a check is no run: nothing to say about it, and no inhibitor

        auto run = m->patch();
        QTRY_COMPARE(inhibitors(), QStringList{"sleep:idle|Vantorel|Updating the game files|block"});
        QCOMPARE(m->install(), InstallState::working());
        if (quits) {
            QTRY_VERIFY(!taskbar.isEmpty());
            desktop.reset();
            QTRY_COMPARE(inhibitors(), QStringList());
            QTRY_VERIFY(!taskbar.last().second);
            awaitTask(std::move(run));
            QCOMPARE(notifyCalls().size(), notifiedBefore);
            return;
        }
        const bool checkFails = !fails && body.startsWith("Can't reach"), more = body.startsWith("1 files");
        if (checkFails || more) {
            QTRY_COMPARE(site.server().requestsTo("/release/manifest.json").size(), 2);  // the run has its list
            Standin::Fault gone;
            gone.status = checkFails ? 503 : 0;
            gone.hasBody = more;
            Manifest listed = Manifest::decode(readBytes(site.folder() + "/release/manifest.json"));
            listed.files.append(site.add("b.pak", bytesOf(12, 'b')));
            gone.body = listed.encoded();
            site.server().http().setFault("/release/manifest.json", gone);
        }
        awaitTask(std::move(run));
        QCOMPARE(m->install().kind, fails || checkFails ? InstallState::Failed : more ? InstallState::UpdateAvailable : InstallState::Ready);
        QTRY_COMPARE(inhibitors(), QStringList());

        // The download's progress, rising, then taken away.
        QTRY_VERIFY(!taskbar.isEmpty() && !taskbar.last().second);
        QVERIFY(taskbar.size() >= 2);
        for (qsizetype i = 1; i + 1 < taskbar.size(); ++i) {
            QVERIFY(taskbar.at(i).second);
            QVERIFY2(taskbar.at(i).first >= taskbar.at(i - 1).first, qPrintable(QString::number(i)));
        }
        if (!fails)
            QCOMPARE(taskbar.at(taskbar.size() - 2).first, 1.0);

        if (body.isEmpty()) {
            QTest::qWait(200);  // a notification would be on its way by now
            QCOMPARE(notifyCalls().size(), notifiedBefore);
            return;
        }
        QTRY_COMPARE(notifyCalls().size(), notifiedBefore + 1);
        const QString call = notifyCalls().constLast();
        QVERIFY2(call.contains(R"(Notify "Vantorel" 0 "com.vantorel.Launcher" )"), qPrintable(call));
        QVERIFY2(call.contains('"' + body + '"'), qPrintable(call));
        QVERIFY2(call.contains(R"("desktop-entry": "com.vantorel.Launcher")"), qPrintable(call));
        QVERIFY2(call.contains(R"(["default")"), qPrintable(call));
        // The mock numbers notifications from 1; a click on someone else's raises nothing.
        const uint id = uint(notifyCalls().size());
        QCOMPARE(callMock(notifications, notificationsPath, "EmitSignal",
                          {notifications, "ActionInvoked", "us", QVariantList{id + 1, "default"}}).type(),
                 QDBusMessage::ReplyMessage);
        QCOMPARE(callMock(notifications, notificationsPath, "EmitSignal",
                          {notifications, "ActivationToken", "us", QVariantList{id, "token-1"}}).type(),
                 QDBusMessage::ReplyMessage);
        QCOMPARE(callMock(notifications, notificationsPath, "EmitSignal",
                          {notifications, "ActionInvoked", "us", QVariantList{id, "default"}}).type(),
                 QDBusMessage::ReplyMessage);
        QTRY_COMPARE(raised.size(), 1);
        QCOMPARE(raised.first().first().toByteArray(), QByteArray("token-1"));
        QTest::qWait(100);
        QCOMPARE(raised.size(), 1);
    }

    // Last, as it takes the services away: a run goes on as before, with one line for each.
    void withoutTheServices()
    {
        for (QProcess *mock : mocks) {
            mock->terminate();
            QVERIFY(mock->waitForFinished(5000));
        }
        QTRY_VERIFY(!bus().interface()->isServiceRegistered(login1));
        writeFile(install.path() + "/game/bin/game.dat", bytesOf(400'000, 'g'));
        writeFile(Paths::launcherDir() + "/preferences.json", R"({"automatic_updates": true})");
        auto m = model();
        DesktopIntegration desktop(*m, [] { return false; });
        awaitTask(m->checkInstall());
        QTRY_COMPARE(m->install(), InstallState::ready());
        QVERIFY(!desktop.inhibitor().held());
        QTRY_VERIFY(logText().contains("[INFO] notify: no notification service"));
        const QString log = logText();
        QVERIFY2(log.contains("[INFO] check: update available; updating automatically\n"), qPrintable(log));
        QVERIFY2(log.contains("[INFO] metering: no answer from NetworkManager ("), qPrintable(log));
        QVERIFY2(log.contains("[INFO] inhibit: no answer from logind ("), qPrintable(log));
    }
};

int main(int argc, char *argv[])
{
    const bool bus = startPrivateBus();
    QCoreApplication app(argc, argv);
    TestDesktopIntegration test;
    if (!bus)
        qWarning("could not start a private bus");
    return QTest::qExec(&test, argc, argv);
}
#include "tst_desktop_integration.moc"
