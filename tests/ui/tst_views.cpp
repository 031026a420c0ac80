#include "auth/keychain.h"
#include "config/preferences.h"
#include "core/app_model.h"
#include "transfer/rate_limiter.h"
#include "support/await_task.h"
#include "support/log.h"
#include "support/main_window.h"
#include "support/quick_helpers.h"
#include "support/open_model.h"
#include "support/test_profile.h"

#include <QBuffer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

static TestProfile profile;


// The real views in a real window, driven the way a user would, against the stand-in.
class TestViews : public QObject, MainWindowFixture {
    Q_OBJECT

    QQuickItem *item(const char *name) const { return findItem(window->contentItem(), QLatin1String(name)); }
    QString text(const char *name) const { return item(name) ? item(name)->property("text").toString() : QStringLiteral("<none>"); }
    bool visible(const char *name) const
    {
        if (QQuickItem *found = item(name))
            return found->isVisible();
        const QObject *popup = window->findChild<QObject *>(QLatin1String(name));  // menus are popups
        return popup && popup->property("visible").toBool();
    }
    bool enabled(const char *name) const { return item(name) && item(name)->isEnabled(); }
    void click(const char *name)
    {
        QQuickItem *target = item(name);
        QVERIFY2(target, name);
        clickItem(window, target);
    }
    void typeText(const QString &what) { ::typeText(window, what); }
    void type(const char *field, const QString &what)
    {
        item(field)->forceActiveFocus();
        typeText(what);
    }
    void shot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("VANTOREL_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QTest::qWait(700);  // let fades and blurs settle
        QDir().mkpath(folder);
        window->grabWindow().save(folder + '/' + name + ".png");
    }
private slots:
    void initTestCase()
    {
        awaitTask(Keychain::clear());
        writeFile(site.path() + "/p/1.png", gradientPng(QColor(120, 50, 30), QColor(230, 140, 60)));
        writeFile(site.path() + "/p/2.png", gradientPng(QColor(20, 60, 90), QColor(60, 160, 180)));
        writeFile(site.path() + "/launcher/home.json",
                  R"({"hero":[{"image":"/p/1.png","headline":"Season of Embers","sub":"The new season is live."},)"
                  R"({"image":"/p/2.png","headline":"The Drowned Coast"},{"image":"/p/1.png","headline":""}]})");
        QCoreApplication::setApplicationVersion(QStringLiteral("0.1.0"));
        openMainWindow(QStringLiteral("/home/player/.local/share/Vantorel/client"));
        if (QTest::currentTestFailed())
            return;
        window->requestActivate();
        QTRY_COMPARE(model->images().size(), 2);
    }

    void signInEnablingAndReturn()
    {
        QVERIFY(visible("signInView"));
        QTRY_VERIFY(item("emailField")->hasActiveFocus());
        QVERIFY(!enabled("logInButton"));
        shot("01-sign-in");
        typeText("player@example.com");
        QVERIFY(!enabled("logInButton"));
        QTest::keyClick(window, Qt::Key_Return);
        QVERIFY(item("passwordField")->hasActiveFocus());
        QCOMPARE(server.requestsTo("/login").size(), 0);  // Return in the e-mail field does not submit
        typeText("wrong");
        QVERIFY(enabled("logInButton"));
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_VERIFY(visible("notice"));
        QCOMPARE(text("notice"), QStringLiteral("Wrong email or password."));
        shot("02-sign-in-notice");
    }

