#include "auth/keychain.h"
#include "core/app_model.h"
#include "support/await_task.h"
#include "support/display_language.h"
#include "support/launcher_error.h"
#include "support/main_window.h"
#include "support/open_model.h"
#include "support/quick_helpers.h"
#include "support/test_profile.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

static TestProfile profile;

namespace {
// A language's catalogue as its translators left it: each English text with its translation,
// empty where it is not finished.
QHash<QString, QString> catalogue(const QString &file)
{
    QHash<QString, QString> texts;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&in);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool finished = xml.attributes().value("type").isEmpty();
            const QString translation = xml.readElementText();
            if (!texts.contains(source) || finished)
                texts.insert(source, finished ? translation : QString());
        }
    }
    return texts;
}
}

// Every screen, popover and install state in each language: nothing clips or overlaps, and in a
// translated language no text is left in English.
class TestLanguages : public QObject, MainWindowFixture {
    Q_OBJECT
    QHash<QString, QString> texts;  // of the language under test
    QStringList faults;

    QQuickItem *item(QQuickItem *root, const char *name) const { return findItem(root, QLatin1String(name)); }
    // Notes what a reader would find wrong under `root`.
    void look(const QString &where, QQuickItem *root, qreal inset = 0)
    {
        QTest::qWait(50);  // bindings and layouts of the new state
        const QString folder = qEnvironmentVariable("VANTOREL_SCREENSHOTS");
        if (!folder.isEmpty()) {
            QTest::qWait(600);  // fades and blurs
            const QString language = QTest::currentDataTag();
            QDir().mkpath(folder + '/' + language);
            root->window()->grabWindow().save(folder + '/' + language + '/' + QString(where).replace(' ', '-') + ".png");
        }
        // Polled: layouts settle over a few frames after a change.
        QStringList found = textLayoutFaults(root, inset);
        for (int i = 0; i < 20 && !found.isEmpty(); ++i) {
            QTest::qWait(50);
            found = textLayoutFaults(root, inset);
        }
        for (const QString &fault : std::as_const(found))
            faults.append(where + ": " + fault);
        for (const QString &shown : shownTexts(root)) {
            const auto known = texts.constFind(shown);
            if (known != texts.constEnd() && *known != shown)
                faults.append(where + ": \"" + shown + "\" is in English");
        }
    }
    void showMain(InstallState install, std::optional<PatchPhase> phase = std::nullopt)
    {
        model->setScreen(Screen::main());
        model->setInstall(std::move(install));
        model->setPhase(std::move(phase));
    }
    void openPopover(const char *button, const char *menu)
    {
        clickItem(window, item(window->contentItem(), button));
        QTRY_VERIFY(window->findChild<QObject *>(QLatin1String(menu))->property("opened").toBool());
    }
    void closePopover(const char *menu)
    {
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window->findChild<QObject *>(QLatin1String(menu))->property("visible").toBool());
    }

