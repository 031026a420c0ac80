#include "auth/keychain.h"
#include "core/app_model.h"
#include "core/qml_types.h"
#include "transfer/rate_limiter.h"
#include "standin/standin.h"
#include "support/await_task.h"
#include "support/open_model.h"
#include "support/patch_site.h"
#include "support/quick_helpers.h"
#include "support/test_profile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

static TestProfile profile;

// The launcher as a keyboard and screen-reader user meets it: real key events from the X server
// (xdotool), never a mouse event, and at every screen, popover and install state the accessible
// tree that AT-SPI gives a screen reader, in which every control must have a name and a role.
class TestAccessibility : public QObject {
    Q_OBJECT
    QTemporaryDir site;
    std::unique_ptr<Standin::Service> server;
    TestModel<OpenModel> model;
    std::unique_ptr<QQmlApplicationEngine> engine;
    QQuickWindow *window = nullptr;
    QQuickWindow *settings = nullptr;

    QQuickItem *item(const char *name) const { return findItem(window->contentItem(), QLatin1String(name), true); }
    // Runs a helper while the event loop goes on, so the window keeps answering AT-SPI.
    static QByteArray run(const QString &program, const QStringList &args)
    {
        QProcess process;
        process.start(program, args);
        if (!process.waitForStarted())
            return "not started: " + program.toUtf8();
        for (QDeadlineTimer limit(60000); process.state() != QProcess::NotRunning && !limit.hasExpired();)
            QTest::qWait(20);
        return process.readAllStandardOutput() + process.readAllStandardError();
    }
    // The named control that holds the keyboard focus.
    QString focused() const
    {
        for (QQuickItem *at = window->activeFocusItem(); at; at = at->parentItem())
            if (!at->objectName().isEmpty() && at->objectName() != QLatin1String("focusRing"))
                return at->objectName();
        return QStringLiteral("<nothing>");
    }
    static void keys(const QStringList &names)
    {
        run(QStringLiteral("xdotool"), QStringList{"key", "--delay", "40"} + names);
        QTest::qWait(150);
    }
    static void type(const QString &text)
    {
        run(QStringLiteral("xdotool"), {"type", "--delay", "20", text});
        QTest::qWait(150);
    }
    // The tree as a screen reader walks it: no control without a name or role, and these named.
    void expectTree(const QString &where, const QStringList &names, const QString &bar = {})
    {
        QTest::qWait(300);  // the bridge sends its updates a moment later
        const QByteArray out = run(QStringLiteral("/usr/bin/python3"),
                                   {QStringLiteral(VANTOREL_SOURCE_DIR "/tests/ui/atspi_check.py"),
                                    QString::number(QCoreApplication::applicationPid())});
        const QJsonObject tree = QJsonDocument::fromJson(out.trimmed().split('\n').last()).object();
        QVERIFY2(!tree.isEmpty(), qPrintable(where + ": " + QString::fromUtf8(out)));
        QStringList problems, controls;
        for (const QJsonValue &p : tree.value("problems").toArray())
            problems.append(p.toString());
        for (const QJsonValue &c : tree.value("controls").toArray())
            controls.append(c.toString());
        QVERIFY2(problems.isEmpty(), qPrintable(where + ": unnamed or roleless:\n  " + problems.join("\n  ")));
        for (const QString &name : names)
            QVERIFY2(controls.contains(name), qPrintable(where + ": no control named \"" + name + "\" in: " + controls.join(" | ")));
        QStringList bars;
        for (const QJsonValue &b : tree.value("bars").toArray())
            bars.append(b.toString());
        if (!bar.isEmpty())
            QVERIFY2(bars.contains(bar), qPrintable(where + ": no progress bar reads \"" + bar + "\" in: " + bars.join(" | ")));
    }
    // The Press action of the named control, done through AT-SPI; true when the window answered done.
    bool pressThroughAtSpi(const QString &name)
    {
        const QByteArray out = run(QStringLiteral("/usr/bin/python3"),
                                   {QStringLiteral(VANTOREL_SOURCE_DIR "/tests/ui/atspi_check.py"),
                                    QString::number(QCoreApplication::applicationPid()), "--press", name});
        const QJsonObject answer = QJsonDocument::fromJson(out.trimmed().split('\n').last()).object();
        if (!answer.value("done").toBool())
            qWarning("Press of \"%s\": %s", qPrintable(name), out.constData());
        return answer.value("done").toBool();
    }
    void activate(QQuickWindow *which)
    {
        which->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(which));
    }

