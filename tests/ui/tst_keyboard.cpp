#include "auth/keychain.h"
#include "config/preferences.h"
#include "core/app_model.h"
#include "patch/patcher.h"
#include "support/await_task.h"
#include "support/main_window.h"
#include "support/open_model.h"
#include "support/quick_helpers.h"
#include "support/test_profile.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

static TestProfile profile;

// The window used from the keyboard alone, and the visual details that go with it: focus frames,
// wrapping captions, visible spinners, drags that stay with their control.
class TestKeyboard : public QObject, MainWindowFixture {
    Q_OBJECT

    QQuickItem *item(const QString &name) const { return findItem(window->contentItem(), name, true); }
    QObject *popup(const char *name) const { return window->findChild<QObject *>(QLatin1String(name)); }
    // The named control that holds the keyboard focus (the focus may sit in a part of it).
    static QString focusedIn(QQuickWindow *in)
    {
        for (QQuickItem *at = in->activeFocusItem(); at; at = at->parentItem())
            if (!at->objectName().isEmpty() && at->objectName() != QLatin1String("focusRing"))
                return at->objectName();
        return QStringLiteral("<nothing>");
    }
    static QQuickItem *ringOf(QQuickItem *control)
    {
        for (QQuickItem *child : control->childItems())
            if (child->objectName() == QLatin1String("focusRing"))
                return child;
        return nullptr;
    }
    // With VANTOREL_SCREENSHOTS set, saves the window there (scripts/screenshots).
    void shot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("VANTOREL_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QTest::qWait(400);
        QDir().mkpath(folder);
        window->grabWindow().save(folder + '/' + name + ".png");
    }
    void activate()
    {
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(window, k, modifiers); }
    void signedIn(InstallState install = InstallState::ready())
    {
        model->setSession(Session{QStringLiteral("t"), QStringLiteral("player@example.com"), 1, QStringLiteral("d")});
        model->setScreen(Screen::main());
        model->setInstall(install);
        QTRY_VERIFY(item("homeView") && item("mainButton"));
        QTRY_VERIFY(!item("mainButton")->property("text").toString().isEmpty());
        if (install == InstallState::ready())
            QTRY_VERIFY(item("mainButton")->isEnabled());
    }
    // The lightest pixel of an item's area, as its smallest channel (white 255, any colour lower).
    int lightest(QQuickItem *of)
    {
        const QImage image = window->grabWindow();
        const qreal dpr = image.devicePixelRatio();
        const QRectF area = of->mapRectToScene(QRectF(0, 0, of->width(), of->height()));
        int best = 0;
        for (int y = int(area.top() * dpr); y < int(area.bottom() * dpr); ++y)
            for (int x = int(area.left() * dpr); x < int(area.right() * dpr); ++x) {
                const QColor c = image.pixelColor(x, y);
                best = qMax(best, qMin(c.red(), qMin(c.green(), c.blue())));
            }
        return best;
    }

private slots:
    void initTestCase()
    {
        awaitTask(Keychain::clear());
        Patcher::timing().retryWaitScale = 0.01;  // checks against the closed port end at once
        writeFile(site.path() + "/p/1.png", gradientPng(QColor(120, 50, 30), QColor(230, 140, 60)));
        writeFile(site.path() + "/launcher/home.json",
                  R"({"hero":[{"image":"/p/1.png","headline":"One"},{"image":"/p/1.png","headline":"Two"},)"
                  R"({"image":"/p/1.png","headline":"Three"}]})");
        openMainWindow();
        if (QTest::currentTestFailed())
            return;
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_COMPARE(model->slides().size(), 3);
    }

