#include "auth/keychain.h"
#include "core/app_model.h"
#include "core/qml_types.h"
#include "standin/standin.h"
#include "support/await_task.h"
#include "support/quick_helpers.h"
#include "support/open_model.h"
#include "support/patch_site.h"
#include "support/nginx_server.h"
#include "support/proxy_server.h"
#include "support/test_ca.h"
#include "support/test_profile.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QProcess>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

static TestProfile profile;

// A player's whole way through the real window and the real model against the stand-in and its
// small demo site: sign in with a second factor, install, play, sign out, start again. Once over
// plain HTTP/1.1, once as players meet it: the stand-in's API over HTTPS and the patch site (list,
// feed, pictures, files) from nginx over HTTPS with HTTP/2.
class TestJourney : public QObject {
    Q_OBJECT
    QTemporaryDir site;
    std::unique_ptr<Standin::Service> server;
    NginxServer cdn;
    std::unique_ptr<ProxyServer> proxy;
    Origins origins;
    TestModel<AppModel> model;
    std::unique_ptr<QQmlApplicationEngine> engine;
    QQuickWindow *window = nullptr;

    QQuickItem *item(const char *name) const { return findItem(window->contentItem(), QLatin1String(name), true); }
    void click(const char *name)
    {
        QQuickItem *target = item(name);
        QVERIFY2(target, name);
        clickItem(window, target);
    }
    void type(const char *field, const QString &text)
    {
        QQuickItem *target = item(field);
        QVERIFY2(target, field);
        target->forceActiveFocus();
        typeText(window, text);
    }
    void openWindow()
    {
        LauncherConfig config = launcherConfigFor(*server, profile.root() + QStringLiteral("/game"));
        config.authUrl = origins.auth;
        config.manifestBase = origins.patch;
        model = makeModel<AppModel>(config, origins);
        engine = std::make_unique<QQmlApplicationEngine>();
        window = loadMainWindow(*engine, model.get());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->requestActivate();
    }
    void closeWindow()
    {
        engine.reset();
        model.reset();
        window = nullptr;
    }

    // The site's list and feed name their files relative to the site; a static server needs them
    // absolute, at its own origin.
    static bool pointAt(const QString &file, const QString &listKey, const QString &urlKey, const QString &origin)
    {
        QJsonObject document = QJsonDocument::fromJson(readBytes(file)).object();
        QJsonArray list = document.value(listKey).toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            QJsonObject item = list.at(i).toObject();
            item.insert(urlKey, QUrl(origin + "/").resolved(QUrl(item.value(urlKey).toString())).toString(QUrl::FullyEncoded));
            list[i] = item;
        }
        document.insert(listKey, list);
        writeFile(file, QJsonDocument(document).toJson());
        return !list.isEmpty();
    }

    void startServers(const QString &transport)
    {
        closeWindow();
        cdn.stop();
        QDir(profile.root() + QStringLiteral("/game")).removeRecursively();
        awaitTask(Keychain::clear());
        server = serveSmallDemoSite(QStringLiteral(VANTOREL_STANDIN_BIN), site.path());
        QVERIFY(server);
        origins = originsOf(*server);
        qunsetenv("https_proxy");
        proxy.reset();
        if (transport.startsWith("https+h2")) {
            QVERIFY2(TestCa::available(), "TLS cases run under scripts/with-test-ca");
            server = std::make_unique<Standin::Service>(site.path());
            server->enableTls(TestCa::serverConfiguration(TestCa::Kind::Trusted));
            QVERIFY(server->listen());
            QVERIFY(cdn.start(site.path(), true));
            QString api = server->origin(), patch = cdn.origin();
            if (transport.endsWith("proxy")) {
                // By name: Qt never sends loopback addresses through a proxy.
                api.replace("127.0.0.1", "cdn.vantorel.test");
                patch.replace("127.0.0.1", "cdn.vantorel.test");
                proxy = std::make_unique<ProxyServer>();
                QVERIFY(proxy->start());
                qputenv("https_proxy", proxy->url().toLatin1());
            }
            QVERIFY(pointAt(site.path() + "/release/manifest.json", "files", "url", patch));
            QVERIFY(pointAt(site.path() + "/launcher/home.json", "hero", "image", patch));
            origins = Origins{api, patch, api};
        }
    }

