#include "support/sha256.h"
#include "net/http.h"
#include "net/proxy.h"
#include "transfer/downloader.h"
#include "transfer/origin_pool.h"
#include "transfer/slow_watch.h"
#include "patch/patcher.h"
#include "support/apply_run.h"
#include "support/await_task.h"
#include "support/log.h"
#include "support/patch_site.h"
#include "support/proxy_server.h"
#include "support/paths.h"
#include "support/test_ca.h"
#include "support/test_profile.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QRegularExpression>
#include <QtTest>

static TestProfile profile;

// Downloads, retries and installs against an in-process stand-in on loopback.
class TestApply : public QObject {
    Q_OBJECT
    PatchSite site;
    QTemporaryDir install;

    ApplyRun apply(const QList<ManifestEntry> &entries) { return runApply(entries, install.path()); }
    QString installed(const QString &path) const { return install.path() + '/' + path; }
    static QStringList warnings() { return warningLines(); }
    static QStringList tempFiles() { return QDir(Paths::downloadTemp()).entryList(QDir::Files); }

private slots:
    void initTestCase() { Patcher::timing().retryWaitScale = 0.1; }
    void init()
    {
        QDir(install.path()).removeRecursively();
        QDir().mkpath(install.path());
        site.server().http().clearFaults();
        site.server().clearRequests();
        Log::flush();
        QFile::remove(Log::file());
    }
    void cleanup() { QCOMPARE(tempFiles(), QStringList()); }

    void emptyListOnlyFinishes()
    {
        const ApplyRun run = apply({});
        QCOMPARE(run.error, QString());
        QCOMPARE(run.phases, QList<PatchPhase>{PatchPhase::finishing()});
    }

    void installsNestedReplacesAndReusesStaging()
    {
        const QByteArray fresh = bytesOf(3 * 1024 * 1024 + 5, 'n');
        const ManifestEntry nested = site.add(QStringLiteral("a/b/c.dat"), fresh);
        const ManifestEntry replaced = site.add(QStringLiteral("old.dat"), "new content");
        writeFile(installed("old.dat"), "old content that is longer");
        writeFile(installed("old.dat.part"), "leftover");
        const ApplyRun run = apply({nested, replaced});
        QCOMPARE(run.error, QString());
        QCOMPARE(readBytes(installed("a/b/c.dat")), fresh);
        QCOMPARE(readText(installed("old.dat")), QStringLiteral("new content"));
        QVERIFY(!QFile::exists(installed("old.dat.part")));
        QVERIFY(!QFile::exists(installed("a/b/c.dat.part")));
        // Zero or more downloading reports, then exactly one finishing.
        QVERIFY(run.phases.size() >= 2);
        QCOMPARE(run.phases.last(), PatchPhase::finishing());
        for (int i = 0; i + 1 < run.phases.size(); ++i)
            QCOMPARE(run.phases.at(i).kind, PatchPhase::Downloading);
        QVERIFY(warnings().isEmpty());
        const auto gets = site.server().requestsTo("/files/a/b/c.dat");
        QCOMPARE(gets.first().header("User-Agent"),
                 QByteArray("Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/124.0.0.0 Safari/537.36"));
    }

