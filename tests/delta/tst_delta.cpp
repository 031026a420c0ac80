#include "delta/chunk_index.h"
#include "manifest/manifest_builder.h"
#include "patch/patcher.h"
#include "support/apply_run.h"
#include "support/log.h"
#include "support/nginx_server.h"
#include "support/proxy_server.h"
#include "support/test_ca.h"
#include "support/patch_site.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QProcess>
#include <QtTest>
#include <csignal>

static TestProfile profile;

// A changed file with a chunk index is rebuilt from the chunks already on disk plus range
// requests for the rest; whenever anything about the index or the server is off, the whole file
// is downloaded instead, and the result is the same bytes either way.
class TestDelta : public QObject {
    Q_OBJECT
    PatchSite site;
    QTemporaryDir install;
    static constexpr qint64 maxChunk = 256 << 10;

    // Serves `content` at /files/<path> with the chunk index the publishing tool writes for it.
    ManifestEntry publish(const QString &path, const QByteArray &content)
    {
        Manifest manifest{{site.add(path, content)}};
        const QString listing = site.folder() + "/files/manifest.json";
        ManifestBuilder::addChunkIndexes(manifest, site.folder() + "/files", listing, 0);
        ManifestEntry entry = manifest.files.first();
        entry.chunks.url = QUrl(site.server().origin() + "/files/manifest.json").resolved(QUrl(entry.chunks.url)).toString();
        return entry;
    }
    QString indexFile(const ManifestEntry &entry) const { return site.folder() + "/files/chunks/" + entry.sha256 + ".chunks"; }
    QByteArray filePath(const ManifestEntry &entry) const { return "/files/" + entry.path.toUtf8(); }
    static QStringList area() { return QDir(Paths::downloadTemp()).entryList(QDir::Files); }
    static QString logText()
    {
        Log::flush();
        return readText(Log::file());
    }
    QString requestsOf(const ManifestEntry &entry) const { return site.requestSummary(filePath(entry)); }

private slots:
    void initTestCase()
    {
        Patcher::timing().retryWaitScale = 0.05;
        Patcher::timing().downloadIdleMs = 300;
    }
    void init() { startClean(site, install.path()); }

