#include "net/http.h"
#include "transfer/downloader.h"
#include "patch/fetch.h"
#include "patch/patcher.h"
#include "transfer/resume_store.h"
#include "support/apply_run.h"
#include "support/await_task.h"
#include "support/file_size.h"
#include "support/h2_peer.h"
#include "support/test_ca.h"
#include "support/launcher_error.h"
#include "support/log.h"
#include "support/nginx_server.h"
#include "support/patch_site.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utime.h>

static TestProfile profile;

// Cut downloads go on where they stopped, within a run and across runs, against the stand-in's
// range support; anything surprising falls back to the whole body.
class TestResume : public QObject {
    Q_OBJECT
    PatchSite site;
    QTemporaryDir install;

    ApplyRun apply(const QList<ManifestEntry> &entries) { return runApply(entries, install.path()); }
    static QStringList warnings() { return warningLines(); }
    static QStringList area() { return QDir(Paths::downloadTemp()).entryList(QDir::Files); }
    QList<Standin::RecordedRequest> fileRequests(const QByteArray &path) { return site.server().requestsTo(path); }
    // A transfer that stops after `bytes` body bytes until the idle time-out ends it. (A dropped
    // connection would do too, but the network layer may then resend the request by itself, which
    // makes the number of requests a test sees vary.)
    static Standin::Fault cutAt(qint64 bytes)
    {
        Standin::Fault cut;
        cut.stallAfter = bytes;
        return cut;
    }

private slots:
    void initTestCase()
    {
        Patcher::timing().retryWaitScale = 0.05;
        Patcher::timing().downloadIdleMs = 300;
    }
    void init() { startClean(site, install.path()); }

