#include "auth/keychain.h"
#include "core/app_model.h"
#include "patch/patcher.h"
#include "support/await_task.h"
#include "support/log.h"
#include "support/patch_site.h"
#include "support/quick_helpers.h"
#include "support/open_model.h"
#include "support/paths.h"
#include "support/test_ca.h"
#include "support/test_profile.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

static TestProfile profile;

// The model's install check, update run and home feed against a stand-in on loopback.
class TestUpdateFlow : public QObject {
    Q_OBJECT
    PatchSite site;
    QTemporaryDir install;
    QList<ManifestEntry> entries;

    void publish(const QList<ManifestEntry> &files)
    {
        entries = files;
        writeFile(site.folder() + "/release/manifest.json", Manifest{files}.encoded());
    }
    TestModel<AppModel> model(const QString &patchOrigin = {})
    {
        LauncherConfig config;
        config.installPath = install.path() + "/game";
        config.manifestBase = (patchOrigin.isEmpty() ? site.server().origin() : patchOrigin) + "/";
        config.authUrl = QStringLiteral("http://127.0.0.1:1");
        const Origins origins{config.authUrl, site.server().origin(), QStringLiteral("http://127.0.0.1:1")};
        return makeModel<AppModel>(config, origins);
    }
    QString game(const QString &path) const { return install.path() + "/game/" + path; }
    static QString logText()
    {
        Log::flush();
        return readText(Log::file());
    }
    // Records install and phase values in the order they are set.
    static std::shared_ptr<QStringList> record(AppModel &m)
    {
        auto seen = std::make_shared<QStringList>();
        QObject::connect(&m, &AppModel::installChanged, [seen, &m] { seen->append(describe(m.install())); });
        QObject::connect(&m, &AppModel::phaseChanged, [seen, &m] { seen->append(m.phase() ? describe(*m.phase()) : "none"); });
        return seen;
    }
private slots:
    void initTestCase()
    {
        Patcher::timing().retryWaitScale = 0.05;
        awaitTask(Keychain::clear());
    }
    void init()
    {
        QDir(install.path()).removeRecursively();
        QFile::remove(Paths::launcherDir() + "/preferences.json");
        QDir().mkpath(install.path());
        site.server().http().clearFaults();
        site.server().clearRequests();
        publish({site.add("bin/game.dat", bytesOf(100'000, 'g')), site.add("data/a.pak", bytesOf(30'000, 'a')),
                 site.add("login.cfg", "user=1")});
    }

