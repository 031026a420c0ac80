#include "patch/patcher.h"
#include "transfer/rate_limiter.h"
#include "support/await_task.h"
#include "support/launcher_error.h"
#include "support/patch_site.h"
#include "support/test_profile.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QtTest>

static TestProfile profile;

// The one speed limit: its bucket alone on a clock the test turns, then real transfers over loopback.
class TestRateLimiter : public QObject {
    Q_OBJECT

    // Readers that each want `want` bytes every `step` seconds, for `seconds`; the bytes granted
    // per reader and per second of the clock.
    struct Reading {
        QList<qint64> perReader;
        QList<qint64> perSecond;
    };
    static Reading read(RateLimiter &limiter, double &now, int readers, double seconds, qint64 want = 1 << 20,
                        double step = 0.02, std::function<void(double)> at = {})
    {
        Reading out;
        out.perReader.fill(0, readers);
        const double start = now;
        for (int tick = 0; now - start < seconds - 1e-9; ++tick) {
            now += step;
            if (at)
                at(now - start);
            for (int r = 0; r < readers; ++r) {
                // Turns rotate, as the downloader's pump does by bytes waiting.
                const int reader = (r + tick) % readers;
                const qint64 got = limiter.take(want);
                out.perReader[reader] += got;
                const int second = int(now - start - 1e-9);
                if (out.perSecond.size() <= second)
                    out.perSecond.resize(second + 1);
                out.perSecond[second] += got;
            }
        }
        return out;
    }