    // The second request of an entry cut (at byte 300,000 unless said) meets each kind of server.
    void cutThenSecondAttempt_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("requests");
        QTest::addColumn<bool>("rangeAsked");  // the second request carries Range and If-Range
        QTest::addColumn<int>("secondStatus");
        QTest::addColumn<qint64>("cut");
        // Why the second answer was refused: the kept body stays, the attempt fails, and the next
        // one asks for the whole body (or, after a page that is not the file, for the rest again).
        QTest::addColumn<QString>("refused");
        const QString notTheRest = "The server didn't send the rest of the file that was asked for.";
        QTest::newRow("resumes from the cut") << "resume" << 2 << true << 206 << qint64(300'000) << "";
        QTest::newRow("ignores the range") << "ignore" << 2 << true << 200 << qint64(300'000) << "";
        QTest::newRow("file changed (other ETag)") << "changed" << 2 << true << 200 << qint64(300'000) << "";
        QTest::newRow("range from the wrong place") << "shifted" << 3 << true << 206 << qint64(300'000) << notTheRest;
        QTest::newRow("416") << "416" << 3 << true << 416 << qint64(300'000) << notTheRest;
        // bytes 300000-399999/1000000, as servers that cap open-ended ranges answer.
        QTest::newRow("a range that stops early") << "capped" << 3 << true << 206 << qint64(300'000) << notTheRest;
        QTest::newRow("a 206 of a changed file") << "changed 206" << 3 << true << 206 << qint64(300'000)
                                                 << "The file changed on the server since its download began.";
        // A captive portal's page: the kept bytes are still good for the next attempt.
        QTest::newRow("a 1 KB page instead of the rest") << "page" << 3 << true << 200 << qint64(300'000)
                                                         << "The server sent a whole body of another size than the file.";
        QTest::newRow("no validator: no range") << "novalidator" << 2 << false << 200 << qint64(300'000) << "";
        // Past several written-back blocks and within one still in memory: all of it is kept.
        QTest::newRow("resumes from a cut at 19.5 MB") << "resume" << 2 << true << 206 << qint64(19'500'000) << "";
        // The rest comes from a mirror by range alone: the first origin's validator means nothing there.
        QTest::newRow("resumes on a mirror") << "mirror" << 2 << true << 206 << qint64(300'000) << "";
        // Bytes after the cut that differ there: the body fails its checksum and comes whole.
        QTest::newRow("mirror's rest differs") << "mirror differs" << 3 << true << 206 << qint64(300'000) << "";
        // Mirrors of another prefix change nothing: the same requests as without any.
        QTest::newRow("mirrors of another prefix") << "other prefix" << 2 << true << 206 << qint64(300'000) << "";
        // A real server with validators of its own: If-Range with the stand-in's would get 200.
        QTest::newRow("resumes on nginx") << "nginx" << 2 << true << 206 << qint64(300'000) << "";
        // A real HTTP/2 peer over TLS that breaks off the body after the headers.
        QTest::newRow("h2: stream reset") << "h2 reset" << 2 << true << 206 << qint64(300'000) << "";
        QTest::newRow("h2: GOAWAY mid-body") << "h2 goaway" << 2 << true << 206 << qint64(300'000) << "";
        QTest::newRow("h2: connection closed") << "h2 close" << 2 << true << 206 << qint64(300'000) << "";
    }
    void cutThenSecondAttempt()
    {
        QFETCH(QString, server);
        QFETCH(int, requests);
        QFETCH(bool, rangeAsked);
        QFETCH(int, secondStatus);
        QFETCH(qint64, cut);
        QFETCH(QString, refused);
        const QByteArray content = bytesOf(cut + 700'000, 'c');
        ManifestEntry entry = site.add(QStringLiteral("c.pak"), content);
        if (server.startsWith("h2 ")) {
            QVERIFY2(TestCa::available(), "TLS cases run under scripts/with-test-ca");
            H2Peer peer;
            QVERIFY(peer.start(site.folder(), server.mid(3) + ":" + QString::number(cut)));
            entry.url.replace(site.server().origin(), peer.origin());
            const ApplyRun run = apply({entry});
            QCOMPARE(run.error, QString());
            QCOMPARE(readBytes(install.path() + "/c.pak"), content);
            const auto seen = peer.requests("/files/c.pak");
            QCOMPARE(seen.size(), requests);
            QCOMPARE(seen.at(0).value("fault").toString(), server.mid(3));
            QCOMPARE(seen.at(1).value("status").toInt(), secondStatus);
            // The rest is asked for from what reached the disk: at most what the peer sent.
            const QString range = seen.at(1).value("range").toString();
            QVERIFY2(range.startsWith("bytes=") && range.endsWith("-"), qPrintable(range));
            const qint64 from = range.mid(6).chopped(1).toLongLong();
            QVERIFY2(from > 0 && from <= cut, qPrintable(range));
            QCOMPARE(warnings().size(), 1);
            QVERIFY2(warnings().first().startsWith("patch: c.pak failed (attempt 1/5): "), qPrintable(warnings().first()));
            QCOMPARE(area(), QStringList());
            return;
        }
        Standin::Fault first = cutAt(cut), second;
        if (server == "novalidator")
            first.noValidator = second.noValidator = true;
        second.ignoreRange = server == "ignore";
        if (server == "changed")
            second.etag = "\"changed\"";
        if (server == "shifted")
            second.rangeShift = 10;
        if (server == "416")
            second.status = 416;
        if (server == "capped")
            second.rangeCap = 100'000;
        if (server == "changed 206") {
            second.etag = "\"changed\"";
            second.ignoreIfRange = true;
        }
        if (server == "page") {
            second.hasBody = true;
            second.body = bytesOf(1000, '<');
        }
        site.server().http().queueFaults("/files/c.pak", {first, second});
        std::unique_ptr<Standin::Service> mirror;
        NginxServer nginx;
        QString mirrorOrigin;  // host:port
        Mirrors mirrors;
        if (server == "nginx") {
            QVERIFY2(nginx.start(site.folder()), "nginx did not start");
            mirrorOrigin = "127.0.0.1:" + QString::number(nginx.port());
            mirrors = {{site.server().origin() + "/files/", {"http://" + mirrorOrigin + "/files/"}}};
        }
        if (server == "other prefix")
            mirrors = {{"http://elsewhere.example/files/", {site.server().origin() + "/other/"}}};
        if (server.startsWith("mirror")) {
            mirror = std::make_unique<Standin::Service>(site.folder());
            QVERIFY(mirror->listen());
            mirrorOrigin = mirror->origin().mid(7);
            mirrors = {{site.server().origin() + "/files/", {mirror->origin() + "/files/"}}};
            Standin::Fault differs;
            differs.flipAt = 1000;
            differs.times = 1;
            if (server == "mirror differs")
                mirror->http().setFault("/files/c.pak", differs);
        }
        const ApplyRun run = runApply({entry}, install.path(), nullptr, mirrors);
        QCOMPARE(run.error, QString());
        QCOMPARE(readBytes(install.path() + "/c.pak"), content);
        auto seen = fileRequests("/files/c.pak");
        if (mirror)  // the cut, then the mirror, then the first origin again
            seen.insert(1, mirror->requestsTo("/files/c.pak").value(0));
        if (server == "nginx") {
            // <method> <uri> <status> <protocol> <range> <bytes> "<If-Range>", "-" for a header not sent
            const QStringList line = readText(nginx.logPath()).trimmed().split(' ');
            QVERIFY2(line.size() >= 7, qPrintable(line.join(' ')));
            const auto header = [](QString v) { return v == "-" || v == "\"-\"" ? QByteArray() : v.toUtf8(); };
            seen.insert(1, {"GET", line.at(1).toUtf8(),
                            {{"Range", header(line.at(4))}, {"If-Range", header(line.mid(6).join(' '))}}, {},
                            line.at(2).toInt()});
        }
        QVERIFY2(seen.size() == requests, qPrintable(site.requestSummary("/files/c.pak") + warnings().join("; ")));
        QCOMPARE(seen.at(1).status, secondStatus);
        if (rangeAsked) {
            QCOMPARE(seen.at(1).header("Range"), "bytes=" + QByteArray::number(cut) + "-");
            QCOMPARE(seen.at(1).header("If-Range").isEmpty(), !mirrorOrigin.isEmpty());
        } else {
            QVERIFY(seen.at(1).header("Range").isEmpty());
        }
        if (requests == 3)
            QCOMPARE(seen.at(2).header("Range"), server == "page" ? "bytes=" + QByteArray::number(cut) + "-" : QByteArray());
        if (!mirrorOrigin.isEmpty()) {
            const QString first = " (" + site.server().origin().mid(7) + ")";
            QCOMPARE(warnings().size(), requests - 1);
            QCOMPARE(warnings().first(), "patch: c.pak failed (attempt 1/5): The server sent nothing for 1 s." + first);
            if (requests == 3)
                QCOMPARE(warnings().last(), "patch: c.pak failed (attempt 1/5): c.pak failed its checksum after download. Try again. ("
                                                + mirrorOrigin + ")");
        } else {
            // The cut, and the refused answer if any.
            QCOMPARE(warnings().size(), refused.isEmpty() ? 1 : 2);
            QCOMPARE(warnings().first(), QStringLiteral("patch: c.pak failed (attempt 1/5): The server sent nothing for 1 s."));
            if (!refused.isEmpty())
                QCOMPARE(warnings().last(), "patch: c.pak failed (attempt 2/5): " + refused);
        }
        QCOMPARE(area(), QStringList());
        QCOMPARE(run.phases.last(), PatchPhase::finishing());
    }

    // A kept body of 300,000 bytes meets a whole body instead of its rest, and the run is cancelled
    // midway: the kept body goes only once the new one holds more, never for a shorter one. An
    // answer refused at its head ends the download at once and leaves the kept body as it was.
    // A small answer (a list, a picture) cut off by a real HTTP/2 peer is an error, never a body
    // for its parser: compressed too, where the bytes that arrive are not the bytes counted.
    void smallAnswerCutShort_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("gzip");
        QTest::newRow("GOAWAY mid-answer") << "goaway" << false;
        QTest::newRow("GOAWAY mid-answer, compressed") << "goaway" << true;
        QTest::newRow("stream reset, compressed") << "reset" << true;
        QTest::newRow("connection closed, compressed") << "close" << true;
    }
    void smallAnswerCutShort()
    {
        QFETCH(QString, fault);
        QFETCH(bool, gzip);
        QVERIFY2(TestCa::available(), "TLS cases run under scripts/with-test-ca");
        QByteArray text;
        for (int i = 0; text.size() < 400'000; ++i)
            text += QByteArray::number(i * 7919 % 100'003) + ',';
        const ManifestEntry entry = site.add(QStringLiteral("list.json"), text);
        H2Peer peer;
        QVERIFY(peer.start(site.folder(), fault + ":20000", gzip));
        Http::Session session("VantorelLauncher/test", 5'000);
        const QUrl url(QString(entry.url).replace(site.server().origin(), peer.origin()));
        QVERIFY_THROWS_EXCEPTION(Http::TransportError, awaitTask(session.send("GET", url)));
        const auto seen = peer.requests("/files/list.json");
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().value("fault").toString(), fault);
    }

    void keptBodyReplacedMidway_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<qint64>("cut");    // bytes of the answer's body sent before it stalls
        QTest::addColumn<qint64>("kept");   // the body kept after the cancel
        QTest::addColumn<bool>("replaced"); // ... in a new file
        QTest::newRow("whole body, cancelled before it overtook") << "ignore" << qint64(100'000) << qint64(300'000) << false;
        QTest::newRow("whole body, cancelled after it overtook") << "ignore" << qint64(400'000) << qint64(400'000) << true;
        QTest::newRow("wrong range") << "shifted" << qint64(1000) << qint64(300'000) << false;
    }
    void keptBodyReplacedMidway()
    {
        QFETCH(QString, server);
        QFETCH(qint64, cut);
        QFETCH(qint64, kept);
        QFETCH(bool, replaced);
        const QByteArray content = bytesOf(1'000'000, 'm');
        const ManifestEntry entry = site.add(QStringLiteral("m.pak"), content);
        const ResumeStore::BodyKey key{entry.url, entry.path, entry.size, entry.sha256, ResumeStore::folderOf(install.path())};
        const QString body = Paths::downloadTemp() + "/vantorel-KEPT";
        writeFile(body, content.left(300'000));
        ResumeStore::record(body, key, ResumeStore::Validator{"\"kept\"", {}}, 300'000);
        Standin::Fault answer = cutAt(cut);
        answer.etag = "\"kept\"";
        answer.ignoreRange = server == "ignore";
        answer.rangeShift = server == "shifted" ? 10 : 0;
        site.server().http().queueFaults("/files/m.pak", {answer});

        DownloadRequest request;
        request.url = QUrl(entry.url);
        request.maxBytes = entry.size;
        request.key = key;
        request.from = ResumeStore::find(key);
        QVERIFY(request.from);
        auto received = std::make_shared<std::atomic<qint64>>(0);
        request.onBytes = [received](qint64 bytes) { *received += bytes; };
        auto downloader = std::make_unique<Downloader>("test", 20'000);
        QCoro::Task<DownloadResult> fetch = downloader->fetch(request);
        QTRY_COMPARE(fileRequests("/files/m.pak").size(), 1);
        if (server == "ignore") {
            QTRY_COMPARE(received->load(), cut);
            // Until it is overtaken the kept body is the one on record.
            QCOMPARE(QFile::exists(body + ".resume"), !replaced);
            downloader->invalidateAndCancel();
            QVERIFY_THROWS_EXCEPTION(Http::TransportError, awaitTask(std::move(fetch)));
        } else {
            QVERIFY_THROWS_EXCEPTION(RangeRefused, awaitTask(std::move(fetch)));
        }
        const auto after = ResumeStore::find(key);
        QVERIFY(after);
        QCOMPARE(after->bytes, kept);
        QCOMPARE(after->file != body, replaced);
        QCOMPARE(QFile::exists(body), !replaced);
        QCOMPARE(readBytes(after->file), content.left(kept));
        QCOMPARE(area().size(), 2);  // one body and its record, never two
        QVERIFY2(fileRequests("/files/m.pak").size() == 1, qPrintable(site.requestSummary("/files/m.pak")));
    }

    // A kept body whose bytes went bad on disk fails the whole file's checksum once, and is
    // never asked for again: the next attempt starts from zero.
    void badPrefixIsDiscardedNotResumed()
    {
        const QByteArray content = bytesOf(1'000'000, 'b');
        const ManifestEntry entry = site.add(QStringLiteral("b.pak"), content);
        QList<Standin::Fault> cuts;
        for (int i = 0; i < 5; ++i)
            cuts.append(cutAt(100'000));  // each attempt goes on from the last cut
        site.server().http().queueFaults("/files/b.pak", cuts);
        const QString failed = apply({entry}).error;
        QVERIFY2(!failed.isEmpty(), qPrintable(site.requestSummary("/files/b.pak") + warnings().join(" | ")));
        QStringList kept = area();
        QCOMPARE(kept.size(), 2);  // the body and its record, for the next run
        const QString body = Paths::downloadTemp() + '/' + (kept.first().endsWith(".resume") ? kept.last() : kept.first());
        QByteArray bytes = readBytes(body);
        QCOMPARE(bytes.size(), 500'000);
        bytes[1000] = char(bytes[1000] ^ 0x5a);
        writeFile(body, bytes);

        site.server().clearRequests();
        Log::flush();
        QFile::remove(Log::file());
        auto stats = std::make_shared<Patcher::ApplyStats>();
        const ApplyRun run = runApply({entry}, install.path(), stats);
        QCOMPARE(run.error, QString());
        QCOMPARE(readBytes(install.path() + "/b.pak"), content);
        QCOMPARE(stats->kept, 0);  // the kept bytes did not make it into the file
        const auto seen = fileRequests("/files/b.pak");
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.at(0).header("Range"), "bytes=" + QByteArray::number(bytes.size()) + "-");
        QVERIFY(seen.at(1).header("Range").isEmpty());
        QCOMPARE(warnings(), QStringList{"patch: b.pak failed (attempt 1/5): b.pak failed its checksum after download. Try again."});
        // The bar started where the kept body stopped.
        QVERIFY(run.phases.first().kind == PatchPhase::Downloading && run.phases.first().done >= bytes.size());
        QCOMPARE(area(), QStringList());
    }

    // Across runs: the headless tool killed with -9 after a checkpoint resumes from the checkpoint,
    // and says what it kept only when the server let it.
    void resumesAfterKill_data()
    {
        QTest::addColumn<bool>("refused");  // the server answers the resumed request with the whole file
        QTest::addColumn<bool>("mirrored");  // the re-run finds the first origin down and resumes on a mirror
        QTest::newRow("resumed") << false << false;
        QTest::newRow("refused by the server") << true << false;
        QTest::newRow("resumed on a mirror") << false << true;
    }
    void resumesAfterKill()
    {
        QFETCH(bool, refused);
        QFETCH(bool, mirrored);
        const QByteArray content = bytesOf(100'000'000, 'k');
        const ManifestEntry entry = site.add(QStringLiteral("k.pak"), content);
        Manifest manifest{{entry}};
        Standin::Service mirror(site.folder());
        QVERIFY(mirror.listen());
        if (mirrored)
            manifest.mirrors = {{site.server().origin() + "/files/", {mirror.origin() + "/files/"}}};
        writeFile(site.folder() + "/release/manifest.json", manifest.encoded());
        Standin::Fault stall, whole;
        stall.stallAfter = 90'000'000;
        whole.ignoreRange = true;
        site.server().http().queueFaults("/files/k.pak", refused ? QList<Standin::Fault>{stall, whole} : QList<Standin::Fault>{stall});
        const QStringList args{"update", site.server().origin() + "/release/manifest.json", install.path()};
        QProcess first;
        first.start(QStringLiteral(VANTOREL_PATCH_BIN), args);
        QVERIFY(first.waitForStarted());
        // A record in place (not one still being written under its temporary name).
        const auto recorded = [] {
            for (const QString &name : area())
                if (name.endsWith(".resume"))
                    return QJsonDocument::fromJson(readBytes(Paths::downloadTemp() + '/' + name)).object().value("bytes").toInteger();
            return qint64(0);
        };
        QTRY_VERIFY_WITH_TIMEOUT(recorded() > 0, 60000);
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished());
        site.server().clearRequests();
        const qint64 checkpoint = recorded();
        const QString record = area().join(", ");
        QVERIFY2(checkpoint >= 64 << 20 && checkpoint < 90'000'000, qPrintable(record));

        Standin::Fault down;
        down.status = 503;
        if (mirrored)
            site.server().http().setFault("/files/k.pak", down);
        QProcess second;
        second.setProcessChannelMode(QProcess::MergedChannels);
        second.start(QStringLiteral(VANTOREL_PATCH_BIN), args);
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 60000);
        QCOMPARE(second.exitCode(), 0);
        const QString output = QString::fromUtf8(second.readAll());
        const bool kept = output.contains("kept ");
        QVERIFY2(refused ? !kept : output.contains("kept " + formatFileSize(checkpoint) + " from an earlier download"), qPrintable(output));
        QVERIFY2(output.contains("fetched " + formatFileSize(refused ? content.size() : content.size() - checkpoint)),
                 qPrintable(output));
        // What each origin sent, as the tool reports it.
        const QString firstOrigin = site.server().origin().mid(7), other = mirror.origin().mid(7);
        const QString rest = formatFileSize(refused ? content.size() : content.size() - checkpoint);
        QVERIFY2(output.contains("from " + firstOrigin + ": " + (mirrored ? formatFileSize(0) : rest)), qPrintable(output));
        QCOMPARE(output.contains("from " + other + ": " + rest), mirrored);
        auto seen = fileRequests("/files/k.pak");
        QCOMPARE(seen.size(), 1);
        if (mirrored) {
            QCOMPARE(seen.first().status, 503);
            seen = mirror.requestsTo("/files/k.pak");
            QCOMPARE(seen.size(), 1);
            // A body kept by an earlier run: whose validator it holds is not known.
            QVERIFY(seen.first().header("If-Range").isEmpty());
        }
        QCOMPARE(seen.first().header("Range"), "bytes=" + QByteArray::number(checkpoint) + "-");
        QCOMPARE(seen.first().status, refused ? 200 : 206);
        QCOMPARE(PatchSite::sha256(readBytes(install.path() + "/k.pak")), entry.sha256);
        QCOMPARE(area(), QStringList());
    }

    // A run keeps only what it can resume of its own folder, and what belongs to other folders
    // (until it is a week old); a body another process is writing is left alone.
    void runStartClearsTheDownloadArea_data()
    {
        QTest::addColumn<bool>("download");  // false: a verification that found nothing to do
        QTest::newRow("update") << true;
        QTest::newRow("nothing to download") << false;
    }
    void runStartClearsTheDownloadArea()
    {
        QFETCH(bool, download);
        const QByteArray content = bytesOf(50'000, 'w');
        const ManifestEntry entry = site.add(QStringLiteral("w.pak"), content);
        const QString dir = Paths::downloadTemp();
        QDir().mkpath(dir);
        QTemporaryDir otherInstall;
        const QString mine = QFileInfo(install.path()).canonicalFilePath();
        const QString other = QFileInfo(otherInstall.path()).canonicalFilePath();
        // A kept body as written by this or an older build (folder null: a record without one).
        const auto body = [&](const QString &name, const ManifestEntry &of, const QString &folder) {
            writeFile(dir + '/' + name, bytesOf(1000, 'x'));
            QJsonObject record{{"url", of.url}, {"path", of.path}, {"size", of.size}, {"sha256", of.sha256},
                               {"etag", "\"v\""}, {"last_modified", ""}, {"bytes", 1000}};
            if (!folder.isNull())
                record.insert("folder", folder);
            if (!of.url.isEmpty())
                writeFile(dir + '/' + name + ".resume", QJsonDocument(record).toJson());
            return dir + '/' + name;
        };
        const auto age = [](const QString &file) {
            const qint64 weekAgo = QDateTime::currentSecsSinceEpoch() - 8 * 86400;
            const struct utimbuf old{weekAgo, weekAgo};
            return ::utime(QFile::encodeName(file).constData(), &old) == 0;
        };
        body("vantorel-FOREIGN", ManifestEntry{"x.pak", QString(64, 'a'), 5000, "http://elsewhere/x", {}}, mine);
        QVERIFY(age(body("vantorel-STALE", entry, mine)));
        body("vantorel-OTHER", entry, other);
        QVERIFY(age(body("vantorel-OTHERSTALE", entry, other)));
        body("vantorel-OLDBUILD", entry, QString());
        QVERIFY(age(body("vantorel-OLDBUILDSTALE", entry, QString())));
        body("vantorel-ORPHAN", {}, mine);
        const QString busy = body("vantorel-BUSY", {}, mine);
        const int held = ::open(QFile::encodeName(busy).constData(), O_RDWR);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX | LOCK_NB) == 0);

        if (download) {
            const ApplyRun run = apply({entry});
            QCOMPARE(run.error, QString());
            QCOMPARE(readBytes(install.path() + "/w.pak"), content);
            // Neither the stale body, nor another folder's, nor one that names no folder was used.
            QVERIFY(fileRequests("/files/w.pak").first().header("Range").isEmpty());
        } else {
            awaitTask(Patcher::clearDownloadArea(install.path()));
        }
        QCOMPARE(area(), (QStringList{"vantorel-BUSY", "vantorel-OLDBUILD", "vantorel-OLDBUILD.resume", "vantorel-OTHER",
                                      "vantorel-OTHER.resume"}));
        ::close(held);
    }
    // A disk that stalls 0.8 s (a slow USB stick, a network file system), under an idle time-out
    // of 0.3 s: in each sync, or in a write now and then. The transfers go on while bodies are
    // written, made durable and recorded (held back while the writer catches up), and none fails
    // for a silence of the network thread.
    void slowDiskHoldsNoTransfer_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::newRow("slow syncs") << "VANTOREL_SLOW_SYNC_MS";
        QTest::newRow("slow writes") << "VANTOREL_SLOW_WRITE_MS";
    }
    void slowDiskHoldsNoTransfer()
    {
        QFETCH(QString, variable);
        if (!qEnvironmentVariableIsSet("VANTOREL_SLOW_DISK")) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("LD_PRELOAD", VANTOREL_SLOW_SYNC_LIB);
            env.insert("VANTOREL_SLOW_DISK", "1");
            env.insert(variable, "800");
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"slowDiskHoldsNoTransfer:" + QString::fromLatin1(QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(100'000));
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll().constData());
            return;
        }
        const QList<ManifestEntry> entries{site.add(QStringLiteral("s1.pak"), bytesOf(150'000'000, 's')),
                                           site.add(QStringLiteral("s2.pak"), bytesOf(30'000'000, 't')),
                                           site.add(QStringLiteral("s3.pak"), bytesOf(30'000'000, 'u'))};
        const ApplyRun run = apply(entries);
        QCOMPARE(run.error, QString());
        QCOMPARE(warnings(), QStringList());
        for (const ManifestEntry &entry : entries)
            QCOMPARE(sha256Of(install.path() + '/' + entry.path), entry.sha256);
    }

    // A body that arrived whole stays locked and on record until it is in place: another folder's
    // run never takes it for a leftover, and a quit before it is in place costs nothing.
    void finishedBodyOutlivesAnotherFoldersSweep()
    {
        const ManifestEntry entry = site.add(QStringLiteral("h.pak"), bytesOf(50'000, 'h'));
        QTemporaryDir otherInstall;
        Downloader downloader("test", 60'000);
        DownloadRequest request;
        request.url = QUrl(entry.url);
        request.maxBytes = entry.size;
        request.key = Patcher::bodyKey(entry, ResumeStore::folderOf(install.path()));
        DownloadResult result = awaitTask(downloader.fetch(request));
        awaitTask(Patcher::clearDownloadArea(otherInstall.path()));
        QVERIFY(QFile::exists(result.file));
        result.hold.reset();
        awaitTask(Patcher::clearDownloadArea(otherInstall.path()));
        const auto kept = ResumeStore::find(*request.key);
        QVERIFY(kept && kept->file == result.file && kept->whole(*request.key));
        awaitTask(Patcher::clearDownloadArea(install.path()));
        QVERIFY(!QFile::exists(result.file));
    }

    // The next run finds a body that arrived whole but was not put in place (the launcher quit
    // or was killed first): checked again, it is moved without a request; a bad one comes again.
    void wholeBodyOfAnEarlierRun_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("as it arrived: moved into place") << false;
        QTest::newRow("changed on disk since: fetched again") << true;
    }
    void wholeBodyOfAnEarlierRun()
    {
        QFETCH(bool, damaged);
        const QByteArray content = bytesOf(3'000'000, 'w');
        const ManifestEntry entry = site.add(QStringLiteral("w.pak"), content);
        const ResumeStore::BodyKey key = Patcher::bodyKey(entry, ResumeStore::folderOf(install.path()));
        const QString body = Paths::downloadTemp() + "/vantorel-WHOLE";
        QByteArray onDisk = content;
        if (damaged)
            onDisk[2'000'000] = 'x';
        writeFile(body, onDisk);
        ResumeStore::record(body, key, {}, entry.size);
        auto stats = std::make_shared<Patcher::ApplyStats>();
        const ApplyRun run = runApply({entry}, install.path(), stats);
        QCOMPARE(run.error, QString());
        QCOMPARE(readBytes(install.path() + "/w.pak"), content);
        const auto seen = fileRequests("/files/w.pak");
        QCOMPARE(seen.size(), damaged ? 1 : 0);
        if (damaged)
            QVERIFY(seen.first().header("Range").isEmpty());
        QCOMPARE(stats->kept, damaged ? 0 : entry.size);
        QCOMPARE(warnings(), QStringList());
        QCOMPARE(area(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestResume)
#include "tst_resume.moc"
