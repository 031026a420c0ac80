#include "core/app_model.h"
#include "core/qml_types.h"
#include "standin/standin.h"
#include "support/quick_helpers.h"
#include "support/open_model.h"
#include "support/test_profile.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

static TestProfile profile;

// The real window as a native Wayland client (run by scripts/with-weston): it loads, shows the
// sign-in screen, and a sign-in through the model reaches the home screen.
class TestWayland : public QObject {
    Q_OBJECT
private slots:
    void signInOnWayland()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QGuiApplication::setDesktopFileName(QStringLiteral("com.vantorel.Launcher"));
        QQuickStyle::setStyle(QStringLiteral("Basic"));
        QTemporaryDir site;
        Standin::makeDemoSite(site.path(), true);
        Standin::Service server(site.path());
        QVERIFY(server.listen());
        LauncherConfig config;
        config.authUrl = config.manifestBase = server.origin();
        config.installPath = profile.root() + QStringLiteral("/game");
        auto model = makeModel<AppModel>(config, Origins{server.origin(), server.origin(), server.origin()});
        QQmlApplicationEngine engine;
        QQuickWindow *window = loadMainWindow(engine, model.get());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window, 20000));
        const auto item = [&](const char *name) { return findItem(window->contentItem(), QLatin1String(name), true); };
        QTRY_VERIFY_WITH_TIMEOUT(item("signInView"), 20000);
        model->requestSignIn(QStringLiteral("player@example.com"), QStringLiteral("vantorel"));
        QTRY_VERIFY_WITH_TIMEOUT(item("homeView"), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(model->install().kind, InstallState::NotInstalled, 20000);
        if (qEnvironmentVariableIsSet("VANTOREL_SCREENSHOTS"))
            window->grabWindow().save(qEnvironmentVariable("VANTOREL_SCREENSHOTS") + QStringLiteral("/40-wayland-home.png"));
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
