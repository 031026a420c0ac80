#include "auth/keychain.h"
#include "core/app_model.h"
#include "support/await_task.h"
#include "core/qml_types.h"
#include "support/test_profile.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

static TestProfile profile;

// Loads the real main window under a display server and checks what a user sees of it.
class TestWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<AppModel> model;
    std::unique_ptr<QQmlApplicationEngine> engine;
    QQuickWindow *window = nullptr;

private slots:
    void initTestCase()
    {
        awaitTask(Keychain::clear());
        QQuickStyle::setStyle(QStringLiteral("Basic"));
        LauncherConfig config;
        config.authUrl = QStringLiteral("http://127.0.0.1:9");
        config.manifestBase = QStringLiteral("http://127.0.0.1:9");
        model = std::make_unique<AppModel>(config);
        engine = std::make_unique<QQmlApplicationEngine>();
        window = loadMainWindow(*engine, model.get());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void windowHasFixedContentSize()
    {
        QCOMPARE(window->title(), QStringLiteral("Vantorel"));
        auto *root = window->findChild<QQuickItem *>(QStringLiteral("rootView"));
        QVERIFY(root);
        QCOMPARE(root->width(), 1120.0);
        QCOMPARE(root->height(), 540.0);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->width(), 1120);
    }

    void startRunsWhenShownAndLeavesStarting()
    {
        QTRY_COMPARE(model->screen(), Screen::login());
    }

    void menuCommandsFollowTheModel()
    {
        auto action = [this](const char *name) {
            auto *object = window->findChild<QObject *>(QLatin1String(name));
            return object ? object->property("enabled").toBool() : true;
        };
        QVERIFY(window->findChild<QObject *>(QStringLiteral("signOutAction")));
        QCOMPARE(action("signOutAction"), false);
        QCOMPARE(action("checkForUpdatesAction"), false);
        QCOMPARE(action("verifyGameFilesAction"), false);
        QCOMPARE(action("showGameFolderAction"), true);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
