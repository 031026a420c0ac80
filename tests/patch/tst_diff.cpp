#include "support/sha256.h"
#include "patch/patcher.h"
#include "support/await_task.h"
#include "support/launcher_error.h"
#include "support/patch_site.h"
#include "support/test_profile.h"

#include <QCryptographicHash>
#include <QMutex>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

static TestProfile profile;

static ManifestEntry entryFor(const QString &path, const QByteArray &content)
{
    return ManifestEntry{path, PatchSite::sha256(content), content.size(), QStringLiteral("http://127.0.0.1:1/x"), {}};
}

class TestDiff : public QObject {
    Q_OBJECT
    QTemporaryDir root;

    void put(const QString &path, const QByteArray &content) { writeFile(root.path() + '/' + path, content); }
    QList<ManifestEntry> full(const Manifest &manifest, QList<qint64> *dones = nullptr, qint64 *total = nullptr)
    {
        auto mutex = std::make_shared<QMutex>();
        const Patcher::VerifyProgress progress = [=](qint64 done, qint64 all) {
            QMutexLocker lock(mutex.get());
            if (dones)
                dones->append(done);
            if (total)
                *total = all;
        };
        return awaitTask(Patcher::fullDiff(manifest, root.path(), progress));
    }
    static QStringList paths(const QList<ManifestEntry> &entries)
    {
        QStringList out;
        for (const auto &e : entries)
            out.append(e.path);
        out.sort();
        return out;
    }

private slots:
    void init() { QDir(root.path()).removeRecursively(); QDir().mkpath(root.path()); }

    void quickAndFullDisagreeOnlyOnContent()
    {
        const QByteArray good = bytesOf(1000), other = bytesOf(1000, 'z');
        put(QStringLiteral("same.bin"), good);
        put(QStringLiteral("wrong content.bin"), other);
        put(QStringLiteral("short.bin"), good.left(10));
        put(QStringLiteral("Data/LOGIN.CFG"), "user=x");
        ManifestEntry upper = entryFor(QStringLiteral("upper.bin"), good);
        upper.sha256 = upper.sha256.toUpper();
        put(QStringLiteral("upper.bin"), good);
        const Manifest manifest{{entryFor(QStringLiteral("same.bin"), good), entryFor(QStringLiteral("wrong content.bin"), good),
                                 entryFor(QStringLiteral("short.bin"), good), entryFor(QStringLiteral("missing/x.bin"), good),
                                 entryFor(QStringLiteral("Data/LOGIN.CFG"), "other"), upper}};
        QCOMPARE(paths(Patcher::quickDiff(manifest, root.path())), (QStringList{"missing/x.bin", "short.bin"}));
        QList<qint64> dones;
        qint64 total = 0;
        QCOMPARE(paths(full(manifest, &dones, &total)), (QStringList{"missing/x.bin", "short.bin", "wrong content.bin"}));
        std::sort(dones.begin(), dones.end());
        QCOMPARE(dones, (QList<qint64>{1, 2, 3, 4, 5}));
        QCOMPARE(total, 5);
    }

    void emptyAndOwnedOnlyManifests()
    {
        QList<qint64> dones;
        QVERIFY(Patcher::quickDiff(Manifest{}, root.path()).isEmpty());
        QVERIFY(full(Manifest{}, &dones).isEmpty());
        const Manifest owned{{entryFor(QStringLiteral("x/Login.Cfg"), "a")}};
        QVERIFY(Patcher::quickDiff(owned, root.path()).isEmpty());
        QVERIFY(full(owned, &dones).isEmpty());
        QVERIFY(dones.isEmpty());
    }

    void unsafePathFailsBothDiffs()
    {
        put(QStringLiteral("a"), "1");
        const Manifest manifest{{entryFor(QStringLiteral("a"), "1"), entryFor(QStringLiteral("../escape"), "1")}};
        QVERIFY_THROWS_EXCEPTION(LauncherError, Patcher::quickDiff(manifest, root.path()));
        QVERIFY_THROWS_EXCEPTION(LauncherError, full(manifest));
    }

    void quickDiffDoesNotFollowLinks()
    {
        const QByteArray content = bytesOf(5000);
        put(QStringLiteral("real.bin"), content);
        QVERIFY(QFile::link(root.path() + "/real.bin", root.path() + "/link.bin"));
        const Manifest manifest{{entryFor(QStringLiteral("link.bin"), content)}};
        QCOMPARE(Patcher::quickDiff(manifest, root.path()).size(), 1);  // the link's own size differs
    }

    void specialFilesNeedADownloadWithoutBeingRead()
    {
        QVERIFY(::mkfifo(QFile::encodeName(root.path() + "/pipe.bin").constData(), 0600) == 0);
        const Manifest manifest{{entryFor(QStringLiteral("pipe.bin"), "x")}};
        QCOMPARE(paths(full(manifest)), QStringList{"pipe.bin"});
    }

    void folderWhereAFileBelongsFails()
    {
        QVERIFY(QDir().mkpath(root.path() + "/dir.bin"));
        const Manifest manifest{{entryFor(QStringLiteral("dir.bin"), "x")}};
        put(QStringLiteral("dir.bin/kept"), "k");  // an empty one is replaced instead
        QVERIFY_THROWS_EXCEPTION(PlatformError, full(manifest));
    }

    void digestOfLargeFile()
    {
        const QByteArray big = bytesOf(9 * 1024 * 1024 + 17);
        put(QStringLiteral("big.bin"), big);
        const QString digest = sha256Of(root.path() + "/big.bin");
        QCOMPARE(digest.size(), 64);
        QCOMPARE(digest, PatchSite::sha256(big));
        put(QStringLiteral("empty.bin"), {});
        QCOMPARE(sha256Of(root.path() + "/empty.bin"),
                 QStringLiteral("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"));
        QVERIFY_THROWS_EXCEPTION(PlatformError, sha256Of(root.path() + "/none.bin"));
    }
};

QTEST_GUILESS_MAIN(TestDiff)
#include "tst_diff.moc"
