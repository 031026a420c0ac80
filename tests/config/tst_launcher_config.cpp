#include "config/launcher_config.h"
#include "support/origins.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

static TestProfile profile;

class TestLauncherConfig : public QObject {
    Q_OBJECT

    void removeConfig() { QFile::remove(Paths::config()); }

private slots:
    void firstStartWritesSortedDefaultsOnce()
    {
        removeConfig();
        const LauncherConfig first = LauncherConfig::load();
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"))
                    .match(first.deviceId)
                    .hasMatch());
        QCOMPARE(first.installPath, profile.dataHome() + QStringLiteral("/Vantorel/client"));
        QCOMPARE(first.channel, QStringLiteral("release"));
        QCOMPARE(first.authUrl, Origins::compiledIn().auth);
        QCOMPARE(first.manifestBase, Origins::compiledIn().patch);

        const QString text = readText(Paths::config());
        const QStringList keys{"\"auth_url\"", "\"channel\"", "\"device_id\"", "\"install_path\"", "\"manifest_base\""};
        qsizetype last = -1;
        for (const QString &key : keys) {
            const qsizetype at = text.indexOf(key);
            QVERIFY2(at > last, qPrintable(key));
            last = at;
        }
        QVERIFY2(text.count(QLatin1Char('\n')) >= 6, "one key per line");

        const LauncherConfig second = LauncherConfig::load();
        QCOMPARE(second, first);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("authUrl");
        QTest::addColumn<QString>("deviceId");  // "*" for a generated one
        QTest::addColumn<QString>("installPath");

        const QString defaultInstall = Paths::defaultInstall();
        const QString defaultAuth = Origins::compiledIn().auth;
        QTest::newRow("only channel") << QByteArray(R"({"channel":"beta"})") << "beta" << defaultAuth << "*"
                                      << defaultInstall;
        QTest::newRow("empty device and install replaced, empty auth kept")
            << QByteArray(R"({"device_id":"","install_path":"","auth_url":"","channel":"release"})")
            << "release" << "" << "*" << defaultInstall;
        QTest::newRow("null device id counts as absent")
            << QByteArray(R"({"device_id":null,"install_path":"/games/v"})") << "release" << defaultAuth << "*"
            << "/games/v";
        QTest::newRow("all given, unknown keys ignored")
            << QByteArray(R"({"device_id":"abc","install_path":"/g","auth_url":"http://a","manifest_base":"http://m",)"
                          R"("channel":"x","extra":[1,2]})")
            << "x" << "http://a" << "abc" << "/g";
        QTest::newRow("number as device id spoils the file")
            << QByteArray(R"({"device_id":42,"channel":"beta"})") << "release" << defaultAuth << "*"
            << defaultInstall;
        QTest::newRow("not json") << QByteArray("channel = beta") << "release" << defaultAuth << "*"
                                  << defaultInstall;
        QTest::newRow("json array") << QByteArray(R"([{"channel":"beta"}])") << "release" << defaultAuth
                                    << "*" << defaultInstall;
        QTest::newRow("empty file") << QByteArray() << "release" << defaultAuth << "*" << defaultInstall;
    }

    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, channel);
        QFETCH(QString, authUrl);
        QFETCH(QString, deviceId);
        QFETCH(QString, installPath);

        writeFile(Paths::config(), content);
        const LauncherConfig config = LauncherConfig::load();
        QCOMPARE(config.channel, channel);
        QCOMPARE(config.authUrl, authUrl);
        QCOMPARE(config.installPath, installPath);
        if (deviceId == QLatin1String("*")) {
            QCOMPARE(config.deviceId.size(), 36);
            QCOMPARE(config.deviceId, config.deviceId.toLower());
            // Generated ids are not stored, so each start makes another one.
            QVERIFY(LauncherConfig::load().deviceId != config.deviceId);
        } else {
            QCOMPARE(config.deviceId, deviceId);
        }
        // The launcher never rewrites a file that exists, usable or not.
        QCOMPARE(readText(Paths::config()).toUtf8(), content);
    }

    void manifestUrl_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no slash") << "https://patch.example.com" << "release"
                                  << "https://patch.example.com/release/manifest.json";
        QTest::newRow("one slash") << "https://patch.example.com/" << "release"
                                   << "https://patch.example.com/release/manifest.json";
        QTest::newRow("two slashes keep one") << "https://patch.example.com//" << "release"
                                              << "https://patch.example.com//release/manifest.json";
        QTest::newRow("other channel") << "http://127.0.0.1:8080" << "beta" << "http://127.0.0.1:8080/beta/manifest.json";
    }

    void manifestUrl()
    {
        QFETCH(QString, base);
        QFETCH(QString, channel);
        QFETCH(QString, expected);
        LauncherConfig config;
        config.manifestBase = base;
        config.channel = channel;
        QCOMPARE(config.manifestURL().toString(), expected);
    }

    void manifestUrlThatDoesNotParseIsInvalid()
    {
        LauncherConfig config;
        config.manifestBase = QStringLiteral("http://exa mple.com:99999");
        QVERIFY(!config.manifestURL().isValid());
    }
};

QTEST_GUILESS_MAIN(TestLauncherConfig)
#include "tst_launcher_config.moc"