private slots:
    void initTestCase()
    {
        awaitTask(Keychain::clear());
        QCoreApplication::setApplicationVersion(QStringLiteral("0.1.0"));
        openMainWindow(QStringLiteral("/home/player/.local/share/Vantorel/client"));
        if (QTest::currentTestFailed())
            return;
        model->setSession(Session{QStringLiteral("t"), QStringLiteral("player@example.com"), 1, QStringLiteral("d")});
    }

    void everyScreen_data()
    {
        QTest::addColumn<QString>("language");  // "pseudo": the test language
        QTest::newRow("pseudo") << "pseudo";
        for (const QString &code : DisplayLanguage::shipped())
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyScreen()
    {
        QFETCH(QString, language);
        faults.clear();
        // Open, as when the player picks the language there.
        auto *settings = window->findChild<QQuickWindow *>(QStringLiteral("settingsWindow"));
        settings->show();
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        if (language == "pseudo") {
            // Every text of the pseudo catalogue differs from its English.
            texts = catalogue(QStringLiteral(VANTOREL_PSEUDO_TS));
            DisplayLanguage::applyCatalogue(QStringLiteral(VANTOREL_PSEUDO_QM), QStringLiteral("en_XA"));
            model->showLanguage();
        } else {
            texts = catalogue(QStringLiteral(VANTOREL_TRANSLATIONS_DIR "/vantorel_") + language + ".ts");
            model->setLanguage(language);
        }
        QVERIFY(!texts.isEmpty());
        const bool translated = std::any_of(texts.cbegin(), texts.cend(), [](const QString &t) { return !t.isEmpty(); });
        if (!translated) {
            qInfo("%s has no translations yet: its English texts are not counted", qPrintable(language));
            texts.clear();
        }
        QQuickItem *root = window->contentItem();

        model->setScreen(Screen::login());
        model->setNotice(QStringLiteral("Wrong email or password."));
        look("sign-in", root);
        model->setScreen(Screen::mfa(QStringLiteral("email")));
        model->setNotice(LauncherError::emailCodeRefused());
        look("code by email", root);
        model->setScreen(Screen::mfa(QStringLiteral("totp")));
        model->setNotice(std::nullopt);
        look("code from an app", root);
        model->setScreen(Screen::unreachable());
        look("unreachable", root);

        showMain(InstallState::notInstalled(48'300'000'000));
        look("not installed", root);
        showMain(InstallState::updateAvailable(1'204, 1'234'500'000));
        look("update available", root);
        showMain(InstallState::failed(LauncherError::notEnoughSpace(model->installPath(), 48'300'000'000, 1'200'000'000)));
        look("failed", root);
        showMain(InstallState::checking());
        look("checking", root);
        showMain(InstallState::working(), PatchPhase::verifying(1'204, 18'388));
        look("verifying", root);
        showMain(InstallState::working(), PatchPhase::downloading(400'000'000, 48'300'000'000, 56'700'000, 845));
        look("downloading", root);
        {
            // The bar fills by the share downloaded, from where the reading direction starts.
            QQuickItem *bar = item(root, "progressBar"), *fill = item(root, "progressFill");
            const bool rtl = QGuiApplication::layoutDirection() == Qt::RightToLeft;
            const qreal start = bar->mapToScene(QPointF(rtl ? bar->width() : 0, 0)).x();
            const qreal from = fill->mapToScene(QPointF(rtl ? fill->width() : 0, 0)).x();
            if (qAbs(fill->width() - bar->width() * 400.0 / 48'300) > 1 || qAbs(from - start) > 1)
                faults.append(QStringLiteral("downloading: the bar shows %1 px of %2 from x %3, not from %4")
                                  .arg(fill->width()).arg(bar->width()).arg(from).arg(start));
        }
        showMain(InstallState::working(), PatchPhase::finishing());
        look("finishing", root);
        showMain(InstallState::ready());
        clickItem(window, item(root, "mainButton"));
        look("ready, after Play", root);

        openPopover("accountButton", "accountMenu");
        look("account menu", popupBox("accountMenu"), 12);
        closePopover("accountMenu");
        openPopover("gearButton", "gearMenu");
        look("gear menu", popupBox("gearMenu"), 12);
        closePopover("gearMenu");
        for (QQuickItem *entry : window->findChildren<QQuickItem *>()) {
            if (!entry->inherits("QQuickMenuBarItem"))
                continue;
            auto *menu = qvariant_cast<QObject *>(entry->property("menu"));
            QMetaObject::invokeMethod(menu, "open");
            QTRY_VERIFY(menu->property("opened").toBool());
            look("menu " + entry->property("text").toString(), qvariant_cast<QQuickItem *>(menu->property("contentItem"))->parentItem(), 12);
            QMetaObject::invokeMethod(menu, "close");
            QTRY_VERIFY(!menu->property("visible").toBool());
        }

        look("settings", settings->contentItem());
        QObject *languagePopup = item(settings->contentItem(), "languageBox")->property("popup").value<QObject *>();
        QMetaObject::invokeMethod(languagePopup, "open");
        QTRY_VERIFY(languagePopup->property("opened").toBool());
        look("language list", qvariant_cast<QQuickItem *>(languagePopup->property("contentItem"))->parentItem());
        QMetaObject::invokeMethod(languagePopup, "close");
        settings->close();

        if (QGuiApplication::layoutDirection() == Qt::RightToLeft) {
            // Mirrored: the account button sits at the left, the game panel at the right.
            QQuickItem *account = item(root, "accountButton");
            if (account->mapToScene(QPointF()).x() > root->width() / 2)
                faults.append("right to left: the account button stays at the right");
            QQuickItem *panel = item(root, "gamePanel");
            if (panel->mapToScene(QPointF()).x() < root->width() / 2)
                faults.append("right to left: the game panel stays at the left");
        }
        DisplayLanguage::apply(QString());
        model->setLanguage(QString());
        model->showLanguage();
        QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.join("\n")));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