    void checkInstallStates_data()
    {
        QTest::addColumn<QStringList>("present");   // files put in place with the right content ("link:" linked to, "folder:" a folder)
        QTest::addColumn<bool>("nestedOwned");      // the manifest also lists Data/sub/login.cfg
        QTest::addColumn<bool>("automatic");        // "automatic_updates" in preferences.json
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("after");         // once whatever the check started is over
        QTest::newRow("empty folder") << QStringList() << false << false << "notInstalled(130000)" << "notInstalled(130000)";
        QTest::newRow("owned file present") << QStringList{"login.cfg"} << false << false << "notInstalled(130000)" << "notInstalled(130000)";
        QTest::newRow("one of two missing") << QStringList{"bin/game.dat"} << false << false << "updateAvailable(1,30000)" << "updateAvailable(1,30000)";
        QTest::newRow("complete") << QStringList{"bin/game.dat", "data/a.pak"} << false << false << "ready" << "ready";
        // A nested "login.cfg" is launcher-owned too: left out of the diff and of the count.
        QTest::newRow("nested owned file is left out") << QStringList() << true << false << "notInstalled(130000)" << "notInstalled(130000)";
        // Switched on, an update starts by itself; a whole install still waits for the player.
        QTest::newRow("automatic: update") << QStringList{"bin/game.dat"} << false << true << "updateAvailable(1,30000)" << "ready";
        QTest::newRow("automatic: not installed") << QStringList() << false << true << "notInstalled(130000)" << "notInstalled(130000)";
        QTest::newRow("automatic: complete") << QStringList{"bin/game.dat", "data/a.pak"} << false << true << "ready" << "ready";
        // The quick check and the verification judge a file alike: a link or a folder is not the file.
        QTest::newRow("automatic: linked file") << QStringList{"link:bin/game.dat", "data/a.pak"} << false << true << "updateAvailable(1,100000)" << "ready";
        QTest::newRow("automatic: empty folder in a file's place") << QStringList{"folder:bin/game.dat", "data/a.pak"} << false << true << "updateAvailable(1,100000)" << "ready";
        QTest::newRow("automatic: folder with something in it in a file's place") << QStringList{"folder:bin/game.dat/saves", "data/a.pak"} << false << true
                                                                                  << "updateAvailable(1,100000)" << "failed(Couldn't replace \"GAME/bin/game.dat\": Directory not empty)";
    }
    void checkInstallStates()
    {
        QFETCH(QStringList, present);
        QFETCH(bool, nestedOwned);
        QFETCH(bool, automatic);
        QFETCH(QString, expected);
        QFETCH(QString, after);
        if (nestedOwned)
            publish(entries + QList<ManifestEntry>{site.add("Data/sub/login.cfg", "x")});
        for (const QString &entry : present) {
            const QString kind = entry.section(':', -2, -2), path = entry.section(':', -1);
            if (kind == "folder")
                QVERIFY(QDir().mkpath(game(path)));
            else
                writeFile(game(path), readBytes(site.folder() + "/files/" + path));
            if (kind == "link")
                QVERIFY(QFile::rename(game(path), game("../elsewhere")) && QFile::link(game("../elsewhere"), game(path)));
        }
        writeFile(Paths::launcherDir() + "/preferences.json", automatic ? R"({"automatic_updates": true})" : "{}");
        Log::flush();
        QFile::remove(Log::file());
        auto m = model();
        QCOMPARE(m->automaticUpdates(), automatic);
        const auto seen = record(*m);
        awaitTask(m->checkInstall());
        seen->removeAll("checking");
        QCOMPARE(seen->value(0), expected);
        const QString line = QStringLiteral("[INFO] check: update available; updating automatically\n");
        QTRY_COMPARE(logText().contains(line), expected != after);
        QTRY_COMPARE(describe(m->install()).replace(game(""), "GAME/"), after);
        // A run ends with a check of its own, and that one starts nothing more.
        QCOMPARE(site.server().requestsTo("/release/manifest.json").size(), expected == after ? 1 : after.startsWith("failed") ? 2 : 3);
    }

    void singleDifferingFileIsNotInstalledAndEmptyManifestIsReady()
    {
        publish({site.add("only.dat", "12345")});
        auto m = model();
        awaitTask(m->checkInstall());
        QCOMPARE(m->install(), InstallState::notInstalled(5));
        publish({});
        awaitTask(m->checkInstall());
        QCOMPARE(m->install(), InstallState::ready());
    }