private slots:
    void initTestCase()
    {
        QQuickStyle::setStyle(QStringLiteral("Basic"));
        awaitTask(Keychain::clear());
        server = serveSmallDemoSite(QStringLiteral(VANTOREL_STANDIN_BIN), site.path());
        QVERIFY(server);
        model = makeModel<OpenModel>(launcherConfigFor(*server, profile.root() + QStringLiteral("/game")), originsOf(*server));
        engine = std::make_unique<QQmlApplicationEngine>();
        window = loadMainWindow(*engine, model.get());
        QVERIFY(window);
        settings = window->findChild<QQuickWindow *>(QStringLiteral("settingsWindow"));
        QVERIFY(settings);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        activate(window);
        QTRY_COMPARE_WITH_TIMEOUT(model->screen(), Screen::login(), 20000);
        QTRY_COMPARE(model->slides().size(), 3);
    }

    void signInWithACodeGoingBackOnce()
    {
        expectTree("sign-in", {"Email", "Password", "Log In", "Create an account", "Forgot password?", "File", "Game"});
        type("app@example.com");
        keys({"Tab"});
        type("vantorel");
        // As a screen reader's user signs in: the Press action of the button, not a key.
        QVERIFY(pressThroughAtSpi("Log In"));
        QTRY_COMPARE(model->screen(), Screen::mfa("totp"));
        QCOMPARE(server->requestsTo("/login").size(), 1);  // once, as for a click
        expectTree("code", {"Code", "Verify", "Back"});
        keys({"Tab", "Tab", "Return"});  // the code field, then Back (Verify waits for a code)
        QTRY_COMPARE(model->screen(), Screen::login());

        type("app@example.com");
        keys({"Tab"});
        type("vantorel");
        keys({"Return"});
        QTRY_COMPARE(model->screen(), Screen::mfa("totp"));
        keys({"Tab"});
        type("654321");
        keys({"Return"});
        QTRY_COMPARE_WITH_TIMEOUT(model->screen(), Screen::main(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(int(model->install().kind), int(InstallState::NotInstalled), 20000);
    }

    void bothPopoversAndSettings()
    {
        expectTree("home, not installed", {"Account", "Install", "Game options", "Slide 1 of 3", "Slide 3 of 3"});
        keys({"Tab", "space"});  // the account button, first in the tab order
        QTRY_VERIFY(window->findChild<QObject *>("accountMenu")->property("opened").toBool());
        expectTree("account popover", {"Website", "Support", "Settings\u2026", "Log Out", "Quit"});
        keys({"Down", "Down", "Return"});
        QTRY_VERIFY(settings->isVisible());
        QTRY_COMPARE(QGuiApplication::focusWindow(), settings);
        expectTree("settings", {"Show in Finder", "Verify Files", "Log Out", "Download limit in MB/s", "Update automatically", "Language"});
        keys({"Escape"});
        QTRY_VERIFY(!settings->isVisible());

        activate(window);
        keys({"Tab", "Tab", "Return"});  // from the account button: the main button, the gear
        QTRY_VERIFY(window->findChild<QObject *>("gearMenu")->property("opened").toBool());
        expectTree("game options popover", {"Check for Updates", "Scan and Repair", "Reveal in Finder"});
        keys({"Escape"});
        QTRY_VERIFY(!window->findChild<QObject *>("gearMenu")->property("visible").toBool());
        // The same through a screen reader's Press: a menu button opens its menu, and a switch flips.
        QVERIFY(pressThroughAtSpi("Game options"));
        QTRY_VERIFY(window->findChild<QObject *>("gearMenu")->property("opened").toBool());
        // A screen reader reads on from the first row, as after Return.
        QTRY_COMPARE(window->activeFocusItem() ? window->activeFocusItem()->property("title").toString() : QString(),
                     QStringLiteral("Check for Updates"));
        keys({"Escape"});
        QTRY_VERIFY(!window->findChild<QObject *>("gearMenu")->property("visible").toBool());
        const bool automatic = model->automaticUpdates();
        settings->show();
        QVERIFY(pressThroughAtSpi("Update automatically"));
        QTRY_COMPARE(model->automaticUpdates(), !automatic);
        QVERIFY(pressThroughAtSpi("Update automatically"));
        QTRY_COMPARE(model->automaticUpdates(), automatic);
        settings->hide();
        activate(window);
        item("gearButton")->forceActiveFocus(Qt::TabFocusReason);
    }

    void updateFromTheKeyboard()
    {
        QTRY_COMPARE(focused(), QStringLiteral("gearButton"));
        RateLimiter::global().setLimit(1'000'000);  // long enough to look at the tree while it runs
        QVERIFY(pressThroughAtSpi("Install"));
        QTRY_COMPARE_WITH_TIMEOUT(int(model->install().kind), int(InstallState::Working), 20000);
        expectTree("home, working", {"Updating", "Account"});
        RateLimiter::global().setLimit(0);
        QTRY_COMPARE_WITH_TIMEOUT(int(model->install().kind), int(InstallState::Ready), 60000);
        expectTree("home, ready", {"Play", "Game options"});

        // A second build is published; "Check for Updates", the gear's first row, finds it.
        server->build = 2;
        // As if reached with Tab (it may hold the focus already, from the Press, for another reason).
        item("gearButton")->forceActiveFocus(Qt::TabFocusReason);
        item("gearButton")->setProperty("focusReason", Qt::TabFocusReason);
        keys({"Return", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(int(model->install().kind), int(InstallState::UpdateAvailable), 20000);
        expectTree("home, update available", {"Update", "Game options"});
        QTRY_COMPARE(focused(), QStringLiteral("gearButton"));
        keys({"shift+Tab", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(int(model->install().kind), int(InstallState::Ready), 60000);
    }

    // States the journey passes too quickly to look at, set directly.
    void otherStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("bar");  // what the progress bar says, when there is one
        QTest::newRow("checking") << int(InstallState::Checking) << "Checking" << QString();
        QTest::newRow("failed") << int(InstallState::Failed) << "Try Again" << QString();
        QTest::newRow("downloading, time left") << int(InstallState::Working) << "Updating"
                                                << QStringLiteral("Downloading: 400.0 MB of 1.23 GB \u00b7 56.7 MB/s, About 14 minutes left");
    }
    void otherStates()
    {
        QFETCH(int, state);
        QFETCH(QString, button);
        QFETCH(QString, bar);
        model->setInstall(InstallState{InstallState::Kind(state), 0, 0, QStringLiteral("The download server returned HTTP 503. Try again later.")});
        model->setPhase(state == InstallState::Working ? std::optional(PatchPhase::downloading(400'000'000, 1'234'000'000, 56'700'000, 845))
                                                       : std::nullopt);
        expectTree(QTest::currentDataTag(), {button, "Account"}, bar);
        model->setPhase(std::nullopt);
    }

    void unreachable()
    {
        model->setScreen(Screen::unreachable());
        expectTree("unreachable", {"Try Again"});
        model->setInstall(InstallState::ready());
        model->setScreen(Screen::main());
    }

    void signOutFromTheAccountPopover()
    {
        activate(window);
        keys({"Tab", "space"});
        QTRY_VERIFY(window->findChild<QObject *>("accountMenu")->property("opened").toBool());
        keys({"Down", "Down", "Down", "Return"});
        QTRY_COMPARE(model->screen(), Screen::login());
        QVERIFY(!model->signedIn());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
