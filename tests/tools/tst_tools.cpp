#include "core/app_model.h"
#include "delta/chunk_index.h"
#include "manifest/manifest_builder.h"
#include "manifest/manifest_trust.h"
#include "standin/standin.h"
#include "support/await_task.h"
#include "support/launcher_error.h"
#include "support/log.h"
#include "support/open_model.h"
#include "support/patch_site.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

static TestProfile profile;

// The stand-in, the manifest builder and the headless patcher, which the other tests and the demo rely on.
class TestTools : public QObject {
    Q_OBJECT
    QNetworkAccessManager nam;

    struct Answer {
        int status = 0;
        QByteArray body;
        QByteArray retryAfter;
    };
    Answer post(const QString &url, const QByteArray &body, const QByteArray &bearer = {})
    {
        QNetworkRequest request{QUrl(url)};
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        if (!bearer.isEmpty())
            request.setRawHeader("Authorization", "Bearer " + bearer);
        QNetworkReply *reply = nam.post(request, body);
        QSignalSpy done(reply, &QNetworkReply::finished);
        done.wait(10000);
        Answer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
                      reply->rawHeader("Retry-After")};
        reply->deleteLater();
        return answer;
    }

private slots:
    void builderIsStableSortedAndRoundTrips()
    {
        QTemporaryDir build;
        writeFile(build.path() + "/b/z.bin", "zz");
        writeFile(build.path() + "/b/a b.bin", "spaced");
        writeFile(build.path() + "/A.txt", "upper first");
        writeFile(build.path() + "/empty", "");
        writeFile(build.path() + "/.vantorel-update.lock", "");  // a killed run's lock, not content
        const Manifest first = ManifestBuilder::build(build.path(), QStringLiteral("http://h/files/"));
        const Manifest second = ManifestBuilder::build(build.path(), QStringLiteral("http://h/files/"));
        QCOMPARE(first.encoded(true), second.encoded(true));
        QStringList order;
        for (const auto &e : first.files)
            order.append(e.path);
        QCOMPARE(order, (QStringList{"A.txt", "b/a b.bin", "b/z.bin", "empty"}));
        QCOMPARE(first.files.at(1).url, QStringLiteral("http://h/files/b/a%20b.bin"));
        QCOMPARE(first.files.at(3).sha256, QStringLiteral("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"));
        QCOMPARE(first.files.at(1).size, 6);
        QCOMPARE(Manifest::decode(first.encoded(true)), first);
    }

    void builderRefusesBadInput_data()
    {
        QTest::addColumn<QString>("badName");  // empty: the folder itself is missing
        QTest::newRow("missing folder") << "";
        QTest::newRow("backslash in a name") << "a\\b.bin";
        QTest::newRow("colon in a name") << "c:d.bin";
    }
    void builderRefusesBadInput()
    {
        QFETCH(QString, badName);
        QTemporaryDir build;
        QString folder = build.path() + "/missing";
        if (!badName.isEmpty()) {
            folder = build.path();
            writeFile(folder + "/good.bin", "ok");
            writeFile(folder + '/' + badName, "bad");
        }
        const QString out = profile.root() + "/out.json";
        QFile::remove(out);
        QProcess tool;
        tool.start(QStringLiteral(VANTOREL_MANIFEST_BIN), {folder, QStringLiteral("http://h"), out});
        QVERIFY(tool.waitForFinished(30000));
        QVERIFY(tool.exitCode() != 0);
        QVERIFY(!tool.readAllStandardError().isEmpty());
        QVERIFY(!QFile::exists(out));
    }

    // The headless patcher's speed limit: bytes per second with K, M or G; anything the limiter
    // cannot hold is a usage error before any request.
    void patchToolLimitRate_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("20M") << "20M" << 0;
        QTest::newRow("1.5g") << "1.5g" << 0;
        QTest::newRow("2 bytes") << "2" << 0;
        QTest::newRow("half a K") << "0.5K" << 0;
        QTest::newRow("1 byte") << "1" << 2;
        QTest::newRow("zero") << "0" << 2;
        QTest::newRow("a fraction of a byte") << "1.9" << 2;
        QTest::newRow("beyond 64 bits") << "9999999999G" << 2;
        QTest::newRow("2^63") << "9223372036854775808" << 2;
        QTest::newRow("negative") << "-5M" << 2;
        QTest::newRow("exponent") << "1e6" << 2;
        QTest::newRow("infinite") << "inf" << 2;
        QTest::newRow("other unit") << "20X" << 2;
        QTest::newRow("missing") << "" << 2;
    }
    void patchToolLimitRate()
    {
        QFETCH(QString, rate);
        QFETCH(int, exitCode);
        QTemporaryDir site;
        writeFile(site.path() + "/release/manifest.json", Manifest{}.encoded());
        Standin::Service server(site.path());
        QVERIFY(server.listen());
        QStringList args{"check", server.origin() + "/release/manifest.json", site.path() + "/install", "--limit-rate"};
        if (!rate.isEmpty())
            args << rate;
        QProcess tool;
        tool.start(QStringLiteral(VANTOREL_PATCH_BIN), args);
        QTRY_VERIFY_WITH_TIMEOUT(tool.state() == QProcess::NotRunning, 30000);
        QVERIFY2(tool.exitCode() == exitCode, tool.readAllStandardError().constData());
        QCOMPARE(server.requests().isEmpty(), exitCode == 2);
    }

    // Files at or above the threshold get a chunk index beside the manifest, named in their
    // entry; the output is the same bytes each time, and "off" publishes none.
    void builderWritesChunkIndexes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("indexed");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("mirrors");  // written for the base http://h/files/
        QTest::newRow("default 8 MiB") << QStringList() << QStringList{"big.pak"} << 0 << QStringList();
        QTest::newRow("1M") << QStringList{"--chunk-threshold", "1M"} << QStringList{"big.pak", "mid.pak"} << 0 << QStringList();
        QTest::newRow("in bytes") << QStringList{"--chunk-threshold", "2000000"} << QStringList{"big.pak"} << 0 << QStringList();
        QTest::newRow("off") << QStringList{"--chunk-threshold", "off"} << QStringList() << 0 << QStringList();
        QTest::newRow("not a size") << QStringList{"--chunk-threshold", "lots"} << QStringList() << 2 << QStringList();
        QTest::newRow("zero") << QStringList{"--chunk-threshold", "0"} << QStringList() << 2 << QStringList();
        QTest::newRow("two mirrors") << QStringList{"--mirror", "https://b.example/v", "--mirror", "http://c.example:8080/"}
                                     << QStringList{"big.pak"} << 0 << QStringList{"https://b.example/v/", "http://c.example:8080/"};
        QTest::newRow("mirror of the base itself") << QStringList{"--mirror", "http://h/files"} << QStringList{"big.pak"} << 0
                                                   << QStringList();
        QTest::newRow("mirror not a URL") << QStringList{"--mirror", "b.example/v"} << QStringList() << 2 << QStringList();
        QTest::newRow("mirror without a prefix") << QStringList{"--mirror"} << QStringList() << 2 << QStringList();
    }
    void builderWritesChunkIndexes()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, indexed);
        QFETCH(int, exitCode);
        QFETCH(QStringList, mirrors);
        QTemporaryDir work;
        QByteArray big(9 << 20, Qt::Uninitialized);
        for (qsizetype i = 0; i < big.size(); ++i)
            big[i] = char((i * 2654435761u) >> 13);
        writeFile(work.path() + "/build/big.pak", big);
        writeFile(work.path() + "/build/mid.pak", big.left(1500000));
        writeFile(work.path() + "/build/small.txt", "small");
        const QString out = work.path() + "/site/manifest.json";
        QByteArray outputs[2];
        for (QByteArray &output : outputs) {
            QProcess tool;
            tool.start(QStringLiteral(VANTOREL_MANIFEST_BIN), QStringList{work.path() + "/build", "http://h/files", out} + options);
            QVERIFY(tool.waitForFinished(60000));
            QCOMPARE(tool.exitCode(), exitCode);
            if (exitCode != 0) {
                QVERIFY(!QFile::exists(out));
                return;
            }
            output = readBytes(out);
            for (const QString &name : QDir(work.path() + "/site/chunks").entryList(QDir::Files))
                output += readBytes(work.path() + "/site/chunks/" + name);
        }
        QCOMPARE(outputs[0], outputs[1]);
        const Manifest manifest = Manifest::decode(readBytes(out));
        QStringList withIndex;
        for (const ManifestEntry &entry : manifest.files) {
            if (entry.chunks.isEmpty())
                continue;
            withIndex.append(entry.path);
            QCOMPARE(entry.chunks.url, "chunks/" + entry.sha256 + ".chunks");
            const QByteArray index = readBytes(work.path() + "/site/" + entry.chunks.url);
            QCOMPARE(index.size(), entry.chunks.size);
            QCOMPARE(QString::fromLatin1(QCryptographicHash::hash(index, QCryptographicHash::Sha256).toHex()), entry.chunks.sha256);
            QVERIFY(ChunkIndex::decode(index, entry.size).chunks.size() > 1);
        }
        QCOMPARE(withIndex, indexed);
        const Mirrors expected = mirrors.isEmpty() ? Mirrors() : Mirrors{{"http://h/files/", mirrors}};
        QCOMPARE(manifest.mirrors, expected);
    }

    // The publisher's side of signing: vantorel-manifest signs with a key from openssl's own
    // genpkey, and the launcher's check accepts it with the public half and nothing else.
    void signedManifestFromTheBuilderVerifies()
    {
        QTemporaryDir work;
        writeFile(work.path() + "/build/data/x.pak", "content");
        QVERIFY(QProcess::execute("openssl", {"genpkey", "-algorithm", "ed25519", "-out", work.path() + "/key.pem"}) == 0);
        QProcess pub;
        pub.start("openssl", {"pkey", "-in", work.path() + "/key.pem", "-pubout", "-outform", "DER"});
        QVERIFY(pub.waitForFinished());
        const QByteArray publicKey = pub.readAllStandardOutput().right(32);  // the DER form ends with the raw key
        const QString out = work.path() + "/site/release/manifest.json";
        QProcess tool;
        tool.start(QStringLiteral(VANTOREL_MANIFEST_BIN), {work.path() + "/build", "http://h/files", out, "--version", "12",
                                                            "--expires", "30d", "--channel", "release", "--sign-key", work.path() + "/key.pem"});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        const QByteArray manifest = readBytes(out);
        const QJsonObject object = QJsonDocument::fromJson(manifest).object();
        QCOMPARE(object.value("version").toInteger(), 12);
        QCOMPARE(object.value("channel").toString(), "release");
        const QDateTime expires = QDateTime::fromString(object.value("expires").toString(), Qt::ISODate);
        QVERIFY(qAbs(expires.secsTo(QDateTime::currentDateTimeUtc().addDays(30))) < 120);
        QCOMPARE(Manifest::decode(manifest).files.size(), 1);
        Patcher::trust().publicKey = publicKey;
        const auto facts = Patcher::checkSigned(manifest, readBytes(out + ".sig"), "http://h/release/manifest.json");
        QCOMPARE(facts.version, 12);
        QVERIFY_THROWS_EXCEPTION(Patcher::ManifestRefused,
                                 Patcher::checkSigned(manifest + " ", readBytes(out + ".sig"), "http://h/release/manifest.json"));
        Patcher::trust().publicKey.clear();
        // Part of the signing options is a usage error (a signed list names its channel), and
        // nothing is written.
        const QStringList partial[] = {{"--version", "3"},
                                       {"--version", "3", "--expires", "30d", "--sign-key", work.path() + "/key.pem"}};
        for (const QStringList &options : partial) {
            QProcess half;
            half.start(QStringLiteral(VANTOREL_MANIFEST_BIN), QStringList{work.path() + "/build", "http://h/files", work.path() + "/other.json"} + options);
            QVERIFY(half.waitForFinished(30000));
            QCOMPARE(half.exitCode(), 2);
            QVERIFY(!QFile::exists(work.path() + "/other.json"));
        }
    }

    // The demo site is signed: the stand-in signs what it serves with the site's key, and never
    // serves the private key itself.
    void demoSiteIsServedSigned()
    {
        QTemporaryDir site;
        Standin::makeDemoSite(site.path(), true);
        Standin::Service server(site.path());
        QVERIFY(server.listen());
        const auto get = [&](const QString &path) {
            QNetworkReply *reply = nam.get(QNetworkRequest(QUrl(server.origin() + path)));
            QSignalSpy done(reply, &QNetworkReply::finished);
            done.wait(10000);
            reply->deleteLater();
            return Answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(), {}};
        };
        const Answer manifest = get("/release/manifest.json"), signature = get("/release/manifest.json.sig");
        QCOMPARE(manifest.status, 200);
        QCOMPARE(signature.status, 200);
        Patcher::trust().publicKey = QByteArray::fromBase64(readBytes(site.path() + "/signing-key.pub").trimmed());
        QCOMPARE(Patcher::checkSigned(manifest.body, signature.body, server.origin() + "/release/manifest.json").version, 1);
        Patcher::trust().publicKey.clear();
        QCOMPARE(get("/signing-key.pem").status, 404);
    }

    // While vantorel-patch updates the folder, a second run of any kind refuses at once, before the
    // patch list, and writes nothing; the first run ends as if alone and leaves no lock behind.
    void oneRunPerFolder_data()
    {
        QTest::addColumn<QString>("second");
        QTest::newRow("a second update") << "update";
        QTest::newRow("a verification") << "verify";
        QTest::newRow("the launcher") << "launcher";
        QTest::newRow("the launcher's check") << "check";
    }
    void oneRunPerFolder()
    {
        QFETCH(QString, second);
        PatchSite site;
        QTemporaryDir work;
        const QString root = work.path() + "/game";
        const QList<ManifestEntry> entries{site.add("slow.pak", bytesOf(300'000, 's')), site.add("other.pak", bytesOf(1000, 'o'))};
        writeFile(site.folder() + "/release/manifest.json", Manifest{entries}.encoded());
        Standin::Fault slow;
        slow.delayMs = 3000;
        site.server().http().setFault("/files/slow.pak", slow);
        writeFile(root + "/other.pak", bytesOf(1000, 'o'));
        const QString url = site.server().origin() + "/release/manifest.json";
        QProcess first;
        first.start(QStringLiteral(VANTOREL_PATCH_BIN), {"update", url, root});
        // Its download has begun: the server holds the answer back for a while.
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(Paths::downloadTemp()).entryList(QDir::Files).isEmpty(), 30000);
        const QStringList before = QDir(root).entryList(QDir::Files | QDir::Hidden);
        const QStringList area = QDir(Paths::downloadTemp()).entryList(QDir::Files);
        const qsizetype requests = site.server().requests().size();
        const QString message = LauncherError::folderBusy();
        if (second == "launcher" || second == "check") {
            auto m = makeModel<AppModel>(launcherConfigFor(site.server(), root), originsOf(site.server()));
            awaitTask(second == "check" ? m->checkInstall() : m->patch());
            QCOMPARE(m->install(), InstallState::failed(message));
            Log::flush();
            QVERIFY(readText(Log::file()).contains((second == "check" ? "[WARN] check: " : "[WARN] patch failed: ") + message + "\n"));
        } else {
            QProcess other;
            other.setProcessChannelMode(QProcess::MergedChannels);
            other.start(QStringLiteral(VANTOREL_PATCH_BIN), {second, url, root});
            QTRY_VERIFY_WITH_TIMEOUT(other.state() == QProcess::NotRunning, 30000);
            QCOMPARE(other.exitCode(), 1);
            QCOMPARE(QString::fromUtf8(other.readAll()), "vantorel-patch: " + message + "\n");
        }
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(QDir(root).entryList(QDir::Files | QDir::Hidden), before);
        QCOMPARE(QDir(Paths::downloadTemp()).entryList(QDir::Files), area);
        QCOMPARE(site.server().requests().size(), requests + (second == "check" ? 1 : 0));  // a check has the list first
        QTRY_VERIFY_WITH_TIMEOUT(first.state() == QProcess::NotRunning, 30000);
        QCOMPARE(first.exitCode(), 0);
        for (const ManifestEntry &entry : entries)
            QCOMPARE(PatchSite::sha256(readBytes(root + '/' + entry.path)), entry.sha256);
        QCOMPARE(QDir(root).entryList(QDir::Files | QDir::Hidden), (QStringList{"other.pak", "slow.pak"}));
    }

    void faultsHappenAndRequestsAreRecorded()
    {
        QTemporaryDir site;
        writeFile(site.path() + "/files/x.bin", "0123456789");
        Standin::Service server(site.path());
        QVERIFY(server.listen());
        Standin::Fault fault;
        fault.status = 503;
        fault.times = 2;
        server.http().setFault("/files/x.bin", fault);
        QList<int> statuses;
        for (int i = 0; i < 3; ++i) {
            QNetworkReply *reply = nam.get(QNetworkRequest(QUrl(server.origin() + "/files/x.bin")));
            QSignalSpy done(reply, &QNetworkReply::finished);
            QVERIFY(done.wait(10000));
            statuses.append(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
            if (i == 2)
                QCOMPARE(reply->readAll(), QByteArray("0123456789"));
            reply->deleteLater();
        }
        QCOMPARE(statuses, (QList<int>{503, 503, 200}));
        QCOMPARE(server.requestsTo("/files/x.bin").size(), 3);
        QCOMPARE(server.requests().first().method, QByteArray("GET"));
    }

    void authAccountsTokensAndRateLimit()
    {
        Standin::Service server;
        QVERIFY(server.listen());
        const QString o = server.origin();
        Answer ok = post(o + "/login", R"({"email":"player@example.com","password":"vantorel","deviceId":"d"})");
        QCOMPARE(ok.status, 200);
        const QByteArray token = QJsonDocument::fromJson(ok.body).object().value("token").toString().toUtf8();
        QVERIFY(!token.isEmpty());
        QCOMPARE(post(o + "/session/validate", "{}", token).status, 200);
        QCOMPARE(post(o + "/session/validate", "{}", "forged").status, 401);
        QCOMPARE(post(o + "/logout", "", token).status, 204);
        QCOMPARE(post(o + "/session/validate", "{}", token).status, 401);

        QVERIFY(post(o + "/login", R"({"email":"mail@example.com","password":"vantorel"})").body.contains("\"email\""));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(post(o + "/login", R"({"email":"mail@example.com","password":"x"})").status, 401);
        const Answer limited = post(o + "/login", R"({"email":"mail@example.com","password":"x"})");
        QCOMPARE(limited.status, 429);
        QCOMPARE(limited.retryAfter, QByteArray("30"));
        // Even the right password waits now.
        QCOMPARE(post(o + "/login", R"({"email":"mail@example.com","password":"vantorel"})").status, 429);
    }
};

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
