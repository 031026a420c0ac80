#include "core/panel_text.h"

#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(InstallState)

class TestPanelText : public QObject {
    Q_OBJECT
private slots:
    void sizes_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("numbers");  // the display number locale; "": English, both forms alike
        QTest::newRow("zero") << qint64(0) << "0 bytes" << QString();
        QTest::newRow("one") << qint64(1) << "1 byte" << QString();
        QTest::newRow("999") << qint64(999) << "999 bytes" << QString();
        QTest::newRow("kilo is 1000") << qint64(1000) << "1 KB" << QString();
        QTest::newRow("rounds") << qint64(12'600) << "13 KB" << QString();
        QTest::newRow("mega") << qint64(1'500'000) << "1.5 MB" << QString();
        QTest::newRow("almost a mega") << qint64(999'600) << "1.0 MB" << QString();
        QTest::newRow("demo build") << qint64(332'224'382) << "332.2 MB" << QString();
        QTest::newRow("giga") << qint64(2'310'000'000) << "2.31 GB" << QString();
        QTest::newRow("German digits") << qint64(1'500'000) << "1,5 MB" << "de";
        QTest::newRow("Arabic digits") << qint64(2'310'000'000) << "٢٫٣١ GB" << "ar_EG";
        QTest::newRow("a thousand bytes short") << qint64(999) << "999 bytes" << "fr";
    }
    void sizes()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QFETCH(QString, numbers);
        if (numbers.isEmpty())
            QCOMPARE(formatFileSize(bytes), text);
        setDisplayNumberLocale(numbers.isEmpty() ? QLocale::c() : QLocale(numbers));
        const QString shown = displayFileSize(bytes);
        setDisplayNumberLocale(QLocale::c());
        QCOMPARE(shown, text);
    }

    void panelByState_data()
    {
        QTest::addColumn<InstallState>("install");
        QTest::addColumn<int>("phase");  // -1 none, else PatchPhase kind
        QTest::addColumn<qint64>("done");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QString>("expected");  // caption|title|detail|progress|button|enabled
        QTest::newRow("not installed") << InstallState::notInstalled(2'000'000) << -1 << 0LL << 0LL
                                       << "GAME FILES|Not installed|2.0 MB download|-2|Install|1";
        QTest::newRow("update") << InstallState::updateAvailable(3, 4500) << -1 << 0LL << 0LL
                                << "GAME FILES|Update available|3 files, 5 KB|-2|Update|1";
        QTest::newRow("failed") << InstallState::failed("Boom.") << -1 << 0LL << 0LL << "GAME FILES|Couldn't finish|Boom.|-2|Try Again|1";
        QTest::newRow("checking") << InstallState::checking() << -1 << 0LL << 0LL << "GAME FILES|Checking for updates||-2|Checking|0";
        QTest::newRow("ready") << InstallState::ready() << -1 << 0LL << 0LL << "GAME FILES|||-2|Play|1";
        QTest::newRow("verifying 0 of 0") << InstallState::working() << int(PatchPhase::Verifying) << 0LL << 0LL
                                          << "UPDATING|Verifying files||-1|Updating|0";
        QTest::newRow("verifying 3 of 4") << InstallState::working() << int(PatchPhase::Verifying) << 3LL << 4LL
                                          << "UPDATING|Verifying files|3 of 4 files|0.75|Updating|0";
        QTest::newRow("downloading nothing") << InstallState::working() << int(PatchPhase::Downloading) << 0LL << 0LL
                                             << QStringLiteral("UPDATING|Downloading|0 bytes of 0 bytes \u00b7 0 bytes/s|0|Updating|0");
        QTest::newRow("downloading half") << InstallState::working() << int(PatchPhase::Downloading) << 5'000'000LL << 10'000'000LL
                                          << QStringLiteral("UPDATING|Downloading|5.0 MB of 10.0 MB \u00b7 1.2 MB/s|0.5|Updating|0");
        QTest::newRow("finishing") << InstallState::working() << int(PatchPhase::Finishing) << 0LL << 0LL
                                   << "UPDATING|Finishing||-1|Updating|0";
        QTest::newRow("working without phase") << InstallState::working() << -1 << 0LL << 0LL << "UPDATING|Finishing||-1|Updating|0";
    }
    void panelByState()
    {
        QFETCH(InstallState, install);
        QFETCH(int, phase);
        QFETCH(qint64, done);
        QFETCH(qint64, total);
        QFETCH(QString, expected);
        std::optional<PatchPhase> p;
        if (phase >= 0)
            p = PatchPhase{PatchPhase::Kind(phase), done, total, phase == PatchPhase::Downloading && total ? 1'234'567.9 : 0};
        const PanelText t = panelText(install, p);
        const QString got = QStringList{t.caption, t.title, t.detail, QString::number(t.progress), t.mainButton,
                                        QString::number(t.mainEnabled)}.join('|');
        QCOMPARE(got, expected);
        QCOMPARE(t.showStatus, install.kind != InstallState::Ready);
        QVERIFY(t.timeLeft.isEmpty());  // no steady rate in these phases
    }

    void timeLeft_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("language");  // the catalogue loaded; "": the English of the sources
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown") << -1.0 << QString() << QString();
        QTest::newRow("not a number") << qQNaN() << QString() << QString();
        QTest::newRow("nothing left") << 0.0 << QString() << "Less than a minute left";
        QTest::newRow("59 s") << 59.0 << QString() << "Less than a minute left";
        QTest::newRow("a minute") << 60.0 << QString() << "About a minute left";
        QTest::newRow("89 s") << 89.0 << QString() << "About a minute left";
        QTest::newRow("90 s rounds up") << 90.0 << QString() << "About 2 minutes left";
        QTest::newRow("45 minutes") << 45 * 60.0 << QString() << "About 45 minutes left";
        QTest::newRow("59.6 minutes is an hour") << 59.6 * 60 << QString() << "About an hour left";
        QTest::newRow("1.4 hours") << 1.4 * 3600 << QString() << "About an hour left";
        QTest::newRow("2.4 hours") << 2.4 * 3600 << QString() << "About 2 hours left";
        QTest::newRow("47 hours") << 47 * 3600.0 << QString() << "About 47 hours left";
        QTest::newRow("50 GB at 0.1 MB/s") << 50e9 / 1e5 << QString() << "About 6 days left";
        QTest::newRow("centuries") << 1e12 << QString() << "About 11574074 days left";
        // Each language's plural of the count, not one form for all.
        QTest::newRow("Polish 3") << 180.0 << "pl" << "Pozostało: około 3 minut";
        QTest::newRow("Polish 22") << 22 * 60.0 << "pl" << "Pozostało: około 22 minut";
        QTest::newRow("Russian 21") << 21 * 60.0 << "ru" << "Осталось около 21 минуты";
        QTest::newRow("Russian 5 hours") << 5 * 3600.0 << "ru" << "Осталось около 5 часов";
        QTest::newRow("Arabic 2 hours") << 2 * 3600.0 << "ar" << "يتبقى نحو 2 ساعتان";
        QTest::newRow("German 2 days") << 2 * 86400.0 << "de" << "Noch etwa 2 Tage";
        QTest::newRow("Japanese") << 600.0 << "ja" << "残り約10分";
    }
    void timeLeft()
    {
        QFETCH(double, seconds);
        QFETCH(QString, language);
        QFETCH(QString, text);
        QTranslator catalogue;
        if (!language.isEmpty()) {
            QVERIFY(catalogue.load(QStringLiteral(":/i18n/vantorel_") + language + QStringLiteral(".qm")));
            QCoreApplication::installTranslator(&catalogue);
        }
        const QString shown = timeLeftText(seconds);
        QCoreApplication::removeTranslator(&catalogue);
        QCOMPARE(shown, text);
        if (seconds >= 0) {
            const PanelText panel = panelText(InstallState::working(), PatchPhase::downloading(1, 2, 1, seconds));
            QCOMPARE(panel.timeLeft, timeLeftText(seconds));
        }
    }
};

QTEST_GUILESS_MAIN(TestPanelText)
#include "tst_panel_text.moc"
