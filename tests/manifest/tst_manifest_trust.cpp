#include "core/app_model.h"
#include "manifest/manifest_builder.h"
#include "manifest/manifest_trust.h"
#include "patch/patcher.h"
#include "support/await_task.h"
#include "support/log.h"
#include "support/open_model.h"
#include "support/patch_site.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

static TestProfile profile;

// Signed patch lists through the real fetch over loopback, in the model and in the headless tool.
// The server is scripted per case: exact manifest bytes and exact signature file.
class TestManifestTrust : public QObject {
    Q_OBJECT
    PatchSite site;
    QTemporaryDir install;
    QByteArray privateKey, publicKey, otherPrivate;
    ManifestEntry file;

    static QString record() { return Paths::launcherDir() + "/manifest-versions.json"; }
    QString address() { return site.server().origin() + "/release/manifest.json"; }
    QString logText() const
    {
        Log::flush();
        return readText(Log::file());
    }
    void serve(const QByteArray &manifest, std::optional<QByteArray> signature)
    {
        site.server().setRoute("/release/manifest.json", [manifest](const Standin::Request &) {
            return Standin::Response::json(200, manifest);
        });
        site.server().setRoute("/release/manifest.json.sig", [signature](const Standin::Request &) {
            return signature ? Standin::Response::text(200, *signature) : Standin::Response::text(404, "not found\n");
        });
    }
    TestModel<AppModel> model()
    {
        LauncherConfig config;
        config.installPath = install.path() + "/game";
        config.manifestBase = site.server().origin();
        config.authUrl = QStringLiteral("http://127.0.0.1:1");
        return makeModel<AppModel>(config, Origins{config.authUrl, site.server().origin(), config.authUrl});
    }
    int gameFiles() const
    {
        int n = 0;
        for (QDirIterator it(install.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
            ++n;
        return n;
    }

private slots:
    void initTestCase()
    {
        Patcher::timing().retryWaitScale = 0.02;
        std::tie(privateKey, publicKey) = ManifestBuilder::makeSigningKey();
        otherPrivate = ManifestBuilder::makeSigningKey().first;
        file = site.add("a.dat", bytesOf(5000, 'a'));
    }
    void init()
    {
        QDir(install.path()).removeRecursively();
        QDir().mkpath(install.path());
        site.server().clearRequests();
        QFile::remove(record());
        Log::flush();
        QFile::remove(Log::file());
    }
    void cleanup() { Patcher::trust().publicKey.clear(); }

    void acceptOrRefuse_data()
    {
        QTest::addColumn<QString>("signature");   // "good", "other key", "tampered", "missing", "malformed", "undated",
                                                  // "cut once" (the list breaks off on its first trip), "stale once"
                                                  // (the first signature is of another list)
        QTest::addColumn<QString>("channel");     // signed into the list
        QTest::addColumn<qint64>("version");
        QTest::addColumn<qint64>("expiresIn");   // seconds from now
        QTest::addColumn<QByteArray>("recordBefore");  // content of the version record, "" none
        QTest::addColumn<QString>("refusal");    // "" accepted
        QTest::addColumn<qint64>("recordAfter");
        const QByteArray five = R"({"ADDR": 5})";
        QTest::newRow("valid") << "good" << "release" << 5LL << 86400LL << QByteArray() << "" << 5LL;
        QTest::newRow("one byte changed after signing") << "tampered" << "release" << 5LL << 86400LL << QByteArray()
                                                        << LauncherError::manifestBadSignature() << 0LL;
        QTest::newRow("signed by another key") << "other key" << "release" << 5LL << 86400LL << QByteArray() << LauncherError::manifestBadSignature() << 0LL;
        QTest::newRow("no signature (404 five times)") << "missing" << "release" << 5LL << 86400LL << QByteArray() << LauncherError::manifestUnsigned() << 0LL;
        QTest::newRow("malformed base64") << "malformed" << "release" << 5LL << 86400LL << QByteArray() << LauncherError::manifestBadSignature() << 0LL;
        QTest::newRow("no version") << "undated" << "release" << 5LL << 86400LL << QByteArray() << LauncherError::manifestUndated() << 0LL;
        QTest::newRow("expired a second ago") << "good" << "release" << 5LL << -1LL << QByteArray() << "expired" << 0LL;
        QTest::newRow("rolled back") << "good" << "release" << 3LL << 86400LL << five << LauncherError::manifestRolledBack(3, 5) << 5LL;
        QTest::newRow("same version again") << "good" << "release" << 5LL << 86400LL << five << "" << 5LL;
        QTest::newRow("newer version") << "good" << "release" << 7LL << 86400LL << five << "" << 7LL;
        QTest::newRow("cut on the way once: asked again") << "cut once" << "release" << 5LL << 86400LL << QByteArray() << "" << 5LL;
        QTest::newRow("signature of another list once: both asked again") << "stale once" << "release" << 5LL << 86400LL << QByteArray() << "" << 5LL;
        QTest::newRow("beta list at the release address") << "good" << "beta" << 900LL << 86400LL << QByteArray()
                                                          << LauncherError::manifestWrongChannel("beta", "release") << 0LL;
        QTest::newRow("no channel in the list") << "good" << "" << 5LL << 86400LL << QByteArray()
                                                << LauncherError::manifestWrongChannel("", "release") << 0LL;
        QTest::newRow("rolled back by one above 2^53") << "good" << "release" << 9007199254740992LL << 86400LL
                                                       << QByteArray(R"({"ADDR": 9007199254740993})")
                                                       << LauncherError::manifestRolledBack(9007199254740992LL, 9007199254740993LL)
                                                       << 9007199254740993LL;
        QTest::newRow("largest version recorded") << "good" << "release" << 5LL << 86400LL << QByteArray(R"({"ADDR": 9223372036854775807})")
                                                  << LauncherError::manifestRolledBack(5, 9223372036854775807LL) << 9223372036854775807LL;
        QTest::newRow("largest version accepted") << "good" << "release" << 9223372036854775807LL << 86400LL << QByteArray()
                                                  << "" << 9223372036854775807LL;
        QTest::newRow("valid, with mirrors") << "good, mirrored" << "release" << 5LL << 86400LL << QByteArray() << "" << 5LL;
        QTest::newRow("a mirror changed after signing") << "mirror changed" << "release" << 5LL << 86400LL << QByteArray()
                                                        << LauncherError::manifestBadSignature() << 0LL;
        QTest::newRow("damaged record: counts as none") << "good" << "release" << 2LL << 86400LL << QByteArray("{\"ADDR\": ") << "" << 2LL;
    }
    void acceptOrRefuse()
    {
        QFETCH(QString, signature);
        QFETCH(QString, channel);
        QFETCH(qint64, version);
        QFETCH(qint64, expiresIn);
        QFETCH(QByteArray, recordBefore);
        QFETCH(QString, refusal);
        QFETCH(qint64, recordAfter);
        const QDateTime expires = QDateTime::currentDateTimeUtc().addSecs(expiresIn);
        if (refusal == "expired")
            refusal = LauncherError::manifestExpired(expires);
        Manifest manifest{{file}};
        if (signature.contains("mirror"))
            manifest.mirrors = {{site.server().origin() + "/files/", {"http://mirror.invalid/files/"}}};
        QByteArray bytes = signature == "undated"
            ? manifest.encoded(true)
            : ManifestBuilder::encode(manifest, ManifestBuilder::Signing{version, expires, privateKey, channel});
        std::optional<QByteArray> sig = Patcher::signManifest(bytes, signature == "other key" ? otherPrivate : privateKey);
        if (signature == "cut once") {
            // The body breaks off after the headers with a success status (a reset HTTP/2 stream
            // shows the same way): not the list.
            Standin::Fault cut;
            cut.hasBody = true;
            cut.body = QByteArray("\x1f\x8b\x08\x00", 4) + "not deflate at all";
            cut.gzip = true;
            site.server().http().queueFaults("/release/manifest.json", {cut});
        }
        if (signature == "stale once") {
            Standin::Fault stale;
            stale.hasBody = true;
            stale.body = Patcher::signManifest(bytes + " ", privateKey);
            site.server().http().queueFaults("/release/manifest.json.sig", {stale});
        }
        if (signature == "tampered")
            bytes[bytes.indexOf("a.dat")] = 'b';
        if (signature == "mirror changed")
            bytes.replace("mirror.invalid", "mirrox.invalid");
        if (signature == "missing")
            sig.reset();
        if (signature == "malformed")
            sig = "not*base64!";
        serve(bytes, sig);
        if (!recordBefore.isEmpty())
            writeFile(record(), QByteArray(recordBefore).replace("ADDR", address().toUtf8()));
        Patcher::trust().publicKey = publicKey;

        // The launcher: the run fails at once with the sentence, or installs the file.
        auto m = model();
        awaitTask(m->patch());
        if (refusal.isEmpty()) {
            QCOMPARE(m->install(), InstallState::ready());
            QCOMPARE(gameFiles(), 1);
        } else {
            QCOMPARE(m->install(), InstallState::failed(refusal));
            QVERIFY(logText().contains("[WARN] patch failed: " + refusal + "\n"));
            QCOMPARE(gameFiles(), 0);
            QCOMPARE(site.server().requestsTo("/files/a.dat").size(), 0);
            // Refused for what it is: asked for once; a missing signature five times, one that
            // does not fit twice.
            const bool mismatch = signature == "tampered" || signature == "other key" || signature == "malformed"
                || signature == "mirror changed";
            QCOMPARE(site.server().requestsTo("/release/manifest.json").size(), signature == "missing" ? 5 : mismatch ? 2 : 1);
        }
        if (signature.endsWith(" once"))  // twice for the run, once for the check after it
            QCOMPARE(site.server().requestsTo("/release/manifest.json").size(), 3);
        QCOMPARE(qint64(QJsonDocument::fromJson(readBytes(record())).object().value(address()).toInteger()), recordAfter);
        if (recordBefore.startsWith("{\"ADDR\": ") && !recordBefore.contains('}'))
            QVERIFY(logText().contains("[WARN] patch: the record of patch list versions is damaged; starting it again\n"));

        // The headless tool: the same verdict, the same record.
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(QStringLiteral(VANTOREL_PATCH_BIN), {"update", address(), install.path() + "/tool", "--manifest-key",
                                                        QString::fromLatin1(publicKey.toBase64())});
        QTRY_VERIFY_WITH_TIMEOUT(tool.state() == QProcess::NotRunning, 30000);
        const QString output = QString::fromUtf8(tool.readAll());
        QCOMPARE(tool.exitCode(), refusal.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty())
            QVERIFY2(output.contains("vantorel-patch: " + refusal), qPrintable(output));
        QCOMPARE(QFile::exists(install.path() + "/tool/a.dat"), refusal.isEmpty());
    }

    // Without a key built in, manifests are taken as they come and no signature is asked for.
    void withoutAKeyNothingChanges()
    {
        serve(Manifest{{file}}.encoded(), std::nullopt);
        auto m = model();
        awaitTask(m->patch());
        QCOMPARE(m->install(), InstallState::ready());
        QCOMPARE(site.server().requestsTo("/release/manifest.json.sig").size(), 0);
        QVERIFY(!QFile::exists(record()));
    }
};

QTEST_GUILESS_MAIN(TestManifestTrust)
#include "tst_manifest_trust.moc"