    // Edits anywhere in the file cost about what they changed; the rest comes from the old file.
    void edits_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<qint64>("changed");  // new bytes in version 2
        QTest::addColumn<QString>("fault");   // what the first range meets once
        QTest::addColumn<QString>("via");     // "" the stand-in over HTTP/1.1; "https" it over TLS; "nginx-h2"
        QTest::newRow("insertion in the middle") << "insert" << qint64(5000) << "" << "";
        QTest::newRow("deletion at the start") << "delete" << qint64(0) << "" << "";
        QTest::newRow("overwrite at the end") << "overwrite" << qint64(300'000) << "" << "";
        QTest::newRow("three edits") << "three" << qint64(3 * 40'000) << "" << "";
        QTest::newRow("grows") << "grow" << qint64(1 << 20) << "" << "";
        QTest::newRow("shrinks") << "shrink" << qint64(0) << "" << "";
        // A range that fails for a moment is tried again, as a whole file would be.
        QTest::newRow("a part answered 503 once") << "grow" << qint64(1 << 20) << "503" << "";
        QTest::newRow("a part cut off once") << "grow" << qint64(1 << 20) << "drop" << "";
        QTest::newRow("a part stalls once") << "grow" << qint64(1 << 20) << "stall" << "";
        QTest::newRow("insertion in the middle, https") << "insert" << qint64(5000) << "" << "https";
        QTest::newRow("insertion in the middle, nginx https+h2") << "insert" << qint64(5000) << "" << "nginx-h2";
        QTest::newRow("three edits, nginx https+h2") << "three" << qint64(3 * 40'000) << "" << "nginx-h2";
        QTest::newRow("three edits, nginx https+h2 through a proxy") << "three" << qint64(3 * 40'000) << "" << "nginx-h2 proxy";
        // With a mirror the parts are shared out between both origins, and a failing one leaves
        // its parts to the other.
        QTest::newRow("parts from two origins") << "three" << qint64(3 * 40'000) << "mirror" << "";
        QTest::newRow("first origin answers parts 503") << "three" << qint64(3 * 40'000) << "mirror, first 503" << "";
        QTest::newRow("first origin answers all 503, the index too") << "three" << qint64(3 * 40'000) << "mirror, first down" << "";
    }
    void edits()
    {
        QFETCH(QString, edit);
        QFETCH(qint64, changed);
        QFETCH(QString, fault);
        QFETCH(QString, via);
        const QByteArray old = bytesOf(3 << 20, 'v');
        QByteArray now = old;
        if (edit == "insert")
            now.insert(old.size() / 2, bytesOf(changed, 'i'));
        if (edit == "delete")
            now.remove(0, 100'000);
        if (edit == "overwrite")
            now.replace(now.size() - changed, changed, bytesOf(changed, 'w'));
        if (edit == "three")
            for (const double at : {0.1, 0.5, 0.8})
                now.replace(qsizetype(at * double(old.size())), 40'000, bytesOf(40'000, char('a' + int(at * 10))));
        if (edit == "grow")
            now.append(bytesOf(changed, 'g'));
        if (edit == "shrink")
            now.truncate(old.size() * 2 / 3);
        writeFile(install.filePath("big.pak"), old);
        ManifestEntry entry = publish("big.pak", now);
        QVERIFY(!entry.chunks.isEmpty());
        Standin::Service tlsSite(site.folder());
        NginxServer nginx;
        QString origin;
        if (via == "https") {
            QVERIFY2(TestCa::available(), "TLS cases run under scripts/with-test-ca");
            tlsSite.enableTls(TestCa::serverConfiguration(TestCa::Kind::Trusted));
            QVERIFY(tlsSite.listen());
            origin = tlsSite.origin();
        } else if (via.startsWith("nginx-h2")) {
            QVERIFY2(TestCa::available(), "TLS cases run under scripts/with-test-ca");
            QVERIFY(nginx.start(site.folder(), true));
            origin = nginx.origin();
        }
        ProxyServer proxy;
        if (via.endsWith("proxy")) {
            QVERIFY(proxy.start());
            qputenv("https_proxy", proxy.url().toLatin1());
            origin.replace("127.0.0.1", "cdn.vantorel.test");  // loopback addresses never go through one
        }
        if (!origin.isEmpty()) {
            entry.url.replace(site.server().origin(), origin);
            entry.chunks.url.replace(site.server().origin(), origin);
        }
        Standin::Fault once;
        once.status = fault == "503" ? 503 : 0;
        once.dropAfter = fault == "drop" ? 300'000 : -1;
        once.stallAfter = fault == "stall" ? 300'000 : -1;
        std::unique_ptr<Standin::Service> mirror;
        Mirrors mirrors;
        if (fault.startsWith("mirror")) {
            mirror = std::make_unique<Standin::Service>(site.folder());
            QVERIFY(mirror->listen());
            mirrors = {{site.server().origin() + "/files/", {mirror->origin() + "/files/"}}};
            Standin::Fault always;
            always.status = 503;
            if (fault != "mirror")
                site.server().http().setFault(filePath(entry), always);
            if (fault == "mirror, first down")
                site.server().http().setFault("/files/chunks/" + entry.sha256.toUtf8() + ".chunks", always);
        } else if (!fault.isEmpty()) {
            site.server().http().queueFaults(filePath(entry), {once});
        }

        auto stats = std::make_shared<Patcher::ApplyStats>();
        const ApplyRun run = runApply({entry}, install.path(), stats, mirrors);
        qunsetenv("https_proxy");
        QCOMPARE(run.error, QString());
        if (via.endsWith("proxy"))
            QVERIFY2(proxy.logText().contains("CONNECT cdn.vantorel.test:" + QString::number(nginx.port())), qPrintable(proxy.logText()));
        QCOMPARE(readBytes(install.filePath("big.pak")), now);
        if (via.startsWith("nginx-h2")) {
            // "<method> <uri> <status> <protocol> <range> <bytes>": every part a range over HTTP/2.
            const QStringList lines = nginx.logLines().filter(" " + filePath(entry) + " ");
            QVERIFY(!lines.isEmpty());
            for (const QString &line : lines)
                QVERIFY2(line.contains(" 206 HTTP/2.0 bytes="), qPrintable(lines.join("\n") + "\n" + logText()));
        } else {
            auto requests = (via == "https" ? tlsSite : site.server()).requestsTo(filePath(entry));
            if (mirror) {
                const auto there = mirror->requestsTo(filePath(entry));
                // Shared out when both are well; all from the mirror once the first has failed.
                QVERIFY2(!there.isEmpty() && (fault != "mirror" || !requests.isEmpty()), qPrintable(requestsOf(entry)));
                requests += there;
            }
            QVERIFY(!requests.isEmpty());
            for (const auto &r : requests)
                QVERIFY2((r.status == 206 || !fault.isEmpty()) && r.header("Range").startsWith("bytes="), qPrintable(requestsOf(entry) + logText()));
            QVERIFY2(requests.size() > 1 || fault.isEmpty(), qPrintable(requestsOf(entry)));
        }
        // What a failed attempt brought still counts as traffic.
        if (fault.isEmpty())
            QCOMPARE(stats->fetched + stats->reused, now.size());
        else
            QVERIFY(stats->fetched + stats->reused >= now.size());
        const qint64 edits = edit == "three" ? 3 : 1;
        QVERIFY2(stats->fetched <= changed + edits * 3 * maxChunk,
                 qPrintable(QStringLiteral("fetched %1 for %2 changed").arg(stats->fetched.load()).arg(changed)));
        QVERIFY(!logText().contains("no delta update"));
        // Reused bytes move the bar with the fetched ones, never past the end nor back.
        qint64 shown = 0;
        for (const PatchPhase &phase : run.phases) {
            if (phase.kind != PatchPhase::Downloading)
                continue;
            QCOMPARE(phase.total, now.size());
            QVERIFY2((phase.done >= shown || !fault.isEmpty()) && phase.done <= phase.total,
                     qPrintable(QStringLiteral("%1 after %2").arg(phase.done).arg(shown)));
            shown = phase.done;
        }
        QCOMPARE(warningLines(), QStringList());
        QCOMPARE(area(), QStringList());
    }

    // Anything off about the index or the server's ranges: the whole file, downloaded as ever,
    // and nothing of the attempt left behind. Index faults are found before any range is asked.
    void fallsBackToTheWholeFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("rangeAsked");
        QTest::newRow("no index on the server") << "missing" << false;
        QTest::newRow("index fails its checksum") << "checksum" << false;
        QTest::newRow("index larger than the manifest says") << "oversized" << false;
        QTest::newRow("index claims more than its file allows") << "claims too much" << false;
        QTest::newRow("index with a gap, correctly signed off") << "gap" << false;
        QTest::newRow("index of another file") << "other file" << false;
        QTest::newRow("old file unrelated") << "unrelated" << false;
        QTest::newRow("server ignores ranges") << "ignore ranges" << true;
        QTest::newRow("wrong Content-Range") << "shifted" << true;
        QTest::newRow("416") << "416" << true;
        QTest::newRow("a part fails its hash") << "corrupt" << true;
        QTest::newRow("a part fails five times") << "five 503" << true;
    }
    void fallsBackToTheWholeFile()
    {
        QFETCH(QString, fault);
        QFETCH(bool, rangeAsked);
        const QByteArray old = bytesOf(2 << 20, 'f');
        QByteArray now = old;
        now.replace(1 << 20, 200'000, bytesOf(200'000, 'n'));
        writeFile(install.filePath("f.pak"), fault == "unrelated" ? bytesOf(2 << 20, 'u') : old);
        ManifestEntry entry = publish("f.pak", now);
        const QString index = indexFile(entry);
        QByteArray raw = readBytes(index);
        const auto signOff = [&](const QByteArray &bytes) {
            writeFile(index, bytes);
            entry.chunks.size = bytes.size();
            entry.chunks.sha256 = PatchSite::sha256(bytes);
        };
        if (fault == "missing")
            QFile::remove(index);
        if (fault == "checksum") {
            raw[ChunkIndex::headerSize + 20] = char(raw[ChunkIndex::headerSize + 20] ^ 1);
            writeFile(index, raw);
        }
        if (fault == "claims too much")
            entry.chunks.size = ChunkIndex::largestFor(now.size()) + 1;
        if (fault == "oversized")
            writeFile(index, raw + QByteArray(ChunkIndex::chunkSize, '\0'));
        if (fault == "gap") {
            qToLittleEndian<quint64>(qFromLittleEndian<quint64>(raw.constData() + ChunkIndex::headerSize + ChunkIndex::chunkSize) + 1,
                                     raw.data() + ChunkIndex::headerSize + ChunkIndex::chunkSize);
            signOff(raw);
        }
        if (fault == "other file") {
            ChunkIndex other = ChunkIndex::decode(raw, now.size());
            other.fileSize += 1;
            other.chunks.last().length += 1;
            signOff(other.encoded());
        }
        Standin::Fault serverFault;
        if (fault == "ignore ranges")
            serverFault.ignoreRange = true;
        if (fault == "shifted")
            serverFault.rangeShift = 100;
        if (fault == "416")
            serverFault.status = 416;
        if (fault == "corrupt")
            serverFault.flipAt = 1000;
        if (fault == "five 503")
            serverFault.status = 503;
        if (rangeAsked)
            site.server().http().queueFaults(filePath(entry), QList<Standin::Fault>(fault == "five 503" ? 5 : 1, serverFault));

        auto stats = std::make_shared<Patcher::ApplyStats>();
        const ApplyRun run = runApply({entry}, install.path(), stats);
        QCOMPARE(run.error, QString());
        QCOMPARE(readBytes(install.filePath("f.pak")), now);
        const auto requests = site.server().requestsTo(filePath(entry));
        QVERIFY2(!requests.isEmpty(), "no request for the file");
        QVERIFY2(requests.last().status == 200 && requests.last().header("Range").isEmpty(), qPrintable(requestsOf(entry)));
        if (rangeAsked)
            QVERIFY2(requests.first().header("Range").startsWith("bytes="), qPrintable(requestsOf(entry)));
        else
            QVERIFY2(requests.size() == 1, qPrintable(requestsOf(entry)));
        QCOMPARE(stats->reused, 0);
        QVERIFY(stats->fetched >= now.size());  // what an abandoned range brought counts too
        if (fault == "claims too much")
            QCOMPARE(site.server().requestsTo("/files/chunks/" + entry.sha256.toUtf8() + ".chunks").size(), 0);
        QVERIFY2(logText().contains("patch: f.pak: no delta update ("), qPrintable(logText()));
        QCOMPARE(warningLines(), QStringList());  // not a failed attempt
        QCOMPARE(run.phases.last(), PatchPhase::finishing());
        QCOMPARE(area(), QStringList());
    }

    // A link where the old file would be is not read as one: the file is downloaded whole, and
    // what the link pointed at stays as it was.
    void linkInPlaceIsNotASource()
    {
        const QByteArray old = bytesOf(1 << 20, 'l');
        QByteArray now = old;
        now.replace(500'000, 1000, bytesOf(1000, 'm'));
        QTemporaryDir elsewhere;
        writeFile(elsewhere.filePath("target.pak"), old);
        QVERIFY(QFile::link(elsewhere.filePath("target.pak"), install.filePath("l.pak")));
        const ManifestEntry entry = publish("l.pak", now);
        auto stats = std::make_shared<Patcher::ApplyStats>();
        QCOMPARE(runApply({entry}, install.path(), stats).error, QString());
        QCOMPARE(readBytes(install.filePath("l.pak")), now);
        QCOMPARE(readBytes(elsewhere.filePath("target.pak")), old);
        QCOMPARE(stats->reused, 0);
        const auto requests = site.server().requestsTo(filePath(entry));
        QVERIFY2(requests.size() == 1 && requests.first().header("Range").isEmpty(), qPrintable(requestsOf(entry)));
        QCOMPARE(site.server().requestsTo("/files/chunks/" + entry.sha256.toUtf8() + ".chunks").size(), 0);
    }

    // A body kept from a cut download is a source like the old file, and is not counted twice.
    void buildsFromAKeptBody()
    {
        const QByteArray content = bytesOf(3 << 20, 'k');
        ManifestEntry entry = publish("k.pak", content);
        ManifestEntry plain = entry;
        plain.chunks = {};
        QList<Standin::Fault> cuts;
        for (int i = 0; i < 5; ++i) {
            Standin::Fault cut;
            cut.stallAfter = 400'000;
            cuts.append(cut);
        }
        site.server().http().queueFaults(filePath(entry), cuts);
        QVERIFY(!runApply({plain}, install.path()).error.isEmpty());
        QCOMPARE(area().size(), 2);  // the body and its record

        site.server().clearRequests();
        auto stats = std::make_shared<Patcher::ApplyStats>();
        const ApplyRun run = runApply({entry}, install.path(), stats);
        QCOMPARE(run.error, QString());
        QCOMPARE(readBytes(install.filePath("k.pak")), content);
        QVERIFY2(stats->reused >= 2'000'000 - 2 * maxChunk, qPrintable(QString::number(stats->reused.load())));
        QCOMPARE(stats->reused + stats->fetched, content.size());
        QCOMPARE(stats->kept, 0);
        for (const PatchPhase &phase : run.phases)
            if (phase.kind == PatchPhase::Downloading)
                QVERIFY2(phase.done <= phase.total, qPrintable(QStringLiteral("%1 of %2").arg(phase.done).arg(phase.total)));
        QCOMPARE(area(), QStringList());
    }

    // The headless tool killed in the middle of a delta build: the old file is as it was, and
    // the next run ends with the new one.
    void killDuringDeltaThenRerun()
    {
        const QByteArray old = bytesOf(24 << 20, 'd');
        QByteArray now = old;
        now.replace(2 << 20, 1 << 20, bytesOf(1 << 20, '2'));
        now.replace(16 << 20, 1 << 20, bytesOf(1 << 20, '3'));
        writeFile(install.filePath("d.pak"), old);
        const ManifestEntry entry = publish("d.pak", now);
        writeFile(site.folder() + "/release/manifest.json", Manifest{{entry}}.encoded());
        const QString manifestUrl = site.server().origin() + "/release/manifest.json";

        QProcess first;
        first.start(QStringLiteral(VANTOREL_PATCH_BIN), {"update", manifestUrl, install.path(), "--limit-rate", "200K"});
        QVERIFY(first.waitForStarted());
        const auto building = [] {
            for (const QFileInfo &info : QDir(Paths::downloadTemp()).entryInfoList(QDir::Files))
                if (info.size() > (1 << 20))
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(building(), 30000);
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished());
        QCOMPARE(PatchSite::sha256(readBytes(install.filePath("d.pak"))), PatchSite::sha256(old));

        QProcess second;
        second.setProcessChannelMode(QProcess::MergedChannels);
        second.start(QStringLiteral(VANTOREL_PATCH_BIN), {"update", manifestUrl, install.path()});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 60000);
        const QString output = QString::fromUtf8(second.readAll());
        QVERIFY2(second.exitCode() == 0, qPrintable(output));
        QVERIFY2(output.contains("reused "), qPrintable(output));
        QCOMPARE(PatchSite::sha256(readBytes(install.filePath("d.pak"))), entry.sha256);
        QCOMPARE(area(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDelta)
#include "tst_delta.moc"
