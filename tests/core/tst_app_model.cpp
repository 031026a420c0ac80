#include "auth/keychain.h"
#include "core/app_model.h"
#include "support/log.h"
#include "support/await_task.h"
#include "support/await_task.h"
#include "support/open_model.h"
#include "support/test_profile.h"

#include <QCoro/QCoroTask>
#include <QSignalSpy>
#include <QtTest>

static TestProfile profile;

// Exposes the setters so that the notification rules can be checked directly.

static LauncherConfig offlineConfig()
{
    LauncherConfig config;
    config.authUrl = QStringLiteral("http://127.0.0.1:9");
    config.manifestBase = QStringLiteral("http://127.0.0.1:9");
    return config;
}

class TestAppModel : public QObject {
    Q_OBJECT
private slots:
    void equalAssignmentsNotifyNobody()
    {
        auto owned = makeModel<OpenModel>(offlineConfig());
        OpenModel &model = *owned;
        QSignalSpy screen(&model, &AppModel::screenChanged);
        QSignalSpy install(&model, &AppModel::installChanged);
        QSignalSpy phase(&model, &AppModel::phaseChanged);
        QSignalSpy notice(&model, &AppModel::noticeChanged);

        model.setScreen(Screen::starting());
        model.setInstall(InstallState::checking());
        model.setPhase(std::nullopt);
        model.setNotice(std::nullopt);
        QCOMPARE(screen.size() + install.size() + phase.size() + notice.size(), 0);

        model.setScreen(Screen::mfa(QStringLiteral("email")));
        model.setScreen(Screen::mfa(QStringLiteral("email")));
        model.setScreen(Screen::mfa(QStringLiteral("totp")));  // same case, other payload
        QCOMPARE(screen.size(), 2);

        model.setInstall(InstallState::updateAvailable(2, 10));
        model.setInstall(InstallState::updateAvailable(2, 10));
        model.setInstall(InstallState::updateAvailable(2, 11));
        model.setInstall(InstallState::failed(QStringLiteral("x")));
        model.setInstall(InstallState::failed(QStringLiteral("x")));
        QCOMPARE(install.size(), 3);

        model.setPhase(PatchPhase::verifying(0, 0));
        model.setPhase(PatchPhase::verifying(0, 0));
        model.setPhase(PatchPhase::downloading(1, 2, 0.5));
        model.setPhase(PatchPhase::downloading(1, 2, 0.5));
        model.setPhase(std::nullopt);
        QCOMPARE(phase.size(), 3);

        // An empty notice is a notice; only none is none.
        model.setNotice(QString());
        model.setNotice(QString());
        model.setNotice(std::nullopt);
        QCOMPARE(notice.size(), 2);
    }

    void startWithNothingSavedEndsOnSignIn()
    {
        awaitTask(Keychain::clear());
        auto owned = makeModel<OpenModel>(offlineConfig());
        OpenModel &model = *owned;
        QSignalSpy screen(&model, &AppModel::screenChanged);
        QCOMPARE(model.screen(), Screen::starting());
        awaitTask(model.start());
        QCOMPARE(model.screen(), Screen::login());
        QCOMPARE(screen.size(), 1);
        QVERIFY(!model.session());
        QCOMPARE(model.install(), InstallState::checking());
        QCOMPARE(model.busy(), false);
        QVERIFY(!model.notice());

        Log::flush();
        QVERIFY(readText(Log::file()).contains(QStringLiteral("][INFO] launcher-mac starting, install=")
                                                + model.config().installPath + QLatin1Char('\n')));
    }

    void slides_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<int>("expectedCurrent");  // -1: none
        QTest::addColumn<qint64>("afterAdvance");
        QTest::newRow("one slide never moves") << 1 << qint64(0) << 0 << qint64(0);
        QTest::newRow("three wraps") << 3 << qint64(2) << 2 << qint64(0);
        QTest::newRow("past the end shows first") << 2 << qint64(4) << 0 << qint64(1);
        QTest::newRow("negative shows first") << 2 << qint64(-1) << 0 << qint64(0);
        QTest::newRow("none") << 0 << qint64(0) << -1 << qint64(0);
    }

    void slides()
    {
        QFETCH(int, count);
        QFETCH(qint64, index);
        QFETCH(int, expectedCurrent);
        QFETCH(qint64, afterAdvance);

        auto owned = makeModel<OpenModel>(offlineConfig());
        OpenModel &model = *owned;
        QList<HeroSlide> list;
        for (int i = 0; i < count; ++i)
            list.append(HeroSlide{QStringLiteral("http://x/%1.jpg").arg(i), QStringLiteral("h%1").arg(i), std::nullopt});
        model.setSlides(list);
        model.setSlideIndex(index);
        const auto current = model.currentSlide();
        if (expectedCurrent < 0)
            QVERIFY(!current);
        else
            QCOMPARE(current->image, list.at(expectedCurrent).image);
        model.advanceSlide();
        QCOMPARE(model.slideIndex(), afterAdvance);
    }

    void fallbackSlideIsOnThePatchOrigin()
    {
        Origins origins{QStringLiteral("https://a.example"), QStringLiteral("https://p.example"),
                        QStringLiteral("https://w.example")};
        auto owned = makeModel<AppModel>(offlineConfig(), origins);
        AppModel &model = *owned;
        QCOMPARE(model.slides().size(), 1);
        QCOMPARE(model.slides().first().image, QStringLiteral("https://p.example/previews/vantorel-099.jpg"));
        QCOMPARE(model.slides().first().headline, QString());
        QVERIFY(!model.slides().first().sub);
    }
};

QTEST_GUILESS_MAIN(TestAppModel)
#include "tst_app_model.moc"