    // The meter's reports of one real run: bytes so far, by seconds since the run began.
    struct BytesOverTime {
        std::shared_ptr<QMutex> mutex = std::make_shared<QMutex>();
        std::shared_ptr<QList<QPair<double, qint64>>> samples = std::make_shared<QList<QPair<double, qint64>>>();
        QElapsedTimer clock;
        BytesOverTime() { clock.start(); }
        double now() const { return clock.nsecsElapsed() / 1e9; }
        Patcher::PhaseProgress progress() const
        {
            return [mutex = mutex, samples = samples, clock = clock](const PatchPhase &p) {
                QMutexLocker lock(mutex.get());
                if (p.kind == PatchPhase::Downloading)
                    samples->append({clock.nsecsElapsed() / 1e9, p.done});
            };
        }
        qint64 at(double t) const
        {
            qint64 last = 0;
            for (const auto &[when, done] : *samples)
                if (when <= t)
                    last = done;
            return last;
        }
    };

private slots:
    void sharesOfOneLimit_data()
    {
        QTest::addColumn<int>("readers");
        QTest::addColumn<qint64>("limit");
        QTest::newRow("one reader, 1 MB/s") << 1 << qint64(1'000'000);
        QTest::newRow("six readers, 20 MB/s") << 6 << qint64(20'000'000);
        QTest::newRow("six readers, 64 KB/s") << 6 << qint64(64'000);
    }
    void sharesOfOneLimit()
    {
        QFETCH(int, readers);
        QFETCH(qint64, limit);
        double now = 100;
        RateLimiter limiter([&now] { return now; });
        limiter.setLimit(limit);
        const Reading reading = read(limiter, now, readers, 10.0);
        qint64 total = 0;
        for (qint64 bytes : reading.perReader)
            total += bytes;
        // Over 10 s within 1 % (the bucket starts empty), and no second above the limit plus the bucket.
        QVERIFY2(qAbs(total - 10 * limit) <= limit / 10, qPrintable(QString::number(total)));
        for (qint64 bytes : reading.perSecond)
            QVERIFY2(bytes <= limit + limit / 2, qPrintable(QString::number(bytes)));
        // Every reader gets its turn: none is starved.
        for (qint64 bytes : reading.perReader)
            QVERIFY2(bytes >= total / readers / 2, qPrintable(QString::number(bytes)));
    }

    void limitChangesWhileReading()
    {
        double now = 0;
        RateLimiter limiter([&now] { return now; });
        limiter.setLimit(1'000'000);
        const Reading reading = read(limiter, now, 3, 10.0, 1 << 20, 0.02, [&](double t) {
            if (qFuzzyCompare(t, 5.0))
                limiter.setLimit(4'000'000);
        });
        QVERIFY(qAbs(reading.perSecond.at(3) - 1'000'000) < 50'000);
        // Within a second of the change the new rate holds.
        for (int second = 6; second < 10; ++second)
            QVERIFY2(qAbs(reading.perSecond.at(second) - 4'000'000) < 200'000, qPrintable(QString::number(reading.perSecond.at(second))));
    }

    void zeroMeansUnlimitedAndUnusedBytesReturn()
    {
        double now = 0;
        RateLimiter limiter([&now] { return now; });
        QVERIFY(!limiter.limited());
        QCOMPARE(limiter.take(123'456'789), qint64(123'456'789));
        limiter.setLimit(1000);
        now += 1;
        const qint64 granted = limiter.take(1'000'000);
        QCOMPARE(granted, qint64(500));  // half a second at most
        QCOMPARE(limiter.take(1), qint64(0));
        limiter.giveBack(100);
        QCOMPARE(limiter.take(1000), qint64(100));
        limiter.setLimit(0);
        QCOMPARE(limiter.take(5'000'000), qint64(5'000'000));
    }

    // Blocks that cannot be split go through whole once the bucket holds them; a debt run up under
    // one limit is forgotten when the player sets another.
    void wholeBlocksAndLiveChanges()
    {
        double now = 0;
        RateLimiter limiter([&now] { return now; });
        limiter.setLimit(100'000);
        now += 0.1;  // 10,000 bytes in the bucket
        // A held transfer is told when its block is due: not a moment too early, nor late.
        double wait = 0;
        QVERIFY(!limiter.admit(16'384, &wait));
        QVERIFY2(qAbs(wait - 0.06384) < 1e-6, qPrintable(QString::number(wait)));
        now += wait * 0.99;
        QVERIFY(!limiter.admit(16'384));
        now += wait * 0.01 + 1e-9;
        QVERIFY(limiter.admit(16'384));
        now += 0.17;
        QVERIFY(limiter.admit(16'384));
        QVERIFY(!limiter.admit(16'384));
        // Below 16 KB per half second the bucket never holds a block: a full one lets it through.
        limiter.setLimit(1000);
        now += 1;
        QVERIFY(limiter.admit(16'384));
        limiter.setLimit(100'000);
        now += 0.1;
        QCOMPARE(limiter.take(1'000'000), qint64(10'000));
        QCOMPARE(RateLimiter::quantum(100'000), qint64(5000));
        QCOMPARE(RateLimiter::quantum(1000), qint64(1024));
        QCOMPARE(RateLimiter::quantum(500'000'000), qint64(65'536));
    }

    // One big file alone takes the whole limit, low or high: about three seconds of it, averaged
    // from the start of the run, reach at least 85 % of the limit and beat it by no more than the
    // bucket's half second.
    void oneTransferReachesTheLimit_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("64 KB/s") << qint64(64'000);
        QTest::newRow("1 MB/s") << qint64(1'000'000);
        QTest::newRow("20 MB/s") << qint64(20'000'000);
        QTest::newRow("50 MB/s") << qint64(50'000'000);
    }
    void oneTransferReachesTheLimit()
    {
        QFETCH(qint64, limit);
        PatchSite site;
        QTemporaryDir install;
        const qint64 size = 3 * limit;
        const ManifestEntry entry = site.add(QStringLiteral("one.pak"), bytesOf(size, 'o'));
        RateLimiter::global().setLimit(limit);
        // The rate of the bytes as the meter saw them: the install's syncs after the last byte
        // wait on the disk, which other work on this computer may keep busy.
        const BytesOverTime bytes;
        awaitTask(Patcher::apply({entry}, install.path(), bytes.progress()));
        const double took = bytes.now();
        RateLimiter::global().setLimit(0);
        QCOMPARE(QFileInfo(install.path() + "/one.pak").size(), size);
        QVERIFY(!bytes.samples->isEmpty() && bytes.samples->last().first > 0);
        const double rate = double(bytes.samples->last().second) / bytes.samples->last().first;
        qInfo("limit %lld B/s: one transfer averaged %.0f B/s (%.1f %%)", limit, rate, 100 * rate / double(limit));
        QVERIFY2(rate >= 0.85 * double(limit), qPrintable(QString::number(rate)));
        QVERIFY2(took >= 2.5 * 0.95, qPrintable(QString::number(took)));
    }

    // Six parallel downloads share 20 MB/s over loopback: bytes over time follow the limit, and a
    // lower limit set during the run holds within a second.
    void realTransfersFollowTheLimit()
    {
        PatchSite site;
        QTemporaryDir install;
        QList<ManifestEntry> entries;
        for (int i = 0; i < 6; ++i)
            entries.append(site.add(QStringLiteral("l%1.pak").arg(i), bytesOf(10'000'000, char('a' + i))));
        const qint64 limit = 20'000'000;
        RateLimiter::global().setLimit(limit);
        const BytesOverTime bytes;
        // After 1.5 s the player lowers the limit to 10 MB/s.
        QTimer::singleShot(1500, [] { RateLimiter::global().setLimit(10'000'000); });
        awaitTask(Patcher::apply(entries, install.path(), bytes.progress()));
        RateLimiter::global().setLimit(0);
        const double took = bytes.now();
        for (const ManifestEntry &entry : entries)
            QCOMPARE(PatchSite::sha256(readBytes(install.path() + '/' + entry.path)), entry.sha256);
        // 1.5 s at 20 MB/s (30 MB), the other 30 MB at 10 MB/s (3 s): 4.5 s by the limit.
        const double expected = 1.5 + (60e6 - 1.5 * limit) / 10e6;
        qInfo("60 MB took %.2f s; the limits say %.2f s", took, expected);
        QVERIFY2(took > expected * 0.85 && took < expected * 1.3, qPrintable(QString::number(took)));
        // Bytes in each 1 s window after the change settled, against 10 MB/s.
        for (double t = 2.5; t + 1.0 < took - 0.3; t += 0.5) {
            const qint64 window = bytes.at(t + 1.0) - bytes.at(t);
            QVERIFY2(window > 6'000'000 && window < 14'000'000, qPrintable(QStringLiteral("%1 bytes in [%2, %3] s").arg(window).arg(t).arg(t + 1)));
        }
    }

    // Six fast transfers when the player types the lowest limit: from the next second on, every
    // second brings bytes (no transfer waits out a debt), and about the new limit, not more.
    void limitLoweredFarDuringARun()
    {
        PatchSite site;
        QTemporaryDir install;
        QList<ManifestEntry> entries;
        for (int i = 0; i < 6; ++i)
            entries.append(site.add(QStringLiteral("f%1.pak").arg(i), bytesOf(20'000'000, char('a' + i))));
        const qint64 low = 100'000;
        RateLimiter::global().setLimit(50'000'000);
        const BytesOverTime bytes;
        double changedAt = 1e9;
        QTimer::singleShot(500, [&] {
            RateLimiter::global().setLimit(low);
            changedAt = bytes.now();
            QTimer::singleShot(5500, [] { RateLimiter::global().setLimit(0); });  // the rest at full speed
        });
        awaitTask(Patcher::apply(entries, install.path(), bytes.progress()));
        RateLimiter::global().setLimit(0);
        const auto bytesAt = [&](double t) { return bytes.at(changedAt + t); };
        QVERIFY2(bytesAt(5.0) < 120'000'000, "the run ended before the limit was lowered");
        for (int second = 1; second < 5; ++second) {
            const qint64 got = bytesAt(second + 1) - bytesAt(second);
            qInfo("second %d after the change: %lld bytes", second, got);
            QVERIFY2(got > 0 && got < 3 * low, qPrintable(QStringLiteral("%1 bytes in second %2").arg(got).arg(second)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRateLimiter)
#include "tst_rate_limiter.moc"
