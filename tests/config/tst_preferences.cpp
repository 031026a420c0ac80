#include "config/preferences.h"
#include "core/app_model.h"
#include "transfer/rate_limiter.h"
#include "support/log.h"
#include "support/open_model.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QtTest>

static TestProfile profile;

// The player's own preferences file: read leniently, written atomically, applied at once.
class TestPreferences : public QObject {
    Q_OBJECT
    static QString file() { return Paths::launcherDir() + "/preferences.json"; }
    static QString logText()
    {
        Log::flush();
        return readText(Log::file());
    }

private slots:
    void init()
    {
        QFile::remove(file());
        Log::flush();
        QFile::remove(Log::file());
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");  // "-": no file at all
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<QString>("language");  // "": follow the system
        QTest::newRow("missing") << QByteArray("-") << qint64(0) << false << false << QString();
        QTest::newRow("a limit") << QByteArray(R"({"download_limit": 20000000})") << qint64(20'000'000) << false << false << QString();
        QTest::newRow("no key") << QByteArray("{}") << qint64(0) << false << false << QString();
        QTest::newRow("null") << QByteArray(R"({"download_limit": null})") << qint64(0) << false << false << QString();
        QTest::newRow("not json") << QByteArray("download_limit=5") << qint64(0) << false << true << QString();
        QTest::newRow("cut short") << QByteArray(R"({"download_limit": 200)") << qint64(0) << false << true << QString();
        QTest::newRow("an array") << QByteArray("[1]") << qint64(0) << false << true << QString();
        QTest::newRow("text") << QByteArray(R"({"download_limit": "20M"})") << qint64(0) << false << true << QString();
        QTest::newRow("negative") << QByteArray(R"({"download_limit": -1})") << qint64(0) << false << true << QString();
        QTest::newRow("the field's largest") << QByteArray(R"({"download_limit": 999999999000})") << qint64(999'999'999'000) << false << false << QString();
        QTest::newRow("more than the field shows") << QByteArray(R"({"download_limit": 1000000000000})") << qint64(0) << false << true << QString();
        QTest::newRow("automatic") << QByteArray(R"({"automatic_updates": true})") << qint64(0) << true << false << QString();
        QTest::newRow("automatic off") << QByteArray(R"({"automatic_updates": false})") << qint64(0) << false << false << QString();
        QTest::newRow("automatic null") << QByteArray(R"({"automatic_updates": null})") << qint64(0) << false << false << QString();
        QTest::newRow("automatic and a limit") << QByteArray(R"({"download_limit": 5, "automatic_updates": true})") << qint64(5) << true << false << QString();
        QTest::newRow("automatic as text") << QByteArray(R"({"download_limit": 5, "automatic_updates": "yes"})") << qint64(0) << false << true << QString();
        QTest::newRow("automatic as a number") << QByteArray(R"({"automatic_updates": 1})") << qint64(0) << false << true << QString();
        QTest::newRow("a language") << QByteArray(R"({"language": "pt_BR", "download_limit": 5})") << qint64(5) << false << false << "pt_BR";
        QTest::newRow("language null") << QByteArray(R"({"language": null})") << qint64(0) << false << false << "";
        QTest::newRow("language as a number") << QByteArray(R"({"language": 7, "automatic_updates": true})") << qint64(0) << true << false << "";
        QTest::newRow("language, limit damaged") << QByteArray(R"({"language": "de", "download_limit": -5})") << qint64(0) << false << true << "";
        QTest::newRow("automatic, limit damaged") << QByteArray(R"({"download_limit": -5, "automatic_updates": true})") << qint64(0) << false << true << QString();
    }
    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, limit);
        QFETCH(bool, automatic);
        QFETCH(bool, warned);
        QFETCH(QString, language);
        if (content != "-")
            writeFile(file(), content);
        QCOMPARE(Preferences::load().downloadLimit, limit);
        QCOMPARE(Preferences::load().automaticUpdates, automatic);
        QCOMPARE(Preferences::load().language, language);
        QCOMPARE(logText().contains("[WARN] preferences: preferences.json is damaged; downloads are not limited\n"), warned);
    }

    void writtenWholeInOneStep()
    {
        writeFile(file(), "old and damaged");
        Preferences limited;
        limited.downloadLimit = 1'500'000;
        QVERIFY(limited.save());
        QCOMPARE(Preferences::load(), limited);
        const Preferences chosen{0, true, QStringLiteral("ja"), false, 0};
        QVERIFY(chosen.save());
        QCOMPARE(Preferences::load(), chosen);
        // Nothing but the file itself: the temporary was renamed over it.
        QCOMPARE(QDir(Paths::launcherDir()).entryList({"preferences*"}, QDir::Files), QStringList{"preferences.json"});
    }

    void readingSharing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("share");
        QTest::addColumn<qint64>("upload");
        QTest::addColumn<bool>("warned");
        QTest::newRow("no keys: off") << QByteArray(R"({"download_limit": 5})") << false << qint64(0) << false;
        QTest::newRow("on") << QByteArray(R"({"share_on_network": true})") << true << qint64(0) << false;
        QTest::newRow("on with a limit") << QByteArray(R"({"share_on_network": true, "upload_limit": 2000000})") << true
                                         << qint64(2'000'000) << false;
        QTest::newRow("null") << QByteArray(R"({"share_on_network": null, "upload_limit": null})") << false << qint64(0) << false;
        QTest::newRow("as text") << QByteArray(R"({"share_on_network": "yes"})") << false << qint64(0) << true;
        QTest::newRow("negative limit") << QByteArray(R"({"share_on_network": true, "upload_limit": -1})") << false << qint64(0)
                                        << true;
        QTest::newRow("limit as text") << QByteArray(R"({"upload_limit": "2M"})") << false << qint64(0) << true;
    }
    void readingSharing()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, share);
        QFETCH(qint64, upload);
        QFETCH(bool, warned);
        writeFile(file(), content);
        QCOMPARE(Preferences::load().shareOnNetwork, share);
        QCOMPARE(Preferences::load().uploadLimit, upload);
        QCOMPARE(logText().contains("[WARN] preferences: preferences.json is damaged"), warned);
        QVERIFY(Preferences::load().save());
        QCOMPARE(Preferences::load(), Preferences::load());
    }

    // The switch: on starts the service (inert here, with one line, when no Avahi answers on the
    // system bus), off ends it; both are saved with the other preferences as they are.
    void theModelSharesAndSaves()
    {
        writeFile(file(), R"({"download_limit": 7000000, "upload_limit": 3000000})");
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QFile::encodeName(profile.root()) + "/no-bus");
        auto model = makeModel<OpenModel>(LauncherConfig{});
        QVERIFY(!model->lanShare());
        QCOMPARE(model->property("uploadLimit").toString(), QStringLiteral("3"));
        QVERIFY(model->setProperty("shareOnNetwork", true));
        QVERIFY(model->lanShare());
        QTRY_VERIFY(Preferences::load().shareOnNetwork);
        QCOMPARE(Preferences::load().downloadLimit, 7'000'000);
        QTRY_COMPARE(logText().count("[INFO] share: Avahi is not running"), 1);
        QVERIFY(model->setUploadLimit(QStringLiteral("0,5")));
        QTRY_COMPARE(Preferences::load().uploadLimit, 500'000);
        QVERIFY(!model->setUploadLimit(QStringLiteral("fast")));
        QCOMPARE(model->uploadLimit(), 500'000);
        QVERIFY(model->setProperty("shareOnNetwork", false));
        QVERIFY(!model->lanShare());
        QTRY_VERIFY(!Preferences::load().shareOnNetwork);
        QCOMPARE(Preferences::load().uploadLimit, 500'000);
        RateLimiter::global().setLimit(0);
    }

    // The settings field: megabytes per second, decimal; "" or "0" is no limit; other text is refused.
    void theModelAppliesAndSavesTheLimit_data()
    {
        QTest::addColumn<qint64>("saved");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QString>("shown");  // the field's text afterwards
        const qint64 seven = 7'000'000;
        QTest::newRow("20") << seven << "20" << true << qint64(20'000'000) << "20";
        QTest::newRow("2.5") << seven << "2.5" << true << qint64(2'500'000) << "2.5";
        QTest::newRow("comma") << seven << "0,5" << true << qint64(500'000) << "0.5";
        QTest::newRow("empty") << seven << "" << true << qint64(0) << "";
        QTest::newRow("zero") << seven << "0" << true << qint64(0) << "";
        QTest::newRow("letters") << seven << "fast" << false << seven << "7";
        QTest::newRow("negative") << seven << "-3" << false << seven << "7";
        QTest::newRow("three decimals") << seven << "0.125" << true << qint64(125'000) << "0.125";
        QTest::newRow("largest") << seven << "999999.999" << true << qint64(999'999'999'000) << "999999.999";
        QTest::newRow("a million") << seven << "1000000" << false << seven << "7";
        QTest::newRow("four decimals") << seven << "1.2345" << false << seven << "7";
        QTest::newRow("exponent") << seven << "1e3" << false << seven << "7";
        // A saved limit finer than the field is shown rounded, and that text keeps it as it is.
        QTest::newRow("finer than shown") << qint64(1'234'567) << "1.235" << true << qint64(1'234'567) << "1.235";
        QTest::newRow("below a kilobyte") << qint64(300) << "0.001" << true << qint64(300) << "0.001";
    }
    void theModelAppliesAndSavesTheLimit()
    {
        QFETCH(qint64, saved);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(qint64, limit);
        QFETCH(QString, shown);
        writeFile(file(), R"({"automatic_updates": false, "download_limit": )" + QByteArray::number(saved) + "}");
        auto model = makeModel<OpenModel>(LauncherConfig{});
        QCOMPARE(RateLimiter::global().limit(), saved);
        QCOMPARE(model->setDownloadLimit(typed), accepted);
        QCOMPARE(RateLimiter::global().limit(), limit);
        QCOMPARE(model->downloadLimit(), limit);
        QTRY_COMPARE(Preferences::load().downloadLimit, limit);
        QCOMPARE(model->property("downloadLimit").toString(), shown);
        // Each preference is saved with the others as they are.
        QVERIFY(model->setProperty("automaticUpdates", true));
        QTRY_VERIFY(Preferences::load().automaticUpdates);
        QCOMPARE(Preferences::load().downloadLimit, limit);
        // Leaving the field with what it shows changes nothing.
        QVERIFY(model->setDownloadLimit(shown));
        QCOMPARE(model->downloadLimit(), limit);
        RateLimiter::global().setLimit(0);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
