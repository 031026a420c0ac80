#include "support/main_window.h"
#include "config/launcher_config.h"
#include "core/qml_types.h"
#include "support/origins.h"

#include <QQuickStyle>
#include <QtTest>

void MainWindowFixture::openMainWindow(const QString &installPath)
{
    QVERIFY(server.listen());
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    LauncherConfig config;
    config.authUrl = server.origin();
    config.manifestBase = QStringLiteral("http://127.0.0.1:1");
    if (!installPath.isEmpty())
        config.installPath = installPath;
    model = std::make_unique<OpenModel>(config, Origins{server.origin(), server.origin(), server.origin()});
    engine = std::make_unique<QQmlApplicationEngine>();
    window = loadMainWindow(*engine, model.get());
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_COMPARE(model->screen(), Screen::login());
}

QQuickItem *MainWindowFixture::popupBox(const char *name) const
{
    const QObject *popup = window->findChild<QObject *>(QLatin1String(name));
    return popup ? qvariant_cast<QQuickItem *>(popup->property("contentItem"))->parentItem() : nullptr;
}
