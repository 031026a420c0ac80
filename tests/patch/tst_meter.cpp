#include "patch/diff.h"
#include "patch/meter.h"

#include <QtConcurrent/QtConcurrentMap>
#include <QtTest>

// A meter on a clock the test moves by hand.
struct Fixture {
    double now = 100.0;
    QList<PatchPhase> reports;
    Meter meter;
    explicit Fixture(qint64 total)
        : meter(total, [this](const PatchPhase &p) { reports.append(p); }, [this] { return now; })
    {
    }
};

class TestMeter : public QObject {
    Q_OBJECT
private slots:
    void firstAddReportsAtOnceWithNoRate()
    {
        Fixture f(1000);
        f.meter.add(10);
        QCOMPARE(f.reports.size(), 1);
        QCOMPARE(f.reports.first(), PatchPhase::downloading(10, 1000, 0));
    }

    void throttleKeepsBytesForTheNextReport()
    {
        Fixture f(1000);
        f.meter.add(10);
        f.now += 0.125;
        f.meter.add(20);
        QCOMPARE(f.reports.size(), 1);
        f.now += 0.25;  // 0.375 s after the first report
        f.meter.add(0);
        QCOMPARE(f.reports.size(), 2);
        QCOMPARE(f.reports.last().done, 30);
        f.now += 0.25;  // exactly 0.25 s: not more, so no report
        f.meter.add(1);
        QCOMPARE(f.reports.size(), 2);
    }

    void bytesNeverBelowZeroNorAboveTotal()
    {
        Fixture f(500);
        f.meter.add(300);
        f.now += 1;
        f.meter.add(-500);
        QCOMPARE(f.reports.last().done, 0);
        QCOMPARE(f.reports.last().perSecond, 0.0);  // negative rate reported as 0
        f.now += 1;
        f.meter.add(900);
        QCOMPARE(f.reports.last().done, 500);
        QCOMPARE(f.reports.last().total, 500);
        f.now += 1;
        f.meter.add(-300);  // 600 counted, still capped
        QCOMPARE(f.reports.last().done, 500);
    }

    void steadyRateOverTheWindow()
    {
        Fixture f(1'000'000'000);
        for (int i = 0; i < 40; ++i) {
            f.meter.add(250'000);  // 1 MB/s at one call every 0.25 s
            f.now += 0.26;
        }
        const double rate = f.reports.last().perSecond;
        QVERIFY2(qAbs(rate - 250'000 / 0.26) < 250'000 / 0.26 * 0.08, qPrintable(QString::number(rate)));
    }

    // Error pages read while retrying are traffic: the rate shows them, the bar never does.
    void otherBytesMoveTheRateNotTheBar()
    {
        Fixture f(1'000'000);
        f.meter.add(1000);
        for (int i = 0; i < 8; ++i) {
            f.now += 0.5;
            f.meter.addOther(50'000);
        }
        QCOMPARE(f.reports.last().done, 1000);
        QVERIFY2(qAbs(f.reports.last().perSecond - 100'000) < 1, qPrintable(QString::number(f.reports.last().perSecond)));
    }

    // The time left: none until 5 s of the files' bytes are seen, then close to what is left at
    // the true rate, and never more than twice or half the last one while that rate holds.
    void timeLeftOnceSteady_data()
    {
        QTest::addColumn<QString>("pattern");  // per 0.25 s tick: s steady, b burst each second, 0 stalled, k kept, e error page
        QTest::newRow("steady") << QString(60, 's');
        QTest::newRow("bursts once a second") << QString(60, 'b');
        QTest::newRow("a kept body at the start is no rate") << "k" + QString(59, 's');
        QTest::newRow("error pages are no rate") << QString(30, 's') + QString("se").repeated(30);
        QTest::newRow("a stall of 3 s") << QString(28, 's') + QString(12, '0') + QString(40, 's');
    }
    void timeLeftOnceSteady()
    {
        QFETCH(QString, pattern);
        const qint64 total = 1'000'000'000;
        Fixture f(total);
        f.meter.add(0);
        double last = -1;
        for (int tick = 0; tick < pattern.size(); ++tick) {
            f.now += 0.25001;
            const QChar step = pattern.at(tick);
            if (step == 's' || step == 'e')
                f.meter.add(250'000);
            else if (step == 'b')
                f.meter.add(tick % 4 == 3 ? 1'000'000 : 0);
            else if (step == 'k')
                f.meter.addKept(500'000'000);
            else
                f.meter.add(0);
            if (step == 'e')
                f.meter.addOther(5'000'000);
            const double left = f.reports.last().secondsLeft;
            if (tick < 19) {
                QCOMPARE(left, -1.0);
                continue;
            }
            QVERIFY2(left > 0, qPrintable(QString::number(tick)));
            if (last > 0)
                QVERIFY2(left < 2 * last && left > last / 2, qPrintable(QStringLiteral("%1 after %2").arg(left).arg(last)));
            last = left;
        }
        const PatchPhase &end = f.reports.last();
        const double expected = double(total - end.done) / 1e6;  // every row ends on 10 s at 1 MB/s
        QVERIFY2(qAbs(end.secondsLeft - expected) < expected * 0.1, qPrintable(QStringLiteral("%1 s, not %2 s").arg(end.secondsLeft).arg(expected)));
    }

    void concurrentAddsAllCount()
    {
        std::atomic<int> reports{0};
        PatchPhase last;
        QMutex mutex;
        Meter meter(1LL << 40, [&](const PatchPhase &p) {
            ++reports;
            QMutexLocker lock(&mutex);
            if (p.done > last.done)
                last = p;
        });
        QList<int> work(8, 0);
        QtConcurrent::blockingMap(work, [&](int &) {
            for (int i = 0; i < 20000; ++i)
                meter.add(3);
        });
        QTest::qWait(300);
        meter.add(0);
        QCOMPARE(last.done, 8LL * 20000 * 3);
        QVERIFY(reports < 20);
    }

    void counterGivesDistinctValues()
    {
        Patcher::Counter counter;
        QList<qint64> seen(4000, 0);
        QtConcurrent::blockingMap(seen, [&](qint64 &v) { v = counter.increment(); });
        std::sort(seen.begin(), seen.end());
        for (int i = 0; i < seen.size(); ++i)
            QCOMPARE(seen.at(i), qint64(i + 1));
    }
};

QTEST_GUILESS_MAIN(TestMeter)
#include "tst_meter.moc"
