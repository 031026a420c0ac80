#include "auth/keychain.h"
#include "core/app_model.h"
#include "patch/patcher.h"
#include "support/await_task.h"
#include "support/log.h"
#include "support/patch_site.h"
#include "support/paths.h"
#include "support/open_model.h"
#include "support/test_profile.h"

#include <QBuffer>
#include <QDirIterator>
#include <QProcess>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

static TestProfile profile;

// Faults, bad input and load against the real launcher code, real HTTP on loopback and real files.
class TestResilience : public QObject {
    Q_OBJECT
    PatchSite site;
    QTemporaryDir work;

    QString root() const { return work.path() + "/game"; }
    QString outside() const { return work.path() + "/outside"; }

    TestModel<AppModel> model(const QString &manifestBase = {})
    {
        LauncherConfig config;
        config.installPath = root();
        config.manifestBase = manifestBase.isEmpty() ? site.server().origin() : manifestBase;
        config.authUrl = site.server().origin();
        return makeModel<AppModel>(config, Origins{config.authUrl, site.server().origin(), config.authUrl});
    }
    void publish(const QList<ManifestEntry> &entries)
    {
        writeFile(site.folder() + "/release/manifest.json", Manifest{entries}.encoded());
    }
    static QStringList filesUnder(const QString &folder)
    {
        QStringList out;
        QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            out.append(it.next().mid(folder.size() + 1));
        out.sort();
        return out;
    }
    static QString logText()
    {
        Log::flush();
        return readText(Log::file());
    }
    // Runs an apply of the entries and returns the description of its failure ("" on success).
    QString applyError(const QList<ManifestEntry> &entries)
    {
        try {
            const Patcher::PhaseProgress ignore = [](const PatchPhase &) {};
            awaitTask(Patcher::apply(entries, root(), ignore));
            return {};
        } catch (...) {
            return describeCurrentException();
        }
    }
    static QByteArray gzip(const QByteArray &data)
    {
        z_stream stream{};
        deflateInit2(&stream, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
        QByteArray out(int(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
        stream.avail_in = uInt(data.size());
        stream.next_out = reinterpret_cast<Bytef *>(out.data());
        stream.avail_out = uInt(out.size());
        deflate(&stream, Z_FINISH);
        out.resize(int(stream.total_out));
        deflateEnd(&stream);
        return out;
    }

private slots:
    void initTestCase()
    {
        Patcher::timing().retryWaitScale = 0.02;
        awaitTask(Keychain::clear());
    }
    void init()
    {
        QDir(root()).removeRecursively();
        QDir(outside()).removeRecursively();
        QDir().mkpath(outside());
        site.server().http().clearFaults();
        site.server().clearRoutes();
        site.server().clearRequests();
        Log::flush();
        QFile::remove(Log::file());
    }

    // ---- hostile manifests: refused before anything is written, the message names the entry ----

    void hostileManifests_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("named");
        const auto row = [](const char *name, QStringList paths, QString named) { QTest::newRow(name) << paths << named; };
        row("traversal", {"ok.dat", "../escape.dat"}, "../escape.dat");
        row("deep traversal", {"a/b/../../../etc/x"}, "a/b/../../../etc/x");
        row("absolute", {"/etc/passwd"}, "/etc/passwd");
        row("backslash", {"..\\..\\x"}, "..\\..\\x");
        row("drive letter", {"C:/Windows/x"}, "C:/Windows/x");
        row("empty component", {"a//b"}, "a//b");
        row("dot component", {"a/./b"}, "a/./b");
        row("empty path", {""}, "");
        row("nul", {QStringLiteral("safe") + QChar(0) + QStringLiteral("/../../x")}, QStringLiteral("safe") + QChar(0) + QStringLiteral("/../../x"));
        row("line feed forging a log line", {"x\n[2026-01-01 00:00:00][INFO] patch: complete"}, "x\n[2026-01-01 00:00:00][INFO] patch: complete");
        row("tab", {"a\tb"}, "a\tb");
        row("delete character", {QStringLiteral("a") + QChar(0x7f)}, QStringLiteral("a") + QChar(0x7f));
        row("duplicate path", {"d.dat", "d.dat"}, "d.dat");
        row("file and folder", {"f", "f/g.dat"}, "f");
        row("staging collision", {"s.dat", "s.dat.part"}, "s.dat.part");
        row("the folder's lock file", {"ok.dat", ".vantorel-update.lock"}, ".vantorel-update.lock");
        row("one file on a folder that ignores letter case", {"Data/Map.pak", "data/map.PAK"}, "data/map.PAK");
    }
    void hostileManifests()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, named);
        QList<ManifestEntry> entries;
        for (const QString &path : paths)
            entries.append(ManifestEntry{path, PatchSite::sha256("x"), 1, site.server().origin() + "/files/x", {}});
        writeFile(site.folder() + "/files/x", "x");
        publish(entries);
        auto m = model();
        awaitTask(m->patch());
        QCOMPARE(m->install(), InstallState::failed(LauncherError::unsafePath(named)));
        QCOMPARE(filesUnder(root()), QStringList());
        QCOMPARE(filesUnder(outside()), QStringList());
        QCOMPARE(site.server().requestsTo("/files/x").size(), 0);
        QVERIFY(!logText().contains("failed (attempt"));
    }