    // Whatever keeps the list from arriving whole ends as the server being out of reach.
    void unreachablePatchServer_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("503 every time") << "503";
        QTest::newRow("larger than any list, with its length") << "huge";
        QTest::newRow("larger than any list, no length") << "endless";
        QTest::newRow("one byte at a time past the deadline") << "trickle";
        QTest::newRow("a captive portal's page, 200") << "portal";
        QTest::newRow("https, another host's certificate") << "other-name";
        QTest::newRow("https, expired certificate") << "expired";
        QTest::newRow("https, unknown authority") << "unknown-ca";
    }
    void unreachablePatchServer()
    {
        QFETCH(QString, how);
        Standin::Fault fault;
        fault.status = how == "503" ? 503 : 0;
        fault.noLength = how == "endless";
        fault.trickleMs = how == "trickle" ? 100 : 0;
        // A valid list, made larger than any list could be by white space after it.
        fault.hasBody = how == "huge" || how == "endless";
        if (fault.hasBody)
            fault.body = Manifest{entries}.encoded() + QByteArray(129 << 20, ' ');
        if (how == "portal") {
            fault.hasBody = true;
            fault.body = QByteArray("<!DOCTYPE html><html><head><title>Wi-Fi sign-in</title></head><body><form>Accept the terms</form></body></html>");
        }
        site.server().http().setFault("/release/manifest.json", fault);
        const QHash<QString, TestCa::Kind> kinds{{"other-name", TestCa::Kind::OtherName},
                                                 {"expired", TestCa::Kind::Expired},
                                                 {"unknown-ca", TestCa::Kind::UnknownCa}};
        Standin::Service tlsSite(site.folder());
        if (kinds.contains(how)) {
            QVERIFY2(TestCa::available(), "TLS cases run under scripts/with-test-ca");
            tlsSite.enableTls(TestCa::serverConfiguration(kinds.value(how)));
            QVERIFY(tlsSite.listen());
        }
        const int deadline = std::exchange(Patcher::timing().manifestDeadlineMs, 600);
        auto m = model(kinds.contains(how) ? tlsSite.origin() : QString());
        awaitTask(m->checkInstall());
        Patcher::timing().manifestDeadlineMs = deadline;
        const QString message = QStringLiteral("Can't reach the patch server. Check your connection and try again.");
        QCOMPARE(m->install(), InstallState::failed(message));
        QVERIFY(logText().contains("[WARN] check: " + message + "\n"));
        if (kinds.contains(how)) {
            // Nothing was asked of a server that could not prove who it is; the log says why.
            QCOMPARE(tlsSite.requests().size(), 0);
            QVERIFY(logText().contains("[WARN] tls: 127.0.0.1:" + QString::number(tlsSite.http().port()) + ": "));
            QVERIFY(!QFile::exists(install.path() + "/game/bin/game.dat"));
            return;
        }
        QCOMPARE(site.server().requestsTo("/release/manifest.json").size(), 5);
    }

    // The quick check refuses what the update would refuse, with the update's own message, in the
    // log and on the game panel (the check's work runs on another thread).
    void checkRefusesUnsafeAndCollidingManifests_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("named");
        QTest::newRow("traversal") << QStringList{"ok.dat", "../outside.dat"} << "../outside.dat";
        QTest::newRow("line feed") << QStringList{"a\n[INFO] patch: complete"} << "a\n[INFO] patch: complete";
        QTest::newRow("duplicate path") << QStringList{"same.dat", "same.dat"} << "same.dat";
        QTest::newRow("file and folder") << QStringList{"data", "data/inner.dat"} << "data";
        QTest::newRow("staging name") << QStringList{"x.dat", "x.dat.part"} << "x.dat.part";
        QTest::newRow("the folder's lock file") << QStringList{"x.dat", ".Vantorel-Update.LOCK"} << ".Vantorel-Update.LOCK";
        // One file on a folder that ignores letter case or Unicode normalisation.
        QTest::newRow("letter case") << QStringList{"Data/Map.pak", "data/map.PAK"} << "data/map.PAK";
        QTest::newRow("unicode normalisation") << QStringList{QStringLiteral("caf\u00e9.dat"), QStringLiteral("cafe\u0301.dat")} << QStringLiteral("cafe\u0301.dat");
        QTest::newRow("file and folder, letter case") << QStringList{"Data", "data/inner.dat"} << "Data";
        QTest::newRow("staging name, letter case") << QStringList{"x.dat", "X.DAT.part"} << "X.DAT.part";
        QTest::newRow("inside a folder named like the lock file") << QStringList{".vantorel-update.lock/x.dat"} << ".vantorel-update.lock/x.dat";
    }
    void checkRefusesUnsafeAndCollidingManifests()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, named);
        QList<ManifestEntry> files;
        for (const QString &path : paths)
            files.append(ManifestEntry{path, PatchSite::sha256("x"), 1, site.server().origin() + "/files/x", {}});
        publish(files);
        auto m = model();
        awaitTask(m->checkInstall());
        const QString message = QStringLiteral("The patch list has an unsafe file path (") + named
            + QStringLiteral("). Nothing was written. Report this to the Vantorel team.");
        QCOMPARE(m->install(), InstallState::failed(message));
        QCOMPARE(m->panel().value("detail").toString(), message);
        QString logged = message;
        logged.replace('\n', QStringLiteral("\\n"));
        QVERIFY(logText().contains("[WARN] check: " + logged + "\n"));
    }

    // A check that ends while a run is going on leaves the run's state alone, and a check asked
    // for during a run does nothing: only the run's own final check writes the result.
    void checksNeverOverwriteARunningUpdate()
    {
        Standin::Fault slow;
        slow.delayMs = 400;
        site.server().http().setFault("/release/manifest.json", slow);
        auto m = model();
        auto check = m->checkInstall();
        QCOMPARE(m->install(), InstallState::checking());
        const auto seen = record(*m);
        auto run = m->patch();
        QCOMPARE(m->install(), InstallState::working());
        awaitTask(m->checkInstall());  // refused at once
        awaitTask(std::move(check));
        QCOMPARE(m->install(), InstallState::working());
        awaitTask(std::move(run));
        QCOMPARE(m->install(), InstallState::ready());
        QStringList installs;
        for (const QString &state : *seen)
            if (!state.startsWith("verifying") && !state.startsWith("downloading"))
                installs.append(state);
        QCOMPARE(installs, (QStringList{"working", "finishing", "none", "checking", "ready"}));
        QCOMPARE(site.server().requestsTo("/release/manifest.json").size(), 3);  // check, run, run's check
    }

    void updateRunFromNothingToReady()
    {
        auto m = model();
        awaitTask(m->checkInstall());
        const auto seen = record(*m);
        awaitTask(m->patch());
        QCOMPARE(m->install(), InstallState::ready());
        QVERIFY(!m->phase());
        // working, verifying from (0,0) up, downloading..., finishing, none, checking, ready
        QCOMPARE(seen->first(), QStringLiteral("working"));
        QCOMPARE(seen->at(1), QStringLiteral("verifying(0,0)"));
        const qsizetype finishing = seen->indexOf("finishing");
        QVERIFY(finishing > 2);
        QCOMPARE(seen->mid(finishing), (QStringList{"finishing", "none", "checking", "ready"}));
        QVERIFY(seen->mid(2, finishing - 2).join(',').contains("downloading"));
        QCOMPARE(readBytes(game("bin/game.dat")), readBytes(site.folder() + "/files/bin/game.dat"));
        QVERIFY(!QFile::exists(game("login.cfg")));  // launcher-owned, never fetched
        const QString log = logText();
        QVERIFY(log.contains("[INFO] patch: manifest has 3 files\n"));
        QVERIFY(log.contains("[INFO] patch: 2 files to download\n"));
        QVERIFY(log.contains("[INFO] patch: complete\n"));
    }

    void secondPatchWhileRunningChangesNothing()
    {
        auto m = model();
        auto first = m->patch();
        QCOMPARE(m->install(), InstallState::working());
        const auto seen = record(*m);
        awaitTask(m->patch());
        QVERIFY(seen->isEmpty());
        awaitTask(std::move(first));
        QCOMPARE(m->install(), InstallState::ready());
    }

    void damagedFileFoundOnlyByTheFullCheck()
    {
        auto m = model();
        awaitTask(m->patch());
        QByteArray damaged = readBytes(game("data/a.pak"));
        damaged[100] = char(damaged[100] ^ 0xff);
        writeFile(game("data/a.pak"), damaged);
        awaitTask(m->checkInstall());
        QCOMPARE(m->install(), InstallState::ready());  // same size: the quick check cannot tell
        QCOMPARE(readBytes(game("data/a.pak")), damaged);
        awaitTask(m->patch());
        QCOMPARE(readBytes(game("data/a.pak")), readBytes(site.folder() + "/files/data/a.pak"));
        QVERIFY(logText().contains("[INFO] patch: 1 files to download\n"));
    }

    void nothingToDownload()
    {
        auto m = model();
        awaitTask(m->patch());
        const auto seen = record(*m);
        awaitTask(m->patch());
        QVERIFY(!seen->join(',').contains("downloading"));
        QVERIFY(!seen->contains("finishing"));
        QVERIFY(logText().contains("[INFO] patch: 0 files to download\n"));
        QCOMPARE(m->install(), InstallState::ready());
    }

    void failedRunThenCheck()
    {
        Standin::Fault gone;
        gone.status = 404;
        site.server().http().setFault("/files/data/a.pak", gone);
        auto m = model();
        awaitTask(m->patch());
        const QString message = QStringLiteral("The download server returned HTTP 404. Try again later.");
        QCOMPARE(m->install(), InstallState::failed(message));
        QVERIFY(!m->phase());
        QVERIFY(logText().contains("[WARN] patch failed: " + message + "\n"));
        QVERIFY(logText().contains("[WARN] patch: data/a.pak failed (attempt 5/5): " + message + "\n"));
        site.server().http().clearFaults();
        awaitTask(m->checkInstall());
        QCOMPARE(m->install(), InstallState::updateAvailable(1, 30'000));
    }

    void homeFeed_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("feed");         // empty: no feed at all
        QTest::addColumn<QStringList>("headlines");   // of the slides afterwards
        QTest::addColumn<QStringList>("requested");   // picture paths, in order
        QTest::addColumn<int>("shown");               // pictures kept
        QTest::addColumn<qint64>("padding");          // bytes after the end of /p/2.png
        const QByteArray three = R"({"hero":[{"image":"/p/1.png","headline":"One","sub":"s"},)"
                                 R"({"image":"/p/2.png","headline":"Two","sub":null},{"image":"/p/1.png","headline":"Again"}]})";
        const QStringList both{"/p/1.png", "/p/2.png"}, fallback{"/previews/vantorel-099.jpg"};
        QTest::newRow("three slides, one picture twice") << 200 << three << QStringList{"One", "Two", "Again"} << both << 2 << 0LL;
        QTest::newRow("500 with a valid body") << 500 << three << QStringList{"One", "Two", "Again"} << both << 2 << 0LL;
        QTest::newRow("empty hero keeps the fallback") << 200 << QByteArray(R"({"hero":[]})") << QStringList{""} << fallback << 1 << 0LL;
        QTest::newRow("second slide without headline") << 200 << QByteArray(R"({"hero":[{"image":"/p/1.png","headline":"One"},{"image":"/p/2.png"}]})")
                                                       << QStringList{""} << fallback << 1 << 0LL;
        QTest::newRow("no feed") << 404 << QByteArray() << QStringList{""} << fallback << 1 << 0LL;
        QTest::newRow("a captive portal's page, 200") << 200 << QByteArray("<!DOCTYPE html><html><head><title>Wi-Fi sign-in</title></head><body><form>Accept the terms</form></body></html>") << QStringList{""} << fallback << 1 << 0LL;
        // Answers too large for what they are, however valid, are not read to the end.
        QTest::newRow("feed larger than any feed") << 200 << three + QByteArray(5 << 20, ' ') << QStringList{""} << fallback << 1 << 0LL;
        QTest::newRow("picture larger than any picture") << 200 << three << QStringList{"One", "Two", "Again"} << both << 1 << (33LL << 20);
        // However many pictures the feed names and however large: a few panes' worth are kept.
        QByteArray forty = R"({"hero":[)";
        QStringList ten, big;
        for (int i = 0; i < 40; ++i) {
            forty += "{\"image\":\"/p/big" + QByteArray::number(i) + ".png\",\"headline\":\"" + QByteArray::number(i) + "\"}" + (i < 39 ? "," : "]}");
            if (i < 10)
                ten.append(QString::number(i)), big.append(QStringLiteral("/p/big%1.png").arg(i));
        }
        QTest::newRow("forty large pictures") << 200 << forty << ten << big << 10 << 0LL;
    }
    void homeFeed()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, feed);
        QFETCH(QStringList, headlines);
        QFETCH(QStringList, requested);
        QFETCH(int, shown);
        QFETCH(qint64, padding);
        // Larger than the pane in both directions, or too wide to shrink to it.
        static const QByteArray big[2] = {gradientPng(Qt::red, Qt::blue, 4000, 4000), gradientPng(Qt::red, Qt::blue, 8000, 700)};
        for (int i = 0; feed.contains("big") && i < 40; ++i)
            writeFile(site.folder() + QStringLiteral("/p/big%1.png").arg(i), big[i % 2]);
        writeFile(site.folder() + "/p/1.png", gradientPng(Qt::red, Qt::red, 8, 4));
        // Readers stop at the picture's end: what follows only makes the answer larger.
        writeFile(site.folder() + "/p/2.png", gradientPng(Qt::blue, Qt::blue, 8, 4) + QByteArray(padding, '\0'));
        writeFile(site.folder() + "/previews/vantorel-099.jpg", gradientPng(Qt::green, Qt::green, 8, 4));
        QFile::remove(site.folder() + "/launcher/home.json");
        if (!feed.isEmpty())
            writeFile(site.folder() + "/launcher/home.json", feed);
        Standin::Fault fault;
        fault.status = status != 200 ? status : 0;
        // Sent as it stands: the stand-in would otherwise write the feed anew.
        fault.hasBody = feed.size() > (1 << 20);
        fault.body = feed;
        if (fault.status || fault.hasBody)
            site.server().http().setFault("/launcher/home.json", fault);
        awaitTask(Keychain::clear());
        auto m = model();
        const QSize pane(1000, 1000);
        m->setPictureSize(pane);
        awaitTask(m->start());
        QTRY_COMPARE(site.server().requestsTo("/launcher/home.json").size(), 1);
        const auto pictures = [&] {
            QStringList out;
            for (const auto &r : site.server().requests())
                if (r.path != "/launcher/home.json")
                    out.append(QString::fromUtf8(r.path));
            return out;
        };
        QTRY_COMPARE(pictures(), requested);
        QTRY_COMPARE(m->images().size(), shown);
        if (shown < requested.size()) {
            QTest::qWait(500);
            QCOMPARE(m->images().size(), shown);
        }
        QStringList seen;
        for (const HeroSlide &slide : m->slides())
            seen.append(slide.headline);
        QCOMPARE(seen, headlines);
        qint64 bytes = 0;
        for (const QImage &image : m->images()) {
            bytes += image.sizeInBytes();
            QVERIFY(image.width() <= pane.width() || image.height() <= pane.height());  // no more than covers the pane
        }
        QVERIFY(bytes <= AppModel::picturesMaxBytes);
        const auto feedRequest = site.server().requestsTo("/launcher/home.json").first();
        QCOMPARE(feedRequest.header("User-Agent").size(), 97);

        // A second start asks for the feed again but never for a stored picture.
        site.server().clearRequests();
        awaitTask(m->start());
        QTRY_COMPARE(site.server().requestsTo("/launcher/home.json").size(), 1);
        QTest::qWait(100);
        QCOMPARE(pictures(), shown < requested.size() ? QStringList{"/p/2.png"} : QStringList());
        // The refused picture is being asked for again: that load ends before its model goes.
        if (shown < requested.size())
            QTest::qWait(300);
    }

    void brokenPictureAddressesAreSkipped()
    {
        writeFile(site.folder() + "/p/2.png", gradientPng(Qt::blue, Qt::blue, 8, 4));
        writeFile(site.folder() + "/p/text.png", "not a picture");
        writeFile(site.folder() + "/launcher/home.json",
                  R"({"hero":[{"image":"http://exa mple/x.png","headline":"A"},{"image":"/p/text.png","headline":"B"},)"
                  R"({"image":"/p/2.png","headline":"C"}]})");
        auto m = model();
        awaitTask(m->start());
        QTRY_COMPARE(m->images().size(), 1);
        QVERIFY2(m->imageUrl(site.server().origin() + "/p/2.png").startsWith("image://slides/"), qPrintable(QStringList(m->images().keys()).join(",") + " | " + site.requestSummary("/launcher/home.json")));
        QCOMPARE(m->imageUrl(site.server().origin() + "/p/text.png"), QString());
    }
};

QTEST_GUILESS_MAIN(TestUpdateFlow)
#include "tst_update_flow.moc"