private slots:
    void initTestCase() { QQuickStyle::setStyle(QStringLiteral("Basic")); }

    void journey_data()
    {
        QTest::addColumn<QString>("transport");
        QTest::newRow("HTTP/1.1") << "http";
        QTest::newRow("HTTPS, patch site over HTTP/2 from nginx") << "https+h2";
        QTest::newRow("the same through the proxy https_proxy names") << "https+h2 proxy";
    }
    void journey()
    {
        QFETCH(QString, transport);
        startServers(transport);
        if (QTest::currentTestFailed())
            return;
        openWindow();
        if (QTest::currentTestFailed())
            return;
        signInWithAnEmailedCode();
        if (QTest::currentTestFailed())
            return;
        installThenPlay();
        if (QTest::currentTestFailed())
            return;
        restartSkipsThePasswordAndSignOutForgets();
        qunsetenv("https_proxy");
        if (QTest::currentTestFailed() || !transport.startsWith("https+h2"))
            return;
        if (proxy) {
            const QString relayed = proxy->logText();
            for (const quint16 port : {server->http().port(), cdn.port()})
                QVERIFY2(relayed.contains("CONNECT cdn.vantorel.test:" + QString::number(port)), qPrintable(relayed));
        }
        // Everything of the patch site came over HTTP/2: list, feed, pictures and files.
        const QStringList lines = cdn.logLines();
        for (const char *path : {" /release/manifest.json ", " /launcher/home.json ", " /release/files/", " /previews/"})
            QVERIFY2(!lines.filter(QLatin1String(path)).isEmpty(), path);
        for (const QString &line : lines)
            QVERIFY2(line.contains(" HTTP/2.0 "), qPrintable(line));
    }

private:
    void signInWithAnEmailedCode()
    {
        QTRY_VERIFY(item("signInView"));
        type("emailField", "mail@example.com");
        QTest::keyClick(window, Qt::Key_Return);
        type("passwordField", "vantorel");
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_VERIFY(item("codeView"));
        type("codeField", "123456");
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_VERIFY(item("homeView"));
        QTRY_COMPARE(item("mainButton")->property("text").toString(), QStringLiteral("Install"));
    }

    void installThenPlay()
    {
        QStringList titles;
        QObject watching;  // ends the connection with this function, also when a check fails
        connect(model.get(), &AppModel::panelChanged, &watching, [&] { titles.append(model->panel().value("title").toString()); });
        click("mainButton");
        QTRY_VERIFY_WITH_TIMEOUT(model->install() == InstallState::ready(), 60000);
        QVERIFY(titles.contains("Verifying files"));
        QVERIFY(titles.contains("Downloading") || titles.contains("Finishing"));
        // The panel follows the model on a later turn of the event loop.
        QTRY_COMPARE(item("mainButton")->property("text").toString(), QStringLiteral("Play"));
        click("mainButton");
        QCOMPARE(item("footer")->property("text").toString(),
                 QStringLiteral("The game doesn't run on macOS yet. This launcher only updates files."));
    }

    void restartSkipsThePasswordAndSignOutForgets()
    {
        closeWindow();
        // One file gone while the launcher was closed: the next start offers an update.
        QDirIterator files(profile.root() + QStringLiteral("/game"), QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(files.hasNext());
        QVERIFY(QFile::remove(files.next()));
        openWindow();
        QTRY_VERIFY(item("homeView"));
        QTRY_COMPARE(model->install().kind, InstallState::UpdateAvailable);
        QTRY_COMPARE(item("mainButton")->property("text").toString(), QStringLiteral("Update"));
        QCOMPARE(server->requestsTo("/session/validate").size(), 1);

        // Straight from a saved session, the main button ("Update") answers Return.
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(model->install(), InstallState::working());
        QTRY_COMPARE_WITH_TIMEOUT(model->install(), InstallState::ready(), 60000);

        model->requestSignOut();
        QTRY_VERIFY(item("signInView"));
        QCOMPARE(awaitTask(Keychain::load()), std::nullopt);
    }
};

QTEST_MAIN(TestJourney)
#include "tst_journey.moc"
