#include "support/log.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

static TestProfile profile;

class TestLog : public QObject {
    Q_OBJECT

    static QString logText()
    {
        Log::flush();
        return readText(Log::file());
    }

private slots:
    void firstWriteCreatesFoldersAndOneLine()
    {
        QVERIFY(!QDir(Paths::launcherDir()).exists());
        Log::info(QStringLiteral("hello"));
        const QString text = logText();
        QCOMPARE(Log::file(), Paths::launcherDir() + QStringLiteral("/logs/launcher-mac.log"));
        const QRegularExpression line(QStringLiteral("^\\[(\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2})\\]\\[INFO\\] hello\\n$"));
        const auto match = line.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const QDateTime stamp = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(stamp.isValid());
        // Local wall-clock time, 24-hour form.
        QVERIFY(qAbs(stamp.secsTo(QDateTime::currentDateTime())) < 60);
    }

    void linesAppendInSubmissionOrder_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("written");
        QTest::newRow("warn") << "WARN" << "check: boom" << "[WARN] check: boom\n";
        QTest::newRow("empty message") << "INFO" << "" << "[INFO] \n";
        // One event, one line: control characters are escaped, never written raw.
        QTest::newRow("line feed escaped") << "INFO" << "two\nlines" << "[INFO] two\\nlines\n";
        QTest::newRow("forged line") << "WARN" << "check: x\n[2026-01-01 00:00:00][INFO] patch: complete"
                                     << "[WARN] check: x\\n[2026-01-01 00:00:00][INFO] patch: complete\n";
        QTest::newRow("carriage return, tab, escape") << "INFO" << "a\rb\tc\x1b[31md" << "[INFO] a\\rb\\tc\\u001b[31md\n";
        QTest::newRow("line separator") << "INFO" << QStringLiteral("a\u2028b") << "[INFO] a\\u2028b\n";
        QTest::newRow("percent signs untouched") << "WARN" << "patch: %1%2 failed" << "[WARN] patch: %1%2 failed\n";
        QTest::newRow("utf-8") << "INFO" << QStringLiteral("caf\u00e9 \u2026") << QStringLiteral("[INFO] caf\u00e9 \u2026\n");
    }

    void linesAppendInSubmissionOrder()
    {
        QFETCH(QString, level);
        QFETCH(QString, message);
        QFETCH(QString, written);
        const QString before = logText();
        Log::write(level, message);
        const QString after = logText();
        QVERIFY(after.startsWith(before));
        const QString added = after.mid(before.size());
        QCOMPARE(added.mid(21), written);  // after "[yyyy-MM-dd HH:mm:ss]"
        QVERIFY(added.startsWith(QLatin1Char('[')) && added.at(20) == QLatin1Char(']'));
    }

    void manyWritesKeepOrderAndNeverInterleave()
    {
        const QString before = logText();
        for (int i = 0; i < 500; ++i)
            Log::info(QStringLiteral("n=%1").arg(i));
        const QStringList lines = logText().mid(before.size()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 500);
        for (int i = 0; i < 500; ++i)
            QVERIFY(lines.at(i).endsWith(QStringLiteral("[INFO] n=%1").arg(i)));
    }

    void writeNeverFailsTowardsTheCaller()
    {
        // A folder where the log file should be: the line is dropped, the caller is not told.
        Log::flush();
        QFile::remove(Log::file());
        QVERIFY(QDir().mkpath(Log::file()));
        Log::warn(QStringLiteral("lost"));
        Log::flush();
        QVERIFY(QFileInfo(Log::file()).isDir());
        QVERIFY(QDir().rmdir(Log::file()));
        Log::info(QStringLiteral("back"));
        QVERIFY(logText().endsWith(QStringLiteral("[INFO] back\n")));
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
