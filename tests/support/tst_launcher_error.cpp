#include "support/launcher_error.h"
#include "support/file_size.h"
#include "support/message_text.h"

#include <QTranslator>

#include <QtTest>

// Stands in for a catalogue: some sentences with their places in another order.
class ReorderingTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (text.startsWith("There isn't enough free space"))
            return QStringLiteral("Frei: %3, nötig: %2, in %1.");
        if (text == "%1 failed its checksum after download. Try again.")
            return QStringLiteral("Prüfsumme falsch: %1.");
        if (text.startsWith("The patch list is for the"))
            return QStringLiteral("Kanal \"%2\" erwartet, \"%1\" erhalten.");
        if (QByteArray(context) == "Message" && text == "Wrong email or password.")
            return QStringLiteral("Falsche E-Mail oder falsches Passwort.");
        return {};
    }
    bool isEmpty() const override { return false; }
};

class TestLauncherError : public QObject {
    Q_OBJECT
private slots:
    // Composed in English, shown in the catalogue's words with each value in its place.
    void shownTranslated_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("numbers");  // the display number locale; "": English
        QTest::newRow("three places reordered")
            << LauncherError::notEnoughSpace("/games/v", 2'500'000'000, 1'200'000'000)
            << "Frei: 1.20 GB, nötig: 2.50 GB, in /games/v." << QString();
        QTest::newRow("sizes in the locale's digits")
            << LauncherError::notEnoughSpace("/games/v", 2'500'000'000, 999) << "Frei: 999 bytes, nötig: 2,50 GB, in /games/v."
            << "de";
        QTest::newRow("a value that looks like a place") << LauncherError::checksumFailed("data/%2.pak")
                                                       << "Prüfsumme falsch: data/%2.pak." << QString();
        QTest::newRow("two places swapped") << LauncherError::manifestWrongChannel("beta", "live")
                                            << "Kanal \"live\" erwartet, \"beta\" erhalten." << QString();
        QTest::newRow("a notice of the sign-in") << "Wrong email or password." << "Falsche E-Mail oder falsches Passwort." << QString();
        QTest::newRow("not translated: stays English") << LauncherError::downloadStatus(503)
                                                       << "The download server returned HTTP 503. Try again later." << QString();
        QTest::newRow("a server's own text") << "Your account is locked." << "Your account is locked." << QString();
    }
    void shownTranslated()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(QString, numbers);
        ReorderingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        setDisplayNumberLocale(numbers.isEmpty() ? QLocale::c() : QLocale(numbers));
        const QString result = translatedMessage(message);
        setDisplayNumberLocale(QLocale::c());
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(result, shown);
        QCOMPARE(translatedMessage(message), message);
    }

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