    void veryLongNameFailsCleanly()
    {
        const QString name = QString(300, 'n') + ".dat";
        publish({site.add("short.dat", "fine"), ManifestEntry{name, PatchSite::sha256("x"), 1, site.server().origin() + "/files/short.dat", {}}});
        auto m = model();
        awaitTask(m->patch());
        QCOMPARE(m->install().kind, InstallState::Failed);
        QVERIFY(m->install().message.contains(name) || m->install().message.contains("checksum"));
        for (const QString &file : filesUnder(root()))
            QVERIFY2(!file.endsWith(".part") || file.startsWith("short"), qPrintable(file));
    }

    void hugeManifestDecodesAndDiffs()
    {
        QList<ManifestEntry> entries;
        entries.reserve(100'000);
        for (int i = 0; i < 100'000; ++i)
            entries.append(ManifestEntry{QStringLiteral("d%1/f%2.bin").arg(i % 100).arg(i), QString(64, 'a'), i, "http://h/x", {}});
        const QByteArray json = Manifest{entries}.encoded();
        const Manifest decoded = Manifest::decode(json);
        QCOMPARE(decoded.files.size(), 100'000);
        QCOMPARE(Patcher::quickDiff(decoded, root()).size(), 100'000);
        Patcher::checkPathsAreDistinct(decoded.files);
    }

    // ---- hostile or broken servers ----

    void selfSignedCertificateIsATransportFailure()
    {
        Standin::Service tls(site.folder());
        tls.enableTls();
        QVERIFY(tls.listen());
        writeFile(site.folder() + "/release/manifest.json", R"({"files":[]})");
        const AuthClient client{tls.origin(), QStringLiteral("d")};
        QVERIFY_THROWS_EXCEPTION(LauncherError, awaitTask(client.login("a@b.c", "secret")));
        QCOMPARE(awaitTask(client.validate(Session{"token", "a", 1, "d"})), SessionCheck::Unreachable);
        auto m = model(tls.origin());
        awaitTask(m->checkInstall());
        QCOMPARE(m->install(), InstallState::failed(LauncherError::patchUnreachable()));
        // Nothing but handshakes ever reached it.
        QCOMPARE(tls.requests().size(), 0);
    }

    void httpsNeverRedirectsToPlainHttp()
    {
        Standin::Service tls(site.folder());
        tls.enableTls();
        QVERIFY(tls.listen());
        const ManifestEntry target = site.add("plain.dat", "plain");
        tls.setRoute("/files/plain.dat", [&](const Standin::Request &) {
            Standin::Response r = Standin::Response::text(302, {});
            r.headers.append(Standin::Header{"Location", target.url.toUtf8()});
            return r;
        });
        ManifestEntry entry = target;
        entry.url = tls.origin() + "/files/plain.dat";
        QVERIFY(!applyError({entry}).isEmpty());
        QCOMPARE(site.server().requestsTo("/files/plain.dat").size(), 0);
    }

    void compressedBodyThatExpandsIsStopped()
    {
        const QByteArray real = bytesOf(1000, 'c');
        const ManifestEntry entry = site.add("bomb.dat", real);
        const QByteArray bomb = gzip(QByteArray(64 * 1024 * 1024, '\0'));
        site.server().setRoute("/files/bomb.dat", [bomb](const Standin::Request &) {
            Standin::Response r = Standin::Response::text(200, bomb, "application/octet-stream");
            r.headers.append(Standin::Header{"Content-Encoding", "gzip"});
            return r;
        });
        // File bodies are taken as sent, never inflated: the bytes are stopped at the entry's size.
        const QString error = applyError({entry});
        QCOMPARE(error, QStringLiteral("bomb.dat failed its checksum after download. Try again."));
        QVERIFY(!QFile::exists(root() + "/bomb.dat"));
        QCOMPARE(QDir(Paths::downloadTemp()).entryList(QDir::Files), QStringList());
    }

    // ---- the install folder ----

    void linksFifosAndHostileStaging()
    {
        const QByteArray content = bytesOf(5000, 'l');
        const QList<ManifestEntry> entries{site.add("linked.dat", content), site.add("fifo.dat", content),
                                           site.add("staged.dat", content), site.add("data/in-linked-folder.dat", content)};
        publish(entries);
        QDir().mkpath(root());
        writeFile(outside() + "/precious.txt", "keep me");
        writeFile(outside() + "/staging-target.txt", "keep me too");
        // A file that is a link to something outside: replaced by the real file, the target untouched.
        QVERIFY(QFile::link(outside() + "/precious.txt", root() + "/linked.dat"));
        // A FIFO where a file belongs: never read (it would block), replaced.
        QCOMPARE(::mkfifo(QFile::encodeName(root() + "/fifo.dat").constData(), 0600), 0);
        // A leftover staging file that links outside: removed, never written through.
        QVERIFY(QFile::link(outside() + "/staging-target.txt", root() + "/staged.dat.part"));
        // A folder the user linked elsewhere (another disk, say): followed, as the user arranged.
        QVERIFY(QDir().mkpath(outside() + "/data"));
        QVERIFY(QFile::link(outside() + "/data", root() + "/data"));

        auto m = model();
        awaitTask(m->patch());
        QCOMPARE(m->install(), InstallState::ready());
        QCOMPARE(readText(outside() + "/precious.txt"), QStringLiteral("keep me"));
        QCOMPARE(readText(outside() + "/staging-target.txt"), QStringLiteral("keep me too"));
        QVERIFY(!QFileInfo(root() + "/linked.dat").isSymLink());
        QCOMPARE(readBytes(root() + "/linked.dat"), content);
        QCOMPARE(readBytes(root() + "/fifo.dat"), content);
        QCOMPARE(readBytes(root() + "/staged.dat"), content);
        QVERIFY(!QFileInfo::exists(root() + "/staged.dat.part"));
        QCOMPARE(readBytes(outside() + "/data/in-linked-folder.dat"), content);
    }

    void stagingFolderInTheWayFailsWithoutTouchingTheFile()
    {
        const QByteArray content = bytesOf(4000, 'p');
        publish({site.add("p.dat", content)});
        writeFile(root() + "/p.dat", "old");
        writeFile(root() + "/p.dat.part/inside.txt", "someone's folder");
        auto m = model();
        awaitTask(m->patch());
        QCOMPARE(m->install().kind, InstallState::Failed);
        QVERIFY(m->install().message.contains("p.dat.part"));
        QCOMPARE(readText(root() + "/p.dat"), QStringLiteral("old"));
        QCOMPARE(readText(root() + "/p.dat.part/inside.txt"), QStringLiteral("someone's folder"));
    }

    void fullDiskAndReadOnlyFolder_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("disk fills up mid-update") << "fills";
        QTest::newRow("read-only install folder") << "readonly";
    }
    void fullDiskAndReadOnlyFolder()
    {
        QFETCH(QString, mode);
        if (QProcess::execute("unshare", {"-m", "true"}) != 0)
            QSKIP("no private mount namespaces here");
        QList<ManifestEntry> entries;
        for (int i = 0; i < 6; ++i) {
            entries.append(site.add(QStringLiteral("big%1.dat").arg(i), bytesOf(1'000'000, char('0' + i))));
            Standin::Fault slow;
            slow.delayMs = 600;
            if (mode == "fills")
                site.server().http().setFault(QStringLiteral("/files/big%1.dat").arg(i).toUtf8(), slow);
        }
        publish(entries);
        const QString mount = work.path() + "/small";
        QDir().mkpath(mount);
        // Old content of every file, then an 8 MB file system that another program fills while
        // the downloads are on their way (after the space check has passed).
        const QString script = mode == "fills"
            ? QStringLiteral("mount -t tmpfs -o size=8m tmpfs '%1' && mkdir -p '%1/game' '%1/cache' && "
                             "for i in 0 1 2 3 4 5; do printf old > '%1/game/big'$i.dat; done && "
                             "(sleep 0.3; head -c 7500000 /dev/zero > '%1/filler' 2>/dev/null) & "
                             "XDG_CACHE_HOME='%1/cache' '%2' update '%3' '%1/game'; echo \"exit=$?\"; wait; rm -f '%1/filler'; "
                             "cd '%1/game' && for f in *; do printf '%s %s\\n' \"$f\" \"$(sha256sum < \"$f\" | cut -c1-64)\"; done")
            : QStringLiteral("mount -t tmpfs -o size=20m tmpfs '%1' && mkdir -p '%1/game' && "
                             "for i in 0 1 2 3 4 5; do printf old > '%1/game/big'$i.dat; done && mount -o remount,ro '%1' && "
                             "'%2' update '%3' '%1/game'; echo \"exit=$?\"; "
                             "cd '%1/game' && for f in *; do printf '%s %s\\n' \"$f\" \"$(sha256sum < \"$f\" | cut -c1-64)\"; done");
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start("unshare", {"-m", "sh", "-c",
                              script.arg(mount, QStringLiteral(VANTOREL_PATCH_BIN), site.server().origin() + "/release/manifest.json")});
        QVERIFY(run.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(run.state() == QProcess::NotRunning, 120000);
        const QString output = QString::fromUtf8(run.readAll());
        QVERIFY2(output.contains("exit=1"), qPrintable(output));
        QVERIFY2(output.contains(mode == "fills" ? "No space left on device" : "Read-only file system"), qPrintable(output));
        // Every file under its final name is whole: its old content or its new one.
        const QString oldDigest = PatchSite::sha256("old");
        for (int i = 0; i < 6; ++i) {
            const QRegularExpression line(QStringLiteral("^big%1\\.dat ([0-9a-f]{64})$").arg(i), QRegularExpression::MultilineOption);
            const auto match = line.match(output);
            QVERIFY2(match.hasMatch(), qPrintable(output));
            QVERIFY2(match.captured(1) == oldDigest || match.captured(1) == entries.at(i).sha256, qPrintable(output));
        }
    }

    // A run that cannot fit is refused before any download, with what it needs and what is free.
    void tooSmallDiskIsRefusedUpFront()
    {
        if (QProcess::execute("unshare", {"-m", "true"}) != 0)
            QSKIP("no private mount namespaces here");
        QList<ManifestEntry> entries;
        for (int i = 0; i < 6; ++i)
            entries.append(site.add(QStringLiteral("big%1.dat").arg(i), bytesOf(1'000'000, char('0' + i))));
        publish(entries);
        site.server().clearRequests();
        const QString mount = work.path() + "/tiny";
        QDir().mkpath(mount);
        const QString script = QStringLiteral(
            "mount -t tmpfs -o size=3m tmpfs '%1' && mkdir -p '%1/game' '%1/cache' && "
            "XDG_CACHE_HOME='%1/cache' '%2' update '%3' '%1/game'; echo \"exit=$?\"; find '%1' -type f | wc -l");
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start("unshare", {"-m", "sh", "-c",
                              script.arg(mount, QStringLiteral(VANTOREL_PATCH_BIN), site.server().origin() + "/release/manifest.json")});
        QVERIFY(run.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(run.state() == QProcess::NotRunning, 60000);
        const QString output = QString::fromUtf8(run.readAll());
        QVERIFY2(output.contains("exit=1"), qPrintable(output));
        const QRegularExpression message(QStringLiteral("vantorel-patch: There isn't enough free space for this update in ")
                                         + QRegularExpression::escape(mount) + QStringLiteral("/game: it needs 6\\.0 MB and "
                                         "3\\.\\d MB is free\\. Free up some space, then try again\\.\\n"));
        QVERIFY2(message.match(output).hasMatch(), qPrintable(output));
        QCOMPARE(output.trimmed().split('\n').last().trimmed(), QStringLiteral("0"));  // nothing written
        for (const auto &request : site.server().requests())
            QVERIFY2(!request.path.startsWith("/files/"), request.path.constData());
    }

    // ---- crashes: a killed update leaves whole files, and the next run repairs the rest ----

    void killedUpdateLeavesWholeFiles_data()
    {
        QTest::addColumn<int>("killAfterMs");
        QTest::addColumn<QByteArray>("killInBatch");  // where the first batch of small files dies instead ("power cut": traced)
        QTest::addColumn<int>("renamedAtKill");  // renames of the run when it died; -2: every one of the cut batch
        for (int ms : {30, 80, 150, 250, 400, 600, 900})
            QTest::newRow(qPrintable(QStringLiteral("%1 ms").arg(ms))) << ms << QByteArray() << -1;
        QTest::newRow("batch synced, nothing renamed") << -1 << QByteArray("synced") << 0;
        QTest::newRow("batch cut after its first rename") << -1 << QByteArray("renamed:1") << 1;
        QTest::newRow("batch cut half-way through its renames") << -1 << QByteArray("renamed:128") << 128;
        QTest::newRow("batch renamed, folders not flushed") << -1 << QByteArray("renamed") << -2;
        QTest::newRow("power cut after the run, new folders of a large file") << -1 << QByteArray("power cut") << -1;
    }
    void killedUpdateLeavesWholeFiles()
    {
        QFETCH(int, killAfterMs);
        QFETCH(QByteArray, killInBatch);
        QFETCH(int, renamedAtKill);
        const bool powerCut = killInBatch == "power cut";
        QList<ManifestEntry> entries;
        if (powerCut)  // a file for the one-by-one path, in folders the run makes
            entries.append(site.add("maps/new/deep/big.pak", bytesOf(700'000, 'm')));
        for (int i = 0; i < 10; ++i) {
            entries.append(site.add(QStringLiteral("pak/%1.pak").arg(i), bytesOf(400'000 + i * 150'000, char('A' + i))));
            Standin::Fault slow;
            slow.delayMs = 40 * i;
            site.server().http().setFault(QStringLiteral("/files/pak/%1.pak").arg(i).toUtf8(), slow);
        }
        // Small files go into place in batches of 256; every third has an old version.
        QHash<QString, QByteArray> old;
        QStringList small;
        for (int i = 0; i < 300; ++i) {
            small.append(QStringLiteral("ui/%1/s%2.cfg").arg(i % 7).arg(i));
            entries.append(site.add(small.last(), QByteArray::number(i).repeated(200 + i)));
            if (i % 3 == 0) {
                old.insert(small.last(), "old " + QByteArray::number(i));
                writeFile(root() + '/' + small.last(), old.value(small.last()));
            }
        }
        publish(entries);
        for (int i = 0; i < 10; i += 2) {
            const QString path = QStringLiteral("pak/%1.pak").arg(i);
            old.insert(path, bytesOf(300'000, char('a' + i)));
            writeFile(root() + '/' + path, old.value(path));
        }
        const QStringList args{"update", site.server().origin() + "/release/manifest.json", root()};
        QProcess patcher;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!killInBatch.isEmpty() && !powerCut)
            env.insert("VANTOREL_KILL_IN_BATCH", QString::fromLatin1(killInBatch));
        patcher.setProcessEnvironment(env);
        const QStringList traced{"-ff", "-qq", "-y", "-s", "4096", "-e", "trace=mkdir,mkdirat,fsync", "-o", work.path() + "/run.trace",
                                 VANTOREL_PATCH_BIN};
        patcher.start(powerCut ? "strace" : VANTOREL_PATCH_BIN, powerCut ? traced + args : args);
        QVERIFY(patcher.waitForStarted());
        if (killAfterMs >= 0) {
            QTest::qWait(killAfterMs);
            patcher.kill();
        }
        QTRY_VERIFY_WITH_TIMEOUT(patcher.state() == QProcess::NotRunning, 60000);
        if (powerCut) {
            // Only what was flushed outlives a power cut: each folder the run made is named in a flushed parent.
            QStringList made, flushed;
            for (const QFileInfo &file : QDir(work.path()).entryInfoList({"run.trace.*"}, QDir::Files))
                for (const QString &call : readText(file.filePath()).split('\n', Qt::SkipEmptyParts)) {
                    if (call.startsWith("mkdir") && call.endsWith(" = 0"))
                        made.append(call.section('"', 1, 1));
                    if (call.startsWith("fsync(") && call.endsWith(" = 0"))
                        flushed.append(call.section('<', 1).section(">)", 0, 0));
                }
            QVERIFY(made.contains(root() + "/maps/new/deep"));
            for (const QString &folder : std::as_const(made))
                QVERIFY2(!folder.startsWith(root() + '/') || flushed.contains(QFileInfo(folder).absolutePath()), qPrintable(folder));
        }
        if (renamedAtKill != -1) {
            QCOMPARE(patcher.exitStatus(), QProcess::CrashExit);
            // A batch flushes when full or when it has waited long enough, so under load the cut one
            // may be smaller than 256: the patcher's last words say which it was.
            const QString words = QString::fromUtf8(patcher.readAllStandardError());
            const auto cut = QRegularExpression(QStringLiteral("killed after (\\d+) renames, (\\d+) of a batch of (\\d+)")).match(words);
            QVERIFY2(cut.hasMatch(), qPrintable(words));
            const int runRenames = cut.captured(1).toInt(), inBatch = cut.captured(2).toInt(), batch = cut.captured(3).toInt();
            if (renamedAtKill == -2)
                QCOMPARE(inBatch, batch);
            else
                QCOMPARE(runRenames, renamedAtKill);
            // The batch was cut where asked: so many small files new, the rest of it still staged.
            int renamed = 0, staged = 0;
            for (const ManifestEntry &entry : entries) {
                if (!small.contains(entry.path))
                    continue;
                const QString file = root() + '/' + entry.path;
                renamed += QFileInfo::exists(file) && PatchSite::sha256(readBytes(file)) == entry.sha256;
                staged += QFileInfo::exists(file + ".part");
            }
            QCOMPARE(renamed, runRenames);
            // Later small files may be staged too, waiting for the next batch.
            QVERIFY2(staged >= batch - inBatch && renamed + staged <= small.size(), qPrintable(QString::number(staged)));
        }

        for (const ManifestEntry &entry : entries) {
            const QString file = root() + '/' + entry.path;
            if (!QFileInfo::exists(file)) {
                QVERIFY2(!old.contains(entry.path), qPrintable(entry.path + " lost its old content"));
                continue;
            }
            const QString digest = PatchSite::sha256(readBytes(file));
            QVERIFY2(digest == entry.sha256 || (old.contains(entry.path) && digest == PatchSite::sha256(old.value(entry.path))),
                     qPrintable(entry.path + " is neither old nor new"));
        }
        QProcess again;
        again.start(QStringLiteral(VANTOREL_PATCH_BIN), args);
        QTRY_VERIFY_WITH_TIMEOUT(again.state() == QProcess::NotRunning, 60000);
        QCOMPARE(again.exitCode(), 0);
        for (const ManifestEntry &entry : entries)
            QCOMPARE(PatchSite::sha256(readBytes(root() + '/' + entry.path)), entry.sha256);
        for (const QString &file : filesUnder(root()))
            QVERIFY2(!file.endsWith(".part"), qPrintable(file));
    }

    // ---- secrets reach the secret store and nowhere else ----

    void secretsStayInTheSecretStore()
    {
        const QByteArray password = "PASSWORD-SENTINEL-91c2";
        const QByteArray code = "CODE-SENTINEL-55e1";
        const QByteArray token = "TOKEN-SENTINEL-7f3a";
        site.server().setRoute("/login", [](const Standin::Request &) {
            return Standin::Response::json(401, R"({"mfaRequired":true,"method":"totp"})");
        });
        site.server().setRoute("/mfa/verify", [&](const Standin::Request &) {
            return Standin::Response::json(200, "{\"token\":\"" + token + "\",\"station_id\":5}");
        });
        static QStringList messages;
        messages.clear();
        const auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
            messages.append(text);
        });
        {
            auto m = model();
            awaitTask(m->signIn("secret@example.com", QString::fromLatin1(password)));
            awaitTask(m->submitCode(QString::fromLatin1(code)));
            QCOMPARE(m->screen(), Screen::main());
            QCOMPARE(awaitTask(Keychain::load())->token, QString::fromLatin1(token));
        }
        {
            auto m = model();
            awaitTask(m->start());  // validates the saved session
            QTest::qWait(200);
        }
        qInstallMessageHandler(previous);
        Log::flush();
        LauncherConfig::load();  // the configuration file is part of the profile scanned below
        const QByteArrayList sentinels{password, code, token};
        for (const QString &line : std::as_const(messages))
            for (const QByteArray &s : sentinels)
                QVERIFY2(!line.contains(QString::fromLatin1(s)), qPrintable(line));
        QDirIterator it(profile.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        int scanned = 0;
        while (it.hasNext()) {
            const QString file = it.next();
            const QByteArray bytes = readBytes(file);
            ++scanned;
            for (const QByteArray &s : sentinels)
                QVERIFY2(!bytes.contains(s), qPrintable(file));
        }
        QVERIFY(scanned >= 2);  // the log and the configuration at least
        QVERIFY(site.server().requestsTo("/session/validate").first().header("Authorization").endsWith(token));
        awaitTask(Keychain::clear());
    }

    // ---- load ----

    void manySmallFilesKeepHandlesFlat()
    {
        QList<ManifestEntry> entries;
        for (int i = 0; i < 2000; ++i)
            entries.append(site.add(QStringLiteral("small/%1/%2.txt").arg(i % 40).arg(i), QByteArray::number(i).repeated(7)));
        const auto openHandles = [] { return QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size(); };
        const qsizetype before = openHandles();
        qsizetype peak = before;
        const Patcher::PhaseProgress watch = [&](const PatchPhase &) { peak = qMax(peak, openHandles()); };
        awaitTask(Patcher::apply(entries, root(), watch));
        QCOMPARE(filesUnder(root()).size(), 2000);
        QVERIFY2(peak - before < 64, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(peak)));
        QTRY_VERIFY(openHandles() - before < 8);
    }
};

QTEST_GUILESS_MAIN(TestResilience)
#include "tst_resilience.moc"
