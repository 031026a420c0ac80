#include "manifest/manifest.h"
#include "support/launcher_error.h"

#include <QtTest>

class TestManifest : public QObject {
    Q_OBJECT
private slots:
    void decoding_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("entries");  // -1: undecodable
        QTest::addColumn<QStringList>("origins");  // where http://x/a/f can be fetched from
        const QStringList plain{"http://x/a/f"};
        const QByteArray entry = R"({"path":"a","sha256":"00","size":3,"url":"http://x/a"})";
        QTest::newRow("empty list") << QByteArray(R"({"files":[]})") << 0 << plain;
        QTest::newRow("one entry, extra keys ignored") << QByteArray(R"({"v":2,"files":[{"path":"a","sha256":"00","size":3,"url":"u","x":1}]})") << 1 << plain;
        QTest::newRow("two entries") << QByteArray("{\"files\":[" + entry + "," + entry + "]}") << 2 << plain;
        QTest::newRow("largest size") << QByteArray(R"({"files":[{"path":"a","sha256":"00","size":9007199254740991,"url":"u"}]})") << 1 << plain;
        QTest::newRow("no files key") << QByteArray(R"({"file":[]})") << -1 << plain;
        QTest::newRow("files not a list") << QByteArray(R"({"files":{}})") << -1 << plain;
        QTest::newRow("missing size") << QByteArray(R"({"files":[{"path":"a","sha256":"00","url":"u"}]})") << -1 << plain;
        QTest::newRow("size as text") << QByteArray(R"({"files":[{"path":"a","sha256":"00","size":"3","url":"u"}]})") << -1 << plain;
        QTest::newRow("fractional size") << QByteArray(R"({"files":[{"path":"a","sha256":"00","size":3.5,"url":"u"}]})") << -1 << plain;
        QTest::newRow("negative size") << QByteArray(R"({"files":[{"path":"a","sha256":"00","size":-1,"url":"u"}]})") << -1 << plain;
        QTest::newRow("zero size") << QByteArray(R"({"files":[{"path":"a","sha256":"00","size":0,"url":"u"}]})") << 1 << plain;
        QTest::newRow("size beyond 64 bits") << QByteArray(R"({"files":[{"path":"a","sha256":"00","size":1e20,"url":"u"}]})") << -1 << plain;
        QTest::newRow("null url") << QByteArray(R"({"files":[{"path":"a","sha256":"00","size":1,"url":null}]})") << -1 << plain;
        QTest::newRow("entry not an object") << QByteArray(R"({"files":["a"]})") << -1 << plain;
        QTest::newRow("truncated") << QByteArray(R"({"files":[{"path":"a")") << -1 << plain;
        QTest::newRow("array at top") << QByteArray(R"([])") << -1 << plain;
        const auto withMirrors = [&](const char *mirrors) {
            // Quoted with ' here: moc reads "//" in a raw string as a comment.
            return QByteArray("{\"files\":[" + entry + "],\"mirrors\":" + QByteArray(mirrors).replace('\'', '"') + "}");
        };
        QTest::newRow("mirrors") << withMirrors("{'http://x/a/':['https://b/v/','http://c:81/']}") << 1
                                 << QStringList{"http://x/a/f", "https://b/v/f", "http://c:81/f"};
        QTest::newRow("mirrors of another prefix") << withMirrors("{'http://y/':['http://b/']}") << 1 << plain;
        QTest::newRow("two prefixes, one repeat") << withMirrors("{'http://x/':['http://b/x/','http://c/'],'http://x/a/':['http://b/x/a/']}") << 1
                                                  << QStringList{"http://x/a/f", "http://b/x/a/f", "http://c/a/f"};
        QTest::newRow("mirrors not an object") << withMirrors("['http://b/']") << 1 << plain;
        QTest::newRow("mirror not a list") << withMirrors("{'http://x/a/':'http://b/'}") << 1 << plain;
        QTest::newRow("one mirror not text") << withMirrors("{'http://x/a/':['http://b/',7]}") << 1 << plain;
        QTest::newRow("mirror of another scheme") << withMirrors("{'http://x/a/':['http://b/','file:///tmp/']}") << 1 << plain;
        QTest::newRow("key not a URL") << withMirrors("{'x/a/':['http://b/']}") << 1 << plain;
        QTest::newRow("mirrors null") << withMirrors("null") << 1 << plain;
    }

    void decoding()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, entries);
        QFETCH(QStringList, origins);
        if (entries < 0) {
            QVERIFY_THROWS_EXCEPTION(PlatformError, Manifest::decode(json));
            return;
        }
        const Manifest manifest = Manifest::decode(json);
        QCOMPARE(manifest.files.size(), entries);
        QCOMPARE(Manifest::decode(manifest.encoded()), manifest);
        QCOMPARE(Patcher::originsOf(manifest.mirrors, "http://x/a/f"), origins);
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("resolved");  // empty: refused
        QTest::newRow("plain") << "bin/game.dat" << "/root/bin/game.dat";
        QTest::newRow("hidden folder") << ".hidden/x" << "/root/.hidden/x";
        QTest::newRow("three dots") << "a/.../b" << "/root/a/.../b";
        QTest::newRow("spaces") << "My Folder/a b.txt" << "/root/My Folder/a b.txt";
        QTest::newRow("absolute") << "/abs" << "";
        QTest::newRow("parent inside") << "a/../b" << "";
        QTest::newRow("dot first") << "./a" << "";
        QTest::newRow("parent") << ".." << "";
        QTest::newRow("double slash") << "a//b" << "";
        QTest::newRow("trailing slash") << "a/" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("backslash") << "a\\b" << "";
        QTest::newRow("backslash traversal") << "..\\..\\etc\\passwd" << "";
        QTest::newRow("drive letter") << "C:/x" << "";
        QTest::newRow("colon") << "a:b" << "";
        QTest::newRow("nul inside") << QStringLiteral("safe") + QChar(0) + QStringLiteral("evil") << "";
    }
    void resolve()
    {
        QFETCH(QString, path);
        QFETCH(QString, resolved);
        if (!resolved.isEmpty()) {
            QCOMPARE(Patcher::resolve(QStringLiteral("/root"), path), resolved);
            return;
        }
        try {
            Patcher::resolve(QStringLiteral("/root"), path);
            QFAIL("accepted");
        } catch (const LauncherError &error) {
            QCOMPARE(error.errorDescription(), QStringLiteral("The patch list has an unsafe file path (") + path
                                                   + QStringLiteral("). Nothing was written. Report this to the Vantorel team."));
        }
    }

    void launcherOwned_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("owned");
        QTest::newRow("root") << "login.cfg" << true;
        QTest::newRow("folder and case") << "Data/LOGIN.CFG" << true;
        QTest::newRow("trailing slash") << "x/Login.cfg/" << true;
        QTest::newRow("unsafe but owned") << "../login.cfg" << true;
        QTest::newRow("other name") << "login.cfg.bak" << false;
        QTest::newRow("folder named so") << "login.cfg/x" << false;
    }
    void launcherOwned()
    {
        QFETCH(QString, path);
        QFETCH(bool, owned);
        QCOMPARE(Patcher::isLauncherOwned(path), owned);
    }

    // The optional "chunks" key: exactly {url, size, sha256} or the entry is plain, never the
    // manifest undecodable.
    void chunkKey_data()
    {
        QTest::addColumn<QByteArray>("chunks");
        QTest::addColumn<bool>("kept");
        const auto ref = [](const QByteArray &url, const QByteArray &size, const QByteArray &sha256) {
            return "{\"url\":" + url + ",\"size\":" + size + ",\"sha256\":" + sha256 + '}';
        };
        const QByteArray sha = '"' + QByteArray(64, 'a') + '"';
        QTest::newRow("valid") << ref("\"chunks/x.chunks\"", "68", sha) << true;
        QTest::newRow("absolute url, upper-case digest") << ref("\"http://h/x\"", "40", sha.toUpper()) << true;
        QTest::newRow("size as text") << ref("\"x\"", "\"68\"", sha) << false;
        QTest::newRow("zero size") << ref("\"x\"", "0", sha) << false;
        QTest::newRow("fractional size") << ref("\"x\"", "68.5", sha) << false;
        QTest::newRow("larger than any index of the file") << ref("\"x\"", "100000", sha) << false;
        QTest::newRow("short digest") << ref("\"x\"", "68", "\"abc\"") << false;
        QTest::newRow("digest not hex") << ref("\"x\"", "68", '"' + QByteArray(64, 'z') + '"') << false;
        QTest::newRow("url a number") << ref("7", "68", sha) << false;
        QTest::newRow("empty url") << ref("\"\"", "68", sha) << false;
        QTest::newRow("no url") << QByteArray("{\"size\":68,\"sha256\":" + sha + '}') << false;
        QTest::newRow("a string") << QByteArray(R"("chunks/x.chunks")") << false;
        QTest::newRow("null") << QByteArray("null") << false;
    }
    void chunkKey()
    {
        QFETCH(QByteArray, chunks);
        QFETCH(bool, kept);
        const QByteArray json = R"({"files":[{"path":"a","sha256":"00","size":4096,"url":"u","chunks":)" + chunks + "}]}";
        const Manifest manifest = Manifest::decode(json);
        QCOMPARE(manifest.files.size(), 1);
        QCOMPARE(manifest.files.first().chunks.isEmpty(), !kept);
        QCOMPARE(manifest.files.first().size, 4096);
        QCOMPARE(Manifest::decode(manifest.encoded()), manifest);
    }
};

QTEST_GUILESS_MAIN(TestManifest)
#include "tst_manifest.moc"