    void codeScreenVariantsAndBack()
    {
        item("emailField")->setProperty("text", "mail@example.com");
        item("passwordField")->setProperty("text", "vantorel");
        click("logInButton");
        QTRY_COMPARE(model->screen(), Screen::mfa("email"));
        QTRY_VERIFY(visible("codeView"));
        QCOMPARE(text("explanation"), QStringLiteral("We sent a code to your email."));
        QVERIFY(visible("sendNewCodeLink"));
        QVERIFY(!visible("notice"));
        QVERIFY(!enabled("verifyButton"));
        type("codeField", "a b");  // any text will do
        QVERIFY(enabled("verifyButton"));
        shot("03-code-email");
        click("backLink");
        QTRY_VERIFY(visible("signInView"));
        QCOMPARE(text("emailField"), QString());
        QCOMPARE(text("passwordField"), QString());

        model->setScreen(Screen::mfa("totp"));
        QTRY_VERIFY(visible("codeView"));
        QCOMPARE(text("explanation"), QStringLiteral("Open your authenticator app and enter the code for Vantorel."));
        QVERIFY(!visible("sendNewCodeLink"));
        shot("04-code-authenticator");
    }

    void unreachableTryAgainStartsOver()
    {
        model->setScreen(Screen::unreachable());
        QTRY_VERIFY(visible("unreachableView"));
        shot("05-unreachable");
        server.clearRequests();
        click("tryAgainButton");
        QTRY_COMPARE(model->screen(), Screen::login());
        QTRY_COMPARE(server.requestsTo("/launcher/home.json").size(), 1);  // start() ran again
    }