    // Tab goes through every control of a screen in reading order and back to the start; each
    // shows its focus frame, outside its own bounds, without moving anything.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("sign-in") << "login" << QStringList{"emailField", "passwordField", "logInButton", "createAccountLink", "forgotPasswordLink"};
        QTest::newRow("e-mailed code") << "email" << QStringList{"codeField", "verifyButton", "backLink", "sendNewCodeLink"};
        QTest::newRow("authenticator code") << "totp" << QStringList{"codeField", "verifyButton", "backLink"};
        QTest::newRow("unreachable") << "unreachable" << QStringList{"tryAgainButton"};
        QTest::newRow("home") << "main" << QStringList{"accountButton", "mainButton", "gearButton", "dot0", "dot1", "dot2"};
    }
    void tabOrder()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        if (screen == "main") {
            signedIn();
        } else {
            model->setSession(std::nullopt);
            model->setScreen(screen == "login" ? Screen::login() : screen == "unreachable" ? Screen::unreachable() : Screen::mfa(screen));
            QTRY_VERIFY(item(screen == "login" ? "signInView" : screen == "unreachable" ? "unreachableView" : "codeView"));
        }
        model->setNotice(std::nullopt);
        // The screen follows the model on a later turn of the event loop; let it settle.
        QTRY_VERIFY(screen != "totp" || !item("sendNewCodeLink"));
        QTest::qWait(300);
        // Filled fields, so that the buttons they enable are in the chain.
        for (const char *field : {"emailField", "passwordField", "codeField"})
            if (QQuickItem *f = item(field))
                f->setProperty("text", "x");
        item(order.first())->forceActiveFocus(Qt::TabFocusReason);
        QStringList seen;
        for (int i = 0; i <= order.size(); ++i) {
            const QString name = focusedIn(window);
            seen.append(name);
            QQuickItem *control = item(name);
            QVERIFY2(control, qPrintable(name));
            QQuickItem *ring = ringOf(control);
            QVERIFY2(ring && ring->isVisible(), qPrintable(name + ": no focus frame"));
            QVERIFY(ring->width() > control->width() && ring->height() > control->height());
            const QRectF before = control->mapRectToScene(QRectF(0, 0, control->width(), control->height()));
            if (i == order.size() - 1 || name == "accountButton" || name == "logInButton")
                shot(QStringLiteral("45-focus-%1-%2").arg(QString(QTest::currentDataTag()).replace(' ', '-'), name));
            key(Qt::Key_Tab);
            QCOMPARE(control->mapRectToScene(QRectF(0, 0, control->width(), control->height())), before);
            QVERIFY2(!ring->isVisible() || order.size() == 1, qPrintable(name + ": frame stays after the focus left"));
        }
        QCOMPARE(seen, order + QStringList{order.first()});
    }

    // The settings window: the path (opened whole and selected), the limit, the switch, then the buttons.
    void settingsTabOrder()
    {
        signedIn();
        auto *settings = window->findChild<QQuickWindow *>(QStringLiteral("settingsWindow"));
        settings->show();
        settings->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(settings));
        findItem(settings->contentItem(), QStringLiteral("locationEdit"))->forceActiveFocus(Qt::TabFocusReason);
        QTRY_COMPARE(focusedIn(settings), QStringLiteral("locationEdit"));
        QCOMPARE(settings->activeFocusItem()->property("selectedText").toString(), model->installPath());
        QStringList seen;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(settings, Qt::Key_Tab);
            seen.append(focusedIn(settings));
            QQuickItem *control = findItem(settings->contentItem(), seen.last());
            QVERIFY2(control && ringOf(control) && ringOf(control)->isVisible(), qPrintable(seen.last() + ": no focus frame"));
            if (seen.last() == "languageBox")
                break;
        }
        // The upload limit is skipped while sharing is off.
        QCOMPARE(seen, (QStringList{"downloadLimitField", "automaticUpdatesSwitch", "shareOnNetworkSwitch", "showInFinderButton",
                                    "verifyFilesButton", "settingsLogOut", "languageBox"}));
        // The language list opens with Space; the arrows and Return choose, at once and for good.
        QTest::keyClick(settings, Qt::Key_Space);
        QObject *list = findItem(settings->contentItem(), QStringLiteral("languageBox"))->property("popup").value<QObject *>();
        QTRY_VERIFY(list->property("opened").toBool());
        QTest::keyClick(settings, Qt::Key_Down);
        QTest::keyClick(settings, Qt::Key_Return);
        QTRY_VERIFY(!list->property("visible").toBool());
        QCOMPARE(model->language(), QStringLiteral("en"));
        QTRY_COMPARE(Preferences::load().language, QStringLiteral("en"));
        model->setLanguage(QString());
        QTest::keyClick(settings, Qt::Key_Escape);
        QTRY_VERIFY(!settings->isVisible());
        activate();
    }

    // A mouse click focuses a button without the frame: it is for the keyboard.
    void noFrameAfterAClick()
    {
        signedIn();
        item("homeView")->forceActiveFocus();
        clickItem(window, item("dot1"));
        QTRY_COMPARE(model->slideIndex(), 1);
        clickItem(window, item("mainButton"));
        QVERIFY(!ringOf(item("mainButton"))->isVisible());
    }

    // Both popovers: opened from their button, walked with Up and Down (wrapping), a row chosen
    // with Return, closed with Escape; the focus goes back to the button each time.
    void popoversByKeyboard_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("account") << "accountButton" << "accountMenu" << QStringList{"Website", "Support", "Settings\u2026", "Log Out", "Quit"};
        QTest::newRow("game options") << "gearButton" << "gearMenu" << QStringList{"Check for Updates", "Scan and Repair", "Reveal in Finder"};
    }
    void popoversByKeyboard()
    {
        QFETCH(QString, button);
        QFETCH(QString, menu);
        QFETCH(QStringList, rows);
        signedIn();
        const auto open = [&](Qt::Key with) {
            item(button)->forceActiveFocus(Qt::TabFocusReason);
            key(with);
            QTRY_VERIFY(popup(qPrintable(menu))->property("opened").toBool());
        };
        const auto row = [&] { return window->activeFocusItem() ? window->activeFocusItem()->property("title").toString() : QString(); };
        open(Qt::Key_Space);
        QCOMPARE(row(), rows.first());
        for (const QString &next : rows.mid(1) + QStringList{rows.first()}) {
            key(Qt::Key_Down);
            QCOMPARE(row(), next);
        }
        key(Qt::Key_Up);
        QCOMPARE(row(), rows.last());
        shot("46-focus-" + menu);
        key(Qt::Key_Escape);
        QTRY_VERIFY(!popup(qPrintable(menu))->property("visible").toBool());
        QCOMPARE(focusedIn(window), button);
        QVERIFY(ringOf(item(button))->isVisible());

        // Return opens it too; Return on a row runs it and closes the menu.
        open(Qt::Key_Return);
        auto *settings = window->findChild<QQuickWindow *>(QStringLiteral("settingsWindow"));
        if (menu == "accountMenu") {
            key(Qt::Key_Down);
            key(Qt::Key_Down);
            QCOMPARE(row(), QStringLiteral("Settings\u2026"));
            key(Qt::Key_Return);
            QTRY_VERIFY(settings->isVisible());
            settings->close();
        } else {
            QCOMPARE(row(), QStringLiteral("Check for Updates"));
            key(Qt::Key_Return);
            QTRY_VERIFY(model->install() != InstallState::ready());  // the check ran
            QTRY_COMPARE_WITH_TIMEOUT(int(model->install().kind), int(InstallState::Failed), 20000);
        }
        QTRY_VERIFY(!popup(qPrintable(menu))->property("visible").toBool());
        window->requestActivate();
        QTRY_COMPARE(focusedIn(window), button);
    }

    // "Back" is reachable and works from the keyboard alone.
    void backFromTheCodeScreen()
    {
        model->setSession(std::nullopt);
        model->setScreen(Screen::mfa("email"));
        QTRY_VERIFY(item("codeView"));
        item("backLink")->forceActiveFocus(Qt::TabFocusReason);
        key(Qt::Key_Return);
        QTRY_COMPARE(model->screen(), Screen::login());
    }

    // The menus name their shortcuts, and the shortcuts work from the settings window too.
    void shortcutsShownAndApplicationWide()
    {
        QHash<QString, QString> shown;
        for (QQuickItem *entry : window->findChildren<QQuickItem *>())
            if (entry->inherits("QQuickMenuItem"))
                shown.insert(entry->property("text").toString(), entry->property("keys").toString());
        QCOMPARE(shown.value("Check for Updates"), QStringLiteral("Ctrl+R"));
        QCOMPARE(shown.value("Show Game Folder in Finder"), QStringLiteral("Shift+Ctrl+O"));
        QCOMPARE(shown.value("Settings\u2026"), QStringLiteral("Ctrl+,"));
        QCOMPARE(shown.value("Quit"), QStringLiteral("Ctrl+Q"));

        signedIn();
        auto *settings = window->findChild<QQuickWindow *>(QStringLiteral("settingsWindow"));
        key(Qt::Key_Comma, Qt::ControlModifier);
        QTRY_VERIFY(settings->isVisible());
        QTRY_COMPARE(QGuiApplication::focusWindow(), settings);
        QTest::keyClick(settings, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(model->install() != InstallState::ready());
        // Asked for again while open behind the main window, it comes to the front.
        window->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), window);
        key(Qt::Key_Comma, Qt::ControlModifier);
        QTRY_COMPARE(QGuiApplication::focusWindow(), settings);
        settings->close();
        window->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), window);
    }

    void longHeadlineWraps()
    {
        signedIn();
        const QString longLine = QStringLiteral("A headline far too long for one line of the caption, which has to wrap onto more");
        model->setSlides({HeroSlide{server.origin() + "/p/1.png", longLine, longLine + QStringLiteral(", and a sub-line that is longer still than the headline above it")}});
        QTRY_COMPARE(item("headline")->property("text").toString(), longLine);
        for (const char *name : {"headline", "subline"}) {
            QQuickItem *text = item(name);
            QTRY_VERIFY(text->property("lineCount").toInt() > 1);
            QVERIFY(text->property("contentWidth").toReal() <= item("caption")->width());
            QCOMPARE(text->width(), item("caption")->width());
        }
    }

    // The spinners stand out: nearly white at the start, and light inside the disabled button.
    void spinnersAreVisible()
    {
        model->setScreen(Screen::starting());
        QTRY_VERIFY(item("startingSpinner"));
        QTest::qWait(200);
        QVERIFY2(lightest(item("startingSpinner")) > 200, qPrintable(QString::number(lightest(item("startingSpinner")))));

        model->setScreen(Screen::login());
        QTRY_VERIFY(item("signInView"));
        Standin::Fault slow;
        slow.delayMs = 3000;
        server.http().setFault("/login", slow);
        item("emailField")->setProperty("text", "player@example.com");
        item("passwordField")->setProperty("text", "vantorel");
        clickItem(window, item("logInButton"));
        QTRY_VERIFY(item("buttonSpinner"));
        QTest::qWait(600);  // past the spinner's fade-in
        // Drawn at the disabled button's 40 %: white comes out near 110, the button's blue under 30.
        QVERIFY2(lightest(item("buttonSpinner")) > 90, qPrintable(QString::number(lightest(item("buttonSpinner")))));
        server.http().clearFaults();
        QTRY_VERIFY(!model->busy());
    }

    // Dragging moves the window only from the background, never from a control.
    void dragsStayWithTheirControl_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("moves");
        QTest::newRow("button") << "logInButton" << false;
        QTest::newRow("text field") << "emailField" << false;
        QTest::newRow("link") << "forgotPasswordLink" << false;
        QTest::newRow("background") << "" << true;
    }
    void dragsStayWithTheirControl()
    {
        QFETCH(QString, from);
        QFETCH(bool, moves);
        model->setSession(std::nullopt);
        model->setScreen(Screen::login());
        QTRY_VERIFY(item("signInView"));
        item("emailField")->setProperty("text", "player@example.com");
        item("passwordField")->setProperty("text", "x");
        QTRY_VERIFY(item("logInButton")->isEnabled());
        QObject *drag = window->findChild<QObject *>(QStringLiteral("windowDrag"));
        QVERIFY(drag);
        QPoint at(60, 300);
        if (!from.isEmpty()) {
            QQuickItem *control = item(from);
            at = control->mapToScene(QPointF(control->width() / 2, control->height() / 2)).toPoint();
        }
        bool became = false;
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
        for (int step = 1; step <= 10; ++step) {
            QTest::mouseMove(window, at + QPoint(step * 8, step * 3), 10);
            became = became || drag->property("active").toBool();
        }
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at + QPoint(80, 30));
        QCOMPARE(became, moves);
        QCOMPARE(model->screen(), Screen::login());  // the button's press was not a click
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
