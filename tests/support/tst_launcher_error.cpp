#include "support/launcher_error.h"

#include <QtTest>

class TestLauncherError : public QObject {
    Q_OBJECT
private slots:
    void messages_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");
        QTest::newRow("email code") << LauncherError::emailCodeRefused()
                                    << "Couldn't send the email code. Try again in a minute.";
        QTest::newRow("keychain read negative")
            << LauncherError::keychainRead(-25293)
            << "Couldn't read your saved sign-in from the Keychain (error -25293). Sign in again.";
        QTest::newRow("keychain save")
            << LauncherError::keychainSave(-2070)
            << "Couldn't save your sign-in to the Keychain (error -2070). Allow access when macOS asks, then sign in again.";
        QTest::newRow("login unreachable") << LauncherError::loginUnreachable()
                                           << "Can't reach the login server. Check your connection and try again.";
        QTest::newRow("patch unreachable") << LauncherError::patchUnreachable()
                                           << "Can't reach the patch server. Check your connection and try again.";
        QTest::newRow("unsafe path") << LauncherError::unsafePath("../x")
                                     << "The patch list has an unsafe file path (../x). Nothing was written. Report this to the Vantorel team.";
        QTest::newRow("bad url") << LauncherError::badUrl("bin/a b")
                                 << "The patch list has a bad download URL for bin/a b. Report this to the Vantorel team.";
        QTest::newRow("checksum") << LauncherError::checksumFailed("data/x.pak")
                                  << "data/x.pak failed its checksum after download. Try again.";
        QTest::newRow("http 0") << LauncherError::downloadStatus(0)
                                << "The download server returned HTTP 0. Try again later.";
    }
    void messages()
    {
        QFETCH(QString, message);
        QFETCH(QString, expected);
        QCOMPARE(message, expected);
    }

    void descriptionIsTheMessageWhateverTheCase()
    {
        const QString text = QStringLiteral("Same words.");
        const LauncherError a = LauncherError::auth(text);
        const LauncherError b = LauncherError::network(text);
        QCOMPARE(describeError(a), text);
        QCOMPARE(describeError(b), text);
        QCOMPARE(QString::fromUtf8(a.what()), text);
        try {
            throw LauncherError::patch(text);
        } catch (...) {
            QCOMPARE(describeCurrentException(), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestLauncherError)
#include "tst_launcher_error.moc"