    void homeMainButtonByState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("buttonEnabled");
        QTest::addColumn<bool>("gearEnabled");
        QTest::addColumn<QString>("title");
        QTest::newRow("not installed") << int(InstallState::NotInstalled) << "Install" << true << true << "Not installed";
        QTest::newRow("update") << int(InstallState::UpdateAvailable) << "Update" << true << true << "Update available";
        QTest::newRow("failed") << int(InstallState::Failed) << "Try Again" << true << true << "Couldn't finish";
        QTest::newRow("checking") << int(InstallState::Checking) << "Checking" << false << true << "Checking for updates";
        QTest::newRow("working") << int(InstallState::Working) << "Updating" << false << false << "Downloading";
        QTest::newRow("ready") << int(InstallState::Ready) << "Play" << true << true << "";
    }
    void homeMainButtonByState()
    {
        QFETCH(int, state);
        QFETCH(QString, button);
        QFETCH(bool, buttonEnabled);
        QFETCH(bool, gearEnabled);
        QFETCH(QString, title);
        model->setSession(Session{QStringLiteral("t"), QStringLiteral("player@example.com"), 1, QStringLiteral("d")});
        model->setScreen(Screen::main());
        QTRY_VERIFY(visible("homeView"));
        InstallState install{InstallState::Kind(state), 12, 1'234'000'000,
                             QStringLiteral("The download server returned HTTP 503. Try again later.")};
        model->setInstall(install);
        model->setPhase(state == InstallState::Working ? std::optional(PatchPhase::downloading(400'000'000, 1'234'000'000, 56'700'000, 15))
                                                       : std::nullopt);
        // The panel follows on the next turn of the event loop.
        QTRY_COMPARE(text("mainButton"), button);
        QCOMPARE(enabled("mainButton"), buttonEnabled);
        QCOMPARE(enabled("gearButton"), gearEnabled);
        QCOMPARE(visible("statusBlock"), state != InstallState::Ready);
        if (!title.isEmpty())
            QCOMPARE(text("statusTitle"), title);
        // The time left is a line of its own under the detail, only while downloading.
        QCOMPARE(visible("statusTimeLeft"), state == InstallState::Working);
        if (state == InstallState::Working)
            QCOMPARE(text("statusTimeLeft"), QStringLiteral("Less than a minute left"));
        shot(QStringLiteral("1%1-home-%2").arg(state).arg(QString(QTest::currentDataTag()).replace(' ', '-')));
    }

    void playShowsTheNoticeAndStartsNothing()
    {
        model->setInstall(InstallState::ready());
        QTRY_COMPARE(text("mainButton"), QStringLiteral("Play"));
        click("mainButton");
        QCOMPARE(text("footer"), QStringLiteral("The game doesn't run on macOS yet. This launcher only updates files."));
        QCOMPARE(model->install(), InstallState::ready());
        shot("20-play-notice");
    }

    void accountMenuWithAndWithoutSession()
    {
        click("accountButton");
        QTRY_VERIFY(visible("accountMenu"));
        QVERIFY(visible("accountHeader"));
        QCOMPARE(item("accountHeader")->property("title").toString(), QStringLiteral("player@example.com"));
        shot("21-account-menu");
        // Polled: the column lays its rows out after the popover shows.
        QTRY_VERIFY2(textLayoutFaults(popupBox("accountMenu"), 12).isEmpty(), qPrintable(textLayoutFaults(popupBox("accountMenu"), 12).join("; ")));
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!visible("accountMenu"));
        model->setSession(std::nullopt);
        click("accountButton");
        QTRY_VERIFY(visible("accountMenu"));
        QVERIFY(!visible("accountHeader"));
        QTest::keyClick(window, Qt::Key_Escape);
    }

    void gearMenu()
    {
        model->setInstall(InstallState::ready());
        click("gearButton");
        QTRY_VERIFY(visible("gearMenu"));
        shot("22-gear-menu");
        QTRY_VERIFY2(textLayoutFaults(popupBox("gearMenu"), 12).isEmpty(), qPrintable(textLayoutFaults(popupBox("gearMenu"), 12).join("; ")));
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!visible("gearMenu"));
    }

    // The menu bar's menus open as a player opens them, and read cleanly: no text over another,
    // none past its box, and room at both edges as in the popovers.
    void menuBarMenus_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("screenshot");
        QTest::newRow("File") << "&File" << "23-file-menu";
        QTest::newRow("Game") << "&Game" << "24-game-menu";
    }
    void menuBarMenus()
    {
        QFETCH(QString, title);
        QFETCH(QString, screenshot);
        model->setSession(Session{QStringLiteral("t"), QStringLiteral("player@example.com"), 1, QStringLiteral("d")});
        model->setInstall(InstallState::working());  // the Game menu's first entries dimmed
        QQuickItem *entry = nullptr;
        for (QQuickItem *candidate : window->findChildren<QQuickItem *>())
            if (candidate->inherits("QQuickMenuBarItem") && candidate->property("text").toString() == title)
                entry = candidate;
        QVERIFY(entry);
        auto *menu = qvariant_cast<QObject *>(entry->property("menu"));
        QVERIFY(menu);
        // Just after another menu closed with Escape the bar is still active, and a click may
        // only move its highlight.
        for (int i = 0; i < 2 && !menu->property("opened").toBool(); ++i) {
            clickItem(window, entry);
            QTest::qWaitFor([&] { return menu->property("opened").toBool(); }, 1000);
        }
        QVERIFY(menu->property("opened").toBool());
        auto *box = qvariant_cast<QQuickItem *>(menu->property("contentItem"))->parentItem();
        QTRY_VERIFY2(textLayoutFaults(box, 12).isEmpty(), qPrintable(textLayoutFaults(box, 12).join("; ")));
        shot(screenshot);
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!menu->property("visible").toBool());
        model->setInstall(InstallState::ready());
    }

    void dotsFollowTheSlides()
    {
        QCOMPARE(model->slides().size(), 3);
        QVERIFY(visible("dots"));
        model->setSlideIndex(0);
        QCOMPARE(text("headline"), QStringLiteral("Season of Embers"));
        click("dot1");
        QCOMPARE(model->slideIndex(), 1);
        QTRY_COMPARE(text("headline"), QStringLiteral("The Drowned Coast"));
        click("dot2");
        QCOMPARE(model->slideIndex(), 2);
        QVERIFY(!visible("caption"));  // empty headline: no caption at all
        model->setSlides({HeroSlide{server.origin() + "/p/2.png", QStringLiteral("Only"), std::nullopt}});
        QVERIFY(!visible("dots"));
        QCOMPARE(text("headline"), QStringLiteral("Only"));  // index 2 past the end shows the first
    }

    void rotationTimerLivesWithThePane()
    {
        QObject *timer = window->findChild<QObject *>(QStringLiteral("rotationTimer"));
        QVERIFY(timer);
        QCOMPARE(timer->property("running").toBool(), true);
        QCOMPARE(timer->property("interval").toInt(), 8000);
        model->setScreen(Screen::login());
        QTRY_VERIFY(!window->findChild<QObject *>(QStringLiteral("rotationTimer")));
    }

    void settingsFollowTheModel()
    {
        auto *settings = window->findChild<QQuickWindow *>(QStringLiteral("settingsWindow"));
        QVERIFY(settings);
        settings->show();
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        auto find = [&](const char *name) {
            QQuickItem *found = findItem(settings->contentItem(), QLatin1String(name));
            if (!found)
                qFatal("no item %s", name);
            return found;
        };
        model->setSession(std::nullopt);
        QVERIFY(find("notSignedIn")->isVisible());
        QVERIFY(!find("verifyFilesButton")->isEnabled());
        model->setSession(Session{QStringLiteral("t"), QStringLiteral("player@example.com"), 1, QStringLiteral("d")});
        for (int state : {0, 1, 2, 3, 4}) {
            model->setInstall(InstallState{InstallState::Kind(state), 0, 0, {}});
            QVERIFY(find("verifyFilesButton")->isEnabled());
        }
        model->setInstall(InstallState::working());
        QVERIFY(!find("verifyFilesButton")->isEnabled());
        QCOMPARE(find("signedInAs")->property("text").toString(), QStringLiteral("player@example.com"));
        // A long path is shortened in the middle but the whole path stays available.
        QQuickItem *location = find("locationValue");
        QCOMPARE(location->property("elide").toInt(), int(Qt::ElideMiddle));
        QCOMPARE(location->property("text").toString(), model->installPath());
        model->setInstall(InstallState::ready());

        // A download limit typed in the field holds for the whole launcher at once; clearing it lifts it.
        settings->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(settings));
        QQuickItem *limit = find("downloadLimitField");
        limit->forceActiveFocus();
        QTRY_VERIFY(limit->hasActiveFocus());
        ::typeText(settings, QStringLiteral("12.5"));
        QTest::keyClick(settings, Qt::Key_Return);
        QCOMPARE(RateLimiter::global().limit(), qint64(12'500'000));
        QCOMPARE(model->downloadLimit(), qint64(12'500'000));
        QTest::keyClick(settings, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(settings, Qt::Key_Backspace);
        QTest::keyClick(settings, Qt::Key_Return);
        QCOMPARE(RateLimiter::global().limit(), qint64(0));
        QCOMPARE(limit->property("text").toString(), QString());
        // "Update automatically" is off until the player turns it on, and the choice is saved.
        QQuickItem *automatic = find("automaticUpdatesSwitch");
        QVERIFY(!automatic->property("checked").toBool());
        for (bool on : {true, false}) {
            QTest::mouseClick(settings, Qt::LeftButton, {}, automatic->mapToScene(automatic->boundingRect().center()).toPoint());
            QCOMPARE(model->automaticUpdates(), on);
            QTRY_COMPARE(Preferences::load().automaticUpdates, on);
        }
        // Sharing is off until the player turns it on; its upload limit waits for it.
        QVERIFY(!find("shareOnNetworkSwitch")->property("checked").toBool());
        QVERIFY(!find("uploadLimitField")->isEnabled());
        if (!qEnvironmentVariable("VANTOREL_SCREENSHOTS").isEmpty()) {
            QTest::qWait(300);
            settings->grabWindow().save(qEnvironmentVariable("VANTOREL_SCREENSHOTS") + "/30-settings.png");
        }
        settings->close();
    }
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"