    void retriesUntilTheFifthAttempt_data()
    {
        QTest::addColumn<int>("failures");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("ends");  // the run fails after the last of them
        QTest::newRow("wrong body four times") << 4 << "body" << "f.dat failed its checksum after download. Try again." << false;
        QTest::newRow("404 five times") << 5 << "404" << "The download server returned HTTP 404. Try again later." << true;
        QTest::newRow("500 then 200") << 1 << "500" << "The download server returned HTTP 500. Try again later." << false;
        QTest::newRow("connection dropped") << 2 << "drop" << "" << false;
        QTest::newRow("body longer than its size") << 1 << "long" << "f.dat failed its checksum after download. Try again." << false;
        QTest::newRow("body shorter than its size") << 1 << "short" << "f.dat failed its checksum after download. Try again." << false;
        // File bodies are asked for as they are: one the server compressed anyway is not the file.
        QTest::newRow("body compressed though not asked for") << 2 << "broken" << "f.dat failed its checksum after download. Try again." << false;
        // A server that trickles fails the attempt as too slow instead of holding the run for ever.
        QTest::newRow("a trickle, then whole") << 1 << "trickle" << "The server sent less than 1 KB in 1 s." << false;
        QTest::newRow("a captive portal's page, 200, five times") << 5 << "portal" << "f.dat failed its checksum after download. Try again." << true;
        QTest::newRow("an expired certificate, five times") << 5 << "expired" << "SSL certificate problem: certificate has expired" << true;
        QTest::newRow("another host's certificate, five times") << 5 << "other-name"
            << "SSL: no alternative certificate subject name matches target host name '127.0.0.1'" << true;
        // An error page that never ends is read no further than its start: the status is enough.
        QTest::newRow("503 with an endless body") << 1 << "endless" << "The download server returned HTTP 503. Try again later." << false;
        // This computer's failure: fetching the file again would change nothing.
        QTest::newRow("a folder in the file's place") << 1 << "in the way" << "Directory not empty" << true;
    }
    void retriesUntilTheFifthAttempt()
    {
        QFETCH(int, failures);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QFETCH(bool, ends);
        // Past the size of small files, which go to their folder before any download.
        const QByteArray content = bytesOf(kind == QLatin1String("in the way") ? 1'000'000 : 200'000, 'r');
        ManifestEntry entry = site.add(QStringLiteral("f.dat"), content);
        Standin::Service tlsSite(site.folder());
        if (kind == QLatin1String("expired") || kind == QLatin1String("other-name")) {
            QVERIFY2(TestCa::available(), "TLS cases run under scripts/with-test-ca");
            tlsSite.enableTls(TestCa::serverConfiguration(kind == QLatin1String("expired") ? TestCa::Kind::Expired
                                                                                           : TestCa::Kind::OtherName));
            QVERIFY(tlsSite.listen());
            entry.url.replace(site.server().origin(), tlsSite.origin());
        }
        Standin::Fault fault;
        fault.times = failures;
        if (kind == QLatin1String("body") || kind == QLatin1String("long") || kind == QLatin1String("short")) {
            fault.hasBody = true;
            fault.body = kind == QLatin1String("body") ? bytesOf(200'000, 'w')
                : kind == QLatin1String("long") ? content + bytesOf(10'000'000, 'x') : content.left(1000);
        } else if (kind == QLatin1String("portal")) {
            fault.hasBody = true;
            fault.body = QByteArray("<!DOCTYPE html><html><head><title>Wi-Fi sign-in</title></head><body><form>Accept the terms</form></body></html>");
        } else if (kind == QLatin1String("broken")) {
            fault.hasBody = true;
            fault.body = QByteArray("\x1f\x8b\x08\x00", 4) + "not deflate at all";
            fault.gzip = true;
        } else if (kind == QLatin1String("drop")) {
            fault.dropAfter = 50'000;
        } else if (kind == QLatin1String("endless")) {
            fault.status = 503;
            fault.hasBody = true;
            fault.body = bytesOf(2'000'000, 'e');
            fault.stallAfter = 1'000'000;
        } else if (kind == QLatin1String("in the way")) {
            writeFile(installed("f.dat/saves/slot1"), "the player's");
        } else if (kind == QLatin1String("trickle")) {
            fault.trickleMs = 100;
        } else if (kind.at(0).isDigit()) {
            fault.status = kind.toInt();
        }
        site.server().http().setFault("/files/f.dat", fault);
        QElapsedTimer clock;
        clock.start();
        const int window = std::exchange(Patcher::timing().slowWindowMs, kind == QLatin1String("trickle") ? 1000 : 60'000);
        const ApplyRun run = apply({entry});
        Patcher::timing().slowWindowMs = window;
        const QStringList warned = warnings();
        if (kind == QLatin1String("drop")) {
            // The network layer itself resends a GET whose connection died before any byte arrived.
            QVERIFY(warned.size() >= 1 && warned.size() <= failures);
        } else {
            QCOMPARE(warned.size(), failures);
        }
        for (int i = 0; i < warned.size(); ++i) {
            QVERIFY2(warned.at(i).startsWith(QStringLiteral("patch: f.dat failed (attempt %1/5): ").arg(i + 1)), qPrintable(warned.at(i)));
            if (!reason.isEmpty())
                QVERIFY2(warned.at(i).contains(kind == QLatin1String("in the way") ? reason : ": " + reason), qPrintable(warned.at(i)));
        }
        if (ends && failures < 5) {
            QVERIFY2(run.error.endsWith(reason), qPrintable(run.error));
            QCOMPARE(site.server().requestsTo("/files/f.dat").size(), failures);
            QCOMPARE(readText(installed("f.dat/saves/slot1")), QStringLiteral("the player's"));
            // The checked body waits in the download area for the next run, with its record.
            const QStringList kept = QDir(Paths::downloadTemp()).entryList(QDir::Files);
            QVERIFY2(kept.size() == 2 && kept.at(1) == kept.at(0) + ".resume", qPrintable(kept.join(' ')));
            QVERIFY(!QFile::exists(installed("f.dat.part")));
            for (const QString &name : kept)
                QFile::remove(Paths::downloadTemp() + '/' + name);
        } else if (failures == 5) {
            QCOMPARE(run.error, reason);
            QVERIFY(!QFile::exists(installed("f.dat")));
            QVERIFY(!run.phases.contains(PatchPhase::finishing()));
            QVERIFY(clock.elapsed() >= 450);  // 0.5 + 1 + 1.5 + 2 s, scaled by 0.1
        } else {
            QCOMPARE(run.error, QString());
            QCOMPARE(readBytes(installed("f.dat")), content);
        }
    }

    // The WARN line quotes the path as it is: "%1" in a name is not a place holder.
    void warningQuotesThePathAsItIs()
    {
        const QByteArray content = bytesOf(1000, 'p');
        const ManifestEntry entry = site.add(QStringLiteral("50%1 off %2.dat"), content);
        Standin::Fault once;
        once.status = 503;
        once.times = 1;
        site.server().http().setFault("/files/50%1 off %2.dat", once);
        const ApplyRun run = apply({entry});
        QCOMPARE(run.error, QString());
        QCOMPARE(warnings(), QStringList{"patch: 50%1 off %2.dat failed (attempt 1/5): The download server returned HTTP 503. Try again later."});
        QCOMPARE(readBytes(installed("50%1 off %2.dat")), content);
    }

    // An answer that is not HTTP (another scheme) is a download server status of 0, and nothing
    // is read for it: not a local file, not the data of the URL itself.
    void answerThatIsNotHttpIsStatusZero_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("file") << "file://" + QFileInfo(Log::file()).absolutePath() + "/../config.json";
        QTest::newRow("data") << "data:application/octet-stream;base64,AAECAwQFBgcICQ==";
        QTest::newRow("ftp") << "ftp://127.0.0.1:1/f.dat";
    }
    void answerThatIsNotHttpIsStatusZero()
    {
        QFETCH(QString, url);
        const ApplyRun run = apply({ManifestEntry{QStringLiteral("f.dat"), PatchSite::sha256(QByteArray::fromBase64("AAECAwQFBgcICQ==")), 10, url, {}}});
        const QString message = QStringLiteral("The download server returned HTTP 0. Try again later.");
        QCOMPARE(run.error, message);
        const QStringList warned = warnings();
        QCOMPARE(warned.size(), 5);
        QCOMPARE(warned.last(), "patch: f.dat failed (attempt 5/5): " + message);
        QVERIFY(!QFile::exists(installed("f.dat")));
    }

    void unsafePathOrBadUrlFailsAtOnceWithoutWarning_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("error");
        QTest::newRow("unsafe") << "../evil" << "http://127.0.0.1:1/x"
                                << "The patch list has an unsafe file path (../evil). Nothing was written. Report this to the Vantorel team.";
        QTest::newRow("empty url") << "ok.dat" << "" << "The patch list has a bad download URL for ok.dat. Report this to the Vantorel team.";
        QTest::newRow("space in url") << "ok.dat" << "http://a b/c" << "The patch list has a bad download URL for ok.dat. Report this to the Vantorel team.";
    }
    void unsafePathOrBadUrlFailsAtOnceWithoutWarning()
    {
        QFETCH(QString, path);
        QFETCH(QString, url);
        QFETCH(QString, error);
        const ApplyRun run = apply({ManifestEntry{path, QString(64, '0'), 10, url, {}}});
        QCOMPARE(run.error, error);
        QVERIFY(warnings().isEmpty());
        QCOMPARE(site.server().requests().size(), 0);
        QCOMPARE(QDir(install.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void oneFailureCancelsTheOthers()
    {
        const ManifestEntry slow = site.add(QStringLiteral("slow.dat"), bytesOf(1'000'000, 's'));
        // Nothing of the body comes, so nothing is kept for resuming whenever the cancel lands.
        Standin::Fault stall;
        stall.stallAfter = 0;
        site.server().http().setFault("/files/slow.dat", stall);
        const ApplyRun run = apply({slow, ManifestEntry{QStringLiteral("bad"), QString(64, '0'), 1, QString(), {}}});
        QVERIFY(run.error.contains(QStringLiteral("bad download URL")));
        QVERIFY(!QFile::exists(installed("slow.dat")));
    }

    void stallPastTheIdleTimeoutIsRetried()
    {
        Patcher::timing().downloadIdleMs = 400;
        const QByteArray content = bytesOf(300'000, 't');
        const ManifestEntry entry = site.add(QStringLiteral("t.dat"), content);
        Standin::Fault stall;
        stall.stallAfter = 10'000;
        stall.times = 1;
        site.server().http().setFault("/files/t.dat", stall);
        const ApplyRun run = apply({entry});
        Patcher::timing().downloadIdleMs = 60'000;
        QCOMPARE(run.error, QString());
        QCOMPARE(warnings().size(), 1);
        QCOMPARE(readBytes(installed("t.dat")), content);
    }

    // Six files from three origins on loopback, the second and third of which misbehave: the
    // run ends with every file whole, and what came twice is at most one file per failure.
    void threeOrigins_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("third");
        QTest::addColumn<double>("refetchedPerFailure");  // in files
        QTest::addColumn<QString>("error");
        QTest::newRow("all healthy, work spread") << "" << "" << 0.0 << "";
        // A transfer the kill cuts may end as a short body (a checksum failure) rather than as a
        // cut one: that file comes again whole.
        QTest::newRow("one killed mid-download") << "killed" << "" << 1.0 << "";
        QTest::newRow("one answers 503 to everything") << "" << "503" << 0.0 << "";
        QTest::newRow("one far slower") << "" << "slow" << 0.0 << "";
        QTest::newRow("one serves a wrong body") << "" << "wrong" << 1.0 << "";
        QTest::newRow("killed, 503 and a wrong body") << "killed" << "wrong" << 1.0 << "";
        QTest::newRow("all dead") << "503" << "503" << 0.0 << "The download server returned HTTP 503. Try again later.";
    }
    void threeOrigins()
    {
        QFETCH(QString, second);
        QFETCH(QString, third);
        QFETCH(double, refetchedPerFailure);
        QFETCH(QString, error);
        Patcher::timing().originAsideMs = 200;
        Patcher::timing().slowJudgeMs = 300;
        constexpr qint64 size = 1'500'000;
        QList<ManifestEntry> entries;
        QList<QByteArray> contents;
        for (int i = 0; i < 6; ++i) {
            contents.append(bytesOf(size, char('k' + i)));
            entries.append(site.add(QStringLiteral("m%1.dat").arg(i), contents.last()));
        }
        std::unique_ptr<Standin::Service> others[2];
        QStringList prefixes;
        for (auto &other : others) {
            other = std::make_unique<Standin::Service>(site.folder());
            QVERIFY(other->listen());
            prefixes.append(other->origin() + "/files/");
        }
        const auto misbehave = [&](Standin::Service &origin, const QString &how) {
            Standin::Fault fault;
            if (how == "killed")
                fault.stallAfter = 400'000;
            if (how == "503")
                fault.status = 503;
            if (how == "slow")
                fault.trickleMs = 1;
            fault.hasBody = how == "wrong";
            fault.body = bytesOf(size, 'w');
            for (int i = 0; i < 6; ++i)
                origin.http().setFault(QStringLiteral("/files/m%1.dat").arg(i).toUtf8(), fault);
        };
        misbehave(*others[0], second);
        misbehave(*others[1], third);
        if (error.contains("503"))
            misbehave(site.server(), "503");
        if (second == "killed")
            QTimer::singleShot(300, this, [&others] { others[0].reset(); });
        auto stats = std::make_shared<Patcher::ApplyStats>();
        const ApplyRun run = runApply(entries, install.path(), stats, {{site.server().origin() + "/files/", prefixes}});
        Patcher::timing().originAsideMs = 30'000;
        Patcher::timing().slowJudgeMs = 2'000;
        QCOMPARE(run.error, error);
        const QStringList warned = warnings();
        static const QRegularExpression form(QStringLiteral(R"(^patch: m\d\.dat failed \(attempt [1-5]/5\): .+ \(127\.0\.0\.1:\d+\)$)"));
        for (const QString &line : warned)
            QVERIFY2(form.match(line).hasMatch(), qPrintable(line));
        if (!error.isEmpty()) {
            QVERIFY(!warned.filter("(attempt 5/5): " + error).isEmpty());
            return;
        }
        for (int i = 0; i < 6; ++i)
            QCOMPARE(readBytes(installed(QStringLiteral("m%1.dat").arg(i))), contents.at(i));
        QCOMPARE(warned.isEmpty(), second.isEmpty() && third.isEmpty());
        const qint64 refetched = stats->fetched - 6 * size;
        QVERIFY2(refetched >= 0 && refetched <= qint64(refetchedPerFailure * size * warned.size()),
                 qPrintable(QString::number(refetched) + " bytes again after " + warned.join("; ")));
        // Each origin that behaved served some of the run.
        QCOMPARE(stats->perOrigin.size(), 3);
        qint64 served = 0;
        for (const auto &[origin, bytes] : stats->perOrigin)
            served += bytes;
        QCOMPARE(served, stats->fetched.load());
        QVERIFY(stats->perOrigin.at(0).second > 0);
        if (second.isEmpty() && third.isEmpty())
            QVERIFY(stats->perOrigin.at(1).second > 0 && stats->perOrigin.at(2).second > 0);
    }

    // A peer on the local network, asked before the origin for every file: twelve files, six at
    // a time, so that the later ones show how the peer was judged by the earlier ones.
    void peerBeforeTheOrigin_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("fromPeerMin");  // files
        QTest::addColumn<int>("fromPeerMax");
        QTest::addColumn<QString>("warning");  // every WARN line names the peer and says this; "": none
        QTest::newRow("healthy: every file from the peer") << "" << 12 << 12 << "";
        QTest::newRow("lacks every file: all from the origin, no warning") << "404" << 0 << 0 << "";
        QTest::newRow("lacks one file: the others still from the peer") << "404 one" << 11 << 11 << "";
        // Refused for the run: once the first six have failed there, no later file goes to it.
        QTest::newRow("wrong bodies: set aside for the run") << "wrong" << 0 << 6 << "failed its checksum";
        QTest::newRow("goes silent: left within moments") << "stall" << 0 << 0 << SlowWatch::why();
    }
    void peerBeforeTheOrigin()
    {
        QFETCH(QString, how);
        QFETCH(int, fromPeerMin);
        QFETCH(int, fromPeerMax);
        QFETCH(QString, warning);
        constexpr qint64 size = 400'000;
        QHash<QString, QString> pathOf;  // by SHA-256
        QList<ManifestEntry> entries;
        for (int i = 0; i < 12; ++i) {
            entries.append(site.add(QStringLiteral("p%1.dat").arg(i, 2, 10, QLatin1Char('0')), bytesOf(size, char('a' + i))));
            pathOf.insert(entries.last().sha256, entries.last().path);
        }
        Standin::Service peer(site.folder());
        QVERIFY(peer.listen());
        Standin::Fault fault;
        fault.status = how.startsWith("404") ? 404 : 0;
        fault.hasBody = how == "wrong";
        fault.body = bytesOf(size, 'w');
        fault.stallAfter = how == "stall" ? 1000 : -1;
        for (int i = how == "404 one" ? 11 : 0; i < 12 && !how.isEmpty(); ++i)
            peer.http().setFault(QStringLiteral("/files/p%1.dat").arg(i, 2, 10, QLatin1Char('0')).toUtf8(), fault);
        Patcher::PeerHooks hooks;
        hooks.peersOf = [pathOf, at = peer.origin()](const QString &sha256) {
            return QStringList{at + "/files/" + pathOf.value(sha256)};
        };
        // A peer set aside comes back at once unless it was refused for the run.
        Patcher::timing().peerAsideMs = 1;
        Patcher::timing().peerStallMs = 500;
        auto stats = std::make_shared<Patcher::ApplyStats>();
        const ApplyRun run = runApply(entries, install.path(), stats, {}, hooks);
        Patcher::timing().peerAsideMs = 10'000;
        Patcher::timing().peerStallMs = 3'000;
        QCOMPARE(run.error, QString());
        for (const ManifestEntry &entry : entries)
            QCOMPARE(sha256Of(installed(entry.path)), entry.sha256);
        qint64 fromPeer = 0;
        for (const auto &[origin, bytes] : stats->perOrigin)
            if (origin == OriginPool::nameOf(peer.origin()))
                fromPeer = bytes;
        QVERIFY2(fromPeer >= fromPeerMin * size && fromPeer <= fromPeerMax * size + 12 * 1000, qPrintable(QString::number(fromPeer)));
        const QStringList warned = warnings();
        QCOMPARE(warned.isEmpty(), warning.isEmpty());
        for (const QString &line : warned)
            QVERIFY2(line.contains(warning) && line.contains("(peer " + OriginPool::nameOf(peer.origin()) + ")"), qPrintable(line));
        // The log's line of bytes per origin names the peer.
        Log::flush();
        QVERIFY(readText(Log::file()).contains("bytes per origin: peer " + OriginPool::nameOf(peer.origin())));
    }

    // A peer's transfer is judged from its start, not from the start of its attempt (hashing a
    // large kept prefix first takes minutes): a peer that goes quiet after a late start is left.
    void stalledPeerLeftAfterALateStart()
    {
        const ManifestEntry entry = site.add(QStringLiteral("late.dat"), bytesOf(400'000, 'l'));
        Standin::Fault stall;
        stall.stallAfter = 1000;
        site.server().http().setFault("/files/late.dat", stall);
        auto pool = std::make_shared<OriginPool>();
        const OriginPool::Lease lease{entry.url, OriginPool::nameOf(entry.url), true, entry.url};
        Downloader downloader("test", 20'000);
        auto handle = std::make_shared<int>(0);
        Patcher::timing().peerStallMs = 300;
        SlowWatch watch(pool, lease, &downloader, handle, true);
        QTest::qWait(800);  // the kept prefix is hashed
        watch.arm();
        DownloadRequest request;
        request.url = QUrl(entry.url);
        request.handle = handle;
        request.maxBytes = entry.size;
        request.onBytes = [counter = watch.counter()](qint64 n) { *counter += n; };
        QString why;
        try {
            awaitTask(downloader.fetch(request));
        } catch (const Http::TransportError &error) {
            why = error.errorDescription();
        }
        Patcher::timing().peerStallMs = 3'000;
        QCOMPARE(why, SlowWatch::why());
        QVERIFY(watch.stopped());
    }

    // Proxy settings whose script never answers (a WPAD host that is gone): each origin waits 5 s,
    // side by side, then goes direct with one WARN line, and the run completes.
    void proxySettingsThatNeverAnswer()
    {
        QVERIFY2(TestCa::available(), "runs under scripts/with-test-ca, where cdn.vantorel.test is this computer");
        auto release = std::make_shared<std::atomic<bool>>(false);
        Net::Proxy::setAsker([release](const QUrl &) {
            while (!*release)
                QThread::msleep(10);
            return QByteArray();
        });
        Standin::Service second(site.folder());
        QVERIFY(second.listen());
        QList<ManifestEntry> entries{site.add(QStringLiteral("x1.dat"), bytesOf(1000, 'x')),
                                     site.add(QStringLiteral("x2.dat"), bytesOf(1000, 'y'))};
        entries[0].url.replace("127.0.0.1", "cdn.vantorel.test");
        entries[1].url.replace(site.server().origin(), second.origin()).replace("127.0.0.1", "cdn.vantorel.test");
        QElapsedTimer clock;
        clock.start();
        const ApplyRun run = apply(entries);
        const qint64 took = clock.elapsed();
        *release = true;
        Net::Proxy::setAsker({});
        QCOMPARE(run.error, QString());
        QVERIFY2(took < 9000, qPrintable(QString::number(took)));  // the two waits overlapped
        QCOMPARE(warnings().size(), 2);
        for (const QString &line : warnings())
            QVERIFY2(line.startsWith("proxy: the proxy settings gave no answer for http://cdn.vantorel.test:")
                         && line.endsWith(" in 5 s; connecting directly"), qPrintable(line));
    }

    // Each hop of a redirect goes the way the system's settings name for its own address: here
    // the first is direct (this computer), the second through a proxy.
    void eachRedirectHopAsksForItsProxy()
    {
        QVERIFY2(TestCa::available(), "runs under scripts/with-test-ca, where cdn.vantorel.test is this computer");
        ProxyServer proxy;
        QVERIFY(proxy.start());
        const QString viaProxy = proxy.url();
        Net::Proxy::setAsker([viaProxy](const QUrl &url) {
            return url.host() == QLatin1String("cdn.vantorel.test") ? viaProxy.toLatin1() : QByteArray();
        });
        ManifestEntry entry = site.add(QStringLiteral("hop.dat"), bytesOf(100'000, 'h'));
        const QString target = QString(entry.url).replace("127.0.0.1", "cdn.vantorel.test");
        site.server().setRoute("/files/moved/hop.dat", [target](const Standin::Request &) {
            Standin::Response r = Standin::Response::text(302, {});
            r.headers.append(Standin::Header{"Location", target.toUtf8()});
            return r;
        });
        entry.url.replace("/files/hop.dat", "/files/moved/hop.dat");
        const ApplyRun run = apply({entry});
        Net::Proxy::setAsker({});
        QCOMPARE(run.error, QString());
        QCOMPARE(site.server().requestsTo("/files/moved/hop.dat").size(), 1);
        QVERIFY2(proxy.logText().contains("cdn.vantorel.test"), qPrintable(proxy.logText()));
    }

    void neverMoreThanSixAtOnce()
    {
        QList<ManifestEntry> entries;
        for (int i = 0; i < 7; ++i) {
            entries.append(site.add(QStringLiteral("p%1.dat").arg(i), bytesOf(1000, char('a' + i))));
            Standin::Fault delay;
            delay.delayMs = 400;
            site.server().http().setFault(QStringLiteral("/files/p%1.dat").arg(i).toUtf8(), delay);
        }
        QElapsedTimer clock;
        clock.start();
        const ApplyRun run = apply(entries);
        QCOMPARE(run.error, QString());
        // Six answers take 0.4 s together; the seventh could only start after one of them.
        QVERIFY2(clock.elapsed() >= 780, qPrintable(QString::number(clock.elapsed())));
    }

    void downloaderReportsDeltasAndNamesItsFiles()
    {
        const QByteArray content = bytesOf(2'500'000, 'd');
        const ManifestEntry entry = site.add(QStringLiteral("d.dat"), content);
        Downloader downloader("test", 60'000);
        auto sumA = std::make_shared<std::atomic<qint64>>(0), sumB = std::make_shared<std::atomic<qint64>>(0);
        const std::function<void(qint64)> a = [sumA](qint64 d) { *sumA += d; };
        const std::function<void(qint64)> b = [sumB](qint64 d) { *sumB += d; };
        auto first = downloader.download(QUrl(entry.url), a);
        const QString second = awaitTask(downloader.download(QUrl(entry.url), b));
        const QString one = awaitTask(std::move(first));
        QVERIFY(one != second);
        QCOMPARE(*sumA, content.size());
        QCOMPARE(*sumB, content.size());
        const QRegularExpression name(QStringLiteral("/vantorel-[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
        QVERIFY(name.match(one).hasMatch());
        QVERIFY(one.startsWith(Paths::downloadTemp()));
        QCOMPARE(readBytes(one), content);
        QFile::remove(one);
        QFile::remove(second);

        try {
            awaitTask(downloader.download(QUrl(site.server().origin() + "/files/none"), a));
            QFAIL("404 accepted");
        } catch (const LauncherError &error) {
            QCOMPARE(error.errorDescription(), QStringLiteral("The download server returned HTTP 404. Try again later."));
        }
    }

    void manifestFetchRetries_data()
    {
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("404 five times") << 5 << 404 << QByteArray();
        QTest::newRow("500 twice then 200") << 2 << 500 << QByteArray();
        QTest::newRow("size as text five times") << 5 << 200 << QByteArray(R"({"files":[{"path":"a","sha256":"0","size":"1","url":"u"}]})");
    }
    void manifestFetchRetries()
    {
        QFETCH(int, failures);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        writeFile(site.folder() + "/release/manifest.json", R"({"files":[]})");
        Standin::Fault fault;
        fault.times = failures;
        fault.status = status;
        if (!body.isEmpty()) {
            fault.hasBody = true;
            fault.body = body;
        }
        site.server().http().setFault("/release/manifest.json", fault);
        QElapsedTimer clock;
        clock.start();
        const QUrl url(site.server().origin() + "/release/manifest.json");
        if (failures == 5) {
            try {
                awaitTask(Patcher::fetchManifest(url));
                QFAIL("fetch succeeded");
            } catch (const LauncherError &error) {
                QCOMPARE(error.errorDescription(), QStringLiteral("Can't reach the patch server. Check your connection and try again."));
            }
            // 0.4 + 0.8 + 1.2 + 1.6 s, scaled by 0.1; the waits' timers are coarse (up to 5 % early).
            QVERIFY2(clock.elapsed() >= 380, qPrintable(QString::number(clock.elapsed())));
        } else {
            QCOMPARE(awaitTask(Patcher::fetchManifest(url)).files.size(), 0);
        }
        QCOMPARE(site.server().requestsTo("/release/manifest.json").size(), qMin(failures + 1, 5));
    }
};

QTEST_GUILESS_MAIN(TestApply)
#include "tst_apply.moc"
